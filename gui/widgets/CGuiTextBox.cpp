#include "gui/widgets/CGuiTextBox.h"

#include <algorithm>

#include "gui/core/GuiFont.h"
#include "gui/core/GuiServices.h"
#include "gui/widgets/CGuiVScroll.h"

CGuiTextBox::CGuiTextBox() : m_label(std::make_unique<ZOdevuvText>()) {}

CGuiTextBox::~CGuiTextBox() { m_label->Release(); }

void CGuiTextBox::SetFont(int32_t pointSize, int32_t charWidth, int32_t weight, uint8_t italic, int32_t charSet,
                          int32_t outputPrecision, int32_t quality, int32_t pitchAndFamily, const EngineString& face) {
  ReplaceTextFont(m_label,
                  {pointSize, charWidth, weight, italic, charSet, outputPrecision, quality, pitchAndFamily, face});
}

void CGuiTextBox::CreateScrollBar(const EngineString& background, const EngineString& up, const EngineString& down,
                                  const EngineString& thumb, int32_t /*unused*/) {
  if (!record || m_scrollBar) return;
  const int32_t frame = record->hasFrame ? record->frameThickness : 0;
  m_scrollBar = CGuiVScroll::AttachRight(*this, record->id | kScrollBarIdBits, background, up, down, thumb,
                                         rect.top + frame, record->height - 2 * frame);
}

plat::Rect CGuiTextBox::Measure(const EngineString& text) const {
  plat::Rect box;
  m_label->DrawFitted(box, text.CStr(), 0);
  return box;
}

int32_t CGuiTextBox::MeasureWidth(const EngineString& text) const {
  const plat::Rect box = Measure(text);
  return box.right - box.left;
}

int32_t CGuiTextBox::ReservedWidth() const {
  return m_reserveScrollWidth && m_scrollBar && m_scrollBar->record ? m_scrollBar->record->width : 0;
}

EngineString CGuiTextBox::NextLine(int32_t& pos, int32_t avail) const {
  const int32_t length = m_text.Length();
  const std::string& text = m_text.Std();
  EngineString line;
  while (pos < length) {
    const char c = text[std::size_t(pos)];
    if (c == '\n') {
      ++pos;
      break;
    }
    if (c == ' ' && pos + 1 < length) {
      // Break at the blank when the next word would not fit behind it.
      const std::size_t wordEnd = text.find_first_of(" \n", std::size_t(pos) + 1);
      const std::string word = text.substr(std::size_t(pos) + 1, wordEnd - std::size_t(pos) - 1);
      if (MeasureWidth(line + " " + EngineString(word.c_str())) >= avail) {
        ++pos;
        break;
      }
    }
    line += c;
    ++pos;
    // A character that makes the line reach the width starts the next
    // line, unless it is the line's only one: every line takes at least one
    // character, so a box narrower than a letter still ends.
    if (MeasureWidth(line) >= avail) {
      if (line.Length() > 1) {
        --pos;
        line = line.Mid(0, uint32_t(line.Length() - 1));
      }
      break;
    }
  }
  return line;
}

void CGuiTextBox::WrapText() {
  const int32_t measured = Measure("W").bottom;
  m_lineHeight = measured > 0 ? measured : kDefaultLineHeight;
  m_visibleLines = record ? record->height / m_lineHeight : 0;
  m_lines.clear();
  const int32_t avail = (record ? record->width : 0) - ReservedWidth();
  int32_t pos = 0;
  do {
    m_lines.push_back(NextLine(pos, avail));
  } while (pos < m_text.Length());
}

int32_t CGuiTextBox::LastTopLine() const { return std::max(0, int32_t(m_lines.size()) - m_visibleLines); }

void CGuiTextBox::SetTopLine(int32_t line) {
  m_topLine = std::clamp(line, 0, LastTopLine());
  if (m_scrollBar) m_scrollBar->SetScrollPos(m_topLine);
}

void CGuiTextBox::SetText(int32_t textId, const EngineString& literal) {
  m_text = GuiTextFor(textId, literal);
  m_reserveScrollWidth = 1;
  WrapText();
  if (int32_t(m_lines.size()) <= m_visibleLines) {
    m_reserveScrollWidth = 0;
    WrapText();
  }
  UpdateScrollRange();
  SetTopLine(m_topLine);
}

void CGuiTextBox::Clear() {
  m_topLine = 0;
  m_lines.clear();
  UpdateScrollRange();
}

void CGuiTextBox::UpdateScrollRange() {
  if (!m_scrollBar || !m_reserveScrollWidth) return;
  const int32_t lines = int32_t(m_lines.size());
  m_scrollBar->SetRange(lines <= m_visibleLines ? 0 : lines - m_visibleLines + 1);
}

void CGuiTextBox::ScrollUp(GuiCommand*) {
  if (m_topLine > 0) SetTopLine(m_topLine - 1);
}

void CGuiTextBox::ScrollDown(GuiCommand*) {
  if (m_topLine + m_visibleLines < int32_t(m_lines.size())) SetTopLine(m_topLine + 1);
}

void CGuiTextBox::ScrollTo(GuiCommand* command) {
  // The thumb stays where the bar put it.
  if (m_scrollBar && command) m_topLine = std::clamp(command->control, 0, LastTopLine());
}

void CGuiTextBox::Draw() {
  if (!IsVisible()) return;
  if (m_scrollBar) m_scrollBar->record->visible = int32_t(m_lines.size()) > m_visibleLines ? 1 : 0;
  CGuiElement::Draw();
  const int32_t right = record->x + 2 + (record->width - ReservedWidth());
  int32_t y = record->y + m_lineHeight / 10;
  for (int32_t i = 0; i < m_visibleLines; ++i, y += m_lineHeight) {
    const int32_t index = m_topLine + i;
    if (index < 0 || index >= int32_t(m_lines.size())) continue;
    const EngineString& line = m_lines[std::size_t(index)];
    const plat::Rect measured = Measure(line);
    const plat::Rect box{record->x + 2, y, right, y + (measured.bottom - measured.top)};
    m_label->Draw(line.CStr(), box, m_format, m_colour.Argb());
  }
}
