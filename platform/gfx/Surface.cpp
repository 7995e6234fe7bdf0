#include "platform/gfx/Surface.h"

namespace plat {

std::shared_ptr<Surface> Surface::CreateStandalone(int width, int height, Format format,
                                                   std::uint32_t usage, Pool pool) {
  if (width < 1 || height < 1 || width > kMaxImageDimension || height > kMaxImageDimension) {
    return nullptr;
  }
  if (BytesPerPixel(format) == 0 && !IsBlockCompressed(format)) return nullptr;
  SurfaceDesc desc;
  desc.format = format;
  desc.usage = usage;
  desc.pool = pool;
  desc.width = width;
  desc.height = height;
  return std::shared_ptr<Surface>(new Surface(desc));
}

Surface::Surface(const SurfaceDesc& desc)
    : desc_(desc), own_(std::make_unique<PixelStore>(desc.format, desc.width, desc.height)) {}

Surface::Surface(std::shared_ptr<Texture> container, std::uint32_t level, const SurfaceDesc& desc)
    : desc_(desc), container_(std::move(container)), level_(level) {}

bool Surface::IsDepthStencil() const {
  return desc_.format == Format::D16 || desc_.format == Format::D24S8;
}

bool Surface::LockRect(LockedRect& out, const Rect* rect, std::uint32_t flags) {
  if (container_) return container_->LockRect(level_, out, rect, flags);
  if (desc_.usage & Usage::RenderTarget) return false;
  return own_->Lock(out, rect);
}

bool Surface::UnlockRect() {
  if (container_) return container_->UnlockRect(level_);
  if (!own_->Unlock()) return false;
  MarkChanged();
  return true;
}

bool Surface::Read(const std::function<void(const ImageLevel&)>& fn) const {
  return container_ ? container_->ReadLevel(level_, fn) : own_->Read(fn);
}

bool Surface::Write(const std::function<void(ImageLevel&)>& fn) {
  if (container_) return container_->WriteLevel(level_, fn);
  if (!own_->Write(fn)) return false;
  MarkChanged();
  return true;
}

}  // namespace plat
