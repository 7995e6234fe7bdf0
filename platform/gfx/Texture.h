#pragma once
// A 2D texture with its mip levels, kept in memory in every pool: the
// headless backend reads it there, the live backend uploads it on first use
// (and again whenever Generation() moved on).
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "platform/gfx/DeviceTypes.h"
#include "platform/gfx/PixelStore.h"
#include "platform/gfx/Resource.h"

namespace plat {

class Surface;

struct SurfaceDesc {
  Format format = Format::Unknown;
  std::uint32_t usage = 0;
  Pool pool = Pool::Default;
  int width = 0, height = 0;
};

// Levels in a full chain down to 1x1.
std::uint32_t FullMipCount(int width, int height);

class Texture : public Resource, public std::enable_shared_from_this<Texture> {
 public:
  // levels 0 = the full chain (more than the full chain is cut to it).
  // Null with a reason for sizes outside 1..16384, an unknown format, or a
  // render target outside the default pool.
  static std::shared_ptr<Texture> Create(int width, int height, std::uint32_t levels,
                                         std::uint32_t usage, Format format, Pool pool,
                                         std::string* error = nullptr);

  int Width() const { return width_; }
  int Height() const { return height_; }
  std::uint32_t LevelCount() const { return std::uint32_t(levels_.size()); }
  std::uint32_t Usage() const { return usage_; }
  Format GetFormat() const { return format_; }
  Pool GetPool() const { return pool_; }

  bool GetLevelDesc(std::uint32_t level, SurfaceDesc& out) const;

  // Default-pool textures lock only when dynamic, render
  // targets never; a locked level cannot be locked again.
  bool LockRect(std::uint32_t level, LockedRect& out, const Rect* rect = nullptr,
                std::uint32_t flags = 0);
  bool UnlockRect(std::uint32_t level);
  bool IsLocked() const;

  // The level as a surface; the same object while someone holds it.
  std::shared_ptr<Surface> GetSurfaceLevel(std::uint32_t level);

  // Direct access for the helpers and backends (no pool rule), under the
  // level's mutex; false while the level is locked or when it does not exist.
  bool ReadLevel(std::uint32_t level, const std::function<void(const ImageLevel&)>& fn) const;
  bool WriteLevel(std::uint32_t level, const std::function<void(ImageLevel&)>& fn);

 private:
  Texture(int width, int height, std::uint32_t levels, std::uint32_t usage, Format format,
          Pool pool);
  bool Lockable() const;

  int width_, height_;
  std::uint32_t usage_;
  Format format_;
  Pool pool_;
  std::vector<std::unique_ptr<PixelStore>> levels_;
  std::mutex surfaceMutex_;
  std::vector<std::weak_ptr<Surface>> surfaces_;
};

}  // namespace plat
