// The game clock and the scenario goals over a main object with the demo
// park's GUI (for the texts and the message window) and a fake clock.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <memory>
#include <string>

#include "app/VAvazadOvurUrovi.h"
#include "characters/CVisitorPark.h"
#include "engine/core/XmlNode.h"
#include "gui/widgets/CGuiTextBox.h"
#include "park/ledger/CLedgerRecordList.h"
#include "park/objects/CAttraction.h"
#include "park/scenarios/CPorvikScenarios.h"
#include "platform/os/Clock.h"
#include "platform/os/Path.h"
#include "screens/REraduzizMessageWindow.h"

namespace {

namespace fs = std::filesystem;

constexpr const char* kBuilding = "restaurant_de_tarrowby";

// The three goals at the indices that own them, and a fourth without one.
constexpr const char* kScenarios = R"(<ScenarioDescriptor><DataDictionary>
  <Scenario name="Build"><DataField><type value="Building" buildingName="restaurant_de_tarrowby"/>
    <time value="4"/><reward value="built"/><noreward value="not built"/></DataField></Scenario>
  <Scenario name="VIP"><DataField><type value="VIPVisitors"/>
    <time value="3"/><reward value="all found"/><noreward value="not found"/></DataField></Scenario>
  <Scenario name="Happy"><DataField><type value="Visitors"/>
    <time value="6"/><reward value="happy"/><noreward value="unhappy"/></DataField></Scenario>
  <Scenario name="Free"><DataField><type value="Visitors"/><time value="0"/></DataField></Scenario>
</DataDictionary></ScenarioDescriptor>)";

enum class Outcome { Running, Won, Lost };

const char* Name(Outcome outcome) {
  switch (outcome) {
    case Outcome::Running:
      return "running";
    case Outcome::Won:
      return "won";
    case Outcome::Lost:
      return "lost";
  }
  return "";
}

class ScenarioGoalsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    plat::SetClock(&clock);
    const fs::path previous = fs::current_path();
    fs::current_path(HALVENOR_PARK_DIR);
    plat::ClearPathCache();
    game = std::make_unique<VAvazadOvurUrovi>();
    game->LoadStringTable(game->baseDirectory + "\\GuiFiles\\langFile.gui.nl");
    game->CreateGui();
    game->CreateScreens();
    fs::current_path(previous);
    plat::ClearPathCache();
    game->scenarios = new CPorvikScenarios;
    game->scenarios->LoadFromNode(XmlNode::ParseString(kScenarios, "ScenarioDescriptor"));
  }
  void TearDown() override {
    game.reset();
    plat::SetClock(nullptr);
  }

  void Start(int32_t index) {
    game->scenarios->SetCurrent(index);
    game->StartScenarioGoals();
  }

  // Frames at the rate for a while of real time; each frame's tick is the
  // millisecond the frame falls on.
  void RunFrames(int32_t framesPerSecond, int32_t frames) {
    for (int32_t k = 1; k <= frames; ++k) {
      const auto due = uint32_t(std::lround(double(k) * 1000.0 / framesPerSecond));
      const auto before = uint32_t(std::lround(double(k - 1) * 1000.0 / framesPerSecond));
      clock.AdvanceMs(due - before);
      game->CheckScenarioGoals();
    }
  }
  // One frame a little longer than one game second at speed 1.
  void Frame() { RunFrames(60, 1); }

  void PlaceBuilding(const char* id) {
    auto object = std::make_unique<CAttraction>();
    object->id = id;
    game->placedObjects.Place(std::move(object));
  }

  // The park's clock moved on to the morning of the date, as its closing
  // for the night moves it.
  void JumpTo(const GameDate& date) {
    CVisitorPark::Clock clock = CVisitorPark::Get()->GetClock();
    clock.year = date.year;
    clock.month = date.month;
    clock.day = date.day;
    CVisitorPark::Get()->SetClock(clock);
  }

  // A building set down as the player sets down what the book sold.
  void SetDown(const char* id) {
    CAttraction item;
    item.id = id;
    ASSERT_NE(game->PlaceBuildItem(item), nullptr);
  }

  Outcome OutcomeOf(int32_t index) const {
    const ScenarioRecord* record = game->scenarios->GetRecord(index);
    if (!record->finished) return Outcome::Running;
    return record->succeeded ? Outcome::Won : Outcome::Lost;
  }

  std::string Message() const {
    std::string text;
    for (const EngineString& line : game->messageWindow->textKind0->GetLines()) text += line.Std() + " ";
    return text;
  }

  // A park without buildings, no result recorded and no message open.
  void Fresh() {
    if (game->messageWindowOpen) CloseMessage();
    game->returnToScenario = 0;
    game->placedObjects.RemoveAllObjects();
    for (auto& record : game->scenarios->records) record->finished = record->succeeded = false;
  }

  void CloseMessage() {
    game->PostCommand(REraduzizMessageWindow::kCloseKind0, -1, kCmdClick, 0, 0);
    game->RunQueuedGuiCommands();
    game->RemoveDoneGuiCommands();
  }

  // Expects the scenario decided with the text shown, or still running.
  void ExpectOutcome(int32_t index, Outcome expected, const std::string& text = "") {
    EXPECT_EQ(Name(OutcomeOf(index)), std::string(Name(expected)));
    const bool decided = expected != Outcome::Running;
    EXPECT_EQ(game->scenarioRunning, decided ? 0 : 1);
    EXPECT_EQ(game->returnToScenario, decided ? 1 : 0);
    if (decided) {
      EXPECT_EQ(game->messageWindowOpen, 1);
      EXPECT_NE(Message().find(text), std::string::npos) << Message();
    }
  }

  plat::FakeClock clock;
  std::unique_ptr<VAvazadOvurUrovi> game;
};

struct ClockTime {
  int32_t year, month, day, hour, minute, second;
};

ClockTime TimeOf(const VAvazadOvurUrovi& game) {
  return {game.gameDate.year, game.gameDate.month, game.gameDate.day,
          game.gameHour,      game.gameMinute,     game.gameSecond};
}

std::string Show(const ClockTime& t) {
  char text[64];
  std::snprintf(text, sizeof text, "%d-%02d-%02d %02d:%02d:%02d", t.year, t.month, t.day, t.hour, t.minute, t.second);
  return text;
}

void SetTime(VAvazadOvurUrovi& game, const ClockTime& t) {
  game.gameDate = {t.year, t.month, t.day};
  game.gameHour = t.hour;
  game.gameMinute = t.minute;
  game.gameSecond = t.second;
}

}  // namespace

TEST_F(ScenarioGoalsTest, TheClockRunsSixtyGameSecondsPerRealSecondTimesTheSpeedAtAnyFrameRate) {
  // From the last second of the last day of the year, one real second on.
  struct After {
    int32_t speed;
    ClockTime time;
  };
  const After afterOneSecond[] = {
      {0, {2031, 12, 30, 23, 59, 59}},
      {1, {2032, 1, 1, 0, 0, 59}},
      {4, {2032, 1, 1, 0, 3, 59}},
  };
  for (int32_t fps : {30, 60, 144}) {
    for (const After& after : afterOneSecond) {
      SCOPED_TRACE("fps " + std::to_string(fps) + " speed " + std::to_string(after.speed));
      SetTime(*game, {2031, 12, 30, 23, 59, 59});
      game->previousDay = game->previousMonth = game->previousHour = game->previousMinute = 0;
      Start(3);
      game->gameSpeed = after.speed;
      RunFrames(fps, fps);
      EXPECT_EQ(Show(TimeOf(*game)), Show(after.time));
      if (after.speed == 0) continue;
      EXPECT_EQ(game->previousDay, 31);
      EXPECT_EQ(game->previousMonth, 13);
      EXPECT_EQ(game->previousYear, 2031);
      EXPECT_EQ(game->previousHour, 24);
      EXPECT_EQ(game->previousMinute, after.speed == 1 ? 59 : 2);
      EXPECT_EQ(game->scenarioMonths, 1);
      EXPECT_EQ(game->shownSecond, game->gameSecond);
    }
  }
}

TEST_F(ScenarioGoalsTest, EachUnitRollsOverIntoTheNextWithItsPreviousValue) {
  struct Case {
    ClockTime before;
    ClockTime after;
    int32_t previousMinute, previousHour;
  };
  const Case cases[] = {
      {{2031, 5, 12, 10, 15, 58}, {2031, 5, 12, 10, 15, 59}, 0, 0},
      {{2031, 5, 12, 10, 15, 59}, {2031, 5, 12, 10, 16, 0}, 15, 0},
      {{2031, 5, 12, 10, 59, 59}, {2031, 5, 12, 11, 0, 0}, 59, 10},
      {{2031, 5, 12, 23, 59, 59}, {2031, 5, 13, 0, 0, 0}, 59, 24},
      {{2031, 5, 30, 23, 59, 59}, {2031, 6, 1, 0, 0, 0}, 59, 24},
  };
  for (const Case& c : cases) {
    SetTime(*game, c.before);
    game->previousMinute = game->previousHour = 0;
    game->lastClockTick = plat::TickCount();
    game->clockCarry = 0;
    Frame();
    EXPECT_EQ(Show(TimeOf(*game)), Show(c.after)) << Show(c.before);
    EXPECT_EQ(game->previousMinute, c.previousMinute) << Show(c.before);
    EXPECT_EQ(game->previousHour, c.previousHour) << Show(c.before);
  }
  // Outside a scenario the months are not counted.
  EXPECT_EQ(game->scenarioMonths, 0);
  EXPECT_EQ(game->previousDay, 31);
  EXPECT_EQ(game->previousMonth, 5);
}

TEST_F(ScenarioGoalsTest, ANewYearCreatesItsLedgerRecords) {
  SetTime(*game, {game->systemYear, 12, 30, 23, 59, 59});
  const size_t before = game->ledgerRecords->Records().size();
  Frame();
  ASSERT_EQ(game->gameDate.year, game->systemYear + 1);
  const auto& records = game->ledgerRecords->Records();
  ASSERT_GT(records.size(), before);
  EXPECT_EQ(records.back().year, game->systemYear + 1);
}

TEST_F(ScenarioGoalsTest, TheBuildingGoalIsWonByTheBuildingAndLostWhenTheTimeIsUpWithoutIt) {
  struct Case {
    const char* name;
    bool selected;
    const char* placed;
    int32_t months;
    Outcome outcome;
  };
  const Case cases[] = {
      {"empty park", false, nullptr, 0, Outcome::Running},
      {"not yet looked for", false, kBuilding, 0, Outcome::Running},
      {"found after a selection", true, kBuilding, 0, Outcome::Won},
      {"another building", true, "bufe_zarp", 2, Outcome::Running},
      {"time limit reached, not passed", true, nullptr, 4, Outcome::Running},
      {"time up without a selection", false, nullptr, 5, Outcome::Lost},
      {"time up with the building standing", false, kBuilding, 5, Outcome::Won},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Fresh();
    if (c.placed) PlaceBuilding(c.placed);
    Start(0);
    game->scenarioMonths = c.months;
    game->buildItemSelected = c.selected;
    Frame();
    ExpectOutcome(0, c.outcome, c.outcome == Outcome::Won ? "built" : "not built");
    EXPECT_EQ(game->buildItemSelected, 0);
  }
}

TEST_F(ScenarioGoalsTest, TheBuildingGoalLooksForTheBuildingInTheFrameAfterAnyIsSetDown) {
  // Taken from the book, the building does not stand yet; set down, it
  // wins at once, without another item taken from the book.
  struct Case {
    const char* setDown;
    Outcome outcome;
  };
  const Case cases[] = {{kBuilding, Outcome::Won}, {"bufe_zarp", Outcome::Running}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.setDown);
    Fresh();
    Start(0);
    game->buildItemSelected = 1;
    Frame();
    ExpectOutcome(0, Outcome::Running);
    SetDown(c.setDown);
    Frame();
    ExpectOutcome(0, c.outcome, "built");
    EXPECT_EQ(game->buildItemSelected, 0);
  }
}

// The park closes in the evening and its clock jumps to the next morning,
// past the goal check's midnight: a month that jump starts is a month of
// the scenario all the same.
TEST_F(ScenarioGoalsTest, TheParksJumpToTheNextMorningCountsTheMonthsItStarts) {
  struct Case {
    const char* name;
    bool running;
    GameDate from;
    GameDate to;
    int32_t months;
  };
  const Case cases[] = {
      {"within the month", true, {2031, 4, 12}, {2031, 4, 13}, 0},
      {"into the next month", true, {2031, 4, 30}, {2031, 5, 1}, 1},
      {"into the next year", true, {2031, 12, 30}, {2032, 1, 1}, 1},
      {"without a scenario", false, {2031, 4, 30}, {2031, 5, 1}, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    game->scenarioRunning = c.running;
    game->scenarioMonths = 0;
    game->gameDate = c.from;
    JumpTo(c.to);
    EXPECT_EQ(game->scenarioMonths, c.months);
  }

  // The building scenario's last month ends overnight: it is lost.
  Fresh();
  Start(0);
  game->scenarioMonths = game->scenarios->GetTimeLimit(0);
  game->gameDate = {2031, 8, 30};
  JumpTo({2031, 9, 1});
  Frame();
  ExpectOutcome(0, Outcome::Lost, "not built");
}

TEST_F(ScenarioGoalsTest, AGoalIsCheckedOnlyAtItsOwnIndexWithItsOwnType) {
  // Goals whose time is up everywhere; none of these decides anything.
  game->scenarios->records[0]->type = "building";
  for (int32_t index : {-1, 0, 3}) {
    Start(index);
    game->scenarioMonths = 99;
    game->visitorCount = 10;
    Frame();
    EXPECT_EQ(game->scenarioRunning, 1) << index;
  }
  game->scenarioRunning = 0;
  Start(1);
  game->scenarioRunning = 0;
  game->scenarioMonths = 99;
  Frame();
  EXPECT_EQ(OutcomeOf(1), Outcome::Running);
}

TEST_F(ScenarioGoalsTest, ThreeFoundVipVisitorsAreAnnouncedOneByOneAndWinTheScenario) {
  Start(1);
  Frame();
  EXPECT_EQ(game->messageWindowOpen, 0);
  const struct {
    int32_t kind;
    const char* announcement;
  } found[] = {{5, "famous singer"}, {1, "film star"}, {4, "football champion"}};
  for (const auto& vip : found) {
    game->foundVipKinds.push_back(vip.kind);
    Frame();
    EXPECT_EQ(game->messageWindowOpen, 1);
    EXPECT_NE(Message().find(vip.announcement), std::string::npos) << Message();
    if (game->scenarioRunning) CloseMessage();
  }
  ExpectOutcome(1, Outcome::Won, "all found");
  EXPECT_EQ(game->vipMilestone, 0);
}

TEST_F(ScenarioGoalsTest, TheVipGoalWaitsInTheLastMonthAndIsLostAfterIt) {
  Start(1);
  game->scenarioMonths = 3;
  game->foundVipKinds = {1};
  Frame();
  EXPECT_EQ(game->vipMilestone, 0);
  EXPECT_EQ(game->messageWindowOpen, 0);
  ExpectOutcome(1, Outcome::Running);
  game->scenarioMonths = 4;
  Frame();
  ExpectOutcome(1, Outcome::Lost, "not found");
}

TEST_F(ScenarioGoalsTest, StartingTheVipScenarioAgainAnnouncesFromTheFirstVisitor) {
  Start(1);
  game->foundVipKinds = {1, 5};
  Frame();
  Frame();
  EXPECT_EQ(game->vipMilestone, 2);
  // Left and started again: the new scene has no VIP found yet.
  game->foundVipKinds.clear();
  Start(1);
  CloseMessage();
  game->foundVipKinds = {4};
  Frame();
  EXPECT_EQ(game->vipMilestone, 1);
  EXPECT_NE(Message().find("football champion"), std::string::npos) << Message();
}

TEST_F(ScenarioGoalsTest, TheVisitorsGoalWantsAnAverageMoodOfSixtyUntilTheTimeIsUp) {
  struct Case {
    int32_t visitors;
    int32_t moodSum;
    int32_t months;
    Outcome outcome;
  };
  const Case cases[] = {
      {0, 0, 99, Outcome::Running},      {0, 5000, 0, Outcome::Running}, {10, 600, 6, Outcome::Running},
      {10, 600, 7, Outcome::Won},         {10, 599, 0, Outcome::Lost},    {10, 5900, 7, Outcome::Won},
      {3, 179, 2, Outcome::Lost},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.visitors) + " visitors, mood sum " + std::to_string(c.moodSum) + ", months " +
                 std::to_string(c.months));
    Fresh();
    Start(2);
    game->visitorCount = c.visitors;
    game->moodTotals.moodSum = c.moodSum;
    game->scenarioMonths = c.months;
    Frame();
    ExpectOutcome(2, c.outcome, c.outcome == Outcome::Won ? "happy" : "unhappy");
  }
}

// A headless game over the demo park's scenarios: the first played to its
// win, the second to its loss, the clock running at 60 frames per second.
TEST_F(ScenarioGoalsTest, TheDemoScenariosArePlayedToAWinAndToALoss) {
  delete game->scenarios;
  game->scenarios = nullptr;
  const fs::path previous = fs::current_path();
  fs::current_path(HALVENOR_PARK_DIR);
  plat::ClearPathCache();
  game->baseDirectory = plat::CurrentDirectory().c_str();
  game->InitScenarios();
  fs::current_path(previous);
  plat::ClearPathCache();
  CPorvikScenarios& catalog = *game->scenarios;

  // The building scenario: a few game hours pass, then the player takes the
  // goal's building from the book and sets it down: the next frame wins.
  Start(0);
  game->gameSpeed = 4;
  RunFrames(60, 600);
  ExpectOutcome(0, Outcome::Running);
  game->buildItemSelected = 1;
  Frame();
  ExpectOutcome(0, Outcome::Running);
  SetDown(catalog.GetBuildingName(0).CStr());
  Frame();
  ExpectOutcome(0, Outcome::Won, "great success");
  CloseMessage();

  // The VIP scenario: two of the three guests are found early on, the third
  // is not found before the last month of the scenario runs out.
  Start(1);
  game->returnToScenario = 0;
  for (int32_t kind : {1, 5}) {
    game->foundVipKinds.push_back(kind);
    RunFrames(60, 60);
    ExpectOutcome(1, Outcome::Running);
    CloseMessage();
  }
  EXPECT_EQ(game->vipMilestone, 2);
  SetTime(*game, {game->gameDate.year, game->gameDate.month, 30, 23, 0, 0});
  game->scenarioMonths = catalog.GetTimeLimit(1);
  RunFrames(60, 60 * 14);
  ExpectOutcome(1, Outcome::Running);
  RunFrames(60, 60 * 2);
  ExpectOutcome(1, Outcome::Lost, "without being found");
  EXPECT_EQ(game->gameDate.day, 1);
  EXPECT_TRUE(catalog.GetRecord(0)->succeeded);
  EXPECT_TRUE(catalog.GetRecord(1)->finished);
  EXPECT_FALSE(catalog.GetRecord(1)->succeeded);
}
