#include "gui/widgets/CGuiDropDownMenu.h"

#include "gui/core/GuiMessages.h"
#include "gui/core/GuiServices.h"
#include "gui/widgets/CGuiButton.h"
#include "gui/widgets/CGuiVScroll.h"

CGuiDropDownMenu::CGuiDropDownMenu() {
  m_rowSize.Set(0, 0);
  // The box's one row is the choice, not a pick; picks come from the pop-up.
  m_reportsRowClicks = 0;
}

CGuiDropDownMenu::~CGuiDropDownMenu() = default;

void CGuiDropDownMenu::SetVisibleRows(int32_t rows) {
  CGuiListBox::SetVisibleRows(1);
  // Kept also before the pop-up exists: CreateList sizes it from this.
  m_listRows = rows;
  if (m_list) m_list->SetVisibleRows(rows);
}

void CGuiDropDownMenu::SetFont(int32_t pointSize, int32_t charWidth, int32_t weight, uint8_t italic, int32_t charSet,
                               int32_t outputPrecision, int32_t quality, int32_t pitchAndFamily,
                               const EngineString& face) {
  CGuiListBox::SetFont(pointSize, charWidth, weight, italic, charSet, outputPrecision, quality, pitchAndFamily, face);
  if (m_list) {
    m_list->SetFont(pointSize, charWidth, weight, italic, charSet, outputPrecision, quality, pitchAndFamily, face);
  }
}

void CGuiDropDownMenu::SetItemTexture(const EngineString& path) {
  if (m_list) m_list->SetItemTexture(path);
}

void CGuiDropDownMenu::CreateScrollBar(const EngineString& background, const EngineString& up, const EngineString& down,
                                       const EngineString& thumb) {
  if (m_list) m_list->CreateScrollBar(background, up, down, thumb);
}

void CGuiDropDownMenu::ShowFirstEntry(const EngineString& text, uint32_t data) {
  if (m_list->GetItemCount() > 1) return;
  CGuiListBox::Clear();
  CGuiListBox::AddItem(text, data);
}

void CGuiDropDownMenu::SetItemText(int32_t index, const EngineString& text, uint32_t data) {
  if (!m_list) return;
  m_list->SetItemText(index, text, data);
  m_list->SetVisibleRows(m_list->GetItemCount());
  ShowFirstEntry(text, data);
}

void CGuiDropDownMenu::AddItem(const EngineString& text, uint32_t data) {
  if (!m_list) return;
  m_list->AddItem(text, data);
  ShowFirstEntry(text, data);
}

void CGuiDropDownMenu::SetItemData(int32_t index, uint32_t data) {
  CGuiListBox::SetItemData(index, data);
  if (m_list) m_list->SetItemData(index, data);
}

void CGuiDropDownMenu::SetItemColour(const GuiColour& colour) {
  CGuiListBox::SetItemColour(colour);
  if (m_list) m_list->SetItemColour(colour);
}

void CGuiDropDownMenu::SetHasHeader(bool hasHeader) {
  CGuiListBox::SetHasHeader(hasHeader);
  if (m_list) m_list->SetHasHeader(hasHeader);
}

void CGuiDropDownMenu::Clear() {
  CGuiListBox::Clear();
  if (m_list) m_list->Clear();
}

void CGuiDropDownMenu::UpdateScrollRange() {
  CGuiListBox::UpdateScrollRange();
  if (m_list) m_list->UpdateScrollRange();
}

void CGuiDropDownMenu::CreateList(const EngineString& background) {
  if (!record || m_list) return;
  const int32_t rowHeight = m_rowSize.second;
  auto* list = new CGuiListBox();
  list->CreateSized(this, record->id + kListIdOffset, kListType, 0, rowHeight + 1, m_rowSize.first,
                    m_listRows * rowHeight, 0, 0, 0);
  // Shown only by the menu itself, not when its page is shown.
  if (list->record) list->record->lockedHidden = 1;
  list->SetReportsRowClicks(false);
  list->SetVisibleRows(m_listRows);
  list->SetBackgroundTexture(background);
  AddChild(list);
  m_list = list;
}

void CGuiDropDownMenu::CreateDropButton(const EngineString& path, int32_t cellCount) {
  if (!record || m_dropButton) return;
  m_dropButton = MakeDropButton(path, cellCount, -1);
}

void CGuiDropDownMenu::SetOpen(bool open) {
  m_open = open ? 1 : 0;
  if (record) SetRowWidth(open ? record->width : record->width - m_scrollBarSize.first);
  if (!m_list || !m_list->record) return;
  m_list->record->enabled = m_open;
  m_list->record->visible = m_open;
  m_list->record->lockedHidden = open ? 0 : 1;
}

void CGuiDropDownMenu::OnLeftDown(GuiCommand*) {}

void CGuiDropDownMenu::OnClick(GuiCommand* command) {
  if (TakeDropButtonClick(command, m_dropButton)) SetOpen(!m_open);
}

void CGuiDropDownMenu::Pick(int32_t row) {
  SetOpen(false);
  // The pop-up's visible row shows entry top row - header + row.
  m_selected = m_list->GetTopRow() - (m_list->HasHeader() ? 1 : 0) + row;
  if (m_selected < 0 || m_selected >= m_list->GetItemCount()) return;
  CGuiListBox::Clear();
  CGuiListBox::AddItem(m_list->GetItemText(m_selected), 0);
  GuiPost(record->id, -1, kCmdSelect, m_selected, 0);
}

bool CGuiDropDownMenu::HandleMessage(const plat::Message* message, uint8_t flag) {
  if (!message) return false;
  const int32_t x = gui::MessageX(*message);
  const int32_t y = gui::MessageY(*message);
  if (m_list && message->message == gui::kLeftDown && IsEnabled() && IsVisible()) {
    const int32_t row = m_list->RowAt(x, y);
    CGuiVScroll* bar = m_list->GetScrollBar();
    if (row != -1 && m_list->IsEnabled() && m_list->IsVisible()) {
      Pick(row);
    } else if (m_dropButton && !m_dropButton->ContainsPoint(x, y) && !(bar && bar->ContainsPoint(x, y))) {
      SetOpen(false);
    }
  }
  // The pop-up lies below the box, where the box's own handling does not
  // pass on button messages; those that the box passes to every child
  // anyway must not reach the pop-up twice.
  const unsigned id = message->message;
  const bool reachesChildren =
      id == gui::kKeyDown || id == gui::kMouseMove || id == gui::kLeftDown || ContainsPoint(x, y);
  if (m_list && !reachesChildren) m_list->HandleMessage(message, flag);
  return CGuiListBox::HandleMessage(message, flag);
}

void CGuiDropDownMenu::Draw() {
  if (!IsVisible()) return;
  SetSize(record->width, m_rowSize.second);
  if (m_list) m_list->SetScrollBarSuppressed(!m_open);
  CGuiListBox::Draw();
}
