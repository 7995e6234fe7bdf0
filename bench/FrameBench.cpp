// frame_bench: the full frame of the game (the update and the draw on the
// headless device) in a free game of the demo park with 1,000 visitors
// walking its footpaths, beside the same frame with none. Runs in the demo
// park folder; the clock stays at noon, so nobody goes home.
#include <benchmark/benchmark.h>
#include "bench/ParkBenchMain.h"

#include <memory>

#include "app/VAvazadOvurUrovi.h"
#include "characters/CPorvikAiClass.h"
#include "characters/REraduzizVisitor.h"
#include "gui/core/GuiCommand.h"
#include "platform/os/Random.h"
#include "platform/os/Window.h"

namespace {

constexpr int kWidth = 1024;
constexpr int kHeight = 768;
constexpr float kFrameSeconds = 1.0f / 60.0f;
constexpr int32_t kFreePlayButton = 10025;
constexpr int32_t kNoonHour = 12;
constexpr unsigned kSeed = 27;
// Frames run before timing, so that the visitors are spread over their
// activities rather than all deciding at once.
constexpr int kWarmUpFrames = 200;
constexpr int kTimedFrames = 300;

struct Park {
  plat::WindowHandle window = nullptr;
  std::unique_ptr<VAvazadOvurUrovi> game;

  Park() {
    window = plat::CreateGameWindow("frame_bench", kWidth, kHeight, plat::WindowBackend::Headless);
    game = std::make_unique<VAvazadOvurUrovi>();
    game->Init(window, nullptr);
    game->InitDevice(kWidth, kHeight, 32, 0);
    game->SkipIntroVideos();
    game->InitResources();
    while (game->initialLoadingStarted.load()) game->Frame(kFrameSeconds);
    // A free game, as the new-game page's button starts it.
    game->PostCommand(kFreePlayButton, -1, kCmdClick, 0, 0);
    RunFrame();
    game->gameHour = kNoonHour;
  }
  ~Park() {
    game.reset();
    plat::DestroyGameWindow(window);
  }

  // The main loop's frame.
  void RunFrame() {
    game->UpdateFrame(kFrameSeconds);
    game->Frame(kFrameSeconds);
    game->PollInput();
    game->RunQueuedGuiCommands();
    game->RemoveDoneGuiCommands();
  }

  // Visitors at the park's spawn point, as the manager lets them in; false
  // when the park has none or no visitor model loads.
  bool LetIn(int32_t count) {
    CPorvikAiClass* manager = game->GetAiManager();
    if (!manager || manager->GetSpawnRecord().objectId == CPorvikAiClass::kNoSpawnPoint) return false;
    // No capacity: the count stays as made, nobody more comes in.
    manager->SetCapacity(0);
    const plat::Vec3 at = manager->GetSpawnRecord().position;
    for (int32_t n = 0; n < count; ++n) {
      const int32_t id = manager->TakeNextId();
      REraduzizVisitor* visitor = manager->CreateVisitor(id, 0, at);
      if (!visitor) return false;
      manager->AddLiveId(id);
      visitor->CheckParkOffer(visitor);
      manager->CountVisitor(*visitor);
    }
    return true;
  }
};

void BM_ParkFrame(benchmark::State& state) {
  plat::SRand(kSeed);
  Park park;
  const auto visitors = int32_t(state.range(0));
  if (visitors > 0 && !park.LetIn(visitors)) {
    state.SkipWithError("the new game's park has no spawn point or no visitor model");
    return;
  }
  for (int n = 0; n < kWarmUpFrames; ++n) {
    park.game->gameHour = kNoonHour;
    park.RunFrame();
  }
  for (auto _ : state) {
    park.game->gameHour = kNoonHour;
    park.RunFrame();
  }
  state.counters["visitors"] = double(park.game->GetAiManager()->GetVisitorCount());
}
BENCHMARK(BM_ParkFrame)->Arg(0)->Arg(1000)->Iterations(kTimedFrames)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) { return RunParkBenchmarks(argc, argv, "frame_bench"); }
