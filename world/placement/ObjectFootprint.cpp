#include "world/placement/ObjectFootprint.h"

#include <algorithm>
#include <cmath>

#include "world/CHeightMapHandlerClass.h"

namespace {

constexpr float kQuarterTurnDegrees = 90.0f;
constexpr int32_t kLastCell = CHeightMapHandlerClass::kCellsPerSide - 1;

int32_t ClampToGrid(int64_t cell) { return int32_t(std::clamp<int64_t>(cell, 0, kLastCell)); }

}  // namespace

int32_t ObjectFootprint::FirstI() const { return ClampToGrid(int64_t(centreI) - halfI); }
int32_t ObjectFootprint::LastI() const { return ClampToGrid(int64_t(centreI) + halfI); }
int32_t ObjectFootprint::FirstJ() const { return ClampToGrid(int64_t(centreJ) - halfJ); }
int32_t ObjectFootprint::LastJ() const { return ClampToGrid(int64_t(centreJ) + halfJ); }

int32_t FootprintHalfSize(int32_t size) {
  if (size <= 1) return 0;
  return int32_t((int64_t(size) + 1) / 2);
}

bool FootprintFirstSizeAlongI(float rotationDegrees, bool plant) {
  if (plant) return true;
  if (!std::isfinite(rotationDegrees)) return false;
  // Whole quarter turns, so that 270 and -270 turn the footprint as 90 does.
  const double quarters = std::round(double(rotationDegrees) / kQuarterTurnDegrees);
  return std::fmod(std::fabs(quarters), 2.0) == 1.0;
}

bool ComputeObjectFootprint(const plat::Vec3& position, float rotationDegrees, bool plant, int32_t firstSize,
                            int32_t secondSize, ObjectFootprint* out) {
  int32_t i = 0, j = 0;
  if (!CHeightMapHandlerClass::WorldToCell(position.x, position.y, position.z, i, j)) return false;
  const int32_t first = FootprintHalfSize(firstSize);
  const int32_t second = FootprintHalfSize(secondSize);
  const bool firstAlongI = FootprintFirstSizeAlongI(rotationDegrees, plant);
  *out = {i, j, firstAlongI ? first : second, firstAlongI ? second : first};
  return true;
}
