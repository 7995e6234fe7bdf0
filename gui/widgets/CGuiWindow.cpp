#include "gui/widgets/CGuiWindow.h"

#include "engine/render/ZOdevuvTexture.h"
#include "gui/core/GuiFont.h"
#include "gui/core/GuiMessages.h"
#include "gui/core/GuiServices.h"

CGuiWindow::CGuiWindow() : m_label(std::make_unique<ZOdevuvText>()) {}

CGuiWindow::~CGuiWindow() {
  if (m_label) m_label->Release();
}

void CGuiWindow::SetTitleBar(const EngineString& path, bool titleBar, int32_t height, int32_t frameCount) {
  if (path.Length() == 0 || !record) return;
  m_titleBarTexture = LoadTexture(path);
  m_titleBar = titleBar ? 1 : 0;
  m_titleBarHeight = height;
  m_titleBarTexture->SetWidth(record->width * frameCount);
  m_titleBarTexture->SetHeight(height);
}

void CGuiWindow::SetFont(int32_t pointSize, int32_t charWidth, int32_t weight, uint8_t italic, int32_t charSet,
                         int32_t outputPrecision, int32_t quality, int32_t pitchAndFamily, const EngineString& face) {
  ReplaceTextFont(m_label,
                  {pointSize, charWidth, weight, italic, charSet, outputPrecision, quality, pitchAndFamily, face});
}

void CGuiWindow::SetTitleColours(const GuiColour& enabled, const GuiColour& disabled) {
  m_titleColours[0] = enabled;
  m_titleColours[1] = disabled;
}

void CGuiWindow::SetHidden(bool hidden) {
  if (record) record->visible = hidden ? 0 : 1;
}

bool CGuiWindow::InTitleBar(int32_t x, int32_t y) const {
  return x > record->x && x < record->x + record->width && y > record->y && y < record->y + m_titleBarHeight;
}

bool CGuiWindow::HandleMessage(const plat::Message* message, uint8_t flag) {
  // A hidden window's title bar takes no clicks.
  if (message && message->message == gui::kLeftUp && IsVisible() &&
      InTitleBar(gui::MessageX(*message), gui::MessageY(*message))) {
    if (!IsEnabled()) GuiPost(record->id, -1, kCmdActivate, 0, 0);
    return true;
  }
  return CGuiElement::HandleMessage(message, flag);
}

void CGuiWindow::Draw() {
  if (!record) return;
  m_state = record->enabled ? 0 : 1;
  if (!IsVisible()) return;
  CGuiElement::Draw();
  const int32_t f = record->hasFrame ? record->frameThickness : 0;
  if (m_titleBar && m_titleBarTexture) {
    m_titleBarTexture->DrawCell(rect.left + f, rect.top + f, rect.right - rect.left - 2 * f, m_titleBarHeight, m_state,
                                kOpaqueWhite, kDepth);
  }
  if (!m_label || m_title.Length() == 0 || !m_titleBar) return;
  plat::Rect box{rect.left + f + 4, rect.top + f, rect.right - f + 2, rect.top + f + m_titleBarHeight};
  const int32_t shift = (box.bottom - box.top) / 10;
  box.top += shift;
  box.bottom += shift;
  m_label->Draw(m_title.CStr(), box, kTitleFormat, m_titleColours[m_state].Argb());
}

void CGuiWindow::DrawUnderChildren() {
  if (!drawOwnPicture) return;
  const int32_t width = rect.right - rect.left;
  const int32_t height = rect.bottom - rect.top;
  if (picture) picture->Draw(rect.left, rect.top, width, height, kOpaqueWhite, kDepth);
  if (overlay && overlayPicture) overlayPicture->Draw(rect.left, rect.top, width, height, kOpaqueWhite, kDepth);
}
