#pragma once
#include <memory>

#include "platform/gfx/GpuBuffer.h"

namespace plat {

class VertexBuffer : public GpuBuffer {
 public:
  // Null for a length of 0.
  static std::shared_ptr<VertexBuffer> Create(std::uint32_t length, std::uint32_t usage,
                                              std::uint32_t fvf, Pool pool);
  std::uint32_t GetFvf() const { return fvf_; }

 private:
  VertexBuffer(std::uint32_t length, std::uint32_t usage, std::uint32_t fvf, Pool pool);
  std::uint32_t fvf_;
};

}  // namespace plat
