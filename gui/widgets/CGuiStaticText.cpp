#include "gui/widgets/CGuiStaticText.h"

#include "gui/core/GuiFont.h"
#include "gui/core/GuiServices.h"

CGuiStaticText::CGuiStaticText() : m_label(std::make_unique<ZOdevuvText>()) {}

CGuiStaticText::~CGuiStaticText() { m_label->Release(); }

void CGuiStaticText::SetText(int32_t textId, const EngineString& literal, uint32_t format, const GuiColour& colour) {
  m_text = GuiTextFor(textId, literal);
  m_format = format;
  m_colour = colour;
}

void CGuiStaticText::SetFont(int32_t pointSize, int32_t charWidth, int32_t weight, uint8_t italic, int32_t charSet,
                             int32_t outputPrecision, int32_t quality, int32_t pitchAndFamily,
                             const EngineString& face) {
  ReplaceTextFont(m_label,
                  {pointSize, charWidth, weight, italic, charSet, outputPrecision, quality, pitchAndFamily, face});
}

void CGuiStaticText::Draw() {
  if (!IsVisible()) return;
  CGuiElement::Draw();
  const int32_t shift = record->height / 10;
  const plat::Rect box{rect.left + 2, rect.top + shift, rect.right, rect.bottom + shift};
  m_label->Draw(m_text.CStr(), box, m_format, m_colour.Argb());
}
