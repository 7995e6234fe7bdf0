#pragma once
// One food of a kiosk or of a restaurant food type. del tells its kind: 1 a
// food composed of toppings, 0 a hot meal; kiosk foods have no toppings.
#include <cstdint>
#include <memory>
#include <vector>

#include "engine/core/EngineString.h"
#include "park/foods/ToppingRecord.h"

struct FoodRecord {
  static constexpr int32_t kHotMeal = 0;
  static constexpr int32_t kComposed = 1;

  int32_t id = -1;
  EngineString name;
  int32_t cost = 0;
  int32_t del = kHotMeal;
  std::vector<std::unique_ptr<ToppingRecord>> toppings;
};
