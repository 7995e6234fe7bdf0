// The edit box: focus through its own commands and the dispatcher, the key
// table with Shift and Caps Lock, digits only, maximum length, and the caret
// blinking on the tick clock.
#include <gtest/gtest.h>

#include <ostream>

#include <vector>

#include "gui/widgets/CGuiEditBox.h"
#include "platform/os/Window.h"
#include "tests/gui/widgets/WidgetTestSupport.h"

namespace {

using widgettest::QueuedWithCode;

constexpr int32_t kPageId = 100;
constexpr int32_t kEditId = 600;
constexpr int32_t kX = 100;
constexpr int32_t kY = 100;

// A 200 x 30 edit box on a page, and a headless window, whose key state
// gives Shift and Caps Lock.
class EditBoxTest : public ::testing::Test {
 protected:
  void SetUp() override {
    plat::ResetMessageQueue();
    window = plat::CreateGameWindow("edit", 100, 100, plat::WindowBackend::Headless);
    ASSERT_NE(window, nullptr);
    page = kit.Add(nullptr, kPageId, 0, 0, 1024, 768);
    edit = kit.Add<CGuiEditBox>(page, kEditId, kX, kY, 200, 30, 10);
  }

  void TearDown() override {
    plat::DestroyGameWindow(window);
    plat::ResetMessageQueue();
  }

  // A left click at the point, then the command pass.
  void ClickAt(int32_t x, int32_t y) { widgettest::ClickAt(kit, x, y); }

  void Focus() { ClickAt(150, 115); }

  bool Type(int32_t key) { return kit.Route(gui::kKeyDown, 0, 0, std::uintptr_t(key)); }

  plat::WindowHandle window = nullptr;
  guitest::GuiTestKit kit;
  CGuiElement* page = nullptr;
  CGuiEditBox* edit = nullptr;
};

TEST_F(EditBoxTest, ClickInsideFocusesAndClickOutsideUnfocusesThroughTheDispatcher) {
  kit.mouse.x = 150;
  kit.mouse.y = 115;
  kit.mouse.left = true;
  kit.RunFrame();
  kit.mouse.left = false;
  kit.Route(gui::kLeftUp, 150, 115);
  const auto gain = QueuedWithCode(kit, kCmdGainFocus);
  ASSERT_EQ(gain.size(), 1u);
  EXPECT_EQ(gain[0].sender, kEditId);
  EXPECT_EQ(gain[0].target, kEditId);
  EXPECT_EQ(kit.Sounds(), std::vector<std::string>{"EDIT_CLICK"});
  kit.RunFrame();
  EXPECT_TRUE(edit->IsFocused());
  EXPECT_TRUE(widgettest::Queued(kit).empty()) << "the box consumed its command";

  kit.ClearSounds();
  ClickAt(500, 500);
  EXPECT_FALSE(edit->IsFocused());
  EXPECT_TRUE(kit.Sounds().empty());
  EXPECT_TRUE(widgettest::Queued(kit).empty());
}

TEST_F(EditBoxTest, FocusCommandsOfOtherSendersAreIgnored) {
  GuiCommand command = widgettest::Command(999, kEditId, kCmdGainFocus);
  edit->OnGainFocus(&command);
  EXPECT_FALSE(edit->IsFocused());
  EXPECT_EQ(command.sender, 999);
  Focus();
  command = widgettest::Command(999, kEditId, kCmdLoseFocus);
  edit->OnLoseFocus(&command);
  EXPECT_TRUE(edit->IsFocused());
}

enum Modifier { kNone = 0, kShift = 1, kCaps = 2 };

struct KeyCase {
  const char* what;
  int modifiers;
  bool digitsOnly;
  int32_t maximumLength;
  const char* start;
  std::vector<int32_t> keys;
  const char* text;
  bool taken;  // whether the last key was taken
};

void PrintTo(const KeyCase& c, std::ostream* os) { *os << c.what; }

class EditBoxKeyTest : public EditBoxTest, public ::testing::WithParamInterface<KeyCase> {};

TEST_P(EditBoxKeyTest, KeysTypeIntoAFocusedBox) {
  const KeyCase& c = GetParam();
  if (c.modifiers & kShift) plat::DeliverKey(plat::kVkShift, true, false, false);
  if (c.modifiers & kCaps) plat::SetKeyToggled(plat::kVkCapital, true);
  edit->digitsOnly = c.digitsOnly ? 1 : 0;
  edit->maximumLength = c.maximumLength;
  edit->SetText(c.start, 4, kGuiBlack);
  Focus();
  bool taken = false;
  for (int32_t key : c.keys) taken = Type(key);
  EXPECT_EQ(edit->GetText(), c.text) << c.what;
  EXPECT_EQ(taken, c.taken) << c.what;
  EXPECT_EQ(edit->GetLastKey(), c.keys.back());
}

INSTANTIATE_TEST_SUITE_P(
    Table, EditBoxKeyTest,
    ::testing::Values(
        KeyCase{"letters are lower case", kNone, false, -1, "", {'H', 'I'}, "hi", true},
        KeyCase{"Shift gives upper case", kShift, false, -1, "", {'H', 'I'}, "HI", true},
        KeyCase{"Caps Lock gives upper case", kCaps, false, -1, "", {'Q'}, "Q", true},
        KeyCase{"Shift with Caps Lock is still upper case", kShift | kCaps, false, -1, "", {'Q'}, "Q", true},
        KeyCase{"digits and the space", kNone, false, -1, "", {'1', ' ', '9'}, "1 9", true},
        KeyCase{"digits only ignores letters and the space", kNone, true, -1, "", {'A', '4', ' ', '2'}, "42",
                true},
        KeyCase{"the maximum length stops letters and digits", kNone, false, 3, "abc", {'D', '7', ' '}, "abc",
                true},
        KeyCase{"Backspace works at the maximum length", kNone, false, 3, "abc", {plat::kVkBack}, "ab", true},
        KeyCase{"Delete removes the last character", kNone, false, -1, "abc", {plat::kVkDelete}, "ab", true},
        KeyCase{"Backspace on an empty text", kNone, false, -1, "", {plat::kVkBack, plat::kVkBack}, "", true},
        KeyCase{"Delete on an empty text", kNone, false, -1, "", {plat::kVkDelete}, "", true},
        KeyCase{"arrows pass on", kNone, false, -1, "ab", {plat::kVkLeft}, "ab", false},
        KeyCase{"punctuation passes on", kNone, false, -1, "ab", {0xBA}, "ab", false},
        KeyCase{"the numeric pad passes on", kNone, false, -1, "ab", {plat::kVkNumpad0}, "ab", false},
        KeyCase{"function keys pass on", kNone, false, -1, "ab", {plat::kVkF1}, "ab", false}));

TEST_F(EditBoxTest, UnfocusedOrHiddenBoxIgnoresKeysAndClicks) {
  EXPECT_FALSE(Type('A'));
  EXPECT_EQ(edit->GetText(), "");
  edit->Hide(nullptr);
  kit.Route(gui::kLeftUp, 150, 115);
  EXPECT_TRUE(widgettest::Queued(kit).empty());
}

TEST_F(EditBoxTest, CaretBlinksEveryIntervalAfterTheText) {
  edit->SetText("abc", 4, kGuiBlack);
  Focus();
  const struct {
    uint32_t advance;  // ms before this draw
    bool shown;
  } steps[] = {{0, false}, {499, false}, {1, true}, {300, true}, {199, true}, {1, false}, {500, true}};
  for (const auto& step : steps) {
    kit.Clock().AdvanceMs(step.advance);
    const widgettest::Drawn drawn = widgettest::DrawOnce(kit, *edit);
    const plat::TextRecord* caret = drawn.Text("|");
    EXPECT_EQ(caret != nullptr, step.shown) << "after " << step.advance;
    if (caret) {
      EXPECT_EQ(caret->rect.left, kX + 2 + 3 * guitest::kCharWidth);
    }
  }
}

TEST_F(EditBoxTest, NoCaretWithoutFocus) {
  edit->SetText("abc", 4, kGuiBlack);
  for (int i = 0; i < 3; ++i) {
    kit.Clock().AdvanceMs(600);
    EXPECT_EQ(widgettest::DrawOnce(kit, *edit).Text("|"), nullptr);
  }
  const widgettest::Drawn drawn = widgettest::DrawOnce(kit, *edit);
  const plat::TextRecord* text = drawn.Text("abc");
  ASSERT_NE(text, nullptr);
  EXPECT_EQ(text->rect.left, kX + 2);
  EXPECT_EQ(text->rect.top, kY + 3);
}

// Two boxes on separate pages side by side: a click on one never reaches
// the other, yet only one of them may take the keys.
TEST_F(EditBoxTest, FocusingABoxOnAnotherPageTakesTheFocusFromTheFirst) {
  page->SetSize(400, 300);
  CGuiElement* other = kit.Add(nullptr, kPageId + 1, 500, 450, 300, 100);
  auto* second = kit.Add<CGuiEditBox>(other, kEditId + 1, 20, 20, 200, 30, 10);
  Focus();
  ASSERT_TRUE(edit->IsFocused());
  EXPECT_EQ(kit.Gui().GetFocusedId(), kEditId);

  ClickAt(600, 485);
  EXPECT_TRUE(second->IsFocused());
  EXPECT_FALSE(edit->IsFocused());
  EXPECT_EQ(kit.Gui().GetFocusedId(), kEditId + 1);
  Type('A');
  EXPECT_EQ(edit->GetText(), "");
  EXPECT_EQ(second->GetText(), "a");

  ClickAt(900, 50);  // outside both pages: nobody is told, the focus stays
  EXPECT_TRUE(second->IsFocused());
  ClickAt(650, 520);  // inside the second page, outside its box
  EXPECT_FALSE(second->IsFocused());
  EXPECT_EQ(kit.Gui().GetFocusedId(), -1);
}

}  // namespace
