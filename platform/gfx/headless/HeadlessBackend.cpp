#include "platform/gfx/headless/HeadlessBackend.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "platform/gfx/Surface.h"
#include "platform/gfx/TextureLoader.h"
#include "platform/math/Math.h"

namespace plat {

namespace {

Rect WholeSurface(const Surface& surface) { return {0, 0, surface.Width(), surface.Height()}; }

}  // namespace

void HeadlessBackend::Clear(const DeviceState& state, std::uint32_t flags, std::uint32_t color,
                            float, std::uint32_t) {
  const std::shared_ptr<Surface>& target = state.renderTargets[0];
  if (!(flags & ClearFlags::Target) || !target) return;
  Format format = target->Desc().format;
  int bpp = BytesPerPixel(format);
  std::uint8_t texel[4] = {};
  Color c = ColorFromArgb(color);
  if (bpp == 0 || !PackTexel(format, {c.r, c.g, c.b, c.a}, texel)) return;
  const Viewport& vp = state.viewport;
  target->Write([&](ImageLevel& level) {
    int right = std::min<int>(level.width, int(vp.x + vp.width));
    int bottom = std::min<int>(level.height, int(vp.y + vp.height));
    if (right <= int(vp.x)) return;
    // The first row texel by texel, every other row as a copy of it: a
    // whole screen is cleared several times a frame.
    const std::size_t rowBytes = std::size_t(right - int(vp.x)) * std::size_t(bpp);
    const std::uint8_t* first = nullptr;
    for (int y = int(vp.y); y < bottom; ++y) {
      std::uint8_t* row = level.bytes.data() + std::size_t(y) * level.pitch + std::size_t(vp.x) * bpp;
      if (first) {
        std::memcpy(row, first, rowBytes);
        continue;
      }
      for (std::size_t x = 0; x < rowBytes; x += std::size_t(bpp)) std::memcpy(row + x, texel, bpp);
      first = row;
    }
  });
}

void HeadlessBackend::StretchRect(const Surface& source, const Rect* sourceRect, Surface& dest,
                                  const Rect* destRect) {
  Format format = source.Desc().format;
  int bpp = BytesPerPixel(format);
  if (format != dest.Desc().format || bpp == 0) return;
  Rect from = sourceRect ? *sourceRect : WholeSurface(source);
  Rect to = destRect ? *destRect : WholeSurface(dest);
  std::vector<std::uint8_t> pixels;
  int pitch = 0;
  if (!source.Read([&](const ImageLevel& level) {
        pixels = level.bytes;
        pitch = level.pitch;
      })) {
    return;
  }
  // Nearest-texel scaling from the source rectangle onto the destination's.
  int fromW = from.right - from.left, fromH = from.bottom - from.top;
  int toW = to.right - to.left, toH = to.bottom - to.top;
  dest.Write([&](ImageLevel& level) {
    for (int y = 0; y < toH; ++y) {
      int sy = from.top + y * fromH / toH;
      for (int x = 0; x < toW; ++x) {
        int sx = from.left + x * fromW / toW;
        std::memcpy(level.bytes.data() + std::size_t(to.top + y) * level.pitch +
                        std::size_t(to.left + x) * bpp,
                    pixels.data() + std::size_t(sy) * pitch + std::size_t(sx) * bpp, bpp);
      }
    }
  });
}

}  // namespace plat
