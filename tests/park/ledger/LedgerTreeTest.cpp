#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <vector>

#include "park/ledger/CLedgerTree.h"
#include "park/ledger/LedgerBooking.h"
#include "park/ledger/LedgerKinds.h"
#include "tests/park/ledger/LedgerTestSupport.h"

namespace {

using ledgertest::Ledger;
using ledgertest::Recount;
using ledgertest::TreeSums;

constexpr int32_t kYear = 2026;

LedgerRecord Booking(int32_t flag, int32_t category, int32_t kind, int32_t subject, int32_t amount,
                     int32_t month = 3, int32_t day = 14, int32_t hour = 10) {
  return {flag, category, kind, subject, kYear, month, day, hour, amount, 0};
}

int32_t EntryAmount(const CLedgerTree& tree, int32_t flag, int32_t category, int32_t kind, int32_t subject) {
  const LedgerEntryNode* entry = tree.FindEntry(flag, category, kind, subject);
  return entry ? entry->Amount() : INT32_MIN;  // INT32_MIN: no such entry
}

}  // namespace

TEST(LedgerTree, BookingsMergeIntoTheirParkAndSubjectEntries) {
  struct Case {
    const char* what;
    LedgerRecord booking;
    int32_t park;        // the flag-0 entry (2, 9) after the booking
    int32_t perSubject;  // the flag-1 entry (2, 9, 5); INT32_MIN when none
  };
  const Case cases[] = {
      {"a use of subject 5 counts park-wide and for the subject", Booking(0, 2, 9, 5, 3), 3, 3},
      {"a park-wide booking touches only the flag-0 entry", Booking(0, 2, 9, -1, 4), 4, INT32_MIN},
      {"a flag-1 booking of 0 changes no sum", Booking(1, 2, 9, 5, 0), INT32_MIN, 0},
      {"a flag-1 booking with a subject merges twice into its entry", Booking(1, 2, 9, 5, 2), INT32_MIN, 4},
  };
  for (const Case& c : cases) {
    Ledger ledger;
    ledger.Book(c.booking);
    EXPECT_EQ(EntryAmount(ledger.tree, 0, 2, 9, -1), c.park) << c.what;
    EXPECT_EQ(EntryAmount(ledger.tree, 1, 2, 9, 5), c.perSubject) << c.what;
    EXPECT_EQ(ledger.list.Count(), 1) << c.what;
  }
}

TEST(LedgerTree, EntriesAreKeptPerKeyInCreationOrder) {
  Ledger ledger;
  ledger.Book(Booking(0, 2, 9, -1, 0));
  ledger.Book(Booking(0, 2, 9, 7, 1));
  ledger.Book(Booking(0, 2, 9, 8, 1));
  ledger.Book(Booking(0, 2, 9, 7, 1));
  ledger.Book(Booking(0, 5, 16, -1, 26));
  const auto& entries = ledger.tree.Entries();
  ASSERT_EQ(entries.size(), 4u);
  // The park-wide entry stands before the entries per subject of its kind,
  // and keeps the head of the booking that made it.
  EXPECT_EQ(entries[0]->Head().flag, 0);
  EXPECT_EQ(entries[0]->Head().subject, -1);
  EXPECT_EQ(entries[0]->Amount(), 3);
  EXPECT_EQ(entries[1]->Head().subject, 7);
  EXPECT_EQ(entries[1]->Amount(), 2);
  EXPECT_EQ(entries[2]->Head().subject, 8);
  EXPECT_EQ(entries[3]->Head().kind, 16);
  EXPECT_EQ(entries[3]->Head().amount, 26);
  EXPECT_EQ(entries[3]->Head().flag2, -1);
}

TEST(LedgerTree, ADateOutsideItsSlotsStopsTheDescentThere) {
  struct Case {
    int32_t month, day, hour;
    int32_t depth;  // levels below the year that count it: 0 to 3
  };
  const Case cases[] = {
      {13, 1, 1, 0}, {-1, 1, 1, 0}, {12, 32, 1, 1}, {12, -2, 1, 1},
      {12, 31, 25, 2}, {12, 31, -1, 2}, {12, 31, 24, 3}, {0, 0, 0, 3},
  };
  for (const Case& c : cases) {
    Ledger ledger;
    ledger.Book(Booking(0, 5, 16, -1, 26, c.month, c.day, c.hour));
    const LedgerEntryNode* entry = ledger.tree.FindEntry(0, 5, 16, -1);
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(entry->Amount(), 26);
    const LedgerYearNode* year = entry->FindYear(kYear);
    ASSERT_NE(year, nullptr);
    EXPECT_EQ(year->Amount(), 26);
    const LedgerMonthNode* month = year->FindMonth(c.month);
    const LedgerDayNode* day = month ? month->FindDay(c.day) : nullptr;
    const int32_t depth = !month ? 0 : !day ? 1 : day->HourAmount(c.hour) == 0 ? 2 : 3;
    EXPECT_EQ(depth, c.depth) << c.month << "-" << c.day << " " << c.hour;
    EXPECT_EQ(year->MonthAmount(c.month), c.depth >= 1 ? 26 : 0);
  }
}

TEST(LedgerTree, ZeroRecordsChangeNoSum) {
  Ledger ledger;
  AddStatisticItems(ledger.tree, ledger.list, kYear, kYear, {1, 2});
  ledger.Book(Booking(0, 2, 6, 1, 5000));
  ledger.Book(Booking(0, 5, 16, -1, 26));
  const auto before = TreeSums(ledger.tree);
  AddObjectZeroRecords(ledger.tree, ledger.list, 3, kYear, {kYear, 3, 14, 10});
  AddStatisticItems(ledger.tree, ledger.list, kYear, kYear + 1, {1, 2, 3});
  ledger.Book(Booking(1, 2, 9, 1, 0));
  for (const auto& [key, sum] : TreeSums(ledger.tree)) {
    const auto was = before.find(key);
    EXPECT_EQ(sum, was == before.end() ? 0 : was->second);
  }
}

TEST(LedgerStatistics, OpensEverySeriesOncePerYearAndObject) {
  Ledger ledger;
  AddStatisticItems(ledger.tree, ledger.list, kYear, kYear, {4});
  // Sixteen park-wide series (no kiosk food) and five per object.
  EXPECT_EQ(ledger.list.Count(), 16 + 5);
  const auto& entries = ledger.tree.Entries();
  ASSERT_FALSE(entries.empty());
  for (int32_t kind = ledger::kBuild; kind <= ledger::kRunningCost; ++kind) {
    const LedgerEntryNode* park = ledger.tree.FindEntry(0, 2, kind, -1);
    ASSERT_NE(park, nullptr);
    EXPECT_EQ(park->Head().subject, -1) << kind;
    ASSERT_NE(ledger.tree.FindEntry(1, 2, kind, 4), nullptr) << kind;
  }
  EXPECT_EQ(ledger.tree.FindEntry(0, 4, ledger::kKioskFood, -1), nullptr);

  AddStatisticItems(ledger.tree, ledger.list, kYear, kYear, {4});
  EXPECT_EQ(ledger.list.Count(), 21) << "the same year again books nothing";
  AddStatisticItems(ledger.tree, ledger.list, kYear, kYear + 1, {4});
  EXPECT_EQ(ledger.list.Count(), 42) << "a new year books only that year";
  AddObjectZeroRecords(ledger.tree, ledger.list, 4, kYear, {kYear + 1, 6, 2, 9});
  EXPECT_EQ(ledger.list.Count(), 42) << "the object's years are there already";
  AddObjectZeroRecords(ledger.tree, ledger.list, 9, kYear, {kYear + 1, 6, 2, 9});
  EXPECT_EQ(ledger.list.Count(), 52) << "a new object gets both years";
  const LedgerRecord& last = ledger.list.Records().back();
  EXPECT_EQ((std::vector<int32_t>{last.flag, last.category, last.kind, last.subject, last.year, last.month, last.day,
                                  last.hour, last.amount, last.flag2}),
            (std::vector<int32_t>{0, 2, 10, 9, kYear + 1, 6, 2, 9, 0, 1}));
}

TEST(LedgerStatistics, YearRangesThatAreEmptyOrAbsurdStayBounded) {
  Ledger ledger;
  AddStatisticItems(ledger.tree, ledger.list, kYear + 1, kYear, {});
  EXPECT_EQ(ledger.list.Count(), 0);
  AddStatisticItems(ledger.tree, ledger.list, INT32_MIN, INT32_MAX, {});
  EXPECT_EQ(ledger.list.Count(), 16 * ledger::kMaxZeroRecordYears);
  EXPECT_NE(ledger.tree.FindEntry(0, 1, 1, -1)->FindYear(INT32_MAX), nullptr);
}

TEST(LedgerTree, SumsEqualARecountOfTheRecordsOnARandomStream) {
  std::mt19937 random(33);
  auto pick = [&random](int32_t low, int32_t high) { return std::uniform_int_distribution<int32_t>(low, high)(random); };
  Ledger ledger;
  AddStatisticItems(ledger.tree, ledger.list, kYear, kYear, {1, 2, 3});
  for (int i = 0; i < 20000; ++i) {
    const int32_t kind = pick(ledger::kFirstKind, ledger::kLastKind);
    const bool perObject = kind >= ledger::kFirstObjectKind && kind <= ledger::kLastObjectKind;
    ledger.Book({pick(0, 9) == 0 ? 1 : 0, ledger::FindKind(kind)->category, kind, perObject ? pick(1, 12) : -1,
                 kYear + pick(0, 2), pick(-1, 14), pick(-1, 33), pick(-1, 26), pick(-50, 500), pick(0, 1)});
  }
  EXPECT_EQ(TreeSums(ledger.tree), Recount(ledger.list));
}
