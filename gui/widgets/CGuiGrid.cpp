#include "gui/widgets/CGuiGrid.h"

#include <algorithm>

#include "engine/render/ZOdevuvTexture.h"
#include "gui/core/GuiFont.h"
#include "gui/core/GuiGeometry.h"
#include "gui/core/GuiMessages.h"
#include "gui/core/GuiServices.h"
#include "gui/widgets/CGuiVScroll.h"

GridHeader::~GridHeader() {
  if (font) font->Release();
}

CGuiGrid::CGuiGrid() : m_text(std::make_unique<ZOdevuvText>()) {}

CGuiGrid::~CGuiGrid() {
  if (m_text) m_text->Release();
}

GridColumn* CGuiGrid::GetColumn(int32_t column) const {
  return ValidColumn(column) ? m_columns[std::size_t(column)].get() : nullptr;
}

GridHeader* CGuiGrid::GetHeader(int32_t column) const {
  return ValidColumn(column) ? m_headers[std::size_t(column)].get() : nullptr;
}

int32_t CGuiGrid::FrameThickness() const { return record && record->hasFrame ? record->frameThickness : 0; }

int32_t CGuiGrid::ColumnLeft(int32_t column) const {
  // Many wide columns could sum beyond 32 bits: held to the coordinate range.
  int64_t left = record->x;
  for (int32_t c = 0; c < column; ++c) left += m_columns[std::size_t(c)]->width;
  return gui::ClampCoordinate(left);
}

int32_t CGuiGrid::ColumnsWidth() const { return ColumnLeft(m_columnCount) - record->x; }

int32_t CGuiGrid::DrawnWidth(int32_t column, bool barNeeded) const {
  const int32_t width = m_columns[std::size_t(column)]->width;
  return column == m_columnCount - 1 && barNeeded ? width - m_scrollBarSize.first : width;
}

int32_t CGuiGrid::LastTopRow() const { return std::max(0, m_totalRows - (m_visibleRows - HeaderRows())); }

void CGuiGrid::SetDimensions(int32_t columns, int32_t visibleRows) {
  // The sizes are divided by both counts.
  if (!record || columns <= 0 || visibleRows <= 0) return;
  m_columnCount = columns;
  m_visibleRows = visibleRows;
  m_rowHeight = record->height / visibleRows;
  while (int32_t(m_columns.size()) < columns) {
    m_columns.push_back(std::make_unique<GridColumn>());
    m_headers.push_back(std::make_unique<GridHeader>());
  }
  m_cellsByColumn.resize(std::max(m_cellsByColumn.size(), std::size_t(columns)));
  for (int32_t c = 0; c < columns; ++c) m_columns[std::size_t(c)]->width = record->width / columns;
}

void CGuiGrid::SetColumn(int32_t column, int32_t width, uint32_t format, const GuiColour& colour,
                         const EngineString& path) {
  GridColumn* target = GetColumn(column);
  if (!target) return;
  target->width = gui::ClampSize(width);
  target->format = format;
  target->colour = colour;
  if (path.Length() > 0) target->texture = LoadTexture(path);
}

void CGuiGrid::SetColumnTextFormat(int32_t column, uint32_t format) {
  if (GridColumn* target = GetColumn(column)) target->format = format;
}

void CGuiGrid::SetHeaderButton(int32_t column, const EngineString& text,
                               const GuiColour (&colours)[GridHeader::kColourCount], uint32_t format,
                               const EngineString& path, int32_t frameCount) {
  GridHeader* header = GetHeader(column);
  if (!header) return;
  if (path.Length() > 0) {
    header->texture = LoadTexture(path);
    header->texture->SetFrameCount(frameCount);
  }
  header->format = format;
  std::copy(std::begin(colours), std::end(colours), std::begin(header->colours));
  header->text = text;
  header->secondText = EngineString();
  header->hoverText = EngineString();
  header->frameCount = frameCount;
}

void CGuiGrid::SetColumnHeader(int32_t column, const EngineString& text, uint32_t format) {
  GridHeader* header = GetHeader(column);
  if (!header) return;
  header->text = text;
  header->format = format;
}

void CGuiGrid::SetColumnHeaderFont(int32_t column, int32_t pointSize, int32_t charWidth, int32_t weight, uint8_t italic,
                                   int32_t charSet, int32_t outputPrecision, int32_t quality, int32_t pitchAndFamily,
                                   const EngineString& face) {
  GridHeader* header = GetHeader(column);
  if (!header) return;
  if (header->font) header->font->Release();
  header->font = std::make_unique<ZOdevuvText>();
  header->font->SetFont(pointSize, charWidth, weight, italic, charSet, outputPrecision, quality, pitchAndFamily, face);
}

void CGuiGrid::SetFont(int32_t pointSize, int32_t charWidth, int32_t weight, uint8_t italic, int32_t charSet,
                       int32_t outputPrecision, int32_t quality, int32_t pitchAndFamily, const EngineString& face) {
  ReplaceTextFont(m_text,
                  {pointSize, charWidth, weight, italic, charSet, outputPrecision, quality, pitchAndFamily, face});
}

void CGuiGrid::SetHighlightTexture(const EngineString& path) { m_highlight = LoadTexture(path); }

void CGuiGrid::CreateScrollBar(const EngineString& background, const EngineString& up, const EngineString& down,
                               const EngineString& thumb) {
  if (!record || m_scrollBar) return;
  // Over the whole height, the header row included.
  const int32_t f = FrameThickness();
  m_scrollBar = CGuiVScroll::AttachRight(*this, record->id | kScrollBarIdBits, background, up, down, thumb,
                                         rect.top + f, rect.bottom - rect.top - 2 * f);
}

void CGuiGrid::AddCell(int32_t column, int32_t textId, const EngineString& text, int32_t data,
                       const EngineString& iconPath) {
  if (!ValidColumn(column)) return;
  auto cell = std::make_unique<GridCell>();
  cell->column = column;
  cell->text = GuiTextFor(textId, text);
  cell->data = data;
  if (iconPath.Length() > 0) cell->icon = LoadTexture(iconPath);
  m_cellsByColumn[std::size_t(column)].push_back(cell.get());
  m_cells.push_back(std::move(cell));
}

GridCell* CGuiGrid::FindCell(int32_t column, int32_t n) const {
  if (!ValidColumn(column) || n < 0) return nullptr;
  const std::vector<GridCell*>& rows = m_cellsByColumn[std::size_t(column)];
  return std::size_t(n) < rows.size() ? rows[std::size_t(n)] : nullptr;
}

void CGuiGrid::MoveTopRow(int32_t row) {
  m_topRow = row;
  if (m_scrollBar) m_scrollBar->SetScrollPos(m_topRow);
}

void CGuiGrid::ClearCells() {
  m_cells.clear();
  for (std::vector<GridCell*>& rows : m_cellsByColumn) rows.clear();
  if (m_visibleRows - HeaderRows() < m_totalRows) MoveTopRow(0);
}

void CGuiGrid::UpdateScrollRange(bool toTop) {
  m_hoverRow = -1;
  if (toTop) m_topRow = 0;
  if (m_scrollBar) m_scrollBar->SetRange(m_totalRows - m_visibleRows + 1 + HeaderRows());
}

void CGuiGrid::SetSelectedRow(int32_t row, bool silent) {
  if (m_totalRows <= 0) {
    m_selectedRow = -1;
    return;
  }
  m_selectedRow = row;
  // A click on the selected row picks it again: it stays selected, and the
  // screen, which may have chosen it silently, hears of the pick.
  if (!silent && row >= 0 && row < m_totalRows) GuiPost(record->id, -1, kCmdSelect, row, 0);
}

int32_t CGuiGrid::ClampSelection() {
  // The last row that exists, not one past it.
  if (m_selectedRow > m_totalRows - 1) {
    m_selectedRow = std::max(-1, m_totalRows - 1);
    m_hoverRow = -1;
  }
  return m_selectedRow;
}

void CGuiGrid::ScrollUp(GuiCommand*) {
  if (m_topRow >= 1) MoveTopRow(m_topRow - 1);
}

void CGuiGrid::ScrollDown(GuiCommand*) {
  if (m_visibleRows - HeaderRows() + m_topRow < m_totalRows) MoveTopRow(m_topRow + 1);
}

void CGuiGrid::ScrollTo(GuiCommand* command) {
  // The bar's positions are the top rows themselves; the thumb stays where
  // the bar put it.
  if (m_scrollBar && command) m_topRow = std::clamp(command->control, 0, LastTopRow());
}

int32_t CGuiGrid::RowAt(int32_t x, int32_t y) const {
  if (!record) return -1;
  // The row band ends where the scroll bar begins.
  if (x <= record->x || x >= record->x + ColumnsWidth() - m_scrollBarSize.first) return -1;
  for (int32_t row = HeaderRows(); row < m_visibleRows; ++row) {
    const int32_t top = record->y + row * m_rowHeight;
    if (y > top && y < top + m_rowHeight) return row;
  }
  return -1;
}

int32_t CGuiGrid::HeaderAt(int32_t x, int32_t y) const {
  if (!record || !m_hasHeader || m_columnCount == 0) return -1;
  if (y <= record->y || y >= record->y + m_rowHeight) return -1;
  for (int32_t c = 0; c < m_columnCount; ++c) {
    int32_t left = ColumnLeft(c);
    if (c == m_columnCount - 1 && !m_scrollBarSuppressed) left -= m_scrollBarSize.first;
    if (x > left && x < left + m_columns[std::size_t(c)]->width) return c;
  }
  return -1;
}

void CGuiGrid::SetHeaderStates(int32_t column, int32_t state) {
  for (int32_t c = 0; c < m_columnCount; ++c) m_headers[std::size_t(c)]->state = c == column ? state : 0;
}

void CGuiGrid::HandleLeftUp(int32_t x, int32_t y) {
  const int32_t column = HeaderAt(x, y);
  if (column != -1) {
    m_headers[std::size_t(column)]->state = 0;
    GuiPost(record->id, -1, kCmdClick, column, 0);
  }
  // Only a release on a data row selects: one on the header row or below
  // the rows leaves the selection alone.
  const int32_t row = RowAt(x, y);
  if (row == -1 || !ContainsPoint(x, y) || (m_scrollBar && m_scrollBar->ContainsPoint(x, y))) return;
  SetSelectedRow(m_topRow + row - HeaderRows(), false);
}

bool CGuiGrid::HandleMessage(const plat::Message* message, uint8_t flag) {
  if (!message || !IsEnabled()) return false;
  bool result = CGuiElement::HandleMessage(message, flag);
  if (!IsVisible()) {
    m_hoverRow = -1;
    return result;
  }
  const int32_t x = gui::MessageX(*message);
  const int32_t y = gui::MessageY(*message);
  switch (message->message) {
    case gui::kMouseMove: {
      mouseOver = ContainsPoint(x, y) ? 1 : 0;
      if (mouseOver) m_hoverRow = RowAt(x, y);
      if (!m_hasHeader) break;
      const int32_t column = HeaderAt(x, y);
      SetHeaderStates(column, kStateHover);
      if (column != -1) secondText = m_headers[std::size_t(column)]->hoverText;
      break;
    }
    case gui::kLeftDown:
      if (mouseOver && HeaderAt(x, y) != -1) {
        SetHeaderStates(HeaderAt(x, y), kStatePressed);
        result = true;
      }
      break;
    case gui::kLeftUp:
      if (!mouseOver) break;
      if (HeaderAt(x, y) != -1) result = true;
      HandleLeftUp(x, y);
      break;
    case plat::kWmMouseWheel:
      if (mouseOver && m_scrollBar && m_scrollBar->IsVisible()) {
        const bool towardsUser = int32_t(uint32_t(message->wParam)) < 1;
        GuiPost(-1, record->id, towardsUser ? kCmdScrollDown : kCmdScrollUp, 0, 0);
      }
      break;
    default:
      break;
  }
  return result;
}

void CGuiGrid::DrawStretched(ZOdevuvTexture& texture, int32_t x, int32_t y, int32_t width, int32_t frames,
                             int32_t frame) {
  texture.SetWidth(width * frames);
  texture.SetHeight(m_rowHeight);
  texture.DrawFrame(x, y, frame, kOpaqueWhite, kDepth);
}

void CGuiGrid::DrawHorizontalLine(int32_t column, int32_t xc, int32_t y, int32_t limit) {
  ZOdevuvTexture* frame = record->frameTexture.get();
  if (!frame || !m_gridLines || xc >= limit) return;
  const int32_t width = std::min(m_columns[std::size_t(column)]->width, limit - xc);
  frame->Draw(xc, y, width, record->frameThickness, kOpaqueWhite, kDepth);
}

void CGuiGrid::DrawVerticalLines(int32_t column, int32_t xc, int32_t y) {
  ZOdevuvTexture* frame = record->frameTexture.get();
  if (!frame || !m_gridLines) return;
  const int32_t f = record->frameThickness;
  if (column > 0) frame->Draw(xc, y, f, m_rowHeight, kOpaqueWhite, kDepth);
  if (column == m_columnCount - 1) {
    const int32_t right = xc - m_scrollBarSize.first + m_columns[std::size_t(column)]->width;
    frame->Draw(right, y, f, m_rowHeight, kOpaqueWhite, kDepth);
  }
}

void CGuiGrid::DrawHeaderRow(const RowGeometry& row) {
  const int32_t f = FrameThickness();
  for (int32_t c = 0; c < m_columnCount; ++c) {
    GridHeader& header = *m_headers[std::size_t(c)];
    const int32_t xc = ColumnLeft(c);
    const int32_t state = std::clamp(header.state, 0, GridHeader::kColourCount - 1);
    if (header.texture) {
      DrawStretched(*header.texture, xc, row.top, DrawnWidth(c, row.barNeeded), header.frameCount, state);
    }
    if (xc >= row.limit) continue;
    const int32_t right = std::min(xc + m_columns[std::size_t(c)]->width, row.limit) - f;
    plat::Rect box{xc + f + 2, row.top + f, right, row.top + m_rowHeight - f};
    ZOdevuvText* font = header.font.get();
    if (!font) {
      const int32_t shift = (box.bottom - box.top) / 10;
      box.top += shift;
      box.bottom += shift;
      font = m_text.get();
    }
    font->Draw(header.text.CStr(), box, header.format, header.colours[state].Argb());
    // The header row's horizontal line is its bottom edge.
    DrawHorizontalLine(c, xc, row.top + m_rowHeight, row.limit);
    DrawVerticalLines(c, xc, row.top);
  }
}

void CGuiGrid::DrawCellText(int32_t column, const GridCell& cell, plat::Rect box) {
  const GridColumn& col = *m_columns[std::size_t(column)];
  const int32_t d = box.bottom - box.top;
  if (cell.icon) {
    // A square of the row's inner height at the left of the cell.
    cell.icon->Draw(box.left + 1, box.top + 1, d - 2, d - 2, kOpaqueWhite, kDepth);
    box.left += d;
    box.right -= d;
  }
  const int32_t shift = d / 10;
  box.top += shift;
  box.bottom += shift;
  const GuiColour& colour = cell.ownColour ? cell.colour : col.colour;
  m_text->Draw(cell.text.CStr(), box, col.format, colour.Argb());
}

void CGuiGrid::DrawDataRow(int32_t visibleRow, const RowGeometry& row) {
  const int32_t f = FrameThickness();
  const int32_t dataRow = visibleRow - HeaderRows() + m_topRow;
  const bool hasData = dataRow >= 0 && dataRow < m_totalRows;
  for (int32_t c = 0; c < m_columnCount; ++c) {
    const GridColumn& column = *m_columns[std::size_t(c)];
    const int32_t xc = ColumnLeft(c);
    const int32_t width = DrawnWidth(c, row.barNeeded);
    if (column.texture) DrawStretched(*column.texture, xc, row.top, width, 1, 0);
    if (m_highlight && hasData && m_hoverRow == visibleRow) DrawStretched(*m_highlight, xc, row.top, width, 1, 0);
    if (m_highlight && hasData && m_selectedRow == dataRow) DrawStretched(*m_highlight, xc, row.top, width, 1, 0);
    DrawHorizontalLine(c, xc, row.top, row.limit);
    DrawVerticalLines(c, xc, row.top);
    const int32_t right = std::min(xc + column.width, row.limit) - f;
    const plat::Rect box{xc + f + 2, row.top + f, right, row.top + m_rowHeight - f};
    const GridCell* cell = hasData ? FindCell(c, dataRow) : nullptr;
    if (cell) DrawCellText(c, *cell, box);
  }
}

void CGuiGrid::Draw() {
  if (!IsVisible()) return;
  m_scrollBarSize.Clear();
  if (m_scrollBar) {
    m_scrollBar->record->visible = 0;
    m_scrollBarSize.Set(m_scrollBar->record->width + FrameThickness(), m_scrollBar->record->height);
  }
  RowGeometry row;
  row.barNeeded = m_scrollBar && !m_scrollBarSuppressed && m_totalRows > m_visibleRows - HeaderRows();
  if (row.barNeeded) m_scrollBar->record->visible = 1;
  row.limit = record->x + record->width - (m_scrollBar ? m_scrollBar->record->width : 0);
  CGuiElement::Draw();
  if (!m_text) return;
  if (m_hasHeader) {
    row.top = record->y;
    DrawHeaderRow(row);
  }
  for (int32_t r = HeaderRows(); r < m_visibleRows; ++r) {
    row.top = record->y + r * m_rowHeight;
    DrawDataRow(r, row);
  }
}
