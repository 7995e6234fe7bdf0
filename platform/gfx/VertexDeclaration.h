#pragma once
// A vertex layout as a list of elements, and the flexible-vertex-format
// layouts described the same way, so that a backend binds effect inputs
// (by semantic) from either.
#include <cstdint>
#include <memory>
#include <vector>

#include "platform/gfx/DeviceTypes.h"
#include "platform/gfx/Resource.h"

namespace plat {

// Bytes per vertex of a flexible vertex format (the reserved bit 0x1 is ignored).
std::uint32_t FvfStride(std::uint32_t fvf);
// The elements (stream 0) a flexible vertex format stands for: position as
// POSITION (float3) or POSITIONT (float4), blend weights, NORMAL, PSIZE,
// COLOR0 (diffuse), COLOR1 (specular), TEXCOORD0.. with their sizes.
std::vector<VertexElement> FvfElements(std::uint32_t fvf);

class VertexDeclaration : public Resource {
 public:
  // Null for an empty list or elements that overlap inside one stream.
  static std::shared_ptr<VertexDeclaration> Create(std::vector<VertexElement> elements);

  const std::vector<VertexElement>& Elements() const { return elements_; }
  // Bytes the elements of the stream cover (end of the furthest element).
  std::uint32_t StreamSize(std::uint16_t stream) const;
  // The element with the usage and index, or null.
  const VertexElement* Find(DeclUsage usage, std::uint8_t usageIndex) const;

 private:
  explicit VertexDeclaration(std::vector<VertexElement> elements);
  std::vector<VertexElement> elements_;
};

}  // namespace plat
