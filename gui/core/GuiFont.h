#pragma once
// The font a widget draws its text in, as the widgets' SetFont takes it, and
// the one way a widget's text object takes a new font.
#include <cstdint>
#include <memory>

#include "engine/core/EngineString.h"

class ZOdevuvText;

struct GuiFont {
  int32_t pointSize = 0;
  int32_t charWidth = 0;
  int32_t weight = 0;
  uint8_t italic = 0;
  int32_t charSet = 0;
  int32_t outputPrecision = 0;
  int32_t quality = 0;
  int32_t pitchAndFamily = 0;
  EngineString face;
};

// Releases the text object's font (when there is a text object) and gives
// the widget a new one in that font.
void ReplaceTextFont(std::unique_ptr<ZOdevuvText>& text, const GuiFont& font);
