#pragma once
// The shapes, materials and procedural textures the demo park's models are
// built from, shared by the scene models and the object-type models.
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "tools/modelwriter/ModelWriter.h"

namespace parkshapes {

using modelwriter::Vec3;
using modelwriter::Vertex;
using Triangles = std::vector<Vertex>;

constexpr float kPi = 3.14159265f;
constexpr int kTextureSize = 64;

Vec3 Add(const Vec3& a, const Vec3& b);
Vertex MakeVertex(const Vec3& p, const Vec3& n, float u, float v);
// Two triangles a-b-c, a-c-d, wound clockwise seen from the normal's side.
void Quad(Triangles& out, const Vertex& a, const Vertex& b, const Vertex& c, const Vertex& d);
void Append(Triangles& out, const Triangles& more);
// An axis-aligned box standing on y = base, its faces tiled tiles times.
Triangles Box(const Vec3& centre, const Vec3& half, float base, float tiles);
// A ring of sides from radius r0 at the base to r1 at the height (a cylinder or a cone).
Triangles Frustum(const Vec3& base, float r0, float r1, float height, int sides);
// A flat disc facing up at the centre's height.
Triangles Disc(const Vec3& centre, float radius, int sides);
// A sphere squashed to the given half heights, its normals outward.
Triangles Ball(const Vec3& centre, const Vec3& radii, int rings, int sides);
// The inside of a sphere from lowestPitch (radians, negative below its
// middle) to its top: the sky seen from below.
Triangles Dome(float radius, float lowestPitch, int rings, int sides);

modelwriter::Material TexturedMaterial(int number, const std::string& name, const std::string& colourFile,
                                       const std::string& opacityFile = {});
modelwriter::MeshObject Object(const std::string& name, const Triangles& triangles,
                               std::vector<modelwriter::Material> materials);

// Textures: a colour per texel from (u, v) in 0..1.
using Painter = std::function<std::uint32_t(float u, float v)>;
std::uint32_t Argb(float r, float g, float b, float a = 1.0f);
// A repeatable value noise in 0..1.
float Noise(float u, float v);
bool WriteTexture(const std::filesystem::path& path, const Painter& paint);

struct ParkModel {
  std::string file;
  modelwriter::Model model;
  std::vector<std::pair<std::string, Painter>> textures;  // file name in the textures folder
};

}  // namespace parkshapes
