#include "platform/mesh/MeshHierarchy.h"

#include <algorithm>
#include <cmath>

#include "platform/math/Math.h"

namespace plat {

void FrameDestroy(MeshFrame* frame, AllocateHierarchy& allocator) {
  while (frame) {
    MeshFrame* sibling = frame->sibling;
    MeshContainer* container = frame->meshContainer;
    while (container) {
      MeshContainer* next = container->next;
      allocator.DestroyMeshContainer(container);
      container = next;
    }
    FrameDestroy(frame->firstChild, allocator);
    allocator.DestroyFrame(frame);
    frame = sibling;
  }
}

MeshFrame* FrameFind(MeshFrame* root, std::string_view name) {
  for (MeshFrame* frame = root; frame; frame = frame->sibling) {
    if (frame->name == name) return frame;
    if (MeshFrame* found = FrameFind(frame->firstChild, name)) return found;
  }
  return nullptr;
}

namespace {

template <typename Visit>
void ForEachPlacedVertex(const MeshFrame* frame, const Matrix& parent, const Visit& visit) {
  for (; frame; frame = frame->sibling) {
    const Matrix placed = frame->transformationMatrix * parent;
    for (const MeshContainer* c = frame->meshContainer; c; c = c->next) {
      if (!c->mesh) continue;
      for (const SkinVertex& v : c->mesh->Vertices()) {
        Vec3 p;
        Vec3TransformCoord(&p, v.position, placed);
        visit(p);
      }
    }
    ForEachPlacedVertex(frame->firstChild, placed, visit);
  }
}

}  // namespace

void FrameCalculateBoundingSphere(const MeshFrame* root, Vec3* centre, float* radius) {
  Vec3 sum{};
  double count = 0;
  ForEachPlacedVertex(root, IdentityMatrix(), [&](const Vec3& p) {
    sum = sum + p;
    count += 1;
  });
  const Vec3 c = count > 0 ? sum / float(count) : Vec3{};
  float r = 0;
  ForEachPlacedVertex(root, IdentityMatrix(),
                      [&](const Vec3& p) { r = std::max(r, Vec3LengthOf(p - c)); });
  if (centre) *centre = c;
  if (radius) *radius = r;
}

}  // namespace plat
