#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <set>
#include <string>

#include "characters/REraduzizVisitor.h"
#include "platform/math/Math.h"
#include "platform/os/Random.h"
#include "tests/characters/FakeCharacterWorld.h"

namespace {

using chartest::FakeCharacterWorld;
using chartest::FakeObject;
using chartest::Handle;

constexpr int32_t kI = 10;
constexpr int32_t kJ = 10;
constexpr float kJitter = 0.4f;

// A character standing on the centre of cell (10, 10), at its base target.
class CellWalkTest : public ::testing::Test {
 protected:
  void SetUp() override {
    plat::SRand(5);
    walker_ = std::make_unique<REraduzizVisitor>();
    walker_->SetPosition(FakeCharacterWorld::Centre(kI, kJ));
    walker_->SetTargetPosition(walker_->GetPosition().x, 0, walker_->GetPosition().z);
    walker_->SetRoaming(false);
    walker_->SetActivityState(1, 19);
  }
  void LayCrossing() {
    world_.LayPath(kI, kJ);
    world_.LayPath(kI, kJ - 1);
    world_.LayPath(kI + 1, kJ);
    world_.LayPath(kI, kJ + 1);
    world_.LayPath(kI - 1, kJ);
  }
  void AimAt(int32_t i, int32_t j) {
    const plat::Vec3 c = FakeCharacterWorld::Centre(i, j);
    walker_->SetTargetCell(c.x, 0, c.z);
  }
  // The base target is one cell along (di, dj), give or take the jitter.
  void ExpectStep(int32_t di, int32_t dj, const std::string& what) const {
    const plat::Vec3 from = FakeCharacterWorld::Centre(kI, kJ);
    const plat::Vec3& t = walker_->GetTargetPosition();
    EXPECT_NEAR(t.x, from.x + 4.0f * float(di), kJitter) << what;
    EXPECT_NEAR(t.z, from.z + 4.0f * float(dj), kJitter) << what;
    EXPECT_FLOAT_EQ(t.y, 0.0f) << what;
  }

  FakeCharacterWorld world_;
  std::unique_ptr<REraduzizVisitor> walker_;
};

TEST_F(CellWalkTest, UnvisitedNeighbourNearestTheDestinationIsTakenTiesToTheEarlier) {
  struct Case {
    int32_t toI, toJ, di, dj;
    const char* what;
  };
  const Case cases[] = {
      {30, 10, 1, 0, "east"},
      {10, 40, 0, 1, "south"},
      {-5, 10, -1, 0, "west"},
      {10, 0, 0, -1, "north"},
      {11, 9, 0, -1, "tie: the earlier"},
      {9, 11, 0, 1, "tie: the earlier"},
  };
  for (const Case& c : cases) {
    SetUp();
    LayCrossing();
    AimAt(c.toI, c.toJ);
    walker_->WalkStep(0.1);
    ExpectStep(c.di, c.dj, c.what);
  }
}

TEST_F(CellWalkTest, StepStampsTheCellAndKeepsWhereItCameFrom) {
  LayCrossing();
  AimAt(30, 10);
  walker_->SetCurrentCell(kI - 1, kJ);
  walker_->SetStepCounter(7);
  walker_->WalkStep(0.1);
  EXPECT_EQ(walker_->GetCurrentCellI(), kI);
  EXPECT_EQ(walker_->GetCurrentCellJ(), kJ);
  EXPECT_EQ(walker_->GetTimer(0).counter, kI - 1);  // the previous cell
  EXPECT_EQ(walker_->GetTimer(0).stamp, kJ);
  EXPECT_EQ(walker_->GetCellStamp(kI, kJ), 7);
  EXPECT_EQ(walker_->GetStepCounter(), 8);
  const plat::Vec3 centre = FakeCharacterWorld::Centre(kI, kJ);
  EXPECT_EQ(walker_->GetSecondPoint(), (plat::Vec3{centre.x, 0, centre.z}));
  EXPECT_EQ(walker_->GetActivityState(), 19);  // on a path: no new decision
}

TEST_F(CellWalkTest, UnvisitedComesBeforeNearerAndTheOldestBeforeTheRest) {
  LayCrossing();
  AimAt(30, 10);
  walker_->SetStepCounter(10);
  walker_->SetCellStamp(kI + 1, kJ, 9);  // the nearest was visited a step ago
  walker_->WalkStep(0.1);
  ExpectStep(0, -1, "unvisited, tie between north and south");

  SetUp();
  AimAt(30, 10);
  walker_->SetStepCounter(10);
  walker_->SetCellStamp(kI, kJ - 1, 5);
  walker_->SetCellStamp(kI + 1, kJ, 3);
  walker_->SetCellStamp(kI, kJ + 1, 3);
  walker_->SetCellStamp(kI - 1, kJ, 7);
  walker_->WalkStep(0.1);
  ExpectStep(0, 1, "all visited: the oldest, ties to the later");
}

TEST_F(CellWalkTest, DeadEndTurnsBackToTheCellItCameFrom) {
  world_.LayPath(kI, kJ);
  world_.LayPath(kI - 1, kJ);
  walker_->SetStepCounter(20);
  walker_->SetCellStamp(kI - 1, kJ, 19);
  AimAt(40, 10);  // the destination lies the other way
  walker_->WalkStep(0.1);
  ExpectStep(-1, 0, "dead end");
}

TEST_F(CellWalkTest, WithoutUsableNeighbourOnlyTheGardenerJitters) {
  world_.LayPath(kI, kJ);
  AimAt(40, 10);
  const plat::Vec3 before = walker_->GetTargetPosition();
  walker_->WalkStep(0.1);
  EXPECT_EQ(walker_->GetTargetPosition(), before);

  walker_->SetKind(REraduzizVisitor::kGardener);
  walker_->SetActivityState(1, REraduzizVisitor::kStateToJob);  // on the way: paths only
  walker_->WalkStep(0.1);
  ExpectStep(0, 0, "gardener in place");
  EXPECT_NE(walker_->GetTargetPosition(), before);

  walker_->SetActivityState(1, 19);  // otherwise it crosses the lawn
  walker_->SetTargetPosition(walker_->GetPosition().x, 0, walker_->GetPosition().z);
  walker_->WalkStep(0.1);
  ExpectStep(1, 0, "gardener across the lawn");
}

TEST_F(CellWalkTest, OffThePathANonRoamerDecidesAgain) {
  world_.LayPath(kI + 1, kJ);
  AimAt(40, 10);
  walker_->WalkStep(0.1);
  EXPECT_EQ(walker_->GetActivityMode(), 0);
  EXPECT_EQ(walker_->GetActivityState(), REraduzizVisitor::kStateDecideAgain);
  ExpectStep(1, 0, "still steps on");

  SetUp();
  walker_->SetRoaming(true);
  walker_->WalkStep(0.1);
  EXPECT_EQ(walker_->GetActivityState(), 19);
}

TEST_F(CellWalkTest, OffTheGridIsNudgedDiagonally) {
  std::set<float> seen;
  for (int attempt = 0; attempt < 20; ++attempt) {
    walker_->SetPosition({300, 0, 300});
    walker_->SetTargetPosition(300, 0, 300);
    AimAt(10, 10);
    walker_->WalkStep(0.1);
    const plat::Vec3& p = walker_->GetPosition();
    EXPECT_FLOAT_EQ(p.x - 300, p.z - 300);
    EXPECT_NEAR(std::fabs(p.x - 300), 4.1f, 1e-4f);
    seen.insert(p.x);
  }
  EXPECT_EQ(seen.size(), 2u);
}

TEST_F(CellWalkTest, ArrivalStepsOntoTheDestinationOrLeavesOrRoamsOn) {
  const plat::Vec3 here = walker_->GetPosition();
  walker_->SetTargetCell(here.x + 0.5f, 0, here.z);
  walker_->WalkStep(0.1);
  EXPECT_EQ(walker_->GetTargetPosition(), walker_->GetDestination());
  EXPECT_EQ(walker_->GetSecondPoint(), walker_->GetDestination());

  walker_->SetTargetCell(here.x, 0, here.z);
  walker_->SetTargetPosition(here.x, 0, here.z);
  walker_->SetVisible();
  walker_->SetActivityState(1, REraduzizVisitor::kStateLeftPark);
  walker_->WalkStep(0.1);
  EXPECT_TRUE(walker_->IsFinished());
  EXPECT_FALSE(walker_->IsVisible());

  REraduzizVisitor roamer;
  roamer.SetPosition(here);
  roamer.SetTargetPosition(here.x, 0, here.z);
  roamer.SetTargetCell(here.x, 0, here.z);
  roamer.SetActivityState(1, 19);
  roamer.WalkStep(0.1);
  EXPECT_EQ(world_.walkTargetRequests, 1);
  EXPECT_EQ(roamer.GetActivityState(), 19);
  world_.walkTargetFound = true;
  roamer.WalkStep(0.1);
  EXPECT_EQ(roamer.GetActivityMode(), 0);
  EXPECT_EQ(roamer.GetActivityState(), REraduzizVisitor::kStateStart);
  EXPECT_TRUE(roamer.IsWalking());
  EXPECT_FALSE(roamer.IsFinished());
}

TEST_F(CellWalkTest, NothingHappensWhileTheBaseTargetIsAhead) {
  LayCrossing();
  AimAt(30, 10);
  walker_->SetTargetPosition(walker_->GetPosition().x + 3, 7, walker_->GetPosition().z);
  walker_->WalkStep(0.1);
  EXPECT_EQ(walker_->GetStepCounter(), 0);
  EXPECT_FLOAT_EQ(walker_->GetTargetPosition().y, 0.0f);  // the height is dropped
}

// A visitor on ride path A or B of an attraction.
class RidePathTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ride_.pathsA = {{{0, 1, 0}, {1, 1, 0}, {2, 1, 0}}};
    ride_.pathsB = {{{5, 2, 5}, {6, 2, 5}}};
    rider_.SetRide(Handle(ride_), 0, 0);
    rider_.SetExitPosition({9, 0, 9});
    rider_.SetActivityState(1, REraduzizVisitor::kStateRideListA);
    rider_.SetPosition({0, 1, 0});
    rider_.GetAttributes().SetAll(0, 50, 50, 0);
  }
  FakeCharacterWorld world_;
  FakeObject ride_;
  REraduzizVisitor rider_;
};

TEST_F(RidePathTest, FollowsThePointsToTheEndAndAsksToLeave) {
  rider_.MoveSpecial(0.1);
  EXPECT_EQ(rider_.GetRidePointIndex(), 1);
  EXPECT_EQ(rider_.GetSecondPoint(), (plat::Vec3{2, 1, 0}));
  rider_.MoveSpecial(0.1);  // (1, 1, 0) is ahead
  EXPECT_EQ(rider_.GetRidePointIndex(), 1);
  EXPECT_EQ(rider_.GetTargetPosition(), (plat::Vec3{1, 1, 0}));
  rider_.SetPosition({1, 1, 0});
  rider_.MoveSpecial(0.1);
  rider_.SetPosition({2, 1, 0});
  rider_.MoveSpecial(0.1);
  EXPECT_TRUE(rider_.IsRideExitPending());
  EXPECT_EQ(rider_.GetRidePointIndex(), 0);
  EXPECT_FALSE(rider_.IsVisible());  // only states 30 and 31 set the visibility
}

TEST_F(RidePathTest, ListBAndTheVisibleEndAtALitterObject) {
  ride_.assetName = "trash_02";
  rider_.SetActivityState(1, REraduzizVisitor::kStateRideListBVisible);
  rider_.SetPosition({5, 2, 5});
  rider_.MoveSpecial(0.1);
  rider_.SetPosition({6, 2, 5});
  rider_.MoveSpecial(0.1);
  EXPECT_TRUE(rider_.IsRideExitPending());
  EXPECT_TRUE(rider_.IsVisible());
}

TEST_F(RidePathTest, PathIndicesOutOfRangeEndTheRideInsteadOfReadingPastIt) {
  struct Case {
    int32_t path, point;
  };
  for (const Case& c : {Case{0, 3}, Case{0, 99}, Case{0, -1}, Case{1, 0}, Case{-2, 0}}) {
    rider_.SetRide(Handle(ride_), c.path, c.point);
    rider_.SetRideExitPending(false);
    rider_.MoveSpecial(0.1);
    EXPECT_TRUE(rider_.IsRideExitPending()) << c.path << "/" << c.point;
    EXPECT_EQ(rider_.GetRidePointIndex(), 0);
  }
}

TEST_F(RidePathTest, AVanishedOrStoppedRidePutsTheVisitorAtTheExitWithAPenalty) {
  rider_.GetAttributes().SetRates(100, 50);
  for (int variant = 0; variant < 3; ++variant) {
    SetUp();
    ride_.placed = variant != 0;
    ride_.stopped = variant == 1;
    if (variant == 2) rider_.SetRide(nullptr, 0, 0);
    rider_.MoveSpecial(0.1);
    EXPECT_EQ(rider_.GetPosition(), (plat::Vec3{9, 0, 9})) << variant;
    EXPECT_EQ(rider_.GetDestination(), (plat::Vec3{9, 0, 9}));
    EXPECT_TRUE(rider_.IsVisible());
    EXPECT_EQ(rider_.GetActivityState(), REraduzizVisitor::kStateDecideAgain);
    EXPECT_EQ(rider_.GetAttributes().GetValue3(), 40) << variant;  // -20 at rate 50
    ride_.placed = true;
    ride_.stopped = false;
  }
}

// The staff's searches around cell (10, 10).
class CellSearchTest : public ::testing::Test {
 protected:
  void SetUp() override {
    plat::SRand(11);
    searcher_.SetCurrentCell(kI, kJ);
  }
  FakeCharacterWorld world_;
  REraduzizVisitor searcher_;
  float out_[3] = {0, 0, 0};
};

TEST_F(CellSearchTest, TheFirstLitteredPathCellWinsWhateverCameBefore) {
  world_.LayPath(kI - 1, kJ - 1);
  world_.LayPath(kI + 1, kJ + 1);
  world_.Cell(kI + 1, kJ + 1).layer1 = 2;
  world_.LayPath(kI, kJ - 2);
  world_.Cell(kI, kJ - 2).layer1 = 2;
  for (int attempt = 0; attempt < 50; ++attempt) {
    ASSERT_TRUE(searcher_.FindDirtyPathCell(out_));
    const plat::Vec3 c = FakeCharacterWorld::Centre(kI + 1, kJ + 1);
    EXPECT_EQ(out_[0], c.x);
    EXPECT_EQ(out_[2], c.z);
  }
}

TEST_F(CellSearchTest, CleanPathCellsAreChosenAtRandomAndLawnNever) {
  world_.LayPath(kI - 1, kJ - 1);
  world_.LayPath(kI + 2, kJ);
  std::set<float> seen;
  for (int attempt = 0; attempt < 50; ++attempt) {
    ASSERT_TRUE(searcher_.FindDirtyPathCell(out_));
    seen.insert(out_[0]);
  }
  EXPECT_EQ(seen, (std::set<float>{FakeCharacterWorld::Centre(kI - 1, 0).x,
                                   FakeCharacterWorld::Centre(kI + 2, 0).x}));
  REraduzizVisitor lost;
  lost.SetCurrentCell(100, 100);
  out_[0] = 123;
  EXPECT_FALSE(lost.FindDirtyPathCell(out_));
  EXPECT_EQ(out_[0], 123);
}

TEST_F(CellSearchTest, GardenerPlantsOnFreeLawnAndTendsListedPlants) {
  // Every cell around but one is a path, built on or planted.
  const int32_t di[] = {-1, 0, 1, -1, 1, -1, 0, 1, 0, 2, 0, -2};
  const int32_t dj[] = {-1, -1, -1, 0, 0, 1, 1, 1, -2, 0, 2, 0};
  for (int n = 0; n < 12; ++n) {
    CCharacterWorld::CellView& cell = world_.Cell(kI + di[n], kJ + dj[n]);
    if (n % 3 == 0) cell.isPath = true;
    if (n % 3 == 1) cell.hasObject = true;
    if (n % 3 == 2) cell.layer2 = 1;
  }
  EXPECT_FALSE(searcher_.FindPlantCell(out_));
  EXPECT_FALSE(searcher_.FindTendCell(out_));  // objects, but no plant listed
  world_.Cell(kI - 2, kJ) = {};
  ASSERT_TRUE(searcher_.FindPlantCell(out_));
  EXPECT_EQ(out_[0], FakeCharacterWorld::Centre(kI - 2, kJ).x);

  FakeObject plant;
  world_.Cell(kI, kJ - 1).lowestObject = Handle(plant);
  ASSERT_TRUE(searcher_.FindTendCell(out_));
  EXPECT_EQ(out_[2], FakeCharacterWorld::Centre(kI, kJ - 1).z);
  EXPECT_EQ(searcher_.GetTargetAttraction(), Handle(plant));
}

}  // namespace
