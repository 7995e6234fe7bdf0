#pragma once
// The park-wide mood totals the visitors are counted into: the sum of their
// moods and how many of them are in each mood band.
#include <array>
#include <cstdint>

struct ParkMoodTotals {
  static constexpr int32_t kBandCount = 3;

  int32_t moodSum = 0;
  std::array<int32_t, kBandCount> bandCounts{};
};
