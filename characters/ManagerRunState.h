#pragma once
// The character manager's counters and flags that the run-state file of a
// saved game keeps: the park ratings' bands, the pass's counters and flags,
// the hourly and monthly bookings and the spawning figures.
#include <cstdint>

struct ManagerRunState {
  static constexpr int kSpareCount = 3;

  int32_t greenBand = 0;
  int32_t highestGreenBand = 0;
  int32_t cleanBand = 0;
  int32_t lastCleanBand = 0;
  int32_t ratingToggle = 0;
  int32_t frameCounter = 0;
  int32_t reserveCounter = 0;
  bool busy = false;
  bool shownThisFrame = false;
  bool specialOneAllowed = false;
  bool specialTwoHeldBack = false;
  bool specialThreeHeldBack = false;
  int32_t spare[kSpareCount] = {};
  bool parkClosed = false;
  bool hourBookingDue = false;
  int32_t lastBookedHour = 0;
  int32_t nextHourToBook = 0;
  bool monthBookingDue = false;
  int32_t lastBookedMonth = 0;
  int32_t nextMonthToBook = 0;
  int32_t capacity = 0;
  int32_t visitorCount = 0;
  int32_t nextId = 0;
  int32_t lastSpawnTick = 0;
};
