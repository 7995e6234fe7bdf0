#include <gtest/gtest.h>

#include <cmath>

#include "characters/REraduzizVisitor.h"
#include "platform/math/Math.h"
#include "platform/os/Random.h"
#include "tests/characters/FakeCharacterWorld.h"

namespace {

constexpr unsigned kSeedSpacing = 7919;

using chartest::FakeCharacterWorld;
using chartest::FakeEvent;
using chartest::FakeObject;
using chartest::Handle;

class VisitorTest : public ::testing::Test {
 protected:
  void SetUp() override {
    plat::SRand(1);
    world_.second = 42;
  }
  FakeCharacterWorld world_;
};

TEST_F(VisitorTest, NewCharacterStartsUnassignedAndUncounted) {
  REraduzizVisitor v;
  EXPECT_EQ(v.GetKind(), REraduzizVisitor::kNoKind);
  EXPECT_FALSE(v.IsVisible());
  EXPECT_EQ(v.GetActivityMode(), 0);
  EXPECT_EQ(v.GetActivityState(), REraduzizVisitor::kStateStart);
  EXPECT_EQ(v.GetAttributes().GetBand(), CVisitorAttributes::kNoBand);
  EXPECT_EQ(v.GetAttributes().GetMood(), 0);
  EXPECT_EQ(v.GetId(), -1);
  EXPECT_TRUE(v.IsRoaming());
  EXPECT_FALSE(v.IsJobActive());
  EXPECT_EQ(v.GetCellStamp(64, 64), 0);
  EXPECT_EQ(v.GetTimer(0).stamp, 0);
  for (int32_t t = 1; t < REraduzizVisitor::kTimerCount; ++t) EXPECT_EQ(v.GetTimer(t).stamp, 42);
  EXPECT_GE(v.GetTimer(10).counter, 120);
  EXPECT_LT(v.GetTimer(10).counter, 420);
  EXPECT_GE(v.GetTimer(11).counter, 300);
  EXPECT_LT(v.GetTimer(11).counter, 600);
  v.GetAttributes().AddToParkTotals();
  EXPECT_EQ(world_.totals.bandCounts[0], 1);  // counted into the world's totals
}

TEST(VisitorRandom, RandomRangeStaysBelowItsTopAndRepeatsForASeed) {
  plat::SRand(3);
  const int next = plat::Rand();
  plat::SRand(3);
  EXPECT_EQ(REraduzizVisitor::RandomRange(5, 5), 5.0);  // draws nothing
  EXPECT_EQ(plat::Rand(), next);

  std::vector<double> first;
  plat::SRand(99);
  for (int i = 0; i < 100000; ++i) {
    const double r = REraduzizVisitor::RandomRange(0, 1);
    ASSERT_GE(r, 0.0);
    ASSERT_LT(r, 1.0);
    if (i < 50) first.push_back(r);
  }
  plat::SRand(99);
  for (double r : first) EXPECT_EQ(REraduzizVisitor::RandomRange(0, 1), r);
  EXPECT_NEAR(REraduzizVisitor::RandomRange(-3, 3), 0.0, 3.0);
}

// The game clock runs 60 game seconds a real second times the game speed:
// a timer loses the game seconds that passed, whether a frame spans a part
// of a game second or a whole game minute.
TEST_F(VisitorTest, TimersLoseTheGameSecondsPassedAtEverySpeedAndFrameLength) {
  constexpr int kRealSeconds = 10;
  constexpr double kGameSecondsPerRealSecond = 60;
  const struct {
    int speed;
    double frameSeconds;
  } cases[] = {{0, 1 / 60.0}, {1, 1 / 60.0}, {4, 1 / 60.0}, {1, 0.02}, {4, 0.02}, {1, 0.25}, {4, 0.25}};
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "speed " << c.speed << ", frames of " << c.frameSeconds << " s");
    world_.second = 0;
    REraduzizVisitor v;
    constexpr int32_t kStart = 100000;
    v.SetCounterWithTime(1, kStart);
    const int frames = int(std::lround(kRealSeconds / c.frameSeconds));
    double clock = 0;
    for (int frame = 0; frame < frames; ++frame) {
      clock += c.speed * kGameSecondsPerRealSecond * c.frameSeconds;
      world_.second = int32_t(std::floor(clock + 1e-9));
      v.TickVisitorTimers();
    }
    EXPECT_EQ(v.GetTimer(1).counter, kStart - c.speed * kGameSecondsPerRealSecond * kRealSeconds);
  }
}

TEST_F(VisitorTest, TimersCountOnAcrossTheTurnOfTheGameYear) {
  world_.second = CCharacterWorld::kSecondsPerGameYear - 10;
  REraduzizVisitor v;
  v.SetCounterWithTime(1, 100);
  world_.second = 5;
  v.TickVisitorTimers();
  EXPECT_EQ(v.GetTimer(1).counter, 85);
  EXPECT_EQ(v.GetTimer(1).stamp, 5);
}

TEST_F(VisitorTest, VisitorTimersSkipTheCellPairThePlantingPauseAndTheDetour) {
  REraduzizVisitor v;
  for (int32_t t = 0; t < REraduzizVisitor::kTimerCount; ++t) v.SetCounterWithTime(t, 5);
  world_.second = 43;
  v.TickVisitorTimers();
  v.TickVisitorTimers();  // same second: no further loss
  for (int32_t t = 0; t < REraduzizVisitor::kTimerCount; ++t) {
    const bool ticked = t != 0 && t != 7 && t != 11;
    EXPECT_EQ(v.GetTimer(t).counter, ticked ? 4 : 5) << "timer " << t + 1;
  }
  EXPECT_FALSE(v.TickTimer(12));
  EXPECT_FALSE(v.TickTimer(-1));
  v.SetCounterWithTime(3, 1);
  world_.second = 44;
  v.TickTimer(3);
  EXPECT_TRUE(v.IsTimerDone(3));
}

TEST_F(VisitorTest, PathRequestGoesFromTheOwnCellToTheDestinationCell) {
  REraduzizVisitor v;
  v.SetId(5003);
  v.SetPosition(FakeCharacterWorld::Centre(10, 20));
  v.SetTargetCell(4 * 30 - 256, 0, 4 * 40 - 256);
  world_.pathResult = 2;
  EXPECT_EQ(v.FindPathToTarget(), 2);
  ASSERT_EQ(world_.paths.size(), 1u);
  const chartest::PathRequest& r = world_.paths[0];
  EXPECT_EQ(r.slot, 5003);
  EXPECT_EQ(r.fromI, 10);
  EXPECT_EQ(r.fromJ, 20);
  EXPECT_EQ(r.toI, 30);
  EXPECT_EQ(r.toJ, 40);
  EXPECT_EQ(v.GetOwnCellI(), 10);

  v.SetTargetCell(300, 0, 0);  // off the grid
  EXPECT_EQ(v.FindPathToTarget(), 0);
  v.SetTargetCell(0, 0, 0);
  v.SetPosition({-300, 0, 0});
  EXPECT_EQ(v.FindPathToTarget(), 0);
  EXPECT_EQ(world_.paths.size(), 1u);
}

TEST_F(VisitorTest, PathOffsetsStayInZeroToTwoOverManySeeds) {
  REraduzizVisitor v;
  v.SetTargetCell(10, 0, 10);
  bool low = false;
  bool high = false;
  // Seeds far apart: the generator's first draws of neighbouring seeds lie
  // close together.
  for (unsigned k = 0; k < 2000; ++k) {
    const unsigned seed = k * kSeedSpacing;
    plat::SRand(seed);
    ASSERT_EQ(v.FindPathToTarget(), 1);
    const float offset = v.GetPathOffset();
    ASSERT_GE(offset, 0.0f) << seed;
    ASSERT_LE(offset, 2.0f) << seed;
    low = low || offset < 0.5f;
    high = high || offset > 1.5f;
  }
  EXPECT_TRUE(low && high);
}

TEST_F(VisitorTest, ClearJobResetsTheEventOnlyWhenThereIsOne) {
  REraduzizVisitor v;
  int context = 0;
  v.SetJobCallback([](void*, ParkEvent*, uint32_t) {}, &context, 3);
  v.SetJobContext(0, &context);
  v.ClearJob();
  EXPECT_EQ(v.GetJobContext(), nullptr);
  EXPECT_EQ(v.GetJobCallbackContext(), nullptr);

  FakeObject object;
  FakeEvent event{&object};
  v.SendToObject(Handle(event));
  EXPECT_TRUE(event.taken);
  v.ClearJob();
  EXPECT_EQ(event.resets, 1);
  EXPECT_FALSE(event.taken);
  EXPECT_EQ(v.GetJobEvent(), nullptr);
  v.ClearJob();
  EXPECT_EQ(event.resets, 1);
}

TEST_F(VisitorTest, SendToObjectWalksToTheEventsObjectWhenAPathIsFound) {
  REraduzizVisitor v;
  v.SetId(1001);
  FakeObject object;
  object.position = FakeCharacterWorld::Centre(12, 14);
  FakeEvent event{&object};
  v.SendToObject(Handle(event));
  EXPECT_EQ(v.GetDestination(), object.position);
  EXPECT_EQ(v.GetActivityMode(), 1);
  EXPECT_EQ(v.GetActivityState(), REraduzizVisitor::kStateToJob);
  EXPECT_TRUE(v.IsJobActive());
  EXPECT_TRUE(event.taken);

  FakeEvent other{&object};
  v.SendToObject(Handle(other));  // the first event is let go
  EXPECT_EQ(event.resets, 1);
  EXPECT_EQ(v.GetJobEvent(), Handle(other));

  REraduzizVisitor w;
  world_.pathResult = 2;
  FakeEvent third{&object};
  w.SendToObject(Handle(third));
  EXPECT_EQ(w.GetActivityState(), REraduzizVisitor::kStateStart);
  EXPECT_TRUE(w.IsJobActive());
  REraduzizVisitor idle;
  idle.SendToObject(nullptr);
  EXPECT_FALSE(idle.IsJobActive());
}

TEST_F(VisitorTest, JobDialogOpensOnceWithinReach) {
  REraduzizVisitor v;
  v.SetId(1002);
  v.SetPosition({0, 0, 0});
  EXPECT_FALSE(v.ApproachJobPoint(20, 0, 0));
  EXPECT_TRUE(world_.dialogCommands.empty());
  EXPECT_FALSE(v.ApproachJobPoint(8, 0, 0));
  ASSERT_EQ(world_.dialogCommands, std::vector<bool>{true});
  EXPECT_EQ(world_.dialogBytes[0], 0);
  EXPECT_EQ(world_.focused, 1002);
  EXPECT_EQ(world_.cameraPoint, (plat::Vec3{8, 4, 0}));
  EXPECT_TRUE(v.ApproachJobPoint(3, 0, 0));
  EXPECT_EQ(world_.dialogCommands.size(), 1u);
}

TEST_F(VisitorTest, TutorialAnswerTwoTwoShowsTheFollowUp) {
  int context = 0;
  REraduzizVisitor::OnTutorialAnswer(&context, 1, 2);
  REraduzizVisitor::OnTutorialAnswer(&context, 2, 1);
  EXPECT_TRUE(world_.messages.empty());
  REraduzizVisitor::OnTutorialAnswer(&context, 2, 2);
  ASSERT_EQ(world_.messages.size(), 1u);
  EXPECT_EQ(world_.messages[0].textId, 401011);
  EXPECT_EQ(world_.messages[0].context, &context);
  EXPECT_TRUE(world_.modal);
}

TEST(VisitorWithoutWorld, StandsStillAndTouchesNothing) {
  REraduzizVisitor v;
  v.SetPosition({1, 0, 1});
  v.SetTargetCell(50, 0, 50);
  EXPECT_EQ(v.FindPathToTarget(), 0);
  v.WalkStep(0.1);
  v.MoveSpecial(0.1);
  float out[3];
  EXPECT_FALSE(v.FindDirtyPathCell(out));
  v.Render();
  v.TickVisitorTimers();
  EXPECT_EQ(v.GetPosition(), (plat::Vec3{1, 0, 1}));
}

}  // namespace

// A world with a grid and objects but no park events, dialogs, effects or
// tutorial: a job sent there ends at once and quietly.
class BareWorld : public CCharacterWorld {
 public:
  BareWorld() { Install(this); }
  ~BareWorld() override { Install(nullptr); }
  int32_t GetGameTime() const override { return 0; }
  ParkMoodTotals* GetMoodTotals() override { return nullptr; }
  bool WorldToCell(const plat::Vec3&, int32_t* i, int32_t* j) const override {
    *i = *j = 0;
    return true;
  }
  plat::Vec3 GetCellPosition(int32_t, int32_t) const override { return {}; }
  bool GetCell(int32_t, int32_t, CellView*) const override { return false; }
  int32_t FindPath(int32_t, int32_t, int32_t, int32_t, int32_t) override { return 2; }
  bool ReadPath(int32_t, int32_t, int32_t, int32_t) override { return true; }
  void GetPathCursor(int32_t, int32_t*, int32_t*) const override {}
  bool IsObjectPlaced(const CAttraction*) const override { return false; }
  bool IsObjectStopped(const CAttraction*) const override { return false; }
  bool GetObjectPosition(const CAttraction*, plat::Vec3*) const override { return false; }
  EngineString GetObjectAssetName(const CAttraction*) const override { return {}; }
  int32_t GetPathCount(const CAttraction*, bool) const override { return 0; }
  int32_t GetPathPointCount(const CAttraction*, bool, int32_t) const override { return 0; }
  bool GetPathPoint(const CAttraction*, bool, int32_t, int32_t, plat::Vec3*) const override {
    return false;
  }
};

TEST(VisitorInABareWorld, AJobEndsAtOnceAndTheWalkFindsNoStrollTarget) {
  BareWorld world;
  REraduzizVisitor staff;
  staff.SetId(1000);
  int token = 0;
  staff.SendToObject(reinterpret_cast<ParkEvent*>(&token));
  EXPECT_TRUE(staff.IsJobActive());
  staff.Render();
  EXPECT_FALSE(staff.IsJobActive());
  EXPECT_EQ(staff.GetActivityState(), REraduzizVisitor::kStateDecideAgain);
  staff.WalkStep(0.1);  // at its destination, roaming: no stroll target
  EXPECT_EQ(staff.GetActivityState(), REraduzizVisitor::kStateDecideAgain);
}
