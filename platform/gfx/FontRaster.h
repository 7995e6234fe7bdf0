#pragma once
// One face at one pixel height, rasterised by FreeType. Text bytes are
// Windows-1252. Thread-safe.
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

namespace plat {

struct GlyphBitmap {
  int width = 0, height = 0;  // of coverage, one byte per pixel, rows top to bottom
  int left = 0, top = 0;      // pen position to the bitmap's left edge, baseline to its top row
  int advance = 0;            // pixels the pen moves on
  std::vector<std::uint8_t> coverage;
};

struct FontSpec {
  std::string face;
  int heightPx = 12;  // character height (em size) in pixels
  int width = 0;      // 0: natural; else average character width in pixels
  int weight = 400;   // >= 600 is bold
  bool italic = false;
};

class FontRaster {
 public:
  // Null when no font file can be loaded.
  static std::shared_ptr<FontRaster> Open(const FontSpec& spec);
  ~FontRaster();
  FontRaster(const FontRaster&) = delete;
  FontRaster& operator=(const FontRaster&) = delete;

  int Ascent() const;      // pixels above the baseline
  int Descent() const;     // pixels below the baseline (positive)
  int LineHeight() const;  // pixels from one baseline to the next
  int Advance(unsigned char c) const;             // c is a Windows-1252 byte
  int MeasureWidth(std::string_view text) const;  // sum of advances
  GlyphBitmap Glyph(unsigned char c) const;       // 8-bit coverage
  const FontSpec& Spec() const;

 private:
  struct Face;
  FontRaster(FontSpec spec, std::unique_ptr<Face> face);

  FontSpec spec_;
  std::unique_ptr<Face> face_;
  mutable std::mutex mutex_;
};

}  // namespace plat
