// The combo box: opening through its drop button and the real dispatcher,
// picks, closing, the selection shown in row 0.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <ostream>
#include <vector>

#include "gui/widgets/CGuiButton.h"
#include "gui/widgets/CGuiComboBox.h"
#include "gui/widgets/CGuiVScroll.h"
#include "tests/gui/widgets/WidgetTestSupport.h"

namespace {

using widgettest::QueuedWithCode;

constexpr int32_t kPageId = 100;
constexpr int32_t kComboId = 300;
constexpr int32_t kX = 100;
constexpr int32_t kY = 100;
constexpr int32_t kItemHeight = 20;
constexpr int32_t kFrame = 2;
// Where the drop button ends up: at the right end of the row, inside the
// frame.
constexpr int32_t kButtonX = 288;
constexpr int32_t kButtonY = 110;

// A combo box as the GUI creator sets one up: created as high as its open
// list (five rows of 20), framed, with a scroll bar and a drop button; a
// sibling after it on the page.
class ComboBoxTest : public ::testing::Test {
 protected:
  void SetUp() override {
    page = kit.Add(nullptr, kPageId, 0, 0, 1024, 768);
    combo = kit.Add<CGuiComboBox>(page, kComboId, kX, kY, 200, 5 * kItemHeight, 4);
    sibling = kit.Add(page, 101, 500, 500, 50, 50);
    combo->SetFrameTexture(kit.Image("frame.png", 4, 4), kFrame);
    combo->SetVisibleRows(5);
    combo->SetMaxDropRows(5);
    combo->SetItemHeight(kItemHeight);
    combo->CreateScrollBar(kit.Image("track.png", 20, 20), kit.Image("up.png", 80, 17),
                           kit.Image("down.png", 80, 17), kit.Image("thumb.png", 20, 12));
    combo->CreateDropButton(kit.Image("drop.png", 80, 20), 4);
    for (const char* text : {"alpha", "beta", "gamma", "delta"}) combo->AddItem(text, 0);
    kit.RunFrame();
  }

  // Clicks the drop button with the mouse, one frame per step, and draws
  // the result.
  void ClickDropButton() { widgettest::HoverAndClick(kit, kButtonX, kButtonY); }

  static int32_t RowMiddle(int32_t row) { return kY + row * kItemHeight + kItemHeight / 2; }

  guitest::GuiTestKit kit;
  CGuiElement* page = nullptr;
  CGuiComboBox* combo = nullptr;
  guitest::RecordingElement* sibling = nullptr;
};

TEST_F(ComboBoxTest, ComingToTheFrontDuringAForwardedClickSkipsNoSibling) {
  // The page forwards the drop button's click to its children; the combo
  // moves itself to the end of the page's list on the way.
  GuiCommand click;
  click.sender = combo->GetDropButton()->GetId();
  page->OnClick(&click);
  EXPECT_TRUE(combo->IsOpen());
  EXPECT_EQ(page->GetChild(1), combo);
  EXPECT_EQ(std::count(sibling->calls.begin(), sibling->calls.end(), "OnClick(cmd)"), 1);
}

TEST_F(ComboBoxTest, DropButtonTakesItsIdAndPlaceFromTheCombo) {
  CGuiButton* button = combo->GetDropButton();
  ASSERT_NE(button, nullptr);
  EXPECT_EQ(button->GetId(), kComboId + 10000);
  EXPECT_EQ(button->record->x, kX + 200 - 20 - kFrame);
  EXPECT_EQ(button->record->y, kY + kFrame);
  EXPECT_EQ(button->record->height, kItemHeight - 2 * kFrame);
  EXPECT_EQ(combo->GetRowSize().first, 180);
}

TEST_F(ComboBoxTest, ClosedComboIsOneRowHigh) {
  EXPECT_FALSE(combo->IsOpen());
  EXPECT_EQ(combo->record->height, kItemHeight);
  EXPECT_EQ(combo->GetVisibleRows(), 1);
  EXPECT_FALSE(combo->GetScrollBar()->IsVisible());
}

TEST_F(ComboBoxTest, DropButtonClickOpensThroughTheDispatcherAndBringsTheComboToTheFront) {
  ASSERT_NE(page->GetChild(page->GetChildCount() - 1), combo);
  ClickDropButton();
  EXPECT_TRUE(combo->IsOpen());
  EXPECT_EQ(page->GetChild(page->GetChildCount() - 1), combo);
  // Row 0 shows the selection and the four items the rows below it, within
  // the five of the drop: all fit, no bar.
  EXPECT_EQ(combo->record->height, 5 * kItemHeight);
  EXPECT_EQ(combo->GetOpenRows(), 5);
  EXPECT_EQ(combo->GetRowSize().first, 200);
  EXPECT_FALSE(combo->GetScrollBar()->IsVisible());
  EXPECT_TRUE(widgettest::Queued(kit).empty()) << "the click was consumed";
  ClickDropButton();
  EXPECT_FALSE(combo->IsOpen());
}

struct ComboPickCase {
  const char* what;
  int32_t scrolled;  // ScrollDown steps before the pick
  int32_t row;
  int32_t index;
  const char* text;
};

void PrintTo(const ComboPickCase& c, std::ostream* os) { *os << c.what; }

class ComboPickTest : public ComboBoxTest, public ::testing::WithParamInterface<ComboPickCase> {};

TEST_P(ComboPickTest, PressOnARowPicksItsItemClosesAndPlaysTheClick) {
  const ComboPickCase& c = GetParam();
  ClickDropButton();
  for (int32_t i = 0; i < c.scrolled; ++i) combo->ScrollDown(nullptr);
  kit.ClearSounds();
  kit.Route(gui::kLeftDown, 150, RowMiddle(c.row));
  const auto selects = QueuedWithCode(kit, kCmdSelect);
  ASSERT_EQ(selects.size(), 1u) << c.what;
  EXPECT_EQ(selects[0].sender, kComboId);
  EXPECT_EQ(selects[0].target, -1);
  EXPECT_EQ(selects[0].control, c.index) << c.what;
  EXPECT_EQ(kit.Sounds(), std::vector<std::string>{"COMBO_CLICK"});
  EXPECT_FALSE(combo->IsOpen());
  EXPECT_EQ(combo->GetSelectedIndex(), c.index);
  // The release of the same click reports nothing more.
  kit.Route(gui::kLeftUp, 150, RowMiddle(c.row));
  EXPECT_EQ(QueuedWithCode(kit, kCmdSelect).size(), 1u);
  kit.RunFrame();
  const widgettest::Drawn drawn = widgettest::DrawOnce(kit, *combo);
  ASSERT_EQ(drawn.texts.size(), 1u);
  EXPECT_EQ(drawn.texts[0].text, c.text);
}

INSTANTIATE_TEST_SUITE_P(Table, ComboPickTest,
                         ::testing::Values(ComboPickCase{"first item row", 0, 1, 0, "alpha"},
                                           ComboPickCase{"third item row", 0, 3, 2, "gamma"},
                                           ComboPickCase{"the last item's row", 0, 4, 3, "delta"}));

// The open list has a row for every item below the selection row, up to the
// drop's five: the one item of a list of one (a year's statistics) and the
// last of a list longer than the drop, scrolled to, can be picked.
TEST_F(ComboBoxTest, TheOnlyItemAndTheLastOfALongListCanBePicked) {
  const struct {
    const char* what;
    std::vector<const char*> items;
    int32_t openRows;
    bool bar;
    int32_t scrolled;
    int32_t row;
    int32_t index;
  } cases[] = {
      {"one item", {"2000"}, 2, false, 0, 1, 0},
      {"six items, scrolled to the end", {"a", "b", "c", "d", "e", "f"}, 5, true, 2, 4, 5},
  };
  for (const auto& c : cases) {
    combo->Clear();
    for (const char* item : c.items) combo->AddItem(item, 0);
    ClickDropButton();
    ASSERT_TRUE(combo->IsOpen()) << c.what;
    EXPECT_EQ(combo->GetOpenRows(), c.openRows) << c.what;
    EXPECT_EQ(combo->GetScrollBar()->IsVisible(), c.bar) << c.what;
    for (int32_t i = 0; i < c.scrolled; ++i) combo->ScrollDown(nullptr);
    const std::size_t before = QueuedWithCode(kit, kCmdSelect).size();
    kit.Route(gui::kLeftDown, 150, RowMiddle(c.row));
    const auto selects = QueuedWithCode(kit, kCmdSelect);
    ASSERT_EQ(selects.size(), before + 1) << c.what;
    EXPECT_EQ(selects.back().control, c.index) << c.what;
    EXPECT_EQ(combo->GetSelectedIndex(), c.index) << c.what;
  }
}

TEST_F(ComboBoxTest, PressesOutsideCloseButNotOnTheScrollBarOrTheSelectionRow) {
  ClickDropButton();
  const struct {
    const char* what;
    int32_t x, y;
    bool open;
  } cases[] = {{"on the scroll bar", 288, 130, true},
               {"on the selection row", 150, RowMiddle(0), false},
               {"far away", 700, 600, false}};
  for (const auto& c : cases) {
    if (!combo->IsOpen()) ClickDropButton();
    kit.Route(gui::kLeftDown, c.x, c.y);
    EXPECT_EQ(combo->IsOpen(), c.open) << c.what;
  }
  EXPECT_TRUE(QueuedWithCode(kit, kCmdSelect).empty());
}

TEST_F(ComboBoxTest, DisabledComboPicksNothing) {
  ClickDropButton();
  combo->Disable(nullptr);
  kit.ClearSounds();
  kit.Route(gui::kLeftDown, 150, RowMiddle(2));
  EXPECT_TRUE(QueuedWithCode(kit, kCmdSelect).empty());
  EXPECT_TRUE(kit.Sounds().empty());
}

TEST_F(ComboBoxTest, SelectionIsKeptWithinTheItems) {
  EXPECT_EQ(combo->GetSelectedIndex(), 0);
  combo->SetSelectedIndex(3);
  EXPECT_EQ(combo->GetSelectedIndex(), 3);
  combo->SetSelectedIndex(4);
  EXPECT_EQ(combo->GetSelectedIndex(), 3) << "beyond the last item: unchanged";

  // The list shrinks under the selection: the closed box shows the last item.
  combo->Clear();
  combo->AddItem("one", 0);
  combo->AddItem("two", 0);
  widgettest::Drawn drawn = widgettest::DrawOnce(kit, *combo);
  ASSERT_EQ(drawn.texts.size(), 1u);
  EXPECT_EQ(drawn.texts[0].text, "two");

  combo->SetSelectedIndex(-1);
  drawn = widgettest::DrawOnce(kit, *combo);
  ASSERT_EQ(drawn.texts.size(), 1u);
  EXPECT_EQ(drawn.texts[0].text, "one");

  combo->Clear();
  EXPECT_EQ(combo->GetSelectedIndex(), -1);
  EXPECT_TRUE(widgettest::DrawOnce(kit, *combo).texts.empty());
}

TEST_F(ComboBoxTest, ClearResetsRowsAndTopRow) {
  // More items than the open list shows, so that it scrolls.
  for (const char* text : {"epsilon", "zeta"}) combo->AddItem(text, 0);
  ClickDropButton();
  combo->ScrollDown(nullptr);
  ASSERT_EQ(combo->GetTopRow(), 1);
  combo->Clear();
  EXPECT_EQ(combo->GetItemCount(), 0);
  EXPECT_EQ(combo->GetTopRow(), 0);
  EXPECT_EQ(combo->GetOpenRows(), 0);
  EXPECT_EQ(combo->GetHoverRow(), -1);
}

TEST_F(ComboBoxTest, DropRowsAreCappedByTheMaximum) {
  combo->SetDropRows(8);
  EXPECT_EQ(combo->GetOpenRows(), 5);
  combo->SetDropRows(3);
  EXPECT_EQ(combo->GetOpenRows(), 3);
}

}  // namespace
