// CGuiTextBox: wrapping, scrolling and its scroll bar. The kit's default
// font is 10 pixels a character and 14 a line.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "gui/widgets/CGuiTextBox.h"
#include "gui/widgets/CGuiVScroll.h"
#include "platform/gfx/Device.h"
#include "tests/gui/kit/GuiTestKit.h"

namespace {

std::vector<std::string> Lines(const CGuiTextBox& box) {
  std::vector<std::string> lines;
  for (const EngineString& line : box.GetLines()) lines.push_back(line.Std());
  return lines;
}

struct WrapCase {
  const char* what;
  const char* text;
  int32_t width;
  std::vector<std::string> lines;
};

void PrintTo(const WrapCase& c, std::ostream* os) { *os << c.what; }

class TextBoxWrapTest : public ::testing::TestWithParam<WrapCase> {};

TEST_P(TextBoxWrapTest, BreaksTheTextIntoLinesNarrowerThanTheBox) {
  const WrapCase& c = GetParam();
  guitest::GuiTestKit kit;
  auto* box = kit.Add<CGuiTextBox>(nullptr, 50, 0, 0, c.width, 700);
  box->SetText(-1, c.text);
  EXPECT_EQ(Lines(*box), c.lines) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Table, TextBoxWrapTest,
    ::testing::Values(
        WrapCase{"an empty text gives one empty line", "", 100, {""}},
        WrapCase{"a text that fits stays whole", "hello world", 200, {"hello world"}},
        WrapCase{"breaks at the blank before a word that does not fit", "hello world", 100, {"hello", "world"}},
        WrapCase{"a line must stay narrower than the box", "one two x", 75, {"one two", "x"}},
        WrapCase{"a word wider than the box is broken by characters", "abcdefghijkl", 50,
                 {"abcd", "efgh", "ijkl"}},
        WrapCase{"a long word after a short one", "a verylongword", 50, {"a", "very", "long", "word"}},
        WrapCase{"a line feed ends a line and shows in neither", "ab\ncd", 100, {"ab", "cd"}},
        WrapCase{"a final line feed adds no line", "ab\n", 100, {"ab"}},
        WrapCase{"a one-letter word after the last line feed", "abc\nd", 100, {"abc", "d"}},
        WrapCase{"a one-letter word after the last break at a blank", "abcdefg h", 80, {"abcdefg", "h"}},
        WrapCase{"the rest after a break is wrapped too", "ab cdefghijkl\nm", 50, {"ab", "cdef", "ghij", "kl", "m"}},
        WrapCase{"a box narrower than one character ends, a character a line", "abc", 5, {"a", "b", "c"}},
        WrapCase{"a box of no width ends too", "a b", 0, {"a", "", "b"}}),
    [](const ::testing::TestParamInfo<WrapCase>& info) { return "Case" + std::to_string(info.index); });

// A box at (100, 100), 200 by 70 (five lines), with a scroll bar whose
// arrows are 16 by 16: the bar sits at x 284, its track is 38 high.
class TextBoxScrollTest : public ::testing::Test {
 protected:
  TextBoxScrollTest() {
    root = kit.Add<CGuiElement>(nullptr, 1, 0, 0, 1024, 768);
    box = kit.Add<CGuiTextBox>(root, 50, 100, 100, 200, 70);
    box->CreateScrollBar(kit.Image("track.png", 16, 70), kit.Image("up.png", 64, 16), kit.Image("down.png", 64, 16),
                         kit.Image("thumb.png", 16, 16), 0);
    bar = box->GetScrollBar();
  }

  // n words "w0".."w(n-1)" that never share a line in a box of 200.
  static EngineString Words(int n) {
    std::string text;
    for (int i = 0; i < n; ++i) text += (i ? " " : "") + std::string(15, char('a' + i % 26));
    return text.c_str();
  }

  guitest::GuiTestKit kit;
  CGuiElement* root;
  CGuiTextBox* box;
  CGuiVScroll* bar = nullptr;
};

TEST_F(TextBoxScrollTest, TheScrollBarSitsAtTheRightEdge) {
  ASSERT_NE(bar, nullptr);
  EXPECT_EQ(bar->GetId(), 50 | 0x00FFFFFF);
  EXPECT_EQ(bar->record->x, 284);
  EXPECT_EQ(bar->record->y, 100);
  EXPECT_EQ(bar->record->width, 16);
  EXPECT_EQ(bar->record->height, 70);
  EXPECT_EQ(bar->GetTrackHeight(), 38);
  EXPECT_EQ(box->GetChild(0), bar);
}

TEST_F(TextBoxScrollTest, ALongTextKeepsTheBarsWidthFreeAndSetsTheRange) {
  box->SetText(-1, Words(12));
  EXPECT_TRUE(box->ReservesScrollWidth());
  EXPECT_EQ(box->GetLines().size(), 12u);
  EXPECT_EQ(box->GetVisibleLines(), 5);
  EXPECT_EQ(bar->GetRange(), 8);
  EXPECT_EQ(bar->GetThumbHeight(), 38 / 8);
}

TEST_F(TextBoxScrollTest, ATextThatFitsUsesTheFullWidthAndHidesTheBar) {
  // 19 characters: 190 pixels fit into 200 but not into 200 - 16.
  box->SetText(-1, "abcdefghijklmnopqrs");
  EXPECT_FALSE(box->ReservesScrollWidth());
  EXPECT_EQ(Lines(*box), std::vector<std::string>{"abcdefghijklmnopqrs"});
  kit.Device().BeginScene();
  kit.Gui().DrawLayers();
  kit.Device().EndScene();
  EXPECT_FALSE(bar->IsVisible());
}

TEST_F(TextBoxScrollTest, ScrollingStopsAtTheTopAndAtTheLastPage) {
  box->SetText(-1, Words(7));
  box->ScrollUp(nullptr);
  EXPECT_EQ(box->GetTopLine(), 0);
  box->ScrollDown(nullptr);
  box->ScrollDown(nullptr);
  box->ScrollDown(nullptr);
  EXPECT_EQ(box->GetTopLine(), 2);
  EXPECT_EQ(bar->GetThumbY(), bar->GetTrackTop() + 38 * 2 / 3);
  box->ScrollUp(nullptr);
  EXPECT_EQ(box->GetTopLine(), 1);
}

TEST_F(TextBoxScrollTest, ScrollToKeepsThePositionWithinTheLines) {
  box->SetText(-1, Words(7));
  const int32_t positions[][2] = {{1, 1}, {-4, 0}, {99, 2}};
  for (const auto& [position, top] : positions) {
    GuiCommand command{-1, 50, kCmdScrollTo, position, 0, 0};
    box->ScrollTo(&command);
    EXPECT_EQ(box->GetTopLine(), top) << "position " << position;
  }
}

TEST_F(TextBoxScrollTest, ANewShorterTextKeepsTheTopLineWithinIt) {
  box->SetText(-1, Words(12));
  for (int i = 0; i < 7; ++i) box->ScrollDown(nullptr);
  EXPECT_EQ(box->GetTopLine(), 7);
  box->SetText(-1, Words(8));
  EXPECT_EQ(box->GetTopLine(), 3);
}

TEST_F(TextBoxScrollTest, TheVisibleLinesAreDrawnFromTheTopLine) {
  box->SetText(-1, Words(7));
  box->ScrollDown(nullptr);
  kit.Device().Record().Enable(true);
  kit.Device().BeginScene();
  kit.Gui().DrawLayers();
  kit.Device().EndScene();
  const std::vector<plat::TextRecord> texts = kit.Device().Record().Texts();
  ASSERT_EQ(texts.size(), 5u);
  EXPECT_EQ(texts[0].text, std::string(15, 'b'));
  EXPECT_EQ(texts[0].rect.left, 102);
  EXPECT_EQ(texts[0].rect.top, 101);
  EXPECT_EQ(texts[0].rect.right, 102 + 200 - 16);
  EXPECT_EQ(texts[1].rect.top, 115);
}

TEST_F(TextBoxScrollTest, DraggingTheThumbThroughFramesScrollsTheText) {
  box->SetText(-1, Words(12));  // range 8, thumb 4 pixels
  const int32_t thumbTop = bar->GetThumbY();
  kit.mouse = {292, thumbTop + 2};
  kit.RunFrame();
  kit.mouse.left = true;
  kit.RunFrame();
  kit.mouse.y += 12;  // three positions down
  kit.RunFrame();
  EXPECT_EQ(box->GetTopLine(), 3);
  kit.mouse.left = false;
  kit.RunFrame();
  kit.mouse.y += 12;
  kit.RunFrame();
  EXPECT_EQ(box->GetTopLine(), 3) << "released: no more dragging";
}

TEST_F(TextBoxScrollTest, AHiddenBoxOffersNothingToItsBar) {
  box->SetText(-1, Words(12));
  box->Hide(nullptr);
  EXPECT_FALSE(kit.Route(gui::kLeftUp, 292, 102));
  EXPECT_TRUE(kit.Gui().GetCommandQueue().Snapshot().empty());
  EXPECT_TRUE(kit.Sounds().empty());
}

}  // namespace
