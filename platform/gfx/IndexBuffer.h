#pragma once
// 16-bit indices only: the game uses nothing else.
#include <memory>

#include "platform/gfx/GpuBuffer.h"

namespace plat {

class IndexBuffer : public GpuBuffer {
 public:
  // Null for a length of 0 or one that is not a whole number of indices.
  static std::shared_ptr<IndexBuffer> Create(std::uint32_t length, std::uint32_t usage, Pool pool);
  std::uint32_t IndexCount() const { return Length() / 2; }

 private:
  IndexBuffer(std::uint32_t length, std::uint32_t usage, Pool pool);
};

}  // namespace plat
