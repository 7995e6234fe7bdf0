#pragma once
// Where the park-wide mood totals are kept (the main object's counters):
// the sum of the counted visitors' moods and how many of them are in each
// mood band. Both null counts nowhere.
#include <cstdint>

struct ParkMoodTotals {
  static constexpr int32_t kBandCount = 3;

  int32_t* moodSum = nullptr;
  int32_t* bandCounts = nullptr;  // kBandCount counters
};
