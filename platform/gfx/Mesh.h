#pragma once
// A small indexed mesh with an attribute table, drawn subset by subset.
#include <cstdint>
#include <memory>
#include <vector>

#include "platform/gfx/Device.h"

namespace plat {

struct AttributeRange {
  std::uint32_t attribId = 0;
  std::uint32_t faceStart = 0;
  std::uint32_t faceCount = 0;
  std::uint32_t vertexStart = 0;
  std::uint32_t vertexCount = 0;
};

class Mesh {
 public:
  Mesh(std::weak_ptr<Device> device, std::shared_ptr<VertexBuffer> vertices,
       std::shared_ptr<IndexBuffer> indices, std::uint32_t fvf, std::uint32_t vertexCount,
       std::uint32_t faceCount, std::vector<AttributeRange> attributes);

  std::uint32_t GetFvf() const { return fvf_; }
  std::uint32_t Stride() const;
  std::uint32_t VertexCount() const { return vertexCount_; }
  std::uint32_t FaceCount() const { return faceCount_; }
  const std::shared_ptr<VertexBuffer>& Vertices() const { return vertices_; }
  const std::shared_ptr<IndexBuffer>& Indices() const { return indices_; }
  const std::vector<AttributeRange>& AttributeTable() const { return attributes_; }

  // Draws the faces of the attribute as an indexed triangle list; false for
  // an attribute the table lacks or when the device is gone.
  bool DrawSubset(std::uint32_t attribId) const;

 private:
  std::weak_ptr<Device> device_;
  std::shared_ptr<VertexBuffer> vertices_;
  std::shared_ptr<IndexBuffer> indices_;
  std::uint32_t fvf_;
  std::uint32_t vertexCount_;
  std::uint32_t faceCount_;
  std::vector<AttributeRange> attributes_;
};

// A sphere around the origin with position and normal (XYZ | NORMAL),
// pole to pole: slices around, stacks from top to bottom (slices >= 3,
// stacks >= 2, radius > 0; else null).
std::shared_ptr<Mesh> CreateSphere(const std::shared_ptr<Device>& device, float radius,
                                   std::uint32_t slices, std::uint32_t stacks);

}  // namespace plat
