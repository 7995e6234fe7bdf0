#include "park/ledger/LedgerYearNode.h"

#include "park/ledger/LedgerSlots.h"

LedgerYearNode::LedgerYearNode(const LedgerRecord& booking) : m_head(booking) {
  m_head.amount = 0;
  m_head.flag2 = -1;
}

const LedgerMonthNode* LedgerYearNode::FindMonth(int32_t month) const { return ledger::FindSlot(m_months, month); }

int32_t LedgerYearNode::MonthAmount(int32_t month) const {
  const LedgerMonthNode* node = FindMonth(month);
  return node ? node->Amount() : 0;
}

void LedgerYearNode::Add(const LedgerRecord& booking) {
  m_head.amount = ledger::AddAmount(m_head.amount, booking.amount);
  AddToMonth(booking);
}

void LedgerYearNode::AddToMonth(const LedgerRecord& booking) {
  if (!ledger::InSlots(booking.month, kMonthSlots)) return;
  ledger::SlotAt(m_months, booking.month).Add(booking);
}
