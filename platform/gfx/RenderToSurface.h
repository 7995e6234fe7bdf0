#pragma once
// Draws a scene into a surface with its own depth buffer, inside or outside
// an open scene of the device: BeginScene switches the render target, the
// depth buffer and the viewport (beginning a device scene only when none is
// open), EndScene puts all three back (and ends only a scene it began).
#include <cstdint>
#include <memory>

#include "platform/gfx/Device.h"

namespace plat {

class RenderToSurface {
 public:
  RenderToSurface(std::weak_ptr<Device> device, int width, int height, Format format,
                  std::shared_ptr<Surface> depth);

  int Width() const { return width_; }
  int Height() const { return height_; }
  Format GetFormat() const { return format_; }
  const std::shared_ptr<Surface>& DepthSurface() const { return depth_; }

  // viewport null = the whole surface. False when already begun, for a null
  // surface or when the device is gone.
  bool BeginScene(const std::shared_ptr<Surface>& surface, const Viewport* viewport);
  // filter names a mip filter and is accepted for callers that pass one; no mips are made.
  bool EndScene(std::uint32_t filter = kDefaultValue);
  bool Begun() const { return begun_; }

 private:
  std::weak_ptr<Device> device_;
  int width_, height_;
  Format format_;
  std::shared_ptr<Surface> depth_;
  bool begun_ = false;
  bool ownsScene_ = false;
  std::shared_ptr<Surface> savedTarget_;
  std::shared_ptr<Surface> savedDepth_;
  Viewport savedViewport_;
};

// depthStencil false: no depth buffer of its own (drawing then has none).
std::shared_ptr<RenderToSurface> CreateRenderToSurface(const std::shared_ptr<Device>& device,
                                                       int width, int height, Format format,
                                                       bool depthStencil, Format depthFormat);

}  // namespace plat
