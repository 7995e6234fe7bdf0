#include "platform/gfx/RenderToSurface.h"

namespace plat {

RenderToSurface::RenderToSurface(std::weak_ptr<Device> device, int width, int height, Format format,
                                 std::shared_ptr<Surface> depth)
    : device_(std::move(device)),
      width_(width),
      height_(height),
      format_(format),
      depth_(std::move(depth)) {}

bool RenderToSurface::BeginScene(const std::shared_ptr<Surface>& surface,
                                 const Viewport* viewport) {
  auto device = device_.lock();
  if (!device || begun_ || !surface) return false;
  savedTarget_ = device->GetRenderTarget(0);
  savedDepth_ = device->GetDepthStencilSurface();
  savedViewport_ = device->GetViewport();
  if (!device->SetRenderTarget(0, surface)) {
    savedTarget_.reset();
    savedDepth_.reset();
    return false;
  }
  device->SetDepthStencilSurface(depth_);
  if (viewport) device->SetViewport(*viewport);
  ownsScene_ = !device->InScene();
  if (ownsScene_) device->BeginScene();
  begun_ = true;
  return true;
}

bool RenderToSurface::EndScene(std::uint32_t) {
  if (!begun_) return false;
  begun_ = false;
  auto device = device_.lock();
  if (!device) return false;
  if (ownsScene_) device->EndScene();
  device->SetRenderTarget(0, savedTarget_);
  device->SetDepthStencilSurface(savedDepth_);
  device->SetViewport(savedViewport_);
  savedTarget_.reset();
  savedDepth_.reset();
  return true;
}

std::shared_ptr<RenderToSurface> CreateRenderToSurface(const std::shared_ptr<Device>& device,
                                                       int width, int height, Format format,
                                                       bool depthStencil, Format depthFormat) {
  if (!device || width < 1 || height < 1) return nullptr;
  std::shared_ptr<Surface> depth;
  if (depthStencil) {
    depth = device->CreateDepthStencilSurface(width, height, depthFormat);
    if (!depth) return nullptr;
  }
  return std::make_shared<RenderToSurface>(device, width, height, format, std::move(depth));
}

}  // namespace plat
