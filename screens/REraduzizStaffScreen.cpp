#include "screens/REraduzizStaffScreen.h"

#include <algorithm>
#include <vector>

#include "gui/widgets/CGuiButton.h"
#include "gui/widgets/CGuiStaticText.h"
#include "platform/os/DebugOutput.h"
#include "platform/os/Random.h"
#include "screens/ScreenBinding.h"
#include "screens/ScreenHost.h"
#include "screens/ScreenIds.h"
#include "screens/ScreenSet.h"

namespace {

constexpr const char* kScreen = "REraduzizStaffScreen";
constexpr const char* kStaticText = "static text";
constexpr uint32_t kTextFormat = 0;
constexpr int32_t kMessageKind = 0;

}  // namespace

REraduzizStaffScreen::REraduzizStaffScreen(ScreenHost& host, CGuiElement* window) : window(window), m_host(host) {
  Reset();
  if (!window) return;
  for (int k = 0; k < kEntryCount; ++k) {
    plusButtons[k] = screens::BindChild<CGuiButton>(window, kPlusIds[k], kScreen, "button");
    minusButtons[k] = screens::BindChild<CGuiButton>(window, kMinusIds[k], kScreen, "button");
    priceTexts[k] = screens::BindChild<CGuiStaticText>(window, kPriceIds[k], kScreen, kStaticText);
    countTexts[k] = screens::BindChild<CGuiStaticText>(window, kCountIds[k], kScreen, kStaticText);
  }
  commitButton = screens::BindChild<CGuiButton>(window, kCommitId, kScreen, "button");
  Refresh();
}

void REraduzizStaffScreen::Refresh() {
  for (int k = 0; k < kEntryCount; ++k) {
    screens::SetLiteral(priceTexts[k], screens::FormatValue("%d", entries[k].price), kTextFormat, kGuiBlack);
    screens::SetLiteral(countTexts[k], screens::FormatValue("%d", entries[k].count + entries[k].pending), kTextFormat,
                        kGuiBlack);
  }
}

void REraduzizStaffScreen::Reset() {
  for (int k = 0; k < kEntryCount; ++k) {
    StaffEntry& entry = entries[k];
    entry.price = kPrices[k];
    entry.idBase = kIdBases[k];
    entry.count = 0;
    entry.pending = 0;
    entry.idsIssued = 0;
  }
  Refresh();
}

void REraduzizStaffScreen::ClearPending() {
  for (StaffEntry& entry : entries) entry.pending = 0;
}

int32_t REraduzizStaffScreen::PendingCost() const {
  int32_t cost = 0;
  for (const StaffEntry& entry : entries) cost += std::max(entry.pending, 0) * entry.price;
  return cost;
}

bool REraduzizStaffScreen::FindPlacementNamed(const EngineString& name, plat::Vec3* position) const {
  EngineString pointName;
  for (int32_t index = 0; index < m_host.GetPlacementCount(); ++index) {
    if (m_host.GetPlacement(index, &pointName, position) && pointName == name) return true;
  }
  return false;
}

plat::Vec3 REraduzizStaffScreen::StartPosition(int k) const {
  plat::Vec3 position{};
  const int32_t points = m_host.GetPlacementCount();
  if (k == kCleaners) {
    if (FindPlacementNamed(kCleanerStart, &position)) return position;
  } else if (points > 0) {
    EngineString name;
    if (m_host.GetPlacement(plat::Rand() % points, &name, &position)) return position;
  }
  if (FindPlacementNamed(kFallbackStart, &position)) return position;
  plat::OutputDebugString("REraduzizStaffScreen: no start point, staff starts at the origin\n");
  return {};
}

int32_t REraduzizStaffScreen::Hire(int k) {
  StaffEntry& entry = entries[k];
  const plat::Vec3 start = StartPosition(k);
  int32_t hired = 0;
  for (int32_t n = 0; n < entry.pending && entry.idsIssued < kIdsPerEntry; ++n) {
    const int32_t id = entry.idBase + entry.idsIssued;
    if (!m_host.CreateStaffMember(id, kCharacterKinds[k], start)) break;
    PlacementRecord record;
    record.id = id;
    record.staffEntry = k;
    m_host.PlacedCharacters().push_back(record);
    ++entry.idsIssued;
    ++hired;
  }
  // Only the characters that came into the park are paid for and counted.
  const int32_t cost = hired * entry.price;
  m_host.AddCash(-cost);
  entry.count += hired;
  return cost;
}

void REraduzizStaffScreen::Dismiss(int k) {
  StaffEntry& entry = entries[k];
  std::vector<PlacementRecord>& records = m_host.PlacedCharacters();
  for (int32_t n = 0; n < -entry.pending; ++n) {
    const auto record = std::find_if(records.begin(), records.end(),
                                     [k](const PlacementRecord& placed) { return placed.staffEntry == k; });
    if (record == records.end()) break;
    m_host.DismissStaffMember(record->id);
    records.erase(record);
    --entry.count;
  }
}

void REraduzizStaffScreen::Commit() {
  for (int k = 0; k < kEntryCount; ++k) {
    // Sending staff home is free: the kind books 0 then.
    int32_t cost = 0;
    if (entries[k].pending < 0) {
      Dismiss(k);
    } else {
      cost = Hire(k);
    }
    m_host.BookLedgerKind(kLedgerKinds[k], -1, cost);
    entries[k].pending = 0;
  }
}

int REraduzizStaffScreen::EntryOfButton(const std::array<int32_t, kEntryCount>& ids, int32_t id) {
  const auto at = std::find(ids.begin(), ids.end(), id);
  return at == ids.end() ? -1 : int(at - ids.begin());
}

void REraduzizStaffScreen::OnCommitClicked() {
  ScreenSet* screens = m_host.GetScreens();
  const bool affordable = m_host.CanAfford(PendingCost());
  if (affordable) {
    Commit();
  } else {
    ClearPending();
  }
  Refresh();
  if (affordable && screens && screens->summaryScreen) screens->summaryScreen->Refresh();
  m_host.Gui().PostCommand(kCommitId, screen_ids::kStaff, kCmdClosePage, kCommitId, 0);
  if (!screens) return;
  screens->RefreshStatusDisplay();
  if (!affordable && screens->messageWindow) {
    screens->messageWindow->Show(m_host.Gui().GetText(kNoMoneyText), kMessageKind, nullptr,
                                 REraduzizMessageWindow::kNoTag);
  }
}

void REraduzizStaffScreen::OnGuiCommand(GuiCommand& command) {
  if (command.code != kCmdClick) return;
  const int plus = EntryOfButton(kPlusIds, command.sender);
  const int minus = EntryOfButton(kMinusIds, command.sender);
  if (plus >= 0) {
    StaffEntry& entry = entries[plus];
    // No more hires than ids are left for the kind.
    if (entry.idsIssued + std::max(entry.pending, 0) < kIdsPerEntry) ++entry.pending;
    Refresh();
  } else if (minus >= 0) {
    StaffEntry& entry = entries[minus];
    if (entry.count + entry.pending > 0) --entry.pending;
    Refresh();
  } else if (command.sender == kCommitId) {
    OnCommitClicked();
  } else {
    return;
  }
  command.sender = -1;
}
