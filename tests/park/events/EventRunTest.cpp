// A started event's run on the tick clock: the steps' times per scripted
// event, the animation wait's three ends, what the script does to the park
// and how the reset undoes it, and a run cancelled in each of its steps.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "engine/animation/ZOdevuvCharacter.h"
#include "engine/particles/ParticleEffects.h"
#include "park/REraduzizEventClass.h"
#include "park/events/EventRun.h"
#include "park/events/ParkEvent.h"
#include "park/objects/CAttraction.h"
#include "platform/os/Clock.h"
#include "tests/park/events/EventTestHost.h"

namespace {

using Step = EventRun::Step;

constexpr plat::Vec3 kOwnerPosition{10.0f, 2.0f, 20.0f};
constexpr plat::Vec3 kGatePosition{10.0f, 2.0f, 30.0f};
constexpr int32_t kCameraDistance = 8;
constexpr int32_t kNever = -1;
constexpr uint32_t kStepMs = 10;
constexpr uint32_t kStartMs = 1000;

// One attraction with an event ready to start on it, and the park's
// particle effects.
class EventRunTest : public ::testing::Test {
 protected:
  void SetUp() override {
    plat::SetClock(&clock);
    clock.AdvanceMs(kStartMs);
    host.manager = &manager;
    host.particles = &particles;
    owner.id = "Attr_Test";
    owner.position = kOwnerPosition;
    owner.gatePosition = kGatePosition;
    event.id = "EVENT_PLAIN";
    event.eventText = "Something happened.";
    event.cameraDistance = kCameraDistance;
    event.SetCallback(&REraduzizEventClass::EventPopupCallback, &manager);
  }
  void TearDown() override { plat::SetClock(nullptr); }

  void AddNamedPart(const char* name) {
    figures.push_back(std::make_unique<ZOdevuvCharacter>());
    owner.namedParts.push_back({1, name, figures.back().get(), nullptr, 0});
  }
  void Start() {
    owner.currentEvent = &event;
    owner.eventRunning = 1;
    started = plat::TickCount();
    manager.StartEvent(event, owner);
  }
  // Frames up to the time after the start, with the animation's end
  // reported at its time.
  void RunUntil(uint32_t ms, int32_t animationEndMs = kNever) {
    while (plat::TickCount() - started < ms) {
      clock.AdvanceMs(kStepMs);
      if (int32_t(plat::TickCount() - started) == animationEndMs) event.OnAnimEnd();
      manager.UpdateRuns(plat::TickCount());
    }
  }
  Step CurrentStep() const {
    const EventRun* run = manager.FindRun(event);
    return run ? run->GetStep() : Step::Done;
  }
  bool AnyFireBurns() const {
    for (const Fire* fire : particles.fires) {
      if (fire->active) return true;
    }
    return false;
  }

  plat::FakeClock clock;
  REraduzizEventClass manager;
  eventtest::TestEventHost host;
  ParticleEffects particles{""};
  std::vector<std::unique_ptr<ZOdevuvCharacter>> figures;
  CAttraction owner;
  ParkEvent event;
  uint32_t started = 0;
};

TEST_F(EventRunTest, TheStepTimelineOfEachScriptedEvent) {
  struct Case {
    const char* id;
    const char* part;  // the named part the attraction has ("" none)
    int32_t animationEndMs;
    int32_t scriptMs, sneezeMs, popupMs;
  };
  const int32_t limit = int32_t(EventRun::kStepPauseMs + EventRun::kAnimationWaitLimitMs);
  const Case cases[] = {
      {"EVENT_PLAIN", "", kNever, 2000, kNever, 2000},
      {"EVENT_ZEL_VARO_HUNGRY", "close_leg", 5000, 2000, kNever, 5000},
      {"EVENT_ZEL_VARO_HUNGRY", "", kNever, 2000, kNever, 2000},          // no part to wait for
      {"EVENT_ZEL_VARO_TIERD", "close_leg", kNever, 2000, kNever, 2000},  // a part of another name
      {"EVENT_ZEL_VARO_TIERD", "sleep", kNever, 2000, kNever, limit},     // an end that never comes
      {"EVENT_VORMEX_SNEEZES", "sneeze", 3000, 2000, 3000, 5000},
      {"EVENT_DUST_BINS", "fullTrash", kNever, 2000, kNever, 2000},
      {"EVENT_SPEAKING_DUST_BINS", "", kNever, 2000, kNever, 2000},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.id) + " with part '" + c.part + "'");
    manager.ResetAll();
    owner.namedParts.clear();
    if (*c.part) AddNamedPart(c.part);
    event.id = c.id;
    const int cameraCallsBefore = host.cameraCalls;
    Start();
    EXPECT_EQ(host.cameraCalls, cameraCallsBefore + 1);  // the camera at once
    EXPECT_EQ(manager.eventBusy, 1);
    int32_t scriptMs = kNever, sneezeMs = kNever, popupMs = kNever;
    while (popupMs == kNever && plat::TickCount() - started < uint32_t(limit) + 1000) {
      RunUntil(plat::TickCount() - started + kStepMs, c.animationEndMs);
      const auto now = int32_t(plat::TickCount() - started);
      const Step step = CurrentStep();
      if (scriptMs == kNever && step > Step::Pause) scriptMs = now;
      if (sneezeMs == kNever && step == Step::SneezePause) sneezeMs = now;
      if (!manager.openEvents.empty()) popupMs = now;
    }
    EXPECT_EQ(scriptMs, c.scriptMs);
    EXPECT_EQ(sneezeMs, c.sneezeMs);
    EXPECT_EQ(popupMs, c.popupMs);
    EXPECT_TRUE(manager.GetRunningEvents().empty());
    EXPECT_EQ(host.selectedOpenEvent, 0);
  }
}

TEST_F(EventRunTest, TheCameraLooksFromTheSpecialLocationOrTheGate) {
  Start();
  // An unset special location becomes the gate, for good.
  EXPECT_EQ(owner.specialEventLocation.z, kGatePosition.z);
  EXPECT_FLOAT_EQ(host.cameraEye.x, 10.0f);
  EXPECT_FLOAT_EQ(host.cameraEye.y, 2.0f + ParkEvent::kDefaultCameraTallPosition);
  EXPECT_FLOAT_EQ(host.cameraEye.z, 28.0f);
  EXPECT_FLOAT_EQ(host.cameraLookAt.z, kGatePosition.z);

  manager.ResetAll();
  owner.specialEventLocation = {20.0f, 9.0f, 20.0f};
  event.cameraOrientation = 1;
  Start();
  EXPECT_FLOAT_EQ(host.cameraEye.x, 18.0f);  // towards the special location, at the owner's height
  EXPECT_FLOAT_EQ(host.cameraEye.z, 20.0f);
  EXPECT_FLOAT_EQ(host.cameraLookAt.z, kOwnerPosition.z);
}

TEST_F(EventRunTest, ASunkAttractionComesBackToItsHeightOnce) {
  event.effect = ParkEvent::kEffectSinkOwner;
  event.animStopNeeded = ParkEvent::kStopOwnerRun;
  owner.id = "ATTR_Zelvaro";
  Start();
  RunUntil(EventRun::kStepPauseMs);
  EXPECT_EQ(owner.position.y, ParkEvent::kSunkHeight);
  EXPECT_EQ(owner.savedHeight, kOwnerPosition.y);
  EXPECT_EQ(owner.isClosed, 1);

  event.Reset();
  EXPECT_EQ(owner.position.y, kOwnerPosition.y);
  EXPECT_EQ(owner.savedHeight, CAttraction::kNoSavedHeight);
  EXPECT_EQ(event.savedHeight, ParkEvent::kNoSavedHeight);
  EXPECT_EQ(owner.isClosed, 0);
  EXPECT_EQ(owner.eventRunning, 0);
  EXPECT_EQ(owner.currentEvent, nullptr);
  owner.position.y = 7.0f;
  event.Reset();
  EXPECT_EQ(owner.position.y, 7.0f);
}

TEST_F(EventRunTest, TheAdditionalObjectSinksStopsAndRunsAgainAfterTheReset) {
  CAttraction extra;
  extra.position = {0.0f, 1.5f, 0.0f};
  event.effect = ParkEvent::kEffectSinkExtraObject;
  event.animStopNeeded = ParkEvent::kStopExtraObjectRun;
  event.reasonAdditionalAttrNeeded = "restaurant";
  event.extraObject = &extra;
  Start();
  RunUntil(EventRun::kStepPauseMs);
  EXPECT_EQ(extra.position.y, ParkEvent::kSunkHeight);
  EXPECT_EQ(extra.isClosed, 1);
  EXPECT_EQ(owner.position.y, kOwnerPosition.y);
  EXPECT_EQ(owner.isClosed, 0);

  event.Reset();
  EXPECT_EQ(extra.position.y, 1.5f);
  EXPECT_EQ(extra.isClosed, 0);  // its ride runs again, though coming back forgot the object
  EXPECT_EQ(event.extraObject, nullptr);
}

TEST_F(EventRunTest, WithoutAnAdditionalObjectNothingSinksOrStops) {
  event.effect = ParkEvent::kEffectSinkExtraObject;
  event.animStopNeeded = ParkEvent::kStopExtraObjectRun;
  Start();
  RunUntil(EventRun::kStepPauseMs);
  EXPECT_EQ(owner.position.y, kOwnerPosition.y);
  EXPECT_EQ(owner.isClosed, 0);
  EXPECT_EQ(event.savedHeight, ParkEvent::kNoSavedHeight);
}

TEST_F(EventRunTest, LitterIsCleanedAtTheAttractionOnTheReset) {
  event.effect = ParkEvent::kEffectLitter;
  Start();
  RunUntil(EventRun::kStepPauseMs);
  EXPECT_TRUE(host.cleanedLitter.empty());
  event.Reset();
  ASSERT_EQ(host.cleanedLitter.size(), 1u);
  EXPECT_EQ(host.cleanedLitter[0].z, kOwnerPosition.z);
  event.Reset();
  EXPECT_EQ(host.cleanedLitter.size(), 1u);  // no owner any more
}

TEST_F(EventRunTest, TheParticleEffectsOfSpeakingBinsAndASneeze) {
  event.id = ParkEvent::kSpeakingDustBins;
  owner.specialEventLocation = {4.0f, 5.0f, 6.0f};
  Start();
  RunUntil(EventRun::kStepPauseMs);
  EXPECT_TRUE(particles.sparkle2Multi->active);
  EXPECT_EQ(particles.sparkle2Multi->origin.z, 6.0f);
  event.Reset();
  EXPECT_FALSE(particles.sparkle2Multi->active);

  manager.ResetAll();
  event.id = ParkEvent::kVormexSneezes;
  AddNamedPart("sneeze");
  Start();
  RunUntil(EventRun::kStepPauseMs + kStepMs, EventRun::kStepPauseMs + kStepMs);
  EXPECT_EQ(CurrentStep(), Step::SneezePause);
  EXPECT_TRUE(particles.sparkle2Orange->active);
  EXPECT_TRUE(AnyFireBurns());
  EXPECT_EQ(owner.eventAnimName, "sneeze");
  RunUntil(2 * EventRun::kStepPauseMs + kStepMs);
  EXPECT_FALSE(particles.sparkle2Orange->active);
  EXPECT_EQ(owner.eventAnimActive, 0);
  EXPECT_EQ(owner.eventAnimName, "");
  EXPECT_TRUE(AnyFireBurns());  // the fires burn until the event is solved
  event.Reset();
  EXPECT_FALSE(AnyFireBurns());
}

TEST_F(EventRunTest, ARunCancelledInAnyStepOpensNothingAndUndoesItsEffects) {
  enum class Cancel { ResetAll, ObjectRemoved, EventReset };
  struct Case {
    Cancel cancel;
    uint32_t atMs;
    Step step;
  };
  const Case cases[] = {
      {Cancel::ResetAll, 1000, Step::Pause},
      {Cancel::ResetAll, 2500, Step::WaitForAnimation},
      {Cancel::ResetAll, 4000, Step::SneezePause},
      {Cancel::ObjectRemoved, 1000, Step::Pause},
      {Cancel::ObjectRemoved, 2500, Step::WaitForAnimation},
      {Cancel::ObjectRemoved, 4000, Step::SneezePause},
      {Cancel::EventReset, 1000, Step::Pause},
      {Cancel::EventReset, 2500, Step::WaitForAnimation},
      {Cancel::EventReset, 4000, Step::SneezePause},
  };
  event.id = ParkEvent::kVormexSneezes;
  event.effect = ParkEvent::kEffectSinkOwner;
  AddNamedPart("sneeze");
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(int(c.cancel)) + " at " + std::to_string(c.atMs));
    Start();
    RunUntil(c.atMs, 3000);
    ASSERT_EQ(CurrentStep(), c.step);
    if (c.cancel == Cancel::ResetAll) manager.ResetAll();
    if (c.cancel == Cancel::ObjectRemoved) manager.OnObjectRemoved(owner);
    if (c.cancel == Cancel::EventReset) event.Reset();
    RunUntil(eventtest::kLongestRunMs + c.atMs);
    EXPECT_TRUE(manager.openEvents.empty());
    EXPECT_TRUE(manager.GetRunningEvents().empty());
    EXPECT_EQ(manager.eventBusy, 0);
    EXPECT_EQ(event.owner, nullptr);
    EXPECT_EQ(owner.eventRunning, 0);
    EXPECT_EQ(owner.eventAnimActive, 0);
    EXPECT_EQ(owner.position.y, kOwnerPosition.y);
    EXPECT_FALSE(particles.sparkle2Orange->active);
    EXPECT_FALSE(AnyFireBurns());
  }
}

TEST_F(EventRunTest, RemovingAnObjectResetsTheOpenEventOnItAndLeavesOthers) {
  CAttraction other;
  ParkEvent second;
  second.SetCallback(&REraduzizEventClass::EventPopupCallback, &manager);
  Start();
  eventtest::FinishRuns(manager, clock);
  manager.StartEvent(second, other);
  eventtest::FinishRuns(manager, clock);
  ASSERT_EQ(manager.openEvents.size(), 2u);

  manager.OnObjectRemoved(owner);
  ASSERT_EQ(manager.openEvents.size(), 1u);
  EXPECT_EQ(manager.openEvents[0], &second);
  EXPECT_EQ(event.owner, nullptr);
  EXPECT_EQ(second.owner, &other);
}

}  // namespace
