#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "park/objects/CAttraction.h"
#include "tests/park/objects/RideTestFixture.h"

namespace {

using attractiontest::RideFixture;
using Strings = std::vector<std::string>;

class RideCycleTest : public RideFixture {};

TEST_F(RideCycleTest, BrakingTrainSettlesAtFourWhateverItsFileSpeed) {
  CAttraction ride;
  MakeRide(ride, "Attr_Cobbleton", 3000, 100, 1, 0, 0);
  const int32_t expected[] = {80, 64, 52, 42, 34, 28, 23, 19, 16, 13, 11, 9, 8, 7, 6, 5, 4, 4, 4};
  for (int32_t speed : expected) {
    ride.UpdateRideCycle(0.001f);
    EXPECT_EQ(ride.trackSpeed, speed);
  }
}

TEST_F(RideCycleTest, TrainRunsItsLapPausesAndStartsAgain) {
  CAttraction ride;
  MakeRide(ride, "Attr_MiniTrain", 100, 25, 1, 3, 30);  // a lap of 4 s
  ASSERT_EQ(ride.cyclePaused, 1);
  RunRide(ride, 10.5, 60);  // the pause after building, then half a second of the lap
  EXPECT_EQ(ride.cyclePaused, 0);
  EXPECT_EQ(Sounds(), (Strings{"play Attr_MiniTrain_NOISE", "play Attr_MiniTrain_STARTING"}));
  RunRide(ride, 2.0, 60);
  EXPECT_NEAR(ride.progressIndex, 62, 1);
  // The cars stand at their distances behind the head, wrapping round the lap.
  EXPECT_EQ(ride.vehicles[0]->keyframe, ride.progressIndex - 70 + 100);
  EXPECT_EQ(ride.vehicles[2]->keyframe, ride.progressIndex - 10);
  EXPECT_EQ(ride.vehicles[2]->position.x, static_cast<float>(ride.vehicles[2]->keyframe));
  RunRide(ride, 2.1, 60);
  EXPECT_EQ(ride.cyclePaused, 1);
  EXPECT_EQ(ride.progressIndex, 0);
  EXPECT_EQ(Sounds().back(), "stop Attr_MiniTrain_NOISE");

  // Held, the train stands in the station and takes up its place when let go.
  RunRide(ride, 10.5, 60);
  RunRide(ride, 1.0, 60);
  const float before = ride.progress;
  ride.isHeld = 1;
  RunRide(ride, 1.0, 60);
  EXPECT_EQ(ride.progressIndex, 0);
  EXPECT_EQ(ride.progress, before);
  ride.isHeld = 0;
  RunRide(ride, 0.5, 60);
  EXPECT_NEAR(ride.progressIndex, before + 12.5f, 1);
}

TEST_F(RideCycleTest, ClosedTrainFinishesItsLapAndStaysInTheStation) {
  CAttraction ride;
  MakeRide(ride, "Attr_MiniTrain", 100, 25, 1, 1, 10);
  RunRide(ride, 12.0, 60);
  ASSERT_GT(ride.progressIndex, 0);
  ride.isClosed = 1;
  RunRide(ride, 3.0, 60);
  EXPECT_EQ(ride.progressIndex, 0);
  RunRide(ride, 30.0, 60);
  EXPECT_EQ(ride.progressIndex, 0);
  ride.isClosed = 0;
  RunRide(ride, 1.0, 60);
  EXPECT_GT(ride.progressIndex, 0);
}

TEST_F(RideCycleTest, RideOfUnknownKindNeverMoves) {
  CAttraction ride;
  MakeRide(ride, "Attr_MiniTrain", 100, 25, 1, 1, 10);
  ride.rideKind = 3;
  RunRide(ride, 30.0, 30);
  EXPECT_EQ(ride.progressIndex, 0);
  EXPECT_EQ(ride.cyclePaused, 0);
}

TEST_F(RideCycleTest, IndependentVehiclesLeaveOneAfterAnother) {
  CAttraction ride;
  MakeRide(ride, "Attr_Plonkett", 300, 10, 1, 3, 50);  // a lap of 30 s
  ASSERT_EQ(ride.vehicles[0]->waitStep, 10000u);
  const struct {
    double until;
    uint8_t waiting[3];
  } steps[] = {{9.9, {1, 1, 1}}, {10.1, {0, 1, 1}}, {19.9, {0, 1, 1}}, {20.1, {0, 0, 1}}, {30.1, {0, 0, 0}}};
  double at = 0;
  for (const auto& step : steps) {
    RunRide(ride, step.until - at, 100);
    at = step.until;
    for (size_t i = 0; i < 3; ++i) EXPECT_EQ(ride.vehicles[i]->waiting, step.waiting[i]) << step.until << " s, " << i;
  }
  EXPECT_EQ(ride.cyclePaused, 0);
  // Each vehicle runs its own lap from the station.
  EXPECT_GT(ride.vehicles[0]->keyframe, ride.vehicles[1]->keyframe);
  EXPECT_GT(ride.vehicles[1]->keyframe, ride.vehicles[2]->keyframe);
}

TEST_F(RideCycleTest, SlowVehiclesCoverTheSameTrackAtEveryFrameRate) {
  // Six keyframes a second: less than one per frame at every rate here.
  for (int fps : {30, 60, 144}) {
    CAttraction ride;
    MakeRide(ride, "Attr_Plonkett", 600, 6, 1, 1, 0);
    RunRide(ride, 10.5, fps);  // leaves after 10 s
    ASSERT_EQ(ride.vehicles[0]->waiting, 0) << fps;
    RunRide(ride, 20.0, fps);
    EXPECT_NEAR(ride.vehicles[0]->keyframe, 123, 2) << fps << " frames per second";
  }
}

TEST_F(RideCycleTest, BrakingVehicleRideWaitsFourTimesLongerAndStillMoves) {
  CAttraction ride;
  MakeRide(ride, "Attr_Murrowick", 400, 20, 1, 2, 100);  // 20 s lap, waitStep 10 s
  RunRide(ride, 10.5, 144);
  EXPECT_EQ(ride.vehicles[0]->waiting, 0);
  RunRide(ride, 39.0, 144);
  EXPECT_EQ(ride.vehicles[1]->waiting, 1);  // leaves after 4 x 10000 + 10000 ms
  RunRide(ride, 1.0, 144);
  EXPECT_EQ(ride.vehicles[1]->waiting, 0);
  EXPECT_EQ(ride.trackSpeed, 6);
  EXPECT_GT(ride.vehicles[0]->keyframe, 0);
}

}  // namespace
