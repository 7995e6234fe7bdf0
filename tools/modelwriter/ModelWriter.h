#pragma once
// Writes the engine's binary model files from a plain description, so that
// test fixtures and the demo park's models are made by our own code. Every
// optional part of the format can be left out or given, and every record
// can be written "absent" (its first flag clear).
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace modelwriter {

struct Vec3 {
  float x = 0, y = 0, z = 0;
};

struct Vertex {
  Vec3 position;
  Vec3 normal;
  float u = 0, v = 0;
  float su = 0, sv = 0;  // written from version 1.01 on
};

struct TextureMap {
  bool present = true;
  std::string name;
  std::int32_t kind = 1;
  std::string file;
  // Values 1 to 5: offset u, v, tiling u, v, one unused; absent ones are left out.
  std::array<std::optional<float>, 5> values;
};

struct Material {
  bool present = true;
  std::int32_t number = 0;
  std::string name;
  std::array<float, 4> ambient{0.2f, 0.2f, 0.2f, 1};
  std::array<float, 4> diffuse{0.8f, 0.8f, 0.8f, 1};
  std::array<float, 4> specular{0, 0, 0, 1};
  float power = 0;
  std::array<float, 4> extra{};  // extra values 1 to 4
  std::vector<TextureMap> maps;
  std::vector<Material> subMaterials;
  // Written in place of the real counts when set (for malformed fixtures).
  std::optional<std::int32_t> subMaterialCount;
};

struct Bounds {
  bool present = true;
  std::array<std::optional<Vec3>, 8> corners;
  std::optional<Vec3> min, max;
};
// Corner i takes x, y, z from max where bits 0, 1, 2 are set.
Bounds BoxBounds(const Vec3& min, const Vec3& max);

using Matrix = std::array<float, 16>;  // row by row, translation in the fourth row
Matrix Identity();
Matrix Translation(float x, float y, float z);

struct MeshObject {
  bool present = true;
  std::string name;
  std::int32_t kind = 0;
  Bounds bounds;
  Matrix matrix = Identity();
  bool hasGeometry = true;
  std::vector<Material> materials;
  std::vector<std::vector<Vertex>> meshes;  // one triangle list each
};

struct PositionKey {
  bool present = true;
  float time = 0;
  Vec3 position;
};

struct RotationKey {
  bool present = true;
  float time = 0;
  float x = 0, y = 0, z = 0, w = 1;
};

struct Node {
  bool present = true;
  std::string name;
  std::int32_t kind = 0;
  Bounds bounds;
  Matrix matrix = Identity();
  bool hasGeometry = false;
  std::vector<Vertex> vertices;  // only positions and normals are written
  std::vector<Node> children;
  std::vector<PositionKey> positionKeys;
  std::vector<RotationKey> rotationKeys;
  std::int32_t unusedKeys = 0;  // entries of the third key list (present, 24 bytes each)
};

// Property types: 0 none, 1 float, 2 int32, 3 colour, 4 string.
struct LightProperty {
  std::int32_t type = 0;
  float value = 0;
  std::uint8_t colourFlag = 1;
  Vec3 colour;
  std::string text;
};

struct Light {
  bool present = true;
  bool complete = true;  // the second flag
  std::string name;
  std::int32_t kind = 0;
  Vec3 position;
  std::array<LightProperty, 8> properties;
  std::optional<Vec3> direction;  // the fourth row of the direction block
};

struct Model {
  // Written into the last five bytes (padded with blanks or cut).
  std::string version = "1.01";
  std::vector<MeshObject> meshObjects;
  std::vector<Node> nodes;
  std::vector<Light> lights;
};

// The largest triangle list the engine takes (16-bit indices).
constexpr std::size_t kMaxListVertices = 65536;

// False (out empty) when a triangle list is longer than kMaxListVertices.
bool WriteModel(const Model& model, std::vector<std::uint8_t>& out, std::string* error = nullptr);
bool WriteModelFile(const Model& model, const std::string& hostPath, std::string* error = nullptr);
// Cuts a triangle list into lists of whole triangles that fit kMaxListVertices.
std::vector<std::vector<Vertex>> SplitTriangleList(const std::vector<Vertex>& vertices);

}  // namespace modelwriter
