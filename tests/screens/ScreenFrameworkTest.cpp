#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "gui/widgets/CGuiGrid.h"
#include "gui/widgets/CGuiStaticText.h"
#include "screens/ScreenIds.h"
#include "tests/screens/ScreenTestSupport.h"

namespace {

using screentest::DebugCapture;
using screentest::ScreenWorld;

std::vector<int32_t> TargetsOf(const std::vector<GuiCommand>& queue, int32_t code) {
  std::vector<int32_t> targets;
  for (const GuiCommand& command : queue) {
    if (command.code == code) targets.push_back(command.target);
  }
  return targets;
}

TEST(ScreenCreationTest, CreatesEveryScreenInOrderAfterItsLogLine) {
  ScreenWorld world;
  DebugCapture capture;
  world.screens.CreateAll();
  const std::vector<std::string> expected = {"Init REraduzizBuildBook\n",         "Init REraduzizBuffetScreen\n",
                                             "Init REraduzizFastFoodScreen\n",    "Init REraduzizRestaurantScreen\n",
                                             "Init REraduzizFoodFeltetScreen\n",  "Init REraduzizSummaryScreen\n",
                                             "Init REraduzizTicketScreen\n",      "Init REraduzizShopScreen\n",
                                             "Init REraduzizStaffScreen\n",       "Init REraduzizRepairEventScreen\n",
                                             "Init REraduzizBuilUpgScreen\n",     "Init REraduzizUpgradeScreen\n",
                                             "Init REraduzizSpeedWindow\n",       "Init REraduzizKioskScreen\n",
                                             "Init REraduzizOptionsScreen\n",     "Init REraduzizStatisticScreen\n",
                                             "Init REraduzizHotMealScreen\n",     "Init REraduzizPellwhistleScreen\n",
                                             "Init REraduzizMarivelleScreen\n",   "Init REraduzizTembriskScreen\n",
                                             "Init eventRenderWindow\n",          "Init objectWindow\n",
                                             "Init objectWindow UpdateCashbox\n", "Init REraduzizMessageWindow\n",
                                             "Init REraduzizScenarioWindow\n"};
  std::vector<std::string> initLines;
  for (const std::string& line : capture.lines) {
    if (line.rfind("Init ", 0) == 0) initLines.push_back(line);
  }
  EXPECT_EQ(initLines, expected);
  // Windows the test GUI has are bound by id; the others stay null.
  EXPECT_EQ(world.screens.summaryScreen->window, world.kit.Gui().FindElement(screen_ids::kSummary));
  EXPECT_EQ(world.screens.speedWindow->window, world.kit.Gui().FindElement(screen_ids::kSpeed));
  EXPECT_EQ(world.screens.kioskScreen->window, world.kit.Gui().FindElement(screen_ids::kKiosk));
  EXPECT_EQ(world.screens.ticketScreen->window, nullptr);
  EXPECT_TRUE(capture.Contains("REraduzizTicketScreen: window 10190 is missing"));
  EXPECT_NE(world.screens.messageWindow->textKind0, nullptr);
  EXPECT_EQ(world.screens.objectWindow->cash->GetText(), "30000");
  world.screens.DestroyAll();
  EXPECT_EQ(world.screens.buildBook, nullptr);
  EXPECT_EQ(world.screens.tutorialScreen, nullptr);
}

// An empty GUI lacks every id: every screen still exists, each missing
// control is reported, and nothing that the screens do crashes.
TEST(ScreenCreationTest, AGuiWithoutTheScreensElementsGivesScreensThatDoLess) {
  ScreenWorld world(false);
  DebugCapture capture;
  world.screens.CreateAll();
  EXPECT_NE(world.screens.objectWindow, nullptr);
  EXPECT_NE(world.screens.messageWindow, nullptr);
  EXPECT_NE(world.screens.scenarioWindow, nullptr);
  EXPECT_EQ(world.screens.objectWindow->cash, nullptr);
  EXPECT_TRUE(capture.Contains("REraduzizObjectWindow: element 10438 is missing or not a grid"));
  EXPECT_TRUE(capture.Contains("REraduzizMessageWindow: element 10391 is missing or not a page"));

  world.host.flags.gameRunning = 1;
  world.host.visitors = 4;
  world.screens.RefreshCashDisplay();
  world.screens.RefreshStatusAfterChange();
  world.screens.ChangeText();
  EXPECT_TRUE(capture.Contains("ChangeText: element 10344 is missing or not a static text"));
  for (int32_t button : {10068, 10124, 10070, 10436, 10435, 10393}) world.Click(button);
  world.Select(screen_ids::kEventList, 0);
  world.RunPass();
  world.RunPass();
  // No text box to show the notice on: the message window stays closed.
  EXPECT_EQ(world.host.flags.messageOpen, 0);
  EXPECT_EQ(world.host.flags.firstVisitorsNoticeGiven, 1);
}

class ScreenRoutingTest : public ::testing::Test {
 protected:
  void SetUp() override {
    world.screens.CreateAll();
    world.host.flags.gameRunning = 1;
  }
  ScreenWorld world;
};

// The opener takes the click (sender -1), so no later handler of the chain
// can act on it again: the speed window toggles once.
TEST_F(ScreenRoutingTest, AClickIsActedOnOnceThroughTheWholeChain) {
  world.Click(screen_ids::kSpeedButton);
  world.RunPass();
  EXPECT_EQ(world.host.flags.modal, 1);
  EXPECT_EQ(TargetsOf(world.Queue(), kCmdShowPage), std::vector<int32_t>{screen_ids::kSpeed});
  world.RunPass();
  EXPECT_TRUE(world.IsShown(screen_ids::kSpeed));

  world.Click(screen_ids::kSpeedButton);
  world.RunPass();
  world.RunPass();
  EXPECT_EQ(world.host.flags.modal, 0);
  EXPECT_FALSE(world.IsShown(screen_ids::kSpeed));
}

TEST_F(ScreenRoutingTest, ACommandPostedDuringThePassWaitsForTheNextFrame) {
  world.Click(screen_ids::kSummaryButton);
  world.RunPass();
  EXPECT_FALSE(world.IsShown(screen_ids::kSummary));
  const std::vector<GuiCommand> queued = world.Queue();
  ASSERT_FALSE(queued.empty());
  for (const GuiCommand& command : queued) EXPECT_EQ(command.done, 0);
  EXPECT_EQ(queued.back().target, screen_ids::kSummary);
  world.RunPass();
  EXPECT_TRUE(world.IsShown(screen_ids::kSummary));
  EXPECT_TRUE(TargetsOf(world.Queue(), kCmdShowPage).empty());
}

TEST_F(ScreenRoutingTest, WhileAMessageIsOpenOnlyTheMessageWindowGetsCommands) {
  world.screens.messageWindow->Show("Hello", 0, nullptr, -1);
  world.RunPass();
  ASSERT_TRUE(world.IsShown(10391));
  world.Click(screen_ids::kSpeedButton);
  world.Click(screen_ids::kSummaryButton);
  world.RunPass();
  world.RunPass();
  EXPECT_FALSE(world.IsShown(screen_ids::kSpeed));
  EXPECT_FALSE(world.IsShown(screen_ids::kSummary));
  EXPECT_TRUE(world.IsShown(10391));

  world.Click(10393);
  world.RunPass();
  world.RunPass();
  EXPECT_FALSE(world.IsShown(10391));
  world.Click(screen_ids::kSpeedButton);
  world.RunPass();
  world.RunPass();
  EXPECT_TRUE(world.IsShown(screen_ids::kSpeed));
}

TEST_F(ScreenRoutingTest, WhileTheBookIsOpenOnlyTheBookGetsCommands) {
  world.host.flags.bookOpen = 1;
  world.Click(screen_ids::kSummaryButton);
  world.Click(10393);
  world.RunPass();
  EXPECT_TRUE(world.Queue().empty());
  EXPECT_EQ(world.host.hideCount, 0);
}

TEST_F(ScreenRoutingTest, OpenersNeedARunningGameAndAreConsumedEitherWay) {
  world.host.flags.gameRunning = 0;
  for (int32_t button : {10068, 10070, 10435}) world.Click(button);
  world.RunPass();
  EXPECT_TRUE(world.Queue().empty());
  EXPECT_EQ(world.host.flags.modal, 0);
  EXPECT_FALSE(world.IsShown(screen_ids::kSpeed));
}

TEST_F(ScreenRoutingTest, TheFoodMenuOpensItsPagesAndClosesThemAgain) {
  world.Click(screen_ids::kFoodMenuButton);
  world.RunPass();
  world.Click(screen_ids::kBuffetButton);
  world.RunPass();
  world.RunPass();
  EXPECT_TRUE(world.IsShown(screen_ids::kFoodMenuPage));
  EXPECT_TRUE(world.IsShown(screen_ids::kBuffet));
  EXPECT_EQ(world.host.flags.modal, 1);
  // Switching to the restaurant closes the buffet in the same step.
  world.Click(screen_ids::kRestaurantButton);
  world.RunPass();
  world.RunPass();
  EXPECT_FALSE(world.IsShown(screen_ids::kBuffet));
  EXPECT_TRUE(world.IsShown(screen_ids::kRestaurant));
  world.Click(screen_ids::kFoodMenuButton);
  world.RunPass();
  world.RunPass();
  EXPECT_FALSE(world.IsShown(screen_ids::kFoodMenuPage));
  EXPECT_FALSE(world.IsShown(screen_ids::kRestaurant));
  EXPECT_EQ(world.host.flags.modal, 0);
}

TEST_F(ScreenRoutingTest, AnEventListSelectionWithoutAnEventOpensNothing) {
  auto* list = dynamic_cast<CGuiGrid*>(world.kit.Gui().FindElement(screen_ids::kEventList));
  ASSERT_NE(list, nullptr);
  world.Select(screen_ids::kEventList, 0);
  world.RunPass();
  EXPECT_EQ(world.host.hideCount, 1);
  EXPECT_TRUE(TargetsOf(world.Queue(), kCmdShowPage).empty());
}

TEST(HideAllTest, HidesEveryScreenPageWithTheSameSenderAndControl) {
  ScreenWorld world;
  world.screens.CreateAll();
  world.host.flags.modal = 1;
  world.screens.HideAll();
  const std::vector<GuiCommand> queue = world.Queue();
  ASSERT_EQ(queue.size(), screen_ids::kHideAllPages.size());
  for (size_t i = 0; i < queue.size(); ++i) {
    EXPECT_EQ(queue[i].code, kCmdClosePage);
    EXPECT_EQ(queue[i].target, screen_ids::kHideAllPages[i]);
    EXPECT_EQ(queue[i].sender, 10436);
    EXPECT_EQ(queue[i].control, 10436);
  }
  EXPECT_EQ(world.host.flags.modal, 0);
  EXPECT_EQ(world.host.flags.placing, 0);
}

TEST(HideAllTest, ClosingTheBookReturnsToTheGamesMainPagesFirst) {
  ScreenWorld world;
  world.screens.CreateAll();
  world.host.flags.bookOpen = 1;
  world.host.points = 2500;
  world.screens.statisticScreen->attractionView = 1;
  world.screens.statisticScreen->subject = 7;
  world.screens.HideAll();
  const std::vector<GuiCommand> queue = world.Queue();
  ASSERT_EQ(queue.size(), screen_ids::kHideAllPages.size() + 2);
  EXPECT_EQ(queue[0].target, screen_ids::kGameMainPage);
  EXPECT_EQ(queue[0].code, kCmdOpenPageForced);
  EXPECT_EQ(queue[0].control, 10097);
  EXPECT_EQ(queue[1].target, screen_ids::kStatusPanel);
  EXPECT_EQ(queue[1].code, kCmdOpenPage);
  EXPECT_EQ(world.host.flags.bookOpen, 0);
  EXPECT_EQ(world.host.flags.placing, 1);
  EXPECT_EQ(world.screens.objectWindow->points->GetText(), "2500");
  EXPECT_EQ(world.screens.statisticScreen->attractionView, 0);
  EXPECT_EQ(world.screens.statisticScreen->subject, -1);
}

}  // namespace
