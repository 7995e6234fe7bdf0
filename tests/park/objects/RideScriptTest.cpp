#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "park/objects/CAttraction.h"
#include "tests/park/objects/RideTestFixture.h"

namespace {

using attractiontest::RideFixture;
using Strings = std::vector<std::string>;

class RideScriptTest : public RideFixture {};

struct SpeedAt {
  int32_t progress;
  int32_t speed;
};

// The train's speed after its script ran at each progress, in turn.
void ExpectTrainSpeeds(CAttraction& ride, const std::vector<SpeedAt>& sequence) {
  for (const SpeedAt& at : sequence) {
    ride.progressIndex = at.progress;
    ride.RunRideScript(nullptr);
    EXPECT_EQ(ride.trackSpeed, at.speed) << ride.id.Std() << " at " << at.progress;
  }
}

TEST_F(RideScriptTest, TrainScriptsSetTheirSpeedsAtTheirPoints) {
  CAttraction skarloop;
  MakeRide(skarloop, "Attr_Skarloop", 600, 50, 4, 1, 0);
  ExpectTrainSpeeds(skarloop, {{227, 50}, {228, 20}, {387, 20}, {388, 75}, {624, 120}, {1932, 50}});

  // Past two points in one frame, the cut comes first and the base cut
  // then sets the speed from the base alone.
  CAttraction fennaclaw;
  MakeRide(fennaclaw, "Attr_Fennaclaw", 600, 40, 2, 1, 0);
  ExpectTrainSpeeds(fennaclaw, {{170, 16}, {296, 80}, {500, 34}, {524, 60}, {786, 80}, {816, 62}, {846, 93}});
  // The flags clear at the lap end, so the script runs again on the next lap.
  fennaclaw.ClearSlotFlags();
  ExpectTrainSpeeds(fennaclaw, {{170, 38}});
}

TEST_F(RideScriptTest, FactorsGivenInSinglePrecisionKeepTheirValue) {
  // 5 x 1.4f is 6.99999988, 10 x 0.7f is 6.99999988: both truncate to 6.
  CAttraction tarvix;
  MakeRide(tarvix, "Attr_Tarvix", 800, 5, 1, 1, 0);
  RideVehicle& vehicle = *tarvix.vehicles[0];
  for (const SpeedAt& at : std::vector<SpeedAt>{{0, 5}, {79, 6}, {151, 6}}) {
    vehicle.keyframe = at.progress;
    tarvix.RunRideScript(&vehicle);
    EXPECT_EQ(vehicle.speed, at.speed) << at.progress;
  }
  CAttraction norwhistle;
  MakeRide(norwhistle, "Attr_Norwhistle", 500, 10, 1, 1, 0);
  RideVehicle& car = *norwhistle.vehicles[0];
  car.keyframe = 331;
  norwhistle.RunRideScript(&car);  // 10: cut 60, base x 2, cut 15, x 1.3 (double)
  EXPECT_EQ(car.speed, 22);
  car.speed = 10;
  car.keyframe = 332;
  norwhistle.RunRideScript(&car);
  EXPECT_EQ(car.speed, 6);
}

TEST_F(RideScriptTest, EachVehicleKeepsItsOwnSpeed) {
  CAttraction ride;
  MakeRide(ride, "Attr_Norwhistle", 500, 10, 1, 2, 0);
  RideVehicle& first = *ride.vehicles[0];
  RideVehicle& second = *ride.vehicles[1];
  first.keyframe = 70;  // past the cut
  second.keyframe = 10;
  ride.RunRideScript(&first);
  ride.RunRideScript(&second);
  EXPECT_EQ(first.speed, 4);
  EXPECT_EQ(second.speed, 10);
  ride.RunRideScript(nullptr);  // a vehicle ride's script needs its vehicle
  EXPECT_EQ(first.speed, 4);
}

TEST_F(RideScriptTest, ScreamsNeedRidersAndTheEffectsSwitch) {
  CAttraction ride;
  MakeRide(ride, "Attr_Skarloop", 600, 50, 1, 1, 0);
  ride.visitorsInside = 0;
  ride.PlayScream();
  ride.visitorsInside = 2;
  host.effectsOn = false;
  ride.PlayScream();
  EXPECT_TRUE(Sounds("play").empty());
  host.effectsOn = true;
  ride.PlayScream();
  EXPECT_EQ(Sounds("play"), (Strings{"play Attr_Skarloop_SCREAM"}));
}

TEST_F(RideScriptTest, TrainLapSoundsFollowTheScript) {
  CAttraction ride;
  MakeRide(ride, "Attr_Skarloop", 500, 50, 1, 2, 10);  // a lap of 10 s
  ride.visitorsInside = 4;
  RunRide(ride, 10.1, 60);
  RunRide(ride, 10.1, 60);
  const std::string k = "Attr_Skarloop";
  EXPECT_EQ(Sounds(), (Strings{"play " + k + "_NOISE", "play " + k + "_STARTING", "play " + k + "_NOISE2",
                               "play " + k + "_SCREAM", "stop " + k + "_NOISE2", "play " + k + "_SCREAM",
                               "stop " + k + "_SCREAM", "stop " + k + "_NOISE"}));
  // Every sound follows the last car while the train moves.
  const Strings placed = Sounds("place");
  ASSERT_GE(placed.size(), 4u);
  EXPECT_EQ(placed[0], "place " + k + "_NOISE");
  EXPECT_EQ(placed[3], "place " + k + "_STARTING");
}

TEST_F(RideScriptTest, VehicleLapSoundsFollowTheScript) {
  CAttraction ride;
  MakeRide(ride, "Attr_Norwhistle", 500, 40, 1, 1, 0);
  ride.visitorsInside = 4;
  RunRide(ride, 10.1, 60);
  RunRide(ride, 20.0, 60);
  const std::string k = "Attr_Norwhistle";
  const Strings expected = {"play " + k + "_NOISE",  "play " + k + "_STARTING", "play " + k + "_NOISE2",
                            "play " + k + "_SCREAM", "stop " + k + "_NOISE2",   "play " + k + "_SCREAM",
                            "play " + k + "_SCREAM", "play " + k + "_SCREAM",   "play " + k + "_SCREAM",
                            "stop " + k + "_NOISE"};
  EXPECT_EQ(Sounds(), expected);
  EXPECT_EQ(ride.vehicles[0]->waiting, 1);
}

}  // namespace
