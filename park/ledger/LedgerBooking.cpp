#include "park/ledger/LedgerBooking.h"

#include <algorithm>
#include <array>

#include "engine/core/SceneStream.h"
#include "park/ledger/LedgerKinds.h"

namespace {

using namespace ledger;

struct ZeroSeries {
  int32_t kind;
  int32_t flag2;
};

// The park-wide series that AddStatisticItems opens each year; kiosk food
// (kind 15) has none.
constexpr std::array<ZeroSeries, 16> kParkSeries = {{
    {kVisitorCount, 0}, {kMoodAverage, 0}, {kMoodLow, 0}, {kMoodMiddle, 0}, {kMoodHigh, 0},
    {kBuild, 1}, {kRepair, 1}, {kUpgrade, 1}, {kUse, 0}, {kRunningCost, 0},
    {kHireEngineers, 1}, {kHireGardeners, 1}, {kHireCleaners, 1},
    {kRestaurantMeal, 0}, {kTicket, 0}, {kShopProduct, 0},
}};

constexpr int32_t kObjectZeroFlag2 = 1;
constexpr LedgerDate kNewYearDay = {0, 1, 1, 1};  // year filled in per pass

int32_t CategoryOf(int32_t kind) {
  const KindInfo* info = FindKind(kind);
  return info ? info->category : -1;
}

bool HoldsYear(const CLedgerTree& tree, int32_t flag, int32_t kind, int32_t subject, int32_t year) {
  const LedgerEntryNode* entry = tree.FindEntry(flag, CategoryOf(kind), kind, subject);
  return entry && entry->FindYear(year);
}

LedgerRecord ZeroRecord(int32_t kind, int32_t subject, const LedgerDate& date, int32_t flag2) {
  return {0, CategoryOf(kind), kind, subject, date.year, date.month, date.day, date.hour, 0, flag2};
}

// Calls book(year) for every year from startYear to lastYear, both
// included, at most the latest kMaxZeroRecordYears of them.
template <class Book>
void ForEachZeroYear(int32_t startYear, int32_t lastYear, Book book) {
  if (startYear > lastYear) return;
  const auto first = static_cast<int32_t>(std::max<int64_t>(startYear, int64_t{lastYear} - kMaxZeroRecordYears + 1));
  for (int32_t year = first;; ++year) {  // stops before ++ can pass INT32_MAX
    book(year);
    if (year == lastYear) break;
  }
}

LedgerDate InYear(LedgerDate date, int32_t year) {
  date.year = year;
  return date;
}

void BookObjectYear(CLedgerTree& tree, CLedgerRecordList& list, int32_t subject, const LedgerDate& date) {
  for (int32_t kind = kFirstObjectKind; kind <= kLastObjectKind; ++kind) {
    if (HoldsYear(tree, 1, kind, subject, date.year)) continue;
    AddLedgerRecord(tree, list, ZeroRecord(kind, subject, date, kObjectZeroFlag2));
  }
}

void BookParkYear(CLedgerTree& tree, CLedgerRecordList& list, int32_t year) {
  const LedgerDate date = InYear(kNewYearDay, year);
  for (const ZeroSeries& series : kParkSeries) {
    if (HoldsYear(tree, 0, series.kind, -1, year)) continue;
    AddLedgerRecord(tree, list, ZeroRecord(series.kind, -1, date, series.flag2));
  }
}

void WriteRecord(SceneStream& out, const LedgerRecord& r) {
  for (int32_t value : {r.flag, r.category, r.kind, r.subject, r.year, r.month, r.day, r.hour, r.amount, r.flag2}) {
    out.WriteInt32(value);
  }
}

LedgerRecord ReadRecord(SceneStream& in) {
  LedgerRecord r;
  for (int32_t* field : {&r.flag, &r.category, &r.kind, &r.subject, &r.year, &r.month, &r.day, &r.hour, &r.amount,
                         &r.flag2}) {
    *field = in.ReadInt32();
  }
  return r;
}

}  // namespace

void AddLedgerRecord(CLedgerTree& tree, CLedgerRecordList& list, const LedgerRecord& booking) {
  list.Add(booking);
  tree.Merge(booking);
  if (booking.subject > -1) {
    LedgerRecord perSubject = booking;
    perSubject.flag = 1;
    tree.Merge(perSubject);
  }
}

void BookLedgerKind(CLedgerTree& tree, CLedgerRecordList& list, int32_t kind, int32_t subject, const LedgerDate& date,
                    int32_t amount) {
  const KindInfo* info = FindKind(kind);
  if (!info) return;
  AddLedgerRecord(tree, list,
                  {0, info->category, kind, subject, date.year, date.month, date.day, date.hour, amount, info->flag2});
}

void AddStatisticItems(CLedgerTree& tree, CLedgerRecordList& list, int32_t startYear, int32_t currentYear,
                       const std::vector<int32_t>& subjects) {
  ForEachZeroYear(startYear, currentYear, [&](int32_t year) {
    BookParkYear(tree, list, year);
    for (int32_t subject : subjects) BookObjectYear(tree, list, subject, InYear(kNewYearDay, year));
  });
}

void AddObjectZeroRecords(CLedgerTree& tree, CLedgerRecordList& list, int32_t subject, int32_t startYear,
                          const LedgerDate& now) {
  ForEachZeroYear(startYear, now.year,
                  [&](int32_t year) { BookObjectYear(tree, list, subject, InYear(now, year)); });
}

void WriteLedger(SceneStream& out, const CLedgerRecordList& list) {
  out.WriteInt32(list.Count());
  for (const LedgerRecord& record : list.Records()) WriteRecord(out, record);
}

bool ReadLedger(SceneStream& in, CLedgerTree& tree, CLedgerRecordList& list) {
  tree.DeleteEntries();
  list.DeleteRecords();
  const int32_t count = in.ReadCount(kMaxSavedRecords);
  for (int32_t i = 0; i < count; ++i) {
    const LedgerRecord record = ReadRecord(in);
    if (!in.Good()) break;
    if (record.flag != 0 && record.flag != 1) continue;
    AddLedgerRecord(tree, list, record);
  }
  return in.Good();
}
