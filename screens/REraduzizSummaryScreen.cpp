#include "screens/REraduzizSummaryScreen.h"

#include <algorithm>

#include "gui/widgets/CGuiButton.h"
#include "gui/widgets/CGuiStaticText.h"
#include "park/ledger/CLedgerTree.h"
#include "park/ledger/LedgerEntryNode.h"
#include "park/ledger/LedgerKinds.h"
#include "screens/ScreenBinding.h"
#include "screens/ScreenHost.h"
#include "screens/ScreenIds.h"
#include "screens/ScreenSet.h"

namespace {

constexpr const char* kScreen = "REraduzizSummaryScreen";
constexpr const char* kStaticText = "static text";
constexpr uint32_t kCaptionFormat = 0;
constexpr uint32_t kValueFormat = 0;
constexpr uint32_t kMoodFormat = 1;
constexpr GuiColour kCaptionColour{255, 128, 0, 0};
constexpr GuiColour kMoodColour{255, 255, 255, 0};

struct Caption {
  int32_t id;
  int32_t text;
};
constexpr Caption kCaptions[] = {{10159, 100104}, {10161, 100105}, {10162, 100106}, {10163, 100139},
                                 {10160, 100108}, {10172, 100140}, {10173, 100107}, {10171, 100141}};

constexpr int32_t kTotalTextIds[REraduzizSummaryScreen::kTotalCount] = {10167, 10168, 10169, 10170, 10187, 10188};
// The shop's total is shown without the trailing blank of the others.
constexpr const char* kTotalFormats[REraduzizSummaryScreen::kTotalCount] = {"%d ", "%d ", "%d ", "%d", "%d ", "%d "};

// The pages that open beside the overview, in the order they are closed.
constexpr int32_t kSidePages[] = {screen_ids::kShop, screen_ids::kTicket, screen_ids::kBuilUpg, screen_ids::kStaff};

// The total a ledger kind counts in; -1 for the kinds that are no money
// (visitor figures and uses).
int TotalOfKind(int32_t kind) {
  using namespace ledger;
  switch (kind) {
    case kTicket:
      return REraduzizSummaryScreen::kTicketIncome;
    case kKioskFood:
      return REraduzizSummaryScreen::kKioskIncome;
    case kRestaurantMeal:
      return REraduzizSummaryScreen::kRestaurantIncome;
    case kShopProduct:
      return REraduzizSummaryScreen::kShopIncome;
    case kBuild:
    case kRepair:
    case kUpgrade:
    case kRunningCost:
      return REraduzizSummaryScreen::kAttractionCosts;
    case kHireEngineers:
    case kHireGardeners:
    case kHireCleaners:
      return REraduzizSummaryScreen::kStaffCosts;
    default:
      return -1;
  }
}

}  // namespace

REraduzizSummaryScreen::REraduzizSummaryScreen(ScreenHost& host, CGuiElement* window) : window(window), m_host(host) {
  if (!window) return;
  ticketButton = screens::BindChild<CGuiButton>(window, kTicketId, kScreen, "button");
  shopButton = screens::BindChild<CGuiButton>(window, kShopId, kScreen, "button");
  for (int total = 0; total < kTotalCount; ++total) {
    totalTexts[total] = screens::BindChild<CGuiStaticText>(window, kTotalTextIds[total], kScreen, kStaticText);
  }
  moodText = screens::BindChild<CGuiStaticText>(window, kMoodTextId, kScreen, kStaticText);
  moodBar = screens::BindChild<CGuiElement>(window, kMoodBarId, kScreen, "element");
  for (const Caption& caption : kCaptions) {
    screens::SetCaption(screens::BindChild<CGuiStaticText>(window, caption.id, kScreen, kStaticText), caption.text,
                        kCaptionFormat, kCaptionColour);
  }
  Refresh();
}

void REraduzizSummaryScreen::SumLedger() {
  m_totals.fill(0);
  const CLedgerTree* tree = m_host.GetLedgerTree();
  if (!tree) return;
  for (const auto& entry : tree->Entries()) {
    // The entries kept per subject count the same bookings again.
    if (entry->Head().flag == 1) continue;
    const int total = TotalOfKind(entry->Head().kind);
    if (total >= 0) m_totals[total] = ledger::AddAmount(m_totals[total], entry->Amount());
  }
}

int32_t REraduzizSummaryScreen::AverageMood(int32_t moodSum, int32_t visitors) {
  if (visitors == 0) return kMaxMood;
  // The park's sum carries a base that few visitors cannot outweigh; the
  // figure and the bar stay within their scale.
  return std::clamp(moodSum / visitors, 0, kMaxMood);
}

int32_t REraduzizSummaryScreen::MoodBarWidth(int32_t mood) {
  return std::clamp(int32_t(float(mood) * kMoodBarScale), 0, kMoodBarFullWidth);
}

void REraduzizSummaryScreen::ShowMood() {
  const int32_t mood = AverageMood(m_host.GetMoodTotals().moodSum, m_host.GetVisitorCount());
  screens::SetLiteral(moodText, screens::FormatValue("%d ", mood), kMoodFormat, kMoodColour);
  if (moodBar) moodBar->SetSize(MoodBarWidth(mood), kMoodBarHeight);
}

void REraduzizSummaryScreen::Refresh() {
  m_host.ArmManagementPagesClose();
  SumLedger();
  for (int total = 0; total < kTotalCount; ++total) {
    screens::SetLiteral(totalTexts[total], screens::FormatValue(kTotalFormats[total], m_totals[total]), kValueFormat,
                        kGuiBlack);
  }
  ShowMood();
}

void REraduzizSummaryScreen::CloseSidePages(int32_t button) {
  for (int32_t page : kSidePages) m_host.Gui().PostCommand(button, page, kCmdClosePage, button, 0);
}

void REraduzizSummaryScreen::OpenSidePage(int32_t button, int32_t page) {
  m_host.Flags().modal = 1;
  m_host.Gui().PostCommand(button, page, kCmdShowPage, button, 0);
}

void REraduzizSummaryScreen::OnGuiCommand(GuiCommand& command) {
  if (command.code != kCmdClick) return;
  const int32_t button = command.sender;
  ScreenSet* screens = m_host.GetScreens();
  switch (button) {
    case kStatisticsId:
      m_host.HideGameScreens();
      if (screens && screens->statisticScreen) screens->statisticScreen->Open();
      OpenSidePage(button, screen_ids::kStatistic);
      break;
    case kCloseId:
      m_host.HideGameScreens();
      break;
    case kTicketId:
      CloseSidePages(button);
      if (screens && screens->ticketScreen) {
        screens->ticketScreen->pendingChange = 0;
        screens->ticketScreen->Refresh();
      }
      OpenSidePage(button, screen_ids::kTicket);
      break;
    case kShopId:
      CloseSidePages(button);
      if (screens && screens->shopScreen) {
        screens->shopScreen->ClearPending();
        screens->shopScreen->FillProducts();
      }
      OpenSidePage(button, screen_ids::kShop);
      break;
    case kAttractionListId:
      CloseSidePages(button);
      if (screens && screens->builUpgScreen) screens->builUpgScreen->Refresh();
      OpenSidePage(button, screen_ids::kBuilUpg);
      break;
    case kStaffId:
      CloseSidePages(button);
      if (screens && screens->staffScreen) {
        screens->staffScreen->ClearPending();
        screens->staffScreen->Refresh();
      }
      OpenSidePage(button, screen_ids::kStaff);
      break;
    default:
      return;
  }
  command.sender = -1;
}
