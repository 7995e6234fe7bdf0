#pragma once
// Every in-game screen, owned in one place: created in a fixed order once
// the GUI elements exist, reached by commands in a fixed order, and deleted
// in a fixed order. The game's main object holds one set and forwards its
// operations to it (creation while the world loads, the screens' part of
// the command handler, the hide-all and the status refreshes).
#include <cstdint>
#include <memory>
#include <vector>

#include "gui/core/GuiCommand.h"
#include "screens/REraduzizBuffetScreen.h"
#include "screens/REraduzizBuilUpgScreen.h"
#include "screens/REraduzizBuildBook.h"
#include "screens/REraduzizFastFoodScreen.h"
#include "screens/REraduzizFoodFeltetScreen.h"
#include "screens/REraduzizHotMealScreen.h"
#include "screens/REraduzizKioskScreen.h"
#include "screens/REraduzizMessageWindow.h"
#include "screens/REraduzizObjectWindow.h"
#include "screens/REraduzizOptionsScreen.h"
#include "screens/REraduzizPickFiveScreen.h"
#include "screens/REraduzizPickFourScreen.h"
#include "screens/REraduzizPickOneScreen.h"
#include "screens/REraduzizRepairEventScreen.h"
#include "screens/REraduzizRestaurantScreen.h"
#include "screens/REraduzizScenarioWindow.h"
#include "screens/REraduzizShopScreen.h"
#include "screens/REraduzizSpeedWindow.h"
#include "screens/REraduzizStaffScreen.h"
#include "screens/REraduzizStatisticScreen.h"
#include "screens/REraduzizSummaryScreen.h"
#include "screens/REraduzizTicketScreen.h"
#include "screens/REraduzizTutorialScreen.h"
#include "screens/REraduzizUpgradeScreen.h"
#include "screens/ScreenHost.h"

class Fire;

class ScreenSet {
 public:
  explicit ScreenSet(ScreenHost& host);
  // DestroyAll.
  ~ScreenSet();
  ScreenSet(const ScreenSet&) = delete;
  ScreenSet& operator=(const ScreenSet&) = delete;

  // Creates every screen in order, each after its debugger line, with its
  // window found by id (null, with a line, when the GUI lacks it); binds
  // the status panel and shows the cash, and binds the scenario window.
  void CreateAll();
  // The two halves of CreateAll, for the world loading that runs steps of
  // its own between them: the build book and the screens; then the status
  // panel, the message window and the scenario window.
  void CreateBookAndScreens();
  void CreatePanels();
  // Deletes the screens in the destruction order; safe to call twice.
  void DestroyAll();

  // The exclusive screens: while a message is open the message window
  // alone gets the command, else while the book is open the book alone.
  // True when one of them was offered it (the main object's handler then
  // ends the command's pass).
  bool OfferExclusive(GuiCommand& command);
  // The rest of the screens' part, after the main object's quit and menu
  // buttons: the scenario window while no game runs, the buttons that open
  // screens, then the fixed chain.
  void RouteToScreens(GuiCommand& command);

  // Closes every screen page in one step.
  void HideAll();
  // Fills the picker pop-up of that page (a window id) before it opens;
  // nothing for another page.
  void ShowPicker(int32_t page);

  // Per frame once the loading is over: date, time, visitors and cash, and
  // the first-visitors notice.
  void RefreshCashDisplay();
  // After a change: gauges, points and lights, date, time, visitors, cash.
  void RefreshStatusDisplay();
  // The finance overview first, then the complete refresh.
  void RefreshStatusAfterChange();

  // Captions from the text table for the elements that no screen captions
  // itself; once, after every screen exists.
  void ChangeText();

  // The "lights" of the status area: the first k of the ring of fires burn,
  // k the points in thousands, at least 1 and at most the ring's size.
  static void ApplyLights(const std::vector<Fire*>& ring, int32_t points);

  std::unique_ptr<REraduzizBuildBook> buildBook;
  std::unique_ptr<REraduzizBuffetScreen> buffetScreen;
  std::unique_ptr<REraduzizFastFoodScreen> fastFoodScreen;
  std::unique_ptr<REraduzizRestaurantScreen> restaurantScreen;
  std::unique_ptr<REraduzizFoodFeltetScreen> foodFeltetScreen;
  std::unique_ptr<REraduzizSummaryScreen> summaryScreen;
  std::unique_ptr<REraduzizTicketScreen> ticketScreen;
  std::unique_ptr<REraduzizShopScreen> shopScreen;
  std::unique_ptr<REraduzizStaffScreen> staffScreen;
  std::unique_ptr<REraduzizRepairEventScreen> repairEventScreen;
  std::unique_ptr<REraduzizBuilUpgScreen> builUpgScreen;
  std::unique_ptr<REraduzizUpgradeScreen> upgradeScreen;
  std::unique_ptr<REraduzizSpeedWindow> speedWindow;
  std::unique_ptr<REraduzizKioskScreen> kioskScreen;
  std::unique_ptr<REraduzizOptionsScreen> optionsScreen;
  std::unique_ptr<REraduzizStatisticScreen> statisticScreen;
  std::unique_ptr<REraduzizHotMealScreen> hotMealScreen;
  std::unique_ptr<REraduzizPickOneScreen> pickOneScreen;
  std::unique_ptr<REraduzizPickFiveScreen> pickFiveScreen;
  std::unique_ptr<REraduzizPickFourScreen> pickFourScreen;
  std::unique_ptr<REraduzizTutorialScreen> tutorialScreen;
  std::unique_ptr<REraduzizObjectWindow> objectWindow;
  std::unique_ptr<REraduzizMessageWindow> messageWindow;
  std::unique_ptr<REraduzizScenarioWindow> scenarioWindow;

 private:
  // The window of that id, or null with a debugger line.
  CGuiElement* FindWindow(int32_t id, const char* screen);
  template <class T>
  void Create(std::unique_ptr<T>& member, const char* logLine, int32_t windowId, const char* screen);
  // The same for a screen that is made with the host.
  template <class T>
  void CreateHosted(std::unique_ptr<T>& member, const char* logLine, int32_t windowId, const char* screen);

  // The buttons of the main object that open screens; true when the
  // command was one of them (it is then consumed).
  bool OpenScreen(GuiCommand& command);
  void ToggleFoodMenu(GuiCommand& command);
  void OpenFoodPage(GuiCommand& command, bool buffet);
  void OpenManagement(GuiCommand& command);
  void OpenSummary(GuiCommand& command);
  void ToggleSpeedWindow(GuiCommand& command);
  void OpenChosenEvent(GuiCommand& command);
  // Every screen's handler in turn, whether or not one took the command.
  void OfferToChain(GuiCommand& command);
  void Post(int32_t sender, int32_t target, int32_t code, int32_t control);

  ScreenHost& m_host;
};
