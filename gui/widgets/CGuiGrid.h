#pragma once
// A table: a fixed number of columns, equal rows, an optional header row of
// clickable column headers with images, hover and selection highlights,
// optional grid lines drawn with the element's frame image, cells of text
// with an optional square icon, and a vertical scroll bar on the right
// edge. Screens set the total row count, add cells column by column, learn
// of the selected row from a select command and of header clicks from a
// click command with the column.
#include <cstdint>
#include <memory>
#include <vector>

#include "engine/core/EngineString.h"
#include "engine/render/ZOdevuvText.h"
#include "gui/core/CGuiElement.h"
#include "gui/core/GuiColour.h"
#include "gui/core/IntPair.h"

class CGuiVScroll;

struct GridColumn {
  int32_t width = 0;
  uint32_t format = 4;  // vertically centred
  GuiColour colour = kGuiBlack;
  GuiTexturePtr texture;  // behind every cell of the column
};

struct GridHeader {
  static constexpr int32_t kColourCount = 4;

  uint32_t format = 0;
  GuiColour colours[kColourCount] = {kGuiBlack, kGuiBlack, kGuiBlack, kGuiBlack};  // by state
  GuiTexturePtr texture;  // the state images side by side
  EngineString text;
  EngineString secondText;
  int32_t state = 0;  // 0 normal, 1 hover, 2 pressed
  int32_t frameCount = 0;
  std::unique_ptr<ZOdevuvText> font;  // null: the grid's own
  // Shown in the grid's second text while the pointer is over the header.
  EngineString hoverText;

  ~GridHeader();
};

struct GridCell {
  int32_t column = 0;
  EngineString text;
  uint8_t flag = 0;
  GuiColour colour = kGuiBlack;
  uint8_t ownColour = 0;  // 0: the column's colour is used
  int32_t data = 0;
  GuiTexturePtr icon;
};

class CGuiGrid : public CGuiElement {
 public:
  // The scroll bar's id: the grid's id with the low 24 bits set, the same
  // for most grids, so nothing is routed by it.
  static constexpr int32_t kScrollBarIdBits = 0x00FFFFFF;

  CGuiGrid();
  ~CGuiGrid() override;

  // Hover row and header states on moves; a release on a header posts a
  // click with the column, one on a data row selects it; the wheel scrolls.
  bool HandleMessage(const plat::Message* message, uint8_t flag) override;
  void Draw() override;
  void ScrollUp(GuiCommand* command) override;
  void ScrollDown(GuiCommand* command) override;
  // To command->control, kept within the positions that fill the grid.
  void ScrollTo(GuiCommand* command) override;

  // Set-up. Counts of 0 or less are refused.
  void SetDimensions(int32_t columns, int32_t visibleRows);
  void SetColumn(int32_t column, int32_t width, uint32_t format, const GuiColour& colour, const EngineString& path);
  void SetColumnTextFormat(int32_t column, uint32_t format);
  void SetHeaderButton(int32_t column, const EngineString& text, const GuiColour (&colours)[GridHeader::kColourCount],
                       uint32_t format, const EngineString& path, int32_t frameCount);
  void SetColumnHeader(int32_t column, const EngineString& text, uint32_t format);
  void SetColumnHeaderFont(int32_t column, int32_t pointSize, int32_t charWidth, int32_t weight, uint8_t italic,
                           int32_t charSet, int32_t outputPrecision, int32_t quality, int32_t pitchAndFamily,
                           const EngineString& face);
  void SetFont(int32_t pointSize, int32_t charWidth, int32_t weight, uint8_t italic, int32_t charSet,
               int32_t outputPrecision, int32_t quality, int32_t pitchAndFamily, const EngineString& face);
  void SetHighlightTexture(const EngineString& path);
  void SetGridLines(bool on) { m_gridLines = on ? 1 : 0; }
  void SetHasHeader(bool on) { m_hasHeader = on ? 1 : 0; }
  void SetScrollBarSuppressed(bool on) { m_scrollBarSuppressed = on ? 1 : 0; }
  void CreateScrollBar(const EngineString& background, const EngineString& up, const EngineString& down,
                       const EngineString& thumb);

  // Content.
  void SetRowCount(int32_t rows) { m_totalRows = rows; }
  // Text id -1: the literal; any other id is looked up in the text table.
  void AddCell(int32_t column, int32_t textId, const EngineString& text, int32_t data, const EngineString& iconPath);
  // The n-th cell added to the column (its row n), or null.
  GridCell* FindCell(int32_t column, int32_t n) const;
  void ClearCells();
  void UpdateScrollRange(bool toTop);
  // Not silent: a row in 0 .. total - 1 posts the select command, also
  // when it is the selected row already.
  void SetSelectedRow(int32_t row, bool silent);
  // Pulls a selection beyond the last row back to the last row.
  int32_t ClampSelection();

  // The visible row under the point (0 = the grid's top row), -1 for none.
  int32_t RowAt(int32_t x, int32_t y) const;
  // The column whose header is under the point, -1 for none.
  int32_t HeaderAt(int32_t x, int32_t y) const;

  int32_t GetColumnCount() const { return m_columnCount; }
  int32_t GetVisibleRows() const { return m_visibleRows; }
  int32_t GetRowHeight() const { return m_rowHeight; }
  int32_t GetTopRow() const { return m_topRow; }
  int32_t GetHoverRow() const { return m_hoverRow; }
  int32_t GetSelectedRow() const { return m_selectedRow; }
  int32_t GetTotalRows() const { return m_totalRows; }
  int32_t GetCellCount() const { return int32_t(m_cells.size()); }
  bool HasHeader() const { return m_hasHeader != 0; }
  const IntPair& GetScrollBarSize() const { return m_scrollBarSize; }
  CGuiVScroll* GetScrollBar() const { return m_scrollBar; }
  const ZOdevuvTexture* GetHighlightTexture() const { return m_highlight.get(); }
  GridColumn* GetColumn(int32_t column) const;
  GridHeader* GetHeader(int32_t column) const;

 private:
  bool ValidColumn(int32_t column) const { return column >= 0 && column < m_columnCount; }
  int32_t HeaderRows() const { return m_hasHeader ? 1 : 0; }
  int32_t FrameThickness() const;
  int32_t ColumnLeft(int32_t column) const;
  int32_t ColumnsWidth() const;
  // A column's drawn width: the last loses the scroll bar's width while
  // the bar shows.
  int32_t DrawnWidth(int32_t column, bool barNeeded) const;
  int32_t LastTopRow() const;
  void MoveTopRow(int32_t row);
  void SetHeaderStates(int32_t column, int32_t state);
  void HandleLeftUp(int32_t x, int32_t y);

  struct RowGeometry {
    int32_t top = 0;   // the row's top edge
    int32_t limit = 0; // the right limit: the scroll bar's left edge
    bool barNeeded = false;
  };
  // Grid lines in the frame image: along a row's top (cut off at the limit)
  // and at a column's left and the last column's right edge.
  void DrawHorizontalLine(int32_t column, int32_t xc, int32_t y, int32_t limit);
  void DrawVerticalLines(int32_t column, int32_t xc, int32_t y);
  // Sizes a strip of `frames` images to one row and draws one of them.
  void DrawStretched(ZOdevuvTexture& texture, int32_t x, int32_t y, int32_t width, int32_t frames, int32_t frame);
  void DrawHeaderRow(const RowGeometry& row);
  void DrawDataRow(int32_t visibleRow, const RowGeometry& row);
  void DrawCellText(int32_t column, const GridCell& cell, plat::Rect box);

  std::vector<std::unique_ptr<GridColumn>> m_columns;
  std::vector<std::unique_ptr<GridHeader>> m_headers;
  std::vector<std::unique_ptr<GridCell>> m_cells;
  // The cells of each column in the order they were added: its rows.
  std::vector<std::vector<GridCell*>> m_cellsByColumn;
  int32_t m_columnCount = 0;
  int32_t m_visibleRows = 0;
  uint8_t m_gridLines = 0;
  int32_t m_rowHeight = 0;
  uint8_t m_hasHeader = 0;
  IntPair m_scrollBarSize;
  uint8_t m_scrollBarSuppressed = 0;
  int32_t m_topRow = 0;
  std::unique_ptr<ZOdevuvText> m_text;
  GuiTexturePtr m_highlight;
  int32_t m_hoverRow = -1;
  CGuiVScroll* m_scrollBar = nullptr;  // one of the children
  int32_t m_selectedRow = -1;
  int32_t m_totalRows = 0;
};
