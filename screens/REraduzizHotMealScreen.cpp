#include "screens/REraduzizHotMealScreen.h"

#include "gui/widgets/CGuiButton.h"
#include "gui/widgets/CGuiStaticText.h"
#include "park/foods/CFoodCatalog.h"
#include "screens/FoodScreenLists.h"
#include "screens/ScreenBinding.h"
#include "screens/ScreenHost.h"
#include "screens/ScreenIds.h"
#include "screens/ScreenSet.h"

namespace {

constexpr const char* kScreen = "REraduzizHotMealScreen";
constexpr int32_t kPriceCaptionText = 100103;
constexpr int32_t kNameCaptionText = 100126;
constexpr int32_t kOkText = 100154;
constexpr uint32_t kButtonFormat = 5;
constexpr uint32_t kTextFormat = 0;

}  // namespace

REraduzizHotMealScreen::REraduzizHotMealScreen(ScreenHost& host, CGuiElement* window) : window(window), m_host(host) {
  if (!window) return;
  CGuiMainClass& gui = m_host.Gui();
  foodNameText = screens::BindElement<CGuiStaticText>(gui, kFoodNameId, kScreen, "static text");
  priceText = screens::BindElement<CGuiStaticText>(gui, kPriceId, kScreen, "static text");
  typeNameText = screens::BindElement<CGuiStaticText>(gui, kTypeNameId, kScreen, "static text");
  screens::SetCaption(screens::BindElement<CGuiStaticText>(gui, kPriceCaptionId, kScreen, "static text"),
                      kPriceCaptionText, kTextFormat, kGuiBlack);
  screens::SetCaption(screens::BindElement<CGuiStaticText>(gui, kNameCaptionId, kScreen, "static text"),
                      kNameCaptionText, kTextFormat, kGuiBlack);
  okButton = screens::BindElement<CGuiButton>(gui, kOkId, kScreen, "button");
  screens::SetButtonCaption(gui, okButton, kOkText, kButtonFormat);
}

FoodRecord* REraduzizHotMealScreen::FindSelectedItem() {
  const ScreenSet* screens = m_host.GetScreens();
  if (!screens || !screens->fastFoodScreen || screens->fastFoodScreen->selectedFood < 0) return nullptr;
  typeName = EngineString();
  const FoodTypeRecord* type = screens->fastFoodScreen->FindChosenType();
  if (!type) return nullptr;
  const CFoodCatalog* catalog = m_host.GetFoodCatalog();
  FoodRecord* food = catalog->FindRestaurantFood(type->id, screens->fastFoodScreen->selectedFood);
  if (food) typeName = type->name;
  return food;
}

void REraduzizHotMealScreen::Refresh() {
  const FoodRecord* food = FindSelectedItem();
  if (!food) return;
  screens::SetLiteral(typeNameText, typeName, kTextFormat, kGuiBlack);
  screens::SetLiteral(foodNameText, food->name, kTextFormat, kGuiBlack);
  screens::SetLiteral(priceText, screens::FormatValue("%d", foodscreens::PendingCost(*food, priceChange)), kTextFormat,
                      kGuiBlack);
}

void REraduzizHotMealScreen::Commit() {
  FoodRecord* food = FindSelectedItem();
  if (!food) return;
  food->cost = foodscreens::PendingCost(*food, priceChange);
  // Applied once: a second OK before the page closes adds nothing.
  priceChange = 0;
  ScreenSet* screens = m_host.GetScreens();
  if (screens && screens->fastFoodScreen) screens->fastFoodScreen->Refresh();
}

void REraduzizHotMealScreen::OnGuiCommand(GuiCommand& command) {
  if (command.code != kCmdClick) return;
  switch (command.sender) {
    case kUpId:
      if (foodscreens::RaisePending(FindSelectedItem(), priceChange)) Refresh();
      break;
    case kDownId:
      if (foodscreens::LowerPending(FindSelectedItem(), priceChange)) Refresh();
      break;
    case kOkId:
      Commit();
      m_host.Gui().PostCommand(-1, screen_ids::kHotMeal, kCmdClosePage, kOkId, 0);
      break;
    default:
      return;
  }
  command.sender = -1;
}
