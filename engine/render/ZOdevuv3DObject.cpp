#include "engine/render/ZOdevuv3DObject.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <string_view>

#include "engine/core/Globals.h"
#include "engine/render/ZOdevuvAssetPaths.h"
#include "engine/render/ZOdevuvDevice.h"
#include "engine/render/ZOdevuvSubMesh.h"
#include "platform/gfx/Device.h"
#include "platform/gfx/IndexBuffer.h"
#include "platform/gfx/VertexBuffer.h"
#include "platform/math/Math.h"
#include "platform/os/AsciiText.h"
#include "platform/os/Path.h"

using plat::Vec3;

namespace {

constexpr float kDegreesToRadians = 0.01745329238474369f;
constexpr float kFlatTexCoords = 0.0001f;

// Tangent and binormal of one triangle from its positions and first
// texture coordinates; a triangle whose coordinates are (nearly) collinear,
// or whose frame is degenerate, gets the texture axes.
void TriangleFrame(const MeshVertex& a, const MeshVertex& b, const MeshVertex& c, Vec3& tangent,
                   Vec3& binormal) {
  tangent = {1, 0, 0};
  binormal = {0, 1, 0};
  const Vec3 e1 = b.position - a.position;
  const Vec3 e2 = c.position - a.position;
  const float du1 = b.u - a.u, dv1 = b.v - a.v;
  const float du2 = c.u - a.u, dv2 = c.v - a.v;
  const float det = du1 * dv2 - du2 * dv1;
  if (det > -kFlatTexCoords && det < kFlatTexCoords) return;
  const Vec3 t = (e1 * dv2 - e2 * dv1) / det;
  const Vec3 bi = (e2 * du1 - e1 * du2) / det;
  const Vec3 n = plat::Vec3Cross(t, bi);
  const Vec3 bn = plat::Vec3Cross(bi, n);
  const Vec3 nt = plat::Vec3Cross(n, t);
  const Vec3 tb = plat::Vec3Cross(t, bi);
  const float d = plat::Vec3Dot(t, bn);  // the determinant of the rows t, bi, n
  if (d == 0.0f) return;
  plat::Vec3NormalizeTo(&tangent, Vec3{bn.x, -nt.x, tb.x} / d);
  plat::Vec3NormalizeTo(&binormal, Vec3{-bn.y, nt.y, -tb.y} / d);
}

constexpr const char* kMeshIdLightMapSuffix = "LightingMap.tga";

// The number of a file name made of prefix, a mesh id as "%d" writes it and
// the suffix, compared without regard to case; -1 for any other name.
int32_t MeshIdOfLightMap(std::string_view file, std::string_view prefix) {
  const std::string_view suffix = kMeshIdLightMapSuffix;
  if (file.size() <= prefix.size() + suffix.size() || !plat::EqualsNoCase(file.substr(0, prefix.size()), prefix) ||
      !plat::EqualsNoCase(file.substr(file.size() - suffix.size()), suffix)) {
    return -1;
  }
  const std::string_view digits = file.substr(prefix.size(), file.size() - prefix.size() - suffix.size());
  if (digits.size() > 1 && digits[0] == '0') return -1;
  int32_t id = -1;
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), id);
  if (error != std::errc() || end != digits.data() + digits.size() || id < 0) return -1;
  return id;
}

// The mesh ids of the light maps "<prefix><id>LightingMap.tga" that exist,
// ascending; prefix is a game path whose last part starts the file names.
std::vector<int32_t> ListLightMapIds(const std::string& prefix) {
  const std::size_t slash = prefix.find_last_of("\\/");
  const std::string folder = slash == std::string::npos ? std::string() : prefix.substr(0, slash);
  const std::string_view filePrefix = std::string_view(prefix).substr(slash == std::string::npos ? 0 : slash + 1);
  std::vector<int32_t> ids;
  std::error_code error;
  for (const auto& item : std::filesystem::directory_iterator(plat::ResolvePath(folder), error)) {
    const int32_t id = MeshIdOfLightMap(item.path().filename().string(), filePrefix);
    if (id >= 0) ids.push_back(id);
  }
  std::sort(ids.begin(), ids.end());
  ids.erase(std::unique(ids.begin(), ids.end()), ids.end());
  return ids;
}

bool FileOpens(const EngineString& path) {
  std::FILE* file = plat::OpenFile(path.CStr(), "r");
  if (!file) return false;
  std::fclose(file);
  return true;
}

}  // namespace

void ComputeTangents(int32_t vertexCount, MeshVertex* vertices) {
  if (!vertices) return;
  for (int32_t t = 0; t + 2 < vertexCount; t += 3) {
    Vec3 tangent, binormal;
    TriangleFrame(vertices[t], vertices[t + 1], vertices[t + 2], tangent, binormal);
    for (int32_t k = t; k < t + 3; ++k) {
      vertices[k].tangent = tangent;
      vertices[k].binormal = binormal;
    }
  }
}

ZOdevuv3DObject::ZOdevuv3DObject() {
  plat::MatrixIdentity(&worldMatrix);
  if (plat::Device* device = EngineDevice()) {
    m_boxLines = device->CreateVertexBuffer(kBoxLineVertices * kMeshVertexStride,
                                            plat::Usage::WriteOnly, kBoxLineFvf,
                                            plat::Pool::Default);
  }
}

ZOdevuv3DObject::~ZOdevuv3DObject() {
  for (ZOdevuvSubMesh* subMesh : m_subMeshes) {
    subMesh->ReleaseSubMeshData();
    delete subMesh;
  }
}

void ZOdevuv3DObject::SetName(const char* text) { CopyTextField(m_name, sizeof m_name, text ? text : ""); }

void ZOdevuv3DObject::AddMaterial(const ModelMaterialRecord* record, uint8_t flag) {
  if (record) {
    auto copy = std::make_unique<ModelMaterialRecord>();
    CopyMaterialRecord(*record, *copy);
    m_records.push_back(std::move(copy));
  }
  plat::Material material;
  if (record && flag == 0) {
    material = MaterialFromRecord(record);
    if (material.power == 0.0f) material.power = 128.0f;
  } else if (!record) {
    material.diffuse = material.ambient = {0.5f, 0.5f, 0.5f, 0.5f};
    material.power = 128.0f;
  }
  m_materials.push_back(material);
}

void ZOdevuv3DObject::TakeMaterialRecord(ZOdevuvSubMesh& subMesh, plat::Vec2& tiling,
                                         plat::Vec2& offset) {
  if (static_cast<std::size_t>(m_subMeshCount) >= m_records.size()) return;
  subMesh.materialRecord = std::make_unique<ModelMaterialRecord>();
  CopyMaterialRecord(*m_records[static_cast<std::size_t>(m_subMeshCount)], *subMesh.materialRecord);
  const ModelMaterialRecord& record = *subMesh.materialRecord;
  if (record.textureMaps.size() == 1) {
    const ModelTextureMapRecord& map = record.textureMaps.front();
    tiling = {map.TilingU(), map.TilingV()};
    offset = {map.OffsetU(), map.OffsetV()};
  }
  subMesh.material = MaterialFromRecord(&record);
}

void ZOdevuv3DObject::FillBuffers(ZOdevuvSubMesh& subMesh, const MeshVertex* vertices,
                                  bool lightMapped, const plat::Vec2& tiling,
                                  const plat::Vec2& offset) {
  const auto count = static_cast<std::uint32_t>(subMesh.vertexCount);
  void* data = nullptr;
  if (subMesh.indexBuffer && subMesh.indexBuffer->Lock(0, 0, &data)) {
    auto* indices = static_cast<std::uint16_t*>(data);
    for (std::uint32_t i = 0; i < count; ++i) indices[i] = static_cast<std::uint16_t>(i);
    subMesh.indexBuffer->Unlock();
  }
  if (!subMesh.vertexBuffer || !subMesh.vertexBuffer->Lock(0, 0, &data)) return;
  auto* out = static_cast<MeshVertex*>(data);
  for (std::uint32_t i = 0; i < count; ++i) {
    MeshVertex v = vertices[i];
    v.u = v.u * tiling.x + offset.x;
    v.v = v.v * tiling.y + offset.y;
    if (!lightMapped) v.su = v.sv = 0.0f;
    std::memcpy(&out[i], &v, sizeof v);
  }
  subMesh.vertexBuffer->Unlock();
}

void ZOdevuv3DObject::Init(int32_t faceCount, int32_t vertexCount, MeshVertex* vertices) {
  // A list beyond what 16-bit indices reach (or a nonsensical count) would
  // draw scrambled triangles: it is refused. Writers split such lists.
  const bool usable = vertexCount >= 0 && vertexCount <= kMaxSubMeshVertices && faceCount >= 0 &&
                      faceCount <= vertexCount / 3 && (vertices || vertexCount == 0);
  if (!usable) {
    delete[] vertices;
    return;
  }
  m_meshIds.push_back(TakeMeshId());
  auto* subMesh = new ZOdevuvSubMesh();
  subMesh->vertexCount = vertexCount;
  subMesh->faceCount = faceCount;
  const bool lightMapped = LoadLightMap(m_name) == 1;
  plat::Vec2 tiling{1, 1}, offset{0, 0};
  TakeMaterialRecord(*subMesh, tiling, offset);
  if (plat::Device* device = EngineDevice(); device && vertexCount > 0) {
    const auto n = static_cast<std::uint32_t>(vertexCount);
    subMesh->vertexBuffer = device->CreateVertexBuffer(n * kMeshVertexStride, plat::Usage::WriteOnly,
                                                       0, plat::Pool::Managed);
    subMesh->indexBuffer = device->CreateIndexBuffer(n * 2, 0, plat::Pool::Managed);
  }
  m_faceCount += faceCount;
  m_vertexCount += vertexCount;
  ComputeTangents(vertexCount, vertices);
  FillBuffers(*subMesh, vertices, lightMapped, tiling, offset);
  ++m_subMeshCount;
  ConvertMaterials(subMesh);
  m_subMeshes.push_back(subMesh);
  delete[] vertices;
}

uint8_t ZOdevuv3DObject::RegisterLightMap(const EngineString& folder, const EngineString& file,
                                          const EngineString& name) {
  const EngineString path = folder + "\\" + file;
  if (!FileOpens(path)) return 0;
  auto entry = std::make_unique<TextureEntry>();
  CopyTextField(entry->fileName, sizeof entry->fileName, file.Std());
  CopyTextField(entry->ownerName, sizeof entry->ownerName, name.Std());
  entry->lightMap = 1;
  g_assetPaths->LoadTexture(path.CStr(), entry.get());
  g_assetPaths->AddEntry(std::move(entry));
  return 1;
}

uint8_t ZOdevuv3DObject::LoadLightMap(const EngineString& name) {
  if (!g_assetPaths) return 0;
  const EngineString folder = g_assetPaths->GetLightMapFolder();
  if (folder.Length() == 0) return 0;
  if (RegisterLightMap(folder, name + "LightingMap.dds", name)) return 1;
  if (RegisterLightMap(folder, name + "LightingMap.tga", name)) return 1;
  // One listing of the folder per object and name instead of one file look-up
  // per earlier sub-mesh: a model of many sub-meshes loads in linear time.
  const EngineString listKey = folder + "\\" + name;
  if (!m_lightMapIdsListed || m_lightMapListKey.Std() != listKey.Std()) {
    m_lightMapIds = ListLightMapIds(listKey.Std() + "_");
    m_lightMapListKey = listKey;
    m_lightMapIdsListed = true;
  }
  // The ids are in the order of this object's sub-meshes, which take
  // ascending ids; only those with a material of their own are tried.
  const auto tried = m_meshIds.begin() + std::ptrdiff_t(std::min(m_materials.size(), m_meshIds.size()));
  uint8_t found = 0;
  for (const int32_t listed : m_lightMapIds) {
    if (!std::binary_search(m_meshIds.begin(), tried, listed)) continue;
    EngineString id;
    id.Format("_%d", listed);
    if (RegisterLightMap(folder, name + id + kMeshIdLightMapSuffix, name)) found = 1;
  }
  return found;
}

namespace {

TextureEntry* EntryOf(const ModelTextureMapRecord& map) {
  return g_assetPaths ? g_assetPaths->GetTextureByIndex(map.registryIndex) : nullptr;
}

// A map of a record that has its own maps.
void TakeDirectMap(ZOdevuvSubMesh& subMesh, const ModelTextureMapRecord& map, TextureEntry* entry) {
  switch (map.kind) {
    case 1: subMesh.colourMap = entry; break;
    case 3: subMesh.glossMap = entry; break;
    case 2: subMesh.specularMap = entry; break;
    case 8:
      subMesh.bumpMap = entry;
      subMesh.bumpTiling = {map.TilingU(), map.TilingV()};
      subMesh.bumpOffset = {map.OffsetU(), map.OffsetV()};
      break;
    case 6: subMesh.opacityMap = entry; break;
    default: break;
  }
}

// A map of a sub-material: the kinds are numbered differently there.
void TakeSubMaterialMap(ZOdevuvSubMesh& subMesh, const ModelTextureMapRecord& map) {
  TextureEntry* entry = EntryOf(map);
  switch (map.kind) {
    case 1: subMesh.colourMap = entry; break;
    case 4: subMesh.glossMap = entry; break;
    case 3: subMesh.specularMap = entry; break;
    case 8: subMesh.bumpMap = entry; break;
    case 6: subMesh.opacityMap = entry; break;
    default: break;
  }
}

void TakeCompositeMaps(ZOdevuvSubMesh& subMesh, const ModelMaterialRecord& record) {
  subMesh.compositeFlag = 1;
  subMesh.compositeCount = 0;
  for (const ModelMaterialRecord& sub : record.subMaterials) {
    subMesh.material = MaterialFromRecord(&sub);
    for (const ModelTextureMapRecord& map : sub.textureMaps) {
      if (map.registryIndex == -1 || subMesh.compositeCount >= ZOdevuvSubMesh::kCompositeCapacity) {
        continue;
      }
      const int i = subMesh.compositeCount++;
      subMesh.compositeTextures[i] = EntryOf(map);
      subMesh.compositeTiling[i] = {map.TilingU(), map.TilingV()};
      subMesh.compositeOffset[i] = {map.OffsetU(), map.OffsetV()};
    }
  }
}

}  // namespace

void ZOdevuv3DObject::ConvertMaterials(ZOdevuvSubMesh* subMesh) {
  if (!subMesh || !subMesh->materialRecord) return;
  const ModelMaterialRecord& record = *subMesh->materialRecord;
  subMesh->lightMap = g_assetPaths ? g_assetPaths->FindTexture(m_name) : nullptr;
  if (!record.textureMaps.empty()) {
    const bool threeBase = record.textureMaps.size() == ZOdevuvSubMesh::kBaseCount;
    for (std::size_t i = 0; i < record.textureMaps.size(); ++i) {
      const ModelTextureMapRecord& map = record.textureMaps[i];
      if (map.registryIndex == -1) continue;
      TextureEntry* entry = EntryOf(map);
      if (map.kind == 12 && threeBase) {
        subMesh->baseFlag = 1;
        subMesh->baseTextures[i] = entry;
        subMesh->baseTiling[i] = {map.TilingU(), map.TilingV()};
        subMesh->baseOffset[i] = {map.OffsetU(), map.OffsetV()};
      } else {
        TakeDirectMap(*subMesh, map, entry);
      }
    }
    return;
  }
  if (std::strcmp(record.name, "composite") == 0) {
    TakeCompositeMaps(*subMesh, record);
    return;
  }
  for (const ModelMaterialRecord& sub : record.subMaterials) {
    subMesh->material = MaterialFromRecord(&sub);
    for (const ModelTextureMapRecord& map : sub.textureMaps) TakeSubMaterialMap(*subMesh, map);
  }
}

void ZOdevuv3DObject::SetBoxExtents(const Vec3& min, const Vec3& max) {
  m_boxMin = m_boxMinCopy = min;
  m_boxMax = m_boxMaxCopy = max;
}

void ZOdevuv3DObject::SetBoxCorners(const Vec3* corners, int count) {
  for (int i = 0; i < count && i < 8; ++i) m_corners[i] = corners[i];
}

void ZOdevuv3DObject::FillBoxVertexBuffer() {
  static constexpr int kEdges[12][2] = {{0, 1}, {2, 3}, {0, 2}, {1, 3}, {4, 5}, {6, 7},
                                        {4, 6}, {5, 7}, {0, 4}, {1, 5}, {2, 6}, {3, 7}};
  void* data = nullptr;
  if (!m_boxLines || !m_boxLines->Lock(0, 0, &data)) return;
  auto* bytes = static_cast<std::uint8_t*>(data);
  for (int e = 0; e < 12; ++e) {
    for (int end = 0; end < 2; ++end) {
      std::memcpy(bytes + (e * 2 + end) * kMeshVertexStride, &m_corners[kEdges[e][end]], sizeof(Vec3));
    }
  }
  m_boxLines->Unlock();
}

void ZOdevuv3DObject::DrawBoundingBox() {
  plat::Device* device = EngineDevice();
  if (!device || !m_boxLines) return;
  device->SetMaterial(ZOdevuvDevice::FillMaterial(1, 0, 0, 1, 1, 1, 1, 1, 1, 1, 1, 1, 0, 0, 0, 1, 1000.0f));
  device->SetTexture(0, nullptr);
  device->SetStreamSource(0, m_boxLines, 0, kMeshVertexStride);
  device->SetFVF(kBoxLineFvf);
  device->DrawPrimitive(plat::PrimitiveType::LineList, 0, 12);
}

int32_t ZOdevuv3DObject::SelectRenderMode(int32_t pass, const ZOdevuvSubMesh& s) {
  const bool colour = s.colourMap, opacity = s.opacityMap, bump = s.bumpMap;
  const bool gloss = s.glossMap, specular = s.specularMap;
  switch (pass) {
    case 0:
      if (s.compositeFlag) return kModeComposite;
      if (s.baseFlag) return kModeBaseBlend;
      if (!colour) return kModeWithoutColour;
      if (bump) return kModeBump;
      if (specular) return kModeSpecularAdded;
      if (gloss) return kModeSpecularMapped;
      if (!opacity) return kModePlainTextured;
      return kModeNone;  // colour with opacity: only the transparent passes draw it
    case 1: return colour && opacity ? kModeTransparent : kModeNone;
    case 2: return opacity ? kModeNone : kModeShadowedScene;
    case 3: return opacity ? kModeNone : kModeShadowMap;
    case 4: return colour && opacity ? kModeShadowedSceneTransparent : kModeNone;
    case 5: return colour && opacity ? kModeShadowMapTransparent : kModeNone;
    case 6: return colour && !opacity ? kModeAddedOpaque : kModeNone;
    case 7: return colour && opacity ? kModeAddedTransparent : kModeNone;
    default: return kModeNone;
  }
}

void ZOdevuv3DObject::Render() {
  plat::Device* device = EngineDevice();
  if (!device) return;
  const plat::Matrix kept = device->GetTransform(plat::TransformType::World);
  plat::Matrix rx, ry, rz;
  plat::MatrixRotationX(&rx, rotation.x * kDegreesToRadians);
  plat::MatrixRotationY(&ry, rotation.y * kDegreesToRadians);
  plat::MatrixRotationZ(&rz, rotation.z * kDegreesToRadians);
  device->SetTransform(plat::TransformType::World, rz * ry * rx * kept);
  const float lodBias = g_device->GetMipLodBias();
  for (ZOdevuvSubMesh* subMesh : m_subMeshes) {
    if (!subMesh->mainEffect) continue;
    for (std::uint32_t stage = 0; stage < 2; ++stage) {
      device->SetSamplerState(stage, plat::SamplerState::MinFilter, plat::TextureFilter::Linear);
      device->SetSamplerState(stage, plat::SamplerState::MagFilter, plat::TextureFilter::Linear);
    }
    device->SetSamplerState(0, plat::SamplerState::MipMapLodBias, plat::FloatBits(lodBias));
    device->SetSamplerState(0, plat::SamplerState::MipFilter, plat::TextureFilter::Linear);
    subMesh->simpleFlag = simpleFlag;
    const int32_t mode = SelectRenderMode(renderPass, *subMesh);
    if (mode >= 0) subMesh->RenderSubMeshWithEffect(mode);
    for (std::uint32_t stage = 0; stage < 3; ++stage) device->SetTexture(stage, nullptr);
  }
  device->SetRenderState(plat::RenderState::FillMode, plat::Fill::Solid);
  device->SetTransform(plat::TransformType::World, kept);
}
