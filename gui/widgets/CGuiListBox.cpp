#include "gui/widgets/CGuiListBox.h"

#include <algorithm>

#include "engine/render/ZOdevuvTexture.h"
#include "gui/core/GuiFont.h"
#include "gui/core/GuiMessages.h"
#include "gui/core/GuiServices.h"
#include "gui/widgets/CGuiButton.h"
#include "gui/widgets/CGuiVScroll.h"

CGuiListBox::CGuiListBox() : m_text(std::make_unique<ZOdevuvText>()) {}

CGuiListBox::~CGuiListBox() {
  if (m_text) m_text->Release();
}

int32_t CGuiListBox::FrameThickness() const { return record && record->hasFrame ? record->frameThickness : 0; }

bool CGuiListBox::ScrollBarNeeded() const {
  // The header row holds no item, so with a header one item less fits.
  return m_scrollBar && !m_scrollBarSuppressed && GetItemCount() > m_visibleRows - HeaderRows();
}

int32_t CGuiListBox::LastTopRow() const { return std::max(0, GetItemCount() - (m_visibleRows - HeaderRows())); }

bool CGuiListBox::RowHoldsItem(int32_t row) const {
  const int32_t index = m_topRow - HeaderRows() + row;
  return row >= HeaderRows() && index >= 0 && index < GetItemCount();
}

const ListBoxItem* CGuiListBox::GetItem(int32_t index) const {
  if (index < 0 || index >= GetItemCount()) return nullptr;
  return &m_items[std::size_t(index)];
}

void CGuiListBox::SetVisibleRows(int32_t rows) {
  m_visibleRows = std::max(0, rows);
  if (!record) return;
  const int32_t rowHeight = m_visibleRows > 0 ? record->height / m_visibleRows : record->height;
  m_rowSize.Set(record->width, rowHeight);
}

void CGuiListBox::SetFont(int32_t pointSize, int32_t charWidth, int32_t weight, uint8_t italic, int32_t charSet,
                          int32_t outputPrecision, int32_t quality, int32_t pitchAndFamily, const EngineString& face) {
  ReplaceTextFont(m_text,
                  {pointSize, charWidth, weight, italic, charSet, outputPrecision, quality, pitchAndFamily, face});
}

void CGuiListBox::SetItemTexture(const EngineString& path) { m_highlight = LoadTexture(path); }

void CGuiListBox::CreateScrollBar(const EngineString& background, const EngineString& up, const EngineString& down,
                                  const EngineString& thumb) {
  if (!record || m_scrollBar) return;
  const int32_t f = FrameThickness();
  const int32_t header = m_hasHeader ? m_rowSize.second : 0;
  m_scrollBar = CGuiVScroll::AttachRight(*this, record->id | kScrollBarIdBits, background, up, down, thumb,
                                         rect.top + header + f, rect.bottom - rect.top - header - 2 * f);
}

void CGuiListBox::CreateHeader(const EngineString& caption, const EngineString& background, int32_t cellCount,
                               const GuiColour (&colours)[kHeaderColours]) {
  if (!record || m_header) return;
  const int32_t f = FrameThickness();
  auto* header = new CGuiButton();
  header->CreateSized(this, record->id | kHeaderIdBits, kElementTypeButton, f, f, m_rowSize.first - 2 * f,
                      m_rowSize.second, cellCount, 1, 1);
  header->SetBackgroundTexture(background);
  header->SetText(caption, kHeaderFormat);
  header->SetTextColours(colours[0], colours[1], colours[2], colours[3]);
  AddChild(header);
  m_header = header;
  m_hasHeader = 1;
}

bool CGuiListBox::TakeDropButtonClick(GuiCommand* command, const CGuiButton* dropButton) {
  if (!command || !record || !dropButton || command->sender != dropButton->GetId()) return false;
  if (record->parent) record->parent->BringChildToFront(this);
  command->sender = -1;
  return true;
}

CGuiButton* CGuiListBox::MakeDropButton(const EngineString& path, int32_t cellCount, int32_t x) {
  auto* button = new CGuiButton();
  button->Create(this, record->id + kDropButtonIdOffset, kElementTypeButton, x, 0, cellCount, 1, 1);
  button->SetBackgroundTexture(path);
  if (record->hasFrame) {
    const int32_t f = record->frameThickness;
    m_rowSize.first -= button->record->width;
    button->record->x = record->x - f + m_rowSize.first;
    button->record->y = record->y + f;
    button->record->height = m_rowSize.second - 2 * f;
    if (ZOdevuvTexture* background = button->record->backgroundTexture.get()) {
      background->SetHeight(button->record->height);
    }
  }
  button->UpdateRect();
  AddChild(button);
  return button;
}

void CGuiListBox::SetItemText(int32_t index, const EngineString& text, uint32_t data) {
  if (index < 0) return;
  if (index < GetItemCount()) {
    m_items[std::size_t(index)].text = text;
    return;
  }
  while (GetItemCount() < index) AddItem(EngineString(), data);
  AddItem(text, data);
}

void CGuiListBox::AddItem(const EngineString& text, uint32_t data) {
  ListBoxItem item;
  item.index = GetItemCount();
  item.colour = m_itemColour;
  item.text = text;
  item.data = data;
  m_items.push_back(std::move(item));
}

void CGuiListBox::SetItemData(int32_t index, uint32_t data) {
  if (index >= 0 && index < GetItemCount()) m_items[std::size_t(index)].data = data;
}

void CGuiListBox::SetItemColour(const GuiColour& colour) { m_itemColour = colour; }

void CGuiListBox::SetHasHeader(bool hasHeader) { m_hasHeader = hasHeader ? 1 : 0; }

void CGuiListBox::Clear() {
  m_items.clear();
  m_hoverRow = -1;
  m_clickedRow = -1;
}

void CGuiListBox::UpdateScrollRange() {
  if (m_scrollBar) m_scrollBar->SetRange(GetItemCount() - m_visibleRows + 1 + HeaderRows());
}

EngineString CGuiListBox::GetItemText(int32_t index) const {
  const ListBoxItem* item = GetItem(index);
  return item ? item->text : EngineString();
}

uint32_t CGuiListBox::GetItemData(int32_t index) const {
  const ListBoxItem* item = GetItem(index);
  return item ? item->data : 0;
}

int32_t CGuiListBox::RowAt(int32_t x, int32_t y) const {
  if (!record) return -1;
  // The row band ends where the scroll bar begins.
  const int32_t left = record->x;
  const int32_t right = record->x + m_rowSize.first - m_scrollBarSize.first;
  if (x <= left || x >= right) return -1;
  const int32_t height = m_rowSize.second;
  for (int32_t row = HeaderRows(); row < m_visibleRows; ++row) {
    const int32_t top = record->y + row * height;
    if (y > top && y < top + height) return row;
  }
  return -1;
}

void CGuiListBox::SetTopRow(int32_t row) {
  if (m_visibleRows - HeaderRows() + row < GetItemCount()) {
    m_topRow = std::max(0, row);
  } else {
    m_topRow = std::max(0, row - m_visibleRows);
  }
  if (m_scrollBar) m_scrollBar->SetScrollPos(m_topRow);
}

void CGuiListBox::ScrollUp(GuiCommand*) {
  if (m_topRow < 1) return;
  --m_topRow;
  if (m_scrollBar) m_scrollBar->SetScrollPos(m_topRow);
}

void CGuiListBox::ScrollDown(GuiCommand*) {
  if (m_visibleRows - HeaderRows() + m_topRow >= GetItemCount()) return;
  ++m_topRow;
  if (m_scrollBar) m_scrollBar->SetScrollPos(m_topRow);
}

void CGuiListBox::ScrollTo(GuiCommand* command) {
  // The bar's positions 0 .. range - 1 are the top rows themselves; the
  // thumb stays where the bar put it.
  if (m_scrollBar && command) m_topRow = std::clamp(command->control, 0, LastTopRow());
}

bool CGuiListBox::HandleMessage(const plat::Message* message, uint8_t flag) {
  if (!message || !IsEnabled()) return false;
  const bool result = CGuiElement::HandleMessage(message, flag);
  if (!IsVisible()) {
    m_hoverRow = -1;
    return result;
  }
  const int32_t x = gui::MessageX(*message);
  const int32_t y = gui::MessageY(*message);
  switch (message->message) {
    case gui::kMouseMove:
      mouseOver = ContainsPoint(x, y) ? 1 : 0;
      if (mouseOver) {
        m_hoverRow = RowAt(x, y);
        if (m_hoverRow != -1) return true;
      }
      break;
    case gui::kLeftUp:
      if (!mouseOver) break;
      m_clickedRow = RowAt(x, y);
      if (m_clickedRow == -1) break;
      // A row below the last item picks nothing.
      if (m_reportsRowClicks && RowHoldsItem(m_clickedRow)) GuiPost(record->id, -1, kCmdSelect, m_clickedRow, 0);
      return true;
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

void CGuiListBox::DrawItemText(const ListBoxItem& item, const plat::Rect& box) {
  m_text->Draw(item.text.CStr(), box, m_textFormat | kVerticalCentre, item.colour.Argb());
}

void CGuiListBox::DrawRow(int32_t row, bool barNeeded) {
  const int32_t f = FrameThickness();
  const int32_t x = record->x;
  const int32_t width = m_rowSize.first;
  const int32_t height = m_rowSize.second;
  const int32_t top = record->y + row * height;
  const int32_t barCut = barNeeded ? m_scrollBarSize.first : 0;
  ZOdevuvTexture* frame = record->frameTexture.get();
  if (frame && m_rowSeparators) frame->Draw(x, top, width - barCut, f, kOpaqueWhite, kDepth);

  plat::Rect box = frame ? plat::Rect{x + f + 2, top + f, x + width - f, top + height - f}
                         : plat::Rect{x + 2, top, x + width, top + height};
  box.right -= barCut;

  if (m_hoverRow == row && RowHoldsItem(row) && m_highlight) {
    if (frame) {
      m_highlight->SetWidth(barNeeded ? width - barCut - f : width - 2 * f);
      m_highlight->SetHeight(height - 2 * f);
      m_highlight->DrawFrame(x + f, top + f, 0, kOpaqueWhite, kDepth);
    } else {
      m_highlight->SetWidth(width - barCut);
      m_highlight->SetHeight(height);
      m_highlight->DrawFrame(x, top, 0, kOpaqueWhite, kDepth);
    }
  }

  const ListBoxItem* item = GetItem(m_topRow - HeaderRows() + row);
  if (!item) return;
  box.left += f + 2;
  box.right += 2 - f;
  const int32_t shift = (box.bottom - box.top) / 10;
  box.top += shift;
  box.bottom += shift;
  DrawItemText(*item, box);
}

void CGuiListBox::Draw() {
  if (!IsVisible()) return;
  m_scrollBarSize.Clear();
  if (m_scrollBar) {
    m_scrollBar->record->visible = 0;
    const int32_t separator = m_rowSeparators ? FrameThickness() : 0;
    m_scrollBarSize.Set(m_scrollBar->record->width + separator, m_scrollBar->record->height);
  }
  const bool barNeeded = ScrollBarNeeded();
  if (barNeeded) m_scrollBar->record->visible = 1;
  CGuiElement::Draw();
  if (!m_text) return;
  for (int32_t row = HeaderRows(); row < m_visibleRows; ++row) DrawRow(row, barNeeded);
}
