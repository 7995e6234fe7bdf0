// visitor_bench: what the visitors' simulation costs a frame, without
// drawing, for 100 to 10,000 visitors in the park: every character's update,
// the manager's pass with its look-ups, and the path searches as the
// visitors choose new targets. The park is the demo park's characters on a
// footpath network every 8 cells across the whole grid, with the entrance,
// two rides and a cash machine on one of its paths; the clock stays at
// noon, so nobody goes home. Reports the CPU time per frame and per visitor.
#include <benchmark/benchmark.h>
#include "bench/ParkBenchMain.h"

#include <cstdio>
#include <cstdlib>
#include <memory>

#include "characters/CPorvikAiClass.h"
#include "characters/REraduzizVisitor.h"
#include "engine/core/Globals.h"
#include "engine/render/ZOdevuvDevice.h"
#include "platform/os/Clock.h"
#include "platform/os/Random.h"
#include "tests/characters/manager/SmallPark.h"

namespace {

constexpr int32_t kGridSpacing = 8;
constexpr int32_t kNoonHour = 12;
constexpr int32_t kVisitorKind = 0;
// Frames run before timing, so that the visitors are spread over their
// activities rather than all deciding at once.
constexpr int kWarmUpFrames = 200;
constexpr unsigned kSeed = 27;
// About five game minutes of frames: every visitor stays in the park.
constexpr int kTimedFrames = 300;

void BM_VisitorFrame(benchmark::State& state) {
  const auto visitors = int32_t(state.range(0));
  plat::FakeClock clock;
  plat::SetClock(&clock);
  plat::SRand(kSeed);
  auto device = std::make_unique<ZOdevuvDevice>(nullptr);
  device->InitEngineDevice(800, 600, 32, 1, 1);
  {
    managertest::ParkWorld world;
    managertest::ParkHost host;
    managertest::FakeVisitorPark park;
    managertest::SmallPark layout(world, host, park);
    park.clock.hour = host.hour = kNoonHour;
    CPorvikAiClass manager;
    layout.Build(manager);
    layout.LayGrid(kGridSpacing);
    // No capacity: the count stays as made, nobody more comes in.
    manager.SetCapacity(0);
    for (int32_t n = 0; n < visitors; ++n) {
      const int32_t id = manager.TakeNextId();
      const plat::Vec3 at = managertest::SmallPark::Centre(managertest::SmallPark::kEntranceCell + n % 20);
      REraduzizVisitor* visitor = manager.CreateVisitor(id, kVisitorKind, at);
      if (!visitor) {
        state.SkipWithError("the demo park's visitor model did not load");
        break;
      }
      manager.AddLiveId(id);
      manager.CountVisitor(*visitor);
      visitor->CheckParkOffer(visitor);
    }
    for (int i = 0; i < kWarmUpFrames; ++i) layout.RunFrame(manager, clock, true);
    for (auto _ : state) layout.RunFrame(manager, clock, true);
    state.counters["visitors"] = double(manager.GetVisitorCount());
    state.counters["per_visitor"] =
        benchmark::Counter(double(visitors), benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
  }
  device.reset();
  g_shadowMapSurface.reset();
  g_shadowDepthSurface.reset();
  plat::SetClock(nullptr);
}
BENCHMARK(BM_VisitorFrame)->Arg(100)->Arg(1000)->Arg(2000)->Arg(10000)->Iterations(kTimedFrames)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) { return RunParkBenchmarks(argc, argv, "visitor_bench"); }
