#pragma once
// A plain Dijkstra search over the path finder's walkability rules (costs 10
// straight and 14 diagonal, a diagonal step only past two walkable cells),
// the reference that tests and benchmarks hold the path finder against.
#include <cstdint>
#include <functional>
#include <limits>
#include <queue>
#include <utility>
#include <vector>

class GridDijkstra {
 public:
  static constexpr int32_t kNoPath = -1;

  // walkable(x, y) for cells inside the width x height map, asked once per
  // cell here.
  GridDijkstra(int32_t width, int32_t height, const std::function<bool(int32_t, int32_t)>& walkable)
      : m_width(width), m_height(height), m_walkable(size_t(width) * height), m_cost(size_t(width) * height) {
    for (int32_t y = 0; y < height; ++y) {
      for (int32_t x = 0; x < width; ++x) m_walkable[size_t(y) * width + x] = walkable(x, y);
    }
  }

  // The least cost from start to target, kNoPath when the target cannot be
  // reached. The start itself need not be walkable.
  int32_t Cost(int32_t startX, int32_t startY, int32_t targetX, int32_t targetY) {
    if (!Walkable(targetX, targetY)) return kNoPath;
    std::fill(m_cost.begin(), m_cost.end(), kUnreached);
    using Entry = std::pair<int32_t, int32_t>;  // cost, cell
    std::priority_queue<Entry, std::vector<Entry>, std::greater<Entry>> open;
    const int32_t target = targetY * m_width + targetX;
    m_cost[size_t(startY) * m_width + startX] = 0;
    open.push({0, startY * m_width + startX});
    while (!open.empty()) {
      const auto [cost, cell] = open.top();
      open.pop();
      if (cell == target) return cost;
      if (cost > m_cost[cell]) continue;
      const int32_t x = cell % m_width, y = cell / m_width;
      for (int32_t dy = -1; dy <= 1; ++dy) {
        for (int32_t dx = -1; dx <= 1; ++dx) {
          const int32_t step = StepCost(x, y, x + dx, y + dy);
          if (step == kNoPath) continue;
          const int32_t next = (y + dy) * m_width + x + dx;
          if (cost + step < m_cost[next]) {
            m_cost[next] = cost + step;
            open.push({cost + step, next});
          }
        }
      }
    }
    return kNoPath;
  }

  // The cost of one legal step between neighbours, kNoPath for an illegal one.
  int32_t StepCost(int32_t x, int32_t y, int32_t toX, int32_t toY) const {
    const int32_t dx = toX - x, dy = toY - y;
    if ((dx == 0 && dy == 0) || dx < -1 || dx > 1 || dy < -1 || dy > 1) return kNoPath;
    if (!Walkable(toX, toY)) return kNoPath;
    if (dx == 0 || dy == 0) return 10;
    return Walkable(toX, y) && Walkable(x, toY) ? 14 : kNoPath;
  }

 private:
  static constexpr int32_t kUnreached = std::numeric_limits<int32_t>::max();

  bool Walkable(int32_t x, int32_t y) const {
    return x >= 0 && y >= 0 && x < m_width && y < m_height && m_walkable[size_t(y) * m_width + x];
  }

  int32_t m_width, m_height;
  std::vector<uint8_t> m_walkable;
  std::vector<int32_t> m_cost;
};
