#pragma once
// The pixels of one texture level or one stand-alone surface, with the
// device's lock protocol: Lock hands out a pointer that stays valid
// until Unlock, and a second lock of the same pixels fails. Readers (the live
// backend's upload) take the mutex and see the pixels only while nobody holds
// a lock, so they never read half-written data.
#include <cstdint>
#include <functional>
#include <mutex>

#include "platform/gfx/DeviceTypes.h"
#include "platform/gfx/Image.h"

namespace plat {

struct LockedRect {
  int pitch = 0;
  std::uint8_t* bits = nullptr;
};

class PixelStore {
 public:
  // Tightly packed rows; no bytes at all for formats without a CPU layout
  // (depth formats), whose locks then fail.
  PixelStore(Format format, int width, int height);

  Format GetFormat() const { return format_; }
  int Width() const { return width_; }
  int Height() const { return height_; }

  // rect null = the whole level; a rect must lie inside the level (and on
  // 4x4 block edges for compressed formats).
  bool Lock(LockedRect& out, const Rect* rect);
  bool Unlock();
  bool IsLocked() const;

  // Under the mutex; false (fn not called) while locked or without bytes.
  bool Read(const std::function<void(const ImageLevel&)>& fn) const;
  bool Write(const std::function<void(ImageLevel&)>& fn);

 private:
  bool RectIsValid(const Rect& rect) const;

  Format format_;
  int width_, height_;
  mutable std::mutex mutex_;
  ImageLevel level_;
  bool locked_ = false;
};

}  // namespace plat
