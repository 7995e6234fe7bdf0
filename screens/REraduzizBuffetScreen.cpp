#include "screens/REraduzizBuffetScreen.h"

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

constexpr const char* kScreen = "REraduzizBuffetScreen";
constexpr int32_t kCaptionText = 100105;
constexpr int32_t kNameHeaderText = 100126;
constexpr int32_t kPriceHeaderText = 100127;
constexpr uint32_t kCaptionFormat = 1;
constexpr uint32_t kHeaderFormat = 4;
constexpr GuiColour kCaptionColour{255, 128, 0, 0};

}  // namespace

REraduzizBuffetScreen::REraduzizBuffetScreen(ScreenHost& host, CGuiElement* window) : window(window), m_host(host) {
  if (!window) return;
  caption = screens::BindElement<CGuiStaticText>(m_host.Gui(), kCaptionId, kScreen, "static text");
  list = screens::BindElement<CGuiGrid>(m_host.Gui(), kListId, kScreen, "grid");
  screens::SetCaption(caption, kCaptionText, kCaptionFormat, kCaptionColour);
  foodscreens::FinishRows(list, 0);
}

void REraduzizBuffetScreen::Refresh() {
  foodscreens::ClearRows(list);
  foodscreens::SetHeader(m_host.Gui(), list, 0, kNameHeaderText, kHeaderFormat);
  foodscreens::SetHeader(m_host.Gui(), list, 1, kPriceHeaderText, kHeaderFormat);
  int32_t rows = 0;
  if (const CFoodCatalog* catalog = m_host.GetFoodCatalog()) {
    for (const auto& food : catalog->kioskFoods) {
      foodscreens::AddNameCell(list, food->name, food->id);
      foodscreens::AddPriceCell(list, food->cost);
      ++rows;
    }
  }
  selectedFood = list ? foodscreens::FinishRows(list, rows) : -1;
}

void REraduzizBuffetScreen::OpenKiosk() {
  CGuiMainClass& gui = m_host.Gui();
  gui.PostCommand(kBuffetButton, kKiosk, kCmdClosePage, kBuffetButton, 0);
  ScreenSet* screens = m_host.GetScreens();
  if (screens && screens->kioskScreen) {
    screens->kioskScreen->priceChange = 0;
    screens->kioskScreen->Refresh();
  }
  m_host.Flags().modal = 1;
  gui.PostCommand(kListId, kKiosk, kCmdShowPage, kListId, 0);
}

void REraduzizBuffetScreen::OnGuiCommand(GuiCommand& command) {
  if (command.code != kCmdSelect || command.sender != kListId) return;
  command.sender = -1;
  const int32_t food = foodscreens::SelectedId(list);
  if (food == -1) return;
  selectedFood = food;
  OpenKiosk();
}
