// landtex <park dir>: paints the textures of the park's land and water.
// The five ground layers (grass, sand, rock, earth, flowers) tile without
// seams; the four masks say over the whole land where sand, rock, earth and
// flowers lie on the grass; the footpath atlas holds an 8 by 8 grid of
// 64-texel tiles: the eleven path shapes in the first style (left half) and
// the second (right half), clean (top half) and littered (bottom half),
// transparent outside the path. Then the water's stand-by images and noise
// maps, and the lens flares. Everything is repeatable: fixed seeds only.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <vector>

#include "platform/gfx/DdsCodec.h"
#include "platform/gfx/Image.h"
#include "platform/gfx/PngWriter.h"

namespace {

namespace fs = std::filesystem;

constexpr int kLayerSide = 256;
constexpr int kMaskSide = 512;
constexpr int kAtlasSide = 512;
constexpr int kAtlasTiles = 8;
constexpr int kTileSide = kAtlasSide / kAtlasTiles;
constexpr int kNoiseSide = 256;
constexpr int kFlareSide = 64;
constexpr int kFlareCount = 5;
constexpr double kPi = 3.14159265358979;

struct Rgb {
  double r, g, b;
};

using Painter = std::function<uint32_t(int x, int y)>;

uint32_t Argb(double a, const Rgb& c) {
  auto byte = [](double v) { return uint32_t(std::clamp(v, 0.0, 1.0) * 255.0 + 0.5); };
  return byte(a) << 24 | byte(c.r) << 16 | byte(c.g) << 8 | byte(c.b);
}

Rgb Mix(const Rgb& a, const Rgb& b, double t) {
  return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

Rgb Scale(const Rgb& c, double s) { return {c.r * s, c.g * s, c.b * s}; }

uint32_t Hash(uint32_t seed, int x, int y) {
  uint32_t h = seed ^ (uint32_t(x) * 0x27D4EB2Du) ^ (uint32_t(y) * 0x165667B1u);
  h ^= h >> 15;
  h *= 0x85EBCA6Bu;
  h ^= h >> 13;
  return h;
}

double Random01(uint32_t seed, int x, int y) { return double(Hash(seed, x, y) & 0xFFFF) / 65535.0; }

// Value noise on a lattice of `period` cells that wraps, so the texture tiles.
double TilingNoise(uint32_t seed, double x, double y, int period) {
  const int x0 = int(std::floor(x)), y0 = int(std::floor(y));
  const double tx = x - x0, ty = y - y0;
  const double sx = tx * tx * (3 - 2 * tx), sy = ty * ty * (3 - 2 * ty);
  auto at = [&](int ix, int iy) { return Random01(seed, ((ix % period) + period) % period, ((iy % period) + period) % period); };
  const double top = at(x0, y0) + (at(x0 + 1, y0) - at(x0, y0)) * sx;
  const double bottom = at(x0, y0 + 1) + (at(x0 + 1, y0 + 1) - at(x0, y0 + 1)) * sx;
  return top + (bottom - top) * sy;
}

// Three octaves in 0..1 over a side of `side` texels.
double Fractal(uint32_t seed, int x, int y, int side, int cells) {
  double sum = 0, weight = 0, amplitude = 1;
  for (int octave = 0; octave < 3; ++octave) {
    const int period = cells << octave;
    sum += amplitude * TilingNoise(seed + uint32_t(octave), double(x) * period / side, double(y) * period / side, period);
    weight += amplitude;
    amplitude *= 0.5;
  }
  return sum / weight;
}

std::vector<uint32_t> Paint(int side, const Painter& painter) {
  std::vector<uint32_t> pixels(size_t(side) * side);
  for (int y = 0; y < side; ++y) {
    for (int x = 0; x < side; ++x) pixels[size_t(y) * side + x] = painter(x, y);
  }
  return pixels;
}

bool WriteBytes(const fs::path& path, const std::vector<uint8_t>& bytes) {
  fs::create_directories(path.parent_path());
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
  return bool(out);
}

bool WriteDds(const fs::path& path, int side, const std::vector<uint32_t>& pixels) {
  plat::Image image;
  image.format = plat::Format::A8R8G8B8;
  image.width = image.height = side;
  plat::ImageLevel level;
  level.width = level.height = side;
  level.pitch = side * 4;
  level.bytes.resize(pixels.size() * 4);
  std::memcpy(level.bytes.data(), pixels.data(), level.bytes.size());
  image.levels.push_back(std::move(level));
  plat::BuildMipChain(image);
  std::vector<uint8_t> bytes;
  return plat::EncodeDds(image, bytes) && WriteBytes(path, bytes);
}

// Uncompressed 32-bit, rows from the top.
bool WriteTga(const fs::path& path, int side, const std::vector<uint32_t>& pixels) {
  constexpr uint8_t kTrueColour = 2, kTopLeftWithAlpha = 0x28;
  std::vector<uint8_t> bytes(18, 0);
  bytes[2] = kTrueColour;
  bytes[12] = uint8_t(side & 0xFF);
  bytes[13] = uint8_t(side >> 8);
  bytes[14] = uint8_t(side & 0xFF);
  bytes[15] = uint8_t(side >> 8);
  bytes[16] = 32;
  bytes[17] = kTopLeftWithAlpha;
  for (uint32_t p : pixels) {
    for (int shift : {0, 8, 16, 24}) bytes.push_back(uint8_t(p >> shift));
  }
  return WriteBytes(path, bytes);
}

bool WritePng(const fs::path& path, int side, const std::vector<uint32_t>& pixels) {
  fs::create_directories(path.parent_path());
  return plat::WritePngFile(path.string(), side, side, pixels.data());
}

// --- Ground layers ----------------------------------------------------------

struct Layer {
  const char* file;
  uint32_t seed;
  Rgb dark, light;
  int cells;
  // Small spots of another colour (flowers, pebbles); none when density is 0.
  double spotDensity;
  Rgb spot;
};

const Layer kLayers[] = {
    {"Layer_0.DDS", 11, {0.18, 0.40, 0.12}, {0.36, 0.62, 0.22}, 8, 0.0, {}},
    {"Layer_1.DDS", 23, {0.72, 0.62, 0.42}, {0.90, 0.82, 0.60}, 16, 0.02, {0.60, 0.52, 0.38}},
    {"Layer_2.DDS", 37, {0.38, 0.37, 0.36}, {0.66, 0.64, 0.60}, 4, 0.01, {0.25, 0.25, 0.25}},
    {"Layer_3.DDS", 41, {0.30, 0.20, 0.11}, {0.50, 0.36, 0.22}, 8, 0.015, {0.62, 0.55, 0.45}},
    {"Layer_4.DDS", 53, {0.20, 0.45, 0.14}, {0.32, 0.58, 0.20}, 8, 0.06, {0.95, 0.85, 0.20}},
};

uint32_t LayerTexel(const Layer& layer, int x, int y) {
  Rgb c = Mix(layer.dark, layer.light, Fractal(layer.seed, x, y, kLayerSide, layer.cells));
  if (layer.spotDensity > 0 && Random01(layer.seed * 7 + 1, x / 2, y / 2) < layer.spotDensity) {
    // Flower colours vary from spot to spot.
    const double hue = Random01(layer.seed * 13, x / 2, y / 2);
    c = layer.seed == 53 ? Mix(layer.spot, Rgb{0.95, 0.35, 0.55}, hue) : layer.spot;
  }
  return Argb(1, c);
}

// --- Masks: where the layers above grass show, over the whole land --------

// Land coordinates -512..512 of a mask texel (u along x, v down along -z).
void MaskToLand(int x, int y, double& landX, double& landZ) {
  landX = (x + 0.5) / kMaskSide * 1024.0 - 512.0;
  landZ = 512.0 - (y + 0.5) / kMaskSide * 1024.0;
}

double Smooth(double edge0, double edge1, double v) {
  const double t = std::clamp((v - edge0) / (edge1 - edge0), 0.0, 1.0);
  return t * t * (3 - 2 * t);
}

// Sand round the pond (the hollow at 150, 140) and along the water.
double SandMask(double x, double z, double n) {
  const double pond = std::hypot(x - 150, z - 140);
  return 1.0 - Smooth(70, 110, pond + 30 * (n - 0.5));
}

// Rock on the hills beyond the cell grid.
double RockMask(double x, double z, double n) {
  const double edge = std::max(std::abs(x), std::abs(z));
  return Smooth(300, 380, edge + 60 * (n - 0.5));
}

// Patches of bare earth.
double EarthMask(double n) { return Smooth(0.62, 0.72, n); }

// Flower meadows.
double FlowerMask(double n) { return Smooth(0.60, 0.70, n); }

uint32_t MaskTexel(int which, int x, int y) {
  double landX, landZ;
  MaskToLand(x, y, landX, landZ);
  const double n = Fractal(uint32_t(101 + which), x, y, kMaskSide, 6);
  double m = 0;
  switch (which) {
    case 0: m = SandMask(landX, landZ, n); break;
    case 1: m = RockMask(landX, landZ, n); break;
    case 2: m = EarthMask(n); break;
    default: m = FlowerMask(n); break;
  }
  return Argb(1, {m, m, m});
}

// --- Footpath atlas ---------------------------------------------------------

// Which edges of a tile a shape's path reaches: left, right, top (the upper
// neighbour), bottom.
struct Reach {
  bool left, right, top, bottom;
};
constexpr Reach kShapeReach[11] = {
    {1, 1, 0, 0}, {0, 0, 1, 1}, {0, 1, 1, 0}, {0, 1, 0, 1}, {1, 0, 1, 0}, {1, 0, 0, 1},
    {1, 1, 1, 1}, {1, 1, 1, 0}, {1, 1, 0, 1}, {1, 0, 1, 1}, {0, 1, 1, 1},
};
// Where each shape sits in a quarter of the atlas (column, row).
constexpr int kShapeColumn[11] = {1, 3, 0, 0, 1, 2, 2, 3, 1, 2, 0};
constexpr int kShapeRow[11] = {0, 0, 1, 0, 1, 1, 0, 1, 2, 2, 2};
// The path fills the tile but for this border where it ends.
constexpr int kKerb = 5;
constexpr int kEdgeLine = 3;

struct PathStyle {
  Rgb stone, joint, kerb;
  int brick;  // paving pattern size in texels
};
const PathStyle kStyles[2] = {{{0.70, 0.68, 0.64}, {0.52, 0.50, 0.48}, {0.42, 0.40, 0.38}, 16},
                              {{0.72, 0.38, 0.30}, {0.55, 0.28, 0.22}, {0.40, 0.32, 0.28}, 8}};

// Distance inside the path from its open border, negative outside.
int InsidePath(const Reach& reach, int x, int y) {
  const int last = kTileSide - 1;
  const int dl = reach.left ? kTileSide : x - kKerb;
  const int dr = reach.right ? kTileSide : last - kKerb - x;
  const int dt = reach.top ? kTileSide : y - kKerb;
  const int db = reach.bottom ? kTileSide : last - kKerb - y;
  // Corners between two open sides stay closed when the path does not turn there.
  return std::min({dl, dr, dt, db});
}

uint32_t PathTexel(const Reach& reach, const PathStyle& style, bool littered, int x, int y, uint32_t seed) {
  const int inside = InsidePath(reach, x, y);
  if (inside < 0) return Argb(0, style.kerb);
  if (inside < kEdgeLine) return Argb(1, style.kerb);
  const int row = y / (style.brick / 2);
  const int shift = (row % 2) * style.brick / 2;
  const bool joint = (y % (style.brick / 2)) == 0 || ((x + shift) % style.brick) == 0;
  Rgb c = joint ? style.joint : Scale(style.stone, 0.92 + 0.16 * Random01(seed, (x + shift) / style.brick, row));
  if (littered && Random01(seed + 99, x / 3, y / 3) < 0.06) {
    const Rgb kLitter[3] = {{0.95, 0.95, 0.92}, {0.85, 0.20, 0.15}, {0.20, 0.35, 0.80}};
    c = kLitter[Hash(seed + 7, x / 3, y / 3) % 3];
  }
  return Argb(1, c);
}

// A tile of the atlas not used by any shape stays transparent.
uint32_t AtlasTexel(int x, int y, bool removal) {
  const int column = x / kTileSide, row = y / kTileSide;
  const int styleIndex = column / 4, littered = row / 4;
  for (int shape = 0; shape < 11; ++shape) {
    if (kShapeColumn[shape] != column % 4 || kShapeRow[shape] != row % 4) continue;
    const uint32_t texel = PathTexel(kShapeReach[shape], kStyles[styleIndex], littered, x % kTileSide, y % kTileSide,
                                     uint32_t(shape * 31 + column * 7 + row));
    // The removal preview is the path tinted red.
    if (!removal) return texel;
    const double a = (texel >> 24) / 255.0;
    const Rgb c{((texel >> 16) & 0xFF) / 255.0, ((texel >> 8) & 0xFF) / 255.0, (texel & 0xFF) / 255.0};
    return Argb(a, Mix(c, Rgb{0.9, 0.1, 0.1}, 0.55));
  }
  return 0;
}

// --- Water, sky, noise, flares ---------------------------------------------

uint32_t WaterTexel(int x, int y) {
  const double n = Fractal(301, x, y, kNoiseSide, 8);
  return Argb(1, Mix({0.05, 0.22, 0.28}, {0.12, 0.38, 0.42}, n));
}

uint32_t SkyTexel(int x, int y) {
  const double height = double(y) / kNoiseSide;
  const double cloud = Smooth(0.55, 0.75, Fractal(401, x, y, kNoiseSide, 4));
  return Argb(1, Mix(Mix({0.38, 0.58, 0.88}, {0.78, 0.87, 0.96}, height), {1, 1, 1}, cloud * 0.8));
}

// A tangent-space normal map from a height field's slopes.
uint32_t NormalTexel(uint32_t seed, int cells, int x, int y) {
  auto h = [&](int px, int py) { return Fractal(seed, (px + kNoiseSide) % kNoiseSide, (py + kNoiseSide) % kNoiseSide, kNoiseSide, cells); };
  const double dx = (h(x + 1, y) - h(x - 1, y)) * 6.0, dy = (h(x, y + 1) - h(x, y - 1)) * 6.0;
  const double length = std::sqrt(dx * dx + dy * dy + 1.0);
  return Argb(1, {(-dx / length) * 0.5 + 0.5, (-dy / length) * 0.5 + 0.5, (1.0 / length) * 0.5 + 0.5});
}

// Distortion offsets in red and green, 0.5 for none.
uint32_t DudvTexel(uint32_t seed, int cells, int x, int y) {
  return Argb(1, {Fractal(seed, x, y, kNoiseSide, cells), Fractal(seed + 50, x, y, kNoiseSide, cells), 0.5});
}

// Soft round glows and a ring, for the flares along the sun's line.
uint32_t FlareTexel(int which, int x, int y) {
  const double d = std::hypot(x + 0.5 - kFlareSide / 2.0, y + 0.5 - kFlareSide / 2.0) / (kFlareSide / 2.0);
  const Rgb kColours[kFlareCount] = {{1, 0.95, 0.8}, {0.6, 0.8, 1}, {1, 0.7, 0.5}, {0.7, 1, 0.7}, {1, 1, 1}};
  double a = which == 3 ? std::exp(-std::pow((d - 0.75) / 0.08, 2)) : std::pow(std::max(0.0, 1.0 - d), 1.5 + which);
  if (which == 4) a = std::max(a, 0.5 * std::pow(std::abs(std::cos(std::atan2(y - 32.0, x - 32.0) * 3)), 20) * (1 - d));
  return Argb(std::clamp(a, 0.0, 1.0), kColours[which]);
}

bool WriteLand(const fs::path& park) {
  const fs::path layer = park / "images/layer";
  bool ok = true;
  for (const Layer& l : kLayers) {
    ok = ok && WriteDds(layer / l.file, kLayerSide, Paint(kLayerSide, [&](int x, int y) { return LayerTexel(l, x, y); }));
  }
  const char* masks[4] = {"apm0.dds", "apm1.dds", "apm2.dds", "road_apm2.dds"};
  for (int m = 0; ok && m < 4; ++m) {
    ok = WriteDds(layer / masks[m], kMaskSide, Paint(kMaskSide, [&](int x, int y) { return MaskTexel(m, x, y); }));
  }
  const std::vector<uint32_t> atlas = Paint(kAtlasSide, [](int x, int y) { return AtlasTexel(x, y, false); });
  return ok && WriteDds(layer / "road_2fele.dds", kAtlasSide, atlas) &&
         WriteDds(layer / "road_2fele_utepit_512.dds", kAtlasSide, atlas) &&
         WriteDds(layer / "road_2fele_uttorol_512.dds", kAtlasSide,
                  Paint(kAtlasSide, [](int x, int y) { return AtlasTexel(x, y, true); }));
}

bool WriteWater(const fs::path& park) {
  const fs::path water = park / "images/water";
  struct Noise {
    const char* file;
    bool normals;
    uint32_t seed;
    int cells;
  };
  const Noise kNoise[] = {{"noise_6_detail5_2x5pxblur_normals.tga", true, 501, 6},
                          {"noise_8_detail5_6x5pxblur_normals.tga", true, 503, 8},
                          {"noise_6_detail5_5x5pxblur_dudv.tga", false, 505, 6},
                          {"noise_8_detail5_2x8pxblur_dudv.tga", false, 507, 8}};
  bool ok = WriteDds(water / "water_001.dds", kNoiseSide, Paint(kNoiseSide, WaterTexel)) &&
            WriteDds(water / "skyDomeTex_01.DDS", kNoiseSide, Paint(kNoiseSide, SkyTexel));
  for (const Noise& n : kNoise) {
    ok = ok && WriteTga(water / n.file, kNoiseSide, Paint(kNoiseSide, [&](int x, int y) {
                          return n.normals ? NormalTexel(n.seed, n.cells, x, y) : DudvTexel(n.seed, n.cells, x, y);
                        }));
  }
  return ok;
}

bool WriteFlares(const fs::path& park) {
  bool ok = true;
  for (int f = 0; ok && f < kFlareCount; ++f) {
    char name[32];
    std::snprintf(name, sizeof name, "lens_%03d.png", f + 1);
    ok = WritePng(park / "images/particles/lens" / name, kFlareSide,
                  Paint(kFlareSide, [&](int x, int y) { return FlareTexel(f, x, y); }));
  }
  return ok;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: landtex <park folder>\n");
    return 2;
  }
  const fs::path park = argv[1];
  const bool ok = WriteLand(park) && WriteWater(park) && WriteFlares(park);
  if (!ok) std::fprintf(stderr, "landtex: cannot write into %s\n", park.string().c_str());
  return ok ? 0 : 1;
}
