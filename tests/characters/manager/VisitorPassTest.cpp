// The visitors' pass: the spawn gates, closing and the turn of the day, and
// the hourly and monthly bookings.
#include <gtest/gtest.h>

#include "tests/characters/manager/ManagerTestSupport.h"
#include "tests/characters/manager/VisitorParkFake.h"

namespace {

using managertest::FakeVisitorPark;

constexpr double kFrame = 0.05;
constexpr int kFramesPerCheck = 20;

class VisitorPassTest : public managertest::ManagerTest {
 protected:
  // A park of an entrance (the spawn point) and one open attraction.
  CPorvikAiClass& Park(int32_t capacity) {
    CPorvikAiClass& manager = Manager();
    manager.AddPlacement(host_.entrancePoint, 1, "Attr_MainEntrance", CPorvikAiClass::kEntranceType, true);
    manager.AddPlacement({10, 0, 10}, 2, "Attr_wheel", 0, false);
    park_.objects = {{false, 1, 0, 0}, {true, 2, 0, 0}};
    manager.SetCapacity(capacity);
    return manager;
  }
  void SetHour(int32_t hour) {
    park_.clock.hour = hour;
    host_.hour = hour;
  }
  // Frames up to and including one spawn decision.
  void RunCheck() {
    for (int i = 0; i < kFramesPerCheck; ++i) Manager().UpdateAll(kFrame);
  }

  FakeVisitorPark park_;
};

TEST_F(VisitorPassTest, SpawnGates) {
  struct Case {
    const char* what;
    int32_t hour, capacity, price, open;
    uint32_t waitMs;
    bool spawns;
  };
  const Case cases[] = {
      {"open hours", 10, 5, 0, 1, 6001, true},
      {"last entry hour", 17, 5, 0, 1, 6001, true},
      {"before opening", 9, 5, 0, 1, 6001, false},
      {"after closing", 18, 5, 0, 1, 6001, false},
      {"no capacity", 12, 0, 0, 1, 6001, false},
      {"price above what the attractions are worth", 12, 5, 27, 1, 6001, false},
      {"price the attractions are worth", 12, 5, 7, 1, 6001, true},
      {"any price without an open attraction", 12, 5, 1, 0, 6001, false},
      {"too soon after the last one", 12, 5, 0, 1, 1000, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    manager_.reset();
    CPorvikAiClass& manager = Park(c.capacity);
    park_.objects[1].openAttraction = c.open != 0;
    park_.price = c.price;
    park_.cash = 0;
    SetHour(c.hour);
    clock_.AdvanceMs(c.waitMs);
    RunCheck();
    EXPECT_EQ(manager.GetVisitorCount(), c.spawns ? 1 : 0);
    EXPECT_EQ(park_.cash, c.spawns ? c.price : 0);
    if (c.spawns) {
      EXPECT_EQ(manager.GetLastSpawnTick(), plat::TickCount());
    }
    SetHour(10);
  }
}

TEST_F(VisitorPassTest, NewVisitorsAreChildrenThreeTimesInFourAndNeverKindThirteen) {
  int children = 0;
  constexpr int kDraws = 4000;
  for (int i = 0; i < kDraws; ++i) {
    const int32_t kind = CPorvikAiClass::DrawSpawnKind();
    ASSERT_GE(kind, 0);
    ASSERT_LE(kind, 12);
    children += kind >= 8 && kind <= 10 ? 1 : 0;
  }
  EXPECT_NEAR(children / double(kDraws), 0.75 + 0.25 * 3 / 13, 0.03);
}

TEST_F(VisitorPassTest, NoTimeStepRunsNoVisitorAndNoDecisionUntilTimeFlows) {
  CPorvikAiClass& manager = Park(5);
  SetHour(12);
  clock_.AdvanceMs(6001);
  for (int i = 0; i < 3 * kFramesPerCheck; ++i) manager.UpdateAll(0);
  EXPECT_EQ(manager.GetVisitorCount(), 0);
  EXPECT_TRUE(park_.booked.empty());
  // The frames counted meanwhile make the first pass with time decide.
  manager.UpdateAll(kFrame);
  EXPECT_EQ(manager.GetVisitorCount(), 1);
}

TEST_F(VisitorPassTest, NothingHappensWhileSaving) {
  CPorvikAiClass& manager = Park(5);
  park_.saving = true;
  clock_.AdvanceMs(6001);
  RunCheck();
  EXPECT_EQ(manager.GetVisitorCount(), 0);
  EXPECT_TRUE(park_.booked.empty());
}

TEST_F(VisitorPassTest, OneRecordNeverSpawns) {
  CPorvikAiClass& manager = Manager();
  manager.AddPlacement(host_.entrancePoint, 1, "Attr_MainEntrance", CPorvikAiClass::kEntranceType, true);
  park_.objects = {{true, 1, 0, 0}};
  manager.SetCapacity(5);
  clock_.AdvanceMs(6001);
  RunCheck();
  EXPECT_EQ(manager.GetVisitorCount(), 0);
}

TEST_F(VisitorPassTest, DaysRollOverInThirtyDayMonths) {
  struct Case {
    int32_t year, month, day;
    int32_t nextYear, nextMonth, nextDay;
    bool newYear;
  } cases[] = {
      {2026, 5, 12, 2026, 5, 13, false},
      {2026, 5, 30, 2026, 6, 1, false},
      {2026, 12, 30, 2027, 1, 1, true},
  };
  for (const Case& c : cases) {
    CVisitorPark::Clock clock;
    clock.year = c.year;
    clock.month = c.month;
    clock.day = c.day;
    EXPECT_EQ(CPorvikAiClass::AdvanceDate(clock), c.newYear);
    EXPECT_EQ(clock.year, c.nextYear);
    EXPECT_EQ(clock.month, c.nextMonth);
    EXPECT_EQ(clock.day, c.nextDay) << c.month << "/" << c.day;
  }
}

TEST_F(VisitorPassTest, ClosingSendsWalkersHomeAndTheEmptyParkOpensNextMorning) {
  CPorvikAiClass& manager = Park(5);
  park_.clock = {2026, 12, 30, 18, 45};
  host_.hour = 18;
  REraduzizVisitor* walker = Spawn(0);
  REraduzizVisitor* leaving = Spawn(1);
  REraduzizVisitor* rider = Spawn(2);
  ASSERT_TRUE(walker && leaving && rider);
  walker->SetActivityState(1, 14);
  leaving->SetActivityState(1, REraduzizVisitor::kStateLeftPark);
  // On the way back along the running ride's path, inside the ride.
  chartest::FakeObject ride;
  ride.pathsB = {{{0, 0, 0}, {100, 0, 100}}};
  rider->SetTargetAttraction(chartest::Handle(ride));
  rider->SetActivityState(1, REraduzizVisitor::kStateRideListBVisible);
  rider->SetInRide(true);
  for (REraduzizVisitor* v : {walker, leaving, rider}) {
    v->SetPathFound(true);
    v->SetTargetCell(200, 0, 0);
    v->SetCounterWithTime(REraduzizVisitor::kPatienceTimer, 5000);
  }
  RunCheck();
  EXPECT_TRUE(manager.IsParkClosed());
  EXPECT_EQ(park_.clock.day, 30);
  EXPECT_EQ(leaving->GetActivityState(), REraduzizVisitor::kStateLeftPark);
  EXPECT_EQ(walker->GetActivityMode(), 0);
  EXPECT_TRUE(rider->IsInRide());
  EXPECT_EQ(rider->GetActivityState(), REraduzizVisitor::kStateRideListBVisible) << "the rider finishes its ride";

  // Once everybody has walked out, the clock jumps to 10:00 of the next day.
  world_.pathResult = 1;
  for (int frame = 0; frame < 20000 && park_.clock.hour == 18; ++frame) manager.UpdateAll(kFrame);
  EXPECT_EQ(manager.GetVisitorCount(), 0);
  EXPECT_FALSE(manager.IsParkClosed());
  EXPECT_EQ(park_.clock.hour, 10);
  EXPECT_EQ(park_.clock.minute, 0);
  EXPECT_EQ(park_.clock.day, 1);
  EXPECT_EQ(park_.clock.month, 1);
  EXPECT_EQ(park_.clock.year, 2027);
  EXPECT_EQ(park_.clock.previousDay, 31);
  EXPECT_EQ(park_.clock.previousMonth, 13);
  EXPECT_EQ(park_.newYears, std::vector<int32_t>{2027});
  EXPECT_EQ(manager.TakeNextId(), CPorvikAiClass::kFirstVisitorId);
}

TEST_F(VisitorPassTest, HourlyFiguresAndMonthlyCostsAreBookedOnce) {
  CPorvikAiClass& manager = Park(0);
  park_.clock = {2026, 4, 3, 12, 0};
  SetHour(12);
  park_.objects = {{false, 7, 1, 1234}, {true, 8, 0, 999}};
  manager.SetHourBookings(11, 12);
  manager.SetMonthBookings(3, 4);
  RunCheck();
  RunCheck();
  ASSERT_EQ(park_.booked.size(), 6u);
  const LedgerRecord& cost = park_.booked[0];
  EXPECT_EQ(cost.category, 2);
  EXPECT_EQ(cost.kind, 10);
  EXPECT_EQ(cost.subject, 7);
  EXPECT_EQ(cost.amount, 123);
  EXPECT_EQ(cost.flag2, 1);
  const int32_t kinds[] = {2, 1, 3, 4, 5};
  for (int i = 0; i < 5; ++i) {
    const LedgerRecord& figure = park_.booked[std::size_t(i + 1)];
    EXPECT_EQ(figure.category, 1);
    EXPECT_EQ(figure.kind, kinds[i]);
    EXPECT_EQ(figure.hour, 12);
    EXPECT_EQ(figure.amount, 0);  // nobody in the park
  }
  EXPECT_EQ(manager.GetNextHourToBook(), 13);
  EXPECT_EQ(manager.GetNextMonthToBook(), 5);
  // A jump of two hours books at once.
  SetHour(15);
  RunCheck();
  EXPECT_EQ(park_.booked.size(), 11u);
}

TEST_F(VisitorPassTest, CapacityIsFiftyPerObjectBesideTheEntranceAndNeverNegative) {
  CPorvikAiClass& manager = Manager();
  manager.SetCapacity(7);
  manager.UpdateVisitorCapacity();
  EXPECT_EQ(manager.GetCapacity(), 0);
  park_.objects.resize(3);
  manager.UpdateVisitorCapacity();
  EXPECT_EQ(manager.GetCapacity(), 100);
}

}  // namespace
