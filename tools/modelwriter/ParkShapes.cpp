#include "tools/modelwriter/ParkShapes.h"

#include <cmath>
#include <optional>

#include "platform/gfx/PngWriter.h"

namespace parkshapes {


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
Triangles Dome(float radius, float lowestPitch, int rings, int sides) {
  Triangles out;
  auto point = [&](int ring, int side) {
    const float pitch = lowestPitch + (0.5f * kPi - lowestPitch) * float(ring) / float(rings);
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

namespace {

constexpr float kNoOffset = 0.0f;
constexpr float kPlainTiling = 1.0f;

}  // namespace

modelwriter::Material TexturedMaterial(int number, const std::string& name, const std::string& colourFile,
                                       const std::string& opacityFile) {
  modelwriter::Material m;
  m.number = number;
  m.name = name;
  m.power = 20;
  modelwriter::TextureMap colour;
  colour.name = name + " colour";
  colour.kind = 1;
  colour.file = "textures\\" + colourFile;
  // A model's texture coordinates are stored times the tiling of its only
  // map: the map says "as they stand" (no offset, tiling 1).
  colour.values = {kNoOffset, kNoOffset, kPlainTiling, kPlainTiling, std::nullopt};
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

std::uint32_t Argb(float r, float g, float b, float a) {
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

void Append(Triangles& out, const Triangles& more) { out.insert(out.end(), more.begin(), more.end()); }

Triangles Disc(const Vec3& centre, float radius, int sides) {
  Triangles out;
  const Vec3 up{0, 1, 0};
  for (int i = 0; i < sides; ++i) {
    const float a0 = 2 * kPi * float(i) / float(sides), a1 = 2 * kPi * float(i + 1) / float(sides);
    const Vertex c = MakeVertex(centre, up, 0.5f, 0.5f);
    const Vertex p1 = MakeVertex(Add(centre, {radius * std::cos(a1), 0, radius * std::sin(a1)}), up,
                                 0.5f + 0.5f * std::cos(a1), 0.5f + 0.5f * std::sin(a1));
    const Vertex p0 = MakeVertex(Add(centre, {radius * std::cos(a0), 0, radius * std::sin(a0)}), up,
                                 0.5f + 0.5f * std::cos(a0), 0.5f + 0.5f * std::sin(a0));
    for (const Vertex* v : {&c, &p1, &p0}) out.push_back(*v);
  }
  return out;
}

Triangles Ball(const Vec3& centre, const Vec3& radii, int rings, int sides) {
  Triangles out;
  auto point = [&](int ring, int side) {
    const float pitch = kPi * float(ring) / float(rings) - 0.5f * kPi;
    const float yaw = 2 * kPi * float(side) / float(sides);
    const Vec3 n{std::cos(pitch) * std::cos(yaw), std::sin(pitch), std::cos(pitch) * std::sin(yaw)};
    return MakeVertex(Add(centre, {radii.x * n.x, radii.y * n.y, radii.z * n.z}), n, float(side) / float(sides),
                      float(ring) / float(rings));
  };
  for (int r = 0; r < rings; ++r) {
    for (int s = 0; s < sides; ++s) Quad(out, point(r, s), point(r + 1, s), point(r + 1, s + 1), point(r, s + 1));
  }
  return out;
}

}  // namespace parkshapes
