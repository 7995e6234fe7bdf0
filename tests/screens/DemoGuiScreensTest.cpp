// The demo park's GUI description and text table hold everything the
// screens bind and show.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "gui/widgets/CGuiButton.h"
#include "gui/widgets/CGuiStaticText.h"
#include "screens/ScreenIds.h"
#include "tests/screens/ScreenTestSupport.h"

namespace {

using screentest::DebugCapture;
using screentest::LoadDemoGui;
using screentest::ScreenWorld;

class DemoGuiSizesTest : public ::testing::TestWithParam<std::string> {};

// The standard description and the two scaled ones.
TEST_P(DemoGuiSizesTest, EveryScreenFindsEveryControlItBinds) {
  ScreenWorld world(false);
  DebugCapture capture;
  LoadDemoGui(world.kit.Gui(), GetParam());
  world.screens.CreateAll();
  world.screens.ChangeText();
  for (const std::string& line : capture.lines) {
    EXPECT_EQ(line.find("missing"), std::string::npos) << line;
    EXPECT_EQ(line.find("GUI description"), std::string::npos) << line;
  }
  EXPECT_NE(world.screens.buildBook->window, nullptr);
  EXPECT_NE(world.screens.tutorialScreen->window, nullptr);
  EXPECT_NE(world.screens.scenarioWindow->window, nullptr);
  EXPECT_NE(world.screens.objectWindow->eventList, nullptr);
  EXPECT_NE(world.screens.messageWindow->textKind2, nullptr);
  auto* newGame = dynamic_cast<CGuiButton*>(world.kit.Gui().FindElement(10002));
  ASSERT_NE(newGame, nullptr);
  EXPECT_EQ(newGame->GetCaption(), "New game");
}

INSTANTIATE_TEST_SUITE_P(Files, DemoGuiSizesTest, ::testing::Values("", "GuiXML_800x600.xml", "GuiXML_1280x1024.xml"));

TEST(DemoGuiScreensTest, EveryPageThatTheHideAllClosesExists) {
  ScreenWorld world(false);
  LoadDemoGui(world.kit.Gui());
  for (int32_t page : screen_ids::kHideAllPages) EXPECT_NE(world.kit.Gui().FindElement(page), nullptr) << page;
}

// The ids the screens show, as ranges of the text table.
TEST(DemoGuiScreensTest, TheTextTableHoldsEveryTextTheScreensShow) {
  ScreenWorld world(false);
  LoadDemoGui(world.kit.Gui());
  const std::vector<std::pair<int32_t, int32_t>> ranges = {
      {100100, 100124}, {100126, 100141}, {100143, 100167}, {100172, 100176}, {100184, 100185}, {100187, 100189},
      {100192, 100216}, {100218, 100229}, {100231, 100235}, {300000, 300006}, {300008, 300008}, {401001, 401011}};
  std::vector<int32_t> ids;
  for (const auto& [first, last] : ranges) {
    for (int32_t id = first; id <= last; ++id) ids.push_back(id);
  }
  const int32_t lessonPages[] = {3, 3, 4, 3, 3};
  for (int32_t lesson = 0; lesson < 5; ++lesson) {
    for (int32_t page = 0; page <= lessonPages[lesson]; ++page) ids.push_back(400000 + 10 * lesson + page);
  }
  const GuiTextTable& table = world.kit.Gui().GetTextTable();
  for (int32_t id : ids) EXPECT_TRUE(table.Contains(id)) << id;
}

TEST(DemoGuiScreensTest, TheStatusPanelShowsTheParkFigures) {
  ScreenWorld world(false);
  LoadDemoGui(world.kit.Gui());
  world.screens.CreateAll();
  world.host.cash = 12345;
  world.host.visitors = 42;
  world.screens.RefreshCashDisplay();
  auto* cash = dynamic_cast<CGuiStaticText*>(world.kit.Gui().FindElement(10437));
  ASSERT_NE(cash, nullptr);
  EXPECT_EQ(cash->GetText(), "12345");
  EXPECT_EQ(world.screens.objectWindow->visitors->GetText(), "42");
  EXPECT_EQ(world.screens.objectWindow->date->GetText(), "05-03-2007");
}

}  // namespace
