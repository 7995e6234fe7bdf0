#include "engine/render/ZOdevuvModelReader.h"

#include <cctype>
#include <climits>
#include <cmath>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <memory>
#include <vector>

#include "engine/core/Globals.h"
#include "engine/render/MeshVertex.h"
#include "engine/render/ZOdevuv3DObject.h"
#include "engine/render/ZOdevuvAssetPaths.h"
#include "engine/render/ZOdevuvGameObject.h"
#include "engine/render/ZOdevuvLightManager.h"
#include "engine/render/ZOdevuvNode.h"
#include "engine/render/ZOdevuvNodeTree.h"
#include "engine/render/ZOdevuvSubMesh.h"
#include "engine/render/TextureEntry.h"
#include "platform/os/MessageBox.h"
#include "platform/os/Path.h"

using plat::Vec3;
using Stream = ZOdevuvModelReader::Stream;

namespace {

constexpr int kCornerCount = 8;
constexpr float kDefaultLightRange = 1000.0f;
constexpr std::size_t kVersionBytes = 5;
constexpr std::size_t kNodeVertexBytes = 6 * 4;
constexpr std::size_t kUnusedKeyBytes = 24;

// Smallest sizes of the records, for checking counts against what is left.
constexpr std::size_t kMinRecordBytes = 1;  // a clear flag

// What one record keeps, charged to the stream's allocation budget. A
// material and its maps are copied into the 3D object and again into the
// sub-mesh that takes it.
constexpr std::size_t kRecordCopies = 3;
constexpr std::size_t kMaterialCost = kRecordCopies * sizeof(ModelMaterialRecord) + sizeof(plat::Material);
constexpr std::size_t kTextureMapCost = kRecordCopies * sizeof(ModelTextureMapRecord);
constexpr std::size_t kVertexCost = sizeof(MeshVertex) + kMeshVertexStride + sizeof(std::uint16_t);
constexpr std::size_t kPositionKeyCost = sizeof(plat::Vec3) + sizeof(std::int32_t);
constexpr std::size_t kRotationKeyCost = sizeof(plat::Quaternion) + sizeof(std::int32_t);

Vec3 ReadVec3(Stream& file) {
  Vec3 v;
  v.x = file.F32();
  v.y = file.F32();
  v.z = file.F32();
  return v;
}

// The text after the last backslash; the whole text when there is none or
// it ends with one.
std::string_view FilePart(std::string_view path) {
  const std::size_t slash = path.rfind('\\');
  if (slash == std::string_view::npos || slash + 1 == path.size()) return path;
  return path.substr(slash + 1);
}

// A key's time truncated toward zero; times beyond the 32-bit range are
// clamped to it, and a time that is no number becomes 0.
std::int32_t KeyTime(float time) {
  constexpr float kLimit = 2147483520.0f;  // the largest float below 2^31
  if (std::isnan(time)) return 0;
  if (time >= kLimit) return INT32_MAX;
  if (time <= -kLimit) return INT32_MIN;
  return static_cast<std::int32_t>(time);
}

plat::LightType LightTypeForKind(std::int32_t kind) {
  switch (kind) {
    case 1:
    case 3: return plat::LightType::Spot;
    case 2:
    case 4: return plat::LightType::Directional;
    default: return plat::LightType::Point;
  }
}

bool ReadWholeFile(const char* path, std::vector<std::uint8_t>& bytes) {
  std::FILE* file = plat::OpenFile(path, "rb");
  if (!file) return false;
  bool ok = std::fseek(file, 0, SEEK_END) == 0;
  const long size = ok ? std::ftell(file) : -1;
  ok = ok && size >= 0 && static_cast<std::size_t>(size) <= ZOdevuvModelReader::kMaxFileSize &&
       std::fseek(file, 0, SEEK_SET) == 0;
  if (ok) {
    bytes.resize(static_cast<std::size_t>(size));
    ok = std::fread(bytes.data(), 1, bytes.size(), file) == bytes.size();
  }
  std::fclose(file);
  if (!ok) bytes.clear();
  return true;
}

}  // namespace

bool Stream::Take(std::size_t bytes, const std::uint8_t** at) {
  if (m_broken || bytes > m_size - m_pos) {
    m_broken = true;
    return false;
  }
  *at = m_data + m_pos;
  m_pos += bytes;
  return true;
}

bool Stream::Charge(std::size_t bytes) {
  if (m_broken || bytes > m_budget) {
    m_broken = true;
    return false;
  }
  m_budget -= bytes;
  return true;
}

std::uint8_t Stream::U8() {
  const std::uint8_t* at = nullptr;
  return Take(1, &at) ? *at : 0;
}

std::int32_t Stream::I32() {
  const std::uint8_t* at = nullptr;
  if (!Take(4, &at)) return 0;
  const std::uint32_t v = std::uint32_t(at[0]) | std::uint32_t(at[1]) << 8 |
                          std::uint32_t(at[2]) << 16 | std::uint32_t(at[3]) << 24;
  return static_cast<std::int32_t>(v);
}

float Stream::F32() {
  const std::int32_t bits = I32();
  float value = 0;
  std::memcpy(&value, &bits, sizeof value);
  return value;
}

void Stream::Skip(std::size_t bytes) {
  const std::uint8_t* at = nullptr;
  Take(bytes, &at);
}

std::string Stream::String() {
  const std::int32_t length = I32();
  if (length < 0) Break();
  const std::uint8_t* at = nullptr;
  if (!Ok() || !Take(static_cast<std::size_t>(length), &at)) return {};
  return std::string(reinterpret_cast<const char*>(at), static_cast<std::size_t>(length));
}

std::int32_t Stream::Count(std::size_t minBytes) {
  const std::int32_t count = I32();
  if (count <= 0) return 0;
  if (static_cast<std::size_t>(count) > Left() / minBytes) {
    Break();
    return 0;
  }
  return count;
}

float ZOdevuvModelReader::ParseVersion(const std::uint8_t* data, std::size_t size) {
  if (size < kVersionBytes) return 0.0f;
  char text[kVersionBytes + 1] = {};
  std::memcpy(text, data + size - kVersionBytes, kVersionBytes);
  const char* p = text;
  const char* end = text + std::strlen(text);
  while (p < end && std::isspace(static_cast<unsigned char>(*p))) ++p;
  if (p < end && *p == '+') ++p;
  double value = 0.0;
  if (std::from_chars(p, end, value).ec != std::errc()) return 0.0f;
  return static_cast<float>(value);
}

bool ZOdevuvModelReader::ReadFile(const char* path, ZOdevuvGameObject* object,
                                  ZOdevuvLightManager* lights) {
  m_object = object;
  std::vector<std::uint8_t> bytes;
  if (!path || !ReadWholeFile(path, bytes)) return false;
  ReadBytes(bytes.data(), bytes.size(), path, object, lights);
  return true;
}

bool ZOdevuvModelReader::ReadBytes(const std::uint8_t* data, std::size_t size, std::string_view name,
                                   ZOdevuvGameObject* object, ZOdevuvLightManager* lights) {
  m_object = object;
  m_version = ParseVersion(data, size);
  Stream file(data, size);
  // The header's counts allocate nothing: each loop stops at the first
  // fault, so the records before a lying count are kept.
  file.I32();
  const std::int32_t meshCount = file.I32();
  const std::int32_t treeCount = HasNodeTrees() ? file.I32() : 0;
  const std::int32_t lightCount = file.I32();
  file.I32();
  for (std::int32_t i = 0; i < meshCount && file.Ok(); ++i) {
    auto mesh = std::make_unique<ZOdevuv3DObject>();
    if (ReadMeshObject(file, mesh.get()) && file.Ok() && object) object->AddMeshObject(mesh.release());
  }
  for (std::int32_t i = 0; i < treeCount && file.Ok(); ++i) {
    auto root = std::make_unique<ZOdevuvNode>();
    if (ReadNode(file, root.get(), 0) && file.Ok() && object) {
      auto* tree = new ZOdevuvNodeTree();
      tree->root = std::move(root);
      object->AddNodeTree(tree);
    }
  }
  for (std::int32_t i = 0; i < lightCount && file.Ok(); ++i) {
    plat::Light light;
    if (!ReadLight(file, &light) || !file.Ok()) continue;
    if (light.range == 0.0f) light.range = kDefaultLightRange;
    if (lights) lights->AddLight(light, 1);
  }
  if (file.Ok()) return true;
  plat::MessageBox(name, "Model Load Error", plat::kMbOk);
  return false;
}

bool ZOdevuvModelReader::ReadBounds(Stream& file, Vec3* corners, int count, Vec3* min, Vec3* max) {
  if (!file.Flag()) return false;
  for (int i = 0; i < kCornerCount; ++i) {
    if (!file.Flag()) continue;
    const Vec3 corner = ReadVec3(file);
    file.F32();
    if (i < count) corners[i] = corner;
  }
  if (file.Flag()) *min = ReadVec3(file);
  if (file.Flag()) *max = ReadVec3(file);
  return true;
}

void ZOdevuvModelReader::ReadMatrix(Stream& file, plat::Matrix* matrix) {
  for (auto& row : matrix->m) {
    for (float& value : row) value = file.F32();
  }
}

bool ZOdevuvModelReader::ReadMeshObject(Stream& file, ZOdevuv3DObject* object) {
  if (!file.Flag() || !file.Charge(sizeof(ZOdevuv3DObject))) return false;
  file.I32();
  object->SetName(file.String().c_str());
  object->kind = file.I32();
  Vec3 corners[kCornerCount], min, max;
  ReadBounds(file, corners, kCornerCount, &min, &max);
  if (std::strcmp(object->GetName(), "Particle View 01") == 0) {
    for (Vec3& corner : corners) corner = Vec3{};
    min = max = Vec3{};
  }
  object->SetBoxCorners(corners, kCornerCount);
  object->SetBoxExtents(min, max);
  object->FillBoxVertexBuffer();
  ReadMatrix(file, &object->worldMatrix);
  if (!file.Flag()) return object->kind == 4;
  const std::int32_t materialCount = file.Count(kMinRecordBytes);
  for (std::int32_t i = 0; i < materialCount && file.Ok(); ++i) {
    ModelMaterialRecord record;
    ReadMaterial(file, &record, 0);
    object->AddMaterial(&record, 0);
  }
  ReadMeshes(file, object);
  return true;
}

void ZOdevuvModelReader::ReadMeshes(Stream& file, ZOdevuv3DObject* object) {
  const std::size_t vertexBytes = HasSecondTexCoords() ? 40 : 32;
  const std::int32_t meshCount = file.Count(4);
  for (std::int32_t m = 0; m < meshCount && file.Ok(); ++m) {
    const std::int32_t n = file.Count(vertexBytes);
    if (n > ZOdevuv3DObject::kMaxSubMeshVertices) file.Break();
    if (!file.Charge(sizeof(ZOdevuvSubMesh) + kMaterialCost + std::size_t(n) * kVertexCost)) return;
    auto* vertices = new MeshVertex[static_cast<std::size_t>(n)];
    for (std::int32_t i = 0; i < n; ++i) {
      MeshVertex& v = vertices[i];
      v.position.x = file.F32();
      v.normal.x = file.F32();
      v.position.y = file.F32();
      v.normal.y = file.F32();
      v.position.z = file.F32();
      v.normal.z = file.F32();
      v.u = file.F32();
      v.v = file.F32();
      v.su = HasSecondTexCoords() ? file.F32() : v.u;
      v.sv = HasSecondTexCoords() ? file.F32() : v.v;
    }
    object->Init(n / 3, n, vertices);
  }
}

bool ZOdevuvModelReader::ReadMaterial(Stream& file, ModelMaterialRecord* record, int depth) {
  if (depth > kMaxMaterialDepth) file.Break();
  if (!file.Charge(kMaterialCost) || !file.Flag()) return false;
  float* f = record->floats;
  record->number = file.I32();
  CopyTextField(record->name, sizeof record->name, file.String());
  for (int i = 0; i < 8; ++i) f[i] = file.F32();  // ambient, diffuse
  file.Skip(4 * 4);
  for (int i = 8; i < 12; ++i) f[i] = file.F32();  // specular
  f[13] = file.F32();  // power
  f[14] = file.F32();
  f[12] = file.F32();
  f[16] = file.F32();
  f[15] = file.F32();
  const std::int32_t mapCount = file.Count(kMinRecordBytes);
  for (std::int32_t i = 0; i < mapCount && file.Ok(); ++i) {
    record->textureMaps.emplace_back();
    ReadTextureMap(file, &record->textureMaps.back());
  }
  file.U8();
  const std::int32_t subCount = file.Count(kMinRecordBytes);
  for (std::int32_t i = 0; i < subCount && file.Ok(); ++i) {
    record->subMaterials.emplace_back();
    ReadMaterial(file, &record->subMaterials.back(), depth + 1);
  }
  return true;
}

bool ZOdevuvModelReader::ReadTextureMap(Stream& file, ModelTextureMapRecord* record) {
  if (!file.Charge(kTextureMapCost) || !file.Flag()) return false;
  CopyTextField(record->name, sizeof record->name, file.String());
  record->kind = file.I32();
  const std::string fileName = file.String();
  if (file.Ok() && g_assetPaths && file.Charge(sizeof(TextureEntry))) {
    auto entry = std::make_unique<TextureEntry>();
    CopyTextField(entry->fileName, sizeof entry->fileName, FilePart(fileName));
    CopyTextField(entry->mapName, sizeof entry->mapName, record->name);
    record->registryIndex = g_assetPaths->AddEntry(std::move(entry));
  }
  for (float& value : record->values) {
    if (file.I32() != 0) value = file.F32();
  }
  for (int i = 0; i < 6; ++i) {
    if (file.I32() != 0) file.F32();
  }
  if (file.Flag()) {
    for (int i = 0; i < 4; ++i) {
      if (file.Flag()) file.Skip(4 * 4);
    }
  }
  return true;
}

bool ZOdevuvModelReader::ReadNode(Stream& file, ZOdevuvNode* node, int depth) {
  if (depth > kMaxNodeDepth) file.Break();
  if (!file.Flag() || !file.Charge(sizeof(ZOdevuv3DObject))) return false;
  auto* object = new ZOdevuv3DObject();
  file.I32();
  const std::string name = file.String();
  object->SetName(name.c_str());
  object->kind = file.I32();
  Vec3 corners[kCornerCount], min, max;
  ReadBounds(file, corners, kCornerCount, &min, &max);
  object->SetBoxCorners(corners, kCornerCount);
  object->SetBoxExtents(min, max);
  object->FillBoxVertexBuffer();
  ReadMatrix(file, &object->worldMatrix);
  if (file.Flag()) ReadNodeGeometry(file, object);
  node->SetMesh(object);
  const std::int32_t childCount = file.Count(kMinRecordBytes);
  for (std::int32_t i = 0; i < childCount && file.Charge(sizeof(ZOdevuvNode)); ++i) {
    auto* child = new ZOdevuvNode();
    node->AddChild(child);
    child->SetParent(node);
    ReadNode(file, child, depth + 1);
  }
  ReadKeys(file, node, name);
  return true;
}

void ZOdevuvModelReader::ReadNodeGeometry(Stream& file, ZOdevuv3DObject* object) {
  const std::int32_t n = file.Count(kNodeVertexBytes);
  if (n > ZOdevuv3DObject::kMaxSubMeshVertices) file.Break();
  if (!file.Charge(sizeof(ZOdevuvSubMesh) + std::size_t(n) * kVertexCost)) return;
  if (n < 1) {
    object->Init(0, 0, nullptr);
    return;
  }
  auto* vertices = new MeshVertex[static_cast<std::size_t>(n)];
  for (std::int32_t i = 0; i < n; ++i) {
    MeshVertex& v = vertices[i];
    v.position.x = file.F32();
    v.normal.x = file.F32();
    v.position.y = file.F32();
    v.normal.y = file.F32();
    v.position.z = file.F32();
    v.normal.z = file.F32();
  }
  object->Init(n / 3, n, vertices);
}

void ZOdevuvModelReader::ReadKeys(Stream& file, ZOdevuvNode* node, const std::string& name) {
  const std::int32_t positionCount = file.Count(kMinRecordBytes);
  const std::int32_t rotationCount = file.Count(kMinRecordBytes);
  const std::int32_t unusedCount = file.Count(kMinRecordBytes);
  if (!file.Charge(std::size_t(positionCount) * kPositionKeyCost + std::size_t(rotationCount) * kRotationKeyCost)) {
    return;
  }
  node->AllocateKeys(name.c_str(), positionCount, rotationCount);
  for (std::int32_t i = 0; i < positionCount && file.Ok(); ++i) {
    if (!file.Flag()) continue;
    file.I32();
    const float time = file.F32();
    const Vec3 p = ReadVec3(file);
    file.F32();
    node->SetPositionKey(p.x, p.y, p.z, i, KeyTime(time));
  }
  for (std::int32_t i = 0; i < rotationCount && file.Ok(); ++i) {
    if (!file.Flag()) continue;
    file.I32();
    const float time = file.F32();
    const Vec3 r = ReadVec3(file);
    const float w = file.F32();
    node->SetRotationKey(r.x, r.y, r.z, w, i, KeyTime(time));
  }
  for (std::int32_t i = 0; i < unusedCount && file.Ok(); ++i) {
    if (file.Flag()) file.Skip(kUnusedKeyBytes);
  }
}

bool ZOdevuvModelReader::ReadLightProperty(Stream& file, plat::Light* light, int index) {
  const std::int32_t type = file.I32();
  if (type == 0) return false;
  float value = -1.0f;
  plat::Color colour{-1.0f, -1.0f, -1.0f, -1.0f};
  switch (type) {
    case 1: value = file.F32(); break;
    case 2: file.I32(); break;
    case 3:
      if (file.U8() == 1) {
        colour.r = file.F32();
        colour.g = file.F32();
        colour.b = file.F32();
        file.F32();
      }
      break;
    case 4: file.String(); break;
    default: break;
  }
  switch (index) {
    case 0:
      light->diffuse = {colour.r, colour.g, colour.b, 255.0f};
      light->specular = {colour.r, colour.g, colour.b, 0.0f};
      light->ambient = {colour.r, colour.g, colour.b, 255.0f};
      break;
    case 2: light->attenuation0 = value; break;
    case 3: light->attenuation2 = value; break;
    case 4: light->falloff = value; break;
    default: break;
  }
  return true;
}

bool ZOdevuvModelReader::ReadLight(Stream& file, plat::Light* light) {
  if (!file.Flag()) return false;
  file.I32();
  file.String();
  light->type = LightTypeForKind(file.I32());
  Vec3 corners[kCornerCount], min, max;
  ReadBounds(file, corners, kCornerCount, &min, &max);
  plat::Matrix matrix;
  ReadMatrix(file, &matrix);
  light->position = {matrix.m[3][0], matrix.m[3][1], matrix.m[3][2]};
  if (!file.Flag()) return false;
  file.U8();
  file.Skip(4 * 4);
  for (int index = 0; index < 8; ++index) ReadLightProperty(file, light, index);
  if (file.U8() != 1) return true;
  // The direction is the fourth row; without it the light keeps its default.
  for (int row = 0; row < 4; ++row) {
    if (!file.Flag()) continue;
    float values[4];
    for (float& value : values) value = file.F32();
    if (row == 3) light->direction = {values[0], values[1], values[2]};
  }
  return true;
}
