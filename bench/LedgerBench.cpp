// ledger_bench: what a simulated year of the demo park costs the ledger:
// the time to book it and the memory of the calendar tree and of the record
// list afterwards. The park has fifty attractions and is open from 9 to 21;
// each open hour forty visitors arrive, each uses four attractions, and
// meals, kiosk food and shop products sell; every hour books the visitor
// figures, every month the running costs, every day a few repairs. That is
// about a million bookings in 267 entries; the tree stores them in about
// 4 MB where fully allocated slots would take over 100 MB, and the record
// list, which the saved game keeps whole, about 40 bytes per booking.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <cstdint>
#include <random>
#include <vector>

#include "park/ledger/CLedgerRecordList.h"
#include "park/ledger/CLedgerTree.h"
#include "park/ledger/LedgerBooking.h"
#include "park/ledger/LedgerKinds.h"

namespace {

using namespace ledger;

constexpr int32_t kAttractions = 50;
constexpr int32_t kYear = 2026;
constexpr int32_t kMonths = 12;
constexpr int32_t kDaysPerMonth = 30;
constexpr int32_t kHoursPerDay = 24;
constexpr int32_t kOpening = 9;
constexpr int32_t kClosing = 21;
constexpr int32_t kVisitorsPerHour = 40;
constexpr int32_t kUsesPerVisitor = 4;
constexpr int32_t kMealsPerHour = 15;
constexpr int32_t kKioskPerHour = 10;
constexpr int32_t kShopPerHour = 8;
constexpr int32_t kRepairsPerDay = 3;
constexpr int32_t kBuildPrice = 4000;
constexpr int32_t kTicketPrice = 26;
// A year node of fully allocated slots: 13 months, 416 days, 10,400 hours.
constexpr double kPreallocatedNodesPerYear = 13 + 13 * 32 + 13 * 32 * 25;

// Calls book(kind, subject, date, amount) for every booking of the year.
template <class Book>
void SimulateYear(Book book) {
  std::mt19937 random(2026);
  std::uniform_int_distribution<int32_t> attraction(1, kAttractions);
  for (int32_t subject = 1; subject <= kAttractions; ++subject) book(kBuild, subject, LedgerDate{kYear, 1, 1, 8}, kBuildPrice);
  for (int32_t month = 1; month <= kMonths; ++month) {
    for (int32_t day = 1; day <= kDaysPerMonth; ++day) {
      for (int32_t hour = 0; hour < kHoursPerDay; ++hour) {
        const LedgerDate now{kYear, month, day, hour};
        const bool open = hour >= kOpening && hour < kClosing;
        if (open) {
          for (int32_t v = 0; v < kVisitorsPerHour; ++v) {
            book(kTicket, -1, now, kTicketPrice);
            for (int32_t u = 0; u < kUsesPerVisitor; ++u) book(kUse, attraction(random), now, 1);
          }
          for (int32_t i = 0; i < kMealsPerHour; ++i) book(kRestaurantMeal, -1, now, 15);
          for (int32_t i = 0; i < kKioskPerHour; ++i) book(kKioskFood, -1, now, 4);
          for (int32_t i = 0; i < kShopPerHour; ++i) book(kShopProduct, -1, now, 9);
          if (hour < kOpening + kRepairsPerDay) book(kRepair, attraction(random), now, 300);
        }
        for (int32_t kind = kVisitorCount; kind <= kMoodHigh; ++kind) book(kind, -1, now, open ? 120 : 0);
      }
    }
    for (int32_t subject = 1; subject <= kAttractions; ++subject) {
      book(kRunningCost, subject, LedgerDate{kYear, month, 1, 0}, kBuildPrice / 10);
    }
  }
}

std::vector<int32_t> Subjects() {
  std::vector<int32_t> subjects;
  for (int32_t subject = 1; subject <= kAttractions; ++subject) subjects.push_back(subject);
  return subjects;
}

size_t AllocatedBytes() { return mallinfo2().uordblks; }

void BookYear(CLedgerTree& tree, CLedgerRecordList& list) {
  AddStatisticItems(tree, list, kYear, kYear, Subjects());
  SimulateYear([&](int32_t kind, int32_t subject, const LedgerDate& date, int32_t amount) {
    BookLedgerKind(tree, list, kind, subject, date, amount);
  });
}

void BM_LedgerYear(benchmark::State& state) {
  int64_t bookings = 0;
  for (auto _ : state) {
    CLedgerTree tree;
    CLedgerRecordList list;
    BookYear(tree, list);
    bookings += list.Count();
    benchmark::DoNotOptimize(tree.Entries().data());
  }
  state.SetItemsProcessed(bookings);
}
BENCHMARK(BM_LedgerYear)->Unit(benchmark::kMillisecond);

// The memory of one booked year, the list apart from the tree; and what the
// same entries would take with every slot of their years allocated.
void BM_LedgerYearMemory(benchmark::State& state) {
  for (auto _ : state) {
    const size_t start = AllocatedBytes();
    CLedgerRecordList listOnly;
    SimulateYear([&](int32_t kind, int32_t subject, const LedgerDate& date, int32_t amount) {
      listOnly.Add({0, FindKind(kind)->category, kind, subject, date.year, date.month, date.day, date.hour, amount,
                    FindKind(kind)->flag2});
    });
    const size_t listBytes = AllocatedBytes() - start;
    listOnly.DeleteRecords();

    const size_t before = AllocatedBytes();
    CLedgerTree tree;
    CLedgerRecordList list;
    BookYear(tree, list);
    const double bothBytes = double(AllocatedBytes() - before);
    double yearNodes = 0;
    for (const auto& entry : tree.Entries()) yearNodes += double(entry->Years().size());
    constexpr double kMB = 1024.0 * 1024.0;
    state.counters["bookings"] = list.Count();
    state.counters["entries"] = double(tree.Entries().size());
    state.counters["list_MB"] = double(listBytes) / kMB;
    state.counters["tree_MB"] = (bothBytes - double(listBytes)) / kMB;
    state.counters["preallocated_tree_MB"] = yearNodes * kPreallocatedNodesPerYear * sizeof(LedgerRecord) / kMB;
  }
}
BENCHMARK(BM_LedgerYearMemory)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace

BENCHMARK_MAIN();
