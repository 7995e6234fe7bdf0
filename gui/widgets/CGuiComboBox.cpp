#include "gui/widgets/CGuiComboBox.h"

#include <algorithm>

#include "gui/core/GuiMessages.h"
#include "gui/core/GuiServices.h"
#include "gui/widgets/CGuiButton.h"
#include "gui/widgets/CGuiVScroll.h"

CGuiComboBox::CGuiComboBox() {
  m_hasHeader = 1;
  // The pick is reported on the press, with the item's index.
  m_reportsRowClicks = 0;
}

CGuiComboBox::~CGuiComboBox() = default;

void CGuiComboBox::SetVisibleRows(int32_t rows) {
  CGuiListBox::SetVisibleRows(rows);
  m_openRows = m_visibleRows;
}

void CGuiComboBox::SetDropRows(int32_t rows) {
  SetVisibleRows(std::min(rows, m_maxDropRows));
  if (m_scrollBar) UpdateScrollRange();
}

void CGuiComboBox::SetScrollRange(int32_t range) {
  if (!m_scrollBar) return;
  UpdateScrollRange();
  m_scrollBar->SetRange(range);
}

int32_t CGuiComboBox::GetSelectedIndex() {
  if (m_selected > GetItemCount() - 1) m_selected = GetItemCount() - 1;
  return m_selected;
}

void CGuiComboBox::SetSelectedIndex(int32_t index) {
  if (index <= GetItemCount() - 1) m_selected = index;
}

void CGuiComboBox::CreateDropButton(const EngineString& path, int32_t cellCount) {
  if (!record || m_dropButton) return;
  m_dropButton = MakeDropButton(path, cellCount, 0);
}

void CGuiComboBox::Clear() {
  CGuiListBox::Clear();
  SetVisibleRows(std::min(0, m_maxDropRows));
  if (m_scrollBar) UpdateScrollRange();
  SetTopRow(0);
}

void CGuiComboBox::SetOpen(bool open) {
  m_open = open ? 1 : 0;
  SetRowWidth(open ? record->width : record->width - m_scrollBarSize.first);
}

void CGuiComboBox::OnLeftDown(GuiCommand*) {}

void CGuiComboBox::OnClick(GuiCommand* command) {
  if (TakeDropButtonClick(command, m_dropButton)) SetOpen(!m_open);
}

bool CGuiComboBox::HandleMessage(const plat::Message* message, uint8_t flag) {
  if (message && message->message == gui::kLeftDown && IsEnabled() && IsVisible()) {
    const int32_t x = gui::MessageX(*message);
    const int32_t y = gui::MessageY(*message);
    const int32_t row = RowAt(x, y);
    if (row != -1 && RowHoldsItem(row)) {
      m_selected = m_topRow + row - HeaderRows();
      SetOpen(false);
      GuiPost(record->id, -1, kCmdSelect, m_selected, 0);
      GuiPlaySound("COMBO_CLICK");
    } else if (m_dropButton && !m_dropButton->ContainsPoint(x, y) &&
               !(m_scrollBar && m_scrollBar->ContainsPoint(x, y))) {
      SetOpen(false);
    }
  }
  return CGuiListBox::HandleMessage(message, flag);
}

void CGuiComboBox::Draw() {
  if (!IsVisible()) return;
  m_rowSize.second = m_itemHeight;
  if (m_open) {
    // Row 0 shows the selection: the items need a row each below it, or
    // the last one (a list of one: the only one) could never be picked.
    const int32_t rows = std::min(m_maxDropRows, GetItemCount() + HeaderRows());
    SetSize(record->width, rows * m_itemHeight);
    m_openRows = m_visibleRows = std::max(0, rows);
    m_scrollBarSuppressed = 0;
  } else {
    m_visibleRows = 1;
    SetSize(record->width, m_itemHeight);
    m_scrollBarSuppressed = 1;
  }
  CGuiListBox::Draw();
  DrawSelection();
}

void CGuiComboBox::DrawSelection() {
  if (GetItemCount() == 0 || !m_text) return;
  // Whatever a screen stored, row 0 shows an item that exists.
  m_selected = std::clamp(m_selected, 0, GetItemCount() - 1);
  const int32_t f = FrameThickness();
  const int32_t x = record->x;
  const int32_t y = record->y;
  const int32_t right = x + m_rowSize.first - (m_open ? m_scrollBarSize.first : 0);
  plat::Rect box{x + 2 * f + 2, y, right - 2 * f, y + m_rowSize.second};
  if (!m_open) {
    const int32_t shift = (box.bottom - box.top) / 10;
    box.top += shift;
    box.bottom += shift;
  }
  DrawItemText(*GetItem(m_selected), box);
}
