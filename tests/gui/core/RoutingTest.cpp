// How window messages travel through the layers and element trees.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "gui/widgets/CGuiButton.h"
#include "tests/gui/kit/GuiTestKit.h"

namespace {

using guitest::RecordingElement;

struct RouteCase {
  const char* what;
  unsigned message;
  int32_t x, y;
  uint8_t flag;
  bool taken;
  std::vector<std::string> asked;  // every element whose handler ran, in order
};

void PrintTo(const RouteCase& c, std::ostream* os) { *os << c.what; }

const std::vector<unsigned> kEverything = {gui::kLeftDown, gui::kLeftUp, gui::kMouseMove, gui::kKeyDown};

// Three layers, bottom to top:
// - "low" (active), child "lowChild" (10,10 100x100), grandchild "lowGrand"
//   (20,20 50x50);
// - "high" (active), children in list order: "ghost" (hidden, full screen,
//   would take everything), "first" (10,10 100x100), "second" (50,50
//   100x100, takes left releases);
// - "off" (inactive, full screen, would take everything).
class RoutingTest : public ::testing::TestWithParam<RouteCase> {
 protected:
  void SetUp() override {
    RecordingElement* low = Make(nullptr, 100, "low", 0, 0, 1024, 768);
    RecordingElement* lowChild = Make(low, 101, "lowChild", 10, 10, 100, 100);
    Make(lowChild, 102, "lowGrand", 10, 10, 50, 50);
    RecordingElement* high = Make(nullptr, 200, "high", 0, 0, 1024, 768);
    RecordingElement* ghost = Make(high, 203, "ghost", 0, 0, 1024, 768);
    ghost->takes = kEverything;
    ghost->Hide(nullptr);
    Make(high, 201, "first", 10, 10, 100, 100);
    Make(high, 202, "second", 50, 50, 100, 100)->takes = {gui::kLeftUp};
    Make(nullptr, 300, "off", 0, 0, 1024, 768)->takes = kEverything;
    kit.Gui().SetLayerActive(300, 0);
  }

  RecordingElement* Make(CGuiElement* parent, int32_t id, const char* name, int32_t x, int32_t y, int32_t w,
                         int32_t h) {
    RecordingElement* element = kit.Add(parent, id, x, y, w, h);
    element->name = name;
    element->journal = &journal;
    return element;
  }

  guitest::GuiTestKit kit;
  std::vector<std::string> journal;
};

TEST_P(RoutingTest, OffersTopLayerFirstAndChildrenLastToFirst) {
  const RouteCase& c = GetParam();
  plat::Message message;
  message.message = c.message;
  message.lParam = gui::PointParam(c.x, c.y);
  EXPECT_EQ(kit.Gui().RouteMessage(&message, c.flag), c.taken) << c.what;
  EXPECT_EQ(journal, c.asked) << c.what;
}

const std::vector<std::string> kAll = {"high", "second", "first", "ghost", "low", "lowChild", "lowGrand"};
const std::vector<std::string> kAllButLowGrand = {"high", "second", "first", "ghost", "low", "lowChild"};

INSTANTIATE_TEST_SUITE_P(
    Table, RoutingTest,
    ::testing::Values(
        RouteCase{"the top child takes a release; lower layers never see it", gui::kLeftUp, 60, 60, 0, true,
                  {"high", "second"}},
        RouteCase{"nobody takes it: every active layer top down; hidden and inactive take nothing",
                  gui::kLeftUp, 30, 30, 0, false, kAll},
        RouteCase{"a release outside an element is not passed to its children", gui::kLeftUp, 500, 500, 0,
                  false, kAllButLowGrand},
        RouteCase{"a point on an element's edge is outside it", gui::kLeftUp, 10, 30, 0, false, kAllButLowGrand},
        RouteCase{"a move reaches every child wherever the pointer is, once", gui::kMouseMove, 500, 500, 0,
                  false, kAll},
        RouteCase{"a press reaches every child wherever the pointer is, once", gui::kLeftDown, 500, 500, 0,
                  false, kAll},
        RouteCase{"a key down reaches every child once", gui::kKeyDown, 0, 0, 0, false, kAll},
        RouteCase{"the keys-only flag swallows a mouse message at the top root", gui::kLeftUp, 30, 30, 1, true,
                  {"high"}},
        RouteCase{"the keys-only flag lets key downs through", gui::kKeyDown, 0, 0, 1, false, kAll}),
    [](const ::testing::TestParamInfo<RouteCase>& info) { return "Case" + std::to_string(info.index); });

TEST(RoutingDepthTest, AWidgetThreeLevelsDownSeesEachMessageOnce) {
  guitest::GuiTestKit kit;
  CGuiElement* root = kit.Add<CGuiElement>(nullptr, 1, 0, 0, 1024, 768);
  CGuiElement* page = kit.Add<CGuiElement>(root, 2, 100, 100, 600, 400);
  CGuiElement* panel = kit.Add<CGuiElement>(page, 3, 10, 10, 300, 200);
  RecordingElement* deep = kit.Add(panel, 4, 10, 10, 100, 50);
  for (unsigned message : {gui::kKeyDown, gui::kMouseMove, gui::kLeftDown, gui::kLeftUp}) {
    deep->messages.clear();
    kit.Route(message, 150, 150);
    EXPECT_EQ(deep->messages.size(), 1u) << "message " << message;
  }
}

TEST(RoutingDepthTest, OnePressOfAButtonThreeLevelsDownPostsOneCommandAndOneSound) {
  guitest::GuiTestKit kit;
  CGuiElement* root = kit.Add<CGuiElement>(nullptr, 1, 0, 0, 1024, 768);
  CGuiElement* page = kit.Add<CGuiElement>(root, 2, 100, 100, 600, 400);
  CGuiElement* panel = kit.Add<CGuiElement>(page, 3, 10, 10, 300, 200);
  kit.Add<CGuiButton>(panel, 4, 10, 10, 100, 50, kElementTypeButton, 4);
  std::vector<GuiCommand> posted;
  kit.mainHandler = [&posted](GuiCommand* command) { posted.push_back(*command); };
  kit.mouse = {150, 150, true};
  kit.RunFrame();
  kit.mouse.left = false;
  kit.RunFrame();
  ASSERT_EQ(posted.size(), 2u);
  EXPECT_EQ(posted[0].code, kCmdLeftDown);
  EXPECT_EQ(posted[1].code, kCmdClick);
  EXPECT_EQ(posted[0].sender, 4);
  EXPECT_EQ(kit.Sounds(), std::vector<std::string>{"BUTTON_CLICK"});
}

// The button messages that went past the GUI to the world.
std::vector<unsigned> WorldClicks(const guitest::GuiTestKit& kit) {
  std::vector<unsigned> clicks;
  for (const plat::Message& message : kit.worldMessages) {
    if (gui::IsButtonMessage(message.message)) clicks.push_back(message.message);
  }
  return clicks;
}

TEST(RoutingDepthTest, AClickOnAButtonNeverReachesTheWorldButAClickBesideItDoes) {
  guitest::GuiTestKit kit;
  CGuiElement* root = kit.Add<CGuiElement>(nullptr, 1, 0, 0, 1024, 768);
  CGuiButton* button = kit.Add<CGuiButton>(root, 2, 100, 100, 80, 30, kElementTypeButton, 4);
  for (bool interactive : {true, false}) {
    button->interactive = interactive ? 1 : 0;
    kit.mouse = {120, 110, true};
    kit.RunFrame();
    kit.mouse.left = false;
    kit.RunFrame();
    EXPECT_TRUE(WorldClicks(kit).empty()) << "interactive " << interactive;
  }
  kit.mouse = {400, 400, true};
  kit.RunFrame();
  kit.mouse.left = false;
  kit.RunFrame();
  EXPECT_EQ(WorldClicks(kit), (std::vector<unsigned>{gui::kLeftDown, gui::kLeftUp}));
}

TEST(RoutingDepthTest, AHiddenButtonNeitherActsNorTakesTheClick) {
  guitest::GuiTestKit kit;
  CGuiElement* root = kit.Add<CGuiElement>(nullptr, 1, 0, 0, 1024, 768);
  CGuiElement* page = kit.Add<CGuiElement>(root, 2, 0, 0, 500, 500);
  kit.Add<CGuiButton>(page, 3, 100, 100, 80, 30, kElementTypeButton, 4);
  page->Hide(nullptr);
  EXPECT_FALSE(kit.Route(gui::kLeftDown, 120, 110));
  EXPECT_FALSE(kit.Route(gui::kLeftUp, 120, 110));
  EXPECT_TRUE(kit.Gui().GetCommandQueue().Snapshot().empty());
  EXPECT_TRUE(kit.Sounds().empty());
}

}  // namespace
