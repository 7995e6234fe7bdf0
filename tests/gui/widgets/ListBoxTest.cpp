// The list box: row bands, scroll ranges and positions, picks, wheel and
// hover, and the lock that keeps a pop-up list hidden.
#include <gtest/gtest.h>

#include <ostream>

#include "gui/widgets/CGuiButton.h"
#include "gui/widgets/CGuiListBox.h"
#include "gui/widgets/CGuiVScroll.h"
#include "platform/os/WindowKeys.h"
#include "tests/gui/widgets/WidgetTestSupport.h"

namespace {

using widgettest::Command;
using widgettest::QueuedWithCode;

constexpr int32_t kPageId = 100;
constexpr int32_t kListId = 200;
// The list: (100, 100), 200 x 100, five rows of 20 pixels.
constexpr int32_t kX = 100;
constexpr int32_t kY = 100;
constexpr int32_t kRowHeight = 20;
constexpr int32_t kArrowWidth = 20;

class ListBoxTest : public ::testing::Test {
 protected:
  void SetUp() override {
    page = kit.Add(nullptr, kPageId, 0, 0, 1024, 768);
    list = kit.Add<CGuiListBox>(page, kListId, kX, kY, 200, 100, 9);
    list->SetVisibleRows(5);
  }

  void Fill(int32_t count) {
    for (int32_t i = 0; i < count; ++i) {
      EngineString text;
      text.Format("item %d", i);
      list->AddItem(text, uint32_t(100 + i));
    }
  }

  // A scroll bar whose arrows are 20 pixels wide.
  void AddScrollBar() {
    list->CreateScrollBar(kit.Image("track.png", 20, 20), kit.Image("up.png", 4 * kArrowWidth, 17),
                          kit.Image("down.png", 4 * kArrowWidth, 17), kit.Image("thumb.png", 20, 12));
  }

  // The y of the middle of visible row r.
  static int32_t RowMiddle(int32_t row) { return kY + row * kRowHeight + kRowHeight / 2; }

  guitest::GuiTestKit kit;
  CGuiElement* page = nullptr;
  CGuiListBox* list = nullptr;
};

TEST_F(ListBoxTest, SetVisibleRowsDividesTheHeightAndToleratesZeroRows) {
  EXPECT_EQ(list->GetRowSize().first, 200);
  EXPECT_EQ(list->GetRowSize().second, kRowHeight);
  list->SetVisibleRows(0);
  EXPECT_EQ(list->GetRowSize().second, 100);
  list->SetVisibleRows(-3);
  EXPECT_EQ(list->GetVisibleRows(), 0);
  EXPECT_EQ(list->GetRowSize().second, 100);
}

struct RowCase {
  const char* what;
  bool header;
  bool scrollBar;
  int32_t x, y;
  int32_t row;
};

void PrintTo(const RowCase& c, std::ostream* os) { *os << c.what; }

class ListBoxRowAtTest : public ListBoxTest, public ::testing::WithParamInterface<RowCase> {};

TEST_P(ListBoxRowAtTest, RowBandsFollowHeaderAndScrollBar) {
  const RowCase& c = GetParam();
  Fill(10);
  list->SetHasHeader(c.header);
  if (c.scrollBar) {
    AddScrollBar();
    widgettest::DrawOnce(kit, *list);  // measures the bar
  }
  EXPECT_EQ(list->RowAt(c.x, c.y), c.row) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Table, ListBoxRowAtTest,
    ::testing::Values(RowCase{"top row", false, false, 150, 105, 0},
                      RowCase{"second row", false, false, 150, 125, 1},
                      RowCase{"last row", false, false, 150, 195, 4},
                      RowCase{"a row border belongs to no row", false, false, 150, 120, -1},
                      RowCase{"the box's left edge is outside", false, false, 100, 105, -1},
                      RowCase{"just inside the left edge", false, false, 101, 105, 0},
                      RowCase{"below the box", false, false, 150, 205, -1},
                      RowCase{"the header row is no item row", true, false, 150, 105, -1},
                      RowCase{"the row below the header", true, false, 150, 125, 1},
                      RowCase{"under the scroll bar is no row", false, true, 285, 125, -1},
                      RowCase{"just left of the scroll bar", false, true, 279, 125, 1},
                      RowCase{"left of the box is no row, also with a bar", false, true, 90, 125, -1}));

struct RangeCase {
  int32_t items;
  int32_t rows;
  bool header;
  int32_t range;
};

class ListBoxRangeTest : public ListBoxTest, public ::testing::WithParamInterface<RangeCase> {};

TEST_P(ListBoxRangeTest, ScrollRangeCountsTopPositions) {
  const RangeCase& c = GetParam();
  AddScrollBar();
  Fill(c.items);
  list->SetVisibleRows(c.rows);
  list->SetHasHeader(c.header);
  list->UpdateScrollRange();
  EXPECT_EQ(list->GetScrollBar()->GetRange(), c.range);
}

INSTANTIATE_TEST_SUITE_P(Table, ListBoxRangeTest,
                         ::testing::Values(RangeCase{10, 5, false, 6}, RangeCase{10, 5, true, 7},
                                           RangeCase{12, 6, false, 7}, RangeCase{3, 5, false, -1}));

TEST_F(ListBoxTest, SetTopRowKeepsAFittingRowAndPullsBackOneBeyondTheEnd) {
  const struct {
    int32_t request;
    int32_t top;
  } cases[] = {{3, 3}, {4, 4}, {7, 2}, {5, 0}, {-2, 0}};
  Fill(10);
  for (const auto& c : cases) {
    list->SetTopRow(c.request);
    EXPECT_EQ(list->GetTopRow(), c.top) << "request " << c.request;
  }
}

TEST_F(ListBoxTest, ScrollUpAndDownStopAtTheEnds) {
  for (bool header : {false, true}) {
    list->Clear();
    Fill(10);
    list->SetHasHeader(header);
    list->SetTopRow(0);
    list->ScrollUp(nullptr);
    EXPECT_EQ(list->GetTopRow(), 0);
    for (int i = 0; i < 20; ++i) list->ScrollDown(nullptr);
    // The last item is shown in the bottom row: 5 rows without a header,
    // 4 below one.
    EXPECT_EQ(list->GetTopRow(), header ? 6 : 5) << "header " << header;
  }
}

struct ScrollToCase {
  const char* what;
  bool header;
  int32_t control;
  int32_t top;
};

void PrintTo(const ScrollToCase& c, std::ostream* os) { *os << c.what; }

class ListBoxScrollToTest : public ListBoxTest, public ::testing::WithParamInterface<ScrollToCase> {};

TEST_P(ListBoxScrollToTest, ThumbPositionIsTheTopRow) {
  const ScrollToCase& c = GetParam();
  AddScrollBar();
  Fill(10);
  list->SetHasHeader(c.header);
  GuiCommand command = Command(-1, kListId, kCmdScrollTo, c.control);
  list->ScrollTo(&command);
  EXPECT_EQ(list->GetTopRow(), c.top) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Table, ListBoxScrollToTest,
    ::testing::Values(ScrollToCase{"thumb at the top shows item 0 under the header", true, 0, 0},
                      ScrollToCase{"the last position shows the last item at the bottom", true, 6, 6},
                      ScrollToCase{"beyond the range", true, 9, 6},
                      ScrollToCase{"negative", true, -3, 0},
                      ScrollToCase{"without a header", false, 5, 5},
                      ScrollToCase{"without a header, beyond", false, 6, 5}));

TEST_F(ListBoxTest, ScrollToWithoutScrollBarDoesNothing) {
  Fill(10);
  GuiCommand command = Command(-1, kListId, kCmdScrollTo, 3);
  list->ScrollTo(&command);
  EXPECT_EQ(list->GetTopRow(), 0);
}

TEST_F(ListBoxTest, SetItemTextPadsWithEmptyItemsOrReplacesTheText) {
  list->SetItemText(3, "fourth", 7);
  ASSERT_EQ(list->GetItemCount(), 4);
  for (int32_t i = 0; i < 3; ++i) {
    EXPECT_EQ(list->GetItemText(i), "") << i;
    EXPECT_EQ(list->GetItem(i)->index, i);
    EXPECT_EQ(list->GetItemData(i), 7u);
  }
  EXPECT_EQ(list->GetItemText(3), "fourth");
  list->SetItemText(1, "second", 9);
  EXPECT_EQ(list->GetItemText(1), "second");
  EXPECT_EQ(list->GetItemData(1), 7u) << "the data word stays";
  list->SetItemText(-1, "nothing", 0);
  EXPECT_EQ(list->GetItemCount(), 4);
}

TEST_F(ListBoxTest, ItemAccessOutsideTheListGivesEmptyTextAndZero) {
  Fill(2);
  for (int32_t index : {-1, 2, 100}) {
    EXPECT_EQ(list->GetItemText(index), "") << index;
    EXPECT_EQ(list->GetItemData(index), 0u) << index;
    list->SetItemData(index, 5);
  }
  EXPECT_EQ(list->GetItemData(1), 101u);
}

TEST_F(ListBoxTest, ItemsTakeTheDefaultColourOfTheirTime) {
  list->AddItem("black", 0);
  list->SetItemColour(GuiColour{255, 200, 0, 0});
  list->AddItem("red", 0);
  EXPECT_EQ(list->GetItem(0)->colour.Argb(), 0xFF000000u);
  EXPECT_EQ(list->GetItem(1)->colour.Argb(), 0xFFC80000u);
}

struct PickCase {
  const char* what;
  int32_t items;
  bool header;
  int32_t top;
  int32_t row;     // visible row released on
  int32_t posted;  // control of the select command, -1 for none
};

void PrintTo(const PickCase& c, std::ostream* os) { *os << c.what; }

class ListBoxPickTest : public ListBoxTest, public ::testing::WithParamInterface<PickCase> {};

TEST_P(ListBoxPickTest, LeftReleaseOverAnItemPostsTheVisibleRow) {
  const PickCase& c = GetParam();
  Fill(c.items);
  list->SetHasHeader(c.header);
  list->SetTopRow(c.top);
  kit.Route(gui::kMouseMove, 150, RowMiddle(c.row));
  kit.Route(gui::kLeftUp, 150, RowMiddle(c.row));
  const auto selects = QueuedWithCode(kit, kCmdSelect);
  if (c.posted < 0) {
    EXPECT_TRUE(selects.empty()) << c.what;
    return;
  }
  ASSERT_EQ(selects.size(), 1u) << c.what;
  EXPECT_EQ(selects[0].sender, kListId);
  EXPECT_EQ(selects[0].target, -1);
  EXPECT_EQ(selects[0].control, c.posted) << c.what;
  EXPECT_EQ(list->GetClickedRow(), c.row);
}

INSTANTIATE_TEST_SUITE_P(Table, ListBoxPickTest,
                         ::testing::Values(PickCase{"top row", 7, false, 0, 0, 0},
                                           PickCase{"third row, scrolled", 9, false, 2, 2, 2},
                                           PickCase{"below a header", 7, true, 0, 2, 2},
                                           PickCase{"the header row picks nothing", 7, true, 0, 0, -1},
                                           PickCase{"a row below the last item", 3, false, 0, 4, -1}));

TEST_F(ListBoxTest, DisabledOrHiddenListPicksNothing) {
  Fill(5);
  for (bool disable : {true, false}) {
    kit.Route(gui::kMouseMove, 150, RowMiddle(1));
    if (disable) {
      list->Disable(nullptr);
    } else {
      list->Enable(nullptr);
      list->Hide(nullptr);
    }
    EXPECT_FALSE(kit.Route(gui::kLeftUp, 150, RowMiddle(1)));
    EXPECT_TRUE(QueuedWithCode(kit, kCmdSelect).empty());
  }
}

TEST_F(ListBoxTest, HoverStaysWhenThePointerLeavesAndClearsWhenHidden) {
  Fill(5);
  EXPECT_TRUE(kit.Route(gui::kMouseMove, 150, RowMiddle(2)));
  EXPECT_EQ(list->GetHoverRow(), 2);
  kit.Route(gui::kMouseMove, 600, 600);
  EXPECT_EQ(list->GetHoverRow(), 2);
  list->Hide(nullptr);
  list->HandleMessage(nullptr, 0);
  plat::Message move;
  move.message = gui::kMouseMove;
  list->HandleMessage(&move, 0);
  EXPECT_EQ(list->GetHoverRow(), -1);
}

TEST_F(ListBoxTest, WheelScrollsThroughTheDispatcherOnlyWhileTheBarShows) {
  AddScrollBar();
  Fill(3);
  kit.RunFrame();  // three items fit: the bar stays hidden
  kit.Route(gui::kMouseMove, 150, RowMiddle(1));
  kit.Route(plat::kWmMouseWheel, 150, RowMiddle(1), plat::WheelWParam(-1, 0));
  EXPECT_TRUE(widgettest::Queued(kit).empty());

  Fill(7);
  kit.RunFrame();
  ASSERT_TRUE(list->GetScrollBar()->IsVisible());
  kit.Route(plat::kWmMouseWheel, 150, RowMiddle(1), plat::WheelWParam(-1, 0));
  const auto down = QueuedWithCode(kit, kCmdScrollDown);
  ASSERT_EQ(down.size(), 1u);
  EXPECT_EQ(down[0].sender, -1);
  EXPECT_EQ(down[0].target, kListId);
  kit.RunFrame();
  EXPECT_EQ(list->GetTopRow(), 1);
  kit.Route(plat::kWmMouseWheel, 150, RowMiddle(1), plat::WheelWParam(1, 0));
  kit.RunFrame();
  EXPECT_EQ(list->GetTopRow(), 0);
}

TEST_F(ListBoxTest, DrawsItemsFromTheTopRowWithHighlightBehindTheHoveredRow) {
  Fill(8);
  list->SetItemTexture(kit.Image("light.png", 10, 10));
  list->SetTopRow(2);
  kit.Route(gui::kMouseMove, 150, RowMiddle(1));
  const widgettest::Drawn drawn = widgettest::DrawOnce(kit, *list);
  ASSERT_EQ(drawn.texts.size(), 5u);
  EXPECT_EQ(drawn.texts[0].text, "item 2");
  EXPECT_EQ(drawn.texts[4].text, "item 6");
  // Row 1: left x + 2 + 2, shifted down by a tenth of the row, vertically
  // centred.
  const plat::TextRecord* row1 = drawn.Text("item 3");
  ASSERT_NE(row1, nullptr);
  EXPECT_EQ(row1->rect.left, kX + 4);
  EXPECT_EQ(row1->rect.top, kY + kRowHeight + 2);
  EXPECT_EQ(row1->format & 4u, 4u);
  ASSERT_EQ(drawn.quads.size(), 1u);
  EXPECT_EQ(widgettest::QuadTop(drawn.quads[0]), kY + kRowHeight);
  EXPECT_EQ(widgettest::QuadWidth(drawn.quads[0]), 200);
}

TEST_F(ListBoxTest, ScrollBarShowsOnlyWhenTheItemsDoNotFitBelowTheHeader) {
  AddScrollBar();
  list->SetHasHeader(true);
  Fill(4);
  widgettest::DrawOnce(kit, *list);
  EXPECT_FALSE(list->GetScrollBar()->IsVisible()) << "four items fit below the header";
  Fill(1);
  widgettest::DrawOnce(kit, *list);
  EXPECT_TRUE(list->GetScrollBar()->IsVisible()) << "the fifth item needs scrolling";
  list->SetScrollBarSuppressed(true);
  widgettest::DrawOnce(kit, *list);
  EXPECT_FALSE(list->GetScrollBar()->IsVisible());
}

TEST_F(ListBoxTest, LockedHiddenListStaysHiddenWhenItsPageIsShown) {
  list->Hide(nullptr);
  list->record->lockedHidden = 1;
  page->Show(nullptr);
  EXPECT_FALSE(list->IsVisible());
  list->record->lockedHidden = 0;
  page->Show(nullptr);
  EXPECT_TRUE(list->IsVisible());
}

TEST_F(ListBoxTest, HeaderAndScrollBarTakeIdsFromTheList) {
  const GuiColour colours[CGuiListBox::kHeaderColours] = {kGuiBlack, kGuiBlack, kGuiBlack, kGuiBlack};
  list->CreateHeader("Name", kit.Image("header.png", 200, 20), 1, colours);
  AddScrollBar();
  ASSERT_NE(list->GetHeader(), nullptr);
  EXPECT_TRUE(list->HasHeader());
  EXPECT_EQ(list->GetHeader()->GetId(), kListId | 0x01FFFFFF);
  EXPECT_EQ(list->GetScrollBar()->GetId(), kListId | 0x02FFFFFF);
  // The bar starts below the header row.
  EXPECT_EQ(list->GetScrollBar()->record->y, kY + kRowHeight);
  EXPECT_EQ(list->GetScrollBar()->record->height, 100 - kRowHeight);
}

}  // namespace
