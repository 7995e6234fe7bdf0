// The event lists: every open event in the status panel's list, each
// solver's events in its own list, rows renumbered after a removal, and a
// reset that leaves nothing open or running.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "gui/widgets/CGuiGrid.h"
#include "park/REraduzizEventClass.h"
#include "park/events/ParkEvent.h"
#include "park/objects/CAttraction.h"
#include "tests/gui/kit/GuiTestKit.h"

namespace {

constexpr int32_t kStatus = 10438;
constexpr int32_t kFizzwick = 10397;
constexpr int32_t kFizzleda = 10403;
constexpr int32_t kCleaner = 10414;
constexpr int32_t kGardener = 10418;
constexpr int32_t kRepair = 10422;

class EventListsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    CGuiElement* page = kit.Add(nullptr, 1, 0, 0, 800, 600);
    status = kit.Add<CGuiGrid>(page, kStatus, 0, 0, 200, 200, 0, 1);
    status->SetDimensions(1, 5);
    for (int32_t id : {kFizzwick, kFizzleda, kCleaner, kGardener, kRepair}) {
      CGuiGrid* grid = kit.Add<CGuiGrid>(page, id, 0, 0, 200, 200, 0, 2);
      grid->SetDimensions(2, 5);
      grid->AddCell(0, -1, "stale", 0, "");
    }
    manager = std::make_unique<REraduzizEventClass>();
  }

  ParkEvent& Open(const char* name, const char* solution, int32_t twinkle = 0) {
    auto event = std::make_unique<ParkEvent>();
    event->shortName = name;
    event->eventText = (std::string("text of ") + name).c_str();
    event->solution = solution;
    event->twinkleForSolution = twinkle;
    manager->openEvents.push_back(event.get());
    events.push_back(std::move(event));
    return *events.back();
  }
  CGuiGrid* Grid(int32_t id) { return dynamic_cast<CGuiGrid*>(kit.Gui().FindElement(id)); }
  // The list's rows as "name=value|second=value".
  std::vector<std::string> Rows(int32_t id) {
    CGuiGrid* grid = Grid(id);
    std::vector<std::string> rows;
    for (int32_t n = 0; GridCell* cell = grid->FindCell(0, n); ++n) {
      std::string row = cell->text.Std() + "=" + std::to_string(cell->data);
      if (GridCell* second = grid->FindCell(1, n)) row += "|" + second->text.Std() + "=" + std::to_string(second->data);
      rows.push_back(row);
    }
    EXPECT_EQ(grid->GetTotalRows(), static_cast<int32_t>(rows.size())) << id;
    EXPECT_EQ(grid->GetSelectedRow(), rows.empty() ? -1 : 0) << id;
    return rows;
  }

  guitest::GuiTestKit kit;
  CGuiGrid* status = nullptr;
  std::unique_ptr<REraduzizEventClass> manager;
  std::vector<std::unique_ptr<ParkEvent>> events;
};

using RowList = std::vector<std::string>;

TEST_F(EventListsTest, TheConstructorEmptiesTheListsAndNoEventsShowNoRows) {
  EXPECT_EQ(Grid(kFizzwick)->GetCellCount(), 0);
  manager->FillEventLists();
  for (int32_t id : {kStatus, kFizzwick, kFizzleda, kCleaner, kGardener, kRepair}) EXPECT_TRUE(Rows(id).empty());
}

TEST_F(EventListsTest, EachSolverSeesItsOwnEvents) {
  Open("bird", "FIZZWICK", 0);
  Open("engine", "ENGI");
  Open("smoke", "engineer");
  Open("bins", "CLEANER");
  Open("tree", "GARDENER");
  Open("giant", "FIZZLEDA", 30);
  Open("carousel", "REPAIR");
  manager->FillEventLists();
  EXPECT_EQ(Rows(kStatus), (RowList{"bird=0", "engine=1", "smoke=2", "bins=3", "tree=4", "giant=5", "carousel=6"}));
  const RowList mascots = {"bird=0|0=0", "giant=5|30=30"};
  EXPECT_EQ(Rows(kFizzwick), mascots);
  EXPECT_EQ(Rows(kFizzleda), mascots);
  EXPECT_EQ(Rows(kRepair), (RowList{"engine=1|-=0", "carousel=6|-=0"}));
  EXPECT_EQ(Rows(kCleaner), (RowList{"bins=3|-=0"}));
  EXPECT_EQ(Rows(kGardener), (RowList{"tree=4|-=0"}));
  EXPECT_EQ(manager->GetEventTextAt(3), "text of bins");
  EXPECT_EQ(manager->GetEventTextAt(7), "");
  EXPECT_EQ(manager->GetEventTextAt(-1), "");

  // A removal renumbers the later rows.
  manager->openEvents.erase(manager->openEvents.begin() + 1);
  manager->FillEventLists();
  EXPECT_EQ(Rows(kRepair), (RowList{"carousel=5|-=0"}));
  EXPECT_EQ(Rows(kCleaner), (RowList{"bins=2|-=0"}));
}

TEST_F(EventListsTest, ResetAllCancelsRunsAndLeavesNothingOpen) {
  CAttraction shown, held;
  ParkEvent& open = Open("bins", "CLEANER");
  open.owner = &shown;
  open.assigned = 1;
  shown.eventRunning = 1;
  auto running = std::make_unique<ParkEvent>();
  running->SetCallback(&REraduzizEventClass::EventPopupCallback, manager.get());
  held.eventRunning = 1;
  manager->StartEvent(*running, held);
  ASSERT_EQ(manager->GetRunningEvents().size(), 1u);
  EXPECT_EQ(manager->eventBusy, 1);
  manager->FillEventLists();

  manager->ResetAll();
  EXPECT_TRUE(manager->openEvents.empty());
  EXPECT_TRUE(manager->GetRunningEvents().empty());
  EXPECT_EQ(manager->eventBusy, 0);
  for (const ParkEvent* event : {static_cast<const ParkEvent*>(&open), static_cast<const ParkEvent*>(running.get())}) {
    EXPECT_EQ(event->owner, nullptr);
    EXPECT_EQ(event->assigned, 0);
  }
  EXPECT_EQ(shown.eventRunning, 0);
  EXPECT_EQ(held.eventRunning, 0);
  EXPECT_TRUE(Rows(kStatus).empty());
  EXPECT_TRUE(Rows(kCleaner).empty());

  // The cancelled run's late end opens nothing.
  running->callback(running->callbackContext, running.get());
  EXPECT_TRUE(manager->openEvents.empty());
}

}  // namespace
