// A park event of halvenor met and solved with the mouse on the demo park,
// in this process: a new game fills at the normal speed until an event
// starts; its pop-up shows the event's text; the status panel's event list
// opens the event window, whose staff buttons say who solves it; the player
// picks that solver in the park, sends it from its event list, and the
// solver walks there and ends the event. It runs headless, and in a window
// with a screenshot of each of its screens.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>

#include "characters/CPorvikAiClass.h"
#include "characters/REraduzizVisitor.h"
#include "gui/widgets/CGuiGrid.h"
#include "gui/widgets/CGuiTextBox.h"
#include "park/REraduzizEventClass.h"
#include "park/events/EventRules.h"
#include "park/events/ParkEvent.h"
#include "park/objects/CAttraction.h"
#include "platform/gfx/gl/leaks/DisplayLeaks.h"
#include "screens/REraduzizRepairEventScreen.h"
#include "screens/REraduzizStaffScreen.h"
#include "screens/REraduzizSummaryScreen.h"
#include "tests/e2e/DemoGuiIds.h"
#include "tests/e2e/GameSession.h"
#include "tests/e2e/ParkCopy.h"

namespace {

using e2e::GameSession;
using namespace e2e::demo_gui;

// The status panel's list of open events, the event window and its text.
constexpr int32_t kStatusEventList = 10438;
constexpr int32_t kEventWindow = 10292;
// The message window's page and text.
constexpr int32_t kNoticePage = 10391;
constexpr int32_t kNoticeText = 10392;
// The start of every answer that names the staff who solve an event.
constexpr int32_t kStaffAnswerText = 300000;
// The management button and the staff window's hire buttons.
constexpr int32_t kManagementButton = 10070;
constexpr int32_t kStaffWindow = 10299;
// The game bar's tool that picks characters in the park with a right click.
constexpr int32_t kSelectButton = 10072;

// Events come at most every two park hours (120 s of ticks), from noon
// on; the park fills meanwhile.
constexpr uint32_t kEventWaitMs = 400000;
// The solver walks across the park and does its job.
constexpr uint32_t kSolveWaitMs = 900000;

const std::filesystem::path kScreenshots = std::filesystem::path(HALVENOR_SCREENSHOT_DIR) / "event-play-through";

// Who solves an event, as the player finds out: the staff button of the
// event window that answers it, the characters to pick in the park (the
// first that is there), and the event list page that picking one opens,
// with its send button.
struct Solver {
  bool (*accepts)(const EngineString& solution);
  int32_t answerButton;
  int32_t firstId, lastId;
  int32_t page, send;
  // The page asks first in the message window.
  bool confirms;
};

const Solver kSolvers[] = {
    {&IsMascotSolution, 10296, 2, 2, 10396, 10398, true},
    {&IsMascotSolution, 10296, 3, 3, 10400, 10401, true},
    {&IsRepairSolution, 10297, 3000, 3999, 10421, 10423, false},
    {&IsCleanerSolution, 10298, 1000, 1999, 10413, 10415, false},
};

class EventPlayThrough : public ::testing::Test {
 protected:
  virtual plat::WindowBackend Backend() const { return plat::WindowBackend::Headless; }

  // The waits for the park, in the longest frames the game takes, as a slow
  // machine draws them.
  static bool WaitFor(GameSession& session, const std::function<bool()>& done, uint32_t parkMs) {
    return session.RunUntil(done, int(parkMs / GameSession::kLongestFrameMs), GameSession::kLongestFrameMs);
  }

  static void Picture(GameSession& session, const std::string& name) {
    EXPECT_TRUE(session.KeepPicture(kScreenshots, name)) << name;
  }

  // The text box's wrapped lines joined, without the blanks the wrapping
  // may take or keep.
  static std::string BoxText(GameSession& session, int32_t id) {
    const auto* box = dynamic_cast<const CGuiTextBox*>(session.game->FindElement(id));
    if (!box) return "<missing>";
    std::string text;
    for (const EngineString& line : box->GetLines()) text += line.Std();
    return WithoutBlanks(text);
  }
  static std::string WithoutBlanks(std::string text) {
    std::erase_if(text, [](char c) { return c == ' ' || c == '\n'; });
    return text;
  }

  void Click(GameSession& session, std::initializer_list<int32_t> buttons) {
    for (int32_t button : buttons) ASSERT_TRUE(session.ClickElement(button)) << button;
  }

  // A click on the list's row, scrolled into view with the list's scroll
  // bar first.
  void ClickRow(GameSession& session, int32_t id, int32_t row, int32_t opens) {
    auto* grid = dynamic_cast<CGuiGrid*>(session.game->FindElement(id));
    ASSERT_NE(grid, nullptr) << id;
    ASSERT_GE(row, 0);
    for (int scrolls = 0; scrolls < grid->GetTotalRows() && row >= grid->GetTopRow() + grid->GetVisibleRows();
         ++scrolls) {
      CGuiVScroll* bar = grid->GetScrollBar();
      ASSERT_TRUE(bar && session.ClickWhere(*bar, [&](int32_t x, int32_t y) { return bar->InDownArrow(x, y); }));
    }
    ASSERT_TRUE(
        session.ClickWhere(*grid, [&](int32_t x, int32_t y) { return grid->RowAt(x, y) == row - grid->GetTopRow(); }));
    ASSERT_TRUE(session.Shown(opens)) << opens;
  }

  // The first character of the solver's ids in the park, or 0.
  static int32_t SolverInPark(GameSession& session, const Solver& solver) {
    CPorvikAiClass& manager = *session.game->GetAiManager();
    for (int32_t n = 0; n < manager.GetCharacterCount(); ++n) {
      const REraduzizVisitor* character = manager.GetCharacter(n);
      if (character && character->IsVisible() && character->GetId() >= solver.firstId &&
          character->GetId() <= solver.lastId) {
        return character->GetId();
      }
    }
    return 0;
  }

  static std::string Where(const plat::Vec3& at) {
    return "(" + std::to_string(at.x) + ", " + std::to_string(at.y) + ", " + std::to_string(at.z) + ")";
  }

  void Play();

  e2e::ParkCopy park;
};

class WindowedEventPlayThrough : public EventPlayThrough {
 protected:
  plat::WindowBackend Backend() const override { return plat::WindowBackend::Live; }

  void SetUp() override { park.DrawAsOnASlowMachine(); }
};

void EventPlayThrough::Play() {
  ASSERT_EQ(park.Error(), "");
  GameSession session(Backend(), park.Folder());
  if (!session.Started() && Backend() == plat::WindowBackend::Live) GTEST_SKIP() << "no display";
  ASSERT_TRUE(session.Started());
  if (session.live) plat::KeepRendererLoaded();
  ASSERT_TRUE(session.Load(true));
  VAvazadOvurUrovi& game = *session.game;
  ASSERT_NE(game.GetAiManager(), nullptr);
  ASSERT_NE(game.parkEvents, nullptr);
  REraduzizEventClass& events = *game.parkEvents;

  // A free game on the started park; a cleaner and an engineer hired.
  game.PostCommand(-1, kMainMenu, kCmdShowPage, kNewGameButton, 0);
  ASSERT_TRUE(session.Frame());
  Click(session, {kNewGameButton, kFreePlayButton});
  ASSERT_EQ(game.playMode, 1);
  ASSERT_TRUE(session.RunUntil([&] { return game.firstVisitorsNoticeGiven != 0; }, kFirstVisitorsFrames));
  Click(session, {kNoticeCloseButton, kManagementButton});
  ASSERT_TRUE(session.Shown(kStaffWindow));
  Click(session, {REraduzizStaffScreen::kPlusIds[REraduzizStaffScreen::kCleaners],
                  REraduzizStaffScreen::kPlusIds[REraduzizStaffScreen::kEngineers], REraduzizStaffScreen::kCommitId});
  EXPECT_EQ(game.placedCharacters.size(), 2u);
  // The management button opened the finance overview beside the staff.
  Click(session, {REraduzizSummaryScreen::kCloseId});
  EXPECT_EQ(game.modalScreenOpen, 0) << "every window closed";

  // The park fills at the normal speed until an event's pop-up shows; the
  // player reads it and closes it. A mascot costs points that a new park
  // has not earned: such an event stays open and the player plays on until
  // one comes that the park's staff can solve.
  ASSERT_EQ(game.gameSpeed, 1);
  ParkEvent* chosen = nullptr;
  const Solver* solver = nullptr;
  int32_t solverId = 0;
  int eventsSeen = 0;
  while (!solver) {
    const bool popup = WaitFor(
        session, [&] { return session.Shown(REraduzizEventClass::kPopupPage); }, kEventWaitMs);
    ASSERT_TRUE(popup) << eventsSeen << " events seen; " << game.GetAiManager()->GetVisitorCount() << " visitors at "
                       << game.gameHour << ":" << game.gameMinute;
    ++eventsSeen;
    ASSERT_FALSE(events.openEvents.empty());
    ParkEvent& event = *events.openEvents.back();
    ASSERT_NE(event.owner, nullptr);
    EXPECT_GT(game.GetAiManager()->GetVisitorCount(), kEventMinLiveVisitors);
    EXPECT_EQ(event.owner->eventRunning, 1);
    EXPECT_EQ(event.owner->currentEvent, &event);
    EXPECT_EQ(BoxText(session, REraduzizEventClass::kPopupText), WithoutBlanks(event.eventText.Std()));
    EXPECT_EQ(game.modalScreenOpen, 1);
    if (event.animStopNeeded == ParkEvent::kStopOwnerRun) {
      EXPECT_EQ(event.owner->isClosed, 1) << "the ride stopped";
    }
    if (eventsSeen == 1) Picture(session, "event_popup");
    Click(session, {REraduzizEventClass::kPopupCloseButton});
    EXPECT_EQ(game.modalScreenOpen, 0);
    EXPECT_EQ(events.eventBusy, 0);
    if (event.twinkleForSolution > game.points) continue;
    for (const Solver& candidate : kSolvers) {
      if (!candidate.accepts(event.solution)) continue;
      solverId = SolverInPark(session, candidate);
      if (solverId == 0) continue;
      solver = &candidate;
      chosen = &event;
      break;
    }
  }
  ParkEvent& event = *chosen;
  CAttraction& owner = *event.owner;

  // The status panel lists it; its row opens the event window with the
  // text, whose staff button for the event's solver says so.
  const auto openRow = [&] {
    const auto at = std::find(events.openEvents.begin(), events.openEvents.end(), &event);
    return at == events.openEvents.end() ? -1 : int32_t(at - events.openEvents.begin());
  };
  ClickRow(session, kStatusEventList, openRow(), kEventWindow);
  EXPECT_EQ(BoxText(session, REraduzizRepairEventScreen::kEventText), WithoutBlanks(event.eventText.Std()));
  Picture(session, "event_window");
  Click(session, {solver->answerButton});
  ASSERT_TRUE(session.Shown(kNoticePage));
  Picture(session, "event_answer");
  EXPECT_EQ(BoxText(session, kNoticeText).rfind(WithoutBlanks(game.GetText(kStaffAnswerText).Std()), 0), 0u)
      << BoxText(session, kNoticeText);
  // The answer took the event window's place.
  EXPECT_FALSE(session.Shown(kEventWindow));
  Click(session, {kNoticeCloseButton});
  EXPECT_EQ(game.modalScreenOpen, 0);

  // The solver picked in the park opens its event list, whose send button
  // dispatches it (a mascot after the player confirms its cost).
  const int32_t pointsBefore = game.points;
  Click(session, {kSelectButton});
  ASSERT_TRUE(session.ClickCharacter(solverId, GameSession::kRightButton)) << solverId;
  ASSERT_TRUE(session.Shown(solver->page))
      << solver->page << " picked " << (game.pickedCharacter ? game.pickedCharacter->GetId() : -1) << " modal "
      << int(game.modalScreenOpen) << " cursor " << game.GetCursorPosition().x << "," << game.GetCursorPosition().y;
  Picture(session, "solver_events");
  Click(session, {solver->send});
  if (solver->confirms) {
    ASSERT_TRUE(session.Shown(kNoticePage));
    Click(session, {kNoticeCloseButton});
  }
  EXPECT_EQ(openRow(), -1) << "the event left the open list";
  EXPECT_EQ(event.assigned, 1);
  EXPECT_EQ(game.points, pointsBefore - event.twinkleForSolution);

  // The solver walks to the event and solves it: the event goes idle and
  // the attraction is rid of it.
  const bool solved = WaitFor(
      session, [&] { return event.owner == nullptr; }, kSolveWaitMs);
  const REraduzizVisitor* sent = game.GetAiManager()->FindCharacterById(solverId);
  ASSERT_TRUE(solved) << event.id.Std() << ": solver " << solverId << " in state "
                      << (sent ? sent->GetActivityState() : -1) << " at "
                      << Where(sent ? sent->GetPosition() : plat::Vec3{}) << ", the attraction at "
                      << Where(owner.position) << "; assigned " << int(event.assigned);
  EXPECT_EQ(event.assigned, 0);
  EXPECT_EQ(owner.eventRunning, 0);
  EXPECT_EQ(owner.currentEvent, nullptr);
  if (event.animStopNeeded == ParkEvent::kStopOwnerRun) {
    EXPECT_EQ(owner.isClosed, 0) << "the ride runs again";
  }
  EXPECT_EQ(openRow(), -1);
  Picture(session, "event_solved");
}

}  // namespace

TEST_F(EventPlayThrough, AParkEventIsSeenAndSolvedWithTheGamesOwnButtons) { Play(); }

TEST_F(WindowedEventPlayThrough, AParkEventIsSeenAndSolvedWithTheGamesOwnButtons) { Play(); }
