// world_bench: the world load of the game on the demo park (from the
// resource set-up to the first game frame, headless, without the intro
// videos), and what a frame of the loaded park costs, the update and the
// draw apart. Runs in the demo park folder.
#include <benchmark/benchmark.h>
#include "bench/ParkBenchMain.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "app/VAvazadOvurUrovi.h"
#include "platform/os/Window.h"

namespace {

constexpr int kWidth = 1024;
constexpr int kHeight = 768;
constexpr float kFrameSeconds = 1.0f / 60.0f;

struct Game {
  plat::WindowHandle window = nullptr;
  std::unique_ptr<VAvazadOvurUrovi> game;

  Game() {
    window = plat::CreateGameWindow("world_bench", kWidth, kHeight, plat::WindowBackend::Headless);
    game = std::make_unique<VAvazadOvurUrovi>();
    game->Init(window, nullptr);
    game->InitDevice(kWidth, kHeight, 32, 0);
  }
  ~Game() {
    game.reset();
    plat::DestroyGameWindow(window);
  }

  // Start to the first game frame: the frames of the loading screen run
  // while the threads load, as the main loop runs them.
  void Load() {
    game->SkipIntroVideos();
    game->InitResources();
    while (game->initialLoadingStarted.load()) game->Frame(kFrameSeconds);
  }
};

void BM_WorldLoad(benchmark::State& state) {
  for (auto _ : state) {
    Game game;
    const auto start = std::chrono::steady_clock::now();
    game.Load();
    state.SetIterationTime(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
  }
}
BENCHMARK(BM_WorldLoad)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);

// One loaded park for the frame figures, running as a game does; main
// ends it before the program's statics go.
std::unique_ptr<Game> g_park;

Game& LoadedPark() {
  if (g_park) return *g_park;
  g_park = std::make_unique<Game>();
  g_park->Load();
  g_park->game->simulationHalted = 0;
  g_park->game->playMode = 1;
  return *g_park;
}

void BM_GameUpdate(benchmark::State& state) {
  VAvazadOvurUrovi& game = *LoadedPark().game;
  for (auto _ : state) game.UpdateFrame(kFrameSeconds);
}
BENCHMARK(BM_GameUpdate)->Unit(benchmark::kMicrosecond);

void BM_GameDraw(benchmark::State& state) {
  VAvazadOvurUrovi& game = *LoadedPark().game;
  for (auto _ : state) game.Frame(kFrameSeconds);
}
BENCHMARK(BM_GameDraw)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) { return RunParkBenchmarks(argc, argv, "world_bench"); }
