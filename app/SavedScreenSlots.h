#pragma once
// The settings of the shop and staff screens that the park file keeps: the
// shop's six product slots and the staff screen's three hire slots with its
// three totals.
#include <cstdint>

#include "engine/core/EngineString.h"

struct ShopProductSlot {
  int32_t value = 0;
  EngineString name;
};

struct StaffHireSlot {
  static constexpr int kFieldCount = 5;
  int32_t fields[kFieldCount] = {};
  EngineString name;
};

struct SavedScreenSlots {
  static constexpr int kShopSlotCount = 6;
  static constexpr int kStaffSlotCount = 3;
  static constexpr int kStaffTotalCount = 3;
  ShopProductSlot shop[kShopSlotCount];
  StaffHireSlot staff[kStaffSlotCount];
  int32_t staffTotals[kStaffTotalCount] = {};
};
