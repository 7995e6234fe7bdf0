#pragma once
// One node of a model's node tree: a named 3D object with its children and
// its position and rotation keys. Trees are kept as read; nothing draws or
// plays them.
#include <cstdint>
#include <memory>
#include <vector>

#include "engine/core/EngineString.h"
#include "platform/math/Types.h"

class ZOdevuv3DObject;

class ZOdevuvNode {
 public:
  ZOdevuvNode();
  // Deletes its 3D object and, depth first, every child.
  ~ZOdevuvNode();
  ZOdevuvNode(const ZOdevuvNode&) = delete;
  ZOdevuvNode& operator=(const ZOdevuvNode&) = delete;

  // Sets the name and replaces both key lists by zeroed lists of the counts
  // (negative counts give empty lists).
  void AllocateKeys(const EngineString& name, int32_t positionKeys, int32_t rotationKeys);
  // Both ignore an index outside the list.
  void SetPositionKey(float x, float y, float z, int32_t index, int32_t time);
  void SetRotationKey(float x, float y, float z, float w, int32_t index, int32_t time);
  // Takes ownership.
  void SetMesh(ZOdevuv3DObject* mesh);
  void SetParent(ZOdevuvNode* parent) { m_parent = parent; }
  // Takes ownership.
  void AddChild(ZOdevuvNode* child);

  const EngineString& GetName() const { return m_name; }
  ZOdevuvNode* GetParent() const { return m_parent; }
  const std::vector<std::unique_ptr<ZOdevuvNode>>& GetChildren() const { return m_children; }
  ZOdevuv3DObject* GetMesh() const { return m_mesh.get(); }
  const std::vector<plat::Vec3>& GetPositionKeys() const { return m_positionKeys; }
  const std::vector<int32_t>& GetPositionTimes() const { return m_positionTimes; }
  const std::vector<plat::Quaternion>& GetRotationKeys() const { return m_rotationKeys; }
  const std::vector<int32_t>& GetRotationTimes() const { return m_rotationTimes; }

 private:
  EngineString m_name;
  ZOdevuvNode* m_parent = nullptr;
  std::vector<std::unique_ptr<ZOdevuvNode>> m_children;
  std::unique_ptr<ZOdevuv3DObject> m_mesh;
  std::vector<plat::Vec3> m_positionKeys;
  std::vector<int32_t> m_positionTimes;
  std::vector<plat::Quaternion> m_rotationKeys;
  std::vector<int32_t> m_rotationTimes;
};
