#pragma once
// A triangle mesh in the skinned vertex layout (76 bytes: position, normal,
// tangent, texture coordinate 0, four blend weights, four blend indices as
// floats), kept in memory and drawn subset by subset. Faces are sorted by
// attribute so that every attribute is one run of faces. The device buffers
// are made on the first draw (on the drawing thread).
#include <cstdint>
#include <memory>
#include <vector>

#include "platform/gfx/Device.h"
#include "platform/gfx/Mesh.h"
#include "platform/math/Types.h"

namespace plat {

struct SkinVertex {
  Vec3 position;
  Vec3 normal;
  Vec3 tangent;
  Vec2 texCoord;
  float blendWeights[4] = {0, 0, 0, 0};
  float blendIndices[4] = {0, 0, 0, 0};
};
static_assert(sizeof(SkinVertex) == 76, "the skinned layout is 76 bytes");

// The declaration of SkinVertex (stream 0).
std::vector<VertexElement> SkinVertexElements();

class SkinMesh {
 public:
  static constexpr std::uint32_t kMaxVertices = 65536;  // 16-bit indices

  // Null when the index count is not a multiple of 3, an index names no
  // vertex, the attribute list does not match the faces, there are more
  // than kMaxVertices vertices or no faces.
  static std::shared_ptr<SkinMesh> Create(std::vector<SkinVertex> vertices,
                                          std::vector<std::uint32_t> indices,
                                          std::vector<std::uint32_t> faceAttributes);

  const std::vector<SkinVertex>& Vertices() const { return vertices_; }
  const std::vector<std::uint32_t>& Indices() const { return indices_; }
  const std::vector<std::uint32_t>& FaceAttributes() const { return faceAttributes_; }
  std::uint32_t VertexCount() const { return std::uint32_t(vertices_.size()); }
  std::uint32_t FaceCount() const { return std::uint32_t(faceAttributes_.size()); }
  // One range per attribute, in ascending attribute order.
  const std::vector<AttributeRange>& AttributeTable() const { return attributes_; }

  // Draws the faces of the attribute with the skinned declaration; false for
  // an attribute the table lacks or when the buffers cannot be made.
  bool DrawSubset(Device& device, std::uint32_t attribId);

 private:
  SkinMesh(std::vector<SkinVertex> vertices, std::vector<std::uint32_t> indices,
           std::vector<std::uint32_t> faceAttributes);
  bool MakeBuffers(Device& device);

  std::vector<SkinVertex> vertices_;
  std::vector<std::uint32_t> indices_;
  std::vector<std::uint32_t> faceAttributes_;
  std::vector<AttributeRange> attributes_;
  std::weak_ptr<Device> bufferDevice_;
  std::shared_ptr<VertexBuffer> vertexBuffer_;
  std::shared_ptr<IndexBuffer> indexBuffer_;
  std::shared_ptr<VertexDeclaration> declaration_;
};

// Recomputes the normals (area-weighted face normals, clockwise fronts) and
// the tangents (along increasing u) of a mesh; null when it has no faces.
std::shared_ptr<SkinMesh> ComputeTangentFrame(const SkinMesh& mesh);

}  // namespace plat
