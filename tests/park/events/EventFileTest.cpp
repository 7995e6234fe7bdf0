// The events file: every field read, the spellings of "<", defaults for what
// a record lacks, and each event handed to the object type of its scope.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "engine/core/XmlNode.h"
#include "park/REraduzizEventClass.h"
#include "park/events/AttachEventToType.h"
#include "park/events/ParkEvent.h"
#include "park/objects/CObjectTypeCatalog.h"
#include "platform/os/Clock.h"

namespace {

const char* const kEventsFile = R"(<?xml version="1.0"?>
<EventDescriptor><DataDictionary>
  <Event id="EVENT_FULL"><DataField>
    <Type value="7"/><ShortName value="Full bins"/><Reason value="DirtyRate"/>
    <ReasonOperator value="less"/><ReasonValue value="0.3"/>
    <ReasonAdditionalAttrNeeded value="trash_01"/><event value="The bins are full."/>
    <Solution value="CLEANER"/><Scope value="Attr_Carousel"/><Effect value="100"/>
    <SoundEffect value="\bins.wav"/><SoundEffectName value="BINS"/><BookImage value="\bins.png"/>
    <SolverDistance value="3"/><CameraDistance value="12"/><CameraTallPosition value="0"/>
    <CameraOrientation value="1"/><AnimStopNeeded value="2"/><TwinkleForSolution value="25"/>
  </DataField></Event>
  <Event id="EVENT_NOWHERE"><DataField><Scope value="Attr_Gone"/></DataField></Event>
  <Event id="EVENT_SPARSE"><dataField>
    <reasonoperator value="&lt;"/><Scope value="Attr_Carousel"/><Effect/><Type value="99999999999"/>
  </dataField></Event>
  <Event><DataField><ReasonOperator value=" &gt; "/><Scope value="Attr_SwingBoat"/></DataField></Event>
</DataDictionary></EventDescriptor>)";

class EventFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    plat::SetClock(&clock);
    clock.AdvanceMs(5000);
    for (const char* name : {"Attr_Carousel", "Attr_SwingBoat"}) {
      auto type = std::make_unique<ObjectTypeDescriptor>();
      type->name = name;
      types.Add(std::move(type));
    }
  }
  void TearDown() override { plat::SetClock(nullptr); }

  void Load() {
    manager.LoadFromNode(XmlNode::ParseString(kEventsFile, "EventDescriptor"),
                         [&](const EngineString& scope, ParkEvent& event) {
                           offered.emplace_back(scope.Std(), event.index);
                           return AttachEventToType(types, scope, event, nullptr, "");
                         });
  }
  const ParkEvent& Kept(size_t i) const { return *manager.GetEvents().at(i); }

  plat::FakeClock clock;
  CObjectTypeCatalog types;
  REraduzizEventClass manager;
  std::vector<std::pair<std::string, int32_t>> offered;
};

TEST_F(EventFileTest, AFullRecordKeepsEveryValueAsWritten) {
  Load();
  ASSERT_EQ(manager.GetEvents().size(), 3u);
  const ParkEvent& e = Kept(0);
  EXPECT_EQ(e.id, "EVENT_FULL");
  EXPECT_EQ(e.type, 7);
  EXPECT_EQ(e.shortName, "Full bins");
  EXPECT_EQ(e.reason, "DirtyRate");
  EXPECT_EQ(e.reasonOperator, "<");
  EXPECT_EQ(e.reasonValue, "0.3");
  EXPECT_EQ(e.reasonAdditionalAttrNeeded, "trash_01");
  EXPECT_EQ(e.eventText, "The bins are full.");
  EXPECT_EQ(e.solution, "CLEANER");
  EXPECT_EQ(e.scope, "Attr_Carousel");
  EXPECT_EQ(e.effect, 100);
  EXPECT_EQ(e.soundEffect, "\\bins.wav");
  EXPECT_EQ(e.soundEffectName, "BINS");
  EXPECT_EQ(e.bookImage, "\\bins.png");
  EXPECT_EQ(e.solverDistance, 3);
  EXPECT_EQ(e.cameraDistance, 12);
  EXPECT_EQ(e.cameraTallPosition, 0);  // written, so not the default 5
  EXPECT_EQ(e.cameraOrientation, 1);
  EXPECT_EQ(e.animStopNeeded, 2);
  EXPECT_EQ(e.twinkleForSolution, 25);
  EXPECT_EQ(e.index, 0);
  EXPECT_EQ(e.assigned, 0);
  EXPECT_EQ(e.owner, nullptr);
  EXPECT_EQ(e.lastStartTick, 5000u);
  EXPECT_EQ(e.callback, &REraduzizEventClass::EventPopupCallback);
  EXPECT_EQ(e.callbackContext, &manager);
}

TEST_F(EventFileTest, AMissingChildOrValueKeepsTheDefaultAndOnlyLessIsRewritten) {
  Load();
  const ParkEvent& sparse = Kept(1);
  EXPECT_EQ(sparse.id, "EVENT_SPARSE");
  EXPECT_EQ(sparse.reasonOperator, "<");  // the escaped form, names in any case
  EXPECT_EQ(sparse.effect, ParkEvent::kUnset);
  EXPECT_EQ(sparse.type, INT32_MAX);  // held to the int32 range
  EXPECT_EQ(sparse.cameraTallPosition, ParkEvent::kDefaultCameraTallPosition);
  EXPECT_EQ(sparse.savedHeight, ParkEvent::kNoSavedHeight);
  EXPECT_EQ(sparse.shortName, "");
  const ParkEvent& unnamed = Kept(2);
  EXPECT_EQ(unnamed.id, "");
  EXPECT_EQ(unnamed.reasonOperator, " > ");  // no trimming
}

TEST_F(EventFileTest, EventsJoinTheirScopesTypeInFileOrderAndTheIndexCountsTheDropped) {
  Load();
  const std::vector<std::pair<std::string, int32_t>> expected = {
      {"Attr_Carousel", 0}, {"Attr_Gone", 1}, {"Attr_Carousel", 2}, {"Attr_SwingBoat", 3}};
  EXPECT_EQ(offered, expected);
  const ObjectTypeDescriptor* carousel = types.Find("Attr_Carousel");
  ASSERT_EQ(carousel->events.size(), 2u);
  EXPECT_EQ(carousel->events[0]->id, "EVENT_FULL");
  EXPECT_EQ(carousel->events[1]->id, "EVENT_SPARSE");
  EXPECT_EQ(types.Find("Attr_SwingBoat")->events.at(0)->index, 3);
}

TEST_F(EventFileTest, AFileWithoutEventsMakesNothing) {
  int32_t calls = 0;
  manager.LoadFromNode(XmlNode::ParseString("<EventDescriptor><DataDictionary/></EventDescriptor>", "EventDescriptor"),
                       [&](const EngineString&, ParkEvent&) { return ++calls > 0; });
  manager.LoadFromNode(XmlNode(), [&](const EngineString&, ParkEvent&) { return ++calls > 0; });
  EXPECT_EQ(calls, 0);
  EXPECT_TRUE(manager.GetEvents().empty());
}

}  // namespace
