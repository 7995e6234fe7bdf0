// modelgen <park dir>: builds the demo park's static models with their
// procedural textures: the sky dome, the ground base map, a tree, the road
// flag and the entrance building.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "platform/gfx/PngWriter.h"
#include "tools/modelwriter/ModelWriter.h"

namespace {

using modelwriter::Vec3;
using modelwriter::Vertex;
using Triangles = std::vector<Vertex>;

constexpr float kPi = 3.14159265f;
constexpr int kTextureSize = 64;

Vec3 Add(const Vec3& a, const Vec3& b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }

Vertex MakeVertex(const Vec3& p, const Vec3& n, float u, float v) {
  Vertex vertex;
  vertex.position = p;
  vertex.normal = n;
  vertex.u = vertex.su = u;
  vertex.v = vertex.sv = v;
  return vertex;
}

// Two triangles a-b-c, a-c-d, wound clockwise seen from the normal's side.
void Quad(Triangles& out, const Vertex& a, const Vertex& b, const Vertex& c, const Vertex& d) {
  for (const Vertex* v : {&a, &b, &c, &a, &c, &d}) out.push_back(*v);
}

// An axis-aligned box standing on y = base, its faces tiled tiles times.
Triangles Box(const Vec3& centre, const Vec3& half, float base, float tiles) {
  Triangles out;
  const float x0 = centre.x - half.x, x1 = centre.x + half.x;
  const float z0 = centre.z - half.z, z1 = centre.z + half.z;
  const float y0 = base, y1 = base + 2 * half.y;
  struct Face { Vec3 a, b, c, d, n; };
  const Face faces[] = {
      {{x0, y0, z0}, {x0, y1, z0}, {x1, y1, z0}, {x1, y0, z0}, {0, 0, -1}},
      {{x1, y0, z1}, {x1, y1, z1}, {x0, y1, z1}, {x0, y0, z1}, {0, 0, 1}},
      {{x0, y0, z1}, {x0, y1, z1}, {x0, y1, z0}, {x0, y0, z0}, {-1, 0, 0}},
      {{x1, y0, z0}, {x1, y1, z0}, {x1, y1, z1}, {x1, y0, z1}, {1, 0, 0}},
      {{x0, y1, z0}, {x0, y1, z1}, {x1, y1, z1}, {x1, y1, z0}, {0, 1, 0}},
  };
  for (const Face& f : faces) {
    Quad(out, MakeVertex(f.a, f.n, 0, tiles), MakeVertex(f.b, f.n, 0, 0),
         MakeVertex(f.c, f.n, tiles, 0), MakeVertex(f.d, f.n, tiles, tiles));
  }
  return out;
}

// A ring of sides from radius r0 at y0 to r1 at y1 (a cylinder or a cone).
Triangles Frustum(const Vec3& base, float r0, float r1, float height, int sides) {
  Triangles out;
  for (int i = 0; i < sides; ++i) {
    const float a0 = 2 * kPi * float(i) / float(sides), a1 = 2 * kPi * float(i + 1) / float(sides);
    const Vec3 n0{std::cos(a0), 0.3f, std::sin(a0)}, n1{std::cos(a1), 0.3f, std::sin(a1)};
    const float u0 = float(i) / float(sides), u1 = float(i + 1) / float(sides);
    auto at = [&](float a, float r, float y) { return Add(base, {r * std::cos(a), y, r * std::sin(a)}); };
    Quad(out, MakeVertex(at(a0, r0, 0), n0, u0, 1), MakeVertex(at(a0, r1, height), n0, u0, 0),
         MakeVertex(at(a1, r1, height), n1, u1, 0), MakeVertex(at(a1, r0, 0), n1, u1, 1));
  }
  return out;
}

// The inside of a half sphere: the sky seen from below.
Triangles Dome(float radius, int rings, int sides) {
  Triangles out;
  auto point = [&](int ring, int side) {
    const float pitch = 0.5f * kPi * float(ring) / float(rings);
    const float yaw = 2 * kPi * float(side) / float(sides);
    const Vec3 p{radius * std::cos(pitch) * std::cos(yaw), radius * std::sin(pitch),
                 radius * std::cos(pitch) * std::sin(yaw)};
    const Vec3 inward{-p.x / radius, -p.y / radius, -p.z / radius};
    return MakeVertex(p, inward, float(side) / float(sides), 1.0f - float(ring) / float(rings));
  };
  for (int r = 0; r < rings; ++r) {
    for (int s = 0; s < sides; ++s) Quad(out, point(r, s), point(r, s + 1), point(r + 1, s + 1), point(r + 1, s));
  }
  return out;
}

// A flat square grid on y = 0 with the texture repeated tiles times.
Triangles Ground(float size, int cells, float tiles) {
  Triangles out;
  const float step = size / float(cells);
  for (int i = 0; i < cells; ++i) {
    for (int j = 0; j < cells; ++j) {
      auto at = [&](int a, int b) {
        const float x = -size / 2 + step * float(a), z = -size / 2 + step * float(b);
        Vertex v = MakeVertex({x, 0, z}, {0, 1, 0}, tiles * float(a) / float(cells),
                              tiles * float(b) / float(cells));
        v.su = float(a) / float(cells);
        v.sv = float(b) / float(cells);
        return v;
      };
      Quad(out, at(i, j), at(i, j + 1), at(i + 1, j + 1), at(i + 1, j));
    }
  }
  return out;
}

modelwriter::Material TexturedMaterial(int number, const std::string& name, const std::string& colourFile,
                                       const std::string& opacityFile = {}) {
  modelwriter::Material m;
  m.number = number;
  m.name = name;
  m.power = 20;
  modelwriter::TextureMap colour;
  colour.name = name + " colour";
  colour.kind = 1;
  colour.file = "textures\\" + colourFile;
  m.maps.push_back(colour);
  if (!opacityFile.empty()) {
    modelwriter::TextureMap opacity = colour;
    opacity.name = name + " opacity";
    opacity.kind = 6;
    opacity.file = "textures\\" + opacityFile;
    m.maps.push_back(opacity);
  }
  return m;
}

modelwriter::MeshObject Object(const std::string& name, const Triangles& triangles,
                               std::vector<modelwriter::Material> materials) {
  modelwriter::MeshObject object;
  object.name = name;
  Vec3 min{1e9f, 1e9f, 1e9f}, max{-1e9f, -1e9f, -1e9f};
  for (const Vertex& v : triangles) {
    min = {std::fmin(min.x, v.position.x), std::fmin(min.y, v.position.y), std::fmin(min.z, v.position.z)};
    max = {std::fmax(max.x, v.position.x), std::fmax(max.y, v.position.y), std::fmax(max.z, v.position.z)};
  }
  object.bounds = modelwriter::BoxBounds(min, max);
  object.materials = std::move(materials);
  object.meshes = modelwriter::SplitTriangleList(triangles);
  return object;
}

// Textures: a colour per texel from (u, v) in 0..1.
using Painter = std::function<std::uint32_t(float u, float v)>;

std::uint32_t Argb(float r, float g, float b, float a = 1.0f) {
  auto byte = [](float c) { return std::uint32_t(std::fmin(std::fmax(c, 0.0f), 1.0f) * 255.0f + 0.5f); };
  return byte(a) << 24 | byte(r) << 16 | byte(g) << 8 | byte(b);
}

// A repeatable value noise in 0..1.
float Noise(float u, float v) {
  const float n = std::sin(u * 127.1f + v * 311.7f) * 43758.5453f;
  return n - std::floor(n);
}

bool WriteTexture(const std::filesystem::path& path, const Painter& paint) {
  std::vector<std::uint32_t> pixels(kTextureSize * kTextureSize);
  for (int y = 0; y < kTextureSize; ++y) {
    for (int x = 0; x < kTextureSize; ++x) {
      pixels[std::size_t(y * kTextureSize + x)] =
          paint((float(x) + 0.5f) / kTextureSize, (float(y) + 0.5f) / kTextureSize);
    }
  }
  std::filesystem::create_directories(path.parent_path());
  return plat::WritePngFile(path.string(), kTextureSize, kTextureSize, pixels.data());
}

std::uint32_t Grass(float u, float v) {
  const float n = Noise(u, v);
  return Argb(0.22f + 0.1f * n, 0.5f + 0.15f * n, 0.18f + 0.05f * n);
}
std::uint32_t Sky(float, float v) { return Argb(0.45f + 0.4f * v, 0.65f + 0.3f * v, 0.95f); }
std::uint32_t Bark(float u, float v) {
  const float stripe = 0.5f + 0.5f * std::sin(u * 40.0f + Noise(u, v) * 2.0f);
  return Argb(0.35f + 0.1f * stripe, 0.22f + 0.06f * stripe, 0.1f);
}
std::uint32_t Leaves(float u, float v) {
  const float n = Noise(u * 3, v * 3);
  return Argb(0.1f + 0.15f * n, 0.4f + 0.3f * n, 0.1f);
}
std::uint32_t LeafMask(float u, float v) {
  const float n = Noise(u * 5, v * 5);
  return n > 0.35f ? Argb(1, 1, 1) : Argb(0, 0, 0);
}
std::uint32_t Brick(float u, float v) {
  const int row = int(v * 16);
  const float shifted = u * 8 + (row % 2 ? 0.5f : 0.0f);
  const bool mortar = std::fmod(v * 16, 1.0f) < 0.12f || std::fmod(shifted, 1.0f) < 0.06f;
  const float n = Noise(std::floor(shifted), float(row));
  return mortar ? Argb(0.8f, 0.78f, 0.72f) : Argb(0.65f + 0.15f * n, 0.3f, 0.22f);
}
std::uint32_t RoofTiles(float u, float v) {
  const float wave = 0.5f + 0.5f * std::sin(u * 50.0f);
  return std::fmod(v * 10, 1.0f) < 0.1f ? Argb(0.3f, 0.1f, 0.1f) : Argb(0.55f + 0.2f * wave, 0.18f, 0.15f);
}
std::uint32_t Cloth(float u, float v) {
  return (int(u * 4) + int(v * 4)) % 2 ? Argb(0.95f, 0.85f, 0.1f) : Argb(0.85f, 0.15f, 0.15f);
}
std::uint32_t Metal(float, float v) { return Argb(0.6f + 0.2f * v, 0.6f + 0.2f * v, 0.65f + 0.2f * v); }

struct ParkModel {
  const char* file;
  modelwriter::Model model;
  std::vector<std::pair<std::string, Painter>> textures;  // file name in the textures folder
};

std::vector<ParkModel> BuildModels() {
  std::vector<ParkModel> models;
  {
    ParkModel m{"objects/sky/SkyDome_800m.EFX", {}, {{"skydome_sky.png", Sky}}};
    m.model.meshObjects.push_back(Object("SkyDome", Dome(800, 8, 24), {TexturedMaterial(0, "sky", "skydome_sky.png")}));
    models.push_back(std::move(m));
  }
  {
    ParkModel m{"objects/PK_basemap/basemap.EFX", {}, {{"basemap_grass.png", Grass}}};
    m.model.meshObjects.push_back(Object("basemap", Ground(1280, 16, 64), {TexturedMaterial(0, "grass", "basemap_grass.png")}));
    models.push_back(std::move(m));
  }
  {
    ParkModel m{"objects/PK_basemap/basetree.EFX", {}, {{"basetree_bark.png", Bark}, {"basetree_leaves.png", Leaves}, {"basetree_leafmask.png", LeafMask}}};
    m.model.meshObjects.push_back(Object("basetree_trunk", Frustum({0, 0, 0}, 0.4f, 0.3f, 3, 8), {TexturedMaterial(0, "bark", "basetree_bark.png")}));
    Triangles crown = Frustum({0, 2.5f, 0}, 2.2f, 0.1f, 4.5f, 10);
    m.model.meshObjects.push_back(Object("basetree_crown", crown, {TexturedMaterial(0, "leaves", "basetree_leaves.png", "basetree_leafmask.png")}));
    models.push_back(std::move(m));
  }
  {
    ParkModel m{"objects/builditems/RoadFlag/RoadFlag.EFX", {}, {{"roadflag_pole.png", Metal}, {"roadflag_cloth.png", Cloth}}};
    m.model.meshObjects.push_back(Object("RoadFlag_pole", Frustum({0, 0, 0}, 0.06f, 0.05f, 4, 6), {TexturedMaterial(0, "pole", "roadflag_pole.png")}));
    m.model.meshObjects.push_back(Object("RoadFlag_cloth", Box({0.6f, 0, 0}, {0.55f, 0.35f, 0.02f}, 3.1f, 1), {TexturedMaterial(0, "cloth", "roadflag_cloth.png")}));
    models.push_back(std::move(m));
  }
  {
    ParkModel m{"objects/builditems/Bejarat/Bejarat.EFX", {}, {{"bejarat_brick.png", Brick}, {"bejarat_roof.png", RoofTiles}}};
    Triangles walls = Box({-4, 0, 0}, {1.5f, 3, 1.5f}, 0, 2);
    const Triangles right = Box({4, 0, 0}, {1.5f, 3, 1.5f}, 0, 2);
    walls.insert(walls.end(), right.begin(), right.end());
    const Triangles arch = Box({0, 0, 0}, {2.5f, 0.6f, 1.2f}, 4.8f, 2);
    walls.insert(walls.end(), arch.begin(), arch.end());
    m.model.meshObjects.push_back(Object("Bejarat_walls", walls, {TexturedMaterial(0, "brick", "bejarat_brick.png")}));
    Triangles roofs = Frustum({-4, 6, 0}, 2.3f, 0.05f, 2.5f, 4);
    const Triangles roof2 = Frustum({4, 6, 0}, 2.3f, 0.05f, 2.5f, 4);
    roofs.insert(roofs.end(), roof2.begin(), roof2.end());
    m.model.meshObjects.push_back(Object("Bejarat_roofs", roofs, {TexturedMaterial(0, "roof", "bejarat_roof.png")}));
    modelwriter::Light sun;
    sun.kind = 2;
    sun.name = "Bejarat_lamp";
    sun.position = {0, 8, -3};
    sun.properties[0].type = 3;
    sun.properties[0].colour = {1.0f, 0.95f, 0.8f};
    sun.direction = Vec3{0, -1, 0.2f};
    m.model.lights.push_back(sun);
    models.push_back(std::move(m));
  }
  return models;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: modelgen <park dir>\n");
    return 2;
  }
  const std::filesystem::path park = argv[1];
  for (const ParkModel& m : BuildModels()) {
    const std::filesystem::path file = park / m.file;
    std::filesystem::create_directories(file.parent_path());
    std::string error;
    if (!modelwriter::WriteModelFile(m.model, file.string(), &error)) {
      std::fprintf(stderr, "modelgen: %s\n", error.c_str());
      return 1;
    }
    for (const auto& [name, paint] : m.textures) {
      if (!WriteTexture(file.parent_path() / "textures" / name, paint)) {
        std::fprintf(stderr, "modelgen: cannot write texture %s\n", name.c_str());
        return 1;
      }
    }
  }
  return 0;
}
