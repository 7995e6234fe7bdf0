#include "tools/modelwriter/ParkGround.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "tools/heightmapgen/ParkLand.h"
#include "world/TerrainHeights.h"

namespace parkshapes {

namespace {

constexpr int kSide = parkland::kSide;
constexpr float kLandHalf = float(parkland::kLandHalf);
constexpr float kSampleStep = 2.0f * kLandHalf / float(kSide - 1);

// The land's heights at its samples, smoothed as the terrain object smooths them.
std::vector<float> SampleHeights() {
  std::vector<float> samples(size_t(kSide) * size_t(kSide));
  for (int row = 0; row < kSide; ++row) {
    for (int column = 0; column < kSide; ++column) {
      samples[size_t(row) * kSide + size_t(column)] = float(parkland::SampleAt(column, row));
    }
  }
  terrain::SmoothSamples(samples, kSide, kSide);
  for (float& sample : samples) sample = terrain::SampleHeight(sample);
  return samples;
}

// Between the samples as the terrain object interpolates them, sunk as it
// sinks what stands on it.
float HeightAt(const std::vector<float>& heights, float x, float z) {
  const float fx = std::clamp((x + kLandHalf) / kSampleStep, 0.0f, float(kSide - 1));
  const float fz = std::clamp((z + kLandHalf) / kSampleStep, 0.0f, float(kSide - 1));
  const int ix = std::min(int(fx), kSide - 2), iz = std::min(int(fz), kSide - 2);
  const float tx = fx - float(ix), tz = fz - float(iz);
  const auto at = [&](int c, int r) { return heights[size_t(r) * kSide + size_t(c)]; };
  const float h0 = at(ix, iz) + (at(ix + 1, iz) - at(ix, iz)) * tx;
  const float h1 = at(ix, iz + 1) + (at(ix + 1, iz + 1) - at(ix, iz + 1)) * tx;
  return h0 + (h1 - h0) * tz - terrain::kGroundSink;
}

}  // namespace

std::vector<Triangles> ParkGround(int cells, int pieces) {
  const std::vector<float> heights = SampleHeights();
  const float step = 2.0f * kLandHalf / float(cells);
  const auto at = [&](int a, int b) {
    const float x = -kLandHalf + step * float(a), z = -kLandHalf + step * float(b);
    const float y = HeightAt(heights, x, z);
    // Slopes from the neighbours a cell away on each side.
    const float dx = HeightAt(heights, x + step, z) - HeightAt(heights, x - step, z);
    const float dz = HeightAt(heights, x, z + step) - HeightAt(heights, x, z - step);
    const float length = std::sqrt(dx * dx + dz * dz + 4.0f * step * step);
    Vertex v = MakeVertex({x, y, z}, {-dx / length, 2.0f * step / length, -dz / length}, float(a) / float(cells),
                          1.0f - float(b) / float(cells));
    v.su = v.u;
    v.sv = v.v;
    return v;
  };
  const int cellsPerPiece = cells / pieces;
  std::vector<Triangles> out(size_t(pieces) * size_t(pieces));
  for (int i = 0; i < cellsPerPiece * pieces; ++i) {
    for (int j = 0; j < cellsPerPiece * pieces; ++j) {
      Triangles& piece = out[size_t(i / cellsPerPiece) * size_t(pieces) + size_t(j / cellsPerPiece)];
      Quad(piece, at(i, j), at(i, j + 1), at(i + 1, j + 1), at(i + 1, j));
    }
  }
  return out;
}

}  // namespace parkshapes
