#include "world/CPorvikRoad.h"

#include <cstring>

#include "engine/core/Globals.h"
#include "engine/core/SceneStream.h"
#include "engine/render/LightHelpers.h"
#include "engine/render/ZOdevuv3DObject.h"
#include "engine/render/ZOdevuvCamera.h"
#include "engine/render/ZOdevuvDevice.h"
#include "engine/render/ZOdevuvLightManager.h"
#include "platform/gfx/Device.h"
#include "platform/gfx/Effect.h"
#include "platform/gfx/VertexBuffer.h"
#include "platform/math/Math.h"
#include "world/CHeightMapHandlerClass.h"
#include "world/render/ShadowedScene.h"
#include "world/render/WorldTexture.h"

namespace {

using plat::RenderState;

// The flexible vertex format the buffer is created with (position, normal,
// two coordinate pairs).
constexpr uint32_t kRoadFvf = 531;
// Alpha below this is cut: the atlas tiles' ragged edges.
constexpr uint32_t kAlphaReference = 160;
constexpr int kShapeCount = 11;
// Second path style: four columns on; littered: four rows down.
constexpr int32_t kVariantStep = 4;
constexpr float kPreviewPower = 30.0f;
constexpr plat::Vec4 kPreviewLightColour{1.0f, 0.99f, 0.95f, 1.0f};
constexpr plat::Vec4 kPreviewLightAmbient{1.0f, 1.0f, 1.0f, 1.0f};
constexpr plat::Vec4 kDownward{0.0f, -1.0f, 0.0f, 0.0f};

// Corner offsets of the template square, in template order.
constexpr float kCornerX[CPorvikRoad::kVerticesPerNode] = {-1, 1, -1, 1, 1, -1};
constexpr float kCornerZ[CPorvikRoad::kVerticesPerNode] = {1, 1, -1, 1, -1, -1};
// Which tile edge each corner takes: 0 left/top, 1 right/bottom.
constexpr int kCornerU[CPorvikRoad::kVerticesPerNode] = {0, 1, 0, 1, 1, 0};
constexpr int kCornerV[CPorvikRoad::kVerticesPerNode] = {0, 0, 1, 0, 1, 1};

constexpr CPorvikRoad::Tile kShapeTiles[kShapeCount] = {{1, 0}, {3, 0}, {0, 1}, {0, 0}, {1, 1}, {2, 1},
                                                         {2, 0}, {3, 1}, {1, 2}, {2, 2}, {0, 2}};

plat::Vec4 Colour4(const plat::Color& c) { return {c.r, c.g, c.b, c.a}; }

plat::Matrix Inverse(const plat::Matrix& m) {
  plat::Matrix out = plat::IdentityMatrix();
  plat::MatrixInverse(&out, nullptr, m);
  return out;
}

plat::Matrix ViewMatrix(const plat::Device& device) {
  plat::Matrix view = device.GetTransform(plat::TransformType::View);
  if (g_camera) g_camera->GetViewMatrix(&view);
  return view;
}

plat::Vec4 PreviewLightDirection() {
  plat::Vec3 direction;
  if (!GetLightDirection(&direction, 0)) return kDownward;
  return {direction.x, direction.y, direction.z, 0.0f};
}

template <class DrawCall>
void RunPasses(plat::Effect& effect, DrawCall draw) {
  uint32_t passes = 0;
  effect.Begin(&passes, 0);
  for (uint32_t i = 0; i < passes; ++i) {
    effect.BeginPass(i);
    draw();
    effect.EndPass();
  }
  effect.End();
}

void SetCutOut(plat::Device& device, bool on) {
  device.SetRenderState(RenderState::AlphaTestEnable, on ? plat::kTrue : plat::kFalse);
  device.SetRenderState(RenderState::AlphaRef, kAlphaReference);
  device.SetRenderState(RenderState::AlphaFunc, plat::Compare::GreaterEqual);
  device.SetRenderState(RenderState::CullMode, on ? plat::Cull::None : plat::Cull::Ccw);
}

}  // namespace

CPorvikRoad::CPorvikRoad(const CHeightMapHandlerClass& terrain, const std::string& baseFolder)
    : m_terrain(terrain) {
  const std::string folder = baseFolder + kTextureFolder;
  m_atlas = LoadWorldTexture(folder, kAtlasFile);
  m_second = LoadWorldTexture(folder, kSecondFile);
  plat::ImageInfo info;
  m_removal = LoadWorldTexture(folder, kRemovalFile, {}, &info);
  if (info.width > 0 && info.height > 0) {
    const int32_t eighth = info.width / kAtlasTiles;
    m_tileWidth = float(eighth) / float(info.width);
    m_tileHeight = float(eighth) / float(info.height);
  }
  if (plat::Device* device = EngineDevice()) m_declaration = device->CreateVertexDeclaration(MeshVertexElements());
  m_material = ZOdevuvDevice::FillMaterial(1, 1, 1, 1, 1, 1, 1, 1, 0.1f, 0.1f, 0.1f, 1, 0, 0, 0, 1, kPreviewPower);
  BuildTemplate();
}

CPorvikRoad::~CPorvikRoad() = default;

void CPorvikRoad::BuildTemplate() {
  for (int k = 0; k < kVerticesPerNode; ++k) {
    MeshVertex& v = m_template[size_t(k)];
    v.position = {kCornerX[k] * kHalfSide, 0.0f, kCornerZ[k] * kHalfSide};
    v.normal = {0.0f, 1.0f, 0.0f};
  }
  BuildPiece(Node{});
  ComputeTangents(kVerticesPerNode, m_template.data());
}

int32_t CPorvikRoad::ShapeOf(bool left, bool right, bool up, bool down) {
  // Indexed by L R U D as four bits, L the highest.
  static constexpr int32_t kShapes[16] = {
      0,  // 0000
      1,  // 000D
      1,  // 00U0
      1,  // 00UD
      0,  // 0R00
      3,  // 0R0D
      2,  // 0RU0
      10, // 0RUD
      0,  // L000
      5,  // L00D
      4,  // L0U0
      9,  // L0UD
      0,  // LR00
      8,  // LR0D
      7,  // LRU0
      6,  // LRUD
  };
  return kShapes[(left ? 8 : 0) | (right ? 4 : 0) | (up ? 2 : 0) | (down ? 1 : 0)];
}

int32_t CPorvikRoad::VariantOf(uint16_t litter, uint16_t type) {
  const bool firstStyle = type == CLandscapeCell::kTypePath;
  switch (litter) {
    case 0:
    case 1: return firstStyle ? 0 : 1;
    case 2:
    case 3: return firstStyle ? 2 : 3;
    default: return 0;
  }
}

CPorvikRoad::Tile CPorvikRoad::TileOf(int32_t shape, int32_t variant) {
  Tile tile = shape >= 0 && shape < kShapeCount ? kShapeTiles[shape] : kShapeTiles[0];
  if (variant == 1 || variant == 3) tile.column += kVariantStep;
  if (variant == 2 || variant == 3) tile.row += kVariantStep;
  return tile;
}

bool CPorvikRoad::IsPathAt(int32_t i, int32_t j) const {
  CLandscapeCell cell;
  if (!m_terrain.GetCell(i, j, cell)) return false;
  return cell.GetType() == CLandscapeCell::kTypePath || cell.GetType() == CLandscapeCell::kTypePathSecondStyle;
}

void CPorvikRoad::SampleQuadHeights(float x, float y, float z, Node& node) const {
  node.position = {x, y, z};
  node.shape = 0;
  node.variant = 0;
  for (int k = 0; k < kVerticesPerNode; ++k) {
    const plat::Vec3 corner{x + kCornerX[k] * kHalfSide, y, z + kCornerZ[k] * kHalfSide};
    node.heights[size_t(k)] = m_terrain.GetHeight(corner) + kLift;
  }
}

CPorvikRoad::Node CPorvikRoad::NodeOfCell(int32_t i, int32_t j) const {
  CLandscapeCell cell;
  m_terrain.GetCell(i, j, cell);
  plat::Vec3 centre;
  m_terrain.GetCellPosition(i, j, centre);
  Node node;
  SampleQuadHeights(centre.x, centre.y, centre.z, node);
  node.variant = VariantOf(cell.GetLayer(1), cell.GetType());
  node.shape = ShapeOf(IsPathAt(i - 1, j), IsPathAt(i + 1, j), IsPathAt(i, j + 1), IsPathAt(i, j - 1));
  return node;
}

void CPorvikRoad::BuildPiece(const Node& node) {
  m_tile = TileOf(node.shape, node.variant);
  for (int k = 0; k < kVerticesPerNode; ++k) {
    MeshVertex& v = m_template[size_t(k)];
    v.u = float(m_tile.column + kCornerU[k]) * m_tileWidth;
    v.v = float(m_tile.row + kCornerV[k]) * m_tileHeight;
    v.position.y = node.heights[size_t(k)];
  }
}

void CPorvikRoad::BuildGeometry() {
  m_nodes.clear();
  for (int32_t j = 0; j < CHeightMapHandlerClass::kCellsPerSide; ++j) {
    for (int32_t i = 0; i < CHeightMapHandlerClass::kCellsPerSide; ++i) {
      if (IsPathAt(i, j)) m_nodes.push_back(NodeOfCell(i, j));
    }
  }
  m_vertexCount = int32_t(m_nodes.size()) * kVerticesPerNode;
  m_triangleCount = m_vertexCount / 3;
  m_vertexBuffer.reset();
  plat::Device* device = EngineDevice();
  if (!device || m_nodes.empty()) return;
  m_vertexBuffer = device->CreateVertexBuffer(uint32_t(m_vertexCount) * kMeshVertexStride, plat::Usage::WriteOnly,
                                              kRoadFvf, plat::Pool::Default);
  if (m_vertexBuffer) FillVertexBuffer();
}

// A buffer that cannot be locked is dropped: a half-filled one would draw
// whatever it held before.
void CPorvikRoad::FillVertexBuffer() {
  void* data = nullptr;
  if (!m_vertexBuffer->Lock(0, 0, &data) || !data) {
    m_vertexBuffer.reset();
    return;
  }
  auto* out = static_cast<MeshVertex*>(data);
  for (const Node& node : m_nodes) {
    BuildPiece(node);
    for (const MeshVertex& corner : m_template) {
      MeshVertex v = corner;
      v.position = v.position + node.position;
      *out++ = v;
    }
  }
  m_vertexBuffer->Unlock();
}

void CPorvikRoad::SaveNodes(SceneStream& stream) const {
  stream.WriteInt32(int32_t(m_nodes.size()));
  for (const Node& node : m_nodes) {
    stream.WriteVec3(node.position);
    stream.WriteInt32(node.shape);
    for (float height : node.heights) stream.WriteFloat(height);
  }
}

bool CPorvikRoad::LoadNodes(SceneStream& stream) {
  const int32_t count = stream.ReadCount(kMaxStoredNodes);
  for (int32_t n = 0; n < count && stream.Good(); ++n) {
    stream.ReadVec3();
    stream.ReadInt32();
    for (int k = 0; k < kVerticesPerNode; ++k) stream.ReadFloat();
  }
  BuildGeometry();
  return stream.Good();
}

void CPorvikRoad::DrawShadow() {
  plat::Device* device = EngineDevice();
  std::shared_ptr<plat::Effect> effect = g_device ? g_device->GetEffect("Default_shadow") : nullptr;
  if (!device || !effect || !m_vertexBuffer) return;
  const plat::Matrix world = device->GetTransform(plat::TransformType::World);
  const plat::Matrix view = ViewMatrix(*device);
  const plat::Matrix projection = device->GetTransform(plat::TransformType::Projection);
  device->SetVertexDeclaration(m_declaration);
  effect->SetTexture("g_txScene", m_atlas);
  SetShadowedSceneParameters(*effect, world, view, projection);
  effect->SetTechnique("RenderSceneTransparency");
  SetCutOut(*device, true);
  RunPasses(*effect, [&] {
    device->SetStreamSource(0, m_vertexBuffer, 0, kMeshVertexStride);
    device->DrawPrimitive(plat::PrimitiveType::TriangleList, 0, uint32_t(m_triangleCount));
  });
  SetCutOut(*device, false);
}

void CPorvikRoad::Draw(float x, float y, float z, int32_t variant, bool removing) {
  plat::Device* device = EngineDevice();
  std::shared_ptr<plat::Effect> effect = g_device ? g_device->GetEffect("Default") : nullptr;
  if (!device || !effect) return;
  Node node;
  SampleQuadHeights(x, y + kPreviewLift, z, node);
  node.shape = 6;
  node.variant = variant;
  BuildPiece(node);
  std::array<MeshVertex, kVerticesPerNode> quad = m_template;
  for (MeshVertex& v : quad) v.position = v.position + plat::Vec3{x, 0.0f, z};

  const plat::Matrix kept = device->GetTransform(plat::TransformType::World);
  const plat::Matrix world = plat::IdentityMatrix();
  const plat::Matrix view = ViewMatrix(*device);
  const plat::Matrix projection = device->GetTransform(plat::TransformType::Projection);
  device->SetTransform(plat::TransformType::World, world);
  plat::Matrix inverseTranspose;
  plat::MatrixTranspose(&inverseTranspose, Inverse(world));
  effect->SetTexture("Dtex", removing ? m_removal : m_atlas);
  effect->SetVector("mDiffuse", Colour4(m_material.diffuse));
  effect->SetVector("mSpecular", Colour4(m_material.specular));
  effect->SetFloat("mPower", kPreviewPower);
  effect->SetMatrix("worldViewProj", world * view * projection);
  effect->SetMatrix("world", world);
  effect->SetMatrix("worldInverseTranspose", inverseTranspose);
  effect->SetMatrix("viewInverse", Inverse(view));
  effect->SetVector("lightDir", PreviewLightDirection());
  effect->SetVector("lightColor", kPreviewLightColour);
  effect->SetVector("lightAmbient", kPreviewLightAmbient);
  effect->SetTechnique("textured");
  device->SetRenderState(RenderState::AlphaBlendEnable, plat::kTrue);
  device->SetRenderState(RenderState::SrcBlend, plat::Blend::SrcAlpha);
  device->SetRenderState(RenderState::DestBlend, plat::Blend::InvSrcAlpha);
  SetCutOut(*device, true);
  device->SetVertexDeclaration(m_declaration);
  RunPasses(*effect, [&] {
    device->DrawPrimitiveUP(plat::PrimitiveType::TriangleList, 2, quad.data(), kMeshVertexStride);
  });
  device->SetRenderState(RenderState::AlphaBlendEnable, plat::kFalse);
  SetCutOut(*device, false);
  device->SetTransform(plat::TransformType::World, kept);
}

void CPorvikRoad::Release() {
  m_atlas.reset();
  m_second.reset();
  m_removal.reset();
  m_declaration.reset();
  m_vertexBuffer.reset();
  m_nodes.clear();
  m_vertexCount = 0;
  m_triangleCount = 0;
}
