#pragma once
// The record of a placed character (a hired staff member) that the main
// object keeps in its list; the staff window appends one per character it
// creates and takes the first of an entry when it dismisses one, and the
// saved game stores the list.
#include <cstdint>

#include "engine/core/EngineString.h"
#include "platform/math/Types.h"

struct PlacementRecord {
  static constexpr int32_t kNoStaffEntry = -1;

  int32_t id = 0;
  uint8_t flag = 1;
  plat::Vec3 position{};
  EngineString name;
  // The staff window's entry (0 cleaners, 1 gardeners, 2 engineers).
  int32_t staffEntry = kNoStaffEntry;
  uint8_t done = 0;
};
