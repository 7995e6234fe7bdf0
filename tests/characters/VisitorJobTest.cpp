#include <gtest/gtest.h>

#include "characters/REraduzizVisitor.h"
#include "engine/animation/CMultiAnim.h"
#include "engine/animation/CMultiAnimAllocateHierarchy.h"
#include "platform/math/Math.h"
#include "tests/characters/FakeCharacterWorld.h"
#include "tests/engine/animation/AnimationTestSupport.h"

namespace {

using chartest::FakeCharacterWorld;
using chartest::FakeEvent;
using chartest::FakeObject;
using chartest::Handle;

struct CallbackLog {
  int calls = 0;
  ParkEvent* event = nullptr;
  uint32_t parameter = 0;
};

void RecordCallback(void* context, ParkEvent* event, uint32_t parameter) {
  auto* log = static_cast<CallbackLog*>(context);
  ++log->calls;
  log->event = event;
  log->parameter = parameter;
}

// A staff member or park character on the fixture figure, sent to a park
// event whose object stands 3 units away. The figure has no "work" and no
// "magic" set, so a job's animation counts as played at once.
class VisitorJobTest : public animtest::AnimationTest {
 protected:
  void SetUp() override {
    AnimationTest::SetUp();
    hierarchy_.SetModelFolder("models");
    ASSERT_EQ(model_.Load(animtest::kModelPath, &hierarchy_), plat::kMeshOk);
    object_.position = {0, 0, 3};
  }
  void TearDown() override {
    model_.Cleanup(&hierarchy_);
    AnimationTest::TearDown();
  }
  void Send(REraduzizVisitor& who, int32_t id) {
    who.SetId(id);
    ASSERT_EQ(who.Setup(&model_, 0, 0, 0, 0, 0, 0, 0, false), plat::kMeshOk);
    who.SendToObject(Handle(event_));
    who.SetJobCallback(&RecordCallback, &log_, 77);
  }

  FakeCharacterWorld world_;
  CMultiAnimAllocateHierarchy hierarchy_;
  CMultiAnim model_;
  FakeObject object_;
  FakeEvent event_{&object_};
  CallbackLog log_;
};

TEST_F(VisitorJobTest, StaffWorksAtTheJobThenCallsBackAndClosesTheDialog) {
  REraduzizVisitor staff;
  Send(staff, 1000);
  object_.position = {0, 0, 30};
  staff.Render();  // far away: nothing yet
  EXPECT_TRUE(world_.dialogCommands.empty());
  object_.position = {0, 0, 3};
  staff.Render();
  EXPECT_EQ(world_.dialogCommands, std::vector<bool>{true});
  EXPECT_TRUE(staff.IsStanding());
  EXPECT_TRUE(staff.GetOneShotFlag());
  EXPECT_EQ(staff.GetAnimationKind(), DIridadIvavororu::kWork);
  EXPECT_EQ(log_.calls, 0);

  staff.Render();
  EXPECT_EQ(log_.calls, 1);
  EXPECT_EQ(log_.event, Handle(event_));
  EXPECT_EQ(log_.parameter, 77u);
  EXPECT_EQ(world_.dialogCommands, (std::vector<bool>{true, false}));
  EXPECT_EQ(world_.dialogBytes[0], 1);
  EXPECT_EQ(world_.dialogBytes[1], 0);
  EXPECT_EQ(staff.GetAnimationKind(), DIridadIvavororu::kWalk);
  EXPECT_FALSE(staff.GetOneShotFlag());
  EXPECT_EQ(staff.GetActivityState(), REraduzizVisitor::kStateDecideAgain);
  EXPECT_FALSE(staff.IsJobActive());
  EXPECT_EQ(event_.resets, 1);
  EXPECT_TRUE(world_.messages.empty());  // no tutorial running
  staff.Render();
  EXPECT_EQ(log_.calls, 1);
}

// A ride's middle lies off the footpaths that staff walk: the solver is sent
// to its gate and does the job there, however far the middle is.
TEST_F(VisitorJobTest, TheSolverGoesToTheAttractionsGateAndWorksThere) {
  object_.position = {0, 0, 30};
  object_.gate = plat::Vec3{0, 0, 3};
  REraduzizVisitor staff;
  Send(staff, 1000);
  ASSERT_FALSE(world_.paths.empty());
  int32_t gateI = 0, gateJ = 0;
  ASSERT_TRUE(world_.WorldToCell(*object_.gate, &gateI, &gateJ));
  EXPECT_EQ(world_.paths.back().toI, gateI);
  EXPECT_EQ(world_.paths.back().toJ, gateJ);
  staff.Render();
  EXPECT_TRUE(staff.IsStanding()) << "at work by the gate";
  staff.Render();
  EXPECT_EQ(log_.calls, 1);
  EXPECT_EQ(event_.resets, 1);
}

TEST_F(VisitorJobTest, ParkCharactersPlayTheirMagicWithEffectAndSound) {
  struct Case {
    int32_t id;
    int32_t effect;
    float rise;
  };
  for (const Case& c : {Case{3, CCharacterWorld::kFirstMagicEffect, 0.0f},
                        Case{2, CCharacterWorld::kSecondMagicEffect, 1.0f}}) {
    REraduzizVisitor mascot;
    Send(mascot, c.id);
    mascot.Render();
    EXPECT_TRUE(world_.magicActive[c.effect]) << c.id;
    EXPECT_EQ(world_.magicOrigin[c.effect], (plat::Vec3{0, c.rise, 0}));
    EXPECT_EQ(world_.sounds.back(), "MAGIC");
    mascot.Render();
    EXPECT_FALSE(world_.magicActive[c.effect]);
    EXPECT_EQ(world_.dialogBytes[0], 0);
  }
  REraduzizVisitor performer;
  world_.sounds.clear();
  Send(performer, 4);
  performer.Render();
  EXPECT_EQ(performer.GetAnimationKind(), DIridadIvavororu::kMagic);
  EXPECT_TRUE(world_.sounds.empty());
}

TEST_F(VisitorJobTest, AJobWhoseObjectVanishedEndsAtOnce) {
  REraduzizVisitor staff;
  Send(staff, 1500);
  object_.placed = false;
  staff.Render();
  EXPECT_EQ(log_.calls, 1);
  EXPECT_EQ(event_.refinds, 1);
  EXPECT_EQ(world_.dialogCommands, std::vector<bool>{false});
  EXPECT_EQ(world_.dialogBytes[0], 0);
  EXPECT_EQ(world_.dialogBytes[1], 0);
  EXPECT_FALSE(staff.IsJobActive());
}

TEST_F(VisitorJobTest, TheTutorialsJobStepMovesOnWhenTheJobIsDone) {
  REraduzizVisitor staff;
  Send(staff, 1000);
  world_.tutorialWaiting = true;
  staff.Render();
  staff.Render();
  EXPECT_EQ(world_.tutorialSteps, 1);
  EXPECT_EQ(world_.tutorialSettings, 1);
  ASSERT_EQ(world_.messages.size(), 1u);
  EXPECT_EQ(world_.messages[0].textId, 401010);
  EXPECT_EQ(world_.messages[0].callback, &REraduzizVisitor::OnTutorialAnswer);
}

TEST_F(VisitorJobTest, AScreenThatGoesTakesItsCallbackContextWithIt) {
  REraduzizVisitor staff;
  Send(staff, 1000);
  staff.SetJobContext(0, &log_);
  REraduzizVisitor::ForgetJobContext(&log_);
  EXPECT_EQ(staff.GetJobContext(), nullptr);
  EXPECT_EQ(staff.GetJobCallbackContext(), nullptr);
  staff.Render();
  staff.Render();
  EXPECT_EQ(log_.calls, 0);
  EXPECT_FALSE(staff.IsJobActive());
}

}  // namespace

// A demo park figure with every set of the game: a job lasts as long as the
// work or magic animation takes to play once.
class DemoFigureJobTest : public VisitorJobTest {
 protected:
  void SetUp() override {
    animtest::AnimationTest::SetUp();
    const std::string folder = std::string(HALVENOR_PARK_DIR) + "\\objects\\characters";
    hierarchy_.SetModelFolder(folder.c_str());
    ASSERT_EQ(model_.Load((folder + "\\casual_m.X").c_str(), &hierarchy_), plat::kMeshOk);
    object_.position = {0, 0, 3};
  }
  // Seconds of frames until the job is over.
  double PlayJob(REraduzizVisitor& who, int32_t id) {
    Send(who, id);
    who.Render();
    constexpr double kFrame = 1.0 / 60;
    double elapsed = 0;
    while (who.IsJobActive() && elapsed < 10) {
      who.AdvanceTime(kFrame, nullptr);
      who.Render();
      elapsed += kFrame;
    }
    return elapsed;
  }
};

TEST_F(DemoFigureJobTest, WorkAndMagicPlayOnceToTheirEnd) {
  std::shared_ptr<plat::AnimationController> controller = model_.GetController();
  REraduzizVisitor staff;
  const double work = PlayJob(staff, 1000);
  const double workPeriod = controller->GetAnimationSetByName("work")->GetPeriod();
  EXPECT_NEAR(work, workPeriod, 0.05);
  EXPECT_EQ(log_.calls, 1);

  REraduzizVisitor mascot;
  const double magic = PlayJob(mascot, 3);
  EXPECT_NEAR(magic, controller->GetAnimationSetByName("magic")->GetPeriod(), 0.05);
  EXPECT_EQ(log_.calls, 2);
  EXPECT_FALSE(world_.magicActive[CCharacterWorld::kFirstMagicEffect]);
}
