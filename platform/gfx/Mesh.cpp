#include "platform/gfx/Mesh.h"

#include <cmath>
#include <cstring>

#include "platform/math/Math.h"

namespace plat {

Mesh::Mesh(std::weak_ptr<Device> device, std::shared_ptr<VertexBuffer> vertices,
           std::shared_ptr<IndexBuffer> indices, std::uint32_t fvf, std::uint32_t vertexCount,
           std::uint32_t faceCount, std::vector<AttributeRange> attributes)
    : device_(std::move(device)),
      vertices_(std::move(vertices)),
      indices_(std::move(indices)),
      fvf_(fvf),
      vertexCount_(vertexCount),
      faceCount_(faceCount),
      attributes_(std::move(attributes)) {}

std::uint32_t Mesh::Stride() const { return FvfStride(fvf_); }

bool Mesh::DrawSubset(std::uint32_t attribId) const {
  auto device = device_.lock();
  if (!device) return false;
  for (const AttributeRange& range : attributes_) {
    if (range.attribId != attribId) continue;
    device->SetFVF(fvf_);
    device->SetStreamSource(0, vertices_, 0, Stride());
    device->SetIndices(indices_);
    return device->DrawIndexedPrimitive(PrimitiveType::TriangleList, 0, range.vertexStart,
                                        range.vertexCount, range.faceStart * 3, range.faceCount);
  }
  return false;
}

namespace {

struct PositionNormal {
  Vec3 position;
  Vec3 normal;
};

}  // namespace

std::shared_ptr<Mesh> CreateSphere(const std::shared_ptr<Device>& device, float radius,
                                   std::uint32_t slices, std::uint32_t stacks) {
  if (!device || !(radius > 0) || slices < 3 || stacks < 2) return nullptr;
  // Poles, then (stacks - 1) rings of slices vertices from the top down.
  std::vector<PositionNormal> vertices;
  vertices.push_back({{0, radius, 0}, {0, 1, 0}});
  for (std::uint32_t stack = 1; stack < stacks; ++stack) {
    float phi = kPi * float(stack) / float(stacks);
    for (std::uint32_t slice = 0; slice < slices; ++slice) {
      float theta = 2 * kPi * float(slice) / float(slices);
      Vec3 n{std::sin(phi) * std::cos(theta), std::cos(phi), std::sin(phi) * std::sin(theta)};
      vertices.push_back({n * radius, n});
    }
  }
  vertices.push_back({{0, -radius, 0}, {0, -1, 0}});
  if (vertices.size() > 65536) return nullptr;

  auto ring = [slices](std::uint32_t r, std::uint32_t s) {
    return std::uint16_t(1 + r * slices + s % slices);
  };
  std::uint32_t bottom = std::uint32_t(vertices.size() - 1);
  std::vector<std::uint16_t> indices;
  // Clockwise seen from outside: the front faces of the default cull mode.
  for (std::uint32_t s = 0; s < slices; ++s) {
    indices.insert(indices.end(), {0, ring(0, s + 1), ring(0, s)});
  }
  for (std::uint32_t r = 0; r + 2 < stacks; ++r) {
    for (std::uint32_t s = 0; s < slices; ++s) {
      indices.insert(indices.end(), {ring(r, s), ring(r, s + 1), ring(r + 1, s)});
      indices.insert(indices.end(), {ring(r, s + 1), ring(r + 1, s + 1), ring(r + 1, s)});
    }
  }
  for (std::uint32_t s = 0; s < slices; ++s) {
    indices.insert(indices.end(),
                   {ring(stacks - 2, s), ring(stacks - 2, s + 1), std::uint16_t(bottom)});
  }

  std::uint32_t fvf = Fvf::Xyz | Fvf::Normal;
  auto vb = device->CreateVertexBuffer(std::uint32_t(vertices.size() * sizeof(PositionNormal)),
                                       Usage::WriteOnly, fvf, Pool::Managed);
  auto ib =
      device->CreateIndexBuffer(std::uint32_t(indices.size() * 2), Usage::WriteOnly, Pool::Managed);
  void* data = nullptr;
  if (!vb || !ib || !vb->Lock(0, 0, &data)) return nullptr;
  std::memcpy(data, vertices.data(), vertices.size() * sizeof(PositionNormal));
  vb->Unlock();
  if (!ib->Lock(0, 0, &data)) return nullptr;
  std::memcpy(data, indices.data(), indices.size() * 2);
  ib->Unlock();
  std::uint32_t faces = std::uint32_t(indices.size() / 3);
  AttributeRange all{0, 0, faces, 0, std::uint32_t(vertices.size())};
  return std::make_shared<Mesh>(device, vb, ib, fvf, std::uint32_t(vertices.size()), faces,
                                std::vector<AttributeRange>{all});
}

}  // namespace plat
