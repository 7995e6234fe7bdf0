#include "tools/figuregen/FigureWriter.h"

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
  std::snprintf(buf, sizeof buf, "%.6f", double(v));
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
};

float& Component(plat::Vec3& v, int axis) { return axis == 0 ? v.x : axis == 1 ? v.y : v.z; }
float Component(const plat::Vec3& v, int axis) { return axis == 0 ? v.x : axis == 1 ? v.y : v.z; }

// Six faces of four corners each, turning clockwise seen from outside.
void AddBox(const Box& box, MeshData& mesh) {
  const float su[4] = {0, 1, 1, 0}, sv[4] = {0, 0, 1, 1};
  for (int axis = 0; axis < 3; ++axis) {
    for (bool high : {false, true}) {
      plat::Vec3 n;
      Component(n, axis) = high ? 1.0f : -1.0f;
      const int u = (axis + 1) % 3, v = (axis + 2) % 3;
      plat::Vec3 corners[4];
      for (int k = 0; k < 4; ++k) {
        Component(corners[k], axis) = Component(high ? box.max : box.min, axis);
        Component(corners[k], u) = Component(su[k] > 0 ? box.max : box.min, u);
        Component(corners[k], v) = Component(sv[k] > 0 ? box.max : box.min, v);
      }
      const plat::Vec3 turn = plat::Vec3Cross(corners[1] - corners[0], corners[2] - corners[0]);
      if (plat::Vec3Dot(turn, n) < 0) std::swap(corners[1], corners[3]);
      for (int k = 0; k < 4; ++k) {
        mesh.positions.push_back(corners[k]);
        mesh.normals.push_back(n);
        mesh.uvs.push_back(
            {0.1f + 0.8f * su[k], box.bandTop + (box.bandBottom - box.bandTop) * sv[k]});
        mesh.vertexBone.push_back(box.bone);
      }
    }
  }
}

void WriteVectors(const std::vector<plat::Vec3>& list, int indent, Writer& w) {
  for (std::size_t i = 0; i < list.size(); ++i) {
    w.Line(indent, Num(list[i].x) + ";" + Num(list[i].y) + ";" + Num(list[i].z) + ";" +
                       (i + 1 == list.size() ? ";" : ","));
  }
}

void WriteQuads(std::size_t count, int indent, Writer& w) {
  w.Line(indent, std::to_string(count) + ";");
  for (std::size_t q = 0; q < count; ++q) {
    const std::size_t b = q * 4;
    w.Line(indent, "4;" + std::to_string(b) + "," + std::to_string(b + 1) + "," +
                       std::to_string(b + 2) + "," + std::to_string(b + 3) + ";" +
                       (q + 1 == count ? ";" : ","));
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
      weights += std::string("1.000000") + sep;
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

void WriteMesh(const Figure& figure, Writer& w) {
  MeshData mesh;
  for (const Box& box : figure.boxes) AddBox(box, mesh);
  const std::size_t quads = mesh.positions.size() / 4;
  w.Line(1, "Mesh Skin {");
  w.Line(2, std::to_string(mesh.positions.size()) + ";");
  WriteVectors(mesh.positions, 2, w);
  WriteQuads(quads, 2, w);
  w.Line(2, "MeshNormals {");
  w.Line(3, std::to_string(mesh.normals.size()) + ";");
  WriteVectors(mesh.normals, 3, w);
  WriteQuads(quads, 3, w);
  w.Line(2, "}");
  w.Line(2, "MeshTextureCoords {");
  w.Line(3, std::to_string(mesh.uvs.size()) + ";");
  for (std::size_t i = 0; i < mesh.uvs.size(); ++i) {
    w.Line(3, Num(mesh.uvs[i].x) + ";" + Num(mesh.uvs[i].y) + ";" +
                  (i + 1 == mesh.uvs.size() ? ";" : ","));
  }
  w.Line(2, "}");
  std::string faceMaterials;
  for (std::size_t q = 0; q < quads; ++q) faceMaterials += q + 1 == quads ? "0;;" : "0,";
  w.Line(2, "MeshMaterialList {");
  w.Line(3, "1; " + std::to_string(quads) + "; " + faceMaterials);
  w.Line(3, "Material { 1.000000;1.000000;1.000000;1.000000;; 8.000000; 0.100000;0.100000;0.100000;; "
            "0.000000;0.000000;0.000000;; TextureFilename { \"" + figure.texture + "\"; } }");
  w.Line(2, "}");
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
      w.Line(3, std::to_string(tick) + ";16;" + MatrixText(m) + ";;" +
                    (k + 1 == set.keys ? ";" : ","));
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
