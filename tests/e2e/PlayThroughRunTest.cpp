// A game of halvenor played from its start to its quit with the mouse, in
// this process, on the demo park: the intro and the loading screen, a free
// game from the main menu, a footpath laid and a ride bought from the build
// book and set down beside it, a gardener hired from the staff page and
// planting at the fast speed, a shower that comes and goes, the game saved and read back in the middle, and the quit
// button. Played headless, and again in a window, where pictures of the
// park with its visitors, of the rain and of the loaded game are kept in
// the build folder's screenshots.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cmath>
#include <algorithm>
#include <filesystem>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "characters/CPorvikAiClass.h"
#include "characters/REraduzizVisitor.h"
#include "engine/media/SoundManager.h"
#include "engine/render/ZOdevuvCamera.h"
#include "engine/render/ZOdevuvDevice.h"
#include "gui/core/GuiCommand.h"
#include "park/ledger/CLedgerRecordList.h"
#include "park/ledger/LedgerKinds.h"
#include "park/objects/CAttraction.h"
#include "platform/gfx/Device.h"
#include "platform/gfx/Screenshot.h"
#include "platform/gfx/gl/leaks/DisplayLeaks.h"
#include "platform/math/Math.h"
#include "tests/e2e/DemoGuiIds.h"
#include "tests/e2e/GameSession.h"
#include "tests/e2e/ParkCopy.h"
#include "world/CHeightMapHandlerClass.h"
#include "world/CLandscapeCell.h"

namespace {

namespace fs = std::filesystem;

using e2e::GameSession;
using namespace e2e::demo_gui;

// The finance page's way to the staff page, the gardeners' + button, the
// page's OK button, a gardener's price and the first gardener's id.
constexpr int32_t kStaffButton = 10179;
constexpr int32_t kHireGardenerButton = 10308;
constexpr int32_t kStaffOkButton = 10310;
constexpr int32_t kGardenerPrice = 3000;
constexpr int32_t kFirstGardenerId = 2000;
// The speed page's buttons.
constexpr int32_t kNormalSpeedButton = 10336;
// How near the gardener its new plant stands.
constexpr float kPlantReach = 8.0f;
// The gardener at work, and the frames of a tenth of a second at the fast
// speed (about five game days) it is given to plant.
constexpr int32_t kPlantingState = 46;
constexpr int kWorkFrames = 6000;
constexpr uint32_t kWorkFrameMs = 100;
// A quarter of an hour with no rain, a minute of it, and the frames of the
// darkening and clearing fog.
constexpr uint32_t kDryWaitMs = 900001;
constexpr uint32_t kShowerMs = 60001;
constexpr int kRampFrames = 600;
constexpr int kPathLength = 6;
// How far from the middle of the view a free row is looked for, how far
// from the path the ride stands, and the lowest land a path is laid on.
constexpr int32_t kSearchCells = 24;
constexpr int32_t kRideDistance = 4;
constexpr float kLowestPathHeight = 1.1f;

// A picture that shows something: many colours, none of them covering
// nearly all of it.
constexpr std::size_t kFewestColours = 64;
constexpr double kLargestShareOfOneColour = 0.9;
constexpr uint32_t kColourMask = 0xFFFFFF;

bool ShowsSomething(const std::vector<uint32_t>& pixels) {
  std::unordered_map<uint32_t, std::size_t> counts;
  for (uint32_t pixel : pixels) ++counts[pixel & kColourMask];
  std::size_t most = 0;
  for (const auto& [colour, count] : counts) most = std::max(most, count);
  return counts.size() >= kFewestColours && double(most) < kLargestShareOfOneColour * double(pixels.size());
}

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

// What the ledger holds booked under a kind.
int32_t BookedAmount(const VAvazadOvurUrovi& game, int32_t kind) {
  int32_t amount = 0;
  for (const LedgerRecord& record : game.ledgerRecords->Records()) {
    if (record.kind == kind) amount += record.amount;
  }
  return amount;
}

class PlayThroughRun : public ::testing::TestWithParam<plat::WindowBackend> {
 protected:
  void SetUp() override {
    if (!session.Started() && GetParam() == plat::WindowBackend::Live) GTEST_SKIP() << "no display for the window";
    if (GetParam() == plat::WindowBackend::Live) plat::KeepRendererLoaded();
  }

  // In the window: the frame just drawn, kept as the named screenshot,
  // must show something.
  void Picture(const std::string& name) {
    if (GetParam() != plat::WindowBackend::Live) return;
    plat::Device& device = *g_device->GetDevice();
    int width = 0, height = 0;
    std::vector<uint32_t> pixels;
    ASSERT_TRUE(plat::CaptureBackBuffer(device, width, height, pixels)) << name;
    EXPECT_TRUE(ShowsSomething(pixels)) << name << " is blank";
    const fs::path folder(HALVENOR_SCREENSHOT_DIR);
    std::error_code ignored;
    fs::create_directories(folder, ignored);
    EXPECT_TRUE(plat::SaveScreenshot(device, (folder / (name + ".png")).string())) << name;
  }

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

  // Frames until the gardener has set a plant down where it worked;
  // false when it has not in the frames given.
  bool WatchTheGardenerPlant(const REraduzizVisitor& gardener) {
    VAvazadOvurUrovi& game = *session.game;
    bool planting = false;
    std::size_t objectsBefore = 0;
    return session.RunUntil(
        [&] {
          if (!planting && gardener.GetActivityState() == kPlantingState) {
            planting = true;
            objectsBefore = game.placedObjects.Objects().size();
          }
          if (!planting || game.placedObjects.Objects().size() <= objectsBefore) return false;
          const plat::Vec3& at = gardener.GetPosition();
          const plat::Vec3 plant = game.placedObjects.Objects().back()->GetPositionStruct();
          return std::hypot(plant.x - at.x, plant.z - at.z) < kPlantReach;
        },
        kWorkFrames, kWorkFrameMs);
  }

  e2e::ParkCopy park;
  GameSession session{GetParam(), park.Folder()};
};

}  // namespace

TEST_P(PlayThroughRun, APlayerStartsAFreeGameBuildsHiresWeathersAShowerSavesLoadsAndQuits) {
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

  // A gardener from the staff page, which the finance page leads to: paid
  // for, booked in the ledger, and in the park.
  const int32_t cashBeforeStaff = game.cash;
  ASSERT_TRUE(session.ClickElement(kFinanceButton));
  ASSERT_TRUE(session.ClickElement(kStaffButton));
  ASSERT_TRUE(session.ClickElement(kHireGardenerButton));
  ASSERT_TRUE(session.ClickElement(kStaffOkButton));
  EXPECT_EQ(game.cash, cashBeforeStaff - kGardenerPrice);
  EXPECT_EQ(BookedAmount(game, ledger::kHireGardeners), kGardenerPrice);
  const REraduzizVisitor* gardener = game.GetAiManager()->FindCharacterById(kFirstGardenerId);
  ASSERT_NE(gardener, nullptr);
  EXPECT_EQ(gardener->GetKind(), REraduzizVisitor::kGardener);

  // At the fast speed the gardener plants beside its round, while the
  // visitors walk the paths.
  ASSERT_TRUE(session.ClickElement(kSpeedButton));
  ASSERT_TRUE(session.ClickElement(kFastSpeedButton));
  ASSERT_EQ(game.gameSpeed, kFastSpeed);
  EXPECT_TRUE(WatchTheGardenerPlant(*gardener));
  ASSERT_TRUE(session.RunUntil([&] { return game.GetAiManager()->GetVisitorCount() > 0; }, kWorkFrames,
                               kWorkFrameMs));
  Picture("play_park_with_visitors");
  ASSERT_TRUE(session.ClickElement(kNormalSpeedButton));

  // A quarter of an hour later the fog darkens and the rain comes, with its
  // sound; the visitors hear of it; a minute later it clears.
  ASSERT_TRUE(session.Frame(kDryWaitMs));
  ASSERT_TRUE(session.RunUntil([&] { return game.IsRaining(); }, kRampFrames));
  EXPECT_TRUE(g_sound->Find("RAIN") == nullptr || g_sound->Find("RAIN")->buffers[0]->IsPlaying());
  EXPECT_TRUE(game.aiHost->IsRaining());
  Picture("play_rain");
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
  Picture("play_loaded_game");
  const auto& loaded = game.placedObjects.Objects();
  EXPECT_TRUE(std::any_of(loaded.begin(), loaded.end(), [](const CAttraction* o) { return o->id.Std() == kStallItem; }));
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

// One backend each; the suite's prefix names it.
std::string OnItsBackend(const ::testing::TestParamInfo<plat::WindowBackend>&) { return "OnItsBackend"; }
INSTANTIATE_TEST_SUITE_P(Headless, PlayThroughRun, ::testing::Values(plat::WindowBackend::Headless), OnItsBackend);
INSTANTIATE_TEST_SUITE_P(Windowed, PlayThroughRun, ::testing::Values(plat::WindowBackend::Live), OnItsBackend);
