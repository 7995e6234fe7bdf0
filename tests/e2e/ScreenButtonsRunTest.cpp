// Every button of every screen, clicked with the mouse in halvenor on the
// demo park, headless and in a window: one row per button says on which
// screen it sits, the clicks from the game's own buttons that lead there,
// and what the click must do (the pages it shows and closes, a value it moves). The
// rows write the park's settings, saved games and scenario scenes: the game
// runs in a copy of the demo park.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "characters/CPorvikAiClass.h"
#include "park/REraduzizEventClass.h"
#include "park/events/ParkEvent.h"
#include "park/foods/CFoodCatalog.h"
#include "park/ledger/CLedgerRecordList.h"
#include "park/ledger/LedgerKinds.h"
#include "park/objects/CAttraction.h"
#include "platform/gfx/gl/leaks/DisplayLeaks.h"
#include "screens/REraduzizBuildBook.h"
#include "screens/REraduzizFastFoodScreen.h"
#include "screens/REraduzizOptionsScreen.h"
#include "screens/REraduzizRepairEventScreen.h"
#include "screens/REraduzizShopScreen.h"
#include "screens/REraduzizStatisticScreen.h"
#include "screens/REraduzizTutorialScreen.h"
#include "screens/REraduzizUpgradeScreen.h"
#include "tests/e2e/DemoGuiIds.h"
#include "tests/e2e/ScreenTour.h"

namespace {

using e2e::ScreenTour;
using e2e::Start;
using e2e::Step;
using namespace e2e::demo_gui;

// The park's cash without what visitors paid at the gate and the outlets,
// which they may do in any frame of a row.
int32_t CashWithoutVisitorPayments(VAvazadOvurUrovi& game) {
  int32_t paid = 0;
  for (const LedgerRecord& record : game.ledgerRecords->Records()) {
    switch (record.kind) {
      case ledger::kTicket:
      case ledger::kRestaurantMeal:
      case ledger::kKioskFood:
      case ledger::kShopProduct:
        paid += record.amount;
        break;
      default:
        break;
    }
  }
  return game.cash - paid;
}

using Value = std::function<int64_t(ScreenTour&)>;
using e2e::Action;
using e2e::Broke;
using e2e::Build;
using e2e::OpenEvent;
using e2e::ShowEventPopup;
using e2e::PickAVisitor;
using e2e::PickCharacter;

struct Row {
  const char* screen;
  const char* button;  // what the button is for
  Start start;
  std::vector<Step> path;  // from the game's main pages (or the main menu)
  Step click;
  std::vector<int32_t> shown = {};   // pages shown after the click
  std::vector<int32_t> hidden = {};  // pages closed after the click
  Value value = nullptr;             // a value the click moves ...
  std::optional<int64_t> change = {};  // ... by this much
  std::optional<int64_t> equals = {};  // ... or to this
  Action prepare = nullptr;  // the park the screen needs, before the path
};

Value Text(int32_t id) {
  return [id](ScreenTour& tour) { return tour.TextNumber(id); };
}
Value Rows(int32_t grid) {
  return [grid](ScreenTour& tour) -> int64_t {
    const auto* list = dynamic_cast<const CGuiGrid*>(tour.Game().FindElement(grid));
    return list ? list->GetTotalRows() : -1;
  };
}
template <class Field>
Value Of(Field field) {
  return [field](ScreenTour& tour) { return int64_t(field(tour.Game())); };
}

std::vector<Step> Then(std::vector<Step> path, Step next) {
  path.push_back(next);
  return path;
}

// The saved games' list: its first shown game (-1 before any scrolling
// shows the first), and the chosen one among those shown.
const Value kSaveListTop = Of([](VAvazadOvurUrovi& g) { return std::max(g.saveListFirstRow, 0); });
const Value kShownSaveRow = Of([](VAvazadOvurUrovi& g) { return g.saveListSelectedRow; });

// The attraction the upgrade screen shows (the first of its number).
const CAttraction& ShownAttraction(const VAvazadOvurUrovi& game) {
  static const CAttraction none;
  for (const CAttraction* object : game.placedObjects.ObjectsByState()) {
    if (object && object->objectNumber == game.upgradeScreen->shownNumber) return *object;
  }
  return none;
}

constexpr Start kMenu = Start::kMainMenu, kGame = Start::kFreeGame, kTutorial = Start::kTutorialGame;

// Pages.
constexpr int32_t kPauseMenu = 10010, kNewGame = 10020, kOptions = 10029;
constexpr int32_t kGameBar = 10062, kStatus = 10433, kGameMenu = 10265, kSaveLoad = 10235;
constexpr int32_t kBook = 10076, kFoodMenu = 10123, kBuffet = 10126, kRestaurant = 10129;
constexpr int32_t kMenuItems = 10343, kTopping = 10143, kHotMeal = 10375, kKiosk = 10349;
constexpr int32_t kSummary = 10158, kTicket = 10190, kShop = 10198, kStaff = 10299, kSpeed = 10327;
constexpr int32_t kStatistics = 10363, kAttractions = 10231, kUpgrade = 10269, kRepair = 10292;
constexpr int32_t kMessage = 10391, kScenario = 10108, kTutorialPage = 10425, kLessons = 10446;
constexpr int32_t kHelp = 10359, kPaths = 10460, kDemolish = 10463, kVisitor = 10132, kAbout = 10339;
constexpr int32_t kEventPopup = 10319;

// Paths.
const std::vector<Step> kToPause = {{kGameMenuButton}, {kPauseButton}};
const std::vector<Step> kToGameOptions = {{kGameMenuButton}, {10267}};
const std::vector<Step> kToSaveLoad = {{kGameMenuButton}, {kPauseButton}, {10014}};
const std::vector<Step> kToBook = {{kBuildBookButton}};
// The second set's first tab shows once a later realm is open.
const Step kToFirstRealm = {10099, -1, true};
const std::vector<Step> kToBookPage = {{kBuildBookButton}, kToFirstRealm};
const std::vector<Step> kToNewGame = {{kGameMenuButton}, {kPauseButton}, {10011}};
const std::vector<Step> kToLongSaveList = {{kGameMenuButton}, {kPauseButton}, {10014},
                                           {10237}, {10237}, {10237}, {10237}};
const std::vector<Step> kToKiosk = {{10068}, {10124}, {10127, 0}};
const std::vector<Step> kToBurgers = {{10068}, {10125}, {10131, 0}};
const std::vector<Step> kToNewBurger = {{10068}, {10125}, {10131, 0}, {10346}};
const std::vector<Step> kToHotMeal = {{10068}, {10125}, {10131, 3}, {10347}};
const std::vector<Step> kToTicket = {{kFinanceButton}, {10165}};
const std::vector<Step> kToShop = {{kFinanceButton}, {10166}};
const std::vector<Step> kToStatistics = {{kFinanceButton}, {10189}};
const std::vector<Step> kToUpgrade = {{kFinanceButton}, {10178}, {10234, 0}};
const std::vector<Step> kToRepair = {{10438, 0}};

const Action kOutlets = Build({"restaurant_de_tarrowby", "bufe_zarp"});
const Action kSweetShop = Build({"Shop_quessle01"});

std::vector<Row> ShopRows() {
  std::vector<Row> rows;
  for (int32_t slot = 0; slot < REraduzizShopScreen::kSlotCount; ++slot) {
    const int32_t plus = 10213 + 2 * slot, minus = 10214 + 2 * slot, price = 10207 + slot;
    rows.push_back({"sweet shop", "price up", kGame, kToShop, {plus}, {kShop}, {}, Text(price), 1, {}, kSweetShop});
    std::vector<Step> raised = kToShop;
    raised.push_back({plus});
    rows.push_back({"sweet shop", "price down", kGame, raised, {minus}, {kShop}, {}, Text(price), -1, {}, kSweetShop});
  }
  return rows;
}

// The event lists of the solver groups: the pick of a park character or a
// staff member opens its group's list; sending asks first for two groups.
std::vector<Row> EventListRows() {
  struct Page {
    int32_t page, list, send, close, character;
    const char* solution;
    bool confirms;
  };
  const Page pages[] = {{10396, 10397, 10398, 10399, 2, "FIZZWICK", true},
                        {10400, 10403, 10401, 10402, 3, "FIZZLEDA", true},
                        {10413, 10414, 10415, 10416, 1000, "CLEANER", false},
                        {10417, 10418, 10419, 10420, 2000, "GARDENER", false},
                        {10421, 10422, 10423, 10424, 3000, "REPAIR", false}};
  const Value open = Of([](VAvazadOvurUrovi& g) { return g.parkEvents->openEvents.size(); });
  std::vector<Row> rows;
  for (const Page& p : pages) {
    Row send{"event list", "send", kGame, {{p.list, 0}}, {p.send}, {}, {p.page}};
    if (p.confirms) {
      send.shown = {kMessage};
    } else {
      send.value = open;
      send.change = -1;
    }
    send.prepare = PickCharacter(p.character, p.solution);
    rows.push_back(send);
    rows.push_back({"event list", "close", kGame, {}, {p.close}, {}, {p.page}, nullptr, {}, {},
                    PickCharacter(p.character, p.solution)});
  }
  return rows;
}

std::vector<Row> Table() {
  std::vector<Row> rows = {
      // The main menu, before any game.
      {"main menu", "new game", kMenu, {}, {kNewGameButton}, {kNewGame}, {kMainMenu}},
      // No saving before a game: the save button is off.
      {"main menu", "load a game", kMenu, {}, {10005}, {kSaveLoad}, {kMainMenu, 10237}},
      {"main menu", "options", kMenu, {}, {10004}, {kOptions}, {kMainMenu}},
      {"new game menu", "back", kMenu, {{kNewGameButton}}, {10027}, {kMainMenu}, {kNewGame}},
      {"new game menu", "scenarios", kMenu, {{kNewGameButton}}, {10028}, {kScenario}, {kNewGame}},
      {"scenario window", "back", kMenu, {{kNewGameButton}, {10028}}, {10121}, {kNewGame}, {kScenario}},
      {"options", "done", kMenu, {{10004}}, {10030}, {kMainMenu}, {kOptions}},
      {"save and load", "back", kMenu, {{10005}}, {10238}, {kMainMenu}, {kSaveLoad}},
      {"main menu", "quit", kMenu, {}, {10003}},

      // The game bar.
      {"game bar", "build book", kGame, {}, {kBuildBookButton}, {kBook}, {kGameBar},
       Of([](VAvazadOvurUrovi& g) { return g.buildBookOpen; }), {}, 1},
      {"game bar", "food menu", kGame, {}, {10068}, {kFoodMenu}, {},
       Of([](VAvazadOvurUrovi& g) { return g.modalScreenOpen; }), {}, 1},
      {"game bar", "food menu again", kGame, {{10068}}, {10068}, {}, {kFoodMenu},
       Of([](VAvazadOvurUrovi& g) { return g.modalScreenOpen; }), {}, 0},
      // A close of everything (the finance button's) leaves no stale menu.
      {"game bar", "food menu after a close of everything", kGame, {{10068}, {kFinanceButton}}, {10068},
       {kFoodMenu}, {},
       Of([](VAvazadOvurUrovi& g) { return g.modalScreenOpen; }), {}, 1},
      {"game bar", "management", kGame, {}, {10070}, {kSummary, kStaff}},
      {"game bar", "finance", kGame, {}, {kFinanceButton}, {kSummary}, {kStaff}},
      {"game bar", "speed", kGame, {}, {kSpeedButton}, {kSpeed}},
      {"game bar", "speed again", kGame, {{kSpeedButton}}, {kSpeedButton}, {}, {kSpeed},
       Of([](VAvazadOvurUrovi& g) { return g.modalScreenOpen; }), {}, 0},
      {"game bar", "select tool", kGame, {}, {10072}, {}, {},
       Of([](VAvazadOvurUrovi& g) { return g.buildToolMode; }), {}, VAvazadOvurUrovi::kPickCharacterMode},
      {"game bar", "path bar", kGame, {}, {kPathBarButton}, {kPaths}},
      {"game bar", "demolish bar", kGame, {}, {10073}, {kDemolish}},
      {"game bar", "help", kGame, {}, {10069}, {kHelp}},
      {"game bar", "game menu", kGame, {}, {kGameMenuButton}, {kGameMenu}},
      {"path bar", "path", kGame, {{kPathBarButton}}, {kPathTool}, {}, {},
       Of([](VAvazadOvurUrovi& g) { return g.layingPath * 10 + g.pathStyle; }), {}, 10},
      {"path bar", "wide path", kGame, {{kPathBarButton}}, {10462}, {}, {},
       Of([](VAvazadOvurUrovi& g) { return g.layingPath * 10 + g.pathStyle; }), {}, 11},
      {"demolish bar", "demolish", kGame, {{10073}}, {10464}, {}, {},
       Of([](VAvazadOvurUrovi& g) { return g.buildToolMode; }), {}, VAvazadOvurUrovi::kDemolishMode},
      {"demolish bar", "tool", kGame, {{10073}}, {10465}, {}, {},
       Of([](VAvazadOvurUrovi& g) { return g.toolBytes[0]; }), {}, 1},
      {"help", "close", kGame, {{10069}}, {10362}, {}, {kHelp},
       Of([](VAvazadOvurUrovi& g) { return g.modalScreenOpen; }), {}, 0},
      {"visitor panel", "close", kGame, {}, {10135}, {}, {kVisitor}, nullptr, {}, {}, PickAVisitor},

      // The game menu, the pause menu and what they open.
      {"game menu", "pause", kGame, {{kGameMenuButton}}, {kPauseButton}, {kPauseMenu}, {kGameMenu, kGameBar},
       Of([](VAvazadOvurUrovi& g) { return g.simulationHalted; }), {}, 1},
      {"game menu", "options", kGame, {{kGameMenuButton}}, {10267}, {kOptions}, {kGameMenu}},
      {"game menu", "back", kGame, {{kGameMenuButton}}, {10268}, {}, {kGameMenu}},
      {"pause menu", "resume", kGame, kToPause, {10019}, {kGameBar, kStatus}, {kPauseMenu},
       Of([](VAvazadOvurUrovi& g) { return g.simulationHalted; }), {}, 0},
      {"pause menu", "new game", kGame, kToPause, {10011}, {kNewGame}, {kPauseMenu}},
      {"pause menu", "save and load", kGame, kToPause, {10014}, {kSaveLoad, 10237}, {kPauseMenu}},
      {"pause menu", "options", kGame, kToPause, {10013}, {kOptions}, {kPauseMenu}},
      {"new game menu", "back to the pause menu", kGame, kToNewGame, {10027}, {kPauseMenu},
       {kNewGame}},
      {"new game menu", "free play", kGame, kToNewGame, {kFreePlayButton}, {kGameBar, kStatus}, {kNewGame, 10075},
       Of([](VAvazadOvurUrovi& g) { return g.cash; }), {}, 30000, Broke},
      {"options", "music on and off", kGame, kToGameOptions, {10039}, {kOptions}, {},
       Of([](VAvazadOvurUrovi& g) { return g.optionsScreen->musicEnabled; }), -1},
      {"options", "music on and off again", kGame, kToGameOptions, {10039}, {kOptions}, {},
       Of([](VAvazadOvurUrovi& g) { return g.optionsScreen->musicEnabled; }), 1},
      {"options", "music louder", kGame, kToGameOptions, {10034}, {kOptions}, {},
       Of([](VAvazadOvurUrovi& g) { return g.optionsScreen->musicValue; }), 10},
      {"options", "music softer", kGame, kToGameOptions, {10033}, {kOptions}, {},
       Of([](VAvazadOvurUrovi& g) { return g.optionsScreen->musicValue; }), -10},
      {"options", "effects on and off", kGame, kToGameOptions, {10047}, {kOptions}, {},
       Of([](VAvazadOvurUrovi& g) { return g.optionsScreen->effectsEnabled; }), -1},
      {"options", "effects on and off again", kGame, kToGameOptions, {10047}, {kOptions}, {},
       Of([](VAvazadOvurUrovi& g) { return g.optionsScreen->effectsEnabled; }), 1},
      {"options", "effects louder", kGame, kToGameOptions, {10042}, {kOptions}, {},
       Of([](VAvazadOvurUrovi& g) { return g.optionsScreen->effectValue; }), 10},
      {"options", "effects softer", kGame, kToGameOptions, {10041}, {kOptions}, {},
       Of([](VAvazadOvurUrovi& g) { return g.optionsScreen->effectValue; }), -10},
      {"options", "brighter", kGame, kToGameOptions, {10050}, {kOptions}, {},
       Of([](VAvazadOvurUrovi& g) { return g.optionsScreen->brightnessValue; }), 10},
      {"options", "darker", kGame, kToGameOptions, {10049}, {kOptions}, {},
       Of([](VAvazadOvurUrovi& g) { return g.optionsScreen->brightnessValue; }), -10},
      {"options", "more detail", kGame, kToGameOptions, {10057}, {kOptions}, {},
       Of([](VAvazadOvurUrovi& g) { return g.videoLevel; }), 1},
      {"options", "less detail", kGame, kToGameOptions, {10056}, {kOptions}, {},
       Of([](VAvazadOvurUrovi& g) { return g.videoLevel; }), -1},
      {"options", "done", kGame, kToGameOptions, {10030}, {kGameBar, kStatus}, {kOptions},
       Of([](VAvazadOvurUrovi& g) { return g.simulationHalted; }), {}, 0},
      {"save and load", "save", kGame, kToSaveLoad, {10237}, {kSaveLoad}, {},
       Of([](VAvazadOvurUrovi& g) { return g.savedGames.size(); }), 1},
      {"save and load", "choose the first game", kGame, kToSaveLoad, {10261, 0}, {kSaveLoad}, {},
       Of([](VAvazadOvurUrovi& g) { return g.saveListSelectedRow; }), {}, 0},
      // Four more saved games than the list's three rows show.
      {"save and load", "scroll down", kGame, kToLongSaveList, {10258}, {kSaveLoad}, {}, kSaveListTop, 1},
      {"save and load", "scroll up", kGame, Then(kToLongSaveList, {10258}), {10255}, {kSaveLoad}, {}, kSaveListTop, -1},
      {"save and load", "choose the second shown game", kGame, kToLongSaveList, {10260, 0}, {kSaveLoad}, {},
       kShownSaveRow, {}, 1},
      {"save and load", "choose the third shown game", kGame, kToLongSaveList, {10259, 0}, {kSaveLoad}, {},
       kShownSaveRow, {}, 2},
      {"save and load", "load", kGame, {{kGameMenuButton}, {kPauseButton}, {10014}, {10261, 0}}, {10236},
       {kGameBar, kStatus},
       {kSaveLoad}, Of([](VAvazadOvurUrovi& g) { return g.playMode; }), {}, 1},
      {"save and load", "back", kGame, kToSaveLoad, {10238}, {kPauseMenu}, {kSaveLoad}},
      {"pause menu", "quit", kGame, kToPause, {kQuitFromPauseMenu}, {}, {}, nullptr},

      // The build book.
      {"build book", "next page", kGame, kToBookPage, {10096}, {kBook}, {},
       Of([](VAvazadOvurUrovi& g) { return g.buildBook->pageStart[0]; }), 4},
      {"build book", "previous page", kGame, {{kBuildBookButton}, kToFirstRealm, {10096}}, {10095}, {kBook}, {},
       Of([](VAvazadOvurUrovi& g) { return g.buildBook->pageStart[0]; }), -4},
      {"build book", "close", kGame, kToBook, {10097}, {kGameBar, kStatus}, {kBook},
       Of([](VAvazadOvurUrovi& g) { return g.buildBookOpen; }), {}, 0},
      {"build book", "buy the second entry", kGame, kToBookPage, {kStallBuyButton}, {kGameBar}, {kBook},
       Of([](VAvazadOvurUrovi& g) { return g.placingItem; }), {}, 1},
      // The first page: the carousel and the round oak stand in the started
      // park already, the pancake stall is for sale, the souvenir shop is one
      // level too high.
      {"build book", "buy what stands already", kGame, kToBookPage, {10104}, {kBook}, {},
       Of([](VAvazadOvurUrovi& g) { return g.placingItem; }), {}, 0},
      {"build book", "buy another that stands already", kGame, kToBookPage, {10106}, {kBook}, {},
       Of([](VAvazadOvurUrovi& g) { return g.placingItem; }), {}, 0},
      {"build book", "buy above the park's level", kGame, kToBookPage, {10107}, {kBook}, {},
       Of([](VAvazadOvurUrovi& g) { return g.placingItem; }), {}, 0},
      {"build book", "buy without the money", kGame, kToBookPage, {kStallBuyButton}, {kMessage}, {kBook},
       Of([](VAvazadOvurUrovi& g) { return g.placingItem; }), {}, 0, Broke},

      // The food outlets.
      {"food menu", "kiosks", kGame, {{10068}}, {10124}, {kBuffet, kFoodMenu}},
      {"food menu", "restaurant", kGame, {{10068}}, {10125}, {kRestaurant, kFoodMenu}},
      {"buffet", "choose a kiosk food", kGame, {{10068}, {10124}}, {10127, 0}, {kKiosk}},
      {"kiosk", "price up", kGame, kToKiosk, {10355}, {kKiosk}, {}, Text(10353), 1, {}, kOutlets},
      {"kiosk", "price down", kGame, kToKiosk, {10354}, {kKiosk}, {}, Text(10353), -1, {}, kOutlets},
      {"kiosk", "ok", kGame, kToKiosk, {10356}, {}, {kKiosk}, nullptr, {}, {}, kOutlets},
      {"restaurant", "choose a food type", kGame, {{10068}, {10125}}, {10131, 0}, {kMenuItems}, {}, nullptr, {}, {},
       kOutlets},
      {"menu items", "new food", kGame, kToBurgers, {10346}, {kTopping}, {}, nullptr, {}, {}, kOutlets},
      {"menu items", "open the food", kGame, kToBurgers, {10347}, {kTopping}, {}, nullptr, {}, {}, kOutlets},
      {"menu items", "open a hot meal", kGame, {{10068}, {10125}, {10131, 3}}, {10347}, {kHotMeal}, {}, nullptr, {},
       {}, kOutlets},
      {"topping", "offer a topping", kGame, kToNewBurger, {10156}, {kTopping}, {}, Rows(10153), 1, {}, kOutlets},
      {"topping", "remove a topping", kGame, {{10068}, {10125}, {10131, 0}, {10346}, {10156}}, {10155}, {kTopping},
       {}, Rows(10153), -1, {}, kOutlets},
      {"topping", "price up", kGame, kToNewBurger, {10150}, {kTopping}, {}, Text(10149), 1, {}, kOutlets},
      {"topping", "price down", kGame, kToNewBurger, {10151}, {kTopping}, {}, Text(10149), -1, {}, kOutlets},
      {"topping", "cancel", kGame, kToNewBurger, {10157}, {kMenuItems}, {kTopping}, nullptr, {}, {}, kOutlets},
      {"topping", "accept", kGame, {{10068}, {10125}, {10131, 0}, {10346}, {10156}}, {10147}, {kMenuItems},
       {kTopping}, Rows(10345), 1, {}, kOutlets},
      {"menu items", "delete the food", kGame, kToBurgers, {10348}, {kMenuItems}, {}, Rows(10345), -1, {}, kOutlets},
      {"hot meal", "price up", kGame, kToHotMeal, {10381}, {kHotMeal}, {}, Text(10379), 1, {}, kOutlets},
      {"hot meal", "price down", kGame, kToHotMeal, {10380}, {kHotMeal}, {}, Text(10379), -1, {}, kOutlets},
      {"hot meal", "ok", kGame, kToHotMeal, {10382}, {kMenuItems}, {kHotMeal}, nullptr, {}, {}, kOutlets},

      // The finance overview and the screens it opens.
      {"finance", "statistics", kGame, {{kFinanceButton}}, {10189}, {kStatistics}, {kSummary}},
      {"finance", "close", kGame, {{kFinanceButton}}, {10164}, {}, {kSummary}},
      {"finance", "tickets", kGame, {{kFinanceButton}}, {10165}, {kTicket, kSummary}},
      {"finance", "sweet shop", kGame, {{kFinanceButton}}, {10166}, {kShop, kSummary}},
      {"finance", "attractions", kGame, {{kFinanceButton}}, {10178}, {kAttractions, kSummary}},
      {"finance", "staff", kGame, {{kFinanceButton}}, {10179}, {kStaff, kSummary}},
      {"ticket", "price up", kGame, kToTicket, {10191}, {kTicket}, {}, Text(10196), 1},
      {"ticket", "price down", kGame, kToTicket, {10192}, {kTicket}, {}, Text(10196), -1},
      {"ticket", "ok", kGame, {{kFinanceButton}, {10165}, {10191}}, {10193}, {kSummary}, {kTicket},
       Of([](VAvazadOvurUrovi& g) { return g.entrancePrice; }), 1},
      {"sweet shop", "close", kGame, {{kFinanceButton}, {10166}, {10213}}, {10200}, {kSummary}, {kShop},
       Of([](VAvazadOvurUrovi& g) { return g.shopScreen->slots[0].price; }), 1, {}, kSweetShop},
      {"staff", "hire a cleaner", kGame, {{10070}}, {10306}, {kStaff}, {}, Text(10311), 1},
      {"staff", "dismiss a cleaner", kGame, {{10070}, {10306}}, {10307}, {kStaff}, {}, Text(10311), -1},
      {"staff", "hire a gardener", kGame, {{10070}}, {10308}, {kStaff}, {}, Text(10312), 1},
      {"staff", "dismiss a gardener", kGame, {{10070}, {10308}}, {10309}, {kStaff}, {}, Text(10312), -1},
      {"staff", "hire an engineer", kGame, {{10070}}, {10316}, {kStaff}, {}, Text(10318), 1},
      {"staff", "dismiss an engineer", kGame, {{10070}, {10316}}, {10317}, {kStaff}, {}, Text(10318), -1},
      {"staff", "commit", kGame, {{kFinanceButton}, {10179}, {10306}}, {10310}, {kSummary}, {kStaff},
       Of(CashWithoutVisitorPayments), -2000},
      {"staff", "commit without the money", kGame, {{10070}, {10306}}, {10310}, {kMessage}, {kStaff},
       Of([](VAvazadOvurUrovi& g) { return g.staffScreen->entries[0].count; }), 0, {}, Broke},
      {"message", "close", kGame, {{10070}, {10306}, {10310}}, {kNoticeCloseButton}, {}, {kMessage},
       Of([](VAvazadOvurUrovi& g) { return g.messageWindowOpen; }), {}, 0, Broke},
      {"speed", "normal", kGame, {{kSpeedButton}, {kFastSpeedButton}}, {10336}, {kSpeed}, {},
       Of([](VAvazadOvurUrovi& g) { return g.gameSpeed; }), {}, 1},
      {"speed", "fast", kGame, {{kSpeedButton}}, {kFastSpeedButton}, {kSpeed}, {},
       Of([](VAvazadOvurUrovi& g) { return g.gameSpeed; }),
       {}, 4},
      {"speed", "stop", kGame, {{kSpeedButton}}, {10338}, {kSpeed}, {},
       Of([](VAvazadOvurUrovi& g) { return g.gameSpeed; }),
       {}, 0},
      {"statistics", "category", kGame, kToStatistics, {10371, 1}, {kStatistics}, {},
       Of([](VAvazadOvurUrovi& g) { return g.statisticScreen->category; }), {}, 2},
      {"statistics", "month", kGame, kToStatistics, {10373, 3}, {kStatistics}, {},
       Of([](VAvazadOvurUrovi& g) { return g.statisticScreen->month; }), {}, 3},
      {"statistics", "day", kGame, kToStatistics, {10374, 2}, {kStatistics}, {},
       Of([](VAvazadOvurUrovi& g) { return g.statisticScreen->day; }), {}, 2},
      {"statistics", "close", kGame, kToStatistics, {10366}, {}, {kStatistics},
       Of([](VAvazadOvurUrovi& g) { return g.modalScreenOpen; }), {}, 0},
      {"attraction list", "choose an attraction", kGame, {{kFinanceButton}, {10178}}, {10234, 0}, {kUpgrade},
       {kAttractions, kSummary}},
      {"attraction list", "close", kGame, {{kFinanceButton}, {10178}}, {10232}, {kSummary}, {kAttractions}},
      {"upgrade", "slow ride", kGame, kToUpgrade, {10291}, {kUpgrade}, {},
       Of([](VAvazadOvurUrovi& g) { return ShownAttraction(g).rideKind; }), {}, 0},
      {"upgrade", "middle ride", kGame, kToUpgrade, {10289}, {kUpgrade}, {},
       Of([](VAvazadOvurUrovi& g) { return ShownAttraction(g).rideKind; }), {}, 1},
      {"upgrade", "fast ride", kGame, kToUpgrade, {10290}, {kUpgrade}, {},
       Of([](VAvazadOvurUrovi& g) { return ShownAttraction(g).rideKind; }), {}, 2},
      {"upgrade", "upgrade", kGame, kToUpgrade, {10278}, {kUpgrade}, {},
       Of([](VAvazadOvurUrovi& g) { return ShownAttraction(g).level; }), 1},
      {"upgrade", "send an engineer", kGame, kToUpgrade, {10279}, {kUpgrade}, {},
       Of([](VAvazadOvurUrovi& g) { return g.GetAiManager()->GetRepairList().size(); }), 1},
      {"upgrade", "about", kGame, kToUpgrade, {10285}, {kAbout, kUpgrade}},
      {"about", "close", kGame, {{kFinanceButton}, {10178}, {10234, 0}, {10285}}, {10341}, {kUpgrade}, {kAbout}},
      {"upgrade", "close", kGame, kToUpgrade, {10286}, {}, {kUpgrade},
       Of([](VAvazadOvurUrovi& g) { return g.modalScreenOpen; }), {}, 0},
      {"upgrade", "statistics", kGame, kToUpgrade, {10287}, {kStatistics}, {kUpgrade},
       Of([](VAvazadOvurUrovi& g) { return g.statisticScreen->attractionView; }), {}, 1},

      // Park events: the pop-up, the status panel's list, the event window.
      {"event pop-up", "close", kGame, {}, {10326}, {}, {kEventPopup, 10394}, nullptr, {}, {},
       ShowEventPopup("CLEANER")},
      {"status panel", "choose an event", kGame, {}, {10438, 0}, {kRepair}, {}, nullptr, {}, {}, OpenEvent("CLEANER")},
      {"repair event", "close", kGame, kToRepair, {10294}, {}, {kRepair}, nullptr, {}, {}, OpenEvent("CLEANER")},
  };
  // The event window's staff-group buttons each answer in the message window.
  for (int32_t group : {10295, 10296, 10297, 10298, 10322, 10323, 10324, 10325}) {
    rows.push_back({"repair event", "staff group", kGame, kToRepair, {group}, {kMessage}, {}, nullptr, {}, {},
                    OpenEvent("CLEANER")});
  }
  // The book's realm tabs: the first set shows the open realm's tab and the
  // later ones, the second set the earlier ones.
  for (int32_t realm = 0; realm < REraduzizBuildBook::kRealmCount; ++realm) {
    rows.push_back({"build book", "realm tab", kGame, kToBookPage, {10090 + realm}, {kBook}, {},
                    Of([](VAvazadOvurUrovi& g) { return g.buildBook->currentRealm; }), {}, realm});
    if (realm == REraduzizBuildBook::kRealmCount - 1) break;  // no realm after the last
    rows.push_back({"build book", "earlier realm tab", kGame, {{kBuildBookButton}, {10094}}, {10099 + realm},
                    {kBook}, {},
                    Of([](VAvazadOvurUrovi& g) { return g.buildBook->currentRealm; }), {}, realm});
  }
  for (Row& row : ShopRows()) rows.push_back(row);
  for (Row& row : EventListRows()) rows.push_back(row);
  const std::vector<Row> pickers = {
      {"picker one", "close", kGame, {}, {10411}, {}, {10410}, nullptr, {}, {}, PickCharacter(1, "CLEANER")},
      {"picker five", "close", kGame, {}, {10405}, {}, {10404}, nullptr, {}, {}, PickCharacter(5, "CLEANER")},
      {"picker four", "close", kGame, {}, {10408}, {}, {10407}, nullptr, {}, {}, PickCharacter(4, "CLEANER")},
  };
  rows.insert(rows.end(), pickers.begin(), pickers.end());

  // The scenarios, each started from the new-game menu; one whose scene is
  // missing starts nothing and leaves the window open.
  const std::vector<Step> toScenarios = {{kGameMenuButton}, {kPauseButton}, {10011}, {10028}};
  const Value running = Of([](VAvazadOvurUrovi& g) { return g.scenarioRunning; });
  rows.push_back({"scenario window", "start without its scene", kGame, toScenarios, {10113}, {kScenario},
                  {kGameBar}, running, {}, 0, e2e::ScenarioScene(0, false)});
  for (int32_t slot = 0; slot < 4; ++slot) {
    rows.push_back({"scenario window", "start", kGame, toScenarios, {10113 + slot}, {kGameBar, kStatus},
                    {kScenario, kMessage}, running, {}, 1, e2e::ScenarioScene(slot, true)});
  }
  // The scenario's park counts its own visitors only: its scene brings
  // none, whatever the last park had let in.
  const Action countedVisitor = [](ScreenTour& tour) {
    PickAVisitor(tour);
    CPorvikAiClass& manager = *tour.Game().GetAiManager();
    manager.CountVisitor(*manager.FindCharacterById(e2e::kPickedVisitorId));
    e2e::ScenarioScene(0, true)(tour);
  };
  const Value counted = Of([](VAvazadOvurUrovi& g) { return g.GetAiManager()->GetVisitorCount(); });
  rows.push_back({"scenario window", "start after a park with visitors", kGame, toScenarios, {10113},
                  {kGameBar, kStatus}, {kScenario}, counted, {}, 0, countedVisitor});

  // The tutorial game and its two pages.
  rows.push_back({"new game menu", "tutorial game", kGame, kToNewGame, {10026}, {kLessons},
                  {kNewGame, kGameBar}, Of([](VAvazadOvurUrovi& g) { return g.tutorialMode; }), {}, 1});
  // The tutorial game opens on its lesson menu over the lesson window; it
  // starts at the lesson the settings keep (the second).
  const std::vector<Row> tutorial = {
      {"lessons", "continue", kTutorial, {}, {10448}, {kTutorialPage}, {kLessons},
       Of([](VAvazadOvurUrovi& g) { return g.tutorialScreen->page; }), {}, 0},
      {"tutorial", "next page", kTutorial, {{10448}}, {10428}, {kTutorialPage}, {},
       Of([](VAvazadOvurUrovi& g) { return g.tutorialScreen->page; }), 1},
      {"tutorial", "previous page", kTutorial, {{10448}, {10428}}, {10427}, {kTutorialPage}, {},
       Of([](VAvazadOvurUrovi& g) { return g.tutorialScreen->page; }), -1},
      {"tutorial", "close and play", kTutorial, {{10448}, {10428}, {10428}}, {10431}, {kGameBar, kStatus},
       {kTutorialPage}, Of([](VAvazadOvurUrovi& g) { return g.modalScreenOpen; }), {}, 0},
      {"game bar", "tutorial", kTutorial, {{10448}, {10428}, {10428}, {10431}}, {10075}, {kTutorialPage, kLessons},
       {kGameBar}},
      {"lessons", "a lesson done, again", kTutorial, {}, {10451}, {kTutorialPage}, {kLessons},
       Of([](VAvazadOvurUrovi& g) { return g.tutorialScreen->lesson; }), {}, 0},
      // Before the first lesson the menu offers the way out.
      {"lessons", "exit the tutorial", kTutorial, {}, {10459}, {kMainMenu}, {kGameBar, kStatus}},
  };
  // The lessons after the one the settings keep are not done yet: they
  // start nothing.
  for (int32_t lesson : {10454, 10455, 10456, 10457}) {
    rows.push_back({"lessons", "a lesson not yet done", kTutorial, {}, {lesson}, {kLessons}, {},
                    Of([](VAvazadOvurUrovi& g) { return g.tutorialScreen->lesson; }), 0});
  }
  rows.insert(rows.end(), tutorial.begin(), tutorial.end());
  return rows;
}

std::string Describe(const Row& row) {
  return std::string(row.screen) + ": " + row.button + " (" + std::to_string(row.click.element) + ")";
}

// Every row of the table, in one game on a copy of the park of its own; in
// a window, as on a slow machine.
void ClickEveryButton(plat::WindowBackend backend, const std::string& parkName) {
  ScreenTour tour(backend, parkName, backend == plat::WindowBackend::Live);
  ASSERT_EQ(tour.park.Error(), "");
  if (!tour.session.Started() && backend == plat::WindowBackend::Live) GTEST_SKIP() << "no display";
  if (tour.session.live) plat::KeepRendererLoaded();
  ASSERT_TRUE(tour.Load());
  for (const Row& row : Table()) {
    SCOPED_TRACE(Describe(row));
    ASSERT_TRUE(tour.Begin(row.start));
    ASSERT_TRUE(tour.BackToTheGame(row.start));
    if (row.prepare) row.prepare(tour);
    ASSERT_TRUE(tour.Frames(2));
    bool reached = true;
    for (const Step& step : row.path) {
      if (!tour.Click(step)) {
        ADD_FAILURE() << "not reached: " << step.element << " (row " << step.row << ") is not there to click; shown: "
                      << tour.ShownPages();
        reached = false;
        break;
      }
    }
    if (!reached) continue;
    const int64_t before = row.value ? row.value(tour) : 0;
    if (!tour.Click(row.click)) {
      ADD_FAILURE() << "the button " << row.click.element << " is not there to click; shown: " << tour.ShownPages();
      continue;
    }
    if (tour.session.quit) {
      // A quit button ends the game's loop with exit code 0 and empties the
      // park; the tour goes on in a new game.
      EXPECT_EQ(tour.session.exitCode, 0);
      EXPECT_TRUE(tour.Game().placedObjects.Objects().empty());
      tour.session.quit = false;
      tour.StartAfresh();
    } else if (std::string(row.button) == "quit") {
      ADD_FAILURE() << "no quit";
    }
    for (int32_t page : row.shown) {
      EXPECT_TRUE(tour.IsShown(page)) << page << " is not shown; shown: " << tour.ShownPages();
    }
    for (int32_t page : row.hidden) EXPECT_FALSE(tour.IsShown(page)) << page << " is still shown";
    if (row.value && row.change) {
      EXPECT_EQ(row.value(tour), before + *row.change);
    }
    if (row.value && row.equals) {
      EXPECT_EQ(row.value(tour), *row.equals);
    }
    tour.Game().gameSpeed = 1;
  }
}

}  // namespace

TEST(HeadlessScreenButtons, EveryButtonOfEveryScreenDoesItsPart) {
  ClickEveryButton(plat::WindowBackend::Headless, "screen_buttons");
}

TEST(WindowedScreenButtons, EveryButtonOfEveryScreenDoesItsPart) {
  ClickEveryButton(plat::WindowBackend::Live, "screen_buttons_windowed");
}
