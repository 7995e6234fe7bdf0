#pragma once
// The rectangle of land cells that a placed object covers: centred on the
// cell under the object, half a footprint size to each side. The first size
// runs along i (x) when the object stands turned by a quarter (90 or 270
// degrees, either way) and for plants; otherwise along j (z).
#include <cstdint>

#include "platform/math/Types.h"

struct ObjectFootprint {
  int32_t centreI = 0;
  int32_t centreJ = 0;
  int32_t halfI = 0;
  int32_t halfJ = 0;

  // The covered cells, inclusive; parts outside the grid are cut off, so a
  // loop over them touches only real cells however large the sizes are.
  int32_t FirstI() const;
  int32_t LastI() const;
  int32_t FirstJ() const;
  int32_t LastJ() const;
};

// Half of a footprint size, rounded half away from zero; 0 for sizes of 1
// and for sizes that are no size at all (0 or less).
int32_t FootprintHalfSize(int32_t size);

// True when the first size runs along i.
bool FootprintFirstSizeAlongI(float rotationDegrees, bool plant);

// The footprint of an object standing at the position; false (out untouched)
// when the position lies outside the cell grid.
bool ComputeObjectFootprint(const plat::Vec3& position, float rotationDegrees, bool plant, int32_t firstSize,
                            int32_t secondSize, ObjectFootprint* out);
