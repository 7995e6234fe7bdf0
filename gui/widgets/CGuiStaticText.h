#pragma once
// One text drawn over its element.
#include <cstdint>
#include <memory>

#include "engine/core/EngineString.h"
#include "engine/render/ZOdevuvText.h"
#include "gui/core/CGuiElement.h"
#include "gui/core/GuiColour.h"

class CGuiStaticText : public CGuiElement {
 public:
  CGuiStaticText();
  ~CGuiStaticText() override;

  void Draw() override;

  // Text id -1 takes the literal, any other id the text table's text.
  void SetText(int32_t textId, const EngineString& literal, uint32_t format, const GuiColour& colour);
  void SetFont(int32_t pointSize, int32_t charWidth, int32_t weight, uint8_t italic, int32_t charSet,
               int32_t outputPrecision, int32_t quality, int32_t pitchAndFamily, const EngineString& face);

  const EngineString& GetText() const { return m_text; }
  uint32_t GetFormat() const { return m_format; }
  const GuiColour& GetColour() const { return m_colour; }

 private:
  EngineString m_text;
  GuiColour m_colour = kGuiBlack;
  uint32_t m_format = 260;  // vertically centred, not clipped
  std::unique_ptr<ZOdevuvText> m_label;
};
