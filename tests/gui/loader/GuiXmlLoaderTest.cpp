// CGuiXmlLoader: the tree it builds from a description, the defines, the
// click actions, refused elements, and a click that opens a loaded page.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "engine/core/XmlNode.h"
#include "gui/core/CGuiElement.h"
#include "gui/core/GuiGeometry.h"
#include "gui/core/GuiLayer.h"
#include "gui/loader/CGuiXmlLoader.h"
#include "gui/widgets/CGuiAnimButton.h"
#include "gui/widgets/CGuiCheckBox.h"
#include "gui/widgets/CGuiGrid.h"
#include "gui/widgets/CGuiStaticText.h"
#include "platform/os/DebugOutput.h"
#include "tests/gui/kit/GuiTestKit.h"
#include "tests/gui/loader/GuiActionHarness.h"
#include "tests/gui/loader/LoaderFixture.h"

namespace {

using guitest::Description;
using guitest::Element;
using guitest::Props;

const char* const kDefines =
    "// element ids\n#pragma once\n"
    "#define HUD 10001\n#define MENU 10002\n#define BTN_OPTIONS 10003\n#define "
    "OPTIONS 10004\n"
    "#define CHK 10005\n#define LIST 10006\n#define LABEL 10007\n#define EDIT "
    "10008\n"
    "#define BTN_CLOSE 10009\n#define STRAY 10010\n#define TOPEDIT 10011\n";

// HUD (shape layer), OPTIONS (hidden window page with a check box, a list,
// a label, a nested edit box and a close button), MENU (sticky window with
// the button that opens OPTIONS, and a label nested in MENU that names
// OPTIONS as its parent), and a top-level edit box.
std::string PageDescription() {
  const std::string options = Element(
      "OPTIONS", "", "Window", Props(20, {{1, "300"}, {2, "100"}, {3, "400"}, {4, "300"}, {8, "0"}}),
      Element("CHK", "OPTIONS", "CheckBox", Props(19, {{1, "10"}, {2, "10"}, {3, "80"}, {4, "20"}, {18, "40"}})) +
          Element("LIST", "OPTIONS", "ListBox",
                  Props(22, {{1, "10"}, {2, "40"}, {3, "200"}, {4, "5"}, {5, "4"}, {21, "12"}})) +
          Element("LABEL", "OPTIONS", "StaticText",
                  Props(15, {{1, "10"}, {2, "110"}, {3, "100"}, {4, "20"}, {11, "300,1,2"}, {14, "Hi"}}),
                  Element("EDIT", "OPTIONS", "EditBox", Props(15, {{1, "10"}, {2, "140"}, {3, "100"}, {4, "20"}}))) +
          Element("BTN_CLOSE", "OPTIONS", "Button",
                  Props(20, {{1, "350"}, {2, "10"}, {3, "40"}, {4, "20"}, {19, "OPTIONS,ClosePopup"}})));
  const std::string menu = Element(
      "MENU", "", "Window", Props(20, {{0, "TOP"}, {1, "10"}, {2, "50"}, {3, "200"}, {4, "300"}, {8, "1"}}),
      Element("BTN_OPTIONS", "MENU", "Button",
              Props(20, {{1, "20"}, {2, "30"}, {3, "100"}, {4, "25"}, {14, "Options"}, {19, "OPTIONS,OpenWnd"}})) +
          Element("STRAY", "OPTIONS", "StaticText", Props(15, {{1, "5"}, {2, "200"}, {3, "50"}, {4, "10"}})));
  return Description(Element("HUD", "", "Shape", Props(7, {{2, "1024"}, {3, "40"}})) + options + menu +
                     Element("TOPEDIT", "HUD", "EditBox", Props(15, {})));
}

// Captures the debugger output while it lives.
class OutputCapture {
 public:
  OutputCapture() {
    plat::SetDebugOutputSink([this](std::string_view text) { output += std::string(text); });
  }
  ~OutputCapture() { plat::SetDebugOutputSink({}); }
  std::string output;
};

class LoaderFileTest : public ::testing::Test {
 protected:
  LoaderFileTest() : harness(kit.Gui()) {
    dir.WriteDescription(PageDescription());
    dir.WriteDefines(kDefines);
  }

  void Load() {
    CGuiXmlLoader loader(&harness, &kit.Gui());
    loader.Load();
    for (const GuiXmlElementDesc& desc : loader.GetDescriptions()) elements[desc.name.Std()] = desc.element;
    descriptions = loader.GetDescriptions().size();
  }

  guitest::GuiTestKit kit;
  guitest::LoaderDir dir;
  guitest::GuiActionHarness harness;
  std::map<std::string, CGuiElement*> elements;
  size_t descriptions = 0;
};

TEST_F(LoaderFileTest, TopLevelShapesAndWindowsBecomeLayersInReadingOrder) {
  Load();
  const std::vector<GuiLayer*> layers = kit.Gui().GetLayers();
  ASSERT_EQ(layers.size(), 3u);
  struct Expected {
    int32_t id;
    uint8_t active, sticky;
  };
  const Expected expected[] = {{10001, 1, 1}, {10004, 0, 0}, {10002, 1, 1}};
  for (size_t i = 0; i < 3; ++i) {
    EXPECT_EQ(layers[i]->id, expected[i].id) << i;
    EXPECT_EQ(layers[i]->active, expected[i].active) << i;
    EXPECT_EQ(layers[i]->sticky, expected[i].sticky) << i;
  }
  EXPECT_EQ(layers[1]->root.get(), elements["OPTIONS"]);
}

TEST_F(LoaderFileTest, ElementsGetTheirIdsTypesCellsAndAbsolutePositions) {
  Load();
  struct Expected {
    const char* name;
    int32_t id, type, cells, x, y, width, height;
    const char* parent;
  };
  const Expected table[] = {
      {"HUD", 10001, 0, 0, 0, 0, 1024, 40, nullptr},
      {"OPTIONS", 10004, 0, 0, 300, 100, 400, 300, nullptr},
      {"CHK", 10005, 8, 0, 310, 110, 120, 20, "OPTIONS"},
      {"LIST", 10006, 9, 0, 310, 140, 200, 60, "OPTIONS"},  // height 5 x font size 12
      {"LABEL", 10007, 2, 0, 310, 210, 100, 20, "OPTIONS"},
      {"EDIT", 10008, 10, 0, 310, 240, 100, 20, "OPTIONS"},
      {"BTN_CLOSE", 10009, 7, 4, 650, 110, 40, 20, "OPTIONS"},
      {"MENU", 10002, 0, 0, 10, 50, 200, 300, nullptr},
      {"BTN_OPTIONS", 10003, 7, 4, 30, 80, 100, 25, "MENU"},
      {"STRAY", 10010, 2, 0, 305, 300, 50, 10, "OPTIONS"},  // parentid wins over nesting
  };
  for (const Expected& e : table) {
    SCOPED_TRACE(e.name);
    CGuiElement* element = elements[e.name];
    ASSERT_NE(element, nullptr);
    const ElementRecord& r = *element->record;
    EXPECT_EQ(r.id, e.id);
    EXPECT_EQ(r.type, e.type);
    EXPECT_EQ(r.cellCount, e.cells);
    EXPECT_EQ(r.x, e.x);
    EXPECT_EQ(r.y, e.y);
    EXPECT_EQ(r.width, e.width);
    EXPECT_EQ(r.height, e.height);
    EXPECT_EQ(r.parent, e.parent ? elements[e.parent] : nullptr);
    if (e.parent) {
      EXPECT_EQ(elements[e.parent]->FindChild(e.id), element);
    }
  }
}

TEST_F(LoaderFileTest, EveryDescriptionIsCountedButTopLevelEditBoxesAreNotCreated) {
  Load();
  EXPECT_EQ(descriptions, 11u);
  EXPECT_EQ(harness.loadProgressCounter.load(), 11);
  EXPECT_EQ(elements["TOPEDIT"], nullptr);
  EXPECT_NE(elements["EDIT"], nullptr);
}

TEST_F(LoaderFileTest, ButtonsStartLikeTheirParentsEnabledByte) {
  Load();
  EXPECT_FALSE(elements["BTN_CLOSE"]->IsVisible());
  EXPECT_FALSE(elements["BTN_CLOSE"]->IsEnabled());
  EXPECT_TRUE(elements["BTN_OPTIONS"]->IsVisible());
  EXPECT_TRUE(elements["BTN_OPTIONS"]->IsEnabled());
  EXPECT_FALSE(elements["OPTIONS"]->IsVisible());
}

TEST_F(LoaderFileTest, ButtonActionsAreRegisteredInReadingOrder) {
  Load();
  ASSERT_EQ(harness.actions.size(), 2u);
  const GuiAction& close = harness.actions[0];
  EXPECT_EQ(close.sender, 10009);
  EXPECT_EQ(close.target, 10004);
  EXPECT_EQ(close.code, 7);
  EXPECT_EQ(close.control, 10009);
  EXPECT_EQ(close.parameter, 0);
  const GuiAction& open = harness.actions[1];
  EXPECT_EQ(open.sender, 10003);
  EXPECT_EQ(open.target, 10004);
  EXPECT_EQ(open.code, 6);
  EXPECT_EQ(open.control, 10003);
}

TEST_F(LoaderFileTest, WithoutDefinesFileEveryIdIsMinusOneAndTheTreeIsStillBuilt) {
  dir.RemoveDefines();
  OutputCapture capture;
  Load();
  EXPECT_EQ(kit.Gui().GetLayerCount(), 3);
  for (const auto& [name, element] : elements) {
    if (element) {
      EXPECT_EQ(element->GetId(), -1) << name;
    }
  }
  EXPECT_EQ(elements["STRAY"]->record->parent, elements["OPTIONS"]);
  // Actions of elements without an id would fire for every id-less click.
  EXPECT_TRUE(harness.actions.empty());
  EXPECT_NE(capture.output.find("'BTN_OPTIONS'"), std::string::npos);
}

TEST_F(LoaderFileTest, ClickingTheLoadedButtonOpensAndCloseButtonClosesThePage) {
  Load();
  kit.mainHandler = harness.Handler();
  auto click = [&](int32_t x, int32_t y) {
    kit.mouse.x = x;
    kit.mouse.y = y;
    kit.RunFrame();
    kit.mouse.left = true;
    kit.RunFrame();
    kit.mouse.left = false;
    for (int i = 0; i < 3; ++i) kit.RunFrame();
  };
  GuiLayer* options = kit.Gui().GetLayers()[1];
  click(40, 90);  // BTN_OPTIONS
  EXPECT_EQ(options->active, 1);
  EXPECT_TRUE(elements["OPTIONS"]->IsVisible());
  EXPECT_TRUE(elements["BTN_CLOSE"]->IsVisible());
  EXPECT_TRUE(elements["BTN_CLOSE"]->IsEnabled());

  click(660, 115);  // BTN_CLOSE
  EXPECT_EQ(options->active, 0);
  EXPECT_TRUE(kit.Gui().GetLayers()[2]->active);  // the sticky menu stays
}

// Loads a description from text, with defines, no files.
class LoaderTextTest : public ::testing::Test {
 protected:
  LoaderTextTest() : harness(kit.Gui()), loader(&harness, &kit.Gui()) {}

  void Load(const std::string& elements, const std::string& defines = "") {
    loader.ParseDefines(defines);
    loader.LoadFromNode(XmlNode::ParseString(Description(elements).c_str(), "GUI"));
  }
  CGuiElement* Made(const char* name) const {
    const int32_t i = loader.IndexByName(name);
    return i < 0 ? nullptr : loader.GetDescriptions()[size_t(i)].element;
  }

  guitest::GuiTestKit kit;
  guitest::GuiActionHarness harness;
  CGuiXmlLoader loader;
};

const std::string kRoot = "ROOT";
std::string RootWith(const std::string& children) {
  return Element(kRoot, "", "Shape", Props(7, {{2, "800"}, {3, "600"}}), children);
}

struct ActionCase {
  const char* actions;
  std::vector<std::vector<int32_t>> expected;  // target, code
};

class ActionTest : public LoaderTextTest, public ::testing::WithParamInterface<ActionCase> {};

TEST_P(ActionTest, PairsOfTargetAndKnownActionAreRegistered) {
  Load(RootWith(Element("B", kRoot, "Button", Props(20, {{19, GetParam().actions}})) +
                Element("X", kRoot, "StaticText", Props(15, {})) + Element("Y", kRoot, "StaticText", Props(15, {}))),
       "#define B 5 #define X 6 #define Y 7");
  ASSERT_EQ(harness.actions.size(), GetParam().expected.size());
  for (size_t i = 0; i < harness.actions.size(); ++i) {
    EXPECT_EQ(harness.actions[i].sender, 5);
    EXPECT_EQ(harness.actions[i].target, GetParam().expected[i][0]);
    EXPECT_EQ(harness.actions[i].code, GetParam().expected[i][1]);
    EXPECT_EQ(harness.actions[i].control, 5);
  }
}

INSTANTIATE_TEST_SUITE_P(Actions, ActionTest,
                         ::testing::Values(ActionCase{"X,OpenWnd", {{6, 6}}}, ActionCase{"X", {}},
                                           ActionCase{"X,Dance", {}}, ActionCase{"", {}},
                                           ActionCase{"X,OpenMenu,Y,CloseMenu", {{6, 4}, {7, 7}}},
                                           ActionCase{"X,ClosePopup,Y", {{6, 7}}},
                                           ActionCase{"NOBODY,OpenWnd", {{-1, 6}}}, ActionCase{"X, OpenWnd", {}}));

TEST_F(LoaderTextTest, OnlyTheFirstActionOfASenderFires) {
  Load(RootWith(Element("B", kRoot, "Button", Props(20, {{19, "X,Dance,X,OpenWnd,Y,CloseMenu"}})) +
                Element("X", kRoot, "StaticText", Props(15, {})) + Element("Y", kRoot, "StaticText", Props(15, {}))),
       "#define B 5 #define X 6 #define Y 7");
  ASSERT_EQ(harness.actions.size(), 2u);
  GuiCommand click;
  click.sender = 5;
  click.code = kCmdClick;
  harness.Execute(&click);
  EXPECT_EQ(click.sender, -1);
  const std::vector<GuiCommand> posted = kit.Gui().GetCommandQueue().Snapshot();
  ASSERT_EQ(posted.size(), 1u);
  EXPECT_EQ(posted[0].target, 6);
  EXPECT_EQ(posted[0].code, 6);
}

struct TypeCase {
  const char* type;
  size_t needed;
};

class RefusalTest : public LoaderTextTest, public ::testing::WithParamInterface<TypeCase> {};

// Every value "2": no flag set, no title bar, counts of 2.
std::vector<std::string> Twos(size_t n) { return std::vector<std::string>(n, "2"); }

TEST_P(RefusalTest, TooFewPropertiesCreateNothingAndEnoughCreateTheElement) {
  const TypeCase& c = GetParam();
  OutputCapture capture;
  Load(RootWith(Element("SHORT", kRoot, c.type, Twos(c.needed - 1)) + Element("FULL", kRoot, c.type, Twos(c.needed))));
  EXPECT_EQ(Made("SHORT"), nullptr);
  EXPECT_NE(Made("FULL"), nullptr);
  EXPECT_NE(capture.output.find("'SHORT' not created: too few properties"), std::string::npos);
  EXPECT_EQ(capture.output.find("'FULL' not created"), std::string::npos);
  EXPECT_EQ(harness.loadProgressCounter.load(), 3);
}

INSTANTIATE_TEST_SUITE_P(Types, RefusalTest,
                         ::testing::Values(TypeCase{"Shape", 7}, TypeCase{"Window", 20}, TypeCase{"Button", 20},
                                           TypeCase{"AnimatedButton", 21}, TypeCase{"TextBox", 19},
                                           TypeCase{"StaticText", 15}, TypeCase{"EditBox", 15},
                                           TypeCase{"CheckBox", 19}, TypeCase{"ListBox", 22}, TypeCase{"ComboBox", 18},
                                           TypeCase{"DropDown", 19}, TypeCase{"GridControl", 26}),
                         [](const auto& info) { return std::string(info.param.type); });

TEST_F(LoaderTextTest, ElementsWithoutAnExistingParentAreRefusedExceptShapes) {
  OutputCapture capture;
  Load(Element("LOST", "GHOST", "Button", Props(20, {}), Element("KID", "LOST", "StaticText", Props(15, {}))) +
       Element("WLOST", "GHOST", "Window", Props(20, {})) + Element("SLOST", "GHOST", "Shape", Props(7, {})) +
       Element("UNKNOWN", "", "Widget", Props(30, {})) + Element("SUB", "UNKNOWN", "Shape", Props(7, {})));
  EXPECT_EQ(Made("LOST"), nullptr);
  EXPECT_EQ(Made("KID"), nullptr);
  EXPECT_EQ(Made("WLOST"), nullptr);
  EXPECT_EQ(Made("UNKNOWN"), nullptr);
  EXPECT_NE(capture.output.find("'KID' not created: its parent was not created"), std::string::npos);
  // Shapes without a parent element are sticky active layers.
  ASSERT_EQ(kit.Gui().GetLayerCount(), 2);
  for (GuiLayer* layer : kit.Gui().GetLayers()) {
    EXPECT_EQ(layer->active, 1);
    EXPECT_EQ(layer->sticky, 1);
  }
  EXPECT_EQ(harness.loadProgressCounter.load(), 6);
}

// Shapes S0, S1, ... each naming the one before as its parent; nested each
// inside the one before, or side by side at the top.
std::string ShapeChain(int count, bool nested) {
  std::string props = "<DataField>";
  for (int p = 0; p < 7; ++p) props += "<Properties name=\"P\" value=\"1\"/>";
  props += "</DataField>";
  std::string xml;
  for (int i = 0; i < count; ++i) {
    const std::string parent = i == 0 ? "" : "S" + std::to_string(i - 1);
    xml += "<GuiElement id=\"S" + std::to_string(i) + "\" parentid=\"" + parent + "\" type=\"Shape\">" + props;
    xml += nested ? "<ChildElement>" : "</GuiElement>\n";
  }
  if (nested) {
    for (int i = 0; i < count; ++i) xml += "</ChildElement></GuiElement>";
  }
  return xml;
}

TEST_F(LoaderTextTest, DescriptionsDeeperThanTheBoundAreRefusedWithTheReason) {
  struct Case {
    const char* what;
    int count;
    bool nested;
    const char* reason;
  };
  // Nesting this deep once overflowed the stack; a chain of parent names
  // built a tree that every walk over it recursed through.
  const Case cases[] = {
      {"nested child elements", 20000, true, "'S33' not read: nested deeper than 32 levels"},
      {"a chain of parent names", 2000, false, "'S33' not created: its parent lies too deep"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    guitest::GuiTestKit chainKit;
    guitest::GuiActionHarness chainHarness(chainKit.Gui());
    CGuiXmlLoader chainLoader(&chainHarness, &chainKit.Gui());
    OutputCapture capture;
    chainLoader.LoadFromNode(XmlNode::ParseString(Description(ShapeChain(c.count, c.nested)).c_str(), "GUI"));
    int32_t deepest = 0;
    for (const GuiXmlElementDesc& desc : chainLoader.GetDescriptions()) {
      if (desc.element) deepest = std::max(deepest, desc.element->Depth());
    }
    EXPECT_EQ(deepest, CGuiXmlLoader::kMaxDescriptionDepth);
    EXPECT_NE(capture.output.find(c.reason), std::string::npos) << capture.output.substr(0, 300);
  }
}

TEST_F(LoaderTextTest, WindowLayersTakeStickinessFromTopAndActivityFromTheShownFlag) {
  struct Case {
    const char* name;
    const char* p0;
    const char* p8;
    uint8_t sticky, active;
  };
  const Case cases[] = {
      {"A", "TOP", "1", 1, 1}, {"B", "top", "1", 0, 1}, {"C", "", "0", 0, 0}, {"D", "TOP", "0", 1, 0}};
  std::string xml;
  for (const Case& c : cases) xml += Element(c.name, "", "Window", Props(20, {{0, c.p0}, {8, c.p8}}));
  Load(xml);
  const std::vector<GuiLayer*> layers = kit.Gui().GetLayers();
  ASSERT_EQ(layers.size(), 4u);
  for (size_t i = 0; i < 4; ++i) {
    SCOPED_TRACE(cases[i].name);
    EXPECT_EQ(layers[i]->sticky, cases[i].sticky);
    EXPECT_EQ(layers[i]->active, cases[i].active);
    EXPECT_EQ(layers[i]->root->IsVisible(), cases[i].active != 0);
  }
}

TEST_F(LoaderTextTest, WindowWithTitleBarNeedsTwentySixProperties) {
  Load(Element("SHORT", "", "Window", Props(25, {{19, "1"}})) +
       Element("TITLED", "", "Window", Props(26, {{19, "1"}, {25, "Caption"}})));
  EXPECT_EQ(Made("SHORT"), nullptr);
  ASSERT_NE(Made("TITLED"), nullptr);
}

TEST_F(LoaderTextTest, ColourComponentsKeepTheirLowEightBitsAndMissingOnesAreZero) {
  struct Case {
    const char* text;
    uint8_t r, g, b;
  };
  const Case cases[] = {
      {"300,1,2", 44, 1, 2}, {"5", 5, 0, 0}, {"", 0, 0, 0}, {"1,2,3,4", 1, 2, 3}, {"x,256,-1", 0, 0, 255}};
  std::string children;
  for (size_t i = 0; i < std::size(cases); ++i) {
    children += Element("T" + std::to_string(i), kRoot, "StaticText", Props(15, {{11, cases[i].text}}));
  }
  Load(RootWith(children));
  for (size_t i = 0; i < std::size(cases); ++i) {
    SCOPED_TRACE(cases[i].text);
    auto* text = dynamic_cast<CGuiStaticText*>(Made(("T" + std::to_string(i)).c_str()));
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->GetColour().alpha, 255);
    EXPECT_EQ(text->GetColour().red, cases[i].r);
    EXPECT_EQ(text->GetColour().green, cases[i].g);
    EXPECT_EQ(text->GetColour().blue, cases[i].b);
  }
}

TEST_F(LoaderTextTest, HugePositionsAndSizesAreHeldToTheScreenRangeAtEveryDepth) {
  const std::string huge = "2147483647";
  std::string nested =
      Element("DEEPEST", "D2", "StaticText", Props(15, {{1, huge}, {2, "-" + huge}, {3, huge}, {4, huge}}));
  nested = Element("D2", "D1", "Button", Props(20, {{1, huge}, {2, huge}, {3, "-" + huge}}), nested);
  nested = Element("D1", kRoot, "Button", Props(20, {{1, huge}, {2, huge}, {3, huge}, {4, huge}}), nested);
  Load(RootWith(nested));
  for (const char* id : {"D1", "D2", "DEEPEST"}) {
    SCOPED_TRACE(id);
    CGuiElement* element = Made(id);
    ASSERT_NE(element, nullptr);
    EXPECT_LE(std::abs(element->record->x), gui::kCoordinateLimit);
    EXPECT_LE(std::abs(element->record->y), gui::kCoordinateLimit);
    EXPECT_LE(std::abs(element->record->width), gui::kSizeLimit);
    EXPECT_LE(std::abs(element->record->height), gui::kSizeLimit);
    EXPECT_EQ(element->rect.right, element->record->x + element->record->width);
  }
  // Drawing and hit-testing the clamped tree must not overflow either.
  kit.Gui().UpdateLayers();
  kit.Gui().DrawLayers();
  EXPECT_FALSE(Made("DEEPEST")->ContainsPoint(0x7FFF, 0x7FFF));
}

TEST_F(LoaderTextTest, CheckBoxIsLockedUnlessItsFlagIsOne) {
  Load(RootWith(Element("OPEN", kRoot, "CheckBox", Props(19, {{3, "50"}, {8, "1"}, {18, "25"}})) +
                Element("LOCKED", kRoot, "CheckBox", Props(19, {{8, "yes"}}))));
  auto* open = dynamic_cast<CGuiCheckBox*>(Made("OPEN"));
  auto* locked = dynamic_cast<CGuiCheckBox*>(Made("LOCKED"));
  ASSERT_TRUE(open && locked);
  EXPECT_FALSE(open->IsLocked());
  EXPECT_FALSE(open->IsChecked());
  EXPECT_EQ(open->record->width, 75);
  EXPECT_TRUE(locked->IsLocked());
}

TEST_F(LoaderTextTest, GridColumnsAreSetUpOnlyWithAKnownCellFormat) {
  const auto grid = [](const char* format) {
    return Props(26, {{3, "300"}, {4, "100"}, {5, "100,200"}, {6, "2"}, {8, "4"}, {9, format}, {18, "A,B"}});
  };
  Load(RootWith(Element("SET", kRoot, "GridControl", grid("2")) + Element("PLAIN", kRoot, "GridControl", grid("7")) +
                Element("ZERO", kRoot, "GridControl", Props(26, {{6, "0"}, {8, "4"}}))));
  auto* set = dynamic_cast<CGuiGrid*>(Made("SET"));
  auto* plain = dynamic_cast<CGuiGrid*>(Made("PLAIN"));
  ASSERT_TRUE(set && plain);
  EXPECT_EQ(set->GetColumn(0)->width, 100);
  EXPECT_EQ(set->GetColumn(1)->width, 200);
  EXPECT_EQ(set->GetColumn(1)->format, 1u);
  EXPECT_EQ(plain->GetColumn(0)->width, 150);  // from the dimensions
  EXPECT_EQ(plain->GetColumn(1)->width, 150);
  EXPECT_EQ(Made("ZERO"), nullptr);  // the grid divides by its counts
}

TEST_F(LoaderTextTest, AnimatedButtonFramesAreNamedAfterTheImageValueNotTheWorkingDirectory) {
  // A "_" in the working directory's path must not cut the frame names; an
  // image value without one names its frames after the whole image.
  guitest::LoaderDir dir;
  dir.WriteImage("my_park/images/btn.png", 8, 8);
  dir.WriteImage("my_park/images/btn.pngbase_0.png", 8, 8);
  dir.WriteImage("my_park/images/go_base_0.png", 8, 8);
  loader.SetWorkingDirectory((dir.Path() / "my_park").string().c_str());
  Load(RootWith(Element("PLAIN", kRoot, "AnimatedButton", Props(21, {{7, "\\images\\btn.png"}})) +
                Element("CUT", kRoot, "AnimatedButton", Props(21, {{7, "\\images\\go_1.png"}}))));
  for (const char* name : {"PLAIN", "CUT"}) {
    auto* button = dynamic_cast<CGuiAnimButton*>(Made(name));
    ASSERT_NE(button, nullptr) << name;
    EXPECT_EQ(button->GetCount(kStateNormal), 1) << name;
  }
}

TEST_F(LoaderTextTest, HugeGridColumnWidthsAreHeldToTheSizeRangeAndTheirSumsFit) {
  Load(RootWith(Element("WIDE", kRoot, "GridControl",
                        Props(26, {{3, "300"}, {4, "100"}, {5, "2147483647,2147483647"}, {6, "2"}, {8, "4"},
                                   {9, "2"}, {18, "A,B"}}))));
  auto* grid = dynamic_cast<CGuiGrid*>(Made("WIDE"));
  ASSERT_NE(grid, nullptr);
  EXPECT_EQ(grid->GetColumn(0)->width, gui::kSizeLimit);
  EXPECT_EQ(grid->GetColumn(1)->width, gui::kSizeLimit);
  grid->Draw();  // sums the widths of every column: UBSan reported an overflow
}

struct DefineCase {
  const char* text;
  const char* name;
  int32_t value;
};

class DefineTest : public ::testing::TestWithParam<DefineCase> {};

TEST_P(DefineTest, ValueOfTheFirstDefine) {
  CGuiXmlLoader loader;
  loader.ParseDefines(GetParam().text);
  EXPECT_EQ(loader.GetDefine(GetParam().name), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(Defines, DefineTest,
                         ::testing::Values(DefineCase{"#define A 5\n#define A 7\n", "A", 5},
                                           DefineCase{"#define A 0x10", "A", 0}, DefineCase{"#define A -12", "A", -12},
                                           DefineCase{"#ifndef G\n#define G\n#define A 3\n", "A", 3},
                                           DefineCase{"#ifndef G\n#define G\n#define A 3\n", "G", -1},
                                           DefineCase{"#define A", "A", -1}, DefineCase{"#define A value", "A", -1},
                                           DefineCase{"#define A 99999999999", "A", 2147483647},
                                           DefineCase{"int A 4;", "A", -1}, DefineCase{"#define\tB\t\t42\r\n", "B", 42},
                                           DefineCase{"", "A", -1}));

struct SplitCase {
  const char* text;
  std::vector<std::string> pieces;
};

class SplitTest : public ::testing::TestWithParam<SplitCase> {};

TEST_P(SplitTest, PiecesBetweenSeparatorsUntrimmedWithEmptyOnesKept) {
  CGuiXmlLoader loader;
  EXPECT_EQ(loader.SplitList(GetParam().text, ','), int32_t(GetParam().pieces.size()));
  std::vector<std::string> pieces;
  for (const EngineString& piece : loader.GetPieces()) pieces.push_back(piece.Std());
  EXPECT_EQ(pieces, GetParam().pieces);
}

INSTANTIATE_TEST_SUITE_P(Split, SplitTest,
                         ::testing::Values(SplitCase{"a,b", {"a", "b"}}, SplitCase{"", {""}},
                                           SplitCase{"a,", {"a", ""}}, SplitCase{",,", {"", "", ""}},
                                           SplitCase{" a , b", {" a ", " b"}}));

// The game's description, which the loader reads by itself, and the demo
// panel's, read with the same defines file.
TEST(DemoGuiTest, DemoParkDescriptionsLoadWithNoRefusal) {
  const struct {
    const char* file;  // empty: the game's own
    bool actions;      // its buttons carry click actions
  } cases[] = {{"", false}, {"DemoGuiXML.xml", true}};
  for (const auto& c : cases) {
    SCOPED_TRACE(*c.file ? c.file : "GuiXML.xml");
    guitest::GuiTestKit kit;
    guitest::GuiActionHarness harness(kit.Gui());
    const std::filesystem::path previous = std::filesystem::current_path();
    std::filesystem::current_path(HALVENOR_PARK_DIR);
    OutputCapture capture;
    CGuiXmlLoader loader(&harness, &kit.Gui());
    if (*c.file) {
      const EngineString folder = EngineString(HALVENOR_PARK_DIR) + "\\guifiles\\";
      loader.SetWorkingDirectory(HALVENOR_PARK_DIR);
      loader.ReadDefines(folder + "guidefines.h");
      loader.LoadFromNode(XmlNode::OpenFileHelper((folder + c.file).CStr(), "GUI"));
    } else {
      loader.Load();
    }
    std::filesystem::current_path(previous);
    EXPECT_EQ(capture.output, "");
    ASSERT_FALSE(loader.GetDescriptions().empty());
    for (const GuiXmlElementDesc& desc : loader.GetDescriptions()) {
      EXPECT_NE(desc.element, nullptr) << desc.name.Std();
      EXPECT_NE(desc.id, -1) << desc.name.Std();
    }
    EXPECT_GE(kit.Gui().GetLayerCount(), 2);
    EXPECT_EQ(harness.actions.empty(), !c.actions);
    for (const GuiAction& action : harness.actions) EXPECT_NE(action.target, -1);
  }
}

}  // namespace
