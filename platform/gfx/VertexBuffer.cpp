#include "platform/gfx/VertexBuffer.h"

namespace plat {

std::shared_ptr<VertexBuffer> VertexBuffer::Create(std::uint32_t length, std::uint32_t usage,
                                                   std::uint32_t fvf, Pool pool) {
  if (length == 0) return nullptr;
  return std::shared_ptr<VertexBuffer>(new VertexBuffer(length, usage, fvf, pool));
}

VertexBuffer::VertexBuffer(std::uint32_t length, std::uint32_t usage, std::uint32_t fvf, Pool pool)
    : GpuBuffer(length, usage, pool), fvf_(fvf) {}

}  // namespace plat
