// The demo park's events: every event of its file finds its object type,
// its sound loads, and with one object of each type placed, events start on
// the tick clock, open, and are all gone after a reset.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "app/VAvazadOvurUrovi.h"
#include "engine/core/Globals.h"
#include "engine/media/SoundManager.h"
#include "park/REraduzizEventClass.h"
#include "park/events/EventRules.h"
#include "park/events/ParkEvent.h"
#include "park/objects/CAttraction.h"
#include "park/objects/ObjectTypeSetup.h"
#include "platform/os/Clock.h"
#include "platform/os/MessageBox.h"
#include "tests/park/events/EventTestHost.h"
#include "tests/platform/os/TempTree.h"

namespace {

constexpr int32_t kFileEventCount = 13;

TEST(DemoParkEventsTest, EventsStartOpenAndAreGoneAfterAReset) {
  plat::test::TempTree workFolder;
  plat::ClearMessageBoxes();
  plat::FakeClock clock;
  plat::SetClock(&clock);
  clock.AdvanceMs(1000);
  auto game = std::make_unique<VAvazadOvurUrovi>();
  game->Init(nullptr, nullptr);
  game->InitDevice(800, 600, 32, 1);
  game->baseDirectory = HALVENOR_PARK_DIR;
  game->LoadObjectDescriptors();
  ASSERT_NE(g_sound, nullptr);
  if (g_sound->GetDevice() == nullptr) {
    ASSERT_TRUE(g_sound->Init());
  }

  game->InitParkEvents();
  ASSERT_NE(game->parkEvents, nullptr);
  REraduzizEventClass& manager = *game->parkEvents;
  ASSERT_EQ(manager.GetEvents().size(), static_cast<size_t>(kFileEventCount));
  std::set<std::string> solutions;
  for (const auto& event : manager.GetEvents()) {
    solutions.insert(event->solution.Std());
    EngineString image = event->bookImage;
    image.ReplaceChar('\\', '/');
    EXPECT_TRUE(std::filesystem::exists(std::string(HALVENOR_PARK_DIR) + image.Std())) << event->id.Std();
    if (event->soundEffectName.Length() > 0) {
      EXPECT_NE(g_sound->Find(event->soundEffectName), nullptr) << event->id.Std();
    }
  }
  EXPECT_EQ(solutions,
            (std::set<std::string>{"FIZZWICK", "FIZZLEDA", "REPAIR", "ENGINEER", "ENGI", "CLEANER", "GARDENER"}));

  // One object of every type that has events, placed in a row.
  std::vector<CAttraction*> placed;
  for (int32_t i = 0; i < game->objectTypes.Count(); ++i) {
    ObjectTypeDescriptor* type = game->objectTypes.At(i);
    if (type->events.empty()) continue;
    CAttraction preview;
    SetUpPlacementTemplate(preview, *type, i, type->buildCost);
    preview.SetPosition(10.0f * static_cast<float>(placed.size()), 0, 30);
    CAttraction* object = game->placedObjects.Place(std::make_unique<CAttraction>());
    object->InitFromTemplate(preview);
    object->hasEvents = 1;
    placed.push_back(object);
  }
  eventtest::TestEventHost host;
  host.manager = &manager;
  for (CAttraction* object : placed) host.objects[object->objectName.Std()] = object;

  // Past the forced-condition time every event's condition holds.
  clock.AdvanceMs(kEventForcedConditionMs + 1);
  for (int round = 0; round < 20; ++round) {
    for (CAttraction* object : placed) {
      if (object->eventRunning != 0) continue;
      object->TriggerRandomEvent();
      eventtest::FinishRuns(manager, clock);
    }
    clock.AdvanceMs(kEventRetryPauseMs);
  }
  ASSERT_GE(manager.openEvents.size(), placed.size() / 2);
  std::set<const ParkEvent*> distinct(manager.openEvents.begin(), manager.openEvents.end());
  EXPECT_EQ(distinct.size(), manager.openEvents.size());  // no event is open twice
  for (size_t i = 0; i < manager.openEvents.size(); ++i) {
    EXPECT_EQ(manager.GetEventTextAt(static_cast<int32_t>(i)), manager.openEvents[i]->eventText);
    EXPECT_NE(manager.openEvents[i]->owner, nullptr);
  }

  manager.ResetAll();
  EXPECT_TRUE(manager.openEvents.empty());
  EXPECT_TRUE(manager.GetRunningEvents().empty());
  for (const auto& event : manager.GetEvents()) EXPECT_EQ(event->owner, nullptr) << event->id.Std();
  for (const CAttraction* object : placed) {
    EXPECT_EQ(object->eventRunning, 0);
    EXPECT_EQ(object->currentEvent, nullptr);
  }
  EXPECT_TRUE(plat::RecordedMessageBoxes().empty());
  game.reset();
  plat::SetClock(nullptr);
}

}  // namespace
