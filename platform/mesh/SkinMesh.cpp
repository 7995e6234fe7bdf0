#include "platform/mesh/SkinMesh.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <numeric>

#include "platform/math/Math.h"

namespace plat {

std::vector<VertexElement> SkinVertexElements() {
  return {
      {0, 0, DeclType::Float3, DeclUsage::Position, 0},
      {0, 12, DeclType::Float3, DeclUsage::Normal, 0},
      {0, 24, DeclType::Float3, DeclUsage::Tangent, 0},
      {0, 36, DeclType::Float2, DeclUsage::TexCoord, 0},
      {0, 44, DeclType::Float4, DeclUsage::BlendWeight, 0},
      {0, 60, DeclType::Float4, DeclUsage::BlendIndices, 0},
  };
}

std::shared_ptr<SkinMesh> SkinMesh::Create(std::vector<SkinVertex> vertices,
                                           std::vector<std::uint32_t> indices,
                                           std::vector<std::uint32_t> faceAttributes) {
  if (indices.empty() || indices.size() % 3 != 0) return nullptr;
  if (faceAttributes.size() != indices.size() / 3) return nullptr;
  if (vertices.size() > kMaxVertices) return nullptr;
  for (std::uint32_t index : indices) {
    if (index >= vertices.size()) return nullptr;
  }
  return std::shared_ptr<SkinMesh>(
      new SkinMesh(std::move(vertices), std::move(indices), std::move(faceAttributes)));
}

SkinMesh::SkinMesh(std::vector<SkinVertex> vertices, std::vector<std::uint32_t> indices,
                   std::vector<std::uint32_t> faceAttributes)
    : vertices_(std::move(vertices)) {
  // Stable order by attribute, so that each attribute is one run of faces.
  std::vector<std::uint32_t> order(faceAttributes.size());
  std::iota(order.begin(), order.end(), 0u);
  std::stable_sort(order.begin(), order.end(), [&](std::uint32_t a, std::uint32_t b) {
    return faceAttributes[a] < faceAttributes[b];
  });
  indices_.reserve(indices.size());
  faceAttributes_.reserve(order.size());
  for (std::uint32_t face : order) {
    indices_.insert(indices_.end(), indices.begin() + face * 3, indices.begin() + face * 3 + 3);
    faceAttributes_.push_back(faceAttributes[face]);
  }
  for (std::uint32_t face = 0; face < faceAttributes_.size(); ++face) {
    if (attributes_.empty() || attributes_.back().attribId != faceAttributes_[face]) {
      attributes_.push_back({faceAttributes_[face], face, 0, 0, 0});
    }
    attributes_.back().faceCount++;
  }
  for (AttributeRange& range : attributes_) {
    auto first = indices_.begin() + range.faceStart * 3;
    auto [low, high] = std::minmax_element(first, first + range.faceCount * 3);
    range.vertexStart = *low;
    range.vertexCount = *high - *low + 1;
  }
}

bool SkinMesh::MakeBuffers(Device& device) {
  if (vertexBuffer_ && bufferDevice_.lock().get() == &device) return true;
  const auto vertexBytes = std::uint32_t(vertices_.size() * sizeof(SkinVertex));
  auto vb = device.CreateVertexBuffer(vertexBytes, Usage::WriteOnly, 0, Pool::Managed);
  auto ib = device.CreateIndexBuffer(std::uint32_t(indices_.size() * 2), Usage::WriteOnly,
                                     Pool::Managed);
  auto declaration = device.CreateVertexDeclaration(SkinVertexElements());
  void* data = nullptr;
  if (!vb || !ib || !declaration || !vb->Lock(0, 0, &data)) return false;
  std::memcpy(data, vertices_.data(), vertexBytes);
  vb->Unlock();
  if (!ib->Lock(0, 0, &data)) return false;
  auto* out = static_cast<std::uint16_t*>(data);
  for (std::size_t i = 0; i < indices_.size(); ++i) out[i] = std::uint16_t(indices_[i]);
  ib->Unlock();
  vertexBuffer_ = std::move(vb);
  indexBuffer_ = std::move(ib);
  declaration_ = std::move(declaration);
  bufferDevice_ = device.shared_from_this();
  return true;
}

bool SkinMesh::DrawSubset(Device& device, std::uint32_t attribId) {
  auto range = std::find_if(attributes_.begin(), attributes_.end(),
                            [attribId](const AttributeRange& r) { return r.attribId == attribId; });
  if (range == attributes_.end() || !MakeBuffers(device)) return false;
  device.SetVertexDeclaration(declaration_);
  device.SetStreamSource(0, vertexBuffer_, 0, sizeof(SkinVertex));
  device.SetIndices(indexBuffer_);
  return device.DrawIndexedPrimitive(PrimitiveType::TriangleList, 0, range->vertexStart,
                                     range->vertexCount, range->faceStart * 3, range->faceCount);
}

namespace {

// Any unit vector at right angles to n (n of unit length).
Vec3 Perpendicular(const Vec3& n) {
  Vec3 axis = std::fabs(n.x) < 0.9f ? Vec3{1, 0, 0} : Vec3{0, 1, 0};
  return Vec3Normalized(Vec3Cross(n, axis));
}

}  // namespace

std::shared_ptr<SkinMesh> ComputeTangentFrame(const SkinMesh& mesh) {
  if (mesh.FaceCount() == 0) return nullptr;
  std::vector<SkinVertex> vertices = mesh.Vertices();
  std::vector<Vec3> normals(vertices.size());
  std::vector<Vec3> tangents(vertices.size());
  const auto& indices = mesh.Indices();
  for (std::size_t i = 0; i + 2 < indices.size(); i += 3) {
    const std::uint32_t a = indices[i], b = indices[i + 1], c = indices[i + 2];
    const Vec3 e1 = vertices[b].position - vertices[a].position;
    const Vec3 e2 = vertices[c].position - vertices[a].position;
    const Vec3 faceNormal = Vec3Cross(e1, e2);  // length: twice the area
    const Vec2 d1 = vertices[b].texCoord - vertices[a].texCoord;
    const Vec2 d2 = vertices[c].texCoord - vertices[a].texCoord;
    const float r = d1.x * d2.y - d2.x * d1.y;
    const Vec3 faceTangent = std::fabs(r) > 1e-12f ? (e1 * d2.y - e2 * d1.y) / r : Vec3{};
    for (std::uint32_t v : {a, b, c}) {
      normals[v] = normals[v] + faceNormal;
      tangents[v] = tangents[v] + faceTangent;
    }
  }
  for (std::size_t v = 0; v < vertices.size(); ++v) {
    const Vec3 n = Vec3Normalized(normals[v]);
    // Gram-Schmidt against the normal; a vertex without a usable direction
    // gets any tangent in its plane.
    Vec3 t = Vec3Normalized(tangents[v] - n * Vec3Dot(n, tangents[v]));
    if (Vec3LengthSq(t) == 0 && Vec3LengthSq(n) > 0) t = Perpendicular(n);
    vertices[v].normal = n;
    vertices[v].tangent = t;
  }
  return SkinMesh::Create(std::move(vertices), mesh.Indices(), mesh.FaceAttributes());
}

}  // namespace plat
