// A visitor's detours on the footpath: to a dust bin close by with its
// litter, and to a rest place close by.
#include <gtest/gtest.h>

#include <string>

#include "park/objects/CAttraction.h"
#include "platform/os/DebugOutput.h"
#include "tests/characters/manager/ManagerTestSupport.h"
#include "tests/characters/manager/SmallPark.h"

namespace {

constexpr int32_t kRow = 64;
constexpr int32_t kWalkingMode = 1;
constexpr int32_t kToAttraction = 14;
constexpr int32_t kToDustBin = 22;
constexpr int32_t kToRestPlace = 32;

class Walker : public REraduzizVisitor {
 public:
  using REraduzizVisitor::FindNearbyDustBin;
  using REraduzizVisitor::FindNearbyObjectOfType3;
};

class VisitorBinsTest : public managertest::ManagerTestWith<managertest::ParkWorld, managertest::ParkHost> {
 protected:
  void SetUp() override {
    ManagerTestWith::SetUp();
    world_.LayRow(56, 72, kRow);
    ride_.id = "Attr_wheel";
    ride_.gatePosition = Centre(72);
    ride_.SetPosition(ride_.gatePosition.x, 0, ride_.gatePosition.z);
    host_.objects = {&ride_};
    plat::SetDebugOutputSink([this](std::string_view text) { trace_ += text; });
  }
  void TearDown() override {
    plat::SetDebugOutputSink(nullptr);
    ManagerTestWith::TearDown();
  }
  static plat::Vec3 Centre(int32_t i) { return chartest::FakeCharacterWorld::Centre(i, kRow); }
  void AddBin(const char* name, const plat::Vec3& at, int32_t type = REraduzizVisitor::kDustBinType) {
    Manager().AddPlacement(at, Manager().GetPlacementCount() + 10, name, type, false);
  }
  // A visitor on the footpath at cell 64, walking to the ride with litter
  // it wants to be rid of.
  void StartWalk(Walker& v) {
    v.SetKind(0);
    v.SetId(REraduzizVisitor::kFirstVisitorId);
    v.GetAttributes().SetAll(50, 50, 50, 50);
    v.SetPosition(Centre(64));
    v.SetCurrentCell(64, kRow);
    v.SetTargetAttraction(&ride_);
    v.SetTargetCell(ride_.gatePosition.x, 0, ride_.gatePosition.z);
    v.SetPathFound(true);
    v.SetActivityState(kWalkingMode, kToAttraction);
    for (int32_t timer : {REraduzizVisitor::kPatienceTimer, REraduzizVisitor::kGreenThoughtTimer,
                          REraduzizVisitor::kCleanThoughtTimer, REraduzizVisitor::kThoughtTimer,
                          REraduzizVisitor::kDetourTimer}) {
      v.SetCounterWithTime(timer, 5000);
    }
    v.SetLitter(true);
    v.SetCounterWithTime(REraduzizVisitor::kLitterTimer, 0);
  }

  CAttraction ride_;
  std::string trace_;
};

TEST_F(VisitorBinsTest, OnlyABinCloserThanEightIsTaken) {
  struct Case {
    float distance;
    bool taken;
  };
  for (const Case c : {Case{7.9f, true}, Case{8.0f, false}, Case{12.0f, false}}) {
    SCOPED_TRACE(c.distance);
    Manager().ClearCharacters({});
    const plat::Vec3 bin = Centre(64) + plat::Vec3{c.distance, 0, 0};
    AddBin("trash_01", bin);
    Walker v;
    StartWalk(v);
    plat::Vec3 point{};
    EXPECT_EQ(v.FindNearbyDustBin(&point), c.taken);
    if (!c.taken) continue;
    EXPECT_EQ(point, bin);
    EXPECT_EQ(v.GetDestination(), bin);
    EXPECT_EQ(v.GetLastTargetName().Std(), "trash_01");
    EXPECT_TRUE(v.IsPathFound());
  }
}

TEST_F(VisitorBinsTest, ABinWithoutAPathIsPassedOverForTheNextInRecordOrder) {
  const plat::Vec3 onTheLawn = Centre(64) + plat::Vec3{0, 0, 6};
  const plat::Vec3 onThePath = Centre(63);
  AddBin("trash_02", onTheLawn);
  AddBin("trash_03", Centre(64));  // the visitor stands on it
  AddBin("trash_01", onThePath);
  Walker v;
  StartWalk(v);
  plat::Vec3 point{};
  ASSERT_TRUE(v.FindNearbyDustBin(&point));
  EXPECT_EQ(point, onThePath);
  EXPECT_EQ(v.GetDestination(), onThePath);
  EXPECT_EQ(v.GetLastTargetName().Std(), "trash_01");
}

TEST_F(VisitorBinsTest, WithoutABinToGoToTheLitterIsDroppedAndTheWalkGoesOn) {
  AddBin("trash_02", Centre(64) + plat::Vec3{0, 0, 6});
  AddBin("trash_01", Centre(64) + plat::Vec3{20, 0, 0});
  Walker v;
  StartWalk(v);
  v.UpdateByKind(0.05);
  EXPECT_FALSE(v.HasLitter());
  ASSERT_EQ(host_.litterDropped.size(), 1u);
  EXPECT_EQ(host_.litterDropped[0], Centre(64));
  // Still on the way to the ride.
  EXPECT_EQ(v.GetActivityState(), kToAttraction);
  EXPECT_EQ(v.GetDestination(), ride_.gatePosition);
  EXPECT_TRUE(v.GetLastTargetName().Std().empty());
}

TEST_F(VisitorBinsTest, TheLitterGoesInTheBinAndOnlyTheTalkingBinSaysThanks) {
  struct Case {
    const char* bin;
    bool effectSounds;
    bool thanks;
  };
  const Case cases[] = {{"beszelokuka", true, true}, {"beszelokuka", false, false}, {"trash_01", true, false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.bin) + (c.effectSounds ? " with sounds" : " without"));
    Manager().ClearCharacters({});
    world_.sounds.clear();
    world_.soundVolumes.clear();
    trace_.clear();
    world_.effectSounds = c.effectSounds;
    const plat::Vec3 bin = Centre(63);
    AddBin(c.bin, bin);
    Walker v;
    StartWalk(v);
    v.UpdateByKind(0.05);
    ASSERT_EQ(v.GetActivityState(), kToDustBin);
    EXPECT_TRUE(v.HasLitter());
    v.SetPosition(bin);
    v.UpdateByKind(0.05);
    EXPECT_FALSE(v.HasLitter());
    EXPECT_EQ(v.GetActivityMode(), 0);
    EXPECT_EQ(v.GetActivityState(), REraduzizVisitor::kStateDecideAgain);
    EXPECT_EQ(v.GetDestination(), ride_.GetPositionStruct());
    if (c.thanks) {
      EXPECT_EQ(world_.sounds, std::vector<std::string>{"beszelokuka_NOISE2"});
      EXPECT_EQ(trace_, "DANK U WEL\n");
      ASSERT_EQ(world_.soundVolumes.size(), 1u);
      EXPECT_EQ(world_.soundVolumes[0].first, bin);
      EXPECT_EQ(world_.soundVolumes[0].second, "beszelokuka_NOISE2");
    } else {
      EXPECT_TRUE(world_.sounds.empty());
      EXPECT_TRUE(trace_.empty());
      EXPECT_TRUE(world_.soundVolumes.empty());
    }
  }
}

TEST_F(VisitorBinsTest, ABinWhoseTargetRunsAnEventKeepsTheLitter) {
  AddBin("trash_01", Centre(63));
  Walker v;
  StartWalk(v);
  v.UpdateByKind(0.05);
  ASSERT_EQ(v.GetActivityState(), kToDustBin);
  ride_.eventRunning = 1;
  v.SetPosition(Centre(63));
  v.UpdateByKind(0.05);
  EXPECT_TRUE(v.HasLitter());
  EXPECT_EQ(v.GetActivityState(), REraduzizVisitor::kStateDecideAgain);
  EXPECT_EQ(v.GetTargetAttraction(), &ride_);
}

TEST_F(VisitorBinsTest, ARestPlaceCloseByGivesARestThenTheWalkGoesOn) {
  AddBin("bench_01", Centre(64) + plat::Vec3{30, 0, 0}, REraduzizVisitor::kRestPlaceType);
  const plat::Vec3 bench = Centre(63);
  AddBin("bench_01", bench, REraduzizVisitor::kRestPlaceType);
  Walker v;
  plat::Vec3 point{};
  StartWalk(v);
  EXPECT_TRUE(v.FindNearbyObjectOfType3(&point));
  EXPECT_EQ(point, bench);

  v.SetLitter(false);
  v.SetCounterWithTime(REraduzizVisitor::kDetourTimer, 0);
  v.UpdateByKind(0.05);
  ASSERT_EQ(v.GetActivityState(), kToRestPlace);
  EXPECT_EQ(v.GetDestination(), bench);
  v.SetPosition(bench);
  v.UpdateByKind(0.05);
  EXPECT_EQ(v.GetActivityMode(), 2);
  EXPECT_EQ(v.GetActivityState(), 42);
  const int32_t rest = v.GetTimer(REraduzizVisitor::kStayTimer).counter;
  EXPECT_GE(rest, 27);
  EXPECT_LE(rest, 86);

  // The rest over, the visitor heads for the ride again.
  v.SetCounterWithTime(REraduzizVisitor::kStayTimer, 0);
  v.UpdateByKind(0.05);
  EXPECT_EQ(v.GetActivityMode(), kWalkingMode);
  EXPECT_EQ(v.GetActivityState(), kToAttraction);
  EXPECT_EQ(v.GetDestination(), ride_.gatePosition);
  EXPECT_EQ(v.GetTimer(REraduzizVisitor::kDetourTimer).counter, 10);
}

}  // namespace
