#pragma once
// One topping of the food catalogue: an ingredient that a composed food can
// carry, with its price and whether the food offers it.
#include <cstdint>

#include "engine/core/EngineString.h"

struct ToppingRecord {
  int32_t id = -1;
  EngineString name;
  int32_t cost = 0;
  int32_t active = 0;  // 1 when the food offers it
};
