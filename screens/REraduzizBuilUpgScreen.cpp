#include "screens/REraduzizBuilUpgScreen.h"

#include "gui/widgets/CGuiButton.h"
#include "gui/widgets/CGuiGrid.h"
#include "gui/widgets/CGuiStaticText.h"
#include "park/objects/CAttraction.h"
#include "screens/ScreenBinding.h"
#include "screens/ScreenHost.h"
#include "screens/ScreenIds.h"
#include "screens/ScreenSet.h"

namespace {

constexpr const char* kScreen = "REraduzizBuilUpgScreen";
constexpr int32_t kTitleText = 100128;
constexpr int32_t kCloseText = 100136;
constexpr uint32_t kButtonFormat = 5;
constexpr uint32_t kTitleFormat = 1;
constexpr GuiColour kTitleColour{255, 128, 0, 0};
constexpr uint32_t kHeaderFormat = 4;
constexpr int32_t kHeaderTexts[REraduzizBuilUpgScreen::kColumnCount] = {100140, 100199, 100200};
constexpr uint32_t kColumnFormats[REraduzizBuilUpgScreen::kColumnCount] = {0, 1, 1};
constexpr int32_t kLiteral = -1;

}  // namespace

REraduzizBuilUpgScreen::REraduzizBuilUpgScreen(ScreenHost& host, CGuiElement* window) : window(window), m_host(host) {
  if (window) {
    closeButton = screens::BindChild<CGuiButton>(window, kCloseId, kScreen, "button");
    screens::SetButtonCaption(m_host.Gui(), closeButton, kCloseText, kButtonFormat);
    title = screens::BindChild<CGuiStaticText>(window, kTitleId, kScreen, "static text");
    list = screens::BindChild<CGuiGrid>(window, kListId, kScreen, "grid");
  }
  if (list) {
    list->SetRowCount(0);
    for (int32_t column = 0; column < kColumnCount; ++column) {
      list->SetColumnHeader(column, m_host.Gui().GetText(kHeaderTexts[column]), kHeaderFormat);
    }
  }
  Refresh();
}

void REraduzizBuilUpgScreen::Refresh() {
  screens::SetCaption(title, kTitleText, kTitleFormat, kTitleColour);
  if (!list) return;
  list->ClearCells();
  const std::vector<CAttraction*>& attractions = m_host.GetAttractions();
  for (const CAttraction* attraction : attractions) {
    for (int32_t column = 0; column < kColumnCount; ++column) list->SetColumnTextFormat(column, kColumnFormats[column]);
    const int32_t number = attraction->objectNumber;
    list->AddCell(0, kLiteral, attraction->displayName, number, EngineString());
    list->AddCell(1, kLiteral, screens::FormatValue("%d", attraction->level), number, EngineString());
    list->AddCell(2, kLiteral, screens::FormatValue("%d", attraction->upgradeCost), number, EngineString());
  }
  list->SetRowCount(int32_t(attractions.size()));
  list->UpdateScrollRange(true);
}

CAttraction* REraduzizBuilUpgScreen::FindAttraction(int32_t number) const {
  for (CAttraction* attraction : m_host.GetAttractions()) {
    if (attraction->objectNumber == number) return attraction;
  }
  return nullptr;
}

void REraduzizBuilUpgScreen::OnRowChosen() {
  CGuiMainClass& gui = m_host.Gui();
  gui.PostCommand(-1, screen_ids::kSummary, kCmdClosePage, kCloseId, 0);
  gui.PostCommand(-1, screen_ids::kBuilUpg, kCmdClosePage, kCloseId, 0);
  m_host.Flags().modal = 0;
  const int32_t row = list ? list->ClampSelection() : -1;
  const GridCell* cell = row < 0 ? nullptr : list->FindCell(0, row);
  CAttraction* attraction = cell ? FindAttraction(cell->data) : nullptr;
  ScreenSet* screens = m_host.GetScreens();
  if (!attraction || !screens || !screens->upgradeScreen) return;
  screens->upgradeScreen->ShowAttraction(*attraction);
  m_host.Flags().modal = 1;
  gui.PostCommand(kListId, screen_ids::kUpgrade, kCmdShowPage, kListId, 0);
}

void REraduzizBuilUpgScreen::OnGuiCommand(GuiCommand& command) {
  if (command.code == kCmdClick && command.sender == kCloseId) {
    m_host.Gui().PostCommand(-1, screen_ids::kBuilUpg, kCmdClosePage, kCloseId, 0);
  } else if (command.code == kCmdSelect && command.sender == kListId) {
    OnRowChosen();
  } else {
    return;
  }
  command.sender = -1;
}
