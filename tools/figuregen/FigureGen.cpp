// Writes the demo park's skinned figures: the 23 people of the park (the
// visitor kinds with their texture variants, the park characters and the
// staff), the engine scene's walker, a bird that flaps and the turning
// entrance and exit arrows.
#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>

#include "platform/gfx/DdsCodec.h"
#include "platform/gfx/PngWriter.h"
#include "platform/math/Math.h"
#include "tools/figuregen/FigureWriter.h"
#include "tools/figuregen/PeopleFigures.h"

namespace {

namespace fs = std::filesystem;
using figuregen::Box;
using figuregen::Figure;
using plat::Vec3;

constexpr int kKeys = 9;
constexpr int kTextureSize = 32;

// The texture is four colour bands from top to bottom.
Box InBand(int bone, Vec3 min, Vec3 max, int band) {
  return {bone, min, max, band * 0.25f + 0.05f, band * 0.25f + 0.2f};
}

float Wave(float phase) { return std::sin(2 * plat::kPi * phase); }

enum BirdBone { kBody, kBeak, kWingL, kWingR };

Vec3 Fly(int bone, float p) {
  const float s = Wave(p);
  switch (bone) {
    case kWingL:
      return {0, 0, 0.7f * s};
    case kWingR:
      return {0, 0, -0.7f * s};
    case kBeak:
      return {0.1f * Wave(2 * p), 0, 0};
    default:
      return {};
  }
}

Figure Bird(const std::string& texture) {
  Figure f;
  f.rootName = "Root";
  f.textures = {texture};
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

bool WriteText(const fs::path& path, const std::string& text) {
  fs::create_directories(path.parent_path());
  std::ofstream out(path, std::ios::binary);
  out << text;
  return bool(out);
}

bool WriteBands(const fs::path& path, const std::uint32_t (&bands)[4]) {
  constexpr int kSize = 64;
  std::vector<std::uint32_t> pixels(kSize * kSize);
  for (int y = 0; y < kSize; ++y) {
    for (int x = 0; x < kSize; ++x) pixels[std::size_t(y * kSize + x)] = bands[y * 4 / kSize];
  }
  fs::create_directories(path.parent_path());
  return plat::WritePngFile(path.string(), kSize, kSize, pixels.data());
}

bool WriteDds(const fs::path& path, const std::vector<std::uint32_t>& pixels, int size) {
  plat::Image image;
  image.format = plat::Format::A8R8G8B8;
  image.width = image.height = size;
  plat::ImageLevel level;
  level.width = level.height = size;
  level.pitch = size * 4;
  level.bytes.resize(pixels.size() * 4);
  std::memcpy(level.bytes.data(), pixels.data(), level.bytes.size());
  image.levels.push_back(std::move(level));
  plat::BuildMipChain(image);
  std::vector<std::uint8_t> bytes;
  if (!plat::EncodeDds(image, bytes)) return false;
  fs::create_directories(path.parent_path());
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
  return bool(out);
}

// Game paths below the park use backslashes.
fs::path InPark(const fs::path& park, std::string relative) {
  for (char& c : relative) c = c == '\\' ? '/' : c;
  return park / relative;
}

std::string VariantName(const figuregen::TextureSet& set, int variant) {
  if (set.count == 0) return set.pattern;
  char name[128];
  std::snprintf(name, sizeof name, set.pattern.c_str(), variant);
  return name;
}

std::string Stem(const std::string& model) { return fs::path(InPark("", model)).stem().string(); }

bool WriteVisitorKind(const fs::path& park, const figuregen::PersonKind& kind) {
  const fs::path shared = park / "characters/textures";
  const std::string stem = Stem(kind.model);
  const bool hair = !kind.hair.pattern.empty();
  std::vector<std::string> textures = {stem + "_body.dds"};
  if (hair) textures.push_back(stem + "_hair.dds");
  const figuregen::Outfit first = figuregen::VariantOutfit(kind, 1);
  bool ok = WriteText(InPark(park, kind.model), figuregen::WriteXText(figuregen::PersonFigure(kind.build, textures))) &&
            WriteDds(shared / textures[0], figuregen::BodyPixels(first, kTextureSize), kTextureSize);
  if (hair) ok = ok && WriteDds(shared / textures[1], figuregen::HairPixels(first.hair, kTextureSize), kTextureSize);
  const fs::path folder = InPark(park, kind.textureFolder);
  for (int n = 1; ok && n <= kind.body.count; ++n) {
    const figuregen::Outfit outfit = figuregen::VariantOutfit(kind, n);
    ok = WriteDds(folder / VariantName(kind.body, n), figuregen::BodyPixels(outfit, kTextureSize), kTextureSize);
    if (ok && hair && (kind.hair.count > 0 || n == 1)) {
      ok = WriteDds(folder / VariantName(kind.hair, n), figuregen::HairPixels(outfit.hair, kTextureSize), kTextureSize);
    }
  }
  return ok;
}

bool WriteParkPerson(const fs::path& park, const figuregen::FixedPerson& person) {
  return WriteText(InPark(park, person.model),
                   figuregen::WriteXText(figuregen::PersonFigure(person.build, {person.texture}))) &&
         WriteDds(park / "characters/textures" / person.texture, figuregen::BodyPixels(person.outfit, kTextureSize),
                  kTextureSize);
}

// The engine scene's walker: the casual man with one PNG texture.
bool WriteSceneWalker(const fs::path& park) {
  const figuregen::PersonKind& man = figuregen::PersonKinds()[7];
  const fs::path folder = park / "objects/characters";
  const std::vector<std::uint32_t> pixels = figuregen::BodyPixels(figuregen::VariantOutfit(man, 1), kTextureSize);
  fs::create_directories(folder / "textures");
  return WriteText(folder / "casual_m.X",
                   figuregen::WriteXText(figuregen::PersonFigure(man.build, {"casual_m.png"}))) &&
         plat::WritePngFile((folder / "textures/casual_m.png").string(), kTextureSize, kTextureSize, pixels.data());
}

// The park's five birds: one figure in five colourings (body, wings, beak
// and a spare band): a gull, a crow, a dove, a finch and a blackbird.
bool WriteBirds(const fs::path& park) {
  constexpr int kBirdCount = 5;
  const std::uint32_t bands[kBirdCount][4] = {{0xFFE8E8E8u, 0xFF606060u, 0xFF202020u, 0xFFF0A020u},
                                               {0xFF303030u, 0xFF181818u, 0xFF505050u, 0xFF202020u},
                                               {0xFFB8B8C8u, 0xFF8888A0u, 0xFFD0A0A0u, 0xFF707080u},
                                               {0xFFC89030u, 0xFF704818u, 0xFFE0C060u, 0xFF503010u},
                                               {0xFF202020u, 0xFF101010u, 0xFFF0B000u, 0xFF303030u}};
  bool ok = true;
  for (int n = 1; ok && n <= kBirdCount; ++n) {
    char stem[32];  // room for any int
    std::snprintf(stem, sizeof stem, "bird_%02d", n);
    const std::string texture = std::string(stem) + ".png";
    ok = WriteText(park / "objects/animals" / (std::string(stem) + ".X"), figuregen::WriteXText(Bird(texture))) &&
         WriteBands(park / "objects/animals/textures" / texture, bands[n - 1]);
  }
  return ok;
}

// The entrance and exit arrows over a placed object: a downward arrow in
// the object's colour that turns about its upright axis.
Figure ArrowFigure(const std::string& texture) {
  Figure f;
  f.rootName = "Root";
  f.textures = {texture};
  f.bones = {{"Arrow", -1, {0, 0, 0}}};
  f.boxes = {
      InBand(0, {-0.15f, 0.8f, -0.15f}, {0.15f, 2.0f, 0.15f}, 0),
      InBand(0, {-0.45f, 0.55f, -0.45f}, {0.45f, 0.8f, 0.45f}, 1),
      InBand(0, {-0.3f, 0.3f, -0.3f}, {0.3f, 0.55f, 0.3f}, 1),
      InBand(0, {-0.15f, 0.05f, -0.15f}, {0.15f, 0.3f, 0.15f}, 1),
  };
  f.sets = {{"turn", 2.0f, kKeys, [](int, float p) { return Vec3{2 * plat::kPi * p, 0, 0}; }}};
  return f;
}

bool WriteArrows(const fs::path& park) {
  const fs::path folder = park / "objects/builditems/arrow/Arrow_EntranceExit";
  const std::uint32_t exitBands[4] = {0xFFE04030u, 0xFFB02010u, 0xFFE04030u, 0xFFE04030u};
  const std::uint32_t entranceBands[4] = {0xFF40D050u, 0xFF20A030u, 0xFF40D050u, 0xFF40D050u};
  return WriteText(folder / "arrow_exit.X", figuregen::WriteXText(ArrowFigure("arrow_exit.png"))) &&
         WriteBands(folder / "textures/arrow_exit.png", exitBands) &&
         WriteText(folder / "arrow_entrance.X", figuregen::WriteXText(ArrowFigure("arrow_entrance.png"))) &&
         WriteBands(folder / "textures/arrow_entrance.png", entranceBands);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: figuregen <park folder>\n");
    return 2;
  }
  const fs::path park = argv[1];
  bool ok = WriteSceneWalker(park) && WriteBirds(park) && WriteArrows(park);
  for (const figuregen::PersonKind& kind : figuregen::PersonKinds()) ok = ok && WriteVisitorKind(park, kind);
  for (const figuregen::FixedPerson& person : figuregen::ParkPeople()) ok = ok && WriteParkPerson(park, person);
  if (!ok) std::fprintf(stderr, "figuregen: cannot write into %s\n", park.string().c_str());
  return ok ? 0 : 1;
}
