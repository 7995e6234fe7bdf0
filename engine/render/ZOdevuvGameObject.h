#pragma once
// One piece of static scenery or one building as the engine draws it: the
// mesh objects and node trees of one model file, three transforms its owner
// sets, its box with the eight corners, and the flags that steer drawing.
#include <cstdint>
#include <vector>

#include "engine/core/EngineString.h"
#include "platform/math/Types.h"

class ZOdevuv3DObject;
class ZOdevuvLightManager;
class ZOdevuvNodeTree;

class ZOdevuvGameObject {
 public:
  static constexpr float kEmptyBoxExtent = 10000.0f;

  ZOdevuvGameObject();
  ~ZOdevuvGameObject();
  ZOdevuvGameObject(const ZOdevuvGameObject&) = delete;
  ZOdevuvGameObject& operator=(const ZOdevuvGameObject&) = delete;

  // Keeps the three texts and loads the model file (a complete path) with
  // its textures expected in modelFolder.
  void Init(EngineString name, EngineString modelFile, EngineString modelFolder,
            ZOdevuvLightManager* lights);
  void LoadModel(const char* modelFile, const char* modelFolder, ZOdevuvLightManager* lights);
  void DeInit();
  // Draws every mesh object not named in the node-name list in the pass;
  // the time is not used. The device's world transform is kept.
  void Render(float time, int32_t pass);

  float GetBoundingRadius() const;
  void GetBoxCorners(plat::Vec3* out) const;
  bool HasNodeName(EngineString name) const;
  void AddNodeTree(ZOdevuvNodeTree* tree);
  void AddMeshObject(ZOdevuv3DObject* object);

  const std::vector<ZOdevuv3DObject*>& GetMeshObjects() const { return m_meshObjects; }
  const std::vector<ZOdevuvNodeTree*>& GetNodeTrees() const { return m_nodeTrees; }
  const EngineString& GetName() const { return m_name; }
  const EngineString& GetModelFile() const { return m_modelFile; }
  const EngineString& GetModelFolder() const { return m_modelFolder; }
  int32_t GetTotalFaceCount() const { return m_totalFaces; }
  int32_t GetDrawnFaceCount() const { return m_drawnFaces; }
  const plat::Matrix& GetLastWorldMatrix() const { return m_lastWorld; }
  const plat::Vec3& GetBoxMin() const { return m_boxMin; }
  const plat::Vec3& GetBoxMax() const { return m_boxMax; }

  // Set by the owners.
  std::vector<EngineString> nodeNames;  // mesh objects of these names are not drawn
  plat::Matrix transforms[3];           // applied in order after each object's own matrix
  uint8_t keepMeshes = 0;
  uint8_t transformBox = 0;  // cull with the box of the transformed corners
  uint8_t frustumTest = 1;
  uint8_t ownerByte = 0;     // copied into each mesh object's owner flag
  uint8_t drawBoxes = 0;
  uint8_t simpleFlag = 0;    // copied into each mesh object's simple flag

 private:
  void ComputeBounds();
  void TransformBox(const ZOdevuv3DObject& object, const plat::Matrix& g);

  std::vector<ZOdevuv3DObject*> m_meshObjects;
  std::vector<ZOdevuvNodeTree*> m_nodeTrees;
  int32_t m_totalFaces = 0;
  int32_t m_drawnFaces = 0;
  plat::Matrix m_lastWorld;
  EngineString m_name, m_modelFile, m_modelFolder;
  plat::Vec3 m_boxMin{kEmptyBoxExtent, kEmptyBoxExtent, kEmptyBoxExtent};
  plat::Vec3 m_boxMax{-kEmptyBoxExtent, -kEmptyBoxExtent, -kEmptyBoxExtent};
  plat::Vec3 m_corners[8];
};
