#pragma once
// A food type of the restaurants (burgers, pizzas, ...) with its foods.
#include <cstdint>
#include <memory>
#include <vector>

#include "engine/core/EngineString.h"
#include "park/foods/FoodRecord.h"

struct FoodTypeRecord {
  int32_t id = -1;
  EngineString name;
  int32_t cost = 0;
  std::vector<std::unique_ptr<FoodRecord>> foods;
};
