// A whole afternoon in a small park: visitors come in for the entrance fee,
// ride, fetch money and walk out at closing; the empty park opens the next
// morning with nothing left over. With trade and staff, visitors also buy
// food and sweets and leave litter, which the cleaner sweeps, while the
// gardener plants and the engineer repairs a worn ride.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <utility>
#include <vector>

#include "tests/characters/manager/ManagerTestSupport.h"
#include "tests/characters/manager/SmallPark.h"

namespace {

using managertest::SmallPark;

constexpr int kMaxFrames = 60000;
constexpr int32_t kFeeCategory = 5;
constexpr int32_t kFeeKind = 16;
constexpr int32_t kUseCategory = 2;
constexpr int32_t kUseKind = 9;
constexpr int32_t kRepairCategory = 2;
constexpr int32_t kRepairKind = 7;
constexpr int32_t kSweetsCategory = 6;
constexpr int32_t kSweetsKind = 17;
constexpr int32_t kFoodCategory = 4;
constexpr int32_t kSnackKind = 15;
constexpr int32_t kSnackPrice = 3;
constexpr int32_t kStartingCash = 1000;
constexpr int32_t kWornCondition = 40;

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

TEST_F(ScriptedDayTest, VisitorsBuyAndLitterWhileTheStaffCleanPlantAndRepair) {
  SmallPark park(world_, host_, park_);
  CPorvikAiClass& manager = Manager();
  park.Build(manager);
  CFoodCatalog foods;
  auto snack = std::make_unique<FoodRecord>();
  snack->name = "Patat";
  snack->cost = kSnackPrice;
  foods.kioskFoods.push_back(std::move(snack));
  park.BuildTrade(manager, foods);
  manager.SetCapacity(2);
  park_.clock = {2026, 3, 21, 16, 0};
  host_.hour = 16;
  park_.cash = kStartingCash;
  park.wheel.condition = kWornCondition;
  manager.GetRepairList().push_back(&park.wheel);

  // The staff start at the entrance; their work animations run with the frames.
  std::vector<REraduzizVisitor*> staff;
  int32_t id = REraduzizVisitor::kFirstStaffId;
  for (int32_t kind : {REraduzizVisitor::kCleaner, REraduzizVisitor::kGardener, REraduzizVisitor::kEngineer}) {
    REraduzizVisitor* member = manager.CreateVisitor(id, kind, SmallPark::Centre(SmallPark::kEntranceCell));
    ASSERT_NE(member, nullptr) << kind;
    manager.AddLiveId(id++);
    staff.push_back(member);
  }

  int frame = 0;
  for (; frame < kMaxFrames && park_.clock.day == 21; ++frame) {
    park.RunFrame(manager, clock_);
    for (REraduzizVisitor* member : staff) member->AdvanceTime(SmallPark::kFrame, nullptr);
  }
  ASSERT_LT(frame, kMaxFrames) << "the park never emptied";

  // Visitors bought snacks and sweets, and their litter went on the path
  // or into the bin.
  EXPECT_GT(park_.Total(kFoodCategory, kSnackKind), 0);
  EXPECT_GT(park_.Total(kSweetsCategory, kSweetsKind), 0);
  const std::size_t binned = std::size_t(std::count(world_.sounds.begin(), world_.sounds.end(), "beszelokuka_NOISE2"));
  EXPECT_GT(host_.litterDropped.size() + host_.litterInCells.size() + binned, 0u);
  // The cleaner swept, the gardener planted, the engineer repaired the ride.
  EXPECT_FALSE(world_.cleaned.empty());
  EXPECT_FALSE(world_.plantings.empty());
  EXPECT_EQ(park.wheel.condition, 100);
  EXPECT_TRUE(manager.GetRepairList().empty());
  const int64_t repairs = park_.Total(kRepairCategory, kRepairKind);
  EXPECT_EQ(repairs, int64_t(0.6 * park.wheel.buildCost));

  // Every unit of cash that came and went is in the ledger.
  int64_t booked = -repairs;
  for (const auto& [category, kind] : {std::pair{kFeeCategory, kFeeKind}, std::pair{kSweetsCategory, kSweetsKind},
                                       std::pair{kFoodCategory, kSnackKind}}) {
    booked += park_.Total(category, kind);
  }
  EXPECT_EQ(park_.cash - kStartingCash, booked);
  EXPECT_EQ(world_.salesTotals[std::size_t(CCharacterWorld::SalesTotal::kSnacks)], park_.Total(kFoodCategory, kSnackKind));
  EXPECT_EQ(world_.salesTotals[std::size_t(CCharacterWorld::SalesTotal::kSweets)],
            park_.Total(kSweetsCategory, kSweetsKind));
}

}  // namespace
