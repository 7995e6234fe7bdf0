// The park events in the main object over the demo park: the event manager
// that a loading thread makes is used by the frames only once the loading is
// done, and an event on a placed dust bin runs to its pop-up, is answered by
// a cleaner sent from the repair-event page, and is reset with its
// attraction when the cleaner's job ends.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "app/VAvazadOvurUrovi.h"
#include "characters/CPorvikAiClass.h"
#include "characters/REraduzizVisitor.h"
#include "engine/core/Globals.h"
#include "gui/widgets/CGuiGrid.h"
#include "park/REraduzizEventClass.h"
#include "park/events/EventRules.h"
#include "park/events/EventRun.h"
#include "park/events/ParkEvent.h"
#include "park/objects/CAttraction.h"
#include "park/objects/ObjectTypeSetup.h"
#include "platform/os/Clock.h"
#include "platform/os/Path.h"
#include "platform/os/WorkerThread.h"
#include "screens/REraduzizRepairEventScreen.h"
#include "screens/REraduzizStaffScreen.h"
#include "screens/REraduzizTutorialScreen.h"

namespace {

namespace fs = std::filesystem;

constexpr int32_t kCleanerId = 1000;
constexpr int32_t kCleanerList = 10414, kCleanerSend = 10415, kStatusList = 10438;
constexpr uint32_t kFrameMs = 100;

// The demo park's game in the park folder: engine, device and object types.
class ParkEventsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    previous = fs::current_path();
    fs::current_path(HALVENOR_PARK_DIR);
    plat::ClearPathCache();
    game = std::make_unique<VAvazadOvurUrovi>();
    game->Init(nullptr, nullptr);
    game->InitDevice(800, 600, 32, 1);
    game->LoadObjectDescriptors();
  }
  void TearDown() override {
    game.reset();
    plat::SetClock(nullptr);
    fs::current_path(previous);
    plat::ClearPathCache();
  }

  fs::path previous;
  plat::FakeClock clock;  // outlives the game, whose events read it to the end
  std::unique_ptr<VAvazadOvurUrovi> game;
};

TEST_F(ParkEventsTest, FramesLeaveTheEventsAloneWhileALoaderMakesThem) {
  plat::WorkerThread loader([&] {
    game->InitParkEvents();
    game->initialLoadingDone = 1;
  });
  loader.Resume();
  // Frames run on while the loader works; the first that finds the manager
  // finds it complete.
  REraduzizEventClass* events = nullptr;
  while (!events) {
    game->UpdatePlacedObjects(0.01f);
    events = game->parkEventHost->GetParkEvents();
  }
  EXPECT_FALSE(events->GetEvents().empty());
  loader.Join();
  EXPECT_EQ(events, game->parkEvents);
}

TEST_F(ParkEventsTest, TheEventHostReadsTheStaffAndTutorialScreens) {
  IParkEventHost& host = *game->parkEventHost;
  // Without the screens: no gardeners and no tutorial event.
  EXPECT_EQ(host.GetHiredGardenerCount(), 0);
  EXPECT_FALSE(host.IsTutorialEventAllowed());
  EXPECT_FALSE(host.IsTutorialAtEventStep());
  host.MarkTutorialEventStarted();

  game->LoadStringTable(game->baseDirectory + "\\GuiFiles\\langFile.gui.nl");
  game->CreateGui();
  game->CreateScreens();
  ASSERT_NE(game->staffScreen, nullptr);
  ASSERT_NE(game->tutorialScreen, nullptr);
  game->staffScreen->entries[REraduzizStaffScreen::kGardeners].count = 2;
  game->staffScreen->entries[REraduzizStaffScreen::kCleaners].count = 5;
  EXPECT_EQ(host.GetHiredGardenerCount(), 2);

  REraduzizTutorialScreen& tutorial = *game->tutorialScreen;
  tutorial.lesson = 3;
  EXPECT_FALSE(host.IsTutorialAtEventStep());
  tutorial.lesson = 4;
  EXPECT_TRUE(host.IsTutorialAtEventStep());
  EXPECT_FALSE(host.IsTutorialEventAllowed());
  tutorial.eventAllowed = 1;
  EXPECT_TRUE(host.IsTutorialEventAllowed());
  // Once its event has started, the lesson asks for no other.
  host.MarkTutorialEventStarted();
  EXPECT_EQ(tutorial.eventStarted, 1);
  EXPECT_FALSE(host.IsTutorialAtEventStep());
}

TEST_F(ParkEventsTest, AnEventShowsItsPopupAndACleanerSentToItResetsTheAttraction) {
  plat::SetClock(&clock);
  game->LoadStringTable(game->baseDirectory + "\\GuiFiles\\langFile.gui.nl");
  game->CreateGui();
  game->CreateScreens();
  game->InitParkEvents();
  game->initialLoadingDone = 1;
  game->playMode = 1;
  game->gameHour = 14;
  CPorvikAiClass characters;
  game->aiManager = &characters;
  REraduzizVisitor* cleaner = characters.CreateVisitor(kCleanerId, 0, {0, 0, 40});
  ASSERT_NE(cleaner, nullptr);

  // A dust bin of the demo park beside the path.
  int32_t typeIndex = -1;
  ObjectTypeDescriptor* type = nullptr;
  ASSERT_TRUE(game->FindObjectTypeByName("trash_01", &typeIndex) != nullptr);
  type = game->objectTypes.At(typeIndex);
  CAttraction preview;
  SetUpPlacementTemplate(preview, *type, typeIndex, type->buildCost);
  preview.SetPosition(20, 0, 30);
  CAttraction* bin = game->placedObjects.Place(std::make_unique<CAttraction>());
  bin->InitFromTemplate(preview);
  bin->hasEvents = 1;
  ASSERT_FALSE(bin->events.empty());

  // Past the forced-condition time the condition holds; the events' pause is over.
  clock.AdvanceMs(kEventForcedConditionMs + 1);
  REraduzizEventClass& events = *game->parkEvents;
  for (int tries = 0; tries < 50 && bin->eventRunning == 0; ++tries) bin->TriggerRandomEvent();
  ASSERT_EQ(bin->eventRunning, 1);
  ParkEvent* event = bin->currentEvent;
  ASSERT_NE(event, nullptr);
  EXPECT_EQ(events.eventBusy, 1);

  const auto frame = [&] {
    clock.AdvanceMs(kFrameMs);
    game->UpdatePlacedObjects(0.1f);
    game->RunQueuedGuiCommands();
    game->RemoveDoneGuiCommands();
  };
  for (uint32_t ms = 0; ms < 2 * EventRun::kStepPauseMs + EventRun::kAnimationWaitLimitMs && events.openEvents.empty();
       ms += kFrameMs) {
    frame();
  }
  ASSERT_EQ(events.openEvents.size(), 1u);
  frame();
  CGuiElement* popup = game->FindElement(REraduzizEventClass::kPopupPage);
  ASSERT_NE(popup, nullptr);
  EXPECT_TRUE(popup->IsVisible());
  EXPECT_EQ(game->eventViewOpen, 1);
  EXPECT_EQ(game->modalScreenOpen, 1);
  EXPECT_EQ(events.eventBusy, 1);
  EXPECT_EQ(dynamic_cast<CGuiGrid*>(game->FindElement(kStatusList))->GetTotalRows(), 1);

  // The player closes the pop-up, clicks the cleaner and sends it.
  game->PostCommand(REraduzizEventClass::kPopupCloseButton, -1, kCmdClick, 0, 0);
  frame();
  frame();
  EXPECT_FALSE(popup->IsVisible());
  EXPECT_EQ(events.eventBusy, 0);
  game->OnPickedItem(kCleanerId);
  frame();
  auto* list = dynamic_cast<CGuiGrid*>(game->FindElement(kCleanerList));
  ASSERT_EQ(list->GetTotalRows(), 1);
  list->SetSelectedRow(0, true);
  game->PostCommand(kCleanerSend, -1, kCmdClick, 0, 0);
  frame();
  EXPECT_TRUE(events.openEvents.empty());
  EXPECT_EQ(event->assigned, 1);
  EXPECT_EQ(cleaner->GetJobEvent(), event);
  EXPECT_EQ(bin->eventRunning, 1);

  // The cleaner's job ends as its own code ends it: the callback, then the job's reset.
  REraduzizRepairEventScreen::OnTaskFinished(cleaner->GetJobCallbackContext(), cleaner->GetJobEvent(), 0);
  cleaner->ClearJob();
  EXPECT_EQ(event->owner, nullptr);
  EXPECT_EQ(event->assigned, 0);
  EXPECT_EQ(bin->eventRunning, 0);
  EXPECT_EQ(bin->currentEvent, nullptr);
  game->aiManager = nullptr;
}

}  // namespace
