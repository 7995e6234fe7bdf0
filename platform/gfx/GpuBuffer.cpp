#include "platform/gfx/GpuBuffer.h"

#include <algorithm>

namespace plat {

GpuBuffer::GpuBuffer(std::uint32_t length, std::uint32_t usage, Pool pool)
    : length_(length), usage_(usage), pool_(pool), bytes_(length, 0) {}

bool GpuBuffer::Lock(std::uint32_t offset, std::uint32_t size, void** data, std::uint32_t flags) {
  if (!data) return false;
  std::lock_guard<std::mutex> lock(mutex_);
  if (locked_ || offset >= length_) return false;
  if (size == 0) size = length_ - offset;
  if (size > length_ - offset) return false;
  if ((flags & Lock::Discard) && (usage_ & Usage::Dynamic)) {
    std::fill(bytes_.begin(), bytes_.end(), 0);
    ++discards_;
  }
  locked_ = true;
  *data = bytes_.data() + offset;
  return true;
}

bool GpuBuffer::Unlock() {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    if (!locked_) return false;
    locked_ = false;
  }
  MarkChanged();
  return true;
}

bool GpuBuffer::IsLocked() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return locked_;
}

std::uint64_t GpuBuffer::DiscardCount() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return discards_;
}

bool GpuBuffer::Read(
    const std::function<void(const std::uint8_t* bytes, std::size_t size)>& fn) const {
  std::lock_guard<std::mutex> lock(mutex_);
  if (locked_) return false;
  fn(bytes_.data(), bytes_.size());
  return true;
}

bool GpuBuffer::CopyOut(std::uint32_t offset, std::uint32_t size,
                        std::vector<std::uint8_t>& out) const {
  std::lock_guard<std::mutex> lock(mutex_);
  if (locked_ || offset > length_ || size > length_ - offset) return false;
  out.assign(bytes_.begin() + offset, bytes_.begin() + offset + size);
  return true;
}

}  // namespace plat
