// path_bench: what one path search costs on the 128 x 128 cell grid, over
// random start and target pairs of walkable cells, on the demo park's land
// (every dry cell walkable, the pond not) and on a random map with 30 % of
// its cells blocked. Each run times the path finder and then the plain
// Dijkstra reference on the same pairs and reports median and 99th
// percentile of both and the ratio of the medians (reference over path
// finder), in microseconds of the thread's CPU time. The reported time per
// iteration is the path finder's.
#include <benchmark/benchmark.h>
#include "bench/ParkBenchMain.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <memory>
#include <random>
#include <utility>
#include <vector>

#include "engine/render/ZOdevuvDevice.h"
#include "tests/world/GridDijkstra.h"
#include "world/CHeightMapHandlerClass.h"
#include "world/CPathFinder.h"

namespace {

constexpr int32_t kSide = CHeightMapHandlerClass::kCellsPerSide;
constexpr float kWaterLevel = -0.5f;
constexpr double kBlockedShare = 0.3;
constexpr int kPairs = 2000;
constexpr int kSearches = 8000;
constexpr unsigned kSeed = 1234;
constexpr int32_t kSlot = 5000;

using Map = std::vector<uint8_t>;  // 1 walkable

Map DemoParkMap() {
  ZOdevuvDevice device(nullptr);
  device.InitEngineDevice(800, 600, 32, 1, 1);
  CHeightMapHandlerClass terrain;
  if (!terrain.LoadHeightMap(CHeightMapHandlerClass::kHeightMapFile)) {
    std::fprintf(stderr, "path_bench: cannot load %s\n", CHeightMapHandlerClass::kHeightMapFile);
    std::exit(1);
  }
  terrain.Init(".");
  Map map(size_t(kSide) * kSide);
  for (int32_t j = 0; j < kSide; ++j) {
    for (int32_t i = 0; i < kSide; ++i) {
      plat::Vec3 centre;
      terrain.GetCellPosition(i, j, centre);
      map[size_t(j) * kSide + i] = terrain.GetHeight(centre) >= kWaterLevel;
    }
  }
  return map;
}

Map RandomMap() {
  std::mt19937 random(kSeed);
  std::bernoulli_distribution blocked(kBlockedShare);
  Map map(size_t(kSide) * kSide);
  for (uint8_t& cell : map) cell = !blocked(random);
  return map;
}

struct Pair {
  int32_t sx, sy, tx, ty;
};

std::vector<Pair> WalkablePairs(const Map& map) {
  std::mt19937 random(kSeed + 1);
  std::vector<int32_t> walkable;
  for (int32_t cell = 0; cell < kSide * kSide; ++cell) {
    if (map[size_t(cell)]) walkable.push_back(cell);
  }
  std::uniform_int_distribution<size_t> pick(0, walkable.size() - 1);
  std::vector<Pair> pairs;
  while (pairs.size() < kPairs) {
    const int32_t a = walkable[pick(random)], b = walkable[pick(random)];
    if (a != b) pairs.push_back({a % kSide, a / kSide, b % kSide, b / kSide});
  }
  return pairs;
}

double Percentile(std::vector<double> values, double share) {
  std::sort(values.begin(), values.end());
  return values[std::min(values.size() - 1, size_t(share * double(values.size())))];
}

// The thread's own CPU time, so that a search the scheduler preempts on a
// busy machine is not charged for the time it waited.
double ThreadMicroseconds() {
  timespec now{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return double(now.tv_sec) * 1e6 + double(now.tv_nsec) * 1e-3;
}

template <typename Search>
double MicrosecondsOf(Search&& search) {
  const double start = ThreadMicroseconds();
  search();
  return ThreadMicroseconds() - start;
}

void RunSearches(benchmark::State& state, const Map& map) {
  CPathFinder finder(kSide, kSide);
  for (int32_t y = 0; y < kSide; ++y) {
    for (int32_t x = 0; x < kSide; ++x) finder.SetWalkable(x, y, map[size_t(y) * kSide + x]);
  }
  GridDijkstra reference(kSide, kSide, [&](int32_t x, int32_t y) { return map[size_t(y) * kSide + x] != 0; });
  const std::vector<Pair> pairs = WalkablePairs(map);
  std::vector<double> finderTimes;
  std::vector<int32_t> statuses;
  size_t next = 0;
  for (auto _ : state) {
    const Pair& p = pairs[next++ % pairs.size()];
    int32_t status = 0;
    const double finderTime = MicrosecondsOf([&] { status = finder.FindPath(kSlot, p.sx, p.sy, p.tx, p.ty); });
    state.SetIterationTime(finderTime * 1e-6);
    finderTimes.push_back(finderTime);
    statuses.push_back(status);
  }
  // The reference after the path finder, on the same pairs, so that neither
  // runs with the other's data in the caches.
  std::vector<double> referenceTimes;
  int found = 0;
  for (size_t n = 0; n < statuses.size(); ++n) {
    const Pair& p = pairs[n % pairs.size()];
    int32_t cost = 0;
    referenceTimes.push_back(MicrosecondsOf([&] { cost = reference.Cost(p.sx, p.sy, p.tx, p.ty); }));
    const bool finderFound = statuses[n] == CPathFinder::kFound;
    if (finderFound != (cost != GridDijkstra::kNoPath)) state.SkipWithError("path finder and reference differ");
    found += finderFound;
  }
  const double finderMedian = Percentile(finderTimes, 0.5), referenceMedian = Percentile(referenceTimes, 0.5);
  state.counters["astar_median_us"] = finderMedian;
  state.counters["astar_p99_us"] = Percentile(finderTimes, 0.99);
  state.counters["dijkstra_median_us"] = referenceMedian;
  state.counters["dijkstra_p99_us"] = Percentile(referenceTimes, 0.99);
  state.counters["median_ratio"] = referenceMedian / finderMedian;
  state.counters["found_share"] = double(found) / double(finderTimes.size());
}

void BM_PathSearchDemoPark(benchmark::State& state) {
  static const Map map = DemoParkMap();
  RunSearches(state, map);
}
BENCHMARK(BM_PathSearchDemoPark)->Iterations(kSearches)->UseManualTime()->Unit(benchmark::kMicrosecond);

void BM_PathSearchRandom30(benchmark::State& state) {
  static const Map map = RandomMap();
  RunSearches(state, map);
}
BENCHMARK(BM_PathSearchRandom30)->Iterations(kSearches)->UseManualTime()->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) { return RunParkBenchmarks(argc, argv, "path_bench"); }
