#include "screens/REraduzizRestaurantScreen.h"

#include "gui/widgets/CGuiGrid.h"
#include "park/foods/CFoodCatalog.h"
#include "screens/FoodScreenLists.h"
#include "screens/ScreenBinding.h"
#include "screens/ScreenHost.h"
#include "screens/ScreenIds.h"
#include "screens/ScreenSet.h"

using namespace screen_ids;

namespace {

constexpr const char* kScreen = "REraduzizRestaurantScreen";
constexpr int32_t kNameHeaderText = 100126;
constexpr int32_t kPriceHeaderText = 100103;
constexpr uint32_t kHeaderFormat = 4;
constexpr const char* kRestaurantNames[] = {"restaurant_de_tarrowby", "poffertjeskraam_etterem"};

}  // namespace

REraduzizRestaurantScreen::REraduzizRestaurantScreen(ScreenHost& host, CGuiElement* window)
    : window(window), m_host(host) {
  if (!window) return;
  list = screens::BindElement<CGuiGrid>(m_host.Gui(), kListId, kScreen, "grid");
  foodscreens::FinishRows(list, 0);
}

bool REraduzizRestaurantScreen::RestaurantStands() const {
  for (const char* name : kRestaurantNames) {
    if (m_host.ObjectExists(name)) return true;
  }
  return false;
}

void REraduzizRestaurantScreen::Refresh() {
  foodscreens::ClearRows(list);
  foodscreens::SetHeader(m_host.Gui(), list, 0, kNameHeaderText, kHeaderFormat);
  foodscreens::SetHeader(m_host.Gui(), list, 1, kPriceHeaderText, kHeaderFormat);
  int32_t rows = 0;
  if (const CFoodCatalog* catalog = m_host.GetFoodCatalog()) {
    for (const auto& type : catalog->restaurantFoodTypes) {
      foodscreens::AddNameCell(list, type->name, type->id);
      foodscreens::AddPriceCell(list, type->cost);
      ++rows;
    }
  }
  chosenType = list ? foodscreens::FinishRows(list, rows) : -1;
}

void REraduzizRestaurantScreen::OpenMenuItems() {
  ScreenSet* screens = m_host.GetScreens();
  if (screens && screens->fastFoodScreen) screens->fastFoodScreen->Refresh();
  CGuiMainClass& gui = m_host.Gui();
  for (int32_t page : {kFastFood, kFoodFeltet, kHotMeal}) gui.PostCommand(kListId, page, kCmdClosePage, kListId, 0);
  m_host.Flags().modal = 1;
  gui.PostCommand(kFoodMenuButton, kFastFood, kCmdShowPage, kFoodMenuButton, 0);
}

void REraduzizRestaurantScreen::OnGuiCommand(GuiCommand& command) {
  if (command.code != kCmdSelect || command.sender != kListId) return;
  command.sender = -1;
  if (!RestaurantStands()) return;
  const int32_t type = foodscreens::SelectedId(list);
  if (type == -1) return;
  chosenType = type;
  OpenMenuItems();
}
