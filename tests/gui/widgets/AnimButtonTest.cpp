// The animated button: which frame files are loaded, the frame run per
// state, the mouse table and its commands and sound.
#include <gtest/gtest.h>

#include <ostream>

#include <filesystem>
#include <string>
#include <vector>

#include "gui/widgets/CGuiAnimButton.h"
#include "tests/gui/widgets/WidgetTestSupport.h"

namespace {

using widgettest::QueuedWithCode;

constexpr int32_t kButtonId = 900;
constexpr int32_t kNormal = 0;
constexpr int32_t kHover = 1;
constexpr int32_t kPressed = 2;
constexpr int32_t kDisabled = 3;

// A 100 x 40 button at (100, 100) on a page; the frame files are written
// into the kit's folder as asked.
class AnimButtonTest : public ::testing::Test {
 protected:
  void SetUp() override {
    page = kit.Add(nullptr, 100, 0, 0, 1024, 768);
    button = kit.Add<CGuiAnimButton>(page, kButtonId, 100, 100, 100, 40, 13);
  }

  // Writes the files and returns the folder, with its separator.
  EngineString Frames(const std::vector<std::string>& names) {
    std::string folder;
    for (const std::string& name : names) {
      const std::string path = kit.Image(name, 8, 8).CStr();
      folder = std::filesystem::path(path).parent_path().string() + "/";
    }
    return folder.c_str();
  }

  // Which frame of the state's run the next draw shows (-1: none of them).
  int32_t DrawnFrame(int32_t state) {
    const widgettest::Drawn drawn = widgettest::DrawOnce(kit, *button);
    for (int32_t i = 0; i < button->GetCount(state); ++i) {
      if (!drawn.QuadsOf(button->GetFrame(state, i)).empty()) return i;
    }
    return -1;
  }

  static std::string FileOf(const ZOdevuvTexture* frame) {
    return frame ? std::filesystem::path(frame->GetFileName()).filename().string() : std::string();
  }

  guitest::GuiTestKit kit;
  CGuiElement* page = nullptr;
  CGuiAnimButton* button = nullptr;
};

TEST_F(AnimButtonTest, LoadsBaseFramesFromZeroAndTheOthersFromOne) {
  const EngineString folder =
      Frames({"base_0.png", "base_1.png", "base_2.png", "base_3.png", "hover_1.png", "hover_2.png", "hover_3.png",
              "pressed_1.png", "disable_1.png"});
  button->LoadFrames(folder, 3, 2, 0, 0);
  const struct {
    int32_t state;
    std::vector<std::string> files;
  } runs[] = {{kNormal, {"base_0.png", "base_1.png", "base_2.png"}},
              {kHover, {"hover_1.png", "hover_2.png"}},
              {kPressed, {}},
              {kDisabled, {}}};
  for (const auto& run : runs) {
    ASSERT_EQ(button->GetCount(run.state), int32_t(run.files.size())) << "state " << run.state;
    for (std::size_t i = 0; i < run.files.size(); ++i) {
      EXPECT_EQ(FileOf(button->GetFrame(run.state, int32_t(i))), run.files[i]);
    }
  }
}

TEST_F(AnimButtonTest, FramesThatDoNotLoadAreLeftOutOfTheRun) {
  const EngineString folder = Frames({"base_0.png", "hover_1.png", "hover_2.png", "hover_4.png"});
  button->LoadFrames(folder, 1, 5, 2, 0);
  ASSERT_EQ(button->GetCount(kHover), 3);
  EXPECT_EQ(FileOf(button->GetFrame(kHover, 2)), "hover_4.png");
  EXPECT_EQ(button->GetCount(kPressed), 0);
}

TEST_F(AnimButtonTest, RunPlaysOnceAndHoldsItsLastFrame) {
  button->LoadFrames(Frames({"base_0.png", "base_1.png", "base_2.png"}), 3, 0, 0, 0);
  std::vector<int32_t> shown;
  for (int i = 0; i < 6; ++i) shown.push_back(DrawnFrame(kNormal));
  EXPECT_EQ(shown, (std::vector<int32_t>{0, 1, 2, 2, 2, 2}));
}

TEST_F(AnimButtonTest, HoverRunContinuesFromTheSharedIndexAndRestartsWhenEnded) {
  button->LoadFrames(Frames({"base_0.png", "base_1.png", "base_2.png", "hover_1.png", "hover_2.png"}), 3, 2, 0, 0);
  for (int i = 0; i < 3; ++i) DrawnFrame(kNormal);
  ASSERT_EQ(button->GetFrameIndex(), 3);
  // The normal run has ended beyond the hover run: the last hover frame at once.
  kit.Route(gui::kMouseMove, 150, 120);
  EXPECT_EQ(button->record->state, kHover);
  EXPECT_EQ(DrawnFrame(kHover), 1);
  EXPECT_EQ(DrawnFrame(kHover), 1);
  ASSERT_EQ(button->GetFrameIndex(), 2);
  // A move right after the last hover frame was drawn plays the run again.
  kit.Route(gui::kMouseMove, 151, 120);
  EXPECT_EQ(button->GetFrameIndex(), 0);
  EXPECT_EQ(DrawnFrame(kHover), 0);
  EXPECT_EQ(DrawnFrame(kHover), 1);
}

TEST_F(AnimButtonTest, EmptyPressedRunDrawsThePlainLookAndTheNormalRunThenHolds) {
  button->LoadFrames(Frames({"base_0.png", "base_1.png"}), 2, 0, 0, 0);
  button->SetBackgroundTexture(kit.Image("plain.png", 100, 40));
  kit.Route(gui::kLeftDown, 150, 120);
  ASSERT_EQ(button->record->state, kPressed);
  const widgettest::Drawn pressed = widgettest::DrawOnce(kit, *button);
  EXPECT_EQ(pressed.QuadsOf(button->record->backgroundTexture.get()).size(), 1u);
  EXPECT_EQ(button->GetFrameIndex(), -1);
  kit.Route(gui::kLeftUp, 150, 120);
  EXPECT_EQ(DrawnFrame(kNormal), 1) << "released: the last normal frame at once";
}

struct AnimMessageCase {
  const char* what;
  unsigned message;
  bool inside;
  int32_t state;
  int32_t code;  // -1: nothing posted
  bool sound;
  bool taken;
};

void PrintTo(const AnimMessageCase& c, std::ostream* os) { *os << c.what; }

class AnimButtonMessageTest : public AnimButtonTest, public ::testing::WithParamInterface<AnimMessageCase> {};

TEST_P(AnimButtonMessageTest, MouseMessagesSetTheStateAndPostTheButtonCommands) {
  const AnimMessageCase& c = GetParam();
  button->record->state = 7;  // none of the states: shows whether it was set
  const int32_t x = c.inside ? 150 : 600;
  EXPECT_EQ(kit.Route(c.message, x, 120), c.taken) << c.what;
  EXPECT_EQ(button->record->state, c.state) << c.what;
  const auto queued = widgettest::Queued(kit);
  if (c.code < 0) {
    EXPECT_TRUE(queued.empty()) << c.what;
  } else {
    ASSERT_EQ(queued.size(), 1u) << c.what;
    EXPECT_EQ(queued[0].code, c.code);
    EXPECT_EQ(queued[0].sender, kButtonId);
    EXPECT_EQ(queued[0].target, -1);
  }
  const std::vector<std::string> sounds = c.sound ? std::vector<std::string>{"ANIMBUTTON_CLICK"}
                                                   : std::vector<std::string>{};
  EXPECT_EQ(kit.Sounds(), sounds) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Table, AnimButtonMessageTest,
    ::testing::Values(AnimMessageCase{"move inside", gui::kMouseMove, true, kHover, -1, false, false},
                      AnimMessageCase{"move outside", gui::kMouseMove, false, kNormal, -1, false, false},
                      AnimMessageCase{"left down", gui::kLeftDown, true, kPressed, kCmdLeftDown, false, true},
                      AnimMessageCase{"left up", gui::kLeftUp, true, kNormal, kCmdClick, true, true},
                      AnimMessageCase{"left double click", gui::kLeftDoubleClick, true, kNormal, kCmdDoubleClick,
                                      true, true},
                      AnimMessageCase{"right down", gui::kRightDown, true, kPressed, kCmdRightDown, false, true},
                      AnimMessageCase{"right up", gui::kRightUp, true, kNormal, kCmdRightClick, true, true},
                      AnimMessageCase{"right double click", gui::kRightDoubleClick, true, kNormal,
                                      kCmdRightDoubleClick, true, true},
                      AnimMessageCase{"left down outside keeps the state", gui::kLeftDown, false, 7, -1, false,
                                      false},
                      AnimMessageCase{"middle down is no button message of its own", gui::kMiddleDown, true, 7,
                                      -1, false, false}));

TEST_F(AnimButtonTest, FixedColourButtonIgnoresTheMouseAndUsesTheFourthColour) {
  const GuiColour fixed{255, 1, 2, 3};
  button->SetTextColours(kGuiBlack, kGuiBlack, kGuiBlack, fixed);
  button->SetText("Play", 5);
  EXPECT_FALSE(button->SetFixedTextColour(true));
  kit.Route(gui::kLeftDown, 150, 120);
  kit.Route(gui::kLeftUp, 150, 120);
  EXPECT_TRUE(widgettest::Queued(kit).empty());
  EXPECT_TRUE(kit.Sounds().empty());
  const widgettest::Drawn drawn = widgettest::DrawOnce(kit, *button);
  ASSERT_NE(drawn.Text("Play"), nullptr);
  EXPECT_EQ(drawn.Text("Play")->color, fixed.Argb());
  EXPECT_EQ(drawn.Text("Play")->format, 5u);
  EXPECT_EQ(drawn.Text("Play")->rect.top, 104);
}

TEST_F(AnimButtonTest, CaptionTakesTheColourOfTheState) {
  const GuiColour hover{255, 0, 200, 0};
  button->SetTextColours(kGuiBlack, hover, kGuiBlack, kGuiWhite);
  button->SetText("Play", 5);
  kit.Route(gui::kMouseMove, 150, 120);
  const widgettest::Drawn drawn = widgettest::DrawOnce(kit, *button);
  ASSERT_NE(drawn.Text("Play"), nullptr);
  EXPECT_EQ(drawn.Text("Play")->color, hover.Argb());
}

TEST_F(AnimButtonTest, HiddenButtonIsNeitherDrawnNorClickable) {
  button->LoadFrames(Frames({"base_0.png"}), 1, 0, 0, 0);
  button->SetText("Play", 5);
  button->Hide(nullptr);
  const widgettest::Drawn drawn = widgettest::DrawOnce(kit, *button);
  EXPECT_TRUE(drawn.quads.empty());
  EXPECT_TRUE(drawn.texts.empty());
  EXPECT_FALSE(kit.Route(gui::kLeftUp, 150, 120));
  EXPECT_TRUE(widgettest::Queued(kit).empty());
}

TEST_F(AnimButtonTest, DisabledButtonTakesNoClicksAndShowsTheDisabledRunWhenSetToIt) {
  button->LoadFrames(Frames({"base_0.png", "disable_1.png"}), 1, 0, 0, 1);
  button->Disable(nullptr);
  EXPECT_FALSE(kit.Route(gui::kLeftUp, 150, 120));
  EXPECT_TRUE(widgettest::Queued(kit).empty());
  button->record->state = kDisabled;
  EXPECT_EQ(DrawnFrame(kDisabled), 0);
}

}  // namespace
