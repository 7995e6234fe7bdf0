#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "app/VAvazadOvurUrovi.h"
#include "gui/core/GuiCommand.h"

namespace {

class ScreenCommandsTest : public ::testing::Test {
 protected:
  std::vector<GuiCommand> Queue() { return game.GetCommandQueue().Snapshot(); }
  std::vector<int32_t> Targets() {
    std::vector<int32_t> targets;
    for (const GuiCommand& command : Queue()) targets.push_back(command.target);
    return targets;
  }

  VAvazadOvurUrovi game;
};

}  // namespace

TEST_F(ScreenCommandsTest, HideGameScreensClosesFortyOnePagesFromTheCloseAllButton) {
  game.modalScreenOpen = 1;
  game.HideGameScreens();
  const std::vector<GuiCommand> queue = Queue();
  ASSERT_EQ(queue.size(), 41u);
  for (const GuiCommand& command : queue) {
    EXPECT_EQ(command.sender, 10436);
    EXPECT_EQ(command.code, kCmdClosePage);
    EXPECT_EQ(command.control, 10436);
    EXPECT_EQ(command.parameter, 0);
    EXPECT_EQ(command.done, 0);
  }
  EXPECT_EQ(queue.front().target, 10339);
  EXPECT_EQ(queue[4].target, 10076);
  EXPECT_EQ(queue.back().target, 10463);
  EXPECT_EQ(game.modalScreenOpen, 0);
}

TEST_F(ScreenCommandsTest, AnOpenBuildBookIsClosedFirstWithTwoMoreCommands) {
  game.buildBookOpen = 1;
  game.HideGameScreens();
  const std::vector<GuiCommand> queue = Queue();
  ASSERT_EQ(queue.size(), 43u);
  EXPECT_EQ(queue[0].sender, -1);
  EXPECT_EQ(queue[0].target, 10062);
  EXPECT_EQ(queue[0].code, kCmdOpenPageForced);
  EXPECT_EQ(queue[0].control, 10097);
  EXPECT_EQ(queue[1].target, 10433);
  EXPECT_EQ(queue[1].code, kCmdOpenPage);
  EXPECT_EQ(game.buildBookOpen, 0);
  EXPECT_EQ(game.placingItem, 1) << "the next park click places the chosen item";
}

TEST_F(ScreenCommandsTest, FlagCommandsCloseEachFlagsPagesOnceAndTheAlwaysListEveryTime) {
  const std::vector<int32_t> always = {10132, 10385, 10388, 10391, 10265, 10292, 10319, 10327, 10359};
  game.closeFlagCommands = 1;
  game.closeFlagUpgrade = 1;
  game.QueueFlagCommands();
  std::vector<int32_t> expected = {10143, 10123, 10126, 10129, 10143, 10343, 10349, 10339, 10269};
  expected.insert(expected.end(), always.begin(), always.end());
  EXPECT_EQ(Targets(), expected);
  for (const GuiCommand& command : Queue()) {
    EXPECT_EQ(command.sender, -1);
    EXPECT_EQ(command.control, -1);
    EXPECT_EQ(command.code, kCmdClosePage);
  }
  EXPECT_EQ(game.closeFlagCommands, 0);
  EXPECT_EQ(game.closeFlagUpgrade, 0);

  // The cleared flags close nothing more; the summary's pages come once.
  for (size_t i = 0; i < game.GetCommandQueue().Size(); ++i) game.GetCommandQueue().At(i)->done = 1;
  game.RemoveDoneGuiCommands();
  game.closeFlagSummary = 1;
  game.QueueFlagCommands();
  expected = {10158, 10190, 10198, 10231, 10299, 10363};
  expected.insert(expected.end(), always.begin(), always.end());
  EXPECT_EQ(Targets(), expected);
}

TEST_F(ScreenCommandsTest, ThePurgeDropsFinishedCommandsAndKeepsTheOthersInOrder) {
  struct Entry {
    int32_t sender, target;
    uint8_t done;
    bool kept;
  };
  const Entry entries[] = {
      {-1, -1, 0, false},  // both ids cleared: finished although not done
      {5, 1, 0, true},     {-1, 2, 0, true}, {3, -1, 0, true}, {6, 3, 1, false},
      {7, 4, 0, true},     {-1, -1, 1, false}, {8, 5, 0, true},
  };
  for (const Entry& e : entries) game.GetCommandQueue().Post({e.sender, e.target, kCmdClick, 0, 0, e.done});
  game.RemoveDoneGuiCommands();
  std::vector<int32_t> expected;
  for (const Entry& e : entries) {
    if (e.kept) expected.push_back(e.target);
  }
  EXPECT_EQ(Targets(), expected);
}

TEST_F(ScreenCommandsTest, ClickActionsKeepTheirOrderAndTheFirstOfASenderFires) {
  game.AddGuiAction(100, 200, kCmdOpenPage, 100, 0);
  game.QueueRecord20({100, 300, kCmdClosePage, 100, 0});
  game.AddGuiAction(101, 400, kCmdOpenWindow, 101, 0);
  ASSERT_EQ(game.GetGuiActions().size(), 3u);
  EXPECT_EQ(game.GetGuiActions()[1].target, 300);

  game.PostCommand(100, 100, kCmdClick, 100, 0);
  game.PostCommand(101, 101, kCmdLeftDown, 101, 0);  // not a click: no action
  game.PostCommand(999, 999, kCmdClick, 999, 0);     // no action for it
  game.RunQueuedGuiCommands();
  const std::vector<GuiCommand> queue = Queue();
  ASSERT_EQ(queue.size(), 4u);
  EXPECT_EQ(queue[0].sender, 100) << "the dispatcher still sees the click";
  EXPECT_EQ(queue[1].sender, 101);
  EXPECT_EQ(queue[2].sender, 999);
  EXPECT_EQ(queue[3].sender, -1);
  EXPECT_EQ(queue[3].target, 200);
  EXPECT_EQ(queue[3].code, kCmdOpenPage);
}

TEST_F(ScreenCommandsTest, ANewGameResetsTheListsCountersAndClock) {
  game.placedRecords.push_back({});
  game.historyRecords.push_back({});
  game.recordCounter = 3;
  for (int32_t& counter : game.parkCounters) counter = 9;
  game.resetCounter = 2;
  game.resetCounterNext[1] = 5;
  game.gameDate = {game.systemYear + 2, 11, 30};
  game.gameHour = 17;
  game.gameMinute = 45;
  game.ResetGameLists();
  EXPECT_TRUE(game.placedRecords.empty());
  EXPECT_TRUE(game.historyRecords.empty());
  EXPECT_EQ(game.recordCounter, 26);
  const std::vector<int32_t> counters(std::begin(game.parkCounters), std::end(game.parkCounters));
  EXPECT_EQ(counters, (std::vector<int32_t>{0, 0, 0, 0, 100, 0}));
  EXPECT_EQ(game.resetCounter, 10);
  EXPECT_EQ(game.resetCounterNext[1], 0);
  EXPECT_EQ(game.gameDate.year, game.systemYear);
  EXPECT_EQ(game.gameDate.month, 3);
  EXPECT_EQ(game.gameDate.day, 21);
  EXPECT_EQ(game.previousDate.day, 21);
  EXPECT_EQ(game.gameHour, 10);
  EXPECT_EQ(game.gameMinute, 0);
}

TEST_F(ScreenCommandsTest, ABuildItemOutsideTheCatalogueSelectsNothing) {
  EXPECT_FALSE(game.SelectBuildItem(0, 0));
  EXPECT_FALSE(game.SelectBuildItem(4294967295u, 0));
}

TEST(FileTitle, IsTheFileNameBeforeItsFirstDot) {
  struct Case {
    const char* path;
    const char* title;
  };
  const Case cases[] = {
      {"\\Scenes\\Saved\\Park 01-02-2031.pys", "Park 01-02-2031"},
      {"\\Scenes\\my.saves\\v1.2\\game.backup.pys", "game"},
      {"noFolder.pys", "noFolder"},
      {"\\Scenes\\NoDot", "NoDot"},
      {"\\Scenes\\", ""},
      {"", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(VAvazadOvurUrovi::FileTitle(c.path).Std(), c.title) << c.path;
}
