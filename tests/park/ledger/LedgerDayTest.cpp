// A scripted park day: every booking is made the way its booker makes it,
// together with the change of the cash that the booker makes, and the
// ledger's money totals (summed as the finance overview sums them) must
// account for the cash exactly.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "park/ledger/LedgerBooking.h"
#include "park/ledger/LedgerKinds.h"
#include "tests/park/ledger/LedgerTestSupport.h"

namespace {

using namespace ledger;

constexpr int32_t kStartCash = 30000;
constexpr int32_t kTicketPrice = 26;
constexpr int32_t kStartYear = 2026;

struct PlacedObject {
  int32_t subject;
  int32_t buildPrice;
  int32_t capacity;
};

class ScriptedPark {
 public:
  ScriptedPark() { AddStatisticItems(ledger.tree, ledger.list, kStartYear, kStartYear, {}); }

  // The placing step: pays the price, opens the object's series, books it.
  void Place(const PlacedObject& object) {
    objects.push_back(object);
    cash -= object.buildPrice;
    AddObjectZeroRecords(ledger.tree, ledger.list, object.subject, kStartYear, now);
    Book(kBuild, object.subject, object.buildPrice);
  }
  // Income: the cash gains the price that is booked.
  void Sell(int32_t kind, int32_t price) {
    cash += price;
    Book(kind, -1, price);
  }
  // Costs: the cash pays what is booked.
  void Pay(int32_t kind, int32_t subject, int32_t amount) {
    cash -= amount;
    Book(kind, subject, amount);
  }
  void Use(int32_t subject) { Book(kUse, subject, 1); }
  void HourlyFigures(int32_t visitors) {
    Book(kVisitorCount, -1, visitors);
    Book(kMoodAverage, -1, visitors ? 61 : 0);
    Book(kMoodLow, -1, visitors / 4);
    Book(kMoodMiddle, -1, visitors / 2);
    Book(kMoodHigh, -1, visitors - visitors / 4 - visitors / 2);
  }
  // The new park month: the running cost of every object with a capacity.
  void NewMonth() {
    for (const PlacedObject& object : objects) {
      if (object.capacity >= 1) Pay(kRunningCost, object.subject, static_cast<int32_t>(object.buildPrice * 0.1));
    }
  }

  // The money totals of the finance overview: its top-level entries with
  // flag 0, income kinds less cost kinds.
  int64_t LedgerBalance() const {
    int64_t balance = 0;
    for (const auto& entry : ledger.tree.Entries()) {
      if (entry->Head().flag == 1) continue;
      switch (entry->Head().kind) {
        case kRestaurantMeal: case kKioskFood: case kTicket: case kShopProduct:
          balance += entry->Amount();
          break;
        case kBuild: case kRepair: case kUpgrade: case kRunningCost:
        case kHireEngineers: case kHireGardeners: case kHireCleaners:
          balance -= entry->Amount();
          break;
        default:
          break;
      }
    }
    return balance;
  }

  ledgertest::Ledger ledger;
  std::vector<PlacedObject> objects;
  LedgerDate now{kStartYear, 3, 30, 8};
  int64_t cash = kStartCash;

 private:
  void Book(int32_t kind, int32_t subject, int32_t amount) {
    BookLedgerKind(ledger.tree, ledger.list, kind, subject, now, amount);
  }
};

}  // namespace

TEST(LedgerDay, TheMoneyTotalsEqualTheCashChangesOfAScriptedDay) {
  ScriptedPark park;
  park.Place({1, 5000, 20});  // a ride
  park.Place({2, 2500, 8});   // a restaurant
  park.Place({3, 400, 0});    // a plant: no running cost
  park.Pay(kHireCleaners, -1, 2 * 2000);
  park.Pay(kHireEngineers, -1, 4000);

  for (int32_t hour = 9; hour <= 24; ++hour) {
    park.now.hour = hour;
    const int32_t arriving = hour < 18 ? 12 : 0;
    for (int32_t v = 0; v < arriving; ++v) {
      park.Sell(kTicket, kTicketPrice);
      park.Use(1 + v % 2);
      if (v % 3 == 0) park.Sell(kRestaurantMeal, 15);
      if (v % 4 == 0) park.Sell(kKioskFood, 4);
      if (v % 5 == 0) park.Sell(kShopProduct, 9);
    }
    if (hour == 14) park.Pay(kRepair, 1, static_cast<int32_t>((100 - 40) / 100.0 * 5000));
    if (hour == 16) park.Pay(kUpgrade, 1, 1000);
    park.HourlyFigures(arriving * (hour - 8));
  }
  park.now = {kStartYear, 4, 1, 0};
  park.NewMonth();

  EXPECT_EQ(park.LedgerBalance(), park.cash - kStartCash);
  // Costs per subject count once in the money totals, and once more in the
  // object's own entry.
  EXPECT_EQ(park.ledger.tree.FindEntry(0, kCategoryAttractions, kBuild, -1)->Amount(), 7900);
  EXPECT_EQ(park.ledger.tree.FindEntry(1, kCategoryAttractions, kBuild, 1)->Amount(), 5000);
  EXPECT_EQ(park.ledger.tree.FindEntry(1, kCategoryAttractions, kRunningCost, 1)->Amount(), 500);
  EXPECT_EQ(park.ledger.tree.FindEntry(1, kCategoryAttractions, kRunningCost, 3)->Amount(), 0);
  EXPECT_EQ(park.ledger.tree.FindEntry(0, kCategoryTickets, kTicket, -1)->Amount(), 9 * 12 * kTicketPrice);
  EXPECT_EQ(park.ledger.tree.FindEntry(0, kCategoryAttractions, kUse, -1)->Amount(), 9 * 12);
}
