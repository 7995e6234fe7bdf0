#pragma once
// A GUI colour: four bytes alpha, red, green, blue, drawn as one ARGB word.
#include <cstdint>

struct GuiColour {
  uint8_t alpha = 255;
  uint8_t red = 0;
  uint8_t green = 0;
  uint8_t blue = 0;

  uint32_t Argb() const {
    return uint32_t(alpha) << 24 | uint32_t(red) << 16 | uint32_t(green) << 8 | uint32_t(blue);
  }
};

constexpr GuiColour kGuiBlack{255, 0, 0, 0};
constexpr GuiColour kGuiWhite{255, 255, 255, 255};
