// The update's part in park events: when an attraction may try one of its
// events, and where the running event's sound is heard.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>

#include "park/REraduzizEventClass.h"
#include "park/events/EventRules.h"
#include "park/events/ParkEvent.h"
#include "park/objects/CAttraction.h"
#include "tests/park/events/EventTestHost.h"
#include "tests/park/objects/RideTestFixture.h"

namespace {

class AttractionEventStepTest : public attractiontest::RideFixture {
 protected:
  void SetUp() override {
    RideFixture::SetUp();
    events.manager = &manager;
    events.liveVisitors = kEventMinLiveVisitors + 1;
    event = std::make_unique<ParkEvent>();
    event->id = "EVENT_TEST";
    event->reason = "Random";
    event->reasonOperator = ">=";
    event->reasonValue = "0";
    event->SetCallback(&REraduzizEventClass::EventPopupCallback, &manager);
    ride.id = "Attr_Carousel";
    ride.events.push_back(event.get());
    ride.hasEvents = 1;
    // Past the event's own pause since it was made.
    clock.AdvanceMs(kEventRetryPauseMs);
    manager.eventStamp = plat::TickCount();
  }

  void Frame(uint32_t ms) {
    clock.AdvanceMs(ms);
    ride.Update(0.016f);
  }

  eventtest::TestEventHost events;
  REraduzizEventClass manager;
  std::unique_ptr<ParkEvent> event;
  CAttraction ride;
};

TEST_F(AttractionEventStepTest, AnEventIsTriedOnceTheParkWidePauseIsOverAndTheParkIsFull) {
  Frame(kEventParkPauseMs);
  EXPECT_EQ(ride.eventRunning, 0);
  Frame(1);
  EXPECT_EQ(ride.eventRunning, 1);
  EXPECT_EQ(event->owner, &ride);
  EXPECT_EQ(manager.eventStamp, plat::TickCount());
}

TEST_F(AttractionEventStepTest, TooFewVisitorsOrNoCharacterManagerRestartThePause) {
  for (int32_t visitors : {kEventMinLiveVisitors, -1}) {
    events.liveVisitors = visitors;
    Frame(kEventParkPauseMs + 1);
    EXPECT_EQ(ride.eventRunning, 0) << visitors;
    EXPECT_EQ(manager.eventStamp, plat::TickCount()) << visitors;
  }
}

TEST_F(AttractionEventStepTest, APausedGamePostponesTheNextEventByAWholePause) {
  host.clock.gameSpeed = 0;
  Frame(kEventParkPauseMs * 2);
  EXPECT_EQ(ride.eventRunning, 0);
  host.clock.gameSpeed = 1;
  const uint32_t resumed = plat::TickCount();
  Frame(kEventParkPauseMs);
  EXPECT_EQ(ride.eventRunning, 0);
  EXPECT_EQ(manager.eventStamp, resumed);
  Frame(1);
  EXPECT_EQ(ride.eventRunning, 1);
}

TEST_F(AttractionEventStepTest, TheTutorialStartsItsEventOnItsAttractionAtItsStep) {
  events.tutorial = events.tutorialEventAllowed = true;
  events.liveVisitors = 0;
  Frame(1);
  EXPECT_EQ(ride.eventRunning, 0);  // not the tutorial's attraction
  events.tutorialAtEventStep = true;
  Frame(1);
  EXPECT_EQ(ride.eventRunning, 0);
  ride.id = "ATTR_Zelvaro";
  Frame(1);
  EXPECT_EQ(ride.eventRunning, 1);
  EXPECT_TRUE(events.tutorialEventStarted);
}

TEST_F(AttractionEventStepTest, TheRunningEventsSoundIsHeardAtTheAttraction) {
  event->soundEffect = "bird.wav";
  event->soundEffectName = "EVENT_TEST_SOUND";
  ride.currentEvent = event.get();
  ride.eventRunning = 1;
  const struct {
    const char* id;
    const char* file;
    bool placed;
  } cases[] = {{"EVENT_TEST", "bird.wav", true}, {"EVENT_TEST", "", false}, {"EVENT_VORMEX_SNEEZES", "bird.wav", false}};
  for (const auto& c : cases) {
    event->id = c.id;
    event->soundEffect = c.file;
    sounds.clear();
    Frame(1);
    EXPECT_EQ(std::count(sounds.begin(), sounds.end(), "place EVENT_TEST_SOUND"), c.placed ? 1 : 0) << c.id;
  }
}

}  // namespace
