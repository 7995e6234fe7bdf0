#pragma once
// One static mesh object of a model: named sub-meshes (one per triangle list
// of the model file), the materials the file gave it, its box with a line
// buffer to show it, a world matrix, a rotation in degrees and the render
// pass its owner sets before each draw. The pass and the maps of each
// sub-mesh choose the render mode it is drawn with.
#include <cstdint>
#include <memory>
#include <vector>

#include "engine/core/EngineString.h"
#include "engine/render/MeshVertex.h"
#include "engine/render/ModelRecords.h"
#include "platform/gfx/DeviceTypes.h"
#include "platform/gfx/LightTypes.h"
#include "platform/math/Types.h"

namespace plat {
class VertexBuffer;
}

class ZOdevuvSubMesh;

// Writes a per-triangle tangent and binormal into every vertex of a
// triangle list (a trailing one or two vertices are left as they are).
void ComputeTangents(int32_t vertexCount, MeshVertex* vertices);

class ZOdevuv3DObject {
 public:
  // Sixteen-bit indices address at most this many vertices per sub-mesh.
  static constexpr int32_t kMaxSubMeshVertices = 65536;
  static constexpr int kBoxLineVertices = 24;
  // Position, normal and two coordinate sets: only the position of the
  // 64-byte box-line vertices is written.
  static constexpr uint32_t kBoxLineFvf = plat::Fvf::Xyz | plat::Fvf::Normal | plat::Fvf::Tex2;

  ZOdevuv3DObject();
  ~ZOdevuv3DObject();
  ZOdevuv3DObject(const ZOdevuv3DObject&) = delete;
  ZOdevuv3DObject& operator=(const ZOdevuv3DObject&) = delete;

  // A copy of the record goes to the next sub-mesh; flag 0 takes the
  // record's colours. A null record adds a grey material.
  void AddMaterial(const ModelMaterialRecord* record, uint8_t flag);
  // Builds one sub-mesh of vertexCount vertices (every three a triangle)
  // and takes the array, which it frees. Counts outside
  // 0..kMaxSubMeshVertices build nothing.
  void Init(int32_t faceCount, int32_t vertexCount, MeshVertex* vertices);
  void Render();

  void FillBoxVertexBuffer();
  void DrawBoundingBox();
  void GetBoxMin(plat::Vec3* out) const { *out = m_boxMin; }
  void GetBoxMax(plat::Vec3* out) const { *out = m_boxMax; }
  void SetBoxExtents(const plat::Vec3& min, const plat::Vec3& max);
  void SetBoxCorners(const plat::Vec3* corners, int count);
  const plat::Vec3* GetBoxCorners() const { return m_corners; }

  // Registers the light map of the object called name; 1 when one was found.
  uint8_t LoadLightMap(const EngineString& name);
  void ConvertMaterials(ZOdevuvSubMesh* subMesh);

  // The render mode a sub-mesh gets in a pass; -1 when it is not drawn.
  static int32_t SelectRenderMode(int32_t pass, const ZOdevuvSubMesh& subMesh);

  void SetName(const char* text);
  const char* GetName() const { return m_name; }

  const std::vector<ZOdevuvSubMesh*>& GetSubMeshes() const { return m_subMeshes; }
  const std::vector<std::unique_ptr<ModelMaterialRecord>>& GetMaterialRecords() const {
    return m_records;
  }
  const std::vector<plat::Material>& GetMaterials() const { return m_materials; }
  const std::vector<int32_t>& GetMeshIds() const { return m_meshIds; }
  const std::shared_ptr<plat::VertexBuffer>& GetBoxLineBuffer() const { return m_boxLines; }
  int32_t GetFaceCount() const { return m_faceCount; }
  int32_t GetVertexCount() const { return m_vertexCount; }
  int32_t GetSubMeshCount() const { return m_subMeshCount; }

  int32_t renderPass = 0;
  int32_t kind = 0;
  plat::Matrix worldMatrix;
  plat::Vec3 rotation;  // degrees about x, y, z
  uint8_t ownerFlag = 0;
  uint8_t simpleFlag = 0;

 private:
  void TakeMaterialRecord(ZOdevuvSubMesh& subMesh, plat::Vec2& tiling, plat::Vec2& offset);
  void FillBuffers(ZOdevuvSubMesh& subMesh, const MeshVertex* vertices, bool lightMapped,
                   const plat::Vec2& tiling, const plat::Vec2& offset);
  uint8_t RegisterLightMap(const EngineString& folder, const EngineString& file,
                           const EngineString& name);

  std::shared_ptr<plat::VertexBuffer> m_boxLines;
  std::vector<ZOdevuvSubMesh*> m_subMeshes;
  // The sub-mesh with the same number gets its own copy of each.
  std::vector<std::unique_ptr<ModelMaterialRecord>> m_records;
  std::vector<plat::Material> m_materials;
  std::vector<int32_t> m_meshIds;
  // The folder's light maps named by mesh id, listed once per folder and name.
  std::vector<int32_t> m_lightMapIds;
  EngineString m_lightMapListKey;
  bool m_lightMapIdsListed = false;
  char m_name[256] = {};
  plat::Vec3 m_boxMin, m_boxMax;
  plat::Vec3 m_boxMinCopy, m_boxMaxCopy;
  plat::Vec3 m_corners[8];
  int32_t m_faceCount = 0;
  int32_t m_vertexCount = 0;
  int32_t m_subMeshCount = 0;
};
