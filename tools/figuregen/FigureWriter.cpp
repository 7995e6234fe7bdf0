#include "tools/figuregen/FigureWriter.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <utility>

#include "platform/math/Math.h"

namespace figuregen {

namespace {

constexpr int kTicksPerSecond = 100;

struct Writer {
  std::string out;
  void Line(int indent, const std::string& text) { out += std::string(indent, ' ') + text + "\n"; }
};

std::string Num(float v) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%.4f", double(v));
  return buf;
}

std::string MatrixText(const plat::Matrix& m) {
  std::string text;
  for (int r = 0; r < 4; ++r) {
    for (int c = 0; c < 4; ++c) text += Num(m.m[r][c]) + (r == 3 && c == 3 ? "" : ",");
  }
  return text;
}

plat::Vec3 JointInFigure(const Figure& figure, int bone) {
  plat::Vec3 at{};
  for (int b = bone; b >= 0; b = figure.bones[std::size_t(b)].parent) {
    at = at + figure.bones[std::size_t(b)].joint;
  }
  return at;
}

plat::Matrix LocalMatrix(const Bone& bone, const plat::Vec3& turn) {
  plat::Matrix rotation, translation;
  plat::MatrixRotationYawPitchRoll(&rotation, turn.y, turn.x, turn.z);
  plat::MatrixTranslation(&translation, bone.joint.x, bone.joint.y, bone.joint.z);
  return rotation * translation;
}

void WriteFrames(const Figure& figure, int parent, int indent, Writer& w) {
  for (std::size_t b = 0; b < figure.bones.size(); ++b) {
    const Bone& bone = figure.bones[b];
    if (bone.parent != parent) continue;
    w.Line(indent, "Frame " + bone.name + " {");
    w.Line(indent + 1, "FrameTransformMatrix { " + MatrixText(LocalMatrix(bone, {})) + ";; }");
    WriteFrames(figure, int(b), indent + 1, w);
    w.Line(indent, "}");
  }
}

struct MeshData {
  std::vector<plat::Vec3> positions, normals;
  std::vector<plat::Vec2> uvs;
  std::vector<int> vertexBone;
  std::vector<std::vector<std::size_t>> faces;
  std::vector<int> faceMaterial;
};

float& Component(plat::Vec3& v, int axis) { return axis == 0 ? v.x : axis == 1 ? v.y : v.z; }
float Component(const plat::Vec3& v, int axis) { return axis == 0 ? v.x : axis == 1 ? v.y : v.z; }

std::size_t AddVertex(const Box& part, const plat::Vec3& at, const plat::Vec3& normal, float u, float v,
                      MeshData& mesh) {
  mesh.positions.push_back(at);
  mesh.normals.push_back(normal);
  mesh.uvs.push_back({0.1f + 0.8f * u, part.bandTop + (part.bandBottom - part.bandTop) * v});
  mesh.vertexBone.push_back(part.bone);
  return mesh.positions.size() - 1;
}

// Faces turn clockwise seen from outside: the corners are reversed when
// their turn points inward.
void AddFace(const Box& part, std::vector<std::size_t> corners, const plat::Vec3& outward, MeshData& mesh) {
  const plat::Vec3& a = mesh.positions[corners[0]];
  const plat::Vec3 turn = plat::Vec3Cross(mesh.positions[corners[1]] - a, mesh.positions[corners[2]] - a);
  if (plat::Vec3Dot(turn, outward) < 0) std::reverse(corners.begin() + 1, corners.end());
  mesh.faces.push_back(std::move(corners));
  mesh.faceMaterial.push_back(part.material);
}

void AddBox(const Box& box, MeshData& mesh) {
  const float su[4] = {0, 1, 1, 0}, sv[4] = {0, 0, 1, 1};
  for (int axis = 0; axis < 3; ++axis) {
    for (bool high : {false, true}) {
      plat::Vec3 n;
      Component(n, axis) = high ? 1.0f : -1.0f;
      const int u = (axis + 1) % 3, v = (axis + 2) % 3;
      std::vector<std::size_t> corners;
      for (int k = 0; k < 4; ++k) {
        plat::Vec3 at;
        Component(at, axis) = Component(high ? box.max : box.min, axis);
        Component(at, u) = Component(su[k] > 0 ? box.max : box.min, u);
        Component(at, v) = Component(sv[k] > 0 ? box.max : box.min, v);
        corners.push_back(AddVertex(box, at, n, su[k], sv[k], mesh));
      }
      AddFace(box, std::move(corners), n, mesh);
    }
  }
}

constexpr int kRoundSegments = 8;
constexpr int kRoundRings = 5;

// An ellipsoid of rings between two pole caps; the seam repeats its first
// column so that the texture's u runs once around.
void AddRound(const Box& part, MeshData& mesh) {
  const plat::Vec3 centre = (part.min + part.max) * 0.5f;
  const plat::Vec3 radius = (part.max - part.min) * 0.5f;
  auto point = [&](int ring, int segment, plat::Vec3* normal) {
    const float lat = plat::kPi * (float(ring) / kRoundRings - 0.5f);
    const float lon = 2 * plat::kPi * float(segment) / kRoundSegments;
    const plat::Vec3 unit{std::cos(lat) * std::cos(lon), std::sin(lat), std::cos(lat) * std::sin(lon)};
    *normal = plat::Vec3Normalized({unit.x / radius.x, unit.y / radius.y, unit.z / radius.z});
    return centre + plat::Vec3{unit.x * radius.x, unit.y * radius.y, unit.z * radius.z};
  };
  std::vector<std::vector<std::size_t>> rows;
  for (int ring = 1; ring < kRoundRings; ++ring) {
    std::vector<std::size_t> row;
    for (int segment = 0; segment <= kRoundSegments; ++segment) {
      plat::Vec3 n;
      const plat::Vec3 at = point(ring, segment, &n);
      row.push_back(AddVertex(part, at, n, float(segment) / kRoundSegments, 1.0f - float(ring) / kRoundRings, mesh));
    }
    rows.push_back(std::move(row));
  }
  for (std::size_t r = 0; r + 1 < rows.size(); ++r) {
    for (int s = 0; s < kRoundSegments; ++s) {
      const std::vector<std::size_t> quad{rows[r][std::size_t(s)], rows[r][std::size_t(s) + 1],
                                          rows[r + 1][std::size_t(s) + 1], rows[r + 1][std::size_t(s)]};
      AddFace(part, quad, mesh.positions[quad[0]] - centre, mesh);
    }
  }
  for (int pole : {0, kRoundRings}) {
    const std::vector<std::size_t>& row = pole == 0 ? rows.front() : rows.back();
    for (int s = 0; s < kRoundSegments; ++s) {
      plat::Vec3 n;
      const plat::Vec3 at = point(pole, s, &n);
      const std::size_t tip = AddVertex(part, at, n, (s + 0.5f) / kRoundSegments, pole == 0 ? 1.0f : 0.0f, mesh);
      AddFace(part, {tip, row[std::size_t(s)], row[std::size_t(s) + 1]}, at - centre, mesh);
    }
  }
}

void WriteVectors(const std::vector<plat::Vec3>& list, int indent, Writer& w) {
  for (std::size_t i = 0; i < list.size(); ++i) {
    w.Line(indent,
           Num(list[i].x) + ";" + Num(list[i].y) + ";" + Num(list[i].z) + ";" + (i + 1 == list.size() ? ";" : ","));
  }
}

void WriteFaces(const std::vector<std::vector<std::size_t>>& faces, int indent, Writer& w) {
  w.Line(indent, std::to_string(faces.size()) + ";");
  for (std::size_t f = 0; f < faces.size(); ++f) {
    std::string text = std::to_string(faces[f].size()) + ";";
    for (std::size_t k = 0; k < faces[f].size(); ++k) {
      text += std::to_string(faces[f][k]) + (k + 1 == faces[f].size() ? ";" : ",");
    }
    w.Line(indent, text + (f + 1 == faces.size() ? ";" : ","));
  }
}

void WriteSkin(const Figure& figure, const MeshData& mesh, Writer& w) {
  std::vector<std::vector<std::size_t>> boneVertices(figure.bones.size());
  for (std::size_t v = 0; v < mesh.vertexBone.size(); ++v) {
    boneVertices[std::size_t(mesh.vertexBone[v])].push_back(v);
  }
  std::size_t skinned = 0;
  for (const auto& list : boneVertices) skinned += list.empty() ? 0 : 1;
  w.Line(2, "XSkinMeshHeader { 1; 1; " + std::to_string(skinned) + "; }");
  for (std::size_t b = 0; b < figure.bones.size(); ++b) {
    const std::vector<std::size_t>& vertices = boneVertices[b];
    std::string indices, weights;
    for (std::size_t i = 0; i < vertices.size(); ++i) {
      const char* sep = i + 1 == vertices.size() ? ";" : ",";
      indices += std::to_string(vertices[i]) + sep;
      weights += std::string("1.0") + sep;
    }
    if (vertices.empty()) continue;  // a bone that moves nothing needs no skin entry
    const plat::Vec3 joint = JointInFigure(figure, int(b));
    plat::Matrix offset;
    plat::MatrixTranslation(&offset, -joint.x, -joint.y, -joint.z);
    w.Line(2, "SkinWeights {");
    w.Line(3, "\"" + figure.bones[b].name + "\";");
    w.Line(3, std::to_string(vertices.size()) + ";");
    w.Line(3, indices);
    w.Line(3, weights);
    w.Line(3, MatrixText(offset) + ";;");
    w.Line(2, "}");
  }
}

void WriteMaterials(const Figure& figure, const MeshData& mesh, Writer& w) {
  std::string faceMaterials;
  for (std::size_t f = 0; f < mesh.faceMaterial.size(); ++f) {
    faceMaterials += std::to_string(mesh.faceMaterial[f]) + (f + 1 == mesh.faceMaterial.size() ? ";;" : ",");
  }
  w.Line(2, "MeshMaterialList {");
  w.Line(3, std::to_string(figure.textures.size()) + "; " + std::to_string(mesh.faces.size()) + "; " + faceMaterials);
  for (const std::string& texture : figure.textures) {
    w.Line(3,
           "Material { 1.000000;1.000000;1.000000;1.000000;; 8.000000; 0.100000;0.100000;0.100000;; "
           "0.000000;0.000000;0.000000;; TextureFilename { \"" +
               texture + "\"; } }");
  }
  w.Line(2, "}");
}

void WriteMesh(const Figure& figure, Writer& w) {
  MeshData mesh;
  for (const Box& part : figure.boxes) {
    if (part.shape == Shape::Round) {
      AddRound(part, mesh);
    } else {
      AddBox(part, mesh);
    }
  }
  w.Line(1, "Mesh Skin {");
  w.Line(2, std::to_string(mesh.positions.size()) + ";");
  WriteVectors(mesh.positions, 2, w);
  WriteFaces(mesh.faces, 2, w);
  w.Line(2, "MeshNormals {");
  w.Line(3, std::to_string(mesh.normals.size()) + ";");
  WriteVectors(mesh.normals, 3, w);
  WriteFaces(mesh.faces, 3, w);
  w.Line(2, "}");
  w.Line(2, "MeshTextureCoords {");
  w.Line(3, std::to_string(mesh.uvs.size()) + ";");
  for (std::size_t i = 0; i < mesh.uvs.size(); ++i) {
    w.Line(3, Num(mesh.uvs[i].x) + ";" + Num(mesh.uvs[i].y) + ";" + (i + 1 == mesh.uvs.size() ? ";" : ","));
  }
  w.Line(2, "}");
  WriteMaterials(figure, mesh, w);
  WriteSkin(figure, mesh, w);
  w.Line(1, "}");
}

void WriteSet(const Figure& figure, const AnimationSetSpec& set, Writer& w) {
  w.Line(0, "AnimationSet " + set.name + " {");
  for (std::size_t b = 0; b < figure.bones.size(); ++b) {
    w.Line(1, "Animation { {" + figure.bones[b].name + "}");
    w.Line(2, "AnimationKey { 4; " + std::to_string(set.keys) + ";");
    for (int k = 0; k < set.keys; ++k) {
      const float phase = float(k) / float(set.keys - 1);
      const int tick = int(std::lround(phase * set.seconds * kTicksPerSecond));
      const plat::Matrix m = LocalMatrix(figure.bones[b], set.pose(int(b), phase));
      w.Line(3, std::to_string(tick) + ";16;" + MatrixText(m) + ";;" + (k + 1 == set.keys ? ";" : ","));
    }
    w.Line(2, "}");
    w.Line(1, "}");
  }
  w.Line(0, "}");
}

}  // namespace

std::string WriteXText(const Figure& figure) {
  Writer w;
  w.Line(0, "xof 0303txt 0032");
  w.Line(0, "Frame " + figure.rootName + " {");
  w.Line(1, "FrameTransformMatrix { " + MatrixText(plat::IdentityMatrix()) + ";; }");
  WriteFrames(figure, -1, 1, w);
  WriteMesh(figure, w);
  w.Line(0, "}");
  w.Line(0, "AnimTicksPerSecond { " + std::to_string(kTicksPerSecond) + "; }");
  for (const AnimationSetSpec& set : figure.sets) WriteSet(figure, set, w);
  return w.out;
}

}  // namespace figuregen
