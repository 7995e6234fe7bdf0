// modelgen <park dir>: builds the demo park's static models with their
// procedural textures: the sky dome, the ground base map, a tree, the road
// flag and the entrance building, and the models of every object type the
// park can place (ParkObjectModels.cpp).
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "platform/gfx/PngWriter.h"
#include "tools/modelwriter/ModelWriter.h"
#include "tools/modelwriter/ParkGround.h"
#include "tools/modelwriter/ParkObjectModels.h"
#include "tools/modelwriter/ParkShapes.h"

namespace {

using namespace parkshapes;

// The sky: the game hangs the dome 60 above the ground under the camera; it
// reaches 300 below its middle, so that it closes the view beyond the land's
// edge (512 out) as well.
constexpr float kSkyRadius = 800;
constexpr float kSkyLowestPitch = -0.39f;
constexpr int kSkyRings = 10;
constexpr int kSkySides = 24;

// The ground: quads of 8 by 8 units, two height-map samples a side, in
// four parts.
constexpr int kGroundCells = 128;
constexpr int kGroundPieces = 2;

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

// The icons over the attractions are added onto the scene: black shows
// nothing, bright shows. A magnifying glass over a roof opens the upgrades.
std::uint32_t UpgradeIcon(float u, float v) {
  const float dx = u - 0.42f, dy = v - 0.42f;
  const float r = std::sqrt(dx * dx + dy * dy);
  const bool rim = r > 0.24f && r < 0.32f;
  const bool handle = u > 0.6f && v > 0.6f && std::fabs((u - v)) < 0.07f && u < 0.9f;
  const bool roof = r < 0.24f && v > 0.3f + std::fabs(u - 0.42f) && v < 0.5f;
  const bool house = r < 0.24f && v >= 0.5f && std::fabs(u - 0.42f) < 0.12f;
  if (rim || handle) return Argb(1.0f, 0.8f, 0.2f);
  if (roof) return Argb(0.9f, 0.3f, 0.2f);
  if (house) return Argb(0.9f, 0.9f, 0.8f);
  return Argb(0, 0, 0);
}
// A keyhole in a round plate plays the attraction's film.
std::uint32_t FilmIcon(float u, float v) {
  const float dx = u - 0.5f, dy = v - 0.5f;
  const float r = std::sqrt(dx * dx + dy * dy);
  const float hx = u - 0.5f, hy = v - 0.4f;
  const bool hole = hx * hx + hy * hy < 0.012f || (v > 0.4f && v < 0.75f && std::fabs(hx) < 0.03f + (v - 0.4f) * 0.2f);
  if (r < 0.45f && !hole) return Argb(0.3f + 0.5f * (1 - r), 0.6f + 0.3f * (1 - r), 1.0f);
  return Argb(0, 0, 0);
}
const std::pair<const char*, std::uint32_t (*)(float, float)> kIconPictures[] = {
    {"images/icons/nagyitoEpulettel_64x64.png", UpgradeIcon},
    {"images/icons/kulcslyuk64x64.png", FilmIcon},
};



std::vector<ParkModel> BuildModels() {
  std::vector<ParkModel> models;
  {
    ParkModel m{"objects/sky/SkyDome_800m.EFX", {}, {{"skydome_sky.png", Sky}}};
    m.model.meshObjects.push_back(Object("SkyDome", Dome(kSkyRadius, kSkyLowestPitch, kSkyRings, kSkySides), {TexturedMaterial(0, "sky", "skydome_sky.png")}));
    models.push_back(std::move(m));
  }
  {
    ParkModel m{"objects/PK_basemap/basemap.EFX", {}, {{"basemap_grass.png", Grass}}};
    int piece = 0;
    for (const Triangles& part : ParkGround(kGroundCells, kGroundPieces)) {
      m.model.meshObjects.push_back(Object("basemap_" + std::to_string(piece++), part,
                                           {TexturedMaterial(0, "grass", "basemap_grass.png")}));
    }
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
  std::vector<ParkModel> models = BuildModels();
  for (ParkModel& m : BuildObjectModels()) models.push_back(std::move(m));
  for (const ParkModel& m : models) {
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
  for (const auto& [file, paint] : kIconPictures) {
    if (!WriteTexture(park / file, paint)) {
      std::fprintf(stderr, "modelgen: cannot write %s\n", file);
      return 1;
    }
  }
  return 0;
}
