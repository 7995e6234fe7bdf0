#pragma once
// A year of a ledger entry: a head with the fields of the booking that made
// it (its amount the running sum of the year), and its month slots 0 to 12
// (a booking's month used directly as the slot; a month outside 0 to 12,
// such as 13, counts in the year only).
#include <cstdint>
#include <vector>

#include "park/ledger/LedgerMonthNode.h"
#include "park/ledger/LedgerRecord.h"

class LedgerYearNode {
 public:
  static constexpr int32_t kMonthSlots = 13;

  // The head takes the booking's fields with amount 0 and flag2 -1.
  explicit LedgerYearNode(const LedgerRecord& booking);

  const LedgerRecord& Head() const { return m_head; }
  int32_t Year() const { return m_head.year; }
  int32_t Amount() const { return m_head.amount; }
  // The month slot, or null when no booking reached it (its sum is then 0).
  const LedgerMonthNode* FindMonth(int32_t month) const;
  int32_t MonthAmount(int32_t month) const;
  const std::vector<LedgerMonthNode>& Months() const { return m_months; }

  // Counts the booking in the year and, when its month is a slot, below it.
  void Add(const LedgerRecord& booking);

 private:
  void AddToMonth(const LedgerRecord& booking);

  LedgerRecord m_head;
  std::vector<LedgerMonthNode> m_months;
};
