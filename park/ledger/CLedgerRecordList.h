#pragma once
// The ledger's record list: every booking in booking order, as a saved game
// stores it. Records stay where they are while the list grows, so the
// pointer that Add returns stays valid until DeleteRecords.
#include <cstdint>
#include <deque>

#include "park/ledger/LedgerRecord.h"

class CLedgerRecordList {
 public:
  CLedgerRecordList();
  ~CLedgerRecordList();
  CLedgerRecordList(const CLedgerRecordList&) = delete;
  CLedgerRecordList& operator=(const CLedgerRecordList&) = delete;

  LedgerRecord* Add(const LedgerRecord& booking);
  void DeleteRecords();

  int32_t Count() const { return static_cast<int32_t>(m_records.size()); }
  const std::deque<LedgerRecord>& Records() const { return m_records; }

 private:
  std::deque<LedgerRecord> m_records;
};
