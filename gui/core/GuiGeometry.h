#pragma once
// Positions and sizes reach the elements from description files, so they are
// held to a range in which the sums and products of two that the widgets
// form (an edge, a cell strip, rows times row height) still fit in 32 bits.
// Nothing on a screen comes near either limit.
#include <algorithm>
#include <cstdint>

namespace gui {

constexpr int32_t kCoordinateLimit = 1 << 20;
constexpr int32_t kSizeLimit = 1 << 15;

inline int32_t ClampCoordinate(int64_t value) {
  return int32_t(std::clamp<int64_t>(value, -kCoordinateLimit, kCoordinateLimit));
}

inline int32_t ClampSize(int64_t value) { return int32_t(std::clamp<int64_t>(value, -kSizeLimit, kSizeLimit)); }

}  // namespace gui
