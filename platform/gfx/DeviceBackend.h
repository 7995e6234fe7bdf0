#pragma once
// What the device asks of its output: the headless backend keeps CPU copies
// only, the live backend draws with OpenGL on the window thread. All state
// logic stays in Device; a backend only carries out what it is handed.
//
// Drawing rules every backend keeps: a texture stage with no texture bound
// samples opaque white (so untextured geometry shows its vertex colour under
// the default MODULATE), and a draw made while state.effect is set uses that
// effect's pass (state.effectPass) instead of the fixed-function state.
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/gfx/DeviceState.h"
#include "platform/gfx/DeviceTypes.h"

namespace plat {

class FontRaster;
class Texture;

// One draw call. Vertices come from the bound streams, or from user memory
// (userVertices, then stream 0 is ignored); indices from the bound index
// buffer, or from user memory.
struct DrawParams {
  PrimitiveType type = PrimitiveType::TriangleList;
  std::uint32_t primitiveCount = 0;
  bool indexed = false;
  // Non-indexed: vertices startVertex .. startVertex + vertexCount - 1.
  std::uint32_t startVertex = 0;
  std::uint32_t vertexCount = 0;
  // Indexed: indexCount indices from startIndex, each plus baseVertex;
  // they reference vertices minVertex .. minVertex + vertexCount - 1.
  std::int32_t baseVertex = 0;
  std::uint32_t minVertex = 0;
  std::uint32_t startIndex = 0;
  std::uint32_t indexCount = 0;
  const std::uint8_t* userVertices = nullptr;
  std::uint32_t userStride = 0;
  const std::uint16_t* userIndices = nullptr;
};

// One line of text placed by the font: the pen starts at (x, baseline).
struct TextLine {
  std::string text;  // Windows-1252 bytes
  int x = 0;
  int baseline = 0;
  int width = 0;
};

struct TextDraw {
  std::shared_ptr<FontRaster> raster;  // null when no font file could be loaded
  Rect rect;                           // clip rectangle unless NoClip
  std::uint32_t format = 0;
  std::uint32_t color = 0;  // ARGB
  std::vector<TextLine> lines;
};

class DeviceBackend {
 public:
  virtual ~DeviceBackend() = default;

  virtual std::string_view Name() const = 0;
  virtual DeviceCaps Caps() const { return DeviceCaps{}; }

  virtual void BeginScene() {}
  virtual void EndScene() {}
  virtual void Present() {}
  // Clears the current render target and depth buffer inside the viewport.
  virtual void Clear(const DeviceState& state, std::uint32_t flags, std::uint32_t color, float z,
                     std::uint32_t stencil) = 0;
  virtual void Draw(const DeviceState& state, const DrawParams& draw) = 0;
  virtual void DrawText(const DeviceState& state, const TextDraw& text) = 0;
  // Pixel copy between surfaces (rects null = whole surface).
  virtual void StretchRect(const Surface& source, const Rect* sourceRect, Surface& dest,
                           const Rect* destRect) = 0;

  virtual void RenderTargetChanged(const DeviceState&) {}
  virtual void EffectPassBegun(const DeviceState&) {}
  virtual void EffectPassEnded(const DeviceState&) {}
  // The effect's parameter values changed inside an open pass.
  virtual void EffectChangesCommitted(const DeviceState&) {}
  // CPU-side pixels of the texture changed outside a lock (copies, fills).
  virtual void TextureContentChanged(const Texture&) {}
};

}  // namespace plat
