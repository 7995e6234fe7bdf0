// What CGuiMainClass::ExecuteCommand does for each command code.
#include <gtest/gtest.h>

#include <map>
#include <ostream>
#include <string>
#include <vector>

#include "tests/gui/kit/GuiTestKit.h"

namespace {

using guitest::RecordingElement;
using Calls = std::map<int32_t, std::vector<std::string>>;

struct DispatchCase {
  const char* what;
  GuiCommand command;
  bool done;
  Calls calls;         // every element not named here must see no call
  const char* layers;  // active flags of layers 10, 20, 30, 40 afterwards
};

void PrintTo(const DispatchCase& c, std::ostream* os) { *os << c.what; }

// Layers in order:
//   10 active, sticky: root 10, child 11
//   20 active:         root 20, children 21 (with child 22) and 23
//   30 inactive:       root 30, child 31
//   40 active:         root 40, child 41
class DispatcherFixture : public ::testing::Test {
 protected:
  DispatcherFixture() {
    RecordingElement* hud = Make(nullptr, 10);
    Make(hud, 11);
    RecordingElement* page = Make(nullptr, 20);
    Make(Make(page, 21), 22);
    Make(page, 23);
    Make(Make(nullptr, 30), 31);
    Make(Make(nullptr, 40), 41);
    kit.Gui().SetLayerActive(30, 0);
    kit.Gui().GetLayers()[0]->sticky = 1;
  }

  RecordingElement* Make(CGuiElement* parent, int32_t id) {
    RecordingElement* element = kit.Add(parent, id, 0, 0, 100, 100);
    elements[id] = element;
    return element;
  }

  std::string LayerFlags() {
    std::string flags;
    for (GuiLayer* layer : kit.Gui().GetLayers()) flags += layer->active ? '1' : '0';
    return flags;
  }

  guitest::GuiTestKit kit;
  std::map<int32_t, RecordingElement*> elements;
};

class DispatcherTest : public DispatcherFixture, public ::testing::WithParamInterface<DispatchCase> {};

TEST_P(DispatcherTest, ActsOnTheElementsTheCodeNames) {
  const DispatchCase& c = GetParam();
  GuiCommand command = c.command;
  EXPECT_TRUE(kit.Gui().ExecuteCommand(&command));
  EXPECT_EQ(command.done != 0, c.done) << c.what;
  for (const auto& [id, element] : elements) {
    auto expected = c.calls.find(id);
    EXPECT_EQ(element->calls, expected == c.calls.end() ? std::vector<std::string>{} : expected->second)
        << c.what << ": element " << id;
  }
  EXPECT_EQ(LayerFlags(), c.layers) << c.what;
}

GuiCommand Cmd(int32_t code, int32_t sender, int32_t target, int32_t control = 0) {
  return GuiCommand{sender, target, code, control, 0, 0};
}

const std::vector<std::string> kClick = {"OnClick(cmd)"};

INSTANTIATE_TEST_SUITE_P(
    Table, DispatcherTest,
    ::testing::Values(
        DispatchCase{"0 by sender: roots up to the holder disabled, the element enabled", Cmd(0, 21, 99), true,
                     {{10, {"Disable(cmd)"}}, {11, {"Disable"}}, {20, {"Disable(cmd)"}},
                      {21, {"Disable", "Enable(cmd)"}}, {22, {"Disable", "Enable"}}, {23, {"Disable"}}},
                     "1101"},
        DispatchCase{"0 by target searches inactive layers too", Cmd(0, -1, 41), true,
                     {{10, {"Disable(cmd)"}}, {11, {"Disable"}}, {20, {"Disable(cmd)"}}, {21, {"Disable"}},
                      {22, {"Disable"}}, {23, {"Disable"}}, {30, {"Disable(cmd)"}}, {31, {"Disable"}},
                      {40, {"Disable(cmd)"}}, {41, {"Disable", "Enable(cmd)"}}},
                     "1101"},
        DispatchCase{"0 for an id that is nowhere disables nothing", Cmd(0, 99, -1), false, {}, "1101"},
        DispatchCase{"0 for a top-level window activates its layer's root", Cmd(0, 30, -1), true,
                     {{10, {"Disable(cmd)"}}, {11, {"Disable"}}, {20, {"Disable(cmd)"}}, {21, {"Disable"}},
                      {22, {"Disable"}}, {23, {"Disable"}}, {30, {"Disable(cmd)", "Enable(cmd)"}},
                      {31, {"Disable", "Enable"}}},
                     "1101"},
        DispatchCase{"1 disables in an inactive layer", Cmd(1, -1, 31), true, {{31, {"Disable(cmd)"}}}, "1101"},
        DispatchCase{"2 shows in an inactive layer", Cmd(2, -1, 31), true, {{31, {"Show(cmd)"}}}, "1101"},
        DispatchCase{"2 for an id not created yet waits", Cmd(2, -1, 99), false, {}, "1101"},
        DispatchCase{"2 reaches a top-level page by its layer id", Cmd(2, -1, 30), true,
                     {{30, {"Show(cmd)"}}, {31, {"Show"}}}, "1101"},
        DispatchCase{"3 hides a top-level page and deactivates its layer", Cmd(3, -1, 20), true,
                     {{20, {"Hide(cmd)"}}, {21, {"Hide"}}, {22, {"Hide"}}, {23, {"Hide"}}}, "1001"},
        DispatchCase{"7 hides an inner page and leaves the layer active", Cmd(7, -1, 21), true,
                     {{21, {"Hide(cmd)"}}, {22, {"Hide"}}}, "1101"},
        DispatchCase{"4 deactivates the non-sticky layers, closes the control's parent, opens the page",
                     Cmd(4, -1, 30, 22), true,
                     {{21, {"Hide", "Disable"}}, {22, {"Hide", "Disable"}}, {30, {"Show(cmd)", "Enable(cmd)"}},
                      {31, {"Show", "Enable"}}},
                     "1010"},
        DispatchCase{"4 deactivates even when the page is missing, and waits", Cmd(4, -1, 99, 22), false, {},
                     "1000"},
        DispatchCase{"9 deactivates every layer, the sticky one too", Cmd(9, -1, 30, 22), true,
                     {{21, {"Hide", "Disable"}}, {22, {"Hide", "Disable"}}, {30, {"Show(cmd)", "Enable(cmd)"}},
                      {31, {"Show", "Enable"}}},
                     "0010"},
        DispatchCase{"5 opens an inner page without touching the layers", Cmd(5, -1, 31, 11), true,
                     {{31, {"Show(cmd)", "Enable(cmd)"}}}, "1101"},
        DispatchCase{"5 activates a top-level page's layer", Cmd(5, -1, 30, 11), true,
                     {{30, {"Show(cmd)", "Enable(cmd)"}}, {31, {"Show", "Enable"}}}, "1111"},
        DispatchCase{"5 needs the control to exist", Cmd(5, -1, 30, 99), false, {}, "1101"},
        DispatchCase{"6 opens a window alone over the sticky layers", Cmd(6, -1, 30, 11), true,
                     {{30, {"Show(cmd)", "Enable(cmd)"}}, {31, {"Show", "Enable"}}}, "1010"},
        DispatchCase{"8 by sender selects without the command", Cmd(8, 23, -1), true, {{23, {"OnSelect"}}},
                     "1101"},
        DispatchCase{"8 by target selects with the command", Cmd(8, -1, 23), true, {{23, {"OnSelect(cmd)"}}},
                     "1101"},
        DispatchCase{"8 skips inactive layers", Cmd(8, 31, -1), false, {}, "1101"},
        DispatchCase{"10 broadcast reaches every active root and its children", Cmd(10, 5, -1), true,
                     {{10, {"OnLeftDown(cmd)"}}, {11, {"OnLeftDown(cmd)"}}, {20, {"OnLeftDown(cmd)"}},
                      {21, {"OnLeftDown(cmd)"}}, {22, {"OnLeftDown(cmd)"}}, {23, {"OnLeftDown(cmd)"}},
                      {40, {"OnLeftDown(cmd)"}}, {41, {"OnLeftDown(cmd)"}}},
                     "1101"},
        DispatchCase{"11 broadcast reaches every active root and its children", Cmd(11, 5, -1), true,
                     {{10, kClick}, {11, kClick}, {20, kClick}, {21, kClick}, {22, kClick}, {23, kClick},
                      {40, kClick}, {41, kClick}},
                     "1101"},
        DispatchCase{"11 with a target goes to the sender itself", Cmd(11, 23, 41), true, {{23, kClick}}, "1101"},
        DispatchCase{"12 broadcast reaches only the first active root", Cmd(12, 5, -1), true,
                     {{10, {"OnDoubleClick(cmd)"}}, {11, {"OnDoubleClick(cmd)"}}}, "1101"},
        DispatchCase{"13 broadcast reaches only the first active root", Cmd(13, 5, -1), true,
                     {{10, {"OnRightDown(cmd)"}}, {11, {"OnRightDown(cmd)"}}}, "1101"},
        DispatchCase{"14 broadcast reaches only the first active root", Cmd(14, 5, -1), true,
                     {{10, {"OnRightClick(cmd)"}}, {11, {"OnRightClick(cmd)"}}}, "1101"},
        DispatchCase{"15 broadcast reaches only the first active root", Cmd(15, 5, -1), true,
                     {{10, {"OnRightDoubleClick(cmd)"}}, {11, {"OnRightDoubleClick(cmd)"}}}, "1101"},
        DispatchCase{"14 with a target goes to the sender", Cmd(14, 41, 40), true, {{41, {"OnRightClick(cmd)"}}},
                     "1101"},
        DispatchCase{"16 scrolls up in an active layer", Cmd(16, -1, 22), true, {{22, {"ScrollUp(cmd)"}}}, "1101"},
        DispatchCase{"16 skips inactive layers and waits", Cmd(16, -1, 31), false, {}, "1101"},
        DispatchCase{"17 scrolls down", Cmd(17, -1, 22), true, {{22, {"ScrollDown(cmd)"}}}, "1101"},
        DispatchCase{"18 reaches its operation", Cmd(18, -1, 22), true, {{22, {"OnCommand18(cmd)"}}}, "1101"},
        DispatchCase{"19 scrolls to a position", Cmd(19, -1, 22, 3), true, {{22, {"ScrollTo(cmd)"}}}, "1101"},
        DispatchCase{"19 skips inactive layers", Cmd(19, -1, 31, 3), false, {}, "1101"},
        DispatchCase{"20 reaches inactive layers", Cmd(20, -1, 31), true, {{31, {"OnCommand20(cmd)"}}}, "1101"},
        DispatchCase{"21 gives focus in inactive layers", Cmd(21, -1, 31), true, {{31, {"OnGainFocus(cmd)"}}},
                     "1101"},
        DispatchCase{"22 takes focus in inactive layers", Cmd(22, -1, 31), true, {{31, {"OnLoseFocus(cmd)"}}},
                     "1101"},
        DispatchCase{"23 goes to the sender in an active layer", Cmd(23, 41, -1), true,
                     {{41, {"OnCommand23(cmd)"}}}, "1101"},
        DispatchCase{"23 skips inactive layers", Cmd(23, 31, -1), false, {}, "1101"},
        DispatchCase{"24 is left to the handlers before the dispatcher", Cmd(24, 41, -1), false, {}, "1101"},
        DispatchCase{"25 is left to the handlers before the dispatcher", Cmd(25, 41, -1), false, {}, "1101"},
        DispatchCase{"both ids -1 is done whatever the code", Cmd(25, -1, -1), true, {}, "1101"},
        DispatchCase{"an unknown code does nothing", Cmd(26, 41, 41), false, {}, "1101"}),
    [](const ::testing::TestParamInfo<DispatchCase>& info) {
      return "Code" + std::to_string(info.param.command.code) + "_" + std::to_string(info.index);
    });

TEST_F(DispatcherFixture, ActivatingBySenderBringsTheElementToTheFrontOfItsRoot) {
  CGuiElement* root = kit.Gui().FindElement(20);
  ASSERT_EQ(root->GetChild(0)->GetId(), 21);
  GuiCommand bySender = Cmd(0, 21, -1);
  kit.Gui().ExecuteCommand(&bySender);
  EXPECT_EQ(root->GetChild(1)->GetId(), 21);

  GuiCommand byTarget = Cmd(0, -1, 23);
  kit.Gui().ExecuteCommand(&byTarget);
  EXPECT_EQ(root->GetChild(1)->GetId(), 21) << "found by target: no reordering";
}

TEST_F(DispatcherFixture, DuplicateLayerIdsSwitchOnlyTheFirst) {
  kit.Add(nullptr, 20, 0, 0, 10, 10);
  kit.Gui().SetLayerActive(20, 0);
  EXPECT_EQ(LayerFlags(), "10011");
}

TEST_F(DispatcherFixture, FindElementReachesRootsOfInactiveLayersByLayerId) {
  EXPECT_EQ(kit.Gui().FindElement(30), elements[30]);
  EXPECT_EQ(kit.Gui().FindElement(31), elements[31]);
  EXPECT_EQ(kit.Gui().FindElement(99), nullptr);
}

}  // namespace
