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
  // The prices the player can set: a visitor always pays something, and
  // far below an overflow of the park's sums.
  static constexpr int32_t kMinCost = 1;
  static constexpr int32_t kMaxCost = 9999;

  int32_t id = -1;
  EngineString name;
  int32_t cost = 0;
  int32_t del = kHotMeal;
  std::vector<std::unique_ptr<ToppingRecord>> toppings;

  // The cost held to kMinCost .. kMaxCost.
  static int32_t ClampCost(int64_t cost);

  // Becomes a copy of the other food: its fields and its own copies of the
  // other's toppings.
  void CopyFrom(const FoodRecord& other);
  // The topping with that id, or null.
  ToppingRecord* FindTopping(int32_t toppingId) const;
  // Whether the food offers at least one topping.
  bool OffersTopping() const;
};
