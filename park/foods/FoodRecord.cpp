#include "park/foods/FoodRecord.h"

#include <algorithm>

int32_t FoodRecord::ClampCost(int64_t cost) { return int32_t(std::clamp<int64_t>(cost, kMinCost, kMaxCost)); }

void FoodRecord::CopyFrom(const FoodRecord& other) {
  if (&other == this) return;
  id = other.id;
  name = other.name;
  cost = other.cost;
  del = other.del;
  toppings.clear();
  for (const auto& topping : other.toppings) toppings.push_back(std::make_unique<ToppingRecord>(*topping));
}

ToppingRecord* FoodRecord::FindTopping(int32_t toppingId) const {
  const auto at = std::find_if(toppings.begin(), toppings.end(),
                               [toppingId](const auto& topping) { return topping->id == toppingId; });
  return at == toppings.end() ? nullptr : at->get();
}

bool FoodRecord::OffersTopping() const {
  return std::any_of(toppings.begin(), toppings.end(), [](const auto& topping) { return topping->active == 1; });
}
