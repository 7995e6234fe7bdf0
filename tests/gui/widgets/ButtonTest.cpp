// CGuiButton: presses, clicks, sounds, hover, dragging and the caption.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "engine/core/Globals.h"
#include "gui/widgets/CGuiButton.h"
#include "platform/gfx/Device.h"
#include "tests/gui/kit/GuiTestKit.h"

namespace {

struct Step {
  unsigned message;
  int32_t x, y;
};

struct ButtonCase {
  const char* what;
  std::vector<Step> steps;
  bool enabled;
  bool interactive;
  std::vector<int32_t> codes;
  std::vector<std::string> sounds;
  int32_t state;
};

void PrintTo(const ButtonCase& c, std::ostream* os) { *os << c.what; }

// A button 7 at (100, 100), 80 by 30, on a full-screen root.
class ButtonFixture : public ::testing::Test {
 protected:
  ButtonFixture() {
    root = kit.Add<CGuiElement>(nullptr, 1, 0, 0, 1024, 768);
    button = kit.Add<CGuiButton>(root, 7, 100, 100, 80, 30, kElementTypeButton, 4);
  }

  std::vector<int32_t> PostedCodes() {
    std::vector<int32_t> codes;
    for (const GuiCommand& command : kit.Gui().GetCommandQueue().Snapshot()) {
      EXPECT_EQ(command.sender, 7);
      EXPECT_EQ(command.target, -1);
      codes.push_back(command.code);
    }
    return codes;
  }

  guitest::GuiTestKit kit;
  CGuiElement* root;
  CGuiButton* button;
};

class ButtonClickTest : public ButtonFixture, public ::testing::WithParamInterface<ButtonCase> {};

TEST_P(ButtonClickTest, PostsTheCodesAndSoundsOfTheMessages) {
  const ButtonCase& c = GetParam();
  if (!c.enabled) button->Disable(nullptr);
  button->interactive = c.interactive ? 1 : 0;
  for (const Step& step : c.steps) kit.Route(step.message, step.x, step.y, 0);
  EXPECT_EQ(PostedCodes(), c.codes) << c.what;
  EXPECT_EQ(kit.Sounds(), c.sounds) << c.what;
  EXPECT_EQ(button->record->state, c.state) << c.what;
}

const std::vector<std::string> kClick = {"BUTTON_CLICK"};
const std::vector<std::string> kSilent = {};

INSTANTIATE_TEST_SUITE_P(
    Table, ButtonClickTest,
    ::testing::Values(
        ButtonCase{"press and release inside", {{gui::kLeftDown, 120, 110}, {gui::kLeftUp, 120, 110}}, true, true,
                   {kCmdLeftDown, kCmdClick}, kClick, kStateNormal},
        ButtonCase{"press inside, release outside", {{gui::kLeftDown, 120, 110}, {gui::kLeftUp, 300, 300}}, true,
                   true, {kCmdLeftDown}, kSilent, kStatePressed},
        ButtonCase{"a press alone shows the pressed cell", {{gui::kLeftDown, 120, 110}}, true, true,
                   {kCmdLeftDown}, kSilent, kStatePressed},
        ButtonCase{"right press and release", {{gui::kRightDown, 120, 110}, {gui::kRightUp, 120, 110}}, true, true,
                   {kCmdRightDown, kCmdRightClick}, kClick, kStateNormal},
        ButtonCase{"double clicks", {{gui::kLeftDoubleClick, 120, 110}, {gui::kRightDoubleClick, 120, 110}}, true,
                   true, {kCmdDoubleClick, kCmdRightDoubleClick}, {"BUTTON_CLICK", "BUTTON_CLICK"}, kStateNormal},
        ButtonCase{"the middle button does nothing", {{gui::kMiddleDown, 120, 110}, {gui::kMiddleUp, 120, 110}},
                   true, true, {}, kSilent, kStateNormal},
        ButtonCase{"a disabled button", {{gui::kLeftDown, 120, 110}, {gui::kLeftUp, 120, 110}}, false, true, {},
                   kSilent, kStateNormal},
        ButtonCase{"a button that is not interactive", {{gui::kLeftDown, 120, 110}, {gui::kLeftUp, 120, 110}},
                   true, false, {}, kSilent, kStateNormal},
        ButtonCase{"the edge is outside", {{gui::kLeftDown, 100, 110}, {gui::kLeftUp, 100, 110}}, true, true, {},
                   kSilent, kStateNormal},
        ButtonCase{"hover inside, normal outside", {{gui::kMouseMove, 120, 110}}, true, true, {}, kSilent,
                   kStateHover},
        ButtonCase{"leaving drops the hover", {{gui::kMouseMove, 120, 110}, {gui::kMouseMove, 20, 10}}, true, true,
                   {}, kSilent, kStateNormal}),
    [](const ::testing::TestParamInfo<ButtonCase>& info) { return "Case" + std::to_string(info.index); });

TEST_F(ButtonFixture, ChildrenOfAButtonThatIsNotInteractiveStillSeeMessages) {
  auto* child = kit.Add(button, 8, 5, 5, 20, 20);
  button->SetFixedTextColour(true);
  kit.Route(gui::kLeftDown, 110, 110);
  EXPECT_EQ(child->messages, std::vector<unsigned>{gui::kLeftDown});
  EXPECT_TRUE(PostedCodes().empty());
}

TEST_F(ButtonFixture, APressAndReleaseThroughFramesPostsOnceEachAndPlaysOnce) {
  std::vector<int32_t> codes;
  kit.mainHandler = [&codes](GuiCommand* command) { codes.push_back(command->code); };
  kit.mouse = {120, 110, true};
  kit.RunFrame();
  kit.mouse.left = false;
  kit.RunFrame();
  EXPECT_EQ(codes, (std::vector<int32_t>{kCmdLeftDown, kCmdClick}));
  EXPECT_EQ(kit.Sounds(), kClick);
}

TEST_F(ButtonFixture, NoSoundManagerMeansNoSoundAndNoCrash) {
  // The same release plays the click while the sound manager is there.
  kit.Route(gui::kLeftUp, 120, 110);
  ASSERT_EQ(kit.Sounds(), kClick);
  kit.ClearSounds();
  SoundManager* sound = g_sound;
  g_sound = nullptr;
  kit.Route(gui::kLeftUp, 120, 110);
  g_sound = sound;
  EXPECT_EQ(PostedCodes(), (std::vector<int32_t>{kCmdClick, kCmdClick}));
  EXPECT_TRUE(kit.Sounds().empty());
}

// A horizontal slider knob: the top-left corner may move from x 50 to 200.
class ButtonDragTest : public ButtonFixture {
 protected:
  void SetUp() override {
    button->dragHorizontal = 1;
    button->SetDragMin(50, 0);
    button->SetDragMax(200, 0);
    kit.Route(gui::kLeftDown, 120, 110, gui::kHeldLeft);
    kit.Gui().RemoveDoneCommands();
    kit.Gui().RunCommandPass(nullptr);
    kit.Gui().RemoveDoneCommands();
  }

  std::vector<GuiCommand> Drags() {
    std::vector<GuiCommand> drags;
    for (const GuiCommand& command : kit.Gui().GetCommandQueue().Snapshot()) {
      if (command.code == kCmdDragX || command.code == kCmdDragY) drags.push_back(command);
    }
    return drags;
  }
};

TEST_F(ButtonDragTest, MovesWithinItsLimitsAndPostsTheMovement) {
  kit.Route(gui::kMouseMove, 150, 110, gui::kHeldLeft);
  EXPECT_EQ(button->record->x, 110);  // centred on the pointer
  std::vector<GuiCommand> drags = Drags();
  ASSERT_EQ(drags.size(), 1u);
  EXPECT_EQ(drags[0].code, kCmdDragX);
  EXPECT_EQ(drags[0].control, 30);
  EXPECT_EQ(drags[0].parameter, 110);
  EXPECT_EQ(button->rect.left, 110);

  kit.Route(gui::kMouseMove, 400, 110, gui::kHeldLeft);
  EXPECT_EQ(button->record->x, 110) << "beyond the maximum it stays";
  EXPECT_EQ(Drags().size(), 1u) << "and posts nothing";
}

TEST_F(ButtonDragTest, AMoveWithoutTheLeftButtonEndsTheDrag) {
  // The release happened where the button never saw it.
  kit.Route(gui::kMouseMove, 150, 110, 0);
  kit.Route(gui::kMouseMove, 160, 110, gui::kHeldLeft);
  EXPECT_EQ(button->record->x, 100);
  EXPECT_TRUE(Drags().empty());
  EXPECT_FALSE(button->IsHeld());
}

struct EvadeCase {
  int32_t x, y;            // the button's top-left
  int32_t pointerX, pointerY;
  int32_t newX, newY;
};

TEST_F(ButtonFixture, AnEvasiveButtonJumpsAwayAndStaysOnTheScreen) {
  button->evasive = 1;
  const EvadeCase cases[] = {
      {500, 400, 510, 405, 630, 445},  // away: three times the offset from the centre
      {960, 300, 970, 305, 910, 345},  // away would leave the screen: the other way
  };
  for (const EvadeCase& c : cases) {
    button->record->x = c.x;
    button->record->y = c.y;
    button->UpdateRect();
    kit.Route(gui::kMouseMove, c.pointerX, c.pointerY);
    EXPECT_EQ(button->record->x, c.newX) << c.x << "," << c.y;
    EXPECT_EQ(button->record->y, c.newY) << c.x << "," << c.y;
    EXPECT_EQ(button->rect.left, c.newX);
  }
}

TEST_F(ButtonFixture, TheCaptionTakesTheColourOfTheStateAndIsShiftedDown) {
  button->SetText("Build", 5);
  button->SetTextColours({255, 1, 0, 0}, {255, 2, 0, 0}, {255, 3, 0, 0}, {255, 4, 0, 0});
  kit.Device().Record().Enable(true);
  const auto drawnColour = [this] {
    kit.Device().Record().Clear();
    kit.Device().BeginScene();
    kit.Gui().DrawLayers();
    kit.Device().EndScene();
    const std::vector<plat::TextRecord> texts = kit.Device().Record().Texts();
    EXPECT_EQ(texts.size(), 1u);
    if (texts.empty()) return 0u;
    EXPECT_EQ(texts[0].text, "Build");
    EXPECT_EQ(texts[0].rect.top, 103);
    return texts[0].color;
  };
  EXPECT_EQ(drawnColour(), 0xFF010000u);
  button->record->state = kStatePressed;
  EXPECT_EQ(drawnColour(), 0xFF030000u);
  button->SetFixedTextColour(true);
  EXPECT_EQ(drawnColour(), 0xFF040000u);
  button->forcedStateOn = 1;
  button->forcedState = kStateHover;
  button->SetFixedTextColour(false);
  EXPECT_EQ(drawnColour(), 0xFF020000u);
}

TEST_F(ButtonFixture, AHiddenOrSuppressedButtonDrawsNoCaption) {
  button->SetText("Build", 5);
  kit.Device().Record().Enable(true);
  button->Hide(nullptr);
  kit.Device().BeginScene();
  kit.Gui().DrawLayers();
  button->Show(nullptr);
  button->suppressed = 1;
  kit.Gui().DrawLayers();
  kit.Device().EndScene();
  EXPECT_TRUE(kit.Device().Record().Texts().empty());
}

}  // namespace
