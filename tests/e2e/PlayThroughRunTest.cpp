// A game of halvenor played from its start to its quit with the mouse, in
// this process, on the demo park: the intro and the loading screen, a free
// game from the main menu, a footpath laid and a ride bought from the build
// book and set down beside it, a shower that comes and goes, the game saved
// and read back in the middle, and the quit button.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cmath>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "characters/CPorvikAiClass.h"
#include "engine/media/SoundManager.h"
#include "engine/render/ZOdevuvCamera.h"
#include "engine/render/ZOdevuvDevice.h"
#include "gui/core/GuiCommand.h"
#include "park/objects/CAttraction.h"
#include "platform/gfx/Device.h"
#include "platform/math/Math.h"
#include "tests/e2e/GameSession.h"
#include "world/CHeightMapHandlerClass.h"
#include "world/CLandscapeCell.h"

namespace {

namespace fs = std::filesystem;

using e2e::GameSession;

// The menus' and the game bar's buttons.
constexpr int32_t kMainMenu = 10001;
constexpr int32_t kNewGameButton = 10002;
constexpr int32_t kFreePlayButton = 10025;
constexpr int32_t kPathBarButton = 10074;
constexpr int32_t kPathTool = 10461;
constexpr int32_t kBuildBookButton = 10067;
// The book's second slot: the pancake stall, which the started park lacks
// (the carousel of the first slot stands in it already).
constexpr int32_t kStallBuyButton = 10105;
constexpr int32_t kGameMenuButton = 10071;
constexpr int32_t kPauseButton = 10266;
constexpr int32_t kQuitFromPauseMenu = 10012;
constexpr const char* kStallItem = "poffertjeskraam_etterem";
// The notice of the first visitors and its close button.
constexpr int32_t kNoticeCloseButton = 10393;
constexpr int kFirstVisitorsFrames = 20000;
// A quarter of an hour with no rain, a minute of it, and the frames of the
// darkening and clearing fog.
constexpr uint32_t kDryWaitMs = 900001;
constexpr uint32_t kShowerMs = 60001;
constexpr int kRampFrames = 600;
constexpr int kPathLength = 6;
constexpr int kCommandFrames = 10;
// How far from the middle of the view a free row is looked for, how far
// from the path the ride stands, and the lowest land a path is laid on.
constexpr int32_t kSearchCells = 24;
constexpr int32_t kRideDistance = 4;
constexpr float kLowestPathHeight = 1.1f;

// Where a world point shows on the screen through the game's camera.
VAvazadOvurUrovi::ScreenPoint ScreenPointOf(const VAvazadOvurUrovi& game, const plat::Vec3& world) {
  plat::Device& device = *g_device->GetDevice();
  plat::Matrix view, identity;
  g_camera->GetViewMatrix(&view);
  plat::MatrixIdentity(&identity);
  plat::Vec3 screen;
  plat::Vec3Project(&screen, world, device.GetViewport(), game.projection, view, identity);
  return {int32_t(std::lround(screen.x)), int32_t(std::lround(screen.y))};
}

plat::Vec3 CellPoint(const VAvazadOvurUrovi& game, int32_t i, int32_t j) {
  const plat::Vec3 centre = {float(i) * 4 - 256, 0, float(j) * 4 - 256};
  return {centre.x, game.terrain->GetHeight(centre), centre.z};
}

bool IsPath(const VAvazadOvurUrovi& game, int32_t i, int32_t j) {
  CLandscapeCell cell;
  return game.terrain->GetCell(i, j, cell) && cell.IsPath();
}

class PlayThroughRun : public ::testing::Test {
 protected:
  void RightClickOn(const plat::Vec3& world) {
    const VAvazadOvurUrovi::ScreenPoint at = ScreenPointOf(*session.game, world);
    session.MoveMouseToScreen(at.x, at.y);
    session.Click(GameSession::kRightButton);
  }

  // Free high land cells in a row near the one under the middle of the
  // screen, that show on the screen.
  bool FindFreeRow(int32_t* firstI, int32_t* row) {
    VAvazadOvurUrovi& game = *session.game;
    int32_t i = 0, j = 0;
    if (!game.PickCell({game.ScreenWidth() / 2, game.ScreenHeight() / 2}, &i, &j)) return false;
    for (int32_t dj = 0; dj <= kSearchCells; ++dj) {
      for (int32_t start = i - kSearchCells; start <= i + kSearchCells; ++start) {
        if (IsFreeRow(start, j + dj)) {
          *firstI = start;
          *row = j + dj;
          return true;
        }
      }
    }
    return false;
  }
  bool IsFreeRow(int32_t firstI, int32_t j) {
    VAvazadOvurUrovi& game = *session.game;
    for (int32_t n = 0; n < kPathLength; ++n) {
      for (int32_t dj = 0; dj <= kRideDistance + 2; ++dj) {
        CLandscapeCell cell;
        const plat::Vec3 point = CellPoint(game, firstI + n, j + dj);
        const VAvazadOvurUrovi::ScreenPoint at = ScreenPointOf(game, point);
        if (!game.terrain->GetCell(firstI + n, j + dj, cell) || cell.HasObject() || cell.IsPath() ||
            point.y < kLowestPathHeight || at.x < 0 || at.y < 0 || at.x > game.ScreenWidth() ||
            at.y > game.ScreenHeight()) {
          return false;
        }
      }
    }
    return true;
  }

  GameSession session;
};

}  // namespace

TEST_F(PlayThroughRun, APlayerStartsAFreeGameBuildsWeathersAShowerSavesLoadsAndQuits) {
  ASSERT_TRUE(session.Started());
  VAvazadOvurUrovi& game = *session.game;

  // Start: the intro's videos, then the loading screen until both loading
  // threads are done.
  ASSERT_TRUE(session.Load(false));
  ASSERT_NE(game.GetAiManager(), nullptr);
  ASSERT_NE(game.terrain, nullptr);
  EXPECT_EQ(game.loadingScreenActive, 0);

  // A free game from the main menu, which the game's start page opens.
  game.PostCommand(-1, kMainMenu, kCmdShowPage, kNewGameButton, 0);
  ASSERT_TRUE(session.Frame());
  ASSERT_TRUE(session.ClickElement(kNewGameButton));
  ASSERT_TRUE(session.ClickElement(kFreePlayButton));
  ASSERT_EQ(game.playMode, 1);
  EXPECT_EQ(game.simulationHalted, 0);
  // The started park's first visitors come, and their notice is closed.
  ASSERT_TRUE(session.RunUntil([&] { return game.firstVisitorsNoticeGiven != 0; }, kFirstVisitorsFrames));
  ASSERT_TRUE(session.ClickElement(kNoticeCloseButton));
  EXPECT_EQ(game.modalScreenOpen, 0);
  const int32_t cashAtStart = game.cash;
  const size_t objectsAtStart = game.placedObjects.Objects().size();

  // A footpath from the game bar's path tool, one cell a right click.
  int32_t firstI = 0, row = 0;
  ASSERT_TRUE(FindFreeRow(&firstI, &row));
  ASSERT_TRUE(session.ClickElement(kPathBarButton));
  ASSERT_TRUE(session.ClickElement(kPathTool));
  ASSERT_EQ(game.layingPath, 1);
  // Each click lays the cell the game finds under the cursor.
  std::vector<std::pair<int32_t, int32_t>> pathCells;
  for (int32_t n = 0; n < kPathLength; ++n) {
    RightClickOn(CellPoint(game, firstI + n, row));
    int32_t i = 0, j = 0;
    ASSERT_TRUE(game.PickCell(game.GetCursorPosition(), &i, &j));
    pathCells.emplace_back(i, j);
  }
  for (const auto& [i, j] : pathCells) EXPECT_TRUE(IsPath(game, i, j)) << i << "," << j;
  session.Click(GameSession::kMiddleButton);  // the tool goes away

  // A stall bought from the build book's first page, set down beside the path.
  ASSERT_TRUE(session.ClickElement(kBuildBookButton));
  ASSERT_EQ(game.buildBookOpen, 1);
  ASSERT_TRUE(session.ClickElement(kStallBuyButton));
  ASSERT_EQ(game.placingItem, 1);
  ASSERT_EQ(game.placementPreview->id.Std(), kStallItem);
  RightClickOn(CellPoint(game, firstI + kPathLength / 2, row + kRideDistance));
  ASSERT_EQ(game.placedObjects.Objects().size(), objectsAtStart + 1);
  const CAttraction* ride = game.placedObjects.Objects().back();
  EXPECT_EQ(ride->id.Std(), kStallItem);
  EXPECT_LT(game.cash, cashAtStart);
  int32_t underRide = -1;
  ASSERT_TRUE(game.terrain->GetCellObjectId(firstI + kPathLength / 2, row + kRideDistance, underRide));
  EXPECT_EQ(underRide, ride->objectNumber);

  // A quarter of an hour later the fog darkens and the rain comes, with its
  // sound; the visitors hear of it; a minute later it clears.
  ASSERT_TRUE(session.Frame(kDryWaitMs));
  ASSERT_TRUE(session.RunUntil([&] { return game.IsRaining(); }, kRampFrames));
  EXPECT_TRUE(g_sound->Find("RAIN") == nullptr || g_sound->Find("RAIN")->buffers[0]->IsPlaying());
  EXPECT_TRUE(game.aiHost->IsRaining());
  ASSERT_TRUE(session.Frame(kShowerMs));
  ASSERT_TRUE(session.RunUntil([&] { return !game.IsRaining(); }, kRampFrames));
  EXPECT_FALSE(game.aiHost->IsRaining());

  // Saved in the middle of the game, then read back over a changed park.
  const fs::path saves = fs::temp_directory_path() / ("halvenor-play-" + std::to_string(::getpid()));
  fs::create_directories(saves);
  const EngineString savePath = (saves / "middle.pys").string().c_str();
  const int32_t cashSaved = game.cash;
  const size_t objectsSaved = game.placedObjects.Objects().size();
  ASSERT_TRUE(game.WriteSavedGame(savePath, false));
  game.cash += 1234;
  game.RemoveAllObjects();
  ASSERT_TRUE(game.LoadSavedGame(savePath, false));
  for (int n = 0; n < kCommandFrames; ++n) ASSERT_TRUE(session.Frame());
  EXPECT_EQ(game.cash, cashSaved);
  ASSERT_EQ(game.placedObjects.Objects().size(), objectsSaved);
  EXPECT_EQ(game.placedObjects.Objects().back()->id.Std(), kStallItem);
  for (const auto& [i, j] : pathCells) EXPECT_TRUE(IsPath(game, i, j)) << i << "," << j;
  std::error_code ignored;
  fs::remove_all(saves, ignored);

  // The pause menu's quit button, from the game bar's menu, ends the game
  // with exit code 0.
  ASSERT_TRUE(session.ClickElement(kGameMenuButton));
  ASSERT_TRUE(session.ClickElement(kPauseButton));
  ASSERT_TRUE(session.ClickElement(kQuitFromPauseMenu));
  EXPECT_TRUE(session.RunUntil([&] { return session.quit; }, kCommandFrames));
  EXPECT_EQ(session.exitCode, 0);
  EXPECT_TRUE(game.placedObjects.Objects().empty()) << "quitting empties the park";
}
