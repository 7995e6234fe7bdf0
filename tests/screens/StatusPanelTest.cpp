#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "engine/particles/Fire.h"
#include "gui/widgets/CGuiGrid.h"
#include "gui/widgets/CGuiStaticText.h"
#include "gui/widgets/CGuiTextBox.h"
#include "tests/screens/ScreenTestSupport.h"

namespace {

using screentest::ScreenWorld;

std::string TextOf(ScreenWorld& world, int32_t id) {
  auto* text = dynamic_cast<CGuiStaticText*>(world.kit.Gui().FindElement(id));
  return text ? text->GetText().Std() : std::string("<none>");
}

struct StatusCase {
  const char* what;
  int32_t cash;
  int32_t points;
  int32_t first;
  int32_t second;
  StatusDateTime clock;
  int32_t visitors;
  const char* cashText;
  const char* pointsText;
  const char* firstText;
  const char* secondText;
  const char* date;
  const char* time;
  const char* visitorsText;
};

class StatusFormatTest : public ::testing::TestWithParam<StatusCase> {};

TEST_P(StatusFormatTest, TheCompleteRefreshWritesEveryValueInItsFormat) {
  const StatusCase& c = GetParam();
  ScreenWorld world;
  world.screens.CreateAll();
  world.host.cash = c.cash;
  world.host.points = c.points;
  world.host.firstPercentage = c.first;
  world.host.secondPercentage = c.second;
  world.host.clock = c.clock;
  world.host.visitors = c.visitors;
  world.screens.RefreshStatusDisplay();
  EXPECT_EQ(TextOf(world, 10437), c.cashText) << c.what;
  EXPECT_EQ(TextOf(world, 10445), c.pointsText) << c.what;
  EXPECT_EQ(TextOf(world, 10064), c.firstText) << c.what;
  EXPECT_EQ(TextOf(world, 10065), c.secondText) << c.what;
  EXPECT_EQ(TextOf(world, 10441), c.date) << c.what;
  EXPECT_EQ(TextOf(world, 10442), c.time) << c.what;
  EXPECT_EQ(TextOf(world, 10444), c.visitorsText) << c.what;
}

INSTANTIATE_TEST_SUITE_P(Table, StatusFormatTest,
                         ::testing::Values(StatusCase{"the start of a game",
                                                      30000,
                                                      0,
                                                      0,
                                                      100,
                                                      {2007, 3, 5, 21, 5},
                                                      0,
                                                      "30000",
                                                      "0",
                                                      "0%",
                                                      "100%",
                                                      "05-03-2007",
                                                      "21:05",
                                                      "0"},
                                           StatusCase{"debts and lost points keep their sign",
                                                      -250,
                                                      -3,
                                                      45,
                                                      7,
                                                      {12, 12, 30, 0, 0},
                                                      131,
                                                      "-250",
                                                      "-3",
                                                      "45%",
                                                      "7%",
                                                      "30-12-0012",
                                                      "00:00",
                                                      "131"}));

TEST(StatusPanelTest, ThePanelsOwnTextsHaveTheirStylesAndCaptions) {
  ScreenWorld world;
  world.kit.Gui().GetTextTable().Parse("100122 Events 100123 Park");
  world.host.points = 77;
  auto* events = dynamic_cast<CGuiGrid*>(world.kit.Gui().FindElement(10438));
  ASSERT_NE(events, nullptr);
  events->SetRowCount(4);
  world.screens.CreateAll();
  EXPECT_EQ(events->GetTotalRows(), 0);
  REraduzizObjectWindow& panel = *world.screens.objectWindow;
  EXPECT_EQ(world.host.points, 0);
  EXPECT_EQ(panel.points->GetText(), "0");
  EXPECT_EQ(panel.points->GetFormat(), REraduzizObjectWindow::kPointsFormat);
  EXPECT_EQ(TextOf(world, 10440), "Events");
  EXPECT_EQ(TextOf(world, 10439), "Park");
  panel.UpdateCashbox(-12);
  EXPECT_EQ(panel.cash->GetText(), "-12");
  EXPECT_EQ(panel.cash->GetFormat(), REraduzizObjectWindow::kValueFormat);
}

TEST(StatusPanelTest, ThePerFrameRefreshWaitsForTheCharacterManager) {
  ScreenWorld world;
  world.screens.CreateAll();
  world.host.hasCharacterManager = false;
  world.host.cash = 100;
  world.host.visitors = 5;
  world.screens.RefreshCashDisplay();
  EXPECT_EQ(TextOf(world, 10437), "30000");
  EXPECT_EQ(world.host.flags.firstVisitorsNoticeGiven, 0);
  world.host.hasCharacterManager = true;
  world.screens.RefreshCashDisplay();
  EXPECT_EQ(TextOf(world, 10437), "100");
  EXPECT_EQ(TextOf(world, 10444), "5");
  EXPECT_EQ(TextOf(world, 10441), "05-03-2007");
}

class FirstVisitorsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    world.kit.Gui().GetTextTable().Parse("100184 Welcome! 100185 The_first_visitors_are_here.");
    world.kit.Clock().AdvanceMs(123456);
    world.screens.CreateAll();
  }
  std::string Message() {
    std::string text;
    for (const EngineString& line : world.screens.messageWindow->textKind0->GetLines()) text += line.Std() + "|";
    return text;
  }
  ScreenWorld world;
};

TEST_F(FirstVisitorsTest, TheNoticeComesOnceOnTheFirstFrameWithVisitors) {
  world.screens.RefreshCashDisplay();
  EXPECT_EQ(world.host.armCount, 0);
  world.host.visitors = 1;
  world.screens.RefreshCashDisplay();
  EXPECT_EQ(world.host.flags.messageOpen, 1);
  EXPECT_EQ(Message(), "Welcome!|The first visitors are here.|");
  EXPECT_EQ(world.host.armCount, 1);
  EXPECT_EQ(world.host.armedTick, 123456u);
  EXPECT_GE(world.host.armedTimer, 10000);
  EXPECT_LE(world.host.armedTimer, 19999);

  world.host.flags.messageOpen = 0;
  world.host.visitors = 9;
  world.screens.RefreshCashDisplay();
  EXPECT_EQ(world.host.armCount, 1);
  EXPECT_EQ(world.host.flags.messageOpen, 0);
}

TEST_F(FirstVisitorsTest, NeverAfterASavedGameWasLoaded) {
  world.host.flags.savedGameLoaded = 1;
  world.host.visitors = 3;
  world.screens.RefreshCashDisplay();
  EXPECT_EQ(world.host.armCount, 0);
  EXPECT_EQ(world.host.flags.messageOpen, 0);
}

TEST_F(FirstVisitorsTest, TheTutorialArmsTheEventsWithoutTheNotice) {
  world.host.flags.tutorialMode = 1;
  world.host.visitors = 3;
  world.screens.RefreshCashDisplay();
  EXPECT_EQ(world.host.armCount, 1);
  EXPECT_EQ(world.host.flags.messageOpen, 0);
  EXPECT_EQ(world.host.flags.firstVisitorsNoticeGiven, 1);
}

struct LightsCase {
  int32_t points;
  size_t ring;
  size_t lit;
};

class LightsTest : public ::testing::TestWithParam<LightsCase> {};

TEST_P(LightsTest, TheFirstFiresOfTheRingBurnByThePoints) {
  const LightsCase& c = GetParam();
  std::vector<std::unique_ptr<Fire>> fires;
  std::vector<Fire*> ring;
  for (size_t i = 0; i < c.ring; ++i) {
    fires.push_back(std::make_unique<Fire>(plat::Vec3{0, 0, 0}, 1));
    fires.back()->active = i % 2 == 0;
    ring.push_back(fires.back().get());
  }
  ScreenSet::ApplyLights(ring, c.points);
  for (size_t i = 0; i < c.ring; ++i) EXPECT_EQ(ring[i]->active, i < c.lit) << c.points << " fire " << i;
}

INSTANTIATE_TEST_SUITE_P(Table, LightsTest,
                         ::testing::Values(LightsCase{0, 10, 1}, LightsCase{999, 10, 1}, LightsCase{2500, 10, 2},
                                           LightsCase{10000, 10, 10}, LightsCase{250000, 10, 10},
                                           LightsCase{-4000, 10, 1}, LightsCase{5000, 0, 0}));

}  // namespace
