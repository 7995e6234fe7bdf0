#pragma once
// A group of toppings: the ingredients that the foods of the restaurant food
// type with the same id can be composed of. Topping ids count 0, 1, 2 ... in
// list order in the data; the topping screen finds them by id.
#include <cstdint>
#include <memory>
#include <vector>

#include "engine/core/EngineString.h"
#include "park/foods/ToppingRecord.h"

struct ToppingTypeRecord {
  int32_t id = -1;
  EngineString name;
  std::vector<std::unique_ptr<ToppingRecord>> toppings;
};
