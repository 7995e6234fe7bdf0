#include "park/ledger/LedgerDayNode.h"

#include "park/ledger/LedgerSlots.h"

int32_t LedgerDayNode::HourAmount(int32_t hour) const {
  const LedgerHourSum* slot = ledger::FindSlot(m_hours, hour);
  return slot ? slot->amount : 0;
}

void LedgerDayNode::Add(const LedgerRecord& booking) {
  m_amount = ledger::AddAmount(m_amount, booking.amount);
  AddToHour(booking);
}

void LedgerDayNode::AddToHour(const LedgerRecord& booking) {
  if (!ledger::InSlots(booking.hour, kHourSlots)) return;
  LedgerHourSum& slot = ledger::SlotAt(m_hours, booking.hour);
  slot.amount = ledger::AddAmount(slot.amount, booking.amount);
}
