// A visitor at a placed object: joining its queue, the admission, the stay
// and coming out by the exit.
#include <gtest/gtest.h>

#include "park/objects/CAttraction.h"
#include "tests/characters/manager/ManagerTestSupport.h"

namespace {

// A world whose placed objects are real ones.
class ObjectWorld : public chartest::FakeCharacterWorld {
 public:
  bool IsObjectPlaced(const CAttraction* o) const override { return o && !o->deletePending; }
  int32_t GetPathCount(const CAttraction* o, bool listB) const override {
    return o ? (listB ? o->GetPathCountB() : o->GetPathCountA()) : 0;
  }
};

class VisitorQueueTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ride_.id = "Attr_wheel";
    ride_.hasVehicleModels = 1;
    ride_.continuousService = 1;
    ride_.visitorCapacity = 2;
    ride_.exitPosition = {5, 0, 5};
  }
  // A visitor that has just reached the ride's gate.
  void Arrive(REraduzizVisitor& v) {
    v.SetKind(0);
    v.GetAttributes().SetAll(50, 50, 50, 50);
    v.SetTargetAttraction(&ride_);
    v.SetActivityState(1, 14);
    v.SetPathFound(true);
    v.SetTargetCell(0, 0, 0);
    v.SetCounterWithTime(REraduzizVisitor::kPatienceTimer, 5000);
    v.UpdateByKind(0.05);
  }

  ObjectWorld world_;
  managertest::FakeHost host_;
  CAttraction ride_;
};

TEST_F(VisitorQueueTest, AdmittedVisitorsRideUntilTheRideClosesAndComeOutByTheExit) {
  REraduzizVisitor first, second, third;
  for (REraduzizVisitor* v : {&first, &second, &third}) Arrive(*v);
  EXPECT_EQ(ride_.queueLength, 3);
  EXPECT_EQ(third.GetTicket(), 3);
  for (REraduzizVisitor* v : {&first, &second, &third}) v->UpdateByKind(0.05);
  // Two places: the third waits at its queue spot.
  EXPECT_EQ(first.GetActivityMode(), 2);
  EXPECT_EQ(second.GetActivityMode(), 2);
  EXPECT_EQ(third.GetActivityState(), 3);
  EXPECT_EQ(ride_.usedCount, 2);
  EXPECT_EQ(ride_.visitorsInside, 2);
  EXPECT_EQ(ride_.lastAdmittedPlace, 2);
  EXPECT_FALSE(first.IsVisible());

  // The stay ends once its time is up and the ride has stopped.
  first.SetCounterWithTime(REraduzizVisitor::kStayTimer, 0);
  first.UpdateByKind(0.05);
  EXPECT_EQ(first.GetActivityMode(), 2);
  ride_.isClosed = 1;
  first.UpdateByKind(0.05);
  EXPECT_EQ(first.GetActivityMode(), 0);
  EXPECT_TRUE(first.IsVisible());
  EXPECT_EQ(first.GetPosition(), ride_.exitPosition);
  EXPECT_EQ(first.GetAttributes().GetValue1(), 43);
  EXPECT_EQ(first.GetAttributes().GetValue3(), 60);
  EXPECT_EQ(ride_.usedCount, 1);
  EXPECT_EQ(ride_.visitorsInside, 1);
}

// The game clock moves a game second a frame at speed 1 and 60 frames a
// second, about five at the fast speed and 20 ms frames, a game minute at
// the fast speed and 250 ms frames: the ride lasts its game time in each.
TEST_F(VisitorQueueTest, ARideLastsItsGameSecondsWhateverTheFrameLength) {
  constexpr int32_t kContinuousRideStay = 100;
  constexpr int kMaxFrames = 1000;
  ride_.isClosed = 1;
  for (int32_t step : {1, 5, 60}) {
    SCOPED_TRACE(testing::Message() << step << " game seconds a frame");
    REraduzizVisitor v;
    Arrive(v);
    v.UpdateByKind(0.05);
    ASSERT_EQ(v.GetActivityMode(), 2);
    const int32_t admitted = world_.second;
    for (int frame = 0; frame < kMaxFrames && v.GetActivityMode() == 2; ++frame) {
      world_.second += step;
      v.UpdateByKind(0.05);
    }
    EXPECT_EQ(v.GetActivityMode(), 0);
    const int32_t stayed = world_.second - admitted;
    EXPECT_GE(stayed, kContinuousRideStay);
    EXPECT_LT(stayed, kContinuousRideStay + step + 1);
  }
}

TEST_F(VisitorQueueTest, AFullQueueOrAWornRideTurnsVisitorsAway) {
  for (auto [waiting, condition] : {std::pair{6, 100}, std::pair{0, 19}}) {
    ride_.queueLength = waiting;
    ride_.condition = condition;
    REraduzizVisitor v;
    Arrive(v);
    EXPECT_EQ(v.GetActivityState(), REraduzizVisitor::kStateDecideAgain);
    EXPECT_EQ(v.GetAttributes().GetValue3(), 45);
    EXPECT_EQ(ride_.queueLength, waiting);
  }
}

TEST_F(VisitorQueueTest, ARideThatGoesWhileTheVisitorIsInsideLetsItOutAtItsExit) {
  REraduzizVisitor v;
  Arrive(v);
  v.UpdateByKind(0.05);
  ASSERT_EQ(v.GetActivityMode(), 2);
  ride_.deletePending = 1;
  v.SetCounterWithTime(REraduzizVisitor::kStayTimer, 0);
  v.UpdateByKind(0.05);
  EXPECT_EQ(v.GetActivityState(), REraduzizVisitor::kStateDecideAgain);
  EXPECT_EQ(v.GetPosition(), ride_.exitPosition);
  EXPECT_EQ(v.GetTargetAttraction(), nullptr);
  EXPECT_EQ(v.GetAttributes().GetValue3(), 30);
}

}  // namespace
