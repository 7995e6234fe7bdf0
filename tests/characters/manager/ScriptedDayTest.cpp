// A whole afternoon in a small park: visitors come in for the entrance fee,
// ride, fetch money and walk out at closing; the empty park opens the next
// morning with nothing left over.
#include <gtest/gtest.h>

#include <algorithm>

#include "tests/characters/manager/ManagerTestSupport.h"
#include "tests/characters/manager/SmallPark.h"

namespace {

using managertest::SmallPark;

constexpr int kMaxFrames = 60000;
constexpr int32_t kFeeCategory = 5;
constexpr int32_t kFeeKind = 16;
constexpr int32_t kUseCategory = 2;
constexpr int32_t kUseKind = 9;

class ScriptedDayTest : public managertest::ManagerTestWith<managertest::ParkWorld, managertest::ParkHost> {
 protected:
  int64_t Uses(const CAttraction& object) const {
    int64_t uses = 0;
    for (const LedgerRecord& r : park_.booked)
      if (r.category == kUseCategory && r.kind == kUseKind && r.subject == object.objectNumber) uses += r.amount;
    return uses;
  }

  managertest::FakeVisitorPark park_;
};

TEST_F(ScriptedDayTest, VisitorsComeRideAndAllLeaveByTheNextMorning) {
  SmallPark park(world_, host_, park_);
  CPorvikAiClass& manager = Manager();
  park.Build(manager);
  manager.SetCapacity(2);
  park_.clock = {2026, 3, 21, 16, 0};
  host_.hour = 16;
  const int64_t cashBefore = park_.cash;

  int32_t mostVisitors = 0;
  int frame = 0;
  for (; frame < kMaxFrames && park_.clock.day == 21; ++frame) {
    park.RunFrame(manager, clock_);
    mostVisitors = std::max(mostVisitors, manager.GetVisitorCount());
  }
  ASSERT_LT(frame, kMaxFrames) << "the park never emptied";

  // Visitors came and were in the park together.
  EXPECT_GE(park_.sales, 5);
  EXPECT_GE(mostVisitors, 3);
  EXPECT_GT(Uses(park.wheel) + Uses(park.carousel), 0);
  // The next morning: nobody left, the ids start again, the gates are clear.
  EXPECT_EQ(park_.clock.day, 22);
  EXPECT_EQ(park_.clock.hour, 10);
  EXPECT_EQ(manager.GetVisitorCount(), 0);
  EXPECT_EQ(park_.visitors, 0);
  EXPECT_TRUE(manager.GetLiveIds().empty());
  EXPECT_FALSE(manager.IsParkClosed());
  EXPECT_EQ(manager.TakeNextId(), CPorvikAiClass::kFirstVisitorId);
  for (const CAttraction* object : {&park.wheel, &park.carousel, &park.cashMachine}) {
    SCOPED_TRACE(object->id.Std());
    EXPECT_EQ(object->queueLength, 0);
    EXPECT_EQ(object->visitorsInside, 0);
    EXPECT_EQ(object->usedCount, 0);
  }
  // Every unit the park took is in the ledger.
  EXPECT_EQ(park_.cash - cashBefore, park_.Total(kFeeCategory, kFeeKind));
  EXPECT_EQ(park_.Total(kFeeCategory, kFeeKind), int64_t(park_.sales) * SmallPark::kPrice);
}

}  // namespace
