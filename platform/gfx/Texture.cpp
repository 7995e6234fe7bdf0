#include "platform/gfx/Texture.h"

#include <algorithm>

#include "platform/gfx/Surface.h"

namespace plat {

namespace {
bool KnownFormat(Format format) { return IsBlockCompressed(format) || BytesPerPixel(format) > 0; }
}  // namespace

std::uint32_t FullMipCount(int width, int height) {
  std::uint32_t count = 1;
  while (width > 1 || height > 1) {
    width = width > 1 ? width / 2 : 1;
    height = height > 1 ? height / 2 : 1;
    ++count;
  }
  return count;
}

std::shared_ptr<Texture> Texture::Create(int width, int height, std::uint32_t levels,
                                         std::uint32_t usage, Format format, Pool pool,
                                         std::string* error) {
  auto fail = [error](const char* reason) {
    if (error) *error = reason;
    return std::shared_ptr<Texture>();
  };
  if (width < 1 || height < 1 || width > kMaxImageDimension || height > kMaxImageDimension) {
    return fail("texture size out of range");
  }
  if (!KnownFormat(format)) return fail("texture format not supported");
  if ((usage & (Usage::RenderTarget | Usage::DepthStencil)) && pool != Pool::Default) {
    return fail("render targets must be in the default pool");
  }
  if ((usage & Usage::Dynamic) && pool == Pool::Managed) {
    return fail("dynamic textures cannot be managed");
  }
  std::uint32_t full = FullMipCount(width, height);
  if (levels == 0 || levels > full) levels = full;
  return std::shared_ptr<Texture>(new Texture(width, height, levels, usage, format, pool));
}

Texture::Texture(int width, int height, std::uint32_t levels, std::uint32_t usage, Format format,
                 Pool pool)
    : width_(width), height_(height), usage_(usage), format_(format), pool_(pool) {
  for (std::uint32_t i = 0; i < levels; ++i) {
    int w = std::max(1, width >> i);
    int h = std::max(1, height >> i);
    levels_.push_back(std::make_unique<PixelStore>(format, w, h));
  }
  surfaces_.resize(levels);
}

bool Texture::GetLevelDesc(std::uint32_t level, SurfaceDesc& out) const {
  if (level >= levels_.size()) return false;
  out.format = format_;
  out.usage = usage_;
  out.pool = pool_;
  out.width = levels_[level]->Width();
  out.height = levels_[level]->Height();
  return true;
}

bool Texture::Lockable() const {
  if (usage_ & (Usage::RenderTarget | Usage::DepthStencil)) return false;
  return pool_ != Pool::Default || (usage_ & Usage::Dynamic);
}

bool Texture::LockRect(std::uint32_t level, LockedRect& out, const Rect* rect, std::uint32_t) {
  if (level >= levels_.size() || !Lockable()) return false;
  return levels_[level]->Lock(out, rect);
}

bool Texture::UnlockRect(std::uint32_t level) {
  if (level >= levels_.size() || !levels_[level]->Unlock()) return false;
  MarkChanged();
  return true;
}

bool Texture::IsLocked() const {
  for (const auto& level : levels_) {
    if (level->IsLocked()) return true;
  }
  return false;
}

std::shared_ptr<Surface> Texture::GetSurfaceLevel(std::uint32_t level) {
  if (level >= levels_.size()) return nullptr;
  std::lock_guard<std::mutex> lock(surfaceMutex_);
  if (auto existing = surfaces_[level].lock()) return existing;
  SurfaceDesc desc;
  GetLevelDesc(level, desc);
  auto surface = std::make_shared<Surface>(shared_from_this(), level, desc);
  surfaces_[level] = surface;
  return surface;
}

bool Texture::ReadLevel(std::uint32_t level,
                        const std::function<void(const ImageLevel&)>& fn) const {
  return level < levels_.size() && levels_[level]->Read(fn);
}

bool Texture::WriteLevel(std::uint32_t level, const std::function<void(ImageLevel&)>& fn) {
  if (level >= levels_.size() || !levels_[level]->Write(fn)) return false;
  MarkChanged();
  return true;
}

}  // namespace plat
