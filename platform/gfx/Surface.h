#pragma once
// One level of a texture, or a stand-alone surface (back buffer, render
// target, depth-stencil buffer). A level surface keeps its texture alive.
#include <cstdint>
#include <functional>
#include <memory>

#include "platform/gfx/PixelStore.h"
#include "platform/gfx/Resource.h"
#include "platform/gfx/Texture.h"

namespace plat {

class Surface : public Resource {
 public:
  // Stand-alone: its own pixels (none for depth formats). Null for sizes
  // outside 1..16384 or an unknown format.
  static std::shared_ptr<Surface> CreateStandalone(int width, int height, Format format,
                                                   std::uint32_t usage, Pool pool);
  // Level surfaces come from Texture::GetSurfaceLevel.
  Surface(std::shared_ptr<Texture> container, std::uint32_t level, const SurfaceDesc& desc);

  const SurfaceDesc& Desc() const { return desc_; }
  int Width() const { return desc_.width; }
  int Height() const { return desc_.height; }
  // The texture this surface is a level of; null for a stand-alone surface.
  const std::shared_ptr<Texture>& Container() const { return container_; }
  std::uint32_t Level() const { return level_; }
  bool IsDepthStencil() const;

  bool LockRect(LockedRect& out, const Rect* rect = nullptr, std::uint32_t flags = 0);
  bool UnlockRect();

  bool Read(const std::function<void(const ImageLevel&)>& fn) const;
  bool Write(const std::function<void(ImageLevel&)>& fn);

 private:
  Surface(const SurfaceDesc& desc);

  SurfaceDesc desc_;
  std::shared_ptr<Texture> container_;
  std::uint32_t level_ = 0;
  std::unique_ptr<PixelStore> own_;
};

}  // namespace plat
