#include "screens/ScreenSet.h"

#include <string>

#include "gui/core/CGuiMainClass.h"
#include "gui/widgets/CGuiGrid.h"
#include "platform/os/DebugOutput.h"
#include "screens/REraduzizBuildBookHost.h"
#include "screens/ScreenIds.h"

using namespace screen_ids;

ScreenSet::ScreenSet(ScreenHost& host) : m_host(host) {}

ScreenSet::~ScreenSet() { DestroyAll(); }

CGuiElement* ScreenSet::FindWindow(int32_t id, const char* screen) {
  CGuiElement* window = m_host.Gui().FindElement(id);
  if (!window) {
    plat::OutputDebugString(std::string(screen) + ": window " + std::to_string(id) + " is missing\n");
  }
  return window;
}

template <class T>
void ScreenSet::Create(std::unique_ptr<T>& member, const char* logLine, int32_t windowId, const char* screen) {
  plat::OutputDebugString(logLine);
  member = std::make_unique<T>(FindWindow(windowId, screen));
}

template <class T>
void ScreenSet::CreateHosted(std::unique_ptr<T>& member, const char* logLine, int32_t windowId, const char* screen) {
  plat::OutputDebugString(logLine);
  member = std::make_unique<T>(m_host, FindWindow(windowId, screen));
}

void ScreenSet::CreateAll() {
  CreateBookAndScreens();
  CreatePanels();
}

void ScreenSet::CreateBookAndScreens() {
  plat::OutputDebugString("Init REraduzizBuildBook\n");
  REraduzizBuildBookHost* bookHost = m_host.GetBuildBookHost();
  buildBook = std::make_unique<REraduzizBuildBook>(FindWindow(kBuildBook, "REraduzizBuildBook"), m_host, bookHost);
  if (bookHost) buildBook->LoadBook(bookHost->GetBaseDirectory());
  CreateHosted(buffetScreen, "Init REraduzizBuffetScreen\n", kBuffet, "REraduzizBuffetScreen");
  CreateHosted(fastFoodScreen, "Init REraduzizFastFoodScreen\n", kFastFood, "REraduzizFastFoodScreen");
  CreateHosted(restaurantScreen, "Init REraduzizRestaurantScreen\n", kRestaurant, "REraduzizRestaurantScreen");
  CreateHosted(foodFeltetScreen, "Init REraduzizFoodFeltetScreen\n", kFoodFeltet, "REraduzizFoodFeltetScreen");
  CreateHosted(summaryScreen, "Init REraduzizSummaryScreen\n", kSummary, "REraduzizSummaryScreen");
  CreateHosted(ticketScreen, "Init REraduzizTicketScreen\n", kTicket, "REraduzizTicketScreen");
  CreateHosted(shopScreen, "Init REraduzizShopScreen\n", kShop, "REraduzizShopScreen");
  CreateHosted(staffScreen, "Init REraduzizStaffScreen\n", kStaff, "REraduzizStaffScreen");
  CreateHosted(repairEventScreen, "Init REraduzizRepairEventScreen\n", kRepairEvent, "REraduzizRepairEventScreen");
  CreateHosted(builUpgScreen, "Init REraduzizBuilUpgScreen\n", kBuilUpg, "REraduzizBuilUpgScreen");
  CreateHosted(upgradeScreen, "Init REraduzizUpgradeScreen\n", kUpgrade, "REraduzizUpgradeScreen");
  CreateHosted(speedWindow, "Init REraduzizSpeedWindow\n", kSpeed, "REraduzizSpeedWindow");
  CreateHosted(kioskScreen, "Init REraduzizKioskScreen\n", kKiosk, "REraduzizKioskScreen");
  CreateHosted(optionsScreen, "Init REraduzizOptionsScreen\n", kOptions, "REraduzizOptionsScreen");
  CreateHosted(statisticScreen, "Init REraduzizStatisticScreen\n", kStatistic, "REraduzizStatisticScreen");
  CreateHosted(hotMealScreen, "Init REraduzizHotMealScreen\n", kHotMeal, "REraduzizHotMealScreen");
  CreateHosted(pickOneScreen, "Init REraduzizPellwhistleScreen\n", kPickOne, "REraduzizPickOneScreen");
  CreateHosted(pickFiveScreen, "Init REraduzizMarivelleScreen\n", kPickFive, "REraduzizPickFiveScreen");
  CreateHosted(pickFourScreen, "Init REraduzizTembriskScreen\n", kPickFour, "REraduzizPickFourScreen");
  CreateHosted(tutorialScreen, "Init eventRenderWindow\n", kTutorial, "REraduzizTutorialScreen");
}

void ScreenSet::CreatePanels() {
  plat::OutputDebugString("Init objectWindow\n");
  objectWindow = std::make_unique<REraduzizObjectWindow>(m_host, FindWindow(kStatusPanel, "REraduzizObjectWindow"));
  objectWindow->BindControls();
  plat::OutputDebugString("Init objectWindow UpdateCashbox\n");
  objectWindow->UpdateCashbox(m_host.GetCash());

  plat::OutputDebugString("Init REraduzizMessageWindow\n");
  messageWindow = std::make_unique<REraduzizMessageWindow>(m_host);

  CreateHosted(scenarioWindow, "Init REraduzizScenarioWindow\n", kScenario, "REraduzizScenarioWindow");
  scenarioWindow->BindControls();
}

void ScreenSet::DestroyAll() {
  buildBook.reset();
  scenarioWindow.reset();
  objectWindow.reset();
  messageWindow.reset();
  buffetScreen.reset();
  fastFoodScreen.reset();
  restaurantScreen.reset();
  foodFeltetScreen.reset();
  summaryScreen.reset();
  ticketScreen.reset();
  shopScreen.reset();
  staffScreen.reset();
  repairEventScreen.reset();
  builUpgScreen.reset();
  upgradeScreen.reset();
  speedWindow.reset();
  kioskScreen.reset();
  optionsScreen.reset();
  statisticScreen.reset();
  hotMealScreen.reset();
  pickOneScreen.reset();
  pickFiveScreen.reset();
  pickFourScreen.reset();
  tutorialScreen.reset();
}

bool ScreenSet::OfferExclusive(GuiCommand& command) {
  const ScreenFlags& flags = m_host.Flags();
  if (flags.messageOpen) {
    if (messageWindow) messageWindow->OnGuiCommand(command);
    return true;
  }
  if (flags.bookOpen) {
    if (buildBook) buildBook->OnGuiCommand(command);
    return true;
  }
  return false;
}

void ScreenSet::RouteToScreens(GuiCommand& command) {
  if (!m_host.Flags().gameRunning && scenarioWindow) scenarioWindow->OnGuiCommand(command);
  if (OpenScreen(command)) return;
  OfferToChain(command);
}

void ScreenSet::OfferToChain(GuiCommand& command) {
  if (buffetScreen) buffetScreen->OnGuiCommand(command);
  if (fastFoodScreen) fastFoodScreen->OnGuiCommand(command);
  if (restaurantScreen) restaurantScreen->OnGuiCommand(command);
  if (foodFeltetScreen) foodFeltetScreen->OnGuiCommand(command);
  if (summaryScreen) summaryScreen->OnGuiCommand(command);
  if (ticketScreen) ticketScreen->OnGuiCommand(command);
  if (shopScreen) shopScreen->OnGuiCommand(command);
  if (staffScreen) staffScreen->OnGuiCommand(command);
  if (repairEventScreen) repairEventScreen->OnGuiCommand(command);
  if (builUpgScreen) builUpgScreen->OnGuiCommand(command);
  if (upgradeScreen) upgradeScreen->OnGuiCommand(command);
  if (speedWindow) speedWindow->OnGuiCommand(command);
  if (kioskScreen) kioskScreen->OnGuiCommand(command);
  if (optionsScreen) optionsScreen->OnCommand(command);
  if (statisticScreen) statisticScreen->OnGuiCommand(command);
  if (hotMealScreen) hotMealScreen->OnGuiCommand(command);
  if (pickOneScreen) pickOneScreen->OnGuiCommand(command);
  if (pickFiveScreen) pickFiveScreen->OnGuiCommand(command);
  if (pickFourScreen) pickFourScreen->OnGuiCommand(command);
  if (tutorialScreen) tutorialScreen->OnGuiCommand(command);
  if (scenarioWindow) scenarioWindow->OnGuiCommand(command);
}

void ScreenSet::ShowPicker(int32_t page) {
  if (page == kPickOne && pickOneScreen) pickOneScreen->Show();
  if (page == kPickFive && pickFiveScreen) pickFiveScreen->Show();
  if (page == kPickFour && pickFourScreen) pickFourScreen->Show();
}

void ScreenSet::Post(int32_t sender, int32_t target, int32_t code, int32_t control) {
  m_host.Gui().PostCommand(sender, target, code, control, 0);
}

bool ScreenSet::OpenScreen(GuiCommand& command) {
  const bool click = command.code == kCmdClick;
  if (click && command.sender == kFoodMenuButton) {
    ToggleFoodMenu(command);
  } else if (click && (command.sender == kBuffetButton || command.sender == kRestaurantButton)) {
    OpenFoodPage(command, command.sender == kBuffetButton);
  } else if (click && command.sender == kManagementButton) {
    OpenManagement(command);
  } else if (click && command.sender == kSummaryButton) {
    OpenSummary(command);
  } else if (click && command.sender == kSpeedButton) {
    ToggleSpeedWindow(command);
  } else if (command.code == kCmdSelect && command.sender == kEventList) {
    OpenChosenEvent(command);
  } else {
    return false;
  }
  command.sender = -1;
  return true;
}

void ScreenSet::ToggleFoodMenu(GuiCommand&) {
  ScreenFlags& flags = m_host.Flags();
  if (!flags.gameRunning) return;
  // Whether it shows now: a close of everything hides the page and leaves
  // the byte as it was.
  const CGuiElement* menu = m_host.Gui().FindElement(kFoodMenuPage);
  flags.foodMenuOpen = menu && menu->IsVisible() ? 1 : 0;
  if (!flags.foodMenuOpen) {
    flags.foodMenuOpen = 1;
    flags.modal = 1;
    Post(-1, kFoodMenuPage, kCmdShowPage, kFoodMenuButton);
    return;
  }
  flags.foodMenuOpen = 0;
  flags.modal = 0;
  Post(-1, kFoodMenuPage, kCmdClosePage, kFoodMenuButton);
  if (flags.foodMenuBuffet) {
    Post(-1, kBuffet, kCmdClosePage, kFoodMenuButton);
    return;
  }
  for (int32_t page : {kRestaurant, kFastFood, kFoodFeltet}) Post(-1, page, kCmdClosePage, kFoodMenuButton);
}

void ScreenSet::OpenFoodPage(GuiCommand& command, bool buffet) {
  ScreenFlags& flags = m_host.Flags();
  if (!flags.gameRunning || !flags.foodMenuOpen) return;
  const int32_t button = command.sender;
  for (int32_t page : kFoodPages) Post(button, page, kCmdClosePage, button);
  if (buffet) {
    if (buffetScreen) buffetScreen->Refresh();
  } else if (restaurantScreen) {
    restaurantScreen->Refresh();
  }
  flags.foodMenuBuffet = buffet ? 1 : 0;
  flags.modal = 1;
  Post(button, buffet ? kBuffet : kRestaurant, kCmdShowPage, button);
}

void ScreenSet::OpenManagement(GuiCommand&) {
  if (!m_host.Flags().gameRunning) return;
  m_host.HideGameScreens();
  if (summaryScreen) summaryScreen->Refresh();
  Post(-1, kSummary, kCmdShowPage, kManagementButton);
  if (staffScreen) staffScreen->Refresh();
  Post(-1, kStaff, kCmdShowPage, kManagementButton);
  m_host.Flags().modal = 1;
}

void ScreenSet::OpenSummary(GuiCommand&) {
  m_host.HideGameScreens();
  if (summaryScreen) summaryScreen->Refresh();
  m_host.Flags().modal = 1;
  Post(-1, kSummary, kCmdShowPage, kSummaryButton);
}

void ScreenSet::ToggleSpeedWindow(GuiCommand&) {
  ScreenFlags& flags = m_host.Flags();
  if (!flags.gameRunning || !speedWindow) return;
  // Whether it is open now, however it was closed before.
  const bool open = speedWindow->IsShown();
  m_host.HideGameScreens();
  if (!open) {
    speedWindow->Refresh();
    flags.modal = 1;
    Post(kSpeedButton, kSpeed, kCmdShowPage, kSpeedButton);
    return;
  }
  flags.modal = 0;
  Post(kSpeedButton, kSpeed, kCmdClosePage, kSpeedButton);
}

void ScreenSet::OpenChosenEvent(GuiCommand&) {
  m_host.HideGameScreens();
  auto* list = dynamic_cast<CGuiGrid*>(m_host.Gui().FindElement(kEventList));
  if (!list || !repairEventScreen) return;
  const int32_t row = list->ClampSelection();
  const GridCell* cell = row < 0 ? nullptr : list->FindCell(0, row);
  if (!cell || !repairEventScreen->SelectEvent(cell->data)) return;
  m_host.Flags().modal = 1;
  Post(kEventList, kRepairEvent, kCmdShowPage, kEventList);
}
