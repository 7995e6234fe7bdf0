#pragma once
// One triangle list of a 3D object: its own vertex and index buffer, its
// material, the registry entries of its maps, its light map and the effects
// it may be drawn with (borrowed from the device manager's cache). Textures
// are read from the entries at every draw, so entries loaded after the
// sub-mesh was built are drawn with their textures.
#include <cstdint>
#include <memory>

#include "engine/core/EngineString.h"
#include "engine/render/ModelRecords.h"
#include "engine/render/TextureEntry.h"
#include "platform/gfx/LightTypes.h"
#include "platform/math/Types.h"

namespace plat {
class Effect;
class IndexBuffer;
class VertexBuffer;
class VertexDeclaration;
}  // namespace plat

// The render modes a sub-mesh draws in: the 3D object picks one per pass
// from the sub-mesh's maps, the effect rendering carries it out. Mode 9 and
// anything outside 0..15 draw nothing.
enum SubMeshRenderMode : int32_t {
  kModeNone = -1,
  kModePlainTextured = 0,
  kModeBaseBlend = 1,
  kModeComposite = 2,
  kModeBump = 3,
  kModeSpecularMapped = 4,
  kModeSpecularAdded = 5,
  kModeWithoutColour = 6,
  kModeTransparent = 7,
  kModeDiffuseNormal = 8,
  kModeShadowedScene = 10,
  kModeShadowedSceneTransparent = 11,
  kModeShadowMap = 12,
  kModeShadowMapTransparent = 13,
  kModeAddedOpaque = 14,
  kModeAddedTransparent = 15,
};

class ZOdevuvSubMesh {
 public:
  static constexpr int kBaseCount = 3;
  static constexpr int kCompositeCapacity = 10;
  static constexpr int kModeCount = 16;

  // Creates its declaration and looks its effects up.
  ZOdevuvSubMesh();
  ~ZOdevuvSubMesh();
  ZOdevuvSubMesh(const ZOdevuvSubMesh&) = delete;
  ZOdevuvSubMesh& operator=(const ZOdevuvSubMesh&) = delete;

  void ReleaseSubMeshData();
  // Nothing without a vertex buffer or a device.
  void DrawSubMeshBuffer();
  // Draws in one of the sixteen render modes (SubMeshRenderMode); the world
  // transform is already the object's.
  void RenderSubMeshWithEffect(int32_t mode);

  std::shared_ptr<plat::VertexBuffer> vertexBuffer;
  std::shared_ptr<plat::IndexBuffer> indexBuffer;
  std::unique_ptr<ModelMaterialRecord> materialRecord;
  plat::Material material;

  TextureEntry* colourMap = nullptr;
  TextureEntry* glossMap = nullptr;
  TextureEntry* specularMap = nullptr;
  TextureEntry* opacityMap = nullptr;
  TextureEntry* bumpMap = nullptr;
  TextureEntry* baseTextures[kBaseCount] = {};
  TextureEntry* compositeTextures[kCompositeCapacity] = {};
  TextureEntry* lightMap = nullptr;

  plat::Vec2 baseTiling[kBaseCount];
  plat::Vec2 baseOffset[kBaseCount];
  // (1, 1) and (0, 0) until a bump map of the material itself gives its own.
  plat::Vec2 bumpTiling{1, 1};
  plat::Vec2 bumpOffset;
  plat::Vec2 compositeTiling[kCompositeCapacity];
  plat::Vec2 compositeOffset[kCompositeCapacity];

  std::shared_ptr<plat::Effect> bumpEffect;
  std::shared_ptr<plat::VertexDeclaration> bumpDeclaration;
  std::shared_ptr<plat::Effect> mainEffect;
  std::shared_ptr<plat::Effect> standardEffect;
  std::shared_ptr<plat::Effect> specularEffect;
  std::shared_ptr<plat::Effect> treeEffect;

  int32_t vertexCount = 0;
  int32_t faceCount = 0;
  std::shared_ptr<plat::VertexDeclaration> declaration;
  char name[256] = {};  // never filled
  EngineString effectName;
  int32_t compositeCount = 0;
  uint8_t baseFlag = 0;
  uint8_t compositeFlag = 0;
  uint8_t simpleFlag = 0;
};
