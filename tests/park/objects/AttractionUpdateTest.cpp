#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "park/objects/CAttraction.h"
#include "platform/math/Math.h"
#include "tests/park/objects/RideTestFixture.h"
#include "world/objects/CParkModel.h"

namespace {

using attractiontest::RideFixture;
using plat::Vec3;
using Strings = std::vector<std::string>;

constexpr float kQuarterTurn = 1.5707963f;

class AttractionUpdateTest : public RideFixture {
 protected:
  // A building of one turning part below a root part.
  void AddPart(CAttraction& object, CParkModel& model, const char* name, const char* parent) {
    auto record = std::make_unique<ObjectSetupRecord>();
    record->name = name;
    record->parentName = parent;
    record->rotAxis = {0, 0, 1};
    record->rotateEnd = 720;
    object.setupRecords.push_back(std::move(record));
    object.partObjects.push_back(&model);
  }

  static Vec3 Transform(const plat::Matrix& m, const Vec3& v) {
    Vec3 out;
    plat::Vec3TransformCoord(&out, v, m);
    return out;
  }

  static void ExpectNear(const Vec3& a, const Vec3& b) {
    EXPECT_NEAR(a.x, b.x, 1e-4f);
    EXPECT_NEAR(a.y, b.y, 1e-4f);
    EXPECT_NEAR(a.z, b.z, 1e-4f);
  }
};

TEST_F(AttractionUpdateTest, ParkClockOpensAndClosesOncePerMinute) {
  const std::string k = "Attr_Carousel";
  const struct {
    int hour, minute;
    uint8_t eventRunning;
    uint8_t closedBefore, closedAfter;
    Strings sounds;
  } cases[] = {
      {17, 30, 0, 0, 0, {}},
      {17, 31, 0, 0, 1, {"stop " + k, "stop " + k + "_NOISE", "stop " + k + "_NOISE2", "stop " + k + "_SCREAM"}},
      {10, 0, 0, 1, 0, {"play " + k, "play " + k + "_NOISE"}},
      {10, 0, 1, 1, 1, {"play " + k, "play " + k + "_NOISE"}},
  };
  for (const auto& c : cases) {
    CAttraction object;
    object.id = k.c_str();
    object.isClosed = c.closedBefore;
    object.eventRunning = c.eventRunning;
    host.clock = {c.hour, c.minute, 1};
    sounds.clear();
    for (int frame = 0; frame < 5; ++frame) object.Update(0.016f);
    EXPECT_EQ(object.isClosed, c.closedAfter) << c.hour << ":" << c.minute;
    EXPECT_EQ(Sounds(), c.sounds) << c.hour << ":" << c.minute << " event " << int(c.eventRunning);
  }
  // Reopened by the visitors in the closing minutes, the ride is shut again.
  CAttraction object;
  object.id = k.c_str();
  host.clock = {17, 45, 1};
  object.Update(0.016f);
  object.StartRun();
  object.Update(0.016f);
  EXPECT_EQ(object.isClosed, 1);
}

TEST_F(AttractionUpdateTest, GrowInStepsInSinglePrecisionPastOne) {
  CAttraction plant;
  plant.growIn = 1;
  int steps = 0;
  while (plant.grownIn == 0 && steps < 200) {
    clock.AdvanceMs(101);
    plant.Update(0.1f);
    ++steps;
    if (steps == 100) {
      EXPECT_LT(plant.growScale, 1.0f);
    }
  }
  EXPECT_EQ(steps, 101);
  EXPECT_NEAR(plant.worldMatrix.m[0][0], 1.0099994f, 1e-6f);
  plant.Update(0.1f);
  EXPECT_EQ(plant.worldMatrix.m[0][0], 1.0f);  // grown: no scaling any more
}

TEST_F(AttractionUpdateTest, TurningPartFollowsItsParentAboutItsPivot) {
  CAttraction object;
  object.id = "Attr_Carousel";
  CParkModel arm, orphan, base;
  AddPart(object, arm, "arm", "base");
  AddPart(object, orphan, "orphan", "nowhere");
  AddPart(object, base, "base", "");
  arm.position = orphan.position = {0, 3, 0};
  object.setupRecords[0]->angle = object.setupRecords[1]->angle = kQuarterTurn;
  // The parent comes later in the list: its matrix and pivot are the last frame's.
  plat::MatrixTranslation(&object.setupRecords[2]->matrix, 10, 0, 0);
  object.setupRecords[2]->pivot = {0, 1, 0};
  object.Update(0.0f);
  // T(c - p) R T(p - c) X: (1, 3, 0) - (0, 2, 0), a quarter turn about z to
  // (-1, 1, 0), back by (0, 2, 0), then the parent's (10, 0, 0).
  ExpectNear(Transform(arm.partMatrix, {1, 3, 0}), {9, 3, 0});
  EXPECT_EQ(arm.applyPartMatrix, 1);
  // An unknown parent stands at the origin and does not move the part.
  ExpectNear(Transform(orphan.partMatrix, {1, 3, 0}), {0, 4, 0});
}

TEST_F(AttractionUpdateTest, RidersBoardOnlyWhileTheOpenRideStandsBetweenTwoRuns) {
  CAttraction object;
  object.id = "Attr_Carousel";
  CParkModel top;
  AddPart(object, top, "top", "");
  host.clock = {12, 0, 1};
  object.runStartTick = plat::TickCount();
  object.Update(0.016f);
  EXPECT_EQ(object.visitorFlag, 0) << "running";
  clock.AdvanceMs(uint32_t(object.runLengthMs) + 1);
  object.Update(0.016f);
  ASSERT_EQ(object.cyclePaused, 1);
  EXPECT_EQ(object.visitorFlag, 1) << "between two runs";
  object.isClosed = 1;
  object.Update(0.016f);
  EXPECT_EQ(object.visitorFlag, 0) << "closed";
  object.isClosed = 0;
  clock.AdvanceMs(uint32_t(object.pauseLengthMs) + 1);
  object.Update(0.016f);
  EXPECT_EQ(object.cyclePaused, 0);
  EXPECT_EQ(object.visitorFlag, 0) << "running again";
}

TEST_F(AttractionUpdateTest, SwingingPartStopsExactlyAtItsEnds) {
  CAttraction object;
  object.id = "Attr_SwingBoat";
  CParkModel boat;
  AddPart(object, boat, "boat", "");
  ObjectSetupRecord& record = *object.setupRecords[0];
  record.swings = 1;
  record.rotateBegin = -40;
  record.rotateEnd = 40;
  record.rSpeed = 1.0f;
  object.runStartTick = plat::TickCount();
  object.Update(0.5f);
  object.Update(0.5f);
  EXPECT_EQ(record.angle, 40 * 0.01745329238474369f);
  EXPECT_EQ(object.swingDirection, 1);
  for (int i = 0; i < 3; ++i) object.Update(0.5f);
  EXPECT_EQ(record.angle, -40 * 0.01745329238474369f);
  EXPECT_EQ(object.swingDirection, 0);
}

TEST_F(AttractionUpdateTest, SeatsShowAsManyFiguresAsAreAboard) {
  const struct {
    int capacity, used;
    Strings hidden;
  } cases[] = {{8, 3, {"vis_01", "vis_02", "vis_03", "vis_04", "vis_05"}}, {4, 4, {}}, {2, 5, {}}};
  for (const auto& c : cases) {
    CAttraction object;
    CParkModel seats;
    object.partObjects.push_back(&seats);
    object.visitorCapacity = c.capacity;
    object.usedCount = c.used;
    object.Update(0.016f);
    Strings hidden;
    for (const EngineString& name : seats.nodeNames) hidden.push_back(name.Std());
    EXPECT_EQ(hidden, c.hidden) << c.capacity << " seats, " << c.used << " used";
  }
}

TEST_F(AttractionUpdateTest, RunStartsAndStopsTheNoise) {
  CAttraction object;
  object.id = "Attr_Carousel";
  object.isClosed = 1;
  clock.AdvanceMs(500);
  object.StartRun();
  EXPECT_EQ(object.isClosed, 0);
  EXPECT_EQ(object.runTick, plat::TickCount());
  object.StopRun();
  EXPECT_EQ(object.isClosed, 1);
  EXPECT_EQ(Sounds(), (Strings{"play Attr_Carousel_NOISE"}));  // no figure has ended its animation
}

TEST_F(AttractionUpdateTest, TrackPartBuildsTheVehiclesOnceThenRunsTheRide) {
  WriteTrack("train.txt", 100, 25, 1);
  CAttraction ride;
  ride.id = "Attr_MiniTrain";
  CParkModel station, car0, car1;
  ride.partObjects = {&station, &car0, &car1};
  ride.setupRecords.push_back(std::make_unique<ObjectSetupRecord>());
  for (int i = 0; i < 2; ++i) {
    auto record = std::make_unique<ObjectSetupRecord>();
    record->animPath = "train.txt";
    record->itemCount = 2;
    record->itemOffset = 30;
    ride.setupRecords.push_back(std::move(record));
  }
  ride.Update(0.016f);
  ASSERT_EQ(ride.vehicles.size(), 2u);
  EXPECT_EQ(ride.vehiclesBuilt, 1);
  for (int f = 0; f < 60 * 12; ++f) {
    clock.AdvanceMs(16);
    ride.Update(1.0f / 60);
  }
  EXPECT_EQ(ride.vehicles.size(), 2u);
  // Two track parts, one ride cycle a frame: 25 keyframes a second.
  // The train left after its 10 s pause: 95 frames of 1/60 s at 25 keyframes a second.
  EXPECT_NEAR(ride.progressIndex, 39, 3);
}

TEST_F(AttractionUpdateTest, TheMouseMakesOneObjectTheHoveredOne) {
  CAttraction first, second;
  const auto frame = [&] {
    first.Update(0.016f);
    second.Update(0.016f);
  };
  host.underMouse = &first;
  frame();
  EXPECT_EQ(first.isHovered, 0);  // the game does not test the mouse now
  host.hoverPicking = true;
  frame();
  EXPECT_EQ(first.isHovered, 1);
  EXPECT_EQ(host.hovered, &first);
  host.underMouse = &second;
  frame();
  EXPECT_EQ(first.isHovered, 0);
  EXPECT_EQ(second.isHovered, 1);
  EXPECT_EQ(host.hovered, &second);
  host.underMouse = nullptr;
  frame();
  EXPECT_EQ(second.isHovered, 0);
  EXPECT_EQ(host.hovered, nullptr);
}

}  // namespace
