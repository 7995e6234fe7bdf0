// The main object's scenarios: the catalogue's loading step, the game clock
// and the goal check of the running scenario.
//
// The clock runs at 60 game seconds per real second at speed 1 and in
// proportion at other speeds, whatever the frame rate: each frame adds its
// elapsed milliseconds times the speed to a carry and takes whole game
// seconds out of it.
//
// Each goal belongs to a fixed scenario index: 0 a building, 1 three VIP
// visitors, 2 contented visitors. Other indices run without a goal.
#include <cstdint>

#include "app/VAvazadOvurUrovi.h"
#include "characters/CPorvikAiClass.h"
#include "park/scenarios/CPorvikScenarios.h"
#include "platform/os/Clock.h"
#include "platform/os/DebugOutput.h"
#include "screens/REraduzizMessageWindow.h"
#include "screens/REraduzizScenarioWindow.h"
#include "world/objects/PlacedObjectLookup.h"

namespace {

constexpr const char* kScenariosFile = "\\Scenes\\scenarios\\scenarios_NL.xml";

// Clock rate: game seconds per real second at speed 1. The carry counts
// real milliseconds times speed times this rate, so a game second is 1000.
constexpr int64_t kGameSecondsPerRealSecond = 60;
constexpr int64_t kMsPerSecond = 1000;
// A longer frame (a stall, a window drag) counts as this long, so that the
// park's day does not jump.
constexpr uint32_t kMaxFrameMs = 250;

constexpr int32_t kSecondsPerMinute = 60;
constexpr int32_t kMinutesPerHour = 60;
constexpr int32_t kHoursPerDay = 24;
constexpr int32_t kDaysPerMonth = 30;
constexpr int32_t kMonthsPerYear = 12;

constexpr int32_t kBuildingScenario = 0;
constexpr int32_t kVipScenario = 1;
constexpr int32_t kVisitorsScenario = 2;
constexpr const char* kBuildingGoal = "Building";
constexpr const char* kVipGoal = "VIPVisitors";
constexpr const char* kVisitorsGoal = "Visitors";

// The VIP visitors the goal asks for, and the picked-item kind of each with
// the text that announces it.
constexpr int32_t kVipsToFind = 3;
struct VipAnnouncement {
  int32_t kind;
  int32_t textId;
};
constexpr VipAnnouncement kVipAnnouncements[] = {{1, 100175}, {5, 100174}, {4, 100176}};

// The visitors' average mood below which the visitors goal is lost.
constexpr int32_t kContentedMood = 60;

// The message of a decided scenario: page 10391, no callback.
constexpr int32_t kMessageKind = 0;

// One game second on: the second counter and every unit it rolls over.
void AdvanceGameSecond(VAvazadOvurUrovi& game) {
  ++game.gameSecond;
  if (game.gameSecond >= kSecondsPerMinute) {
    game.previousMinute = game.gameMinute;
    ++game.gameMinute;
    game.gameSecond = 0;
  }
  if (game.gameMinute >= kMinutesPerHour) {
    game.previousHour = game.gameHour;
    ++game.gameHour;
    game.previousMinute = kMinutesPerHour - 1;
    game.gameMinute = 0;
  }
  if (game.gameHour < kHoursPerDay) return;
  ++game.gameDate.day;
  game.previousHour = kHoursPerDay;
  game.gameHour = 0;
  if (game.gameDate.day > kDaysPerMonth) {
    game.previousDay = game.gameDate.day;
    game.previousMonth = game.gameDate.month;
    ++game.gameDate.month;
    game.gameDate.day = 1;
    if (game.scenarioRunning) ++game.scenarioMonths;
  }
  if (game.gameDate.month > kMonthsPerYear) {
    game.previousMonth = game.gameDate.month;
    game.previousYear = game.gameDate.year;
    ++game.gameDate.year;
    game.gameDate.month = 1;
    game.AddStatisticItems();
  }
}

void AdvanceGameClock(VAvazadOvurUrovi& game) {
  const uint32_t now = plat::TickCount();
  uint32_t elapsed = now - game.lastClockTick;
  game.lastClockTick = now;
  if (elapsed > kMaxFrameMs) elapsed = kMaxFrameMs;
  // Stopped, the clock banks no time for later.
  if (game.gameSpeed > 0) {
    game.clockCarry += int64_t(elapsed) * game.gameSpeed * kGameSecondsPerRealSecond;
    for (; game.clockCarry >= kMsPerSecond; game.clockCarry -= kMsPerSecond) AdvanceGameSecond(game);
  }
  game.secondBefore = game.shownSecond;
  game.shownSecond = game.gameSecond;
}

void ShowScenarioMessage(VAvazadOvurUrovi& game, const EngineString& text) {
  if (game.messageWindow) game.messageWindow->Show(text, kMessageKind, nullptr, REraduzizMessageWindow::kNoTag);
}

// The scenario is over: its result goes into the catalogue, the player
// reads the text, and closing it leads back to the scenario window.
void DecideScenario(VAvazadOvurUrovi& game, int32_t index, bool won, const EngineString& text) {
  game.returnToScenario = 1;
  game.scenarioRunning = 0;
  game.scenarios->SetFinished(index, true);
  game.scenarios->SetSucceeded(index, won);
  ShowScenarioMessage(game, text);
  if (game.scenarioWindow) game.scenarioWindow->RefreshGoals();
}

void Win(VAvazadOvurUrovi& game, int32_t index, const EngineString& text) { DecideScenario(game, index, true, text); }

void Lose(VAvazadOvurUrovi& game, int32_t index) {
  DecideScenario(game, index, false, game.scenarios->GetNoRewardText(index));
}

bool TimeIsUp(const VAvazadOvurUrovi& game, int32_t index) {
  return game.scenarioMonths > game.scenarios->GetTimeLimit(index);
}

// The building is looked for when the player has taken an item from the
// book or set one down, and once the time is up: a building that stands
// then wins, however it came there.
void CheckBuildingGoal(VAvazadOvurUrovi& game) {
  const int32_t index = kBuildingScenario;
  if (game.scenarios->GetGoalType(index) == kBuildingGoal && (game.buildItemSelected || TimeIsUp(game, index))) {
    if (FindObjectByName(game.placedObjects.Objects(), game.scenarios->GetBuildingName(index))) {
      Win(game, index, game.scenarios->GetRewardText(index));
    } else if (TimeIsUp(game, index)) {
      Lose(game, index);
    }
  }
  game.buildItemSelected = 0;
}

// The announcement of a VIP kind; an unknown kind has none.
EngineString VipAnnouncementText(VAvazadOvurUrovi& game, int32_t kind) {
  for (const VipAnnouncement& announcement : kVipAnnouncements) {
    if (announcement.kind == kind) return game.GetText(announcement.textId);
  }
  return EngineString();
}

// One found VIP visitor is announced per frame, in the order found; the
// last one's announcement carries the reward.
void CheckVipGoal(VAvazadOvurUrovi& game) {
  const int32_t index = kVipScenario;
  if (game.scenarios->GetGoalType(index) != kVipGoal) return;
  const int32_t limit = game.scenarios->GetTimeLimit(index);
  if (game.scenarioMonths > limit) {
    Lose(game, index);
    return;
  }
  if (game.scenarioMonths == limit) return;
  const auto found = static_cast<int32_t>(game.foundVipKinds.size());
  if (found <= game.vipMilestone) return;
  EngineString text = VipAnnouncementText(game, game.foundVipKinds[static_cast<size_t>(game.vipMilestone)]);
  if (game.vipMilestone + 1 < kVipsToFind) {
    ShowScenarioMessage(game, text);
    ++game.vipMilestone;
    return;
  }
  text += "\n";
  text += game.scenarios->GetRewardText(index);
  game.vipMilestone = 0;
  Win(game, index, text);
}

// Contented visitors (an average mood of at least 60) until the time is up;
// an empty park decides nothing.
void CheckVisitorsGoal(VAvazadOvurUrovi& game) {
  const int32_t index = kVisitorsScenario;
  if (game.scenarios->GetGoalType(index) != kVisitorsGoal || game.visitorCount <= 0) return;
  const auto averageMood = int32_t(double(game.moodTotals.moodSum) / double(game.visitorCount));
  if (averageMood < kContentedMood) {
    Lose(game, index);
  } else if (TimeIsUp(game, index)) {
    Win(game, index, game.scenarios->GetRewardText(index));
  }
}

}  // namespace

void VAvazadOvurUrovi::InitScenarios() {
  plat::OutputDebugString("Init CPorvikScenarios\n");
  scenarios = new CPorvikScenarios;
  scenarios->LoadDescriptorFile(baseDirectory + EngineString(kScenariosFile));
  if (scenarioWindow) scenarioWindow->FillGoals();
}

void VAvazadOvurUrovi::StartScenarioGoals() {
  scenarioRunning = 1;
  scenarioMonths = 0;
  vipMilestone = 0;
  lastClockTick = plat::TickCount();
  clockCarry = 0;
}

void VAvazadOvurUrovi::CountScenarioMonths(const GameDate& before) {
  const int32_t moved = (gameDate.year - before.year) * kMonthsPerYear + gameDate.month - before.month;
  if (scenarioRunning && moved > 0) scenarioMonths += moved;
}

void VAvazadOvurUrovi::CheckScenarioGoals() {
  AdvanceGameClock(*this);
  if (const CPorvikAiClass* manager = GetAiManager()) visitorCount = manager->GetVisitorCount();
  if (!scenarioRunning || !scenarios) return;
  switch (scenarios->current) {
    case kBuildingScenario:
      CheckBuildingGoal(*this);
      break;
    case kVipScenario:
      CheckVipGoal(*this);
      break;
    case kVisitorsScenario:
      CheckVisitorsGoal(*this);
      break;
    default:
      break;
  }
}
