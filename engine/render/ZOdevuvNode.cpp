#include "engine/render/ZOdevuvNode.h"

#include "engine/render/ZOdevuv3DObject.h"

namespace {

std::size_t CountOrZero(int32_t count) { return count > 0 ? static_cast<std::size_t>(count) : 0; }

bool InRange(int32_t index, std::size_t size) {
  return index >= 0 && static_cast<std::size_t>(index) < size;
}

}  // namespace

ZOdevuvNode::ZOdevuvNode() = default;

ZOdevuvNode::~ZOdevuvNode() = default;

void ZOdevuvNode::AllocateKeys(const EngineString& name, int32_t positionKeys, int32_t rotationKeys) {
  m_name = name;
  m_positionKeys.assign(CountOrZero(positionKeys), plat::Vec3{});
  m_positionTimes.assign(CountOrZero(positionKeys), 0);
  m_rotationKeys.assign(CountOrZero(rotationKeys), plat::Quaternion{0, 0, 0, 0});
  m_rotationTimes.assign(CountOrZero(rotationKeys), 0);
}

void ZOdevuvNode::SetPositionKey(float x, float y, float z, int32_t index, int32_t time) {
  if (!InRange(index, m_positionKeys.size())) return;
  m_positionKeys[static_cast<std::size_t>(index)] = {x, y, z};
  m_positionTimes[static_cast<std::size_t>(index)] = time;
}

void ZOdevuvNode::SetRotationKey(float x, float y, float z, float w, int32_t index, int32_t time) {
  if (!InRange(index, m_rotationKeys.size())) return;
  m_rotationKeys[static_cast<std::size_t>(index)] = {x, y, z, w};
  m_rotationTimes[static_cast<std::size_t>(index)] = time;
}

void ZOdevuvNode::SetMesh(ZOdevuv3DObject* mesh) { m_mesh.reset(mesh); }

void ZOdevuvNode::AddChild(ZOdevuvNode* child) {
  if (child) m_children.emplace_back(child);
}
