#pragma once
// A month of a year in the ledger tree: the sum of every booking of the
// month, and its day slots 0 to 31 (a booking's day used directly as the
// slot; days count from 1, so slot 0 only holds bookings dated day 0).
#include <cstdint>
#include <vector>

#include "park/ledger/LedgerDayNode.h"
#include "park/ledger/LedgerRecord.h"

class LedgerMonthNode {
 public:
  static constexpr int32_t kDaySlots = 32;

  explicit LedgerMonthNode(int32_t month) : m_month(month) {}

  int32_t Index() const { return m_month; }
  int32_t Amount() const { return m_amount; }
  // The day slot, or null when no booking reached it (its sum is then 0).
  const LedgerDayNode* FindDay(int32_t day) const;
  int32_t DayAmount(int32_t day) const;
  const std::vector<LedgerDayNode>& Days() const { return m_days; }

  // Counts the booking in the month and, when its day is a slot, below it.
  void Add(const LedgerRecord& booking);

 private:
  void AddToDay(const LedgerRecord& booking);

  int32_t m_month;
  int32_t m_amount = 0;
  std::vector<LedgerDayNode> m_days;
};
