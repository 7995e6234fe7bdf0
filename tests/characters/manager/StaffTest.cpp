// The staff at work: the cleaner's patrol and sweep, the gardener's
// planting and watering, the engineer's paid repairs. The figures have no
// model here: a test moves them to where their walk heads and ends their
// work animation when it wants.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "park/objects/CAttraction.h"
#include "tests/characters/manager/ManagerTestSupport.h"
#include "tests/characters/manager/SmallPark.h"
#include "tests/characters/manager/VisitorParkFake.h"

namespace {

constexpr int32_t kRow = 64;
constexpr uint16_t kLittered = 2;

class StaffMember : public REraduzizVisitor {
 public:
  StaffMember(int32_t kind, const plat::Vec3& at) {
    SetKind(kind);
    SetId(kFirstStaffId);
    SetPosition(at);
  }
  // One frame of work; then, while it walks, the figure is where it headed.
  int32_t Work() {
    UpdateByKind(0.05);
    if (GetActivityMode() == kWalkingMode) SetPosition(GetTargetPosition());
    return GetActivityState();
  }
  static constexpr int32_t kWalkingMode = 1;
  bool HasActionAnimationEnded(int32_t) const override { return animationEnded; }
  bool animationEnded = false;
};

class StaffTest : public managertest::ManagerTestWith<managertest::ParkWorld, managertest::ParkHost> {
 protected:
  void SetUp() override {
    ManagerTestWith::SetUp();
    world_.LayRow(56, 72, kRow);
    ride_.id = "Attr_wheel";
    ride_.objectNumber = 7;
    ride_.gatePosition = Centre(72);
    ride_.SetPosition(ride_.gatePosition.x, 0, ride_.gatePosition.z);
    host_.objects = {&ride_};
    park_.clock = {2026, 5, 3, 14, 0};
  }
  static plat::Vec3 Centre(int32_t i, int32_t j = kRow) { return chartest::FakeCharacterWorld::Centre(i, j); }
  void AddRideRecord() { Manager().AddPlacement(ride_.gatePosition, ride_.objectNumber, ride_.id, 0, false); }
  std::vector<CAttraction*>& Repairs() { return Manager().GetRepairList(); }

  managertest::FakeVisitorPark park_;
  CAttraction ride_;
};

TEST_F(StaffTest, TheCleanerSweepsALitteredCellOnItsPatrolThenGoesOn) {
  AddRideRecord();
  world_.Cell(62, kRow).layer1 = kLittered;
  StaffMember cleaner(REraduzizVisitor::kCleaner, Centre(60));
  EXPECT_EQ(cleaner.Work(), 23);
  EXPECT_EQ(cleaner.GetDestination(), ride_.gatePosition);
  EXPECT_TRUE(cleaner.IsWalking());
  EXPECT_EQ(cleaner.Work(), 23);  // the first cell walked
  EXPECT_EQ(cleaner.Work(), 26);  // the littered cell beside it is taken at once
  EXPECT_EQ(cleaner.GetDestination(), Centre(62));
  cleaner.SetPosition(Centre(62));
  EXPECT_EQ(cleaner.Work(), 44);
  // The work animation plays once; the sweep waits for its end.
  for (int frame = 0; frame < 3; ++frame) EXPECT_EQ(cleaner.Work(), 44);
  EXPECT_TRUE(cleaner.GetOneShotFlag());
  EXPECT_FALSE(cleaner.IsWalking());
  EXPECT_EQ(world_.Cell(62, kRow).layer1, kLittered);
  cleaner.animationEnded = true;
  EXPECT_EQ(cleaner.Work(), 23);
  EXPECT_EQ(world_.Cell(62, kRow).layer1, 0);
  ASSERT_EQ(world_.cleaned.size(), 1u);
  EXPECT_EQ(world_.cleaned[0], Centre(62));
  EXPECT_FALSE(cleaner.GetOneShotFlag());
  EXPECT_EQ(cleaner.GetDestination(), ride_.gatePosition);

  // A patrol that passes no litter ends at its target.
  cleaner.SetPosition(ride_.gatePosition);
  EXPECT_EQ(cleaner.Work(), 7);
  EXPECT_EQ(world_.cleaned.size(), 1u);
}

TEST_F(StaffTest, StaffInAStateOfNoRoundGoBackToLookingForWork) {
  for (int32_t kind : {REraduzizVisitor::kCleaner, REraduzizVisitor::kGardener, REraduzizVisitor::kEngineer}) {
    SCOPED_TRACE(kind);
    StaffMember member(kind, Centre(60));
    for (int32_t state : {3, 30, 99}) {
      member.SetActivityState(2, state);
      member.UpdateByKind(0.05);
      EXPECT_EQ(member.GetActivityMode(), 0);
      EXPECT_EQ(member.GetActivityState(), 7);
      EXPECT_FALSE(member.IsWalking());
    }
  }
}

TEST_F(StaffTest, WithoutAWorldStaffAndParkCharactersStandStill) {
  CCharacterWorld::Install(nullptr);
  for (int32_t kind : {REraduzizVisitor::kCleaner, REraduzizVisitor::kGardener, REraduzizVisitor::kEngineer, 15}) {
    SCOPED_TRACE(kind);
    StaffMember member(kind, Centre(60));
    member.SetActivityState(2, 44);
    member.UpdateByKind(0.05);
    EXPECT_EQ(member.GetActivityState(), 44);
    EXPECT_TRUE(member.IsStanding());
  }
  CCharacterWorld::Install(&world_);
}

TEST_F(StaffTest, TheGardenerPlantsBesideItsRoundThenWatersPlantsUntilThePauseIsOver) {
  AddRideRecord();
  StaffMember gardener(REraduzizVisitor::kGardener, Centre(60));
  EXPECT_EQ(gardener.Work(), 23);
  EXPECT_EQ(gardener.Work(), 23);
  const plat::Vec3 leftRound = gardener.GetPosition();
  EXPECT_EQ(gardener.Work(), 27);
  const plat::Vec3 plot = gardener.GetDestination();
  int32_t i = 0, j = 0;
  ASSERT_TRUE(world_.WorldToCell(plot, &i, &j));
  EXPECT_FALSE(world_.Cell(i, j).isPath);
  gardener.SetPosition(plot);
  EXPECT_EQ(gardener.Work(), 46);
  EXPECT_EQ(gardener.Work(), 46);
  EXPECT_TRUE(world_.plantings.empty());
  gardener.animationEnded = true;
  EXPECT_EQ(gardener.Work(), 29);
  gardener.animationEnded = false;
  ASSERT_EQ(world_.plantings.size(), 1u);
  EXPECT_EQ(world_.plantings[0].point, plot);
  const int32_t pause = gardener.GetTimer(REraduzizVisitor::kGardenerPauseTimer).counter;
  EXPECT_GE(pause, 120);
  EXPECT_LE(pause, 419);
  // Back where it left its round, and on to the round's target.
  EXPECT_EQ(gardener.GetDestination(), leftRound);
  gardener.SetPosition(leftRound);
  EXPECT_EQ(gardener.Work(), 23);
  EXPECT_EQ(gardener.GetDestination(), ride_.gatePosition);

  // During the pause it waters the plant it passes, and plants nothing.
  CAttraction plant;
  plant.condition = 40;
  plant.SetPosition(Centre(61, kRow + 1).x, 0, Centre(61, kRow + 1).z);
  world_.Cell(61, kRow + 1).hasObject = true;
  world_.Cell(61, kRow + 1).lowestObject = &plant;
  int32_t state = 23;
  for (int frame = 0; frame < 4 && state == 23; ++frame) state = gardener.Work();
  ASSERT_EQ(state, 28);
  EXPECT_EQ(gardener.GetDestination(), plant.GetPositionStruct());
  gardener.SetPosition(plant.GetPositionStruct());
  EXPECT_EQ(gardener.Work(), 47);
  EXPECT_EQ(gardener.Work(), 47);
  gardener.animationEnded = true;
  EXPECT_EQ(gardener.Work(), 29);
  EXPECT_EQ(plant.condition, 100);
  EXPECT_EQ(world_.plantings.size(), 1u);
}

TEST_F(StaffTest, EveryPlantKindCanBePlanted) {
  StaffMember gardener(REraduzizVisitor::kGardener, Centre(60));
  gardener.animationEnded = true;
  constexpr int kPlantings = 3000;
  for (int n = 0; n < kPlantings; ++n) {
    gardener.SetActivityState(2, 46);
    gardener.SetOneShotFlag(true);
    gardener.UpdateByKind(0.05);
  }
  ASSERT_EQ(world_.plantings.size(), std::size_t(kPlantings));
  std::vector<bool> seen(REraduzizVisitor::kPlantKindCount, false);
  for (const auto& planting : world_.plantings) {
    ASSERT_GE(planting.kind, 0);
    ASSERT_LT(planting.kind, REraduzizVisitor::kPlantKindCount);
    seen[std::size_t(planting.kind)] = true;
  }
  EXPECT_EQ(std::count(seen.begin(), seen.end(), true), REraduzizVisitor::kPlantKindCount);
}

TEST_F(StaffTest, TheEngineerRepairsAWornAttractionWhenTheCashCoversIt) {
  struct Case {
    int32_t condition, price, cash;
    bool repaired;
    int32_t cost;
  };
  const Case cases[] = {
      {40, 500, 1000, true, 300},
      {40, 500, 300, true, 300},
      {40, 500, 299, false, 300},
      {70, 1000, 5000, true, 300},
      {0, 333, 5000, true, 333},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "condition " << c.condition << ", cash " << c.cash);
    park_.booked.clear();
    world_.upgradeRefreshes = 0;
    ride_.condition = c.condition;
    ride_.buildCost = c.price;
    world_.cash = c.cash;
    Repairs() = {&ride_};
    StaffMember engineer(REraduzizVisitor::kEngineer, Centre(68));
    ASSERT_EQ(engineer.Work(), 23);
    // The repair is taken off the list by the engineer that takes it.
    EXPECT_TRUE(Repairs().empty());
    EXPECT_EQ(engineer.GetDestination(), ride_.gatePosition);
    engineer.SetPosition(ride_.gatePosition);
    engineer.UpdateByKind(0.05);
    if (!c.repaired) {
      EXPECT_EQ(engineer.GetActivityState(), 7);
      EXPECT_TRUE(park_.booked.empty());
      EXPECT_EQ(world_.cash, c.cash);
      EXPECT_EQ(ride_.condition, c.condition);
      // Left for later: the repair waits on the list again.
      EXPECT_EQ(Repairs(), std::vector<CAttraction*>{&ride_});
      continue;
    }
    ASSERT_EQ(engineer.GetActivityState(), 43);
    ASSERT_EQ(park_.booked.size(), 1u);
    const LedgerRecord& r = park_.booked[0];
    EXPECT_EQ((std::array<int32_t, 10>{r.flag, r.category, r.kind, r.subject, r.year, r.month, r.day, r.hour,
                                       r.amount, r.flag2}),
              (std::array<int32_t, 10>{0, 2, 7, 7, 2026, 5, 3, 14, c.cost, 1}));
    EXPECT_EQ(world_.cash, c.cash - c.cost);
    EXPECT_EQ(engineer.Work(), 43);
    EXPECT_EQ(ride_.condition, c.condition);
    engineer.animationEnded = true;
    EXPECT_EQ(engineer.Work(), 7);
    EXPECT_EQ(ride_.condition, 100);
    EXPECT_EQ(world_.upgradeRefreshes, 1);
    EXPECT_EQ(engineer.GetTargetAttraction(), nullptr);
    EXPECT_TRUE(Repairs().empty());
    EXPECT_EQ(park_.booked.size(), 1u);
  }
}

TEST_F(StaffTest, TheEngineerLeavesWhatItCannotRepairOnTheList) {
  StaffMember engineer(REraduzizVisitor::kEngineer, Centre(68));
  ride_.buildCost = 500;
  world_.cash = 10000;

  // Not worn enough: nothing taken, and with nowhere to stroll it stands.
  ride_.condition = 71;
  Repairs() = {&ride_};
  EXPECT_EQ(engineer.Work(), 7);
  EXPECT_TRUE(engineer.IsStanding());
  EXPECT_EQ(Repairs().size(), 1u);

  // Closed when the engineer comes: the repair goes back on the list.
  ride_.condition = 50;
  ride_.isClosed = 1;
  ASSERT_EQ(engineer.Work(), 23);
  engineer.SetPosition(ride_.gatePosition);
  EXPECT_EQ(engineer.Work(), 7);
  EXPECT_EQ(Repairs().size(), 1u);
  EXPECT_TRUE(park_.booked.empty());
  ride_.isClosed = 0;

  // Sent home on the way: another engineer can take the repair.
  ASSERT_EQ(engineer.Work(), 23);
  EXPECT_TRUE(Repairs().empty());
  engineer.ReleaseRepair();
  EXPECT_EQ(Repairs(), std::vector<CAttraction*>{&ride_});
  EXPECT_EQ(engineer.GetTargetAttraction(), nullptr);

  // Sent home while repairing: the paid repair is finished.
  engineer.SetActivityState(0, 7);
  ASSERT_EQ(engineer.Work(), 23);
  engineer.SetPosition(ride_.gatePosition);
  ASSERT_EQ(engineer.Work(), 43);
  engineer.ReleaseRepair();
  EXPECT_EQ(ride_.condition, 100);
  EXPECT_TRUE(Repairs().empty());
  EXPECT_EQ(park_.booked.size(), 1u);
}

}  // namespace
