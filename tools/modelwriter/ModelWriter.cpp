#include "tools/modelwriter/ModelWriter.h"

#include <algorithm>
#include <charconv>
#include <cstring>
#include <fstream>

namespace modelwriter {
namespace {

constexpr std::size_t kVersionBytes = 5;

class Out {
 public:
  explicit Out(std::vector<std::uint8_t>& bytes) : m_bytes(bytes) {}
  void U8(std::uint8_t v) { m_bytes.push_back(v); }
  void Flag(bool v) { U8(v ? 1 : 0); }
  void I32(std::int32_t v) {
    const auto u = static_cast<std::uint32_t>(v);
    for (int shift = 0; shift < 32; shift += 8) m_bytes.push_back(static_cast<std::uint8_t>(u >> shift));
  }
  void F32(float v) {
    std::int32_t bits = 0;
    std::memcpy(&bits, &v, sizeof bits);
    I32(bits);
  }
  void Vec(const Vec3& v) {
    F32(v.x);
    F32(v.y);
    F32(v.z);
  }
  void String(const std::string& s) {
    I32(static_cast<std::int32_t>(s.size()));
    m_bytes.insert(m_bytes.end(), s.begin(), s.end());
  }
  void Count(std::size_t n) { I32(static_cast<std::int32_t>(n)); }

 private:
  std::vector<std::uint8_t>& m_bytes;
};

float VersionValue(const std::string& text) {
  std::size_t first = text.find_first_not_of(" \t");
  if (first == std::string::npos) return 0.0f;
  if (text[first] == '+') ++first;
  double value = 0.0;
  if (std::from_chars(text.data() + first, text.data() + text.size(), value).ec != std::errc()) return 0.0f;
  return static_cast<float>(value);
}

void WriteBounds(Out& out, const Bounds& b) {
  out.Flag(b.present);
  if (!b.present) return;
  for (const auto& corner : b.corners) {
    out.Flag(corner.has_value());
    if (!corner) continue;
    out.Vec(*corner);
    out.F32(0);
  }
  for (const auto* extent : {&b.min, &b.max}) {
    out.Flag(extent->has_value());
    if (*extent) out.Vec(**extent);
  }
}

void WriteMatrix(Out& out, const Matrix& m) {
  for (float v : m) out.F32(v);
}

void WriteMap(Out& out, const TextureMap& map) {
  out.Flag(map.present);
  if (!map.present) return;
  out.String(map.name);
  out.I32(map.kind);
  out.String(map.file);
  for (const auto& value : map.values) {
    out.I32(value ? 1 : 0);
    if (value) out.F32(*value);
  }
  for (int i = 0; i < 6; ++i) out.I32(0);
  out.Flag(false);
}

void WriteMaterial(Out& out, const Material& m) {
  out.Flag(m.present);
  if (!m.present) return;
  out.I32(m.number);
  out.String(m.name);
  for (float v : m.ambient) out.F32(v);
  for (float v : m.diffuse) out.F32(v);
  for (int i = 0; i < 4; ++i) out.I32(0);
  for (float v : m.specular) out.F32(v);
  // power, extra values 2, 1, 4, 3
  out.F32(m.power);
  out.F32(m.extra[1]);
  out.F32(m.extra[0]);
  out.F32(m.extra[3]);
  out.F32(m.extra[2]);
  out.Count(m.maps.size());
  for (const TextureMap& map : m.maps) WriteMap(out, map);
  out.U8(0);
  out.I32(m.subMaterialCount.value_or(static_cast<std::int32_t>(m.subMaterials.size())));
  for (const Material& sub : m.subMaterials) WriteMaterial(out, sub);
}

void WriteInterleaved(Out& out, const Vertex& v) {
  out.F32(v.position.x);
  out.F32(v.normal.x);
  out.F32(v.position.y);
  out.F32(v.normal.y);
  out.F32(v.position.z);
  out.F32(v.normal.z);
}

void WriteMeshObject(Out& out, const MeshObject& m, bool secondCoords) {
  out.Flag(m.present);
  if (!m.present) return;
  out.I32(0);
  out.String(m.name);
  out.I32(m.kind);
  WriteBounds(out, m.bounds);
  WriteMatrix(out, m.matrix);
  out.Flag(m.hasGeometry);
  if (!m.hasGeometry) return;
  out.Count(m.materials.size());
  for (const Material& material : m.materials) WriteMaterial(out, material);
  out.Count(m.meshes.size());
  for (const auto& list : m.meshes) {
    out.Count(list.size());
    for (const Vertex& v : list) {
      WriteInterleaved(out, v);
      out.F32(v.u);
      out.F32(v.v);
      if (!secondCoords) continue;
      out.F32(v.su);
      out.F32(v.sv);
    }
  }
}

void WriteNode(Out& out, const Node& n) {
  out.Flag(n.present);
  if (!n.present) return;
  out.I32(0);
  out.String(n.name);
  out.I32(n.kind);
  WriteBounds(out, n.bounds);
  WriteMatrix(out, n.matrix);
  out.Flag(n.hasGeometry);
  if (n.hasGeometry) {
    out.Count(n.vertices.size());
    for (const Vertex& v : n.vertices) WriteInterleaved(out, v);
  }
  out.Count(n.children.size());
  for (const Node& child : n.children) WriteNode(out, child);
  out.Count(n.positionKeys.size());
  out.Count(n.rotationKeys.size());
  out.I32(n.unusedKeys);
  for (const PositionKey& k : n.positionKeys) {
    out.Flag(k.present);
    if (!k.present) continue;
    out.I32(0);
    out.F32(k.time);
    out.Vec(k.position);
    out.F32(0);
  }
  for (const RotationKey& k : n.rotationKeys) {
    out.Flag(k.present);
    if (!k.present) continue;
    out.I32(0);
    out.F32(k.time);
    for (float v : {k.x, k.y, k.z, k.w}) out.F32(v);
  }
  for (std::int32_t i = 0; i < n.unusedKeys; ++i) {
    out.Flag(true);
    for (int b = 0; b < 24; ++b) out.U8(0);
  }
}

void WriteProperty(Out& out, const LightProperty& p) {
  out.I32(p.type);
  switch (p.type) {
    case 1: out.F32(p.value); break;
    case 2: out.I32(static_cast<std::int32_t>(p.value)); break;
    case 3:
      out.U8(p.colourFlag);
      if (p.colourFlag == 1) {
        out.Vec(p.colour);
        out.F32(0);
      }
      break;
    case 4: out.String(p.text); break;
    default: break;
  }
}

void WriteLight(Out& out, const Light& l) {
  out.Flag(l.present);
  if (!l.present) return;
  out.I32(0);
  out.String(l.name);
  out.I32(l.kind);
  WriteBounds(out, Bounds{false, {}, {}, {}});
  WriteMatrix(out, Translation(l.position.x, l.position.y, l.position.z));
  out.Flag(l.complete);
  if (!l.complete) return;
  out.U8(0);
  for (int i = 0; i < 4; ++i) out.I32(0);
  for (const LightProperty& p : l.properties) WriteProperty(out, p);
  out.U8(l.direction ? 1 : 0);
  if (!l.direction) return;
  for (int row = 0; row < 4; ++row) {
    out.Flag(true);
    const Vec3 v = row == 3 ? *l.direction : Vec3{};
    out.Vec(v);
    out.F32(0);
  }
}

bool ListsFit(const Model& model) {
  for (const MeshObject& m : model.meshObjects) {
    for (const auto& list : m.meshes) {
      if (list.size() > kMaxListVertices) return false;
    }
  }
  return true;
}

}  // namespace

Bounds BoxBounds(const Vec3& min, const Vec3& max) {
  Bounds b;
  for (int i = 0; i < 8; ++i) {
    b.corners[static_cast<std::size_t>(i)] =
        Vec3{(i & 1) ? max.x : min.x, (i & 2) ? max.y : min.y, (i & 4) ? max.z : min.z};
  }
  b.min = min;
  b.max = max;
  return b;
}

Matrix Identity() { return {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1}; }

Matrix Translation(float x, float y, float z) {
  Matrix m = Identity();
  m[12] = x;
  m[13] = y;
  m[14] = z;
  return m;
}

bool WriteModel(const Model& model, std::vector<std::uint8_t>& bytes, std::string* error) {
  bytes.clear();
  if (!ListsFit(model)) {
    if (error) *error = "a triangle list has more than 65536 vertices; split it first";
    return false;
  }
  const float version = VersionValue(model.version);
  Out out(bytes);
  out.I32(0);
  out.Count(model.meshObjects.size());
  if (version >= 1.0f) out.Count(model.nodes.size());
  out.Count(model.lights.size());
  out.I32(0);
  for (const MeshObject& m : model.meshObjects) WriteMeshObject(out, m, version >= 1.01f);
  if (version >= 1.0f) {
    for (const Node& n : model.nodes) WriteNode(out, n);
  }
  for (const Light& l : model.lights) WriteLight(out, l);
  std::string text = model.version.substr(0, kVersionBytes);
  text.resize(kVersionBytes, ' ');
  bytes.insert(bytes.end(), text.begin(), text.end());
  return true;
}

bool WriteModelFile(const Model& model, const std::string& hostPath, std::string* error) {
  std::vector<std::uint8_t> bytes;
  if (!WriteModel(model, bytes, error)) return false;
  std::ofstream file(hostPath, std::ios::binary);
  file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  if (file) return true;
  if (error) *error = "cannot write " + hostPath;
  return false;
}

std::vector<std::vector<Vertex>> SplitTriangleList(const std::vector<Vertex>& vertices) {
  constexpr std::size_t kPerList = kMaxListVertices - kMaxListVertices % 3;
  std::vector<std::vector<Vertex>> lists;
  for (std::size_t first = 0; first < vertices.size(); first += kPerList) {
    const std::size_t last = std::min(vertices.size(), first + kPerList);
    lists.emplace_back(vertices.begin() + static_cast<std::ptrdiff_t>(first),
                       vertices.begin() + static_cast<std::ptrdiff_t>(last));
  }
  return lists;
}

}  // namespace modelwriter
