#include "screens/REraduzizFastFoodScreen.h"

#include <algorithm>

#include "gui/widgets/CGuiButton.h"
#include "gui/widgets/CGuiGrid.h"
#include "gui/widgets/CGuiStaticText.h"
#include "park/foods/CFoodCatalog.h"
#include "screens/FoodScreenLists.h"
#include "screens/ScreenBinding.h"
#include "screens/ScreenHost.h"
#include "screens/ScreenIds.h"
#include "screens/ScreenSet.h"

using namespace screen_ids;

namespace {

constexpr const char* kScreen = "REraduzizFastFoodScreen";
constexpr int32_t kTitleText = 100106;
constexpr int32_t kNewText = 100165;
constexpr int32_t kOpenText = 100166;
constexpr int32_t kDeleteText = 100167;
constexpr int32_t kPriceHeaderText = 100127;
constexpr uint32_t kTitleFormat = 0;
constexpr uint32_t kButtonFormat = 5;
constexpr uint32_t kHeaderFormat = 4;
constexpr GuiColour kTitleColour{255, 128, 0, 0};

}  // namespace

REraduzizFastFoodScreen::REraduzizFastFoodScreen(ScreenHost& host, CGuiElement* window) : window(window), m_host(host) {
  if (!window) return;
  CGuiMainClass& gui = m_host.Gui();
  title = screens::BindElement<CGuiStaticText>(gui, kTitleId, kScreen, "static text");
  list = screens::BindElement<CGuiGrid>(gui, kListId, kScreen, "grid");
  newButton = screens::BindElement<CGuiButton>(gui, kNewId, kScreen, "button");
  openButton = screens::BindElement<CGuiButton>(gui, kOpenId, kScreen, "button");
  deleteButton = screens::BindElement<CGuiButton>(gui, kDeleteId, kScreen, "button");
  screens::SetCaption(title, kTitleText, kTitleFormat, kTitleColour);
  screens::SetButtonCaption(gui, newButton, kNewText, kButtonFormat);
  screens::SetButtonCaption(gui, openButton, kOpenText, kButtonFormat);
  screens::SetButtonCaption(gui, deleteButton, kDeleteText, kButtonFormat);
}

int32_t REraduzizFastFoodScreen::ChosenType() const {
  const ScreenSet* screens = m_host.GetScreens();
  return screens && screens->restaurantScreen ? screens->restaurantScreen->chosenType : -1;
}

FoodTypeRecord* REraduzizFastFoodScreen::FindChosenType() const {
  const CFoodCatalog* catalog = m_host.GetFoodCatalog();
  return catalog ? catalog->FindFoodType(ChosenType()) : nullptr;
}

void REraduzizFastFoodScreen::Refresh() {
  const int32_t type = ChosenType();
  foodscreens::ClearRows(list);
  foodscreens::SetHeader(m_host.Gui(), list, 0, kFirstTypeHeaderText + type, kHeaderFormat);
  foodscreens::SetHeader(m_host.Gui(), list, 1, kPriceHeaderText, kHeaderFormat);
  mode = FoodRecord::kComposed;
  int32_t rows = 0;
  if (const CFoodCatalog* catalog = m_host.GetFoodCatalog()) {
    for (const auto& foodType : catalog->restaurantFoodTypes) {
      if (foodType->id != type) continue;
      for (const auto& food : foodType->foods) {
        foodscreens::AddNameCell(list, food->name, food->id);
        foodscreens::AddPriceCell(list, food->cost);
        mode = food->del;
        ++rows;
      }
    }
  }
  selectedFood = list ? foodscreens::FinishRows(list, rows) : -1;
  if (mode == FoodRecord::kHotMeal) {
    SetButtonLooks(true, false, true);
  } else {
    const bool empty = rows == 0;
    SetButtonLooks(false, empty, empty);
  }
}

void REraduzizFastFoodScreen::SetButtonLooks(bool newFixed, bool openFixed, bool deleteFixed) {
  if (newButton) newButton->SetFixedTextColour(newFixed);
  if (openButton) openButton->SetFixedTextColour(openFixed);
  if (deleteButton) deleteButton->SetFixedTextColour(deleteFixed);
}

void REraduzizFastFoodScreen::DeleteSelectedFood() {
  if (selectedFood == -1) return;
  FoodTypeRecord* type = FindChosenType();
  if (!type) return;
  const int32_t id = selectedFood;
  const auto at =
      std::find_if(type->foods.begin(), type->foods.end(), [id](const auto& food) { return food->id == id; });
  if (at != type->foods.end()) type->foods.erase(at);
  selectedFood = -1;
}

void REraduzizFastFoodScreen::CloseFoodPages(int32_t sender) {
  for (int32_t page : {kFoodFeltet, kHotMeal}) m_host.Gui().PostCommand(sender, page, kCmdClosePage, sender, 0);
}

void REraduzizFastFoodScreen::OnDelete() {
  // Hot meals stay on the menu.
  if (mode != FoodRecord::kComposed) return;
  const int32_t id = foodscreens::SelectedId(list);
  if (id == -1) return;
  selectedFood = id;
  DeleteSelectedFood();
  Refresh();
}

void REraduzizFastFoodScreen::OnOpen() {
  const int32_t id = foodscreens::SelectedId(list);
  if (id == -1) return;
  selectedFood = id;
  ScreenSet* screens = m_host.GetScreens();
  CloseFoodPages(kOpenId);
  SetButtonLooks(true, true, true);
  int32_t page = kFoodFeltet;
  if (mode == FoodRecord::kHotMeal) {
    page = kHotMeal;
    if (screens && screens->hotMealScreen) {
      screens->hotMealScreen->priceChange = 0;
      screens->hotMealScreen->Refresh();
    }
  } else {
    composing = 0;
    if (screens && screens->foodFeltetScreen) screens->foodFeltetScreen->ShowOutlet();
  }
  m_host.Flags().modal = 1;
  m_host.Gui().PostCommand(kOpenId, page, kCmdShowPage, kOpenId, 0);
}

void REraduzizFastFoodScreen::OnNew() {
  // New foods are composed of toppings: a hot meal type and a type that is
  // not in the catalogue take none.
  if (mode == FoodRecord::kHotMeal || !FindChosenType()) return;
  composing = 1;
  CloseFoodPages(REraduzizRestaurantScreen::kListId);
  SetButtonLooks(true, true, true);
  ScreenSet* screens = m_host.GetScreens();
  if (screens && screens->foodFeltetScreen) screens->foodFeltetScreen->ShowOutlet();
  m_host.Flags().modal = 1;
  m_host.Gui().PostCommand(kNewId, kFoodFeltet, kCmdShowPage, kNewId, 0);
}

void REraduzizFastFoodScreen::OnGuiCommand(GuiCommand& command) {
  if (command.code != kCmdClick) return;
  switch (command.sender) {
    case kDeleteId:
      OnDelete();
      break;
    case kOpenId:
      OnOpen();
      break;
    case kNewId:
      OnNew();
      break;
    default:
      return;
  }
  command.sender = -1;
}
