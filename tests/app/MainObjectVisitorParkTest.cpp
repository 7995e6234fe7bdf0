#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "app/CMainObjectVisitorPark.h"
#include "app/VAvazadOvurUrovi.h"
#include "park/REraduzizEventClass.h"
#include "park/events/ParkEvent.h"
#include "park/ledger/CLedgerRecordList.h"
#include "park/objects/CAttraction.h"
#include "platform/os/Clock.h"

namespace {

// The main object as the park of the visitors' pass, and the path cursor
// and the job give-back of its characters' world.
class MainObjectVisitorParkTest : public ::testing::Test {
 protected:
  void SetUp() override {
    plat::SetClock(&clock_);
    game_ = std::make_unique<VAvazadOvurUrovi>();
  }
  void TearDown() override {
    game_.reset();
    plat::SetClock(nullptr);
  }
  CVisitorPark& Park() { return *CVisitorPark::Get(); }
  CAttraction* PlaceObject(int32_t state, uint8_t closed, int32_t number, int32_t capacity, int32_t cost) {
    CAttraction* object = game_->placedObjects.Place(std::make_unique<CAttraction>());
    object->state = state;
    object->isClosed = closed;
    object->objectNumber = number;
    object->visitorCapacity = capacity;
    object->buildCost = cost;
    return object;
  }

  plat::FakeClock clock_;
  std::unique_ptr<VAvazadOvurUrovi> game_;
};

TEST_F(MainObjectVisitorParkTest, IsInstalledWhileTheMainObjectLives) {
  EXPECT_EQ(CVisitorPark::Get(), game_->visitorPark.get());
  game_.reset();
  EXPECT_EQ(CVisitorPark::Get(), nullptr);
}

TEST_F(MainObjectVisitorParkTest, TheClockIsTheGameClock) {
  game_->gameDate = {3, 7, 30};
  game_->gameHour = 18;
  game_->gameMinute = 5;
  CVisitorPark::Clock clock = Park().GetClock();
  EXPECT_EQ(clock.year, 3);
  EXPECT_EQ(clock.month, 7);
  EXPECT_EQ(clock.day, 30);
  EXPECT_EQ(clock.hour, 18);
  EXPECT_EQ(clock.minute, 5);
  clock.day = 1;
  clock.month = 8;
  clock.hour = 10;
  clock.minute = 0;
  clock.previousDay = 31;
  clock.previousHour = 7;
  clock.previousMinute = 59;
  Park().SetClock(clock);
  EXPECT_EQ(game_->gameDate.day, 1);
  EXPECT_EQ(game_->gameDate.month, 8);
  EXPECT_EQ(game_->gameHour, 10);
  EXPECT_EQ(game_->previousDay, 31);
  EXPECT_EQ(game_->previousHour, 7);
  EXPECT_EQ(game_->previousMinute, 59);
}

TEST_F(MainObjectVisitorParkTest, TheEntranceFeeGoesToTheCashAndTheDaysSales) {
  game_->entrancePrice = 12;
  game_->cash = 100;
  game_->gameDate = {2, 4, 9};
  const std::size_t sales = game_->historyRecords.size();
  EXPECT_EQ(Park().GetEntrancePrice(), 12);
  Park().TakeEntranceFee(12);
  EXPECT_EQ(game_->cash, 112);
  ASSERT_EQ(game_->historyRecords.size(), sales + 1);
  const PlacedRecord& sale = game_->historyRecords.back();
  EXPECT_EQ(sale.first, 1);
  EXPECT_EQ(sale.values[0], 12);
  EXPECT_EQ(sale.values[1], 2);
  EXPECT_EQ(sale.values[2], 4);
  EXPECT_EQ(sale.values[3], 9);
  EXPECT_EQ(sale.name, "");
}

TEST_F(MainObjectVisitorParkTest, ObjectsAreThoseThatServeVisitorsWithTheirCosts) {
  PlaceObject(0, 0, 4, 8, 500);   // an open attraction
  PlaceObject(0, 1, 5, 8, 300);   // a closed one
  PlaceObject(6, 0, 6, 0, 200);   // a shop without visitor places
  PlaceObject(3, 0, 7, 2, 100);   // a rest place serves nobody here
  game_->placedObjects.CollectObjectsByState();
  const std::vector<CVisitorPark::ObjectView> objects = Park().GetObjects();
  ASSERT_EQ(objects.size(), 3u);
  EXPECT_TRUE(objects[0].openAttraction);
  EXPECT_FALSE(objects[1].openAttraction);
  EXPECT_FALSE(objects[2].openAttraction);
  EXPECT_EQ(objects[0].number, 4);
  EXPECT_EQ(objects[0].costCount, 8);
  EXPECT_EQ(objects[0].monthlyValue, 500);
  EXPECT_EQ(objects[2].costCount, 0);
}

TEST_F(MainObjectVisitorParkTest, BookingsReachTheLedgerAndTheVisitorCountTheMainObject) {
  const int32_t before = game_->ledgerRecords->Count();
  Park().Book({0, 5, 16, -1, 1, 3, 21, 10, 12, 0});
  ASSERT_EQ(game_->ledgerRecords->Count(), before + 1);
  EXPECT_EQ(game_->ledgerRecords->Records().back().amount, 12);
  Park().SetVisitorCount(42);
  EXPECT_EQ(game_->visitorCount, 42);
}

TEST_F(MainObjectVisitorParkTest, AJobGivenBackIsListedOnceAmongTheOpenEvents) {
  game_->parkEvents = new REraduzizEventClass;
  ParkEvent waiting;
  ParkEvent taken;
  waiting.assigned = 1;
  taken.assigned = 1;
  game_->parkEvents->openEvents = {&waiting};
  CCharacterWorld& world = *CCharacterWorld::Get();
  world.GiveBackEvent(&waiting);
  world.GiveBackEvent(&taken);
  EXPECT_EQ(waiting.assigned, 0);
  EXPECT_EQ(taken.assigned, 0);
  EXPECT_EQ(game_->parkEvents->openEvents, (std::vector<ParkEvent*>{&waiting, &taken}));
  game_->parkEvents->openEvents.clear();
}

TEST_F(MainObjectVisitorParkTest, WithoutAPathFinderAWalkerHeadsForItsDestination) {
  CCharacterWorld& world = *CCharacterWorld::Get();
  ASSERT_EQ(game_->pathFinder, nullptr);
  EXPECT_TRUE(world.ReadPath(5000, 3, 4, 1));
  int32_t i = 3;
  int32_t j = 4;
  world.GetPathCursor(5000, &i, &j);
  EXPECT_EQ(i, 3);
  EXPECT_EQ(j, 4);
}

}  // namespace
