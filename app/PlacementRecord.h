#pragma once
// A character of the staff screen waiting to be placed in the park: its
// character id, two flags, a value, the name it goes under and where it
// stands. The run-state file keeps them with their characters.
#include <cstdint>

#include "engine/core/EngineString.h"
#include "platform/math/Types.h"

struct PlacementRecord {
  int32_t characterId = 0;
  bool firstFlag = false;
  bool secondFlag = false;
  int32_t value = 0;
  EngineString name;
  plat::Vec3 position{};
};
