// The demo park's GUI description and text table hold everything the
// screens bind and show.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "gui/core/GuiLayer.h"
#include "gui/widgets/CGuiButton.h"
#include "gui/widgets/CGuiStaticText.h"
#include "screens/REraduzizUpgradeScreen.h"
#include "screens/ScreenIds.h"
#include "tests/screens/ScreenTestSupport.h"

namespace {

using screentest::DebugCapture;
using screentest::LoadDemoGui;
using screentest::ScreenWorld;

constexpr int32_t kMainMenu = 10001;
constexpr int32_t kUpgradeWindow = 10269;
// The close buttons' caption in the text table.
constexpr int32_t kCloseText = 100162;
// The side of the cursor's images.
constexpr int32_t kCursorSide = 32;

struct ScreenSize {
  int32_t width, height;
};
// The screen a description is laid out for: the standard one for 1024 by
// 768, the scaled ones as their names say.
ScreenSize SizeOf(const std::string& description) {
  if (description.empty()) return {1024, 768};
  ScreenSize size{};
  return std::sscanf(description.c_str(), "GuiXML_%dx%d.xml", &size.width, &size.height) == 2 ? size : ScreenSize{};
}

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

// The game greets the player with its main menu alone: no page of another
// GUI lies over the park. The cursor starts in the middle of the screen
// once the intro is over (its image drawn from there down and right), where
// no button may lie: the player would see the cursor on it, and a click made
// without aim would quit or start a game.
TEST_P(DemoGuiSizesTest, AtStartTheMainMenuShowsAloneAndNoneOfItsButtonsLiesInTheScreenMiddle) {
  ScreenWorld world(false);
  LoadDemoGui(world.kit.Gui(), GetParam());
  std::vector<int32_t> shown;
  for (const GuiLayer* layer : world.kit.Gui().GetLayers()) {
    if (layer->active && layer->root->IsVisible()) shown.push_back(layer->id);
  }
  EXPECT_EQ(shown, std::vector<int32_t>{kMainMenu});

  const CGuiElement* menu = world.kit.Gui().FindElement(kMainMenu);
  ASSERT_NE(menu, nullptr);
  const ScreenSize size = SizeOf(GetParam());
  int32_t buttons = 0;
  for (int32_t i = 0; i < menu->GetChildCount(); ++i) {
    const auto* button = dynamic_cast<const CGuiButton*>(menu->GetChild(i));
    if (!button) continue;
    ++buttons;
    int32_t left = 0, top = 0, right = 0, bottom = 0;
    button->GetRect(left, top, right, bottom);
    const int32_t x = size.width / 2, y = size.height / 2;
    const bool underCursor = left < x + kCursorSide && x < right && top < y + kCursorSide && y < bottom;
    EXPECT_FALSE(underCursor) << button->GetCaption().Std() << " at " << left << "," << top;
  }
  EXPECT_EQ(buttons, 4);
}

INSTANTIATE_TEST_SUITE_P(Files, DemoGuiSizesTest, ::testing::Values("", "GuiXML_800x600.xml", "GuiXML_1280x1024.xml"));

TEST(DemoGuiScreensTest, EveryPageThatTheHideAllClosesExists) {
  ScreenWorld world(false);
  LoadDemoGui(world.kit.Gui());
  for (int32_t page : screen_ids::kHideAllPages) EXPECT_NE(world.kit.Gui().FindElement(page), nullptr) << page;
}

// A page opened while the page it was opened from stays shown must lie over
// it, or the player never sees it: a later layer is drawn over the earlier
// ones. The pairs are those the screens' buttons show together.
TEST(DemoGuiScreensTest, APageOpenedFromAnotherShownPageLiesOverIt) {
  ScreenWorld world(false);
  LoadDemoGui(world.kit.Gui());
  const std::vector<GuiLayer*> layers = world.kit.Gui().GetLayers();
  const auto position = [&layers](int32_t page) {
    return std::find_if(layers.begin(), layers.end(), [page](const GuiLayer* layer) { return layer->id == page; }) -
           layers.begin();
  };
  const struct {
    int32_t under, over;
    const char* what;
  } pairs[] = {
      {kUpgradeWindow, REraduzizUpgradeScreen::kAboutPage, "the attraction's description over its upgrade window"},
      {10158, 10190, "the ticket counter over the finance overview"},
      {10158, 10198, "the sweet shop over the finance overview"},
      {10158, 10231, "the attraction list over the finance overview"},
      {10158, 10299, "the staff window over the finance overview"},
      {10123, 10126, "the kiosks over the food menu"},
      {10123, 10129, "the restaurant over the food menu"}};
  for (const auto& pair : pairs) {
    SCOPED_TRACE(pair.what);
    ASSERT_LT(position(pair.over), std::ssize(layers));
    EXPECT_LT(position(pair.under), position(pair.over));
  }
}

// After the captions are given, no two buttons of the upgrade window or of
// its description page read the same: the description page's own button,
// which closes it alone, sits on that page and not beside the upgrade
// window's close.
TEST(DemoGuiScreensTest, TheUpgradeWindowAndItsDescriptionPageEachHaveOneCloseButton) {
  ScreenWorld world(false);
  LoadDemoGui(world.kit.Gui());
  world.screens.CreateAll();
  world.screens.ChangeText();
  CGuiMainClass& gui = world.kit.Gui();
  const struct {
    int32_t page, close;
  } pages[] = {{kUpgradeWindow, REraduzizUpgradeScreen::kCloseId},
               {REraduzizUpgradeScreen::kAboutPage, REraduzizUpgradeScreen::kBackId}};
  for (const auto& [id, close] : pages) {
    SCOPED_TRACE(id);
    const CGuiElement* page = gui.FindElement(id);
    ASSERT_NE(page, nullptr);
    const auto* button = dynamic_cast<const CGuiButton*>(page->FindChild(close));
    ASSERT_NE(button, nullptr) << close << " is not on the page";
    EXPECT_EQ(button->GetCaption(), gui.GetText(kCloseText));
    std::set<std::string> captions;
    for (int32_t i = 0; i < page->GetChildCount(); ++i) {
      if (const auto* child = dynamic_cast<const CGuiButton*>(page->GetChild(i))) {
        EXPECT_TRUE(captions.insert(child->GetCaption().Std()).second) << "twice: " << child->GetCaption().Std();
      }
    }
  }
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
