#include <gtest/gtest.h>

#include <string>

#include "park/objects/CAttraction.h"
#include "park/objects/TrackFile.h"
#include "tests/park/objects/AttractionTestHost.h"
#include "tests/platform/os/TempTree.h"

namespace {

using plat::Vec3;

const char* const kIdentityBlock = "Frame frame 1,0,0,0,0,1,0,0,0,0,1,0,0,0,0,1;;, }\n";

std::string Header(int first, int last, int speed, int keys) {
  return "First " + std::to_string(first) + " Last " + std::to_string(last) + " Speed " + std::to_string(speed) +
         " Keys " + std::to_string(keys) + "\n";
}

std::string Section(const std::string& entries) { return "Keys { 0 1 " + entries + " }\n"; }

// A track of `last` frames at one key per frame, with the given key sections.
std::string Track(int last, const std::string& rotations, const std::string& positions) {
  return Header(0, last, 30, 1) + kIdentityBlock + Section(rotations) + Section("") + Section(positions);
}

TEST(TrackFileTest, HeaderGivesSlotsBaseSpeedAndWholeSecondLap) {
  const auto track = trackfile::TrackFromHeader({0, 100, 30, 4});
  ASSERT_TRUE(track);
  EXPECT_EQ(track->keyframeCount, 400);
  EXPECT_EQ(track->keyframes.size(), 401u);
  EXPECT_EQ(track->runLengthMs, 3000);  // 400 / 120 = 3.33 s
}

TEST(TrackFileTest, EntriesFillTheirSlotsAndTheFrameBlockIsReadRowByRow) {
  const std::string text = Header(0, 10, 30, 1) + "Frame frame 1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16;;, }\n" +
                           Section("5;4;1.0,0.0,0.0,0.0;; 0;4;0.5,0.5,0.5,0.5;;") + Section("5;3;9,9,9;;") +
                           Section("5;3;1.5,2,-3;;");
  const auto track = trackfile::ParseTrackFile(text);
  ASSERT_TRUE(track);
  EXPECT_EQ(track->frameMatrix.m[0][1], 2.0f);
  EXPECT_EQ(track->frameMatrix.m[3][3], 16.0f);
  const TrackKeyframe& five = track->keyframes[5];
  EXPECT_EQ(five.key, 5);
  EXPECT_EQ(five.rotationQuat.x, 0.0f);
  EXPECT_EQ(five.rotationQuat.w, -1.0f);
  EXPECT_EQ(five.w, 1.0f);
  EXPECT_EQ(five.position, (Vec3{1.5f, 2, -3}));
  EXPECT_EQ(track->keyframes[0].axis, (Vec3{0.5f, 0.5f, 0.5f}));
}

TEST(TrackFileTest, GapsFillInEqualStepsUpToTheNextKeyAndTheLastSlot) {
  const auto track = trackfile::ParseTrackFile(Track(8, "", "0;3;0,0,0;; 4;3;4,0,8;;"));
  ASSERT_TRUE(track);
  for (int s = 1; s < 4; ++s) {
    EXPECT_EQ(track->keyframes[static_cast<size_t>(s)].key, s);
    EXPECT_NEAR(track->keyframes[static_cast<size_t>(s)].position.x, static_cast<float>(s), 1e-5f);
    EXPECT_NEAR(track->keyframes[static_cast<size_t>(s)].position.z, 2.0f * static_cast<float>(s), 1e-5f);
  }
  // After the last key the slots run toward the extra slot, which no key filled.
  EXPECT_NEAR(track->keyframes[6].position.x, 2.0f, 1e-5f);
  EXPECT_EQ(track->keyframes[7].key, 7);
  EXPECT_EQ(track->keyframes[8].key, 0);
}

TEST(TrackFileTest, MalformedFilesAreRefusedOrTheirBadEntriesSkipped) {
  const std::string longWord(trackfile::kMaxWordLength + 1, '7');
  const struct {
    const char* name;
    std::string text;
    bool reads;
    bool keyed;  // any entry reached its slot
  } cases[] = {
      {"empty", "", false, false},
      {"header cut short", "First 0 Last 10 Speed", false, false},
      {"header number not a number", "First 0 Last ten Speed 30 Keys 1", false, false},
      {"zero speed", Header(0, 10, 0, 1) + kIdentityBlock, false, false},
      {"zero key rate", Header(0, 10, 30, 0) + kIdentityBlock, false, false},
      {"negative key rate", Header(0, 10, 30, -2) + kIdentityBlock, false, false},
      {"last before first", Header(10, 0, 30, 1) + kIdentityBlock, false, false},
      {"huge track", Header(0, 2000000000, 30, 2000000000) + kIdentityBlock, false, false},
      {"header number overflows", "F 0 L 99999999999999999999 S 30 K 1", false, false},
      {"no frame block", Header(0, 10, 30, 1), false, false},
      {"matrix word too short", Header(0, 10, 30, 1) + "Frame frame ;; }", false, false},
      {"matrix with 15 numbers", Header(0, 10, 30, 1) + "F f 1,0,0,0,0,1,0,0,0,0,1,0,0,0,0;;, }", false, false},
      {"matrix number garbage", Header(0, 10, 30, 1) + "F f 1,0,0,0,0,x,0,0,0,0,1,0,0,0,0,1;;, }", false, false},
      {"over-long word", Header(0, 10, 30, 1) + kIdentityBlock + "Keys { 0 1 " + longWord, true, false},
      {"text ends inside a section", Header(0, 10, 30, 1) + kIdentityBlock + "Keys { 0 1 3;4;1,0,0,0;;", true, true},
      {"slot beyond the array", Track(10, "11;4;1,0,0,0;; 99999;4;1,0,0,0;;", "12;3;1,1,1;;"), true, false},
      {"negative slot", Track(10, "-1;4;1,0,0,0;;", "-5;3;1,1,1;;"), true, false},
      {"slot not a number", Track(10, "x;4;1,0,0,0;;", ";3;1,1,1;;"), true, false},
      {"too few values", Track(10, "3;4;1,0,0;;", "4;3;1,1;;"), true, false},
      {"too many values", Track(10, "3;4;1,0,0,0,0;;", "4;3;1,1,1,1;;"), true, false},
      {"no closing marks", Track(10, "3;4;1,0,0,0", "4;3;1,1,1;"), true, false},
      {"one mark only", Track(10, "3", "4;3"), true, false},
      {"value garbage", Track(10, "3;4;1,0,q,0;;", "4;3;1,nan,1;;"), true, false},
      {"good entries among bad", Track(10, "3;4;1,0,0,0;; 3;4", "4;3;1,1,1;; 4;3;;"), true, true},
      {"no frames at all", Track(0, "0;4;1,0,0,0;;", "1;3;1,1,1;;"), true, true},
  };
  for (const auto& c : cases) {
    const auto track = trackfile::ParseTrackFile(c.text);
    ASSERT_EQ(track.has_value(), c.reads) << c.name;
    if (!track) continue;
    EXPECT_EQ(track->keyframes.size(), static_cast<size_t>(track->keyframeCount) + 1) << c.name;
    bool keyed = false;
    for (const TrackKeyframe& keyframe : track->keyframes) keyed |= keyframe.w != 0 || keyframe.position.x != 0;
    EXPECT_EQ(keyed, c.keyed) << c.name;
  }
}

class VehicleTest : public ::testing::Test {
 protected:
  void SetUp() override { host.base = tree.Root(); }

  // A track of `count` keyframes whose position x is the slot index.
  void WriteTrack(const std::string& name, int count) {
    std::string positions;
    for (int k = 0; k <= count; ++k) positions += std::to_string(k) + ";3;" + std::to_string(k) + ",0,0;; ";
    tree.Write("objects/paths/" + name,
               Header(0, count, 25, 1) + kIdentityBlock + Section("") + Section("") + Section(positions));
  }

  plat::test::TempTree tree;
  attractiontest::TestHost host;
};

TEST_F(VehicleTest, FamilyBVehiclesWaitSpacedBehindTheStation) {
  WriteTrack("train.txt", 200);
  CAttraction ride;
  ride.id = "Attr_Norwhistle";
  ride.LoadTrackFile("train.txt");
  EXPECT_EQ(ride.baseSpeed, 25);
  EXPECT_EQ(ride.runLengthMs, 8000);
  ride.CreateVehicles(4, 30);
  ASSERT_EQ(ride.vehicles.size(), 4u);
  EXPECT_EQ(ride.cyclePaused, 1);
  for (int j = 0; j < 4; ++j) {
    const RideVehicle& v = *ride.vehicles[static_cast<size_t>(j)];
    EXPECT_EQ(v.trackOffset, 200 - (j + 1) * 30);
    EXPECT_EQ(v.position.x, static_cast<float>(v.trackOffset));
    EXPECT_EQ(v.waiting, 1);
    EXPECT_EQ(v.waitStep, 2000u);
    EXPECT_EQ(v.speed, 25);
  }
}

TEST_F(VehicleTest, SpacingThatDoesNotFitTheLapShrinksAndAMissingTrackGivesNoVehicles) {
  WriteTrack("short.txt", 100);
  CAttraction ride;
  ride.LoadTrackFile("short.txt");
  ride.CreateVehicles(3, 500);
  EXPECT_EQ(ride.vehicleSpacing, 33);
  for (const auto& v : ride.vehicles) EXPECT_GE(v->trackOffset, 0);

  CAttraction negative;
  negative.LoadTrackFile("short.txt");
  negative.CreateVehicles(2, -40);
  for (const auto& v : negative.vehicles) EXPECT_LE(v->trackOffset, negative.keyframeCount);

  CAttraction missing;
  missing.LoadTrackFile("nowhere.txt");
  missing.CreateVehicles(3, 10);
  EXPECT_EQ(missing.vehicleCount, 0);
  EXPECT_TRUE(missing.vehicles.empty());
}

TEST_F(VehicleTest, TheTrainWithFixedCarDistancesPutsExtraCarsOnTheExtraSlot) {
  WriteTrack("train.txt", 3000);
  CAttraction ride;
  ride.id = "Attr_Cobbleton";
  ride.LoadTrackFile("train.txt");
  ride.CreateVehicles(6, 10);
  ASSERT_EQ(ride.vehicles.size(), 6u);
  const int32_t expected[] = {2360, 1720, 1080, 680, 320, 3000};
  for (size_t j = 0; j < 6; ++j) {
    EXPECT_EQ(ride.vehicles[j]->trackOffset, expected[j]);
    EXPECT_EQ(ride.vehicles[j]->waiting, 0);
  }
  // A lap too short for the distances keeps every car on the track.
  WriteTrack("small.txt", 1000);
  CAttraction small;
  small.id = "Attr_Cobbleton";
  small.LoadTrackFile("small.txt");
  small.CreateVehicles(5, 0);
  for (const auto& v : small.vehicles) EXPECT_GE(v->trackOffset, 0);
}

}  // namespace
