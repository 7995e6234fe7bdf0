#pragma once
// Text drawn from glyph atlases: each font raster gets a one-channel atlas
// texture that its glyphs (Windows-1252 bytes) are added to as they are
// first drawn. Lines come placed by the font; this draws their glyphs as
// quads in the text colour, clipped to the rectangle unless told not to.
#include <epoxy/gl.h>

#include <array>
#include <memory>
#include <vector>

#include "platform/gfx/DeviceBackend.h"
#include "platform/gfx/gl/GlProgram.h"

namespace plat {

class GlTextRenderer {
 public:
  GlTextRenderer() = default;
  ~GlTextRenderer();
  GlTextRenderer(const GlTextRenderer&) = delete;
  GlTextRenderer& operator=(const GlTextRenderer&) = delete;

  bool Build(std::string& error);
  // Draws into the bound frame buffer; the viewport maps pixels.
  void Draw(const DeviceState& state, const TextDraw& text);

 private:
  struct Glyph {
    bool made = false;
    int x = 0, y = 0, width = 0, height = 0;  // in the atlas
    int left = 0, top = 0, advance = 0;
  };
  struct Atlas {
    std::weak_ptr<FontRaster> raster;
    GLuint texture = 0;
    int size = 0;
    int penX = 0, penY = 0, rowHeight = 0;  // shelf packing
    std::array<Glyph, 256> glyphs{};
  };
  Atlas& AtlasFor(const std::shared_ptr<FontRaster>& raster);
  const Glyph& GlyphOf(Atlas& atlas, FontRaster& raster, unsigned char c);
  void DropDeadAtlases();

  GlProgram program_;
  GLuint vao_ = 0, vbo_ = 0;
  std::vector<std::unique_ptr<Atlas>> atlases_;
};

}  // namespace plat
