// When an attraction starts one of its events: the comparison, the pick,
// the park hours, the pauses on the tick clock, the conditions, and an
// event already open on one attraction of its type left alone elsewhere.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "park/REraduzizEventClass.h"
#include "park/events/EventRules.h"
#include "park/events/ParkEvent.h"
#include "park/objects/CAttraction.h"
#include "platform/os/Clock.h"
#include "tests/park/events/EventTestHost.h"

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

TEST(EventRulesTest, CompareByOperator) {
  struct Case {
    double value, threshold;
    const char* op;
    bool expected;
  };
  const Case cases[] = {
      {1, 2, "<", true},     {2, 2, "<", false},     {3, 2, ">", true},      {2, 2, ">", false},
      {2, 2, ">=", true},    {1, 2, ">=", false},    {2, 2, "<=", true},     {3, 2, "<=", false},
      {2, 2, "=", true},     {2, 2, "==", true},     {1, 2, "==", false},    {1, 2, "!=", true},
      {2, 2, "!=", false},   {1, 2, "less", false},  {1, 2, "", false},      {1, 2, " < ", false},
      {kNaN, 2, "<", false}, {kNaN, 2, ">=", false}, {2, kNaN, "==", false}, {kNaN, kNaN, "!=", true},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(CompareByOperator(c.value, c.threshold, c.op), c.expected)
        << c.value << " " << c.op << " " << c.threshold;
  }
}

TEST(EventRulesTest, ThePickCoversTheGeneratorsWholeRange) {
  EXPECT_EQ(PickEventIndex(0, 1), 0);
  EXPECT_EQ(PickEventIndex(32767, 1), 0);
  EXPECT_EQ(PickEventIndex(0, 5), 0);
  EXPECT_EQ(PickEventIndex(32767, 5), 4);
  EXPECT_EQ(PickEventIndex(32766, 5), 4);
  EXPECT_EQ(PickEventIndex(16383, 2), 0);
  EXPECT_EQ(PickEventIndex(16384, 2), 1);
}

TEST(EventRulesTest, EventsHappenOnlyBetweenElevenAndHalfPastFive) {
  struct Case {
    int32_t hour, minute;
    bool allowed;
  };
  const Case cases[] = {{17, 29, true}, {17, 30, false}, {18, 10, false}, {11, 0, false}, {11, 1, true},
                        {10, 1, false}, {0, 0, false},   {14, 0, true},   {23, 59, false}};
  for (const Case& c : cases) EXPECT_EQ(EventClockAllows(c.hour, c.minute), c.allowed) << c.hour << ":" << c.minute;
}

TEST(EventRulesTest, TheParkWidePauseAndTheCrowd) {
  EXPECT_FALSE(EventTryDue(120000, 0, 11));
  EXPECT_TRUE(EventTryDue(120001, 0, 11));
  EXPECT_FALSE(EventTryDue(120001, 0, 10));
  EXPECT_TRUE(EventTryDue(100000, 4294900000u, 11));  // across the tick counter's wrap
}

// Two attractions of one type sharing one event whose condition always holds.
class EventTriggerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    plat::SetClock(&clock);
    clock.AdvanceMs(1000);
    host.manager = &manager;
    event = std::make_unique<ParkEvent>();
    event->id = "EVENT_TEST";
    event->eventText = "Something happened.";
    event->reason = "Random";
    event->reasonOperator = ">=";
    event->reasonValue = "0";
    event->SetCallback(&REraduzizEventClass::EventPopupCallback, &manager);
    for (CAttraction* a : {&first, &second}) {
      a->events.push_back(event.get());
      a->hasEvents = 1;
    }
  }
  void TearDown() override { plat::SetClock(nullptr); }

  plat::FakeClock clock;
  REraduzizEventClass manager;
  eventtest::TestEventHost host;
  std::unique_ptr<ParkEvent> event;
  CAttraction first, second;
};

TEST_F(EventTriggerTest, AnEventWaitsItsPauseAfterEveryStartOrAttempt) {
  first.TriggerRandomEvent();  // made at the start: its pause runs
  EXPECT_EQ(event->owner, nullptr);
  clock.AdvanceMs(kEventRetryPauseMs - 1);
  first.TriggerRandomEvent();
  EXPECT_EQ(event->owner, nullptr);
  clock.AdvanceMs(1);
  first.TriggerRandomEvent();
  EXPECT_EQ(event->owner, &first);
  EXPECT_EQ(first.currentEvent, event.get());
  EXPECT_EQ(first.eventRunning, 1);
  EXPECT_EQ(manager.eventStamp, plat::TickCount());
  eventtest::FinishRuns(manager, clock);
  ASSERT_EQ(manager.openEvents.size(), 1u);
  EXPECT_EQ(manager.GetEventTextAt(0), "Something happened.");

  // A failed attempt restarts the pause as well.
  event->Reset();
  event->reasonOperator = "?";
  clock.AdvanceMs(kEventRetryPauseMs);
  const uint32_t attempt = plat::TickCount();
  second.TriggerRandomEvent();
  EXPECT_EQ(event->owner, nullptr);
  EXPECT_EQ(event->lastStartTick, attempt);
}

TEST_F(EventTriggerTest, AnEventOpenOnOneAttractionIsNotStartedOnAnother) {
  clock.AdvanceMs(kEventRetryPauseMs);
  first.TriggerRandomEvent();
  ASSERT_EQ(event->owner, &first);
  eventtest::FinishRuns(manager, clock);
  ASSERT_EQ(manager.eventBusy, 0);  // the pop-up has closed
  clock.AdvanceMs(kEventRetryPauseMs * 3);
  second.TriggerRandomEvent();
  EXPECT_EQ(event->owner, &first);
  EXPECT_EQ(second.eventRunning, 0);
  EXPECT_EQ(manager.openEvents.size(), 1u);

  manager.ResetAll();
  EXPECT_EQ(first.eventRunning, 0);
  EXPECT_EQ(first.currentEvent, nullptr);
  clock.AdvanceMs(kEventRetryPauseMs);
  second.TriggerRandomEvent();
  EXPECT_EQ(event->owner, &second);
}

TEST_F(EventTriggerTest, RefusalsByTheClockAModalScreenTheBusyFlagAndAMissingObject) {
  clock.AdvanceMs(kEventRetryPauseMs);
  host.hour = 17;
  host.minute = 30;
  first.TriggerRandomEvent();
  EXPECT_EQ(manager.eventStamp, plat::TickCount());  // the refusal restarts the park-wide pause
  host.hour = 12;
  host.modal = true;
  clock.AdvanceMs(10);
  first.TriggerRandomEvent();
  EXPECT_EQ(manager.eventStamp, plat::TickCount());
  host.modal = false;
  manager.eventBusy = 1;
  first.TriggerRandomEvent();
  manager.eventBusy = 0;
  event->reasonAdditionalAttrNeeded = "Attr_Nowhere";
  first.TriggerRandomEvent();
  host.tutorial = host.tutorialEventAllowed = true;
  first.TriggerRandomEvent();  // not even in the tutorial
  EXPECT_EQ(event->owner, nullptr);
  EXPECT_TRUE(manager.openEvents.empty());

  CAttraction other;
  host.objects["Attr_Nowhere"] = &other;
  first.TriggerRandomEvent();
  EXPECT_EQ(event->owner, &first);
  EXPECT_EQ(event->extraObject, &other);
}

TEST_F(EventTriggerTest, AnAttractionWithoutEventsLeavesTheStampAlone) {
  CAttraction bare;
  clock.AdvanceMs(kEventRetryPauseMs);
  bare.TriggerRandomEvent();
  EXPECT_EQ(manager.eventStamp, 0u);
}

TEST_F(EventTriggerTest, TheTutorialIgnoresPauseAndConditionOnlyWhenItsScreenAllowsIt) {
  host.tutorial = true;
  host.hour = 17;
  host.minute = 45;
  first.TriggerRandomEvent();
  EXPECT_EQ(manager.eventStamp, 0u);  // the tutorial keeps the stamp
  host.tutorialEventAllowed = true;
  first.TriggerRandomEvent();
  EXPECT_FALSE(host.tutorialEventStarted);
  host.hour = 15;
  event->reason = "Nothing";
  first.TriggerRandomEvent();
  EXPECT_TRUE(host.tutorialEventStarted);
  EXPECT_EQ(event->owner, &first);
}

TEST_F(EventTriggerTest, AConditionThatNeverHoldsIsForcedAfterFiveMinutes) {
  event->reasonOperator = "?";
  event->lastMetTick = plat::TickCount();
  clock.AdvanceMs(kEventForcedConditionMs);
  EXPECT_FALSE(first.IsEventConditionMet(event.get()));
  clock.AdvanceMs(1);
  EXPECT_TRUE(first.IsEventConditionMet(event.get()));
  EXPECT_FALSE(first.IsEventConditionMet(event.get()));  // counted from now again
  EXPECT_FALSE(first.IsEventConditionMet(nullptr));
}

TEST_F(EventTriggerTest, TheParkMeasuresOfTheConditions) {
  struct Case {
    const char* reason;
    const char* op;
    const char* threshold;
    int32_t pathCells, dirtyCells, characters, gardeners, used, condition;
    bool met;
  };
  const Case cases[] = {
      {"DirtyRate", ">", "0.3", 10, 4, 0, 0, 0, 100, true},
      {"DirtyRate", ">", "0.3", 10, 3, 0, 0, 0, 100, false},
      {"DirtyRate", "==", "0", 0, 5, 0, 0, 0, 100, true},  // no path cells
      {"AttrUsedRate", ">=", "0.5", 0, 0, 20, 0, 10, 100, true},
      {"AttrUsedRate", "==", "0", 0, 0, 0, 0, 10, 100, true},  // no characters
      {"GardenerRate", "less", "0.1", 0, 0, 20, 1, 0, 100, false},
      {"GardenerRate", "<", "0.1", 0, 0, 20, 1, 0, 100, true},
      {"BuildingState", "<", "0.5", 0, 0, 0, 0, 0, 40, true},
      {"BuildingState", "<", "0.5", 0, 0, 0, 0, 0, 100, false},
      {"Random", "<=", "100", 0, 0, 0, 0, 0, 100, true},
      {"buildingstate", ">", "0.3", 0, 0, 0, 0, 0, 40, false},  // reasons are exact
  };
  for (const Case& c : cases) {
    event->reason = c.reason;
    event->reasonOperator = c.op;
    event->reasonValue = c.threshold;
    event->lastMetTick = plat::TickCount();
    host.pathCells = c.pathCells;
    host.dirtyCells = c.dirtyCells;
    host.characters = c.characters;
    host.gardeners = c.gardeners;
    first.usedCount = c.used;
    first.condition = c.condition;
    EXPECT_EQ(first.IsEventConditionMet(event.get()), c.met) << c.reason << " " << c.op << " " << c.threshold;
  }
}

}  // namespace
