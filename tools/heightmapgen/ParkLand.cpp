// The demo park's land: the grey of its height map at each point of the
// world square -512..512. Grey 128 is the park's level ground (1.1 above
// the water's 0 line at -0.5 once built); the park around the entrance is
// perfectly flat, a gentle hill rises in the west, a hollow in the north-east
// lies below the water so that a pond shows there, and rolling hills outside
// the cell grid close the view. The height map and the ground model are both
// made from it.
#include "tools/heightmapgen/ParkLand.h"

#include <algorithm>
#include <cmath>

namespace parkland {

namespace {

constexpr double kLevelGround = 128.0;
// The cell grid covers -256..256; beyond it the hills begin.
constexpr double kGridHalf = 256.0;

// The entrance square, kept exactly level (world x and z).
constexpr double kEntranceMinX = -96, kEntranceMaxX = 96, kEntranceMinZ = -240, kEntranceMaxZ = -112;
// Feathering from the level entrance square into the rest of the park.
constexpr double kEntranceFeather = 64;

struct Mound {
  double x, z, radius, height;  // height in grey levels, negative for a hollow
};
constexpr Mound kWestHill{-170, 60, 80, 22};
constexpr Mound kSouthEastKnoll{175, -175, 45, 12};
// Its floor at grey 94 lies 3.7 below the water.
constexpr Mound kPondHollow{150, 140, 90, -34};

constexpr double kOuterHillHeight = 70;
constexpr double kNoiseAmplitude = 5;
// Ground inside the grid stays smooth; the noise fades in beyond it.
constexpr double kNoiseFeather = 48;
constexpr uint32_t kSeed = 0x5EED2026u;

double SmoothStep(double edge0, double edge1, double v) {
  const double t = std::clamp((v - edge0) / (edge1 - edge0), 0.0, 1.0);
  return t * t * (3.0 - 2.0 * t);
}

// Repeatable lattice noise in -1..1.
double Lattice(int x, int z) {
  uint32_t h = kSeed ^ (uint32_t(x) * 0x27D4EB2Du) ^ (uint32_t(z) * 0x165667B1u);
  h ^= h >> 15;
  h *= 0x85EBCA6Bu;
  h ^= h >> 13;
  return double(h & 0xFFFF) / 32767.5 - 1.0;
}

double ValueNoise(double x, double z) {
  const int x0 = int(std::floor(x)), z0 = int(std::floor(z));
  const double tx = SmoothStep(0, 1, x - x0), tz = SmoothStep(0, 1, z - z0);
  const double top = Lattice(x0, z0) + (Lattice(x0 + 1, z0) - Lattice(x0, z0)) * tx;
  const double bottom = Lattice(x0, z0 + 1) + (Lattice(x0 + 1, z0 + 1) - Lattice(x0, z0 + 1)) * tx;
  return top + (bottom - top) * tz;
}

// Two octaves over a few hundred units.
double Undulation(double x, double z) { return ValueNoise(x / 180, z / 180) + 0.5 * ValueNoise(x / 70, z / 70); }

double MoundAt(const Mound& m, double x, double z) {
  const double d = std::hypot(x - m.x, z - m.z) / m.radius;
  return m.height * (1.0 - SmoothStep(0.0, 1.0, d));
}

// 0 inside the entrance square, rising to 1 beyond its feathered edge.
double AwayFromEntrance(double x, double z) {
  const double dx = std::max({kEntranceMinX - x, 0.0, x - kEntranceMaxX});
  const double dz = std::max({kEntranceMinZ - z, 0.0, z - kEntranceMaxZ});
  return SmoothStep(0.0, kEntranceFeather, std::hypot(dx, dz));
}

}  // namespace

double GreyAt(double x, double z) {
  const double beyondGrid = std::max(std::fabs(x), std::fabs(z)) - kGridHalf;
  const double outer = kOuterHillHeight * SmoothStep(0.0, kLandHalf - kGridHalf, beyondGrid) *
                       (0.7 + 0.3 * ValueNoise(x / 120 + 11, z / 120 - 7));
  const double noise = kNoiseAmplitude * Undulation(x, z) * SmoothStep(0.0, kNoiseFeather, beyondGrid);
  const double park = MoundAt(kWestHill, x, z) + MoundAt(kSouthEastKnoll, x, z) + MoundAt(kPondHollow, x, z);
  return kLevelGround + AwayFromEntrance(x, z) * park + noise + outer;
}

std::uint8_t SampleAt(int column, int row) {
  const double step = 2 * kLandHalf / (kSide - 1);
  return static_cast<std::uint8_t>(
      std::clamp(std::lround(GreyAt(column * step - kLandHalf, row * step - kLandHalf)), 0l, 255l));
}

}  // namespace parkland
