#include "gui/core/GuiFont.h"

#include "engine/render/ZOdevuvText.h"

void ReplaceTextFont(std::unique_ptr<ZOdevuvText>& text, const GuiFont& font) {
  if (text) text->Release();
  text = std::make_unique<ZOdevuvText>();
  text->SetFont(font.pointSize, font.charWidth, font.weight, font.italic, font.charSet, font.outputPrecision,
                font.quality, font.pitchAndFamily, font.face);
}
