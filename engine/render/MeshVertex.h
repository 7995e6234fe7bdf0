#pragma once
// The vertex of every static sub-mesh, 64 bytes, and the declaration that
// describes it to the device (all elements in stream 0).
#include <vector>

#include "platform/gfx/DeviceTypes.h"
#include "platform/math/Types.h"

struct MeshVertex {
  plat::Vec3 position;
  plat::Vec3 normal;
  float u = 0, v = 0;
  float su = 0, sv = 0;  // light-map coordinates
  plat::Vec3 tangent;
  plat::Vec3 binormal;
};
static_assert(sizeof(MeshVertex) == 64, "MeshVertex is laid out as the vertex buffers expect");

constexpr unsigned kMeshVertexStride = sizeof(MeshVertex);

inline std::vector<plat::VertexElement> MeshVertexElements() {
  using plat::DeclType;
  using plat::DeclUsage;
  return {
      {0, 0, DeclType::Float3, DeclUsage::Position, 0},
      {0, 12, DeclType::Float3, DeclUsage::Normal, 0},
      {0, 24, DeclType::Float2, DeclUsage::TexCoord, 0},
      {0, 32, DeclType::Float2, DeclUsage::TexCoord, 1},
      {0, 40, DeclType::Float3, DeclUsage::Tangent, 0},
      {0, 52, DeclType::Float3, DeclUsage::Binormal, 0},
  };
}
