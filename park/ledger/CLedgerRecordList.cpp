#include "park/ledger/CLedgerRecordList.h"

CLedgerRecordList::CLedgerRecordList() = default;

CLedgerRecordList::~CLedgerRecordList() = default;

LedgerRecord* CLedgerRecordList::Add(const LedgerRecord& booking) { return &m_records.emplace_back(booking); }

void CLedgerRecordList::DeleteRecords() { m_records.clear(); }
