#include "platform/gfx/IndexBuffer.h"

namespace plat {

std::shared_ptr<IndexBuffer> IndexBuffer::Create(std::uint32_t length, std::uint32_t usage,
                                                 Pool pool) {
  if (length == 0 || length % 2 != 0) return nullptr;
  return std::shared_ptr<IndexBuffer>(new IndexBuffer(length, usage, pool));
}

IndexBuffer::IndexBuffer(std::uint32_t length, std::uint32_t usage, Pool pool)
    : GpuBuffer(length, usage, pool) {}

}  // namespace plat
