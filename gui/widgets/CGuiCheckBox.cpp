#include "gui/widgets/CGuiCheckBox.h"

#include <algorithm>

#include "engine/render/ZOdevuvTexture.h"
#include "gui/core/GuiFont.h"
#include "gui/core/GuiMessages.h"
#include "gui/core/GuiServices.h"

CGuiCheckBox::CGuiCheckBox() : m_label(std::make_unique<ZOdevuvText>()) {}

CGuiCheckBox::~CGuiCheckBox() {
  if (m_label) m_label->Release();
}

void CGuiCheckBox::SetText(const EngineString& label, uint32_t format) {
  m_text = label;
  m_format = format;
}

void CGuiCheckBox::SetFont(int32_t pointSize, int32_t charWidth, int32_t weight, uint8_t italic, int32_t charSet,
                           int32_t outputPrecision, int32_t quality, int32_t pitchAndFamily, const EngineString& face) {
  ReplaceTextFont(m_label,
                  {pointSize, charWidth, weight, italic, charSet, outputPrecision, quality, pitchAndFamily, face});
}

void CGuiCheckBox::SetBoxTexture(const EngineString& path, int32_t frameCount) {
  if (path.Length() > 0) m_boxTexture = LoadTexture(path);
  if (!m_boxTexture || !record) return;
  // A strip of no frames is one frame.
  m_frameCount = std::max(1, frameCount);
  m_boxWidth = m_boxTexture->GetWidth() / m_frameCount;
  m_boxHeight = m_boxTexture->GetHeight();
  record->width = std::max(record->width, m_boxWidth);
  record->height = std::max(record->height, m_boxHeight);
  UpdateRect();
}

bool CGuiCheckBox::InBox(int32_t x, int32_t y) const {
  return x > m_boxX && x < m_boxX + m_boxWidth && y > m_boxY && y < m_boxY + m_boxHeight;
}

int32_t CGuiCheckBox::RestingFrame() const {
  if (locked) return checked ? kCheckedLocked : kUncheckedLocked;
  return checked ? kChecked : kUnchecked;
}

int32_t CGuiCheckBox::FrameForPointer(bool inBox) const {
  if (locked || !inBox) return RestingFrame();
  return checked ? kCheckedHover : kUncheckedHover;
}

void CGuiCheckBox::SetChecked(bool on) {
  checked = on ? 1 : 0;
  m_frame = RestingFrame();
}

void CGuiCheckBox::SetLocked(bool on) {
  locked = on ? 1 : 0;
  m_frame = RestingFrame();
}

bool CGuiCheckBox::HandleMessage(const plat::Message* message, uint8_t /*flag*/) {
  if (!message || !IsEnabled() || !IsVisible()) return false;
  const bool inBox = InBox(gui::MessageX(*message), gui::MessageY(*message));
  switch (message->message) {
    case gui::kLeftUp:
      if (!inBox) return false;
      GuiPost(record->id, -1, kCmdClick, 0, 0);
      GuiPlaySound("CHECK_CLICK");
      return true;
    case gui::kLeftDown:
      return inBox;
    case gui::kMouseMove:
      m_frame = FrameForPointer(inBox);
      return false;
    default:
      return false;
  }
}

void CGuiCheckBox::OnClick(GuiCommand* command) {
  if (!command || !record || locked || command->sender != record->id) return;
  checked = checked ? 0 : 1;
  m_frame = checked ? kChecked : kUnchecked;
  command->sender = -1;
}

plat::Rect CGuiCheckBox::LayOut() {
  const int32_t f = record->hasFrame ? record->frameThickness : 0;
  const int32_t h = record->height;
  plat::Rect label = rect;
  const int32_t boxY = record->y + (h - 2 * f) / 2 - m_boxHeight / 2;
  if (m_alignment == kBoxLeft) {
    m_boxX = record->x + f;
    m_boxY = boxY;
    label.left = m_boxX + m_boxWidth + 1;
  } else if (m_alignment == kBoxRight) {
    m_boxX = record->x + record->width - m_boxWidth - f;
    m_boxY = boxY;
    if (!record->hasFrame) label.right = m_boxX - 1;
  }
  return label;
}

void CGuiCheckBox::Draw() {
  if (!IsVisible()) return;
  CGuiElement::Draw();
  plat::Rect label = LayOut();
  if (m_boxTexture) {
    m_boxTexture->DrawCell(m_boxX, m_boxY, m_boxWidth, m_boxHeight, m_frame, kOpaqueWhite, kDepth);
  }
  if (!m_label || m_text.Length() == 0) return;
  const int32_t shift = (label.bottom - label.top) / 10;
  label.top += shift;
  label.bottom += shift;
  m_label->Draw(m_text.CStr(), label, m_format, m_colour.Argb());
}
