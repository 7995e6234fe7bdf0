#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "engine/core/SceneStream.h"
#include "park/ledger/LedgerBooking.h"
#include "park/ledger/LedgerKinds.h"
#include "tests/park/ledger/LedgerTestSupport.h"

namespace {

using ledgertest::FileOf;
using ledgertest::Ledger;
using ledgertest::TreeSums;
using ledgertest::Written;

constexpr int32_t kYear = 2026;

std::string Int32(int32_t v) {
  const auto u = static_cast<uint32_t>(v);
  return {static_cast<char>(u), static_cast<char>(u >> 8), static_cast<char>(u >> 16), static_cast<char>(u >> 24)};
}

std::string RecordBytes(const LedgerRecord& r) {
  std::string bytes;
  for (int32_t v : {r.flag, r.category, r.kind, r.subject, r.year, r.month, r.day, r.hour, r.amount, r.flag2}) {
    bytes += Int32(v);
  }
  return bytes;
}

// A ledger of two years with zero records, bookings with and without a
// subject, and dates outside the slots.
void BookTwoYears(Ledger& ledger) {
  AddStatisticItems(ledger.tree, ledger.list, kYear, kYear, {1, 2});
  BookLedgerKind(ledger.tree, ledger.list, ledger::kBuild, 1, {kYear, 3, 1, 10}, 5000);
  for (int32_t hour = 9; hour <= 24; ++hour) {
    BookLedgerKind(ledger.tree, ledger.list, ledger::kTicket, -1, {kYear, 3, 1, hour}, 26);
    BookLedgerKind(ledger.tree, ledger.list, ledger::kUse, 1 + hour % 2, {kYear, 3, 1, hour}, 1);
  }
  ledger.Book({0, 2, 10, 2, kYear, 13, 1, 1, 300, 1});
  AddStatisticItems(ledger.tree, ledger.list, kYear, kYear + 1, {1, 2});
  BookLedgerKind(ledger.tree, ledger.list, ledger::kShopProduct, -1, {kYear + 1, 1, 1, 0}, 9);
}

}  // namespace

TEST(LedgerSave, ReplayReproducesTheRecordsAndEverySumOfTheTree) {
  Ledger saved;
  BookTwoYears(saved);
  const std::string bytes = Written([&](SceneStream& out) { WriteLedger(out, saved.list); });
  ASSERT_EQ(bytes.size(), 4 + 40 * size_t(saved.list.Count()));

  Ledger loaded;
  loaded.Book({0, 5, 16, -1, kYear, 1, 1, 1, 999, 0});  // replaced by the replay
  SceneStream in(FileOf(bytes));
  ASSERT_TRUE(ReadLedger(in, loaded.tree, loaded.list));
  EXPECT_EQ(TreeSums(loaded.tree), TreeSums(saved.tree));
  ASSERT_EQ(loaded.list.Count(), saved.list.Count());
  EXPECT_EQ(RecordBytes(loaded.list.Records()[7]), RecordBytes(saved.list.Records()[7]));
  ASSERT_EQ(loaded.tree.Entries().size(), saved.tree.Entries().size());
  for (size_t i = 0; i < saved.tree.Entries().size(); ++i) {
    EXPECT_EQ(RecordBytes(loaded.tree.Entries()[i]->Head()), RecordBytes(saved.tree.Entries()[i]->Head())) << i;
  }
}

TEST(LedgerSave, ABadBlockStopsTheReplayAtTheFirstError) {
  const LedgerRecord ticket{0, 5, 16, -1, kYear, 3, 1, 10, 26, 0};
  LedgerRecord unknownFlag = ticket;
  unknownFlag.flag = 2;
  struct Case {
    const char* what;
    std::string bytes;
    bool good;
    int32_t records;  // booked after the read
  };
  const Case cases[] = {
      {"a negative count", Int32(-1) + RecordBytes(ticket), false, 0},
      {"a count above the bound", Int32(ledger::kMaxSavedRecords + 1) + RecordBytes(ticket), false, 0},
      {"a block cut inside its second record", Int32(2) + RecordBytes(ticket) + RecordBytes(ticket).substr(0, 17),
       false, 1},
      {"a count larger than the file", Int32(1000000) + RecordBytes(ticket), false, 1},
      {"a flag no booker writes is skipped", Int32(2) + RecordBytes(unknownFlag) + RecordBytes(ticket), true, 1},
      {"an empty block", Int32(0), true, 0},
  };
  for (const Case& c : cases) {
    Ledger ledger;
    SceneStream in(FileOf(c.bytes));
    EXPECT_EQ(ReadLedger(in, ledger.tree, ledger.list), c.good) << c.what;
    EXPECT_EQ(ledger.list.Count(), c.records) << c.what;
    EXPECT_EQ(ledgertest::Recount(ledger.list), TreeSums(ledger.tree)) << c.what;
  }
}
