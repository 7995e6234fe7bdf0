#pragma once
// One entry of the ledger tree: a category and kind (flag 0), or a category,
// kind and subject (flag 1). Its head keeps the fields of the booking that
// made it, its amount the running sum of every booking merged into it; its
// years follow in the order they were first booked.
#include <cstdint>
#include <vector>

#include "park/ledger/LedgerRecord.h"
#include "park/ledger/LedgerYearNode.h"

class LedgerEntryNode {
 public:
  // The head takes the booking's fields with amount 0 and flag2 -1.
  explicit LedgerEntryNode(const LedgerRecord& booking);

  const LedgerRecord& Head() const { return m_head; }
  int32_t Amount() const { return m_head.amount; }
  // The year node of that year, or null when the entry has none.
  const LedgerYearNode* FindYear(int32_t year) const;
  const std::vector<LedgerYearNode>& Years() const { return m_years; }

  // Counts the booking in the entry and in its year, made when missing.
  void Add(const LedgerRecord& booking);

 private:
  void AddToYear(const LedgerRecord& booking);

  LedgerRecord m_head;
  std::vector<LedgerYearNode> m_years;
};
