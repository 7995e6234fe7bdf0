#pragma once
// The bytes of a vertex or index buffer with the device's lock protocol:
// Lock(offset, size, flags) hands out a pointer until Unlock; a lock outside
// the buffer or a second lock fails. DISCARD on a dynamic buffer gives fresh
// (zeroed) contents, NOOVERWRITE promises not to touch what earlier draws
// use and keeps the contents; on other buffers both are plain locks.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <mutex>
#include <vector>

#include "platform/gfx/DeviceTypes.h"
#include "platform/gfx/Resource.h"

namespace plat {

class GpuBuffer : public Resource {
 public:
  std::uint32_t Length() const { return length_; }
  std::uint32_t Usage() const { return usage_; }
  Pool GetPool() const { return pool_; }

  // size 0 = from offset to the end.
  bool Lock(std::uint32_t offset, std::uint32_t size, void** data, std::uint32_t flags = 0);
  bool Unlock();
  bool IsLocked() const;
  // How many DISCARD locks the buffer has seen (a live backend orphans its copy).
  std::uint64_t DiscardCount() const;

  // Under the mutex; false (fn not called) while locked.
  bool Read(const std::function<void(const std::uint8_t* bytes, std::size_t size)>& fn) const;
  // Copies [offset, offset + size) out; false when outside or locked.
  bool CopyOut(std::uint32_t offset, std::uint32_t size, std::vector<std::uint8_t>& out) const;

 protected:
  GpuBuffer(std::uint32_t length, std::uint32_t usage, Pool pool);

 private:
  std::uint32_t length_;
  std::uint32_t usage_;
  Pool pool_;
  mutable std::mutex mutex_;
  std::vector<std::uint8_t> bytes_;
  bool locked_ = false;
  std::uint64_t discards_ = 0;
};

}  // namespace plat
