// The per-kind dispatch and the visitor state machine's own rules: rain,
// litter, patience and a ride that disappears.
#include <gtest/gtest.h>

#include "tests/characters/manager/ManagerTestSupport.h"

namespace {

class VisitorUpdateTest : public ::testing::Test {
 protected:
  // A visitor walking along a found path toward a far destination, with
  // its patience and detours far off.
  void Walk(REraduzizVisitor& v) {
    v.SetKind(0);
    v.SetActivityState(1, 12);
    v.SetPathFound(true);
    v.SetTargetCell(50, 0, 0);
    v.SetCounterWithTime(REraduzizVisitor::kPatienceTimer, 5000);
    v.SetCounterWithTime(REraduzizVisitor::kDetourTimer, 5000);
  }
  // One frame in the next game second.
  void Frame(REraduzizVisitor& v) {
    ++world_.second;
    v.UpdateByKind(0.05);
  }

  chartest::FakeCharacterWorld world_;
  managertest::FakeHost host_;
};

TEST_F(VisitorUpdateTest, OrdinaryAndUnknownKindsRunTheVisitorUpdate) {
  const struct {
    int32_t kind;
    bool visitor;
  } cases[] = {{-1, true},  {0, true},   {13, true},  {14, true},  {24, true},
               {15, false}, {19, false}, {20, false}, {22, false}, {23, false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.kind);
    REraduzizVisitor v;
    v.SetKind(c.kind);
    // No such state: a visitor chooses again, the others look for their
    // next walk.
    v.SetActivityState(5, 0);
    v.UpdateByKind(0.1);
    EXPECT_EQ(v.GetActivityMode(), 0);
    EXPECT_EQ(v.GetActivityState(), c.visitor ? REraduzizVisitor::kStateDecideAgain : REraduzizVisitor::kStateStart);
  }
}

TEST_F(VisitorUpdateTest, RainCostsAWalkingVisitorAtMostOnePenaltyPerShower) {
  int hit = 0, spared = 0;
  for (unsigned seed = 1; seed <= 40; ++seed) {
    plat::SRand(seed);
    REraduzizVisitor v;
    Walk(v);
    v.GetAttributes().SetAll(50, 50, 80, 50);
    host_.raining = true;
    for (int f = 0; f < 30; ++f) Frame(v);
    const int lost = 80 - v.GetAttributes().GetValue3();
    ASSERT_TRUE(lost == 0 || lost == 20) << lost;
    (lost ? hit : spared)++;
    // A new shower can cost again.
    host_.raining = false;
    Frame(v);
    host_.raining = true;
    for (int f = 0; f < 30; ++f) Frame(v);
    EXPECT_LE(80 - v.GetAttributes().GetValue3(), 40);
  }
  EXPECT_GT(hit, 5);
  EXPECT_GT(spared, 5);
}

TEST_F(VisitorUpdateTest, AWalkerWhosePatienceRunsOutChoosesAgain) {
  for (unsigned seed = 1; seed <= 20; ++seed) {
    plat::SRand(seed);
    REraduzizVisitor v;
    Walk(v);
    v.GetAttributes().SetAll(50, 50, 80, 50);
    v.SetCounterWithTime(REraduzizVisitor::kPatienceTimer, 0);
    Frame(v);
    EXPECT_EQ(v.GetActivityMode(), 0);
    EXPECT_EQ(v.GetActivityState(), REraduzizVisitor::kStateDecideAgain);
    EXPECT_EQ(v.GetAttributes().GetValue3(), 73);
    const int32_t patience = v.GetTimer(REraduzizVisitor::kPatienceTimer).counter;
    EXPECT_GE(patience, 1200);
    EXPECT_LE(patience, 3599);
  }
}

TEST_F(VisitorUpdateTest, LitterGoesOnTheTerrainWhileWalkingAndIntoTheCellWhileStanding) {
  REraduzizVisitor walker;
  Walk(walker);
  walker.SetPosition({4, 0, 2});
  walker.SetLitter(true);
  Frame(walker);
  EXPECT_FALSE(walker.HasLitter());
  ASSERT_EQ(host_.litterDropped.size(), 1u);
  EXPECT_EQ(host_.litterDropped[0], (plat::Vec3{4, 0, 2}));

  REraduzizVisitor stander;
  stander.SetKind(3);
  stander.SetActivityState(0, REraduzizVisitor::kStateDecideAgain);
  stander.SetLitter(true);
  Frame(stander);
  EXPECT_FALSE(stander.HasLitter());
  EXPECT_EQ(host_.litterInCells.size(), 1u);
  EXPECT_EQ(host_.litterDropped.size(), 1u);
}

TEST_F(VisitorUpdateTest, LitterUnderfootCostsAPointEveryFrame) {
  REraduzizVisitor v;
  Walk(v);
  v.GetAttributes().SetAll(50, 50, 80, 50);
  host_.littered = true;
  for (int f = 0; f < 3; ++f) Frame(v);
  EXPECT_EQ(v.GetAttributes().GetValue3(), 77);
}

TEST_F(VisitorUpdateTest, ARiderWhoseAttractionGoesReappearsAtTheExit) {
  chartest::FakeObject ride;
  ride.placed = false;
  REraduzizVisitor v;
  Walk(v);
  v.GetAttributes().SetAll(50, 50, 80, 50);
  v.SetInRide(true);
  v.SetTargetAttraction(chartest::Handle(ride));
  v.SetExitPosition({7, 0, 9});
  Frame(v);
  EXPECT_EQ(v.GetPosition(), (plat::Vec3{7, 0, 9}));
  EXPECT_EQ(v.GetDestination(), (plat::Vec3{7, 0, 9}));
  EXPECT_TRUE(v.IsVisible());
  EXPECT_EQ(v.GetAttributes().GetValue3(), 60);
  EXPECT_EQ(v.GetActivityState(), REraduzizVisitor::kStateDecideAgain);
  EXPECT_EQ(v.GetTargetAttraction(), nullptr);
}

TEST_F(VisitorUpdateTest, AWalkerWithoutAPathChoosesAgain) {
  REraduzizVisitor v;
  Walk(v);
  v.SetPathFound(false);
  Frame(v);
  EXPECT_EQ(v.GetActivityMode(), 0);
  EXPECT_EQ(v.GetActivityState(), REraduzizVisitor::kStateDecideAgain);
}

}  // namespace
