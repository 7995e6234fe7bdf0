#include "park/ledger/LedgerEntryNode.h"

#include <algorithm>

namespace {

// Bookings mostly fall in the latest year, which is the last node.
template <class Years>
auto* FindYearIn(Years& years, int32_t year) {
  const auto at = std::find_if(years.rbegin(), years.rend(), [year](const auto& node) { return node.Year() == year; });
  return at == years.rend() ? nullptr : &*at;
}

}  // namespace

LedgerEntryNode::LedgerEntryNode(const LedgerRecord& booking) : m_head(booking) {
  m_head.amount = 0;
  m_head.flag2 = -1;
}

const LedgerYearNode* LedgerEntryNode::FindYear(int32_t year) const { return FindYearIn(m_years, year); }

void LedgerEntryNode::Add(const LedgerRecord& booking) {
  m_head.amount = ledger::AddAmount(m_head.amount, booking.amount);
  AddToYear(booking);
}

void LedgerEntryNode::AddToYear(const LedgerRecord& booking) {
  LedgerYearNode* node = FindYearIn(m_years, booking.year);
  if (!node) node = &m_years.emplace_back(booking);
  node->Add(booking);
}
