// A scenario of the demo park played with the mouse, in this process: the
// harbour feast started from the scenario window, a footpath laid from one
// of the park's, and the pancake stall its goal asks for bought from the
// build book and set down at the footpath's end. The goal check wins the
// scenario, the message says so, and closing the message leads back to the
// scenario window, which shows the result. In a second game the season runs
// out at the fast speed without the stall, and the scenario is lost. The
// win runs headless and on a real window where a display is, with
// screenshots of the scenario window before and after, the park and the
// message; the loss runs headless.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "gui/widgets/CGuiTextBox.h"
#include "park/objects/CAttraction.h"
#include "park/scenarios/CPorvikScenarios.h"
#include "park/scenarios/ScenarioRecord.h"
#include "platform/gfx/gl/leaks/DisplayLeaks.h"
#include "platform/os/MessageBox.h"
#include "screens/REraduzizScenarioWindow.h"
#include "tests/e2e/DemoGuiIds.h"
#include "tests/e2e/GameSession.h"
#include "tests/e2e/ParkCopy.h"

namespace {

namespace fs = std::filesystem;

using e2e::GameSession;
using namespace e2e::demo_gui;

// The harbour feast: its goal is the pancake stall.
constexpr int32_t kHarbourFeast = 0;

// The footpath laid from a footpath of the park, the free land the stall
// needs around the point it is set down on, two cells past the footpath's
// end, and how far from the middle of the view all that is looked for.
constexpr int32_t kSpurLength = 4;
constexpr int32_t kStallRoom = 2;
constexpr int32_t kStallDistance = 2;
constexpr int32_t kSearchCells = 24;
constexpr float kLowestPathHeight = 1.1f;
// At the fast speed a frame this long is a game minute, so that a day,
// whose night the park skips, passes within 1440 of them: the rest of the
// first month, the season's month and the first day after it within this
// many.
constexpr uint32_t kParkFrameMs = GameSession::kLongestFrameMs;
constexpr int kSeasonFrames = 2 * 30 * 24 * 60 + 24 * 60;

const fs::path kScreenshots = fs::path(HALVENOR_SCREENSHOT_DIR) / "scenario-play-through";

// A step along the land's cells.
struct Step {
  int32_t di;
  int32_t dj;
};
constexpr std::array<Step, 4> kSteps = {{{1, 0}, {-1, 0}, {0, 1}, {0, -1}}};

// Where the player builds: the cells of the new footpath, from the one
// beside the park's footpath on, and the cell the stall is set down on.
struct BuildingSite {
  int32_t i = 0;
  int32_t j = 0;
  Step step{0, 0};

  int32_t PathI(int32_t n) const { return i + n * step.di; }
  int32_t PathJ(int32_t n) const { return j + n * step.dj; }
  int32_t StallI() const { return PathI(kSpurLength - 1 + kStallDistance); }
  int32_t StallJ() const { return PathJ(kSpurLength - 1 + kStallDistance); }
};

class ScenarioPlayThrough : public ::testing::Test {
 protected:
  virtual plat::WindowBackend Backend() const { return plat::WindowBackend::Headless; }

  // The program as its entry function starts it, to its main menu.
  void Start() {
    ASSERT_EQ(park.Error(), "");
    session = std::make_unique<GameSession>(Backend(), park.Folder());
    if (!session->Started()) return;
    if (session->live) plat::KeepRendererLoaded();
    ASSERT_TRUE(session->Load(true));
    session->game->PostCommand(-1, kMainMenu, kCmdShowPage, kNewGameButton, 0);
    ASSERT_TRUE(session->Frame());
  }

  void Picture(const std::string& name) { EXPECT_TRUE(session->KeepPicture(kScreenshots, name)) << name; }

  void Click(std::initializer_list<int32_t> buttons) {
    for (int32_t button : buttons) ASSERT_TRUE(session->ClickElement(button)) << button;
  }

  // The lines of a text box as one text.
  std::string TextOf(int32_t id) const {
    const auto* box = dynamic_cast<const CGuiTextBox*>(session->game->FindElement(id));
    if (!box) return "<missing>";
    std::string text;
    for (const EngineString& line : box->GetLines()) text += (text.empty() ? "" : " ") + line.Std();
    return text;
  }

  // The first slot's last line: the label and the harbour feast's result.
  std::string ResultLine() const {
    const auto* box = dynamic_cast<const CGuiTextBox*>(session->game->FindElement(kFirstScenarioText));
    if (!box || box->GetLines().empty()) return "<none>";
    return box->GetLines().back().Std();
  }
  std::string ExpectedResultLine(int32_t result) const {
    return (session->game->GetText(REraduzizScenarioWindow::kResultLabelText) + session->game->GetText(result)).Std();
  }

  const ScenarioRecord& HarbourFeast() const { return *session->game->scenarios->GetRecord(kHarbourFeast); }

  // The scenario window from the new game menu, then the harbour feast
  // started from its first slot, and its first visitors' notice closed.
  void StartHarbourFeast(const std::string& before) {
    VAvazadOvurUrovi& game = *session->game;
    Click({kNewGameButton, kScenariosButton});
    ASSERT_TRUE(session->Shown(kScenarioWindow));
    ASSERT_NE(game.scenarios, nullptr);
    EXPECT_EQ(ResultLine(), ExpectedResultLine(REraduzizScenarioWindow::kNotPlayedText));
    Picture(before);
    plat::ClearMessageBoxes();
    Click({kFirstScenarioStart});
    EXPECT_TRUE(plat::RecordedMessageBoxes().empty()) << plat::RecordedMessageBoxes().front().text;
    ASSERT_EQ(game.scenarioRunning, 1);
    ASSERT_EQ(game.scenarios->current, kHarbourFeast);
    EXPECT_EQ(game.cash, game.scenarios->GetStartingCost(kHarbourFeast));
    EXPECT_FALSE(session->Shown(kScenarioWindow));
    const EngineString goal = game.scenarios->GetBuildingName(kHarbourFeast);
    ASSERT_EQ(goal.Std(), kStallItem);
    ASSERT_FALSE(game.placedObjects.Objects().empty()) << "the scenario's park";
    ASSERT_EQ(game.FindObjectByName(goal), nullptr) << "the goal is still to build";
    ASSERT_TRUE(session->RunUntil([&] { return game.firstVisitorsNoticeGiven != 0; }, kFirstVisitorsFrames));
    Click({kNoticeCloseButton});
    EXPECT_EQ(game.scenarioRunning, 1);
    EXPECT_FALSE(session->Shown(kScenarioWindow));
  }

  // The closed message of a decided scenario leads back to the scenario
  // window, whose first slot shows the result.
  void ExpectBackInTheScenarioWindow(int32_t result, const std::string& after) {
    Click({kNoticeCloseButton});
    EXPECT_TRUE(session->RunUntil([&] { return session->Shown(kScenarioWindow); }, kCommandFrames));
    EXPECT_FALSE(session->Shown(kNoticePage));
    EXPECT_EQ(session->game->returnToScenario, 0);
    EXPECT_EQ(ResultLine(), ExpectedResultLine(result));
    Picture(after);
  }

  bool IsHighFreeCell(int32_t i, int32_t j) const {
    const plat::Vec3 point = session->CellPoint(i, j);
    return session->IsFreeCell(i, j) && point.y >= kLowestPathHeight && session->InOpenView(point);
  }

  // A footpath can run from the cell beside a footpath of the park in the
  // step's direction, with free land for the stall past its end.
  bool Fits(const BuildingSite& site) const {
    if (!session->IsPathCell(site.PathI(-1), site.PathJ(-1))) return false;
    for (int32_t n = 0; n < kSpurLength; ++n) {
      if (!IsHighFreeCell(site.PathI(n), site.PathJ(n))) return false;
    }
    for (int32_t di = -kStallRoom; di <= kStallRoom; ++di) {
      for (int32_t dj = -kStallRoom; dj <= kStallRoom; ++dj) {
        if (!IsHighFreeCell(site.StallI() + di, site.StallJ() + dj)) return false;
      }
    }
    return true;
  }

  // The site nearest the middle of the view, ring by ring.
  bool FindBuildingSite(BuildingSite* found) const {
    VAvazadOvurUrovi& game = *session->game;
    int32_t ci = 0, cj = 0;
    if (!game.PickCell({game.ScreenWidth() / 2, game.ScreenHeight() / 2}, &ci, &cj)) return false;
    for (int32_t ring = 0; ring <= kSearchCells; ++ring) {
      for (int32_t di = -ring; di <= ring; ++di) {
        for (int32_t dj = -ring; dj <= ring; ++dj) {
          if (std::max(std::abs(di), std::abs(dj)) != ring) continue;
          for (const Step& step : kSteps) {
            const BuildingSite site{ci + di, cj + dj, step};
            if (Fits(site)) {
              *found = site;
              return true;
            }
          }
        }
      }
    }
    return false;
  }

  void PlayToAWin();

  e2e::ParkCopy park;
  std::unique_ptr<GameSession> session;
};

class WindowedScenarioPlayThrough : public ScenarioPlayThrough {
 protected:
  plat::WindowBackend Backend() const override { return plat::WindowBackend::Live; }
};

void ScenarioPlayThrough::PlayToAWin() {
  Start();
  if (!session->Started() && Backend() == plat::WindowBackend::Live) GTEST_SKIP() << "no display";
  ASSERT_TRUE(session->Started());
  VAvazadOvurUrovi& game = *session->game;
  ASSERT_NE(game.terrain, nullptr);
  ASSERT_NO_FATAL_FAILURE(StartHarbourFeast("scenario-window-before"));
  Picture("scenario-park");

  // A footpath from one of the park's, one cell a right click.
  Click({kPathBarButton, kPathTool});
  ASSERT_EQ(game.layingPath, 1);
  BuildingSite site;
  ASSERT_TRUE(FindBuildingSite(&site)) << "no free land beside a footpath in view";
  for (int32_t n = 0; n < kSpurLength; ++n) {
    ASSERT_TRUE(session->RightClickOnCell(site.PathI(n), site.PathJ(n))) << site.PathI(n) << "," << site.PathJ(n);
    EXPECT_TRUE(session->IsPathCell(site.PathI(n), site.PathJ(n))) << site.PathI(n) << "," << site.PathJ(n);
  }
  session->Click(GameSession::kMiddleButton);  // the tool goes away

  // The pancake stall from the build book, which a scenario opens at its
  // first level, set down past the footpath's end.
  Click({kBuildBookButton});
  ASSERT_EQ(game.buildBookOpen, 1);
  Picture("build-book");
  const size_t objectsBefore = game.placedObjects.Objects().size();
  const int32_t cashBefore = game.cash;
  Click({kStallBuyButton});
  ASSERT_EQ(game.placingItem, 1);
  ASSERT_EQ(game.placementPreview->id.Std(), kStallItem);
  EXPECT_EQ(game.scenarioRunning, 1) << "taken from the book, the stall does not stand yet";
  ASSERT_TRUE(session->RightClickOnCell(site.StallI(), site.StallJ()));
  ASSERT_EQ(game.placedObjects.Objects().size(), objectsBefore + 1);
  const CAttraction& stall = *game.placedObjects.Objects().back();
  EXPECT_EQ(stall.id.Std(), kStallItem);
  EXPECT_EQ(game.cash, cashBefore - stall.buildCost);

  // The goal check wins the scenario and says so on the message page.
  ASSERT_TRUE(session->RunUntil([&] { return game.scenarioRunning == 0; }, kCommandFrames));
  EXPECT_TRUE(HarbourFeast().finished);
  EXPECT_TRUE(HarbourFeast().succeeded);
  EXPECT_EQ(game.returnToScenario, 1);
  ASSERT_TRUE(session->Shown(kNoticePage));
  EXPECT_NE(TextOf(kNoticeText).find("great success"), std::string::npos) << TextOf(kNoticeText);
  Picture("won-message");
  ExpectBackInTheScenarioWindow(REraduzizScenarioWindow::kWonText, "scenario-window-after");
}

}  // namespace

TEST_F(ScenarioPlayThrough, APlayerWinsTheHarbourFeastWithThePancakeStallFromTheBook) { PlayToAWin(); }

TEST_F(WindowedScenarioPlayThrough, APlayerWinsTheHarbourFeastWithThePancakeStallFromTheBook) { PlayToAWin(); }

TEST_F(ScenarioPlayThrough, TheHarbourFeastIsLostWhenItsSeasonEndsWithoutTheStall) {
  Start();
  ASSERT_TRUE(session->Started());
  VAvazadOvurUrovi& game = *session->game;
  ASSERT_NO_FATAL_FAILURE(StartHarbourFeast("scenario-window-before-loss"));
  Click({kSpeedButton, kFastSpeedButton});
  ASSERT_EQ(game.gameSpeed, kFastSpeed);
  const int32_t limit = game.scenarios->GetTimeLimit(kHarbourFeast);
  ASSERT_TRUE(session->RunUntil([&] { return game.scenarioRunning == 0; }, kSeasonFrames, kParkFrameMs))
      << game.scenarioMonths << " of " << limit << " months";
  EXPECT_EQ(game.scenarioMonths, limit + 1);
  EXPECT_TRUE(HarbourFeast().finished);
  EXPECT_FALSE(HarbourFeast().succeeded);
  ASSERT_TRUE(session->Shown(kNoticePage));
  EXPECT_NE(TextOf(kNoticeText).find("feast was cancelled"), std::string::npos) << TextOf(kNoticeText);
  ExpectBackInTheScenarioWindow(REraduzizScenarioWindow::kLostText, "scenario-window-after-loss");
}
