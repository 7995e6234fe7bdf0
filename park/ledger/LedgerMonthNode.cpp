#include "park/ledger/LedgerMonthNode.h"

#include "park/ledger/LedgerSlots.h"

const LedgerDayNode* LedgerMonthNode::FindDay(int32_t day) const { return ledger::FindSlot(m_days, day); }

int32_t LedgerMonthNode::DayAmount(int32_t day) const {
  const LedgerDayNode* node = FindDay(day);
  return node ? node->Amount() : 0;
}

void LedgerMonthNode::Add(const LedgerRecord& booking) {
  m_amount = ledger::AddAmount(m_amount, booking.amount);
  AddToDay(booking);
}

void LedgerMonthNode::AddToDay(const LedgerRecord& booking) {
  if (!ledger::InSlots(booking.day, kDaySlots)) return;
  ledger::SlotAt(m_days, booking.day).Add(booking);
}
