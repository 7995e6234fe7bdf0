// The grid: selection, header clicks, scrolling, clearing and refilling,
// cells by column, and the cell layout with icons.
#include <gtest/gtest.h>

#include <ostream>

#include "gui/widgets/CGuiGrid.h"
#include "gui/widgets/CGuiVScroll.h"
#include "platform/os/WindowKeys.h"
#include "tests/gui/widgets/WidgetTestSupport.h"

namespace {

using widgettest::Command;
using widgettest::QueuedWithCode;

constexpr int32_t kPageId = 100;
constexpr int32_t kGridId = 500;
constexpr int32_t kX = 100;
constexpr int32_t kY = 100;
constexpr int32_t kRowHeight = 20;
constexpr int32_t kColumnWidth = 100;

constexpr int32_t RowMiddle(int32_t visibleRow) { return kY + visibleRow * kRowHeight + kRowHeight / 2; }
constexpr int32_t ColumnMiddle(int32_t column) { return kX + column * kColumnWidth + kColumnWidth / 2; }

const GuiColour kHeaderColours[GridHeader::kColourCount] = {kGuiBlack, kGuiWhite, kGuiBlack, kGuiWhite};

// A 3-column grid of 7 rows of 20 pixels (a header row and six data rows),
// a scroll bar 20 pixels wide, and 12 data rows of cells "r<row> c<col>".
class GridTest : public ::testing::Test {
 protected:
  void SetUp() override {
    page = kit.Add(nullptr, kPageId, 0, 0, 1024, 768);
    grid = kit.Add<CGuiGrid>(page, kGridId, kX, kY, 3 * kColumnWidth, 7 * kRowHeight, 3);
    grid->SetDimensions(3, 7);
    grid->SetHasHeader(true);
    for (int32_t c = 0; c < 3; ++c) {
      EngineString text;
      text.Format("H%d", c);
      grid->SetHeaderButton(c, text, kHeaderColours, 1, kit.Image("header.png", 200, 20), 2);
    }
    grid->CreateScrollBar(kit.Image("track.png", 20, 20), kit.Image("up.png", 80, 17),
                          kit.Image("down.png", 80, 17), kit.Image("thumb.png", 20, 12));
    Fill(12);
    kit.RunFrame();
  }

  void Fill(int32_t rows) {
    grid->SetRowCount(rows);
    for (int32_t row = 0; row < rows; ++row) {
      for (int32_t c = 0; c < 3; ++c) {
        EngineString text;
        text.Format("r%d c%d", row, c);
        grid->AddCell(c, -1, text, row * 10 + c, "");
      }
    }
    grid->UpdateScrollRange(true);
  }

  void Click(int32_t x, int32_t y) {
    kit.Route(gui::kMouseMove, x, y);
    kit.Route(gui::kLeftDown, x, y);
    kit.Route(gui::kLeftUp, x, y);
  }

  guitest::GuiTestKit kit;
  CGuiElement* page = nullptr;
  CGuiGrid* grid = nullptr;
};

TEST_F(GridTest, DimensionsShareTheSizeAndRefuseZeroCounts) {
  EXPECT_EQ(grid->GetRowHeight(), kRowHeight);
  EXPECT_EQ(grid->GetColumn(2)->width, kColumnWidth);
  EXPECT_EQ(grid->GetScrollBar()->GetId(), kGridId | 0x00FFFFFF);
  grid->SetDimensions(0, 5);
  grid->SetDimensions(4, 0);
  grid->SetDimensions(-1, -1);
  EXPECT_EQ(grid->GetColumnCount(), 3);
  EXPECT_EQ(grid->GetVisibleRows(), 7);
  EXPECT_EQ(grid->GetColumn(3), nullptr);
}

struct GridRangeCase {
  int32_t total;
  int32_t rows;
  bool header;
  int32_t range;
};

class GridRangeTest : public GridTest, public ::testing::WithParamInterface<GridRangeCase> {};

TEST_P(GridRangeTest, ScrollRangeCountsTopPositions) {
  const GridRangeCase& c = GetParam();
  grid->SetDimensions(3, c.rows);
  grid->SetHasHeader(c.header);
  grid->SetRowCount(c.total);
  grid->UpdateScrollRange(true);
  EXPECT_EQ(grid->GetScrollBar()->GetRange(), c.range);
}

INSTANTIATE_TEST_SUITE_P(Table, GridRangeTest,
                         ::testing::Values(GridRangeCase{12, 6, true, 8}, GridRangeCase{12, 6, false, 7},
                                           GridRangeCase{12, 7, true, 7}));

TEST_F(GridTest, SetSelectedRowSequence) {
  const struct {
    const char* what;
    int32_t row;
    bool silent;
    int32_t selected;
    int32_t posted;  // -1: nothing
  } steps[] = {
      {"a new row posts it", 2, false, 2, 2},
      {"the same row again stays selected and is posted again", 2, false, 2, 2},
      {"a row beyond the data is stored, not posted", 20, false, 20, -1},
      {"silent selection posts nothing", 4, true, 4, -1},
      {"another row", 0, false, 0, 0},
  };
  for (const auto& step : steps) {
    kit.Gui().GetCommandQueue().RemoveConsumed();
    const std::size_t before = QueuedWithCode(kit, kCmdSelect).size();
    grid->SetSelectedRow(step.row, step.silent);
    EXPECT_EQ(grid->GetSelectedRow(), step.selected) << step.what;
    const auto selects = QueuedWithCode(kit, kCmdSelect);
    if (step.posted < 0) {
      EXPECT_EQ(selects.size(), before) << step.what;
    } else {
      ASSERT_EQ(selects.size(), before + 1) << step.what;
      EXPECT_EQ(selects.back().control, step.posted) << step.what;
      EXPECT_EQ(selects.back().sender, kGridId);
    }
  }
  grid->SetRowCount(0);
  grid->SetSelectedRow(3, false);
  EXPECT_EQ(grid->GetSelectedRow(), -1) << "an empty grid selects nothing";
}

struct GridClickCase {
  const char* what;
  int32_t scrolled;
  int32_t x, y;
  int32_t selected;  // -1: none
};

void PrintTo(const GridClickCase& c, std::ostream* os) { *os << c.what; }

class GridClickTest : public GridTest, public ::testing::WithParamInterface<GridClickCase> {};

TEST_P(GridClickTest, ReleaseOnADataRowSelectsItAndNothingElseDoes) {
  const GridClickCase& c = GetParam();
  for (int32_t i = 0; i < c.scrolled; ++i) grid->ScrollDown(nullptr);
  Click(c.x, c.y);
  const auto selects = QueuedWithCode(kit, kCmdSelect);
  EXPECT_EQ(grid->GetSelectedRow(), c.selected) << c.what;
  if (c.selected < 0) {
    EXPECT_TRUE(selects.empty()) << c.what;
  } else {
    ASSERT_EQ(selects.size(), 1u) << c.what;
    EXPECT_EQ(selects[0].control, c.selected);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Table, GridClickTest,
    ::testing::Values(GridClickCase{"first data row", 0, 150, RowMiddle(1), 0},
                      GridClickCase{"third data row, scrolled by three", 3, 250, RowMiddle(3), 5},
                      GridClickCase{"the header row of a scrolled grid selects no row", 4, 250, RowMiddle(0), -1},
                      GridClickCase{"the scroll bar", 2, 390, RowMiddle(3), -1},
                      GridClickCase{"outside the grid", 0, 600, RowMiddle(3), -1}));

// Screens open their lists with the first row chosen silently; the
// player's click on that row picks it, every time.
TEST_F(GridTest, ClicksOnTheRowChosenSilentlyKeepItSelectedAndPostEachPick) {
  grid->SetSelectedRow(0, true);
  for (std::size_t click = 1; click <= 2; ++click) {
    Click(150, RowMiddle(1));
    EXPECT_EQ(grid->GetSelectedRow(), 0) << "click " << click;
    const auto selects = QueuedWithCode(kit, kCmdSelect);
    ASSERT_EQ(selects.size(), click);
    EXPECT_EQ(selects.back().control, 0);
  }
}

TEST_F(GridTest, HeaderClickPostsTheColumnAndTheHeaderStatesFollowThePointer) {
  GridHeader* header = grid->GetHeader(1);
  header->hoverText = "sort by column 1";
  kit.Route(gui::kMouseMove, ColumnMiddle(1), RowMiddle(0));
  EXPECT_EQ(header->state, 1);
  EXPECT_EQ(grid->GetHeader(0)->state, 0);
  EXPECT_EQ(grid->secondText, "sort by column 1");
  EXPECT_TRUE(kit.Route(gui::kLeftDown, ColumnMiddle(1), RowMiddle(0)));
  EXPECT_EQ(header->state, 2);
  EXPECT_TRUE(kit.Route(gui::kLeftUp, ColumnMiddle(1), RowMiddle(0)));
  EXPECT_EQ(header->state, 0);
  const auto clicks = QueuedWithCode(kit, kCmdClick);
  ASSERT_EQ(clicks.size(), 1u);
  EXPECT_EQ(clicks[0].sender, kGridId);
  EXPECT_EQ(clicks[0].target, -1);
  EXPECT_EQ(clicks[0].control, 1);
  kit.Route(gui::kMouseMove, ColumnMiddle(1), RowMiddle(3));
  EXPECT_EQ(header->state, 0);
}

TEST_F(GridTest, HeaderClickIsPostedForColumnsBeyondTheVisibleRowCount) {
  auto* wide = kit.Add<CGuiGrid>(page, 550, 0, 400, 500, 40, 3);
  wide->SetDimensions(5, 2);
  wide->SetHasHeader(true);
  kit.RunFrame();
  kit.Route(gui::kMouseMove, 450, 410);
  kit.Route(gui::kLeftUp, 450, 410);
  const auto clicks = QueuedWithCode(kit, kCmdClick);
  ASSERT_EQ(clicks.size(), 1u);
  EXPECT_EQ(clicks[0].control, 4);
}

TEST_F(GridTest, ScrollDownStopsWithTheLastRowShownAndScrollToKeepsItsRange) {
  for (int i = 0; i < 20; ++i) grid->ScrollDown(nullptr);
  EXPECT_EQ(grid->GetTopRow(), 6) << "rows 6 to 11 fill the six data rows";
  const struct {
    int32_t control;
    int32_t top;
  } cases[] = {{0, 0}, {3, 3}, {6, 6}, {7, 6}, {-1, 0}};
  for (const auto& c : cases) {
    GuiCommand command = Command(-1, kGridId, kCmdScrollTo, c.control);
    grid->ScrollTo(&command);
    EXPECT_EQ(grid->GetTopRow(), c.top) << "control " << c.control;
  }
}

TEST_F(GridTest, WheelScrollsThroughTheDispatcher) {
  kit.Route(gui::kMouseMove, 150, RowMiddle(2));
  kit.Route(plat::kWmMouseWheel, 150, RowMiddle(2), plat::WheelWParam(-1, 0));
  kit.RunFrame();
  EXPECT_EQ(grid->GetTopRow(), 1);
  kit.Route(plat::kWmMouseWheel, 150, RowMiddle(2), plat::WheelWParam(1, 0));
  kit.RunFrame();
  EXPECT_EQ(grid->GetTopRow(), 0);
}

TEST_F(GridTest, ClearCellsReturnsToTheTopOnlyWhenTheRowsDoNotFit) {
  for (int i = 0; i < 4; ++i) grid->ScrollDown(nullptr);
  grid->SetRowCount(5);
  grid->ClearCells();
  EXPECT_EQ(grid->GetTopRow(), 4) << "five rows fit";
  EXPECT_EQ(grid->GetCellCount(), 0);
  EXPECT_EQ(grid->FindCell(0, 0), nullptr);

  Fill(12);
  for (int i = 0; i < 4; ++i) grid->ScrollDown(nullptr);
  grid->ClearCells();
  EXPECT_EQ(grid->GetTopRow(), 0);
  EXPECT_EQ(grid->GetScrollBar()->GetThumbY(), grid->GetScrollBar()->GetTrackTop());

  // Refilled, the rows start again from the first cell of each column.
  Fill(2);
  ASSERT_NE(grid->FindCell(1, 1), nullptr);
  EXPECT_EQ(grid->FindCell(1, 1)->text, "r1 c1");
  EXPECT_EQ(grid->FindCell(1, 2), nullptr);
}

TEST_F(GridTest, FindCellGivesTheNthCellOfTheColumn) {
  const struct {
    int32_t column, n;
    const char* text;  // null: no cell
  } cases[] = {{1, 2, "r2 c1"}, {0, 0, "r0 c0"}, {2, 11, "r11 c2"}, {1, 12, nullptr},
               {3, 0, nullptr}, {-1, 0, nullptr}, {0, -1, nullptr}};
  for (const auto& c : cases) {
    const GridCell* cell = grid->FindCell(c.column, c.n);
    if (!c.text) {
      EXPECT_EQ(cell, nullptr) << c.column << "," << c.n;
    } else {
      ASSERT_NE(cell, nullptr) << c.column << "," << c.n;
      EXPECT_EQ(cell->text, c.text);
      EXPECT_EQ(cell->column, c.column);
    }
  }
  grid->AddCell(7, -1, "nowhere", 0, "");
  EXPECT_EQ(grid->GetCellCount(), 36);
}

TEST_F(GridTest, ClampSelectionPullsBackToTheLastRow) {
  grid->SetSelectedRow(15, true);
  EXPECT_EQ(grid->ClampSelection(), 11);
  grid->SetSelectedRow(5, true);
  EXPECT_EQ(grid->ClampSelection(), 5);
  grid->SetRowCount(0);
  EXPECT_EQ(grid->ClampSelection(), -1);
}

TEST_F(GridTest, CellIconIsASquareOfTheRowHeightAndMovesTheText) {
  grid->ClearCells();
  grid->SetRowCount(1);
  grid->AddCell(1, -1, "with icon", 0, kit.Image("icon.png", 8, 8));
  const GridCell* cell = grid->FindCell(1, 0);
  ASSERT_NE(cell, nullptr);
  const widgettest::Drawn drawn = widgettest::DrawOnce(kit, *grid);
  const auto icons = drawn.QuadsOf(cell->icon.get());
  ASSERT_EQ(icons.size(), 1u);
  const int32_t left = kX + kColumnWidth + 2;
  const int32_t top = kY + kRowHeight;
  EXPECT_EQ(widgettest::QuadLeft(icons[0]), left + 1);
  EXPECT_EQ(widgettest::QuadTop(icons[0]), top + 1);
  EXPECT_EQ(widgettest::QuadWidth(icons[0]), kRowHeight - 2);
  EXPECT_EQ(widgettest::QuadHeight(icons[0]), kRowHeight - 2);
  const plat::TextRecord* text = drawn.Text("with icon");
  ASSERT_NE(text, nullptr);
  EXPECT_EQ(text->rect.left, left + kRowHeight);
  EXPECT_EQ(text->rect.top, top + 2);
  EXPECT_EQ(text->format, 4u);
}

TEST_F(GridTest, HighlightsOnlyRowsThatHoldData) {
  grid->SetHighlightTexture(kit.Image("light.png", 10, 10));
  grid->ClearCells();
  Fill(3);
  const struct {
    const char* what;
    int32_t hoverRow;
    int32_t selected;
    std::size_t quads;
  } cases[] = {{"hover over a data row: one quad per column", 2, -1, 3},
               {"hover below the data", 5, -1, 0},
               {"hover and selection on different rows", 1, 2, 6},
               {"a selection beyond the data", 6, 7, 0}};
  for (const auto& c : cases) {
    kit.Route(gui::kMouseMove, 150, RowMiddle(c.hoverRow));
    grid->SetSelectedRow(c.selected, true);
    const widgettest::Drawn drawn = widgettest::DrawOnce(kit, *grid);
    EXPECT_EQ(drawn.QuadsOf(grid->GetHighlightTexture()).size(), c.quads) << c.what;
  }
}

TEST_F(GridTest, AddCellLooksUpTextIds) {
  grid->ClearCells();
  grid->AddCell(0, 12345, "literal", 0, "");
  EXPECT_EQ(grid->FindCell(0, 0)->text, "") << "an id missing from the table gives an empty text";
}

}  // namespace
