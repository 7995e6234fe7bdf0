// A whole game of halvenor played with the mouse on the demo park, in this
// process: a new game, a stall from the build book by the park's paths and
// a footpath to its gate, a dearer ticket, hired staff, visitors who come,
// ride and go home, the day's statistics and finances, visitors who eat at
// the stall and go home, then the game saved
// from the pause menu, the program quit and started again, the save loaded
// and saved once more: the second save's files equal the first's byte for
// byte. It runs headless, and on a real window where a display is, with a
// screenshot of each screen it shows.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <limits>
#include <map>
#include <queue>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "characters/CPorvikAiClass.h"
#include "characters/REraduzizVisitor.h"
#include "gui/widgets/CGuiChart.h"
#include "gui/widgets/CGuiStaticText.h"
#include "park/ledger/CLedgerRecordList.h"
#include "park/ledger/LedgerKinds.h"
#include "park/objects/CAttraction.h"
#include "park/objects/ObjectTypeDescriptor.h"
#include "park/scenarios/CPorvikScenarios.h"
#include "platform/gfx/gl/leaks/DisplayLeaks.h"
#include "platform/math/Math.h"
#include "platform/os/MessageBox.h"
#include "platform/os/Path.h"
#include "screens/REraduzizStaffScreen.h"
#include "screens/REraduzizStatisticScreen.h"
#include "screens/REraduzizSummaryScreen.h"
#include "screens/REraduzizTicketScreen.h"
#include "tests/e2e/DemoGuiIds.h"
#include "tests/e2e/GameSession.h"
#include "tests/e2e/ParkCopy.h"
#include "world/CHeightMapHandlerClass.h"
#include "world/CLandscapeCell.h"
#include "world/placement/ObjectFootprint.h"

namespace {

namespace fs = std::filesystem;

using e2e::GameSession;
using e2e::ParkCopy;
using namespace e2e::demo_gui;

// The menus.
constexpr int32_t kMainMenuLoadSave = 10005;
constexpr int32_t kPauseBack = 10019;
constexpr int32_t kPauseLoadSave = 10014;
constexpr int32_t kPauseNewGame = 10011;
constexpr int32_t kScenariosButton = 10028;
// The scenario window's start button of the first scenario, the harbour
// feast, whose park lacks the pancake stall its goal asks for.
constexpr int32_t kFirstScenarioStart = 10113;
constexpr int32_t kHarbourFeast = 0;
constexpr const char* kHarbourFeastGoal = kStallItem;
constexpr const char* kHarbourFeastRide = "Attr_SwingBoat";
// The save and load page: its buttons and its three rows.
constexpr int32_t kSaveLoadPage = 10235;
constexpr int32_t kSaveButton = 10237;
constexpr int32_t kLoadButton = 10236;
constexpr int32_t kSaveLoadBack = 10238;
constexpr int32_t kSaveRows[] = {10261, 10260, 10259};
// The game bar's management button.
constexpr int32_t kManagementButton = 10070;
// The staff window's hire buttons for a cleaner and an engineer.
constexpr int32_t kStaffWindow = 10299;
constexpr int32_t kHireCleaner = 10306;
constexpr int32_t kHireEngineer = 10316;
// The ticket window's raise button and its price text.
constexpr int32_t kTicketWindow = 10190;
constexpr int32_t kTicketRaise = 10191;
constexpr int32_t kTicketPriceText = 10196;
constexpr int32_t kTicketRaises = 4;
// The finance overview, its ticket income, and the statistics window.
constexpr int32_t kFinancePage = 10158;
constexpr int32_t kTicketIncomeText = 10167;
constexpr int32_t kStatisticsButton = 10189;
constexpr int32_t kStatisticsPage = 10363;

// The longest footpath that may join the stall's gate to the park's paths,
// and the lowest land a path is laid on.
constexpr int32_t kLongestJoin = 6;
constexpr float kLowestPathHeight = 1.1f;
constexpr const char* kMainEntrance = "Attr_MainEntrance";
// A visitor's mode and state while it eats inside a restaurant.
constexpr int32_t kStayingMode = 2;
constexpr int32_t kInRestaurant = 36;
// A meal raises the visitor's second value by 40 as it is bought and by 20
// as the visitor comes out, to at most 100.
constexpr int16_t kMealFeeds = 60;
constexpr int16_t kFullValue = 100;
// How near the stall's exit a visitor that has just come out stands.
constexpr float kNearExit = 1.0f;
// A park minute of the fast game passes in a frame this long: the park's
// clock moves with the ticks, the characters by at most a quarter second.
constexpr uint32_t kParkFrameMs = GameSession::kLongestFrameMs;
// Visitors come, ride and leave within this many park frames; one eats at
// the stall, and later goes home, within as many again.
constexpr int kVisitFrames = 20000;

const fs::path kScreenshots = fs::path(HALVENOR_SCREENSHOT_DIR) / "full-play-through";

std::string FileBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The saved game's path as a host path.
fs::path HostPath(const EngineString& gamePath) { return plat::ResolvePath(gamePath.Std()); }

fs::path Companion(const fs::path& scene, const char* extension) {
  fs::path path = scene;
  return path.replace_extension(extension);
}

// What the visitors did while the test watched them.
struct VisitorRecord {
  std::set<int32_t> seen;
  std::set<int32_t> left;
  std::set<int32_t> states;
};

using Cell = std::pair<int32_t, int32_t>;

// Where the stall goes: the cell it is set down on, and the cells of the
// footpath from its gate to the park's paths, the gate's cell first.
struct StallSite {
  Cell cell;
  std::vector<Cell> join;
};

// A visitor's meal at the stall: what it took in and came out with.
struct Meal {
  int32_t visitor = -1;
  uint16_t moneyBefore = 0;
  uint16_t moneyAfter = 0;
  int16_t fedBefore = 0;  // the second value, which meals raise
  int16_t fedAfter = 0;
  bool litter = false;
  int32_t mode = -1;
  int32_t state = -1;
  plat::Vec3 outAt{};
};

class FullPlayThrough : public ::testing::Test {
 protected:
  virtual plat::WindowBackend Backend() const { return plat::WindowBackend::Headless; }

  // The program as its entry function starts it, to its main menu.
  std::unique_ptr<GameSession> Start() {
    EXPECT_EQ(park.Error(), "");
    auto session = std::make_unique<GameSession>(Backend(), park.Folder());
    if (!session->Started()) return session;
    if (session->live) plat::KeepRendererLoaded();
    EXPECT_TRUE(session->Load(true));
    return session;
  }

  std::string Text(GameSession& session, int32_t id) const {
    const auto* text = dynamic_cast<const CGuiStaticText*>(session.game->FindElement(id));
    return text ? text->GetText().Std() : "<missing>";
  }

  void Picture(GameSession& session, const std::string& name) {
    EXPECT_TRUE(session.KeepPicture(kScreenshots, name)) << name;
  }

  void Click(GameSession& session, std::initializer_list<int32_t> buttons) {
    for (int32_t button : buttons) ASSERT_TRUE(session.ClickElement(button)) << button;
  }

  // High land where nothing stands, in the open view.
  bool IsFreeLand(GameSession& session, const Cell& at) const {
    const plat::Vec3 point = session.CellPoint(at.first, at.second);
    return session.IsFreeCell(at.first, at.second) && point.y >= kLowestPathHeight && session.InOpenView(point);
  }

  // The footpath cells visitors reach from the main entrance's gate.
  std::set<Cell> ParkPaths(GameSession& session) const {
    std::set<Cell> reached;
    const CAttraction* entrance = session.game->FindObjectByName(kMainEntrance);
    int32_t i = 0, j = 0;
    if (!entrance || !CHeightMapHandlerClass::WorldToCell(entrance->gatePosition.x, entrance->gatePosition.y,
                                                          entrance->gatePosition.z, i, j)) {
      return reached;
    }
    std::queue<Cell> next;
    const auto reach = [&](const Cell& cell) {
      if (session.IsPathCell(cell.first, cell.second) && reached.insert(cell).second) next.push(cell);
    };
    for (int32_t di = -1; di <= 1; ++di)
      for (int32_t dj = -1; dj <= 1; ++dj) reach({i + di, j + dj});
    for (; !next.empty(); next.pop()) {
      const auto [ci, cj] = next.front();
      for (const Cell& side : {Cell{ci + 1, cj}, Cell{ci - 1, cj}, Cell{ci, cj + 1}, Cell{ci, cj - 1}}) reach(side);
    }
    return reached;
  }

  // The place nearest to a ride for the stall in the hand, where the
  // visitors are who come out of a ride hungry for something else: its
  // footprint on free land that shows on the screen, and a straight row of
  // free cells from its gate out to the park's paths.
  bool FindStallSite(GameSession& session, StallSite* site) {
    VAvazadOvurUrovi& game = *session.game;
    const CAttraction& stall = *game.placementPreview;
    int32_t index = 0;
    const ObjectTypeDescriptor* type = game.FindObjectTypeByName(stall.id, &index);
    if (!type) return false;
    const std::set<Cell> paths = ParkPaths(session);
    const auto fromRides = [&](const Cell& cell) {
      const plat::Vec3 at = session.CellPoint(cell.first, cell.second);
      float nearest = std::numeric_limits<float>::max();
      for (const CAttraction* object : game.placedObjects.Objects()) {
        if (object->state == kObjectKindAttraction)
          nearest = std::min(nearest, plat::Vec3LengthOf(object->gatePosition - at));
      }
      return nearest;
    };
    bool found = false;
    StallSite candidate;
    for (int32_t j = 0; j < CHeightMapHandlerClass::kCellsPerSide; ++j) {
      for (int32_t i = 0; i < CHeightMapHandlerClass::kCellsPerSide; ++i) {
        candidate.cell = {i, j};
        if (!JoinsParkPaths(session, stall, *type, paths, &candidate)) continue;
        if (found && fromRides(candidate.cell) >= fromRides(site->cell)) continue;
        *site = candidate;
        found = true;
      }
    }
    return found;
  }
  // The step from a gate on the footprint's edge out of it; none for a gate
  // that is not on the edge.
  static Cell OutOf(const ObjectFootprint& footprint, const Cell& gate) {
    if (gate.first == footprint.FirstI()) return {-1, 0};
    if (gate.first == footprint.LastI()) return {1, 0};
    if (gate.second == footprint.FirstJ()) return {0, -1};
    if (gate.second == footprint.LastJ()) return {0, 1};
    return {0, 0};
  }
  bool JoinsParkPaths(GameSession& session, const CAttraction& stall, const ObjectTypeDescriptor& type,
                      const std::set<Cell>& paths, StallSite* site) {
    const plat::Vec3 at = session.CellPoint(site->cell.first, site->cell.second);
    ObjectFootprint footprint;
    if (!ComputeObjectFootprint(at, stall.GetRotation(), false, stall.placeX, stall.placeY, &footprint)) return false;
    for (int32_t i = footprint.FirstI(); i <= footprint.LastI(); ++i) {
      for (int32_t j = footprint.FirstJ(); j <= footprint.LastJ(); ++j) {
        if (!IsFreeLand(session, {i, j})) return false;
      }
    }
    // The stall stands unturned: its gate lies at its offset from the cell.
    Cell gate;
    if (!CHeightMapHandlerClass::WorldToCell(at.x + type.gatePosition.x, at.y, at.z + type.gatePosition.z, gate.first,
                                             gate.second)) {
      return false;
    }
    const Cell step = OutOf(footprint, gate);
    if (step == Cell{0, 0}) return false;
    site->join = {gate};
    for (int32_t n = 1; n < kLongestJoin; ++n) {
      const Cell cell{gate.first + n * step.first, gate.second + n * step.second};
      if (paths.count(cell)) return true;
      if (!IsFreeLand(session, cell)) return false;
      site->join.push_back(cell);
    }
    return false;
  }

  void WatchVisitors(GameSession& session, VisitorRecord& record) {
    CPorvikAiClass& manager = *session.game->GetAiManager();
    std::set<int32_t> present;
    for (int32_t n = 0; n < manager.GetCharacterCount(); ++n) {
      const REraduzizVisitor* character = manager.GetCharacter(n);
      if (!character || character->GetId() < CPorvikAiClass::kFirstVisitorId) continue;
      present.insert(character->GetId());
      record.states.insert(character->GetActivityState());
    }
    for (int32_t id : record.seen) {
      if (!present.count(id)) record.left.insert(id);
    }
    record.seen.insert(present.begin(), present.end());
  }

  // Each kind's total, for a failure's message.
  std::string LedgerTotals(GameSession& session) const {
    std::string text;
    for (int32_t kind = ledger::kFirstKind; kind <= ledger::kLastKind; ++kind) {
      text += " " + std::to_string(kind) + ":" + std::to_string(LedgerTotal(session, kind));
    }
    return text;
  }

  // Visits booked on the placed object.
  int32_t UsesOf(GameSession& session, const CAttraction& object) const {
    int32_t uses = 0;
    for (const LedgerRecord& record : session.game->ledgerRecords->Records()) {
      if (record.kind == ledger::kUse && record.subject == object.objectNumber) uses += record.amount;
    }
    return uses;
  }

  // Rides the visitors took: uses booked on the park's attractions.
  int32_t RideUses(GameSession& session) const {
    int32_t uses = 0;
    for (const CAttraction* object : session.game->placedObjects.Objects()) {
      if (object->state == kObjectKindAttraction) uses += UsesOf(session, *object);
    }
    return uses;
  }

  // Keeps what the visitors inside the stall took in; true once one has
  // come out having bought a meal, with what it came out with.
  bool WatchMeals(GameSession& session, const CAttraction& stall, std::map<int32_t, Meal>& inside, Meal* meal) {
    CPorvikAiClass& manager = *session.game->GetAiManager();
    for (int32_t n = 0; n < manager.GetCharacterCount(); ++n) {
      const REraduzizVisitor* visitor = manager.GetCharacter(n);
      if (!visitor || visitor->GetId() < CPorvikAiClass::kFirstVisitorId) continue;
      const int32_t id = visitor->GetId();
      const bool eating = visitor->GetActivityMode() == kStayingMode && visitor->GetActivityState() == kInRestaurant &&
                          visitor->GetTargetAttraction() == &stall;
      const auto entry = inside.find(id);
      if (eating && entry == inside.end()) {
        inside[id] = {
            .visitor = id, .moneyBefore = visitor->GetMoney(), .fedBefore = visitor->GetAttributes().GetValue2()};
      }
      if (eating || entry == inside.end()) continue;
      Meal out = entry->second;
      inside.erase(entry);
      if (visitor->GetMoney() >= out.moneyBefore) continue;  // it bought nothing
      out.moneyAfter = visitor->GetMoney();
      out.fedAfter = visitor->GetAttributes().GetValue2();
      out.litter = visitor->HasLitter();
      out.mode = visitor->GetActivityMode();
      out.state = visitor->GetActivityState();
      out.outAt = visitor->GetPosition();
      *meal = out;
      return true;
    }
    return false;
  }

  int32_t LedgerTotal(GameSession& session, int32_t kind) const {
    int32_t total = 0;
    for (const LedgerRecord& record : session.game->ledgerRecords->Records()) {
      if (record.kind == kind) total += record.amount;
    }
    return total;
  }

  // The pause menu's save and load page, from the game bar's menu.
  void OpenSaveLoadPage(GameSession& session) {
    Click(session, {kGameMenuButton, kPauseButton, kPauseLoadSave});
    ASSERT_TRUE(session.Shown(kSaveLoadPage));
  }

  // Saves from the page; the new game's scene file.
  fs::path SaveFromPage(GameSession& session) {
    const size_t before = session.game->savedGames.size();
    EXPECT_TRUE(session.ClickElement(kSaveButton));
    EXPECT_EQ(session.game->savedGames.size(), before + 1);
    if (session.game->savedGames.size() != before + 1) return {};
    return HostPath(session.game->savedGames.back());
  }

  void Play();

  // Both sessions play in it: the second loads what the first saved.
  ParkCopy park;
};

class WindowedFullPlayThrough : public FullPlayThrough {
 protected:
  plat::WindowBackend Backend() const override { return plat::WindowBackend::Live; }
};

void FullPlayThrough::Play() {
  std::unique_ptr<GameSession> first = Start();
  if (!first->Started() && Backend() == plat::WindowBackend::Live) GTEST_SKIP() << "no display";
  ASSERT_TRUE(first->Started());
  GameSession& session = *first;
  VAvazadOvurUrovi& game = *session.game;
  ASSERT_NE(game.GetAiManager(), nullptr);
  ASSERT_NE(game.terrain, nullptr);

  // A free game from the main menu, on the started park.
  game.PostCommand(-1, kMainMenu, kCmdShowPage, kNewGameButton, 0);
  ASSERT_TRUE(session.Frame());
  Picture(session, "main-menu");
  Click(session, {kNewGameButton});
  Picture(session, "new-game-menu");
  Click(session, {kFreePlayButton});
  ASSERT_EQ(game.playMode, 1);
  EXPECT_EQ(game.simulationHalted, 0);
  ASSERT_FALSE(game.placedObjects.Objects().empty()) << "the started park";
  ASSERT_TRUE(session.RunUntil([&] { return game.firstVisitorsNoticeGiven != 0; }, kFirstVisitorsFrames));
  Picture(session, "first-visitors-notice");
  Click(session, {kNoticeCloseButton});
  EXPECT_EQ(game.modalScreenOpen, 0);
  Picture(session, "park");
  const int32_t cashAtStart = game.cash;
  const size_t objectsAtStart = game.placedObjects.Objects().size();

  // The stall from the build book, set down near the park's paths.
  Click(session, {kBuildBookButton});
  ASSERT_EQ(game.buildBookOpen, 1);
  Picture(session, "build-book");
  Click(session, {kStallBuyButton});
  ASSERT_EQ(game.placingItem, 1);
  ASSERT_EQ(game.placementPreview->id.Std(), kStallItem);
  StallSite site;
  ASSERT_TRUE(FindStallSite(session, &site));
  ASSERT_TRUE(session.RightClickOnCell(site.cell.first, site.cell.second));
  ASSERT_EQ(game.placedObjects.Objects().size(), objectsAtStart + 1);
  const CAttraction& stall = *game.placedObjects.Objects().back();
  EXPECT_EQ(stall.id.Std(), kStallItem);
  EXPECT_EQ(game.cash, cashAtStart - stall.buildCost);
  EXPECT_EQ(LedgerTotal(session, ledger::kBuild), stall.buildCost);
  Cell gate;
  ASSERT_TRUE(CHeightMapHandlerClass::WorldToCell(stall.gatePosition.x, stall.gatePosition.y, stall.gatePosition.z,
                                                  gate.first, gate.second));
  ASSERT_EQ(gate, site.join.front()) << "the stall's gate";

  // A footpath from the game bar's path tool, one cell a right click, from
  // the stall's gate to the park's paths.
  Click(session, {kPathBarButton, kPathTool});
  ASSERT_EQ(game.layingPath, 1);
  for (const Cell& cell : site.join) {
    ASSERT_TRUE(session.RightClickOnCell(cell.first, cell.second));
    EXPECT_TRUE(session.IsPathCell(cell.first, cell.second)) << cell.first << "," << cell.second;
  }
  EXPECT_TRUE(ParkPaths(session).count(gate)) << "the path joins the stall to the park";
  session.Click(GameSession::kMiddleButton);  // the tool goes away

  // The ticket four steps dearer, from the finance overview.
  Click(session, {kFinanceButton, REraduzizSummaryScreen::kTicketId});
  ASSERT_TRUE(session.Shown(kTicketWindow));
  for (int n = 0; n < kTicketRaises; ++n) Click(session, {kTicketRaise});
  Picture(session, "ticket");
  Click(session, {REraduzizTicketScreen::kOkId});
  EXPECT_EQ(game.entrancePrice, VAvazadOvurUrovi::kEntrancePriceStart + kTicketRaises);

  // A cleaner and an engineer hired from the management window.
  // Visitors may pay at the gate meanwhile: their tickets are counted in.
  const int32_t cashBeforeStaff = game.cash;
  const int32_t ticketsBeforeStaff = LedgerTotal(session, ledger::kTicket);
  Click(session, {kManagementButton});
  ASSERT_TRUE(session.Shown(kStaffWindow));
  Click(session, {kHireCleaner, kHireEngineer});
  Picture(session, "staff");
  Click(session, {REraduzizStaffScreen::kCommitId});
  EXPECT_FALSE(session.Shown(kStaffWindow));
  const int32_t wages = REraduzizStaffScreen::kPrices[0] + REraduzizStaffScreen::kPrices[2];
  const int32_t ticketsMeanwhile = LedgerTotal(session, ledger::kTicket) - ticketsBeforeStaff;
  EXPECT_EQ(game.cash, cashBeforeStaff - wages + ticketsMeanwhile);
  EXPECT_EQ(game.placedCharacters.size(), 2u);
  CPorvikAiClass& manager = *game.GetAiManager();
  for (const PlacementRecord& hired : game.placedCharacters) EXPECT_NE(manager.FindCharacterById(hired.id), nullptr);

  // The fast game: visitors pay the new price at the gate, ride and go home.
  Click(session, {kSpeedButton});
  Picture(session, "speed");
  Click(session, {kFastSpeedButton, kSpeedButton});
  EXPECT_EQ(game.gameSpeed, 4);
  VisitorRecord visitors;
  const auto visited = [&] {
    WatchVisitors(session, visitors);
    return RideUses(session) > 0 && !visitors.left.empty() && LedgerTotal(session, ledger::kTicket) > 0;
  };
  EXPECT_TRUE(session.RunUntil(visited, kVisitFrames, kParkFrameMs))
      << visitors.seen.size() << " visitors seen, " << RideUses(session) << " rides, " << visitors.left.size()
      << " left; the ledger's kinds:" << LedgerTotals(session) << "; states:" << [&] {
           std::string text;
           for (int32_t state : visitors.states) text += " " + std::to_string(state);
           return text;
         }();

  const auto lastTicket = std::find_if(game.ledgerRecords->Records().rbegin(), game.ledgerRecords->Records().rend(),
                                       [](const LedgerRecord& record) { return record.kind == ledger::kTicket; });
  ASSERT_NE(lastTicket, game.ledgerRecords->Records().rend());
  EXPECT_EQ(lastTicket->amount, game.entrancePrice);

  // The finance overview and the day's statistics. The overview shows the
  // ticket income as it stood when it opened; visitors may still pay at the
  // gate while the player clicks.
  const int32_t ticketsBefore = LedgerTotal(session, ledger::kTicket);
  Click(session, {kFinanceButton});
  ASSERT_TRUE(session.Shown(kFinancePage));
  const int32_t ticketsAfter = LedgerTotal(session, ledger::kTicket);
  bool shown = false;
  for (int32_t tickets = ticketsBefore; tickets <= ticketsAfter; tickets += game.entrancePrice) {
    shown = shown || Text(session, kTicketIncomeText) == std::to_string(tickets) + " ";
  }
  EXPECT_TRUE(shown) << Text(session, kTicketIncomeText) << " shown, " << ticketsBefore << " to " << ticketsAfter
                     << " booked";
  Picture(session, "finance");
  Click(session, {kStatisticsButton});
  ASSERT_TRUE(session.Shown(kStatisticsPage));
  ASSERT_TRUE(session.ChooseComboEntry(REraduzizStatisticScreen::kMonthListId, game.gameDate.month));
  ASSERT_TRUE(session.ChooseComboEntry(REraduzizStatisticScreen::kDayListId, game.gameDate.day));
  const CGuiChart& chart = *game.statisticScreen->chart;
  ASSERT_FALSE(chart.GetSeries().empty());
  float charted = 0;
  for (const auto& [hour, amount] : chart.GetSeries()[0].points) charted += amount;
  EXPECT_GT(charted, 0.0f) << "the day's tickets";
  Picture(session, "statistics");
  Click(session, {REraduzizStatisticScreen::kCloseId});

  // The fast game goes on: a visitor whose choice of a ride fails goes for
  // food, walks the new path to the stall, pays for a meal and comes out by
  // the stall's exit fed and with its litter, and later goes home.
  std::map<int32_t, Meal> eating;
  Meal meal;
  ASSERT_TRUE(session.RunUntil([&] { return WatchMeals(session, stall, eating, &meal); }, kVisitFrames, kParkFrameMs))
      << "nobody ate at the stall; the ledger's kinds:" << LedgerTotals(session);
  Picture(session, "stall-visitors");
  EXPECT_GT(UsesOf(session, stall), 0);
  // Visitors who went in together pay in the same frame: the meal is one
  // of the sales of the day.
  const int32_t price = meal.moneyBefore - meal.moneyAfter;
  EXPECT_TRUE(std::any_of(game.ledgerRecords->Records().begin(), game.ledgerRecords->Records().end(),
                          [&](const LedgerRecord& record) {
                            return record.kind == ledger::kRestaurantMeal && record.amount == price &&
                                   record.month == game.gameDate.month && record.day == game.gameDate.day;
                          }))
      << "the meal's price, " << price << ", paid into the park";
  EXPECT_EQ(meal.fedAfter, std::min<int16_t>(kFullValue, meal.fedBefore + kMealFeeds));
  EXPECT_TRUE(meal.litter);
  EXPECT_EQ(meal.mode, 0);
  EXPECT_EQ(meal.state, REraduzizVisitor::kStateDecideAgain);
  EXPECT_LT(plat::Vec3LengthOf(meal.outAt - stall.exitPosition), kNearExit) << "out by the stall's exit";
  EXPECT_TRUE(
      session.RunUntil([&] { return manager.FindCharacterById(meal.visitor) == nullptr; }, kVisitFrames, kParkFrameMs))
      << "the visitor who ate never went home";

  // Saved from the pause menu, then the quit.
  OpenSaveLoadPage(session);
  Picture(session, "save-load");
  const fs::path savedA = SaveFromPage(session);
  ASSERT_FALSE(savedA.empty());
  const size_t objectsSaved = game.placedObjects.Objects().size();
  const int32_t cashSaved = game.cash;
  Click(session, {kSaveLoadBack});
  Picture(session, "pause-menu");
  Click(session, {kQuitFromPauseMenu});
  EXPECT_TRUE(session.RunUntil([&] { return session.quit; }, kCommandFrames));
  EXPECT_EQ(session.exitCode, 0);
  first.reset();

  // Started again: the saved game from the main menu's save and load page,
  // and at once saved again.
  std::unique_ptr<GameSession> second = Start();
  ASSERT_TRUE(second->Started());
  GameSession& again = *second;
  VAvazadOvurUrovi& loaded = *again.game;
  loaded.PostCommand(-1, kMainMenu, kCmdShowPage, kNewGameButton, 0);
  ASSERT_TRUE(again.Frame());
  Click(again, {kMainMenuLoadSave});
  ASSERT_TRUE(again.Shown(kSaveLoadPage));
  const auto listed = std::find_if(loaded.savedGames.begin(), loaded.savedGames.end(),
                                   [&](const EngineString& path) { return HostPath(path) == savedA; });
  ASSERT_NE(listed, loaded.savedGames.end()) << savedA;
  const auto index = size_t(listed - loaded.savedGames.begin());
  ASSERT_LT(index, std::size(kSaveRows)) << "the saved game shows in the first rows";
  // From the load to the second save the player's clicks take no park
  // time: the park must come back as it was, not as it went on.
  Click(again, {kSaveRows[index]});
  again.frameMs = 0;
  Click(again, {kLoadButton});
  EXPECT_FALSE(again.Shown(kSaveLoadPage));
  EXPECT_EQ(loaded.playMode, 1);
  EXPECT_EQ(loaded.placedObjects.Objects().size(), objectsSaved);
  EXPECT_EQ(loaded.cash, cashSaved);
  Picture(again, "loaded-park");
  OpenSaveLoadPage(again);
  const fs::path savedB = SaveFromPage(again);
  ASSERT_FALSE(savedB.empty());
  for (const char* extension :
       {VAvazadOvurUrovi::kSceneExtension, VAvazadOvurUrovi::kParkExtension, VAvazadOvurUrovi::kAiExtension}) {
    const std::string a = FileBytes(Companion(savedA, extension));
    const std::string b = FileBytes(Companion(savedB, extension));
    ASSERT_FALSE(a.empty()) << extension;
    EXPECT_TRUE(a == b) << extension << " differs: " << a.size() << " and " << b.size() << " bytes, first at byte "
                        << size_t(std::mismatch(a.begin(), a.end(), b.begin(), b.end()).first - a.begin());
  }

  // A scenario from the pause menu's new game: its park, its money and its
  // clock of months.
  again.frameMs = GameSession::kFrameMs;
  Click(again, {kSaveLoadBack, kPauseNewGame, kScenariosButton});
  Picture(again, "scenarios");
  plat::ClearMessageBoxes();
  Click(again, {kFirstScenarioStart});
  EXPECT_TRUE(plat::RecordedMessageBoxes().empty()) << plat::RecordedMessageBoxes().front().text;
  ASSERT_EQ(loaded.scenarioRunning, 1);
  ASSERT_NE(loaded.scenarios, nullptr);
  EXPECT_EQ(loaded.scenarios->current, kHarbourFeast);
  EXPECT_EQ(loaded.cash, loaded.scenarios->GetStartingCost(kHarbourFeast));
  EXPECT_EQ(loaded.simulationHalted, 0);
  EXPECT_NE(loaded.FindObjectByName(kHarbourFeastRide), nullptr) << "the scenario's park";
  EXPECT_EQ(loaded.FindObjectByName(kHarbourFeastGoal), nullptr) << "the goal is still to build";
  ASSERT_TRUE(again.Frame());
  Picture(again, "scenario-park");
}

}  // namespace

TEST_F(FullPlayThrough, APlayerRunsAParkFromANewGameToItsReloadedSave) { Play(); }

TEST_F(WindowedFullPlayThrough, APlayerRunsAParkFromANewGameToItsReloadedSave) { Play(); }
