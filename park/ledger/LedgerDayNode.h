#pragma once
// A day of a month in the ledger tree: the sum of every booking of the day,
// and the sums of its hour slots 0 to 24 (a booking's hour used directly as
// the slot; hour 24 has a slot of its own).
#include <cstdint>
#include <vector>

#include "park/ledger/LedgerRecord.h"

struct LedgerHourSum {
  int32_t hour = 0;
  int32_t amount = 0;
  int32_t Index() const { return hour; }
};

class LedgerDayNode {
 public:
  static constexpr int32_t kHourSlots = 25;

  explicit LedgerDayNode(int32_t day) : m_day(day) {}

  int32_t Index() const { return m_day; }
  int32_t Amount() const { return m_amount; }
  // The sum of an hour slot; 0 for one without bookings or outside 0 to 24.
  int32_t HourAmount(int32_t hour) const;
  // The hour slots that bookings reached, in ascending hour.
  const std::vector<LedgerHourSum>& Hours() const { return m_hours; }

  // Counts the booking in the day and, when its hour is a slot, in the hour.
  void Add(const LedgerRecord& booking);

 private:
  void AddToHour(const LedgerRecord& booking);

  int32_t m_day;
  int32_t m_amount = 0;
  std::vector<LedgerHourSum> m_hours;
};
