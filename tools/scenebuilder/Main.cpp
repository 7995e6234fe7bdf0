// scenebuilder <park dir>: makes the demo park's scenes (the two modes' and
// the tutorial's) in the park folder, which must hold everything else of the
// park already. For each scene the game loads the park as it does at start,
// headless and without the intro, and the layout is bought and laid with
// the game's own code; the game's save code writes the files. The clock
// and the random numbers are fixed, so every run writes the same bytes.
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include <unistd.h>

#include "app/VAvazadOvurUrovi.h"
#include "platform/os/Clock.h"
#include "platform/os/Random.h"
#include "platform/os/Window.h"
#include "tools/scenebuilder/ParkLayout.h"
#include "tools/scenebuilder/SceneBuilder.h"

namespace {

constexpr int kWidth = 800;
constexpr int kHeight = 600;
constexpr float kFrameSeconds = 1.0f / 60.0f;
constexpr uint32_t kFrameMs = 16;
// A load that takes longer than this many frames has hung.
constexpr int kMostLoadingFrames = 100000;
constexpr unsigned kLayoutSeed = 2026;
// The day the scenes are made on, for the dates they keep.
constexpr plat::SystemTime kSceneDay{2026, 5, 3, 6, 10, 0, 0, 0};

// The game loaded as at start, on the fixed clock once its threads are done.
class LoadedGame {
 public:
  LoadedGame() : m_window(plat::CreateGameWindow("scenebuilder", kWidth, kHeight, plat::WindowBackend::Headless)) {
    m_game = std::make_unique<VAvazadOvurUrovi>();
    m_game->Init(m_window, nullptr);
    m_game->InitDevice(kWidth, kHeight, 32, 0);
  }
  ~LoadedGame() {
    m_game.reset();
    plat::SetClock(nullptr);
    plat::DestroyGameWindow(m_window);
  }
  LoadedGame(const LoadedGame&) = delete;
  LoadedGame& operator=(const LoadedGame&) = delete;

  bool Load() {
    m_game->SkipIntroVideos();
    m_game->InitResources();
    for (int frame = 0; m_game->initialLoadingStarted.load(); ++frame) {
      if (frame == kMostLoadingFrames) return false;
      m_game->Frame(kFrameSeconds);
    }
    m_clock.SetSystemTime(kSceneDay);
    m_clock.AdvanceMs(kFrameMs);
    plat::SetClock(&m_clock);
    plat::SRand(kLayoutSeed);
    m_game->systemYear = kSceneDay.year;
    return true;
  }

  VAvazadOvurUrovi& Game() { return *m_game; }

 private:
  plat::WindowHandle m_window;
  plat::FakeClock m_clock;
  std::unique_ptr<VAvazadOvurUrovi> m_game;
};

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: scenebuilder <park dir>\n");
    return 2;
  }
  setenv("HALVENOR_HEADLESS", "1", 1);
  if (chdir(argv[1]) != 0) {
    std::fprintf(stderr, "scenebuilder: cannot enter %s\n", argv[1]);
    return 1;
  }
  for (const scenebuilder::SceneSpec& scene : scenebuilder::Scenes()) {
    std::error_code ignored;
    std::filesystem::create_directories(std::filesystem::path(scene.path).parent_path(), ignored);
    LoadedGame loaded;
    if (!loaded.Load()) {
      std::fprintf(stderr, "scenebuilder: the park did not finish loading\n");
      return 1;
    }
    scenebuilder::SceneBuilder builder(loaded.Game());
    if (!builder.Build(scene)) {
      std::fprintf(stderr, "scenebuilder: %s: %s\n", scene.path, builder.Error().c_str());
      return 1;
    }
  }
  return 0;
}
