// The repair-event window over the demo park's GUI: sending staff from the
// five list pages (with and without the character, with and without the
// points), the confirmation that keeps its event while the list shifts, the
// staff-group answers, and the park's busy flag after every way the event
// pop-up closes.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "characters/REraduzizVisitor.h"
#include "gui/widgets/CGuiGrid.h"
#include "gui/widgets/CGuiTextBox.h"
#include "park/REraduzizEventClass.h"
#include "park/events/ParkEvent.h"
#include "park/objects/CAttraction.h"
#include "platform/os/Clock.h"
#include "screens/REraduzizRepairEventScreen.h"
#include "tests/park/events/EventTestHost.h"
#include "tests/screens/ScreenTestSupport.h"

namespace {

constexpr int32_t kCleanerPage = 10413, kCleanerList = 10414, kCleanerSend = 10415;
constexpr int32_t kGardenerList = 10418, kGardenerSend = 10419;
constexpr int32_t kMascotList = 10397, kMascotSend = 10398;
constexpr int32_t kMessageClose = 10393, kMessageText = 10392;
constexpr int32_t kCleanerId = 1000, kGardenerId = 1;
constexpr int32_t kFizzwickId = 2;

class RepairEventScreenTest : public ::testing::Test {
 protected:
  void SetUp() override {
    plat::SetClock(&clock);
    screentest::LoadDemoGui(world.kit.Gui());
    world.screens.CreateAll();
    manager = std::make_unique<REraduzizEventClass>();
    host.manager = manager.get();
    screen = world.screens.repairEventScreen.get();
    world.host.characters = {{kCleanerId, &cleaner}, {kGardenerId, &gardener}, {kFizzwickId, &fizzwick}};
  }
  void TearDown() override { plat::SetClock(nullptr); }

  ParkEvent& Open(const char* name, const char* solution, int32_t cost) {
    events.push_back(std::make_unique<ParkEvent>());
    attractions.push_back(std::make_unique<CAttraction>());
    ParkEvent& event = *events.back();
    event.shortName = name;
    event.eventText = (std::string("text of ") + name).c_str();
    event.solution = solution;
    event.twinkleForSolution = cost;
    event.owner = attractions.back().get();
    event.owner->eventRunning = 1;
    manager->openEvents.push_back(&event);
    manager->FillEventLists();
    return event;
  }
  void SelectRow(int32_t list, int32_t row) {
    dynamic_cast<CGuiGrid*>(world.kit.Gui().FindElement(list))->SetSelectedRow(row, true);
  }
  void Click(int32_t sender) {
    world.Click(sender);
    world.RunPass();
  }
  std::string MessageText() {
    std::string text;
    for (const EngineString& line : dynamic_cast<CGuiTextBox*>(world.kit.Gui().FindElement(kMessageText))->GetLines()) {
      text += line.Std() + " ";
    }
    return text;
  }

  plat::FakeClock clock;
  screentest::ScreenWorld world{false};
  std::unique_ptr<REraduzizEventClass> manager;
  eventtest::TestEventHost host;
  REraduzizRepairEventScreen* screen = nullptr;
  REraduzizVisitor cleaner, gardener, fizzwick;
  std::vector<std::unique_ptr<ParkEvent>> events;
  std::vector<std::unique_ptr<CAttraction>> attractions;
};

TEST_F(RepairEventScreenTest, ADispatchWithoutItsCharacterKeepsTheEventAndCostsNothing) {
  Open("bins", "CLEANER", 0);
  ParkEvent& tree = Open("tree", "GARDENER", 40);
  world.host.points = 100;
  SelectRow(kCleanerList, 0);
  Click(kCleanerSend);  // no character picked in the park
  EXPECT_EQ(manager->openEvents.size(), 2u);
  EXPECT_FALSE(world.IsShown(kCleanerPage));

  world.host.characters.erase(kGardenerId);
  EXPECT_FALSE(screen->DispatchStaff(1, kGardenerId));
  EXPECT_FALSE(screen->DispatchStaff(5, kCleanerId));
  EXPECT_EQ(manager->openEvents.size(), 2u);
  EXPECT_EQ(world.host.points, 100);

  world.host.characters[kGardenerId] = &gardener;
  SelectRow(kGardenerList, 0);
  Click(kGardenerSend);  // no confirmation, no check of the points
  ASSERT_EQ(manager->openEvents.size(), 1u);
  EXPECT_EQ(world.host.points, 60);
  EXPECT_EQ(gardener.GetJobCallbackContext(), screen);
  EXPECT_EQ(dynamic_cast<CGuiGrid*>(world.kit.Gui().FindElement(kGardenerList))->GetTotalRows(), 0);
  EXPECT_NE(tree.owner, nullptr);  // the event is reset when the job ends, not here

  screen->pickedCharacter = kCleanerId;
  SelectRow(kCleanerList, 0);
  Click(kCleanerSend);
  EXPECT_TRUE(manager->openEvents.empty());
  EXPECT_EQ(cleaner.GetJobCallbackContext(), screen);
  EXPECT_EQ(screen->pickedCharacter, REraduzizRepairEventScreen::kNoCharacter);
  EXPECT_EQ(world.host.bytes.modal, 0);
}

TEST_F(RepairEventScreenTest, TheConfirmationSendsToTheEventItNamedAfterTheListShifted) {
  Open("first", "FIZZLEDA", 10);
  ParkEvent& second = Open("second", "FIZZWICK", 25);
  world.host.points = 25;  // exactly the cost
  SelectRow(kMascotList, 1);
  Click(kMascotSend);
  EXPECT_NE(MessageText().find("second"), std::string::npos);
  EXPECT_NE(MessageText().find("25"), std::string::npos);
  screen->RemoveEvent(0);  // the list shifts before the answer
  ASSERT_EQ(manager->openEvents[0], &second);

  Click(kMessageClose);
  EXPECT_TRUE(manager->openEvents.empty());
  EXPECT_EQ(world.host.points, 0);
  EXPECT_EQ(fizzwick.GetJobCallbackContext(), screen);

  // An event that costs more than the points: a refusal, nothing sent.
  Open("third", "FIZZWICK", 30);
  SelectRow(kMascotList, 0);
  Click(kMascotSend);
  Click(kMessageClose);
  EXPECT_EQ(manager->openEvents.size(), 1u);
  EXPECT_EQ(world.host.points, 0);

  // A confirmed event that was reset meanwhile is left alone.
  world.host.points = 100;
  SelectRow(kMascotList, 0);
  Click(kMascotSend);
  manager->ResetAll();
  Click(kMessageClose);
  EXPECT_EQ(world.host.points, 100);
}

TEST_F(RepairEventScreenTest, TheStaffGroupButtonsAcceptEveryWordTheListsShow) {
  struct Case {
    const char* solution;
    int32_t button;
    bool right;
  };
  const Case cases[] = {
      {"REPAIR", 10297, true},   {"ENGINEER", 10297, true}, {"ENGI", 10323, true},    {"CLEANER", 10297, false},
      {"CLEANER", 10298, true},  {"CLEANER", 10324, true},  {"FIZZLEDA", 10295, true}, {"FIZZWICK", 10322, true},
      {"GARDENER", 10298, false}, {"engineer", 10297, false},
  };
  const std::string wrong = world.kit.Gui().GetText(300001).Std();
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.solution) + " " + std::to_string(c.button));
    manager->ResetAll();
    Open("event", c.solution, 0);
    ASSERT_TRUE(screen->SelectEvent(0));
    Click(c.button);
    EXPECT_EQ(MessageText().find(wrong.substr(0, 10)) == std::string::npos, c.right) << MessageText();
    EXPECT_EQ(screen->chosenEvent, REraduzizRepairEventScreen::kNoEvent);
    Click(kMessageClose);
  }
  // Without a chosen event no answer shows, but the event view closes.
  host.dialogCommands.clear();
  Click(10297);
  EXPECT_FALSE(world.IsShown(10391));
  EXPECT_EQ(host.dialogCommands, std::vector<bool>{false});
}

TEST_F(RepairEventScreenTest, SelectingAnEventShowsItsTextAndAnEmptyRowShowsNothing) {
  Open("bins", "CLEANER", 0);
  EXPECT_FALSE(screen->SelectEvent(3));
  EXPECT_EQ(screen->chosenEvent, REraduzizRepairEventScreen::kNoEvent);
  EXPECT_TRUE(screen->SelectEvent(0));
  EXPECT_EQ(screen->chosenEvent, 0);
  ASSERT_NE(screen->eventText, nullptr);
  ASSERT_FALSE(screen->eventText->GetLines().empty());
  EXPECT_EQ(screen->eventText->GetLines()[0], "text of bins");
}

TEST_F(RepairEventScreenTest, TheTaskCallbackClearsTheAttractionsEventMarks) {
  ParkEvent& bins = Open("bins", "CLEANER", 0);
  CAttraction& attraction = *bins.owner;
  attraction.eventAnimActive = 1;
  attraction.eventAnimName = "fullTrash";
  REraduzizRepairEventScreen::OnTaskFinished(screen, &bins, 0);
  EXPECT_EQ(attraction.eventRunning, 0);
  EXPECT_EQ(attraction.eventAnimActive, 0);
  EXPECT_EQ(attraction.eventAnimName, "");
  REraduzizRepairEventScreen::OnTaskFinished(screen, nullptr, 0);
}

// An event's run to its pop-up, frame by frame with the command pass.
class EventPopupTest : public RepairEventScreenTest {
 protected:
  void Frame() {
    clock.AdvanceMs(eventtest::kFrameMs);
    manager->UpdateRuns(plat::TickCount());
    world.RunPass();
  }
  void OpenPopup() {
    attraction.eventRunning = 1;
    manager->StartEvent(event, attraction);
    for (uint32_t ms = 0; ms < eventtest::kLongestRunMs && manager->openEvents.empty(); ms += eventtest::kFrameMs) {
      Frame();
    }
    ASSERT_TRUE(world.IsShown(REraduzizEventClass::kPopupPage));
    for (int frame = 0; frame < 3; ++frame) Frame();
    ASSERT_EQ(manager->eventBusy, 1);  // while the pop-up shows
  }

  ParkEvent event;
  CAttraction attraction;
};

TEST_F(EventPopupTest, TheBusyFlagDropsHoweverThePopupCloses) {
  event.eventText = "The bins are full.";
  event.SetCallback(&REraduzizEventClass::EventPopupCallback, manager.get());
  const std::vector<std::pair<const char*, std::function<void()>>> closings = {
      {"its close button", [&] { world.Click(REraduzizEventClass::kPopupCloseButton); }},
      {"the hide-all", [&] { world.screens.HideAll(); }},
      {"a message", [&] { world.screens.messageWindow->Show("Hello", 0, nullptr, -1); }},
      {"a new game", [&] { manager->ResetAll(); }},
  };
  for (const auto& [way, close] : closings) {
    SCOPED_TRACE(way);
    manager->ResetAll();
    OpenPopup();
    EXPECT_EQ(manager->openEvents.size(), 1u);
    close();
    Frame();
    Frame();
    EXPECT_FALSE(world.IsShown(REraduzizEventClass::kPopupPage));
    EXPECT_EQ(manager->eventBusy, 0);
    Click(kMessageClose);
  }
}

}  // namespace
