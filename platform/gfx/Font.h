#pragma once
// The device's text drawing:
// DrawText into a rectangle with the left/centre/right, vertical-centre,
// no-clip and measure-only flags; text bytes are Windows-1252, lines break
// at '\n'. Metrics come from FreeType; when no font file can be loaded a
// fixed metric (half the height per character) stands in.
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "platform/gfx/Device.h"
#include "platform/gfx/FontRaster.h"

namespace plat {

struct FontDesc {
  int height = 12;  // character height in pixels (callers convert points)
  int width = 0;    // average character width, 0 = natural
  int weight = 400;
  std::uint32_t mipLevels = 1;  // accepted, not used
  bool italic = false;
  std::string face = "Arial";
};

struct TextSize {
  int width = 0, height = 0;
};

class Font {
 public:
  Font(std::weak_ptr<Device> device, FontDesc desc, std::shared_ptr<FontRaster> raster);

  const FontDesc& Desc() const { return desc_; }
  // Null when the fixed metric stands in.
  const std::shared_ptr<FontRaster>& Raster() const { return raster_; }
  int LineHeight() const;

  // count -1 = the whole text, else at most count bytes. Returns the height
  // of the text. With CalcRect the rect's right and bottom are set to fit
  // the text and nothing is drawn. rect null = no clipping, at (0, 0).
  int DrawText(std::string_view text, int count, Rect* rect, std::uint32_t format,
               std::uint32_t color);
  TextSize GetTextExtent(std::string_view text) const;

 private:
  int MeasureLine(std::string_view line) const;

  std::weak_ptr<Device> device_;
  FontDesc desc_;
  std::shared_ptr<FontRaster> raster_;
};

// Never null for a positive height and a face; null otherwise.
std::shared_ptr<Font> CreateFont(const std::shared_ptr<Device>& device, const FontDesc& desc);

}  // namespace plat
