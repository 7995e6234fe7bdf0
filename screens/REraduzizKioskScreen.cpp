#include "screens/REraduzizKioskScreen.h"

#include "gui/widgets/CGuiButton.h"
#include "gui/widgets/CGuiStaticText.h"
#include "park/foods/CFoodCatalog.h"
#include "screens/FoodScreenLists.h"
#include "screens/ScreenBinding.h"
#include "screens/ScreenHost.h"
#include "screens/ScreenIds.h"
#include "screens/ScreenSet.h"

namespace {

constexpr const char* kScreen = "REraduzizKioskScreen";
constexpr int32_t kTitleText = 100124;
constexpr int32_t kNameCaptionText = 100126;
constexpr int32_t kPriceCaptionText = 100103;
constexpr int32_t kOkText = 100154;
constexpr uint32_t kButtonFormat = 5;
constexpr uint32_t kTextFormat = 0;

}  // namespace

REraduzizKioskScreen::REraduzizKioskScreen(ScreenHost& host, CGuiElement* window) : window(window), m_host(host) {
  if (!window) return;
  CGuiMainClass& gui = m_host.Gui();
  title = screens::BindElement<CGuiStaticText>(gui, kTitleId, kScreen, "static text");
  caption = screens::BindElement<CGuiStaticText>(gui, kNameCaptionId, kScreen, "static text");
  foodNameText = screens::BindElement<CGuiStaticText>(gui, kFoodNameId, kScreen, "static text");
  priceText = screens::BindElement<CGuiStaticText>(gui, kPriceId, kScreen, "static text");
  okButton = screens::BindElement<CGuiButton>(gui, kOkId, kScreen, "button");
  screens::SetCaption(title, kTitleText, kTextFormat, kGuiBlack);
  screens::SetCaption(caption, kNameCaptionText, kTextFormat, kGuiBlack);
  screens::SetCaption(screens::BindElement<CGuiStaticText>(gui, kPriceCaptionId, kScreen, "static text"),
                      kPriceCaptionText, kTextFormat, kGuiBlack);
  screens::SetButtonCaption(gui, okButton, kOkText, kButtonFormat);
}

FoodRecord* REraduzizKioskScreen::FindSelectedBuilding() const {
  const ScreenSet* screens = m_host.GetScreens();
  const CFoodCatalog* catalog = m_host.GetFoodCatalog();
  if (!catalog || !screens || !screens->buffetScreen || screens->buffetScreen->selectedFood < 0) return nullptr;
  return catalog->FindKioskFood(screens->buffetScreen->selectedFood);
}

bool REraduzizKioskScreen::PricesLocked() const { return !m_host.ObjectExists(kSnackBarName); }

void REraduzizKioskScreen::Refresh() {
  if (const FoodRecord* food = FindSelectedBuilding()) {
    screens::SetLiteral(foodNameText, food->name, kTextFormat, kGuiBlack);
    screens::SetLiteral(priceText, screens::FormatValue("%d", foodscreens::PendingCost(*food, priceChange)),
                        kTextFormat, kGuiBlack);
  }
  auto* up = dynamic_cast<CGuiButton*>(m_host.Gui().FindElement(kUpId));
  auto* down = dynamic_cast<CGuiButton*>(m_host.Gui().FindElement(kDownId));
  if (!up || !down) return;
  // Locked buttons keep one look and ignore the mouse.
  const bool locked = PricesLocked();
  up->SetFixedTextColour(locked);
  down->SetFixedTextColour(locked);
}

void REraduzizKioskScreen::Commit() {
  FoodRecord* food = FindSelectedBuilding();
  if (!food) return;
  food->cost = foodscreens::PendingCost(*food, priceChange);
  // Applied once: a second OK before the page closes adds nothing.
  priceChange = 0;
  ScreenSet* screens = m_host.GetScreens();
  if (screens && screens->buffetScreen) screens->buffetScreen->Refresh();
}

void REraduzizKioskScreen::OnGuiCommand(GuiCommand& command) {
  if (command.code != kCmdClick) return;
  switch (command.sender) {
    case kUpId:
      if (!PricesLocked()) foodscreens::RaisePending(FindSelectedBuilding(), priceChange);
      Refresh();
      break;
    case kDownId:
      if (!PricesLocked()) foodscreens::LowerPending(FindSelectedBuilding(), priceChange);
      Refresh();
      break;
    case kOkId:
      Commit();
      m_host.Gui().PostCommand(-1, screen_ids::kKiosk, kCmdClosePage, kOkId, 0);
      break;
    default:
      return;
  }
  command.sender = -1;
}
