// The game in its own window with the OpenGL device, in this process, on
// the demo park: the intro skipped, the loading screen until both loading
// threads are done, a free game started from the main menu, and the
// picture of the park then drawn.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "app/CIniFile.h"
#include "app/DisplaySettings.h"
#include "app/GameShell.h"
#include "app/VAvazadOvurUrovi.h"
#include "engine/core/Globals.h"
#include "engine/render/ZOdevuvCamera.h"
#include "engine/render/ZOdevuvDevice.h"
#include "gui/core/CGuiElement.h"
#include "platform/gfx/Device.h"
#include "platform/gfx/gl/leaks/DisplayLeaks.h"
#include "platform/input/InputSource.h"
#include "platform/math/Math.h"
#include "platform/os/Clock.h"
#include "platform/os/Path.h"
#include "platform/os/Window.h"
#include "tests/live/support/LiveGameWindow.h"
#include "world/CAnimals.h"

namespace {

constexpr int kBitsPerPixel = 32;
constexpr int kFullScreen = 0;
constexpr int kInitialSide = 800;
constexpr uint32_t kFrameMs = 20;
// The loading threads run in real time: a frame of the loading screen
// waits this long, and loading may take this many of them.
constexpr std::chrono::milliseconds kLoadingFramePause{5};
constexpr int kMaxLoadingFrames = 60000;
// The menus' buttons of a free game.
constexpr int32_t kMainMenu = 10001;
constexpr int32_t kNewGameButton = 10002;
constexpr int32_t kFreePlayButton = 10025;
// The side of the cursor's images, drawn from its position down and right.
constexpr int32_t kCursorSide = 32;
// Tries at moving the cursor onto an element.
constexpr int kCursorMoves = 10;
// Frames the started park runs before its picture is taken.
constexpr int kSettleFrames = 30;
// The view of the picture: from above the plaza north-east over the main
// road, its crossings and stalls, to the pond and the hills beyond.
constexpr plat::Vec3 kEye{-40.0f, 45.0f, -200.0f};
constexpr plat::Vec3 kTarget{60.0f, 0.0f, 60.0f};
constexpr plat::Vec3 kWorldUp{0.0f, 1.0f, 0.0f};
// A bird seen from this far, the box round the picture's middle where it
// shows, and what counts as its pixels there.
constexpr plat::Vec3 kBirdViewOffset{-5.0f, 0.0f, -5.0f};
constexpr int kBirdBox = 150;
constexpr int kChangedColour = 60;
constexpr int kLeastBirdPixels = 200;

// The camera levelled: its right axis in the ground plane.
void LookOverThePark() {
  g_camera->SetRight(plat::Vec3Normalized(plat::Vec3Cross(kWorldUp, kTarget - kEye)));
  g_camera->LookAt(kEye, kTarget, kWorldUp);
}

// What the parts of the park look like in the picture (0xAARRGGBB).
struct Rgb {
  int r, g, b;
};
Rgb Split(std::uint32_t argb) { return {int(argb >> 16 & 0xFF), int(argb >> 8 & 0xFF), int(argb & 0xFF)}; }
bool IsSky(Rgb c) { return c.b >= 200 && c.b > c.r && c.r > 150; }
bool IsGrass(Rgb c) { return c.g > c.r + 25 && c.g > c.b + 25; }
bool IsEarth(Rgb c) { return c.r > c.g + 15 && c.g > c.b + 5 && c.r < 170; }
bool IsSand(Rgb c) { return c.r > 190 && c.g > 180 && c.r > c.b + 25; }
bool IsRock(Rgb c) { return c.r > 100 && std::max({c.r, c.g, c.b}) - std::min({c.r, c.g, c.b}) < 12 && c.r < 190; }
bool IsWater(Rgb c) { return c.b > c.r + 25 && c.b > 110 && c.b < 200 && c.g > c.r; }
bool IsPath(Rgb c) { return std::min({c.r, c.g, c.b}) > 215; }
bool IsRoof(Rgb c) { return c.r > 170 && c.g < 90 && c.b < 90; }

// The share of the pixels of a band of rows, left of the game bar, that the
// test holds for.
struct Band {
  int top, bottom;
};
double Share(const std::vector<std::uint32_t>& pixels, int width, Band band, bool (*test)(Rgb)) {
  constexpr int kGameBarLeft = 910;
  int hits = 0, all = 0;
  for (int y = band.top; y < band.bottom; ++y) {
    for (int x = 0; x < std::min(width, kGameBarLeft); ++x, ++all) hits += test(Split(pixels[size_t(y) * width + x]));
  }
  return all > 0 ? double(hits) / all : 0.0;
}

class LiveGame : public ::testing::Test {
 protected:
  void SetUp() override {
    previous_ = plat::CurrentDirectory();
    ASSERT_EQ(chdir(HALVENOR_PARK_DIR), 0);
    plat::ClearPathCache();
    plat::ResetMessageQueue();
    plat::InputSource::Shared().Reset();
    plat::SetClock(&clock_);
    clock_.AdvanceMs(1);
    live_.OpenWindow(kGameWindowTitle, kInitialSide, kInitialSide);
    if (!live_.IsOpen()) GTEST_SKIP() << "no display for the game's window";
    plat::SetWindowProcedure(live_.Window(), MainWndProc);
    game_ = CreateMainObject();
    ASSERT_NE(game_, nullptr);
    game_->Init(live_.Window(), plat::ProcessInstance());
    game_->resourcesReady = 0;
    const DisplaySettings display = ReadDisplaySettings(CIniFile::Settings(game_->baseDirectory));
    ApplyDisplaySettings(display, *game_);
    plat::SetClientSize(live_.Window(), display.width, display.height);
    livetest::WithLiveDevice([&] { game_->InitDevice(display.width, display.height, kBitsPerPixel, kFullScreen); });
    ASSERT_NE(g_device->GetDevice(), nullptr);
    ASSERT_EQ(g_device->GetDevice()->Backend().Name(), "gl");
    plat::KeepRendererLoaded();
  }

  void TearDown() override {
    game_.reset();
    live_.Close();
    plat::SetClock(nullptr);
    plat::ResetMessageQueue();
    plat::InputSource::Shared().Reset();
    if (!previous_.empty() && chdir(previous_.c_str()) == 0) plat::ClearPathCache();
  }

  // One turn of the main loop: false once the quit message came.
  bool Frame() {
    clock_.AdvanceMs(kFrameMs);
    plat::Message message;
    while (plat::PeekMessage(message)) {
      if (message.message == plat::kWmQuit) return false;
      plat::DispatchMessage(message);
    }
    const float seconds = float(kFrameMs) / 1000.0f;
    game_->UpdateFrame(seconds);
    game_->Frame(seconds);
    game_->PollInput();
    game_->RunQueuedGuiCommands();
    game_->RemoveDoneGuiCommands();
    return true;
  }

  bool Load() {
    game_->SkipIntroVideos();
    game_->InitResources();
    for (int n = 0; n < kMaxLoadingFrames && game_->initialLoadingStarted.load(); ++n) {
      if (!Frame()) return false;
      std::this_thread::sleep_for(kLoadingFramePause);
    }
    return !game_->initialLoadingStarted.load();
  }

  // A left click on the middle of the element, as the player makes it (the
  // cursor moves by twice the mouse's movement); false when the element is
  // missing or hidden.
  bool OnElement(int32_t left, int32_t top, int32_t right, int32_t bottom) const {
    const VAvazadOvurUrovi::ScreenPoint at = game_->GetCursorPosition();
    return at.x > left && at.x < right && at.y > top && at.y < bottom;
  }

  bool ClickElement(int32_t id) {
    const CGuiElement* element = game_->FindElement(id);
    if (!element || !element->IsVisible()) return false;
    int32_t left = 0, top = 0, right = 0, bottom = 0;
    element->GetRect(left, top, right, bottom);
    // The cursor is moved until it stands on the element: the game may
    // place it anew in the frames after the loading.
    const int32_t x = (left + right) / 2, y = (top + bottom) / 2;
    for (int n = 0; n < kCursorMoves && !OnElement(left, top, right, bottom); ++n) {
      const VAvazadOvurUrovi::ScreenPoint now = game_->GetCursorPosition();
      plat::InputSource::Shared().MoveMouse((x - now.x) / 2, (y - now.y) / 2);
      if (!Frame()) return false;
    }
    if (!OnElement(left, top, right, bottom)) return false;
    for (bool down : {true, false}) {
      if (!Frame()) return false;
      plat::InputSource::Shared().SetMouseButton(0, down);
    }
    return Frame() && Frame();
  }

  // The loading, then a free game from the main menu, which greets the
  // player once the park has loaded.
  bool StartFreeGame() {
    if (!Load()) return false;
    const CGuiElement* menu = game_->FindElement(kMainMenu);
    EXPECT_TRUE(menu && menu->IsVisible()) << "the main menu after loading";
    EXPECT_TRUE(ClickElement(kNewGameButton)) << "the new-game button";
    EXPECT_TRUE(ClickElement(kFreePlayButton)) << "the free-play button";
    return game_->playMode == 1;
  }

  std::vector<std::uint32_t> Capture(const std::string& name) {
    return livetest::CaptureFrame(*g_device->GetDevice(), g_device->GetWidth(), g_device->GetHeight(), name);
  }

  plat::FakeClock clock_;
  livetest::LiveGameWindow live_;
  std::unique_ptr<VAvazadOvurUrovi> game_;
  std::string previous_;
};

TEST_F(LiveGame, AFreeGameOnTheDemoParkShowsSkyTexturedLandPathsWaterAndBuildings) {
  ASSERT_TRUE(StartFreeGame());
  LookOverThePark();
  for (int n = 0; n < kSettleFrames; ++n) ASSERT_TRUE(Frame());
  const int width = g_device->GetWidth();
  const std::vector<std::uint32_t> pixels = Capture("game_window_free_game.png");
  ASSERT_EQ(pixels.size(), size_t(width) * size_t(g_device->GetHeight()));
  // The sky above the horizon, the land below it down to the status panel.
  const Band sky{0, 240}, land{260, 690};
  struct Part {
    const char* name;
    Band band;
    bool (*test)(Rgb);
    double least;
  };
  const Part parts[] = {
      {"sky", sky, IsSky, 0.9},         {"grass", land, IsGrass, 0.4},   {"earth", land, IsEarth, 0.005},
      {"sand", land, IsSand, 0.002},    {"rock", land, IsRock, 0.002},   {"water", land, IsWater, 0.005},
      {"footpaths", land, IsPath, 0.01}, {"roofs", land, IsRoof, 0.0005},
  };
  for (const Part& part : parts) {
    const double share = Share(pixels, width, part.band, part.test);
    EXPECT_GE(share, part.least) << part.name << " in the picture game_window_free_game.png";
  }
}

// The game's window shows the game's own GUI only: above the main menu, where
// no page of the game lies, the sky shows to the window's top edge; and the
// cursor, put in the middle after the intro, stands on none of its buttons.
// The new game then opens on the started park without the camera moved.
TEST_F(LiveGame, TheMainMenuGreetsAloneAndANewGameOpensOnTheStartedPark) {
  ASSERT_TRUE(Load());
  const CGuiElement* menu = game_->FindElement(kMainMenu);
  ASSERT_TRUE(menu && menu->IsVisible());
  const VAvazadOvurUrovi::ScreenPoint cursor = game_->GetCursorPosition();
  for (int32_t i = 0; i < menu->GetChildCount(); ++i) {
    int32_t left = 0, top = 0, right = 0, bottom = 0;
    menu->GetChild(i)->GetRect(left, top, right, bottom);
    EXPECT_FALSE(cursor.x >= left && cursor.x < right && cursor.y >= top && cursor.y < bottom + kCursorSide)
        << "the cursor on the menu's element " << menu->GetChild(i)->GetId();
  }
  for (int n = 0; n < kSettleFrames; ++n) ASSERT_TRUE(Frame());
  const int width = g_device->GetWidth();
  const std::vector<std::uint32_t> greeting = Capture("game_window_main_menu.png");
  int32_t menuLeft = 0, menuTop = 0, menuRight = 0, menuBottom = 0;
  menu->GetRect(menuLeft, menuTop, menuRight, menuBottom);
  EXPECT_GE(Share(greeting, width, Band{0, menuTop}, IsSky), 0.9) << "game_window_main_menu.png";

  EXPECT_TRUE(ClickElement(kNewGameButton)) << "the new-game button";
  EXPECT_TRUE(ClickElement(kFreePlayButton)) << "the free-play button";
  ASSERT_EQ(game_->playMode, 1);
  for (int n = 0; n < kSettleFrames; ++n) ASSERT_TRUE(Frame());
  const std::vector<std::uint32_t> park = Capture("game_window_new_game.png");
  const Band land{260, 690};
  EXPECT_GE(Share(park, width, land, IsPath), 0.01) << "footpaths in game_window_new_game.png";
  EXPECT_GE(Share(park, width, land, IsRoof), 0.0005) << "roofs in game_window_new_game.png";
}

TEST_F(LiveGame, ABirdNearTheCameraIsDrawnWhenAnimalsAreOn) {
  ASSERT_TRUE(StartFreeGame());
  ASSERT_FALSE(game_->birds.empty());
  // Level with the first bird, a few units away, the sky behind it.
  const plat::Vec3 bird = game_->birds.front()->GetPosition();
  const plat::Vec3 eye = bird + kBirdViewOffset;
  g_camera->SetRight(plat::Vec3Normalized(plat::Vec3Cross(kWorldUp, bird - eye)));
  g_camera->LookAt(eye, bird, kWorldUp);
  game_->animalsEnabled = 0;
  ASSERT_TRUE(Frame());
  const std::vector<std::uint32_t> without = Capture("game_window_no_bird.png");
  game_->animalsEnabled = 1;
  ASSERT_TRUE(Frame());
  const std::vector<std::uint32_t> with = Capture("game_window_bird.png");
  ASSERT_EQ(with.size(), without.size());
  // The bird stands in the middle of the picture.
  const int width = g_device->GetWidth(), height = g_device->GetHeight();
  int changed = 0;
  for (int y = height / 2 - kBirdBox; y < height / 2 + kBirdBox; ++y) {
    for (int x = width / 2 - kBirdBox; x < width / 2 + kBirdBox; ++x) {
      const Rgb a = Split(with[size_t(y) * width + x]), b = Split(without[size_t(y) * width + x]);
      changed += std::abs(a.r - b.r) + std::abs(a.g - b.g) + std::abs(a.b - b.b) > kChangedColour;
    }
  }
  EXPECT_GE(changed, kLeastBirdPixels) << "the bird in game_window_bird.png";
}

}  // namespace
