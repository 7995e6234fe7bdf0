#pragma once
// A text label: the description of a font, drawn and measured with the
// matching font of the device manager's cache. The label owns no font; fonts
// are shared by (character width, point size, face), so labels that differ
// only in weight, italics or quality draw with whichever came first.
#include <cstdint>
#include <memory>

#include "engine/core/EngineString.h"
#include "platform/gfx/DeviceTypes.h"

namespace plat {
class Font;
}  // namespace plat

class ZOdevuvDevice;

class ZOdevuvText {
 public:
  // Arial 9 points, width 9, weight 400, default character set, antialiased.
  ZOdevuvText();
  ZOdevuvText(const ZOdevuvText&) = delete;
  ZOdevuvText& operator=(const ZOdevuvText&) = delete;

  void SetFont(int32_t pointSize, int32_t charWidth, int32_t weight, uint8_t italic, int32_t charSet,
               int32_t outputPrecision, int32_t quality, int32_t pitchAndFamily, const EngineString& face);
  // Makes sure the device manager's cache holds a font for this label.
  void CreateFont();

  // The whole text into the rectangle with the text-drawing flags.
  void Draw(const char* text, const plat::Rect& rect, uint32_t format, uint32_t color);
  // Top-left at (x, y), unclipped; the two middle values are not used.
  void DrawShadowed(int32_t x, int32_t y, const char* text, int32_t unused1, int32_t unused2, uint32_t color);
  // Sets the rectangle's right and bottom to fit the text; draws nothing.
  // Without a font the rectangle stays as it is.
  void DrawFitted(plat::Rect& rect, const char* text, int32_t unused);
  // 0 without a font.
  int32_t GetTextWidth(const char* text) const;
  // Empties the face; the font stays in the cache for other labels.
  void Release();

  int32_t GetPointSize() const { return m_pointSize; }
  int32_t GetCharWidth() const { return m_charWidth; }
  int32_t GetWeight() const { return m_weight; }
  uint8_t GetItalic() const { return m_italic; }
  const EngineString& GetFace() const { return m_face; }

  // Points to pixels at the screen's 96 dots per inch, rounded as the
  // system's MulDiv rounds.
  static int32_t PointsToPixels(int32_t points);

 private:
  std::shared_ptr<plat::Font> FindCachedFont() const;

  int32_t m_pointSize = 9;
  int32_t m_charWidth = 9;
  int32_t m_weight = 400;
  uint8_t m_italic = 0;
  int32_t m_charSet = 1;
  int32_t m_outputPrecision = 0;
  int32_t m_quality = 4;
  int32_t m_pitchAndFamily = 0;
  EngineString m_face;
  ZOdevuvDevice* m_deviceManager = nullptr;
};
