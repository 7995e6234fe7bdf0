#include "platform/gfx/PixelStore.h"

namespace plat {

namespace {
bool HasCpuLayout(Format format) {
  return format != Format::D16 && format != Format::D24S8 &&
         (IsBlockCompressed(format) || BytesPerPixel(format) > 0);
}
}  // namespace

PixelStore::PixelStore(Format format, int width, int height)
    : format_(format), width_(width), height_(height) {
  if (!HasCpuLayout(format)) return;
  level_.width = width;
  level_.height = height;
  level_.pitch = RowPitch(format, width);
  level_.bytes.assign(std::size_t(level_.pitch) * RowCount(format, height), 0);
}

bool PixelStore::RectIsValid(const Rect& rect) const {
  if (rect.left < 0 || rect.top < 0 || rect.right > width_ || rect.bottom > height_ ||
      rect.left >= rect.right || rect.top >= rect.bottom) {
    return false;
  }
  if (IsBlockCompressed(format_)) return rect.left % 4 == 0 && rect.top % 4 == 0;
  return true;
}

bool PixelStore::Lock(LockedRect& out, const Rect* rect) {
  std::lock_guard<std::mutex> lock(mutex_);
  if (locked_ || level_.bytes.empty()) return false;
  std::size_t at = 0;
  if (rect) {
    if (!RectIsValid(*rect)) return false;
    bool blocks = IsBlockCompressed(format_);
    int row = blocks ? rect->top / 4 : rect->top;
    int column = blocks ? rect->left / 4 : rect->left;
    int unit = blocks ? RowPitch(format_, 4) : BytesPerPixel(format_);
    at = std::size_t(row) * level_.pitch + std::size_t(column) * unit;
  }
  locked_ = true;
  out.pitch = level_.pitch;
  out.bits = level_.bytes.data() + at;
  return true;
}

bool PixelStore::Unlock() {
  std::lock_guard<std::mutex> lock(mutex_);
  if (!locked_) return false;
  locked_ = false;
  return true;
}

bool PixelStore::IsLocked() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return locked_;
}

bool PixelStore::Read(const std::function<void(const ImageLevel&)>& fn) const {
  std::lock_guard<std::mutex> lock(mutex_);
  if (locked_ || level_.bytes.empty()) return false;
  fn(level_);
  return true;
}

bool PixelStore::Write(const std::function<void(ImageLevel&)>& fn) {
  std::lock_guard<std::mutex> lock(mutex_);
  if (locked_ || level_.bytes.empty()) return false;
  // The callee may not resize the level: it is the texture's layout.
  std::size_t size = level_.bytes.size();
  fn(level_);
  level_.bytes.resize(size);
  level_.width = width_;
  level_.height = height_;
  level_.pitch = RowPitch(format_, width_);
  return true;
}

}  // namespace plat
