#pragma once
// Booking into the park's ledger: every booking goes to the record list and
// into the calendar tree through AddLedgerRecord, so the two always agree;
// the zero records that give the statistics their entries and years; and
// the ledger's block of the saved park file.
#include <cstdint>
#include <vector>

#include "park/ledger/CLedgerRecordList.h"
#include "park/ledger/CLedgerTree.h"
#include "park/ledger/LedgerRecord.h"

class SceneStream;

namespace ledger {

// The most records a saved park file may hold; a larger count is corrupt.
constexpr int32_t kMaxSavedRecords = 1 << 26;
// The most years the zero records go back; an absurd start year (from a
// corrupt file) books only the latest ones instead of looping for ever.
constexpr int32_t kMaxZeroRecordYears = 100;

}  // namespace ledger

// Appends the booking to the list and merges it into the tree; a booking
// with a subject is merged a second time as flag 1, into the entry of its
// subject, so it counts once park-wide and once for the subject.
void AddLedgerRecord(CLedgerTree& tree, CLedgerRecordList& list, const LedgerRecord& booking);

// Books one kind of the ledger's table (LedgerKinds.h) with the category and
// marker that its bookers use. subject is the placed object's ledger number
// for kinds 6 to 10, else -1. An unknown kind books nothing.
void BookLedgerKind(CLedgerTree& tree, CLedgerRecordList& list, int32_t kind, int32_t subject, const LedgerDate& date,
                    int32_t amount);

// The zero records that make every series of the statistics exist from the
// start year to the current year: the park-wide kinds (all but 15) and the
// kinds 6 to 10 of every subject given, each dated 1 January, hour 1, of its
// year. A year that its series already holds is not booked again, so a new
// park year books only the new year; nothing when the start year is later.
void AddStatisticItems(CLedgerTree& tree, CLedgerRecordList& list, int32_t startYear, int32_t currentYear,
                       const std::vector<int32_t>& subjects);

// The zero records of a newly placed object: kinds 6 to 10 of its subject for
// every year from the start year to now's year that it does not hold yet,
// each with now's month, day and hour.
void AddObjectZeroRecords(CLedgerTree& tree, CLedgerRecordList& list, int32_t subject, int32_t startYear,
                          const LedgerDate& now);

// The ledger's block of the park file: the record count, then each record's
// ten fields in field order.
void WriteLedger(SceneStream& out, const CLedgerRecordList& list);
// Replaces the tree and the list by the block's records, replayed through
// AddLedgerRecord in file order. The count is bounded, the read stops at the
// first error, and a record with a flag other than 0 or 1 (which no booker
// writes) is skipped. False when the block was cut short or corrupt; what
// was read before stays booked.
bool ReadLedger(SceneStream& in, CLedgerTree& tree, CLedgerRecordList& list);
