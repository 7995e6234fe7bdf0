// Writes the demo park's skinned figures: a visitor (casual_m.X) with the
// sets the game plays and a bird (bird_01.X) that flaps, each with its
// texture in the model's textures folder.
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "platform/gfx/PngWriter.h"
#include "platform/math/Math.h"
#include "tools/figuregen/FigureWriter.h"

namespace {

using figuregen::AnimationSetSpec;
using figuregen::Box;
using figuregen::Figure;
using plat::Vec3;

constexpr int kKeys = 9;

// The texture is four colour bands from top to bottom.
Box InBand(int bone, Vec3 min, Vec3 max, int band) {
  return {bone, min, max, band * 0.25f + 0.05f, band * 0.25f + 0.2f};
}

float Wave(float phase) { return std::sin(2 * plat::kPi * phase); }
float Rise(float phase) { return 0.5f - 0.5f * std::cos(2 * plat::kPi * phase); }

enum PersonBone { kHips, kSpine, kHead, kArmL, kArmR, kLegL, kLegR };
enum PersonBand { kSkin, kShirt, kTrousers, kHair };

Vec3 Walk(int bone, float p) {
  const float s = Wave(p);
  switch (bone) {
    case kLegL: return {0.45f * s, 0, 0};
    case kLegR: return {-0.45f * s, 0, 0};
    case kArmL: return {-0.35f * s, 0, 0};
    case kArmR: return {0.35f * s, 0, 0};
    case kSpine: return {0, 0.05f * s, 0};
    default: return {};
  }
}

Vec3 Idle(int bone, float p) {
  const float s = Wave(p);
  switch (bone) {
    case kSpine: return {0, 0, 0.04f * s};
    case kHead: return {0, 0.25f * s, 0};
    case kArmL: return {0, 0, 0.05f * s};
    case kArmR: return {0, 0, -0.05f * s};
    default: return {};
  }
}

Vec3 Work(int bone, float p) {
  const float c = Rise(p);
  switch (bone) {
    case kArmL:
    case kArmR: return {-(0.4f + 1.0f * c), 0, 0};
    case kSpine: return {0.25f * c, 0, 0};
    default: return {};
  }
}

Vec3 Watering(int bone, float p) {
  switch (bone) {
    case kArmR: return {-1.2f + 0.08f * Wave(p), 0, 0};
    case kHead: return {0.2f, 0, 0};
    case kSpine: return {0.1f, 0, 0};
    default: return {};
  }
}

Vec3 Magic(int bone, float p) {
  const float s = Wave(p);
  switch (bone) {
    case kArmL: return {-2.6f + 0.15f * s, 0, 0.3f};
    case kArmR: return {-2.6f - 0.15f * s, 0, -0.3f};
    case kSpine: return {0, 0.2f * s, 0};
    case kHead: return {-0.2f, 0, 0};
    default: return {};
  }
}

Figure Person() {
  Figure f;
  f.rootName = "Root";
  f.texture = "casual_m.png";
  f.bones = {
      {"Hips", -1, {0, 0.95f, 0}},        {"Spine", kHips, {0, 0.1f, 0}},
      {"Head", kSpine, {0, 0.55f, 0}},    {"ArmL", kSpine, {-0.25f, 0.5f, 0}},
      {"ArmR", kSpine, {0.25f, 0.5f, 0}}, {"LegL", kHips, {-0.1f, 0, 0}},
      {"LegR", kHips, {0.1f, 0, 0}},
  };
  f.boxes = {
      InBand(kHips, {-0.17f, 0.85f, -0.1f}, {0.17f, 1.0f, 0.1f}, kTrousers),
      InBand(kSpine, {-0.18f, 1.0f, -0.1f}, {0.18f, 1.6f, 0.1f}, kShirt),
      InBand(kHead, {-0.11f, 1.62f, -0.11f}, {0.11f, 1.86f, 0.11f}, kSkin),
      InBand(kHead, {-0.12f, 1.86f, -0.12f}, {0.12f, 1.92f, 0.12f}, kHair),
      InBand(kArmL, {-0.3f, 0.95f, -0.05f}, {-0.2f, 1.55f, 0.05f}, kShirt),
      InBand(kArmR, {0.2f, 0.95f, -0.05f}, {0.3f, 1.55f, 0.05f}, kShirt),
      InBand(kLegL, {-0.16f, 0.0f, -0.06f}, {-0.04f, 0.95f, 0.06f}, kTrousers),
      InBand(kLegR, {0.04f, 0.0f, -0.06f}, {0.16f, 0.95f, 0.06f}, kTrousers),
  };
  f.sets = {
      {"walk", 1.0f, kKeys, Walk},         {"idle", 2.0f, kKeys, Idle},
      {"work", 1.2f, kKeys, Work},         {"watering", 2.0f, kKeys, Watering},
      {"magic", 1.5f, kKeys, Magic},
  };
  return f;
}

enum BirdBone { kBody, kBeak, kWingL, kWingR };

Vec3 Fly(int bone, float p) {
  const float s = Wave(p);
  switch (bone) {
    case kWingL: return {0, 0, 0.7f * s};
    case kWingR: return {0, 0, -0.7f * s};
    case kBeak: return {0.1f * Wave(2 * p), 0, 0};
    default: return {};
  }
}

Figure Bird() {
  Figure f;
  f.rootName = "Root";
  f.texture = "bird_01.png";
  f.bones = {
      {"Body", -1, {0, 0, 0}},
      {"Head", kBody, {0, 0.04f, -0.12f}},
      {"WingL", kBody, {-0.05f, 0.02f, 0}},
      {"WingR", kBody, {0.05f, 0.02f, 0}},
  };
  f.boxes = {
      InBand(kBody, {-0.05f, -0.04f, -0.12f}, {0.05f, 0.04f, 0.12f}, 0),
      InBand(kBeak, {-0.035f, 0.02f, -0.18f}, {0.035f, 0.08f, -0.1f}, 2),
      InBand(kWingL, {-0.3f, 0.015f, -0.06f}, {-0.05f, 0.025f, 0.06f}, 1),
      InBand(kWingR, {0.05f, 0.015f, -0.06f}, {0.3f, 0.025f, 0.06f}, 1),
  };
  f.sets = {{"fly", 0.5f, kKeys, Fly}};
  return f;
}

bool WriteText(const std::filesystem::path& path, const std::string& text) {
  std::filesystem::create_directories(path.parent_path());
  std::ofstream out(path, std::ios::binary);
  out << text;
  return bool(out);
}

bool WriteBands(const std::filesystem::path& path, const std::uint32_t (&bands)[4]) {
  constexpr int kSize = 64;
  std::vector<std::uint32_t> pixels(kSize * kSize);
  for (int y = 0; y < kSize; ++y) {
    for (int x = 0; x < kSize; ++x) pixels[std::size_t(y * kSize + x)] = bands[y * 4 / kSize];
  }
  std::filesystem::create_directories(path.parent_path());
  return plat::WritePngFile(path.string(), kSize, kSize, pixels.data());
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: figuregen <park folder>\n");
    return 2;
  }
  const std::filesystem::path park = argv[1];
  const std::uint32_t personBands[4] = {0xFFE0B090u, 0xFF3060C0u, 0xFF404040u, 0xFF503010u};
  const std::uint32_t birdBands[4] = {0xFFE8E8E8u, 0xFF606060u, 0xFF202020u, 0xFFF0A020u};
  const bool ok =
      WriteText(park / "objects/characters/casual_m.X", figuregen::WriteXText(Person())) &&
      WriteBands(park / "objects/characters/textures/casual_m.png", personBands) &&
      WriteText(park / "objects/animals/bird_01.X", figuregen::WriteXText(Bird())) &&
      WriteBands(park / "objects/animals/textures/bird_01.png", birdBands);
  if (!ok) std::fprintf(stderr, "figuregen: cannot write into %s\n", park.string().c_str());
  return ok ? 0 : 1;
}
