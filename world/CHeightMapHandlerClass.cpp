#include "world/CHeightMapHandlerClass.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "engine/core/VectorHelpers.h"
#include "engine/render/ZOdevuvTexture.h"
#include "platform/gfx/Texture.h"
#include "platform/math/Math.h"
#include "platform/os/DebugOutput.h"
#include "world/PickGeometry.h"
#include "world/TerrainHeights.h"

namespace {

constexpr int kBytesPerTexel = 4;
enum TexelByte { kBlue, kGreen, kRed };
constexpr float kChannels = 3.0f;
constexpr float kInverseLandSide = 0.0009765625f;  // 1 / 1024
constexpr float kPickRayLength = 100000.0f;
// Picking searches this many quads on each side of the ray's ground crossing.
constexpr int32_t kPickWindow = 10;
// 0.99 of a full turn: a point inside a triangle sees its corners round 2 pi.
constexpr double kInsideAngleSum = 6.220353454107791;

}  // namespace

CHeightMapHandlerClass::CHeightMapHandlerClass() : m_cells(kCellCount) {}

CHeightMapHandlerClass::~CHeightMapHandlerClass() = default;

bool CHeightMapHandlerClass::CheckImage(const ZOdevuvTexture& texture, const char* fileName) const {
  const std::string name = fileName ? fileName : "";
  const auto refuse = [&](const char* why) {
    plat::OutputDebugString(std::string("Height map ") + name + ": " + why + "\n");
    return false;
  };
  if (!texture.GetTexture()) return refuse("cannot be loaded");
  const plat::SurfaceDesc& desc = texture.GetSurfaceDesc();
  if (desc.format != plat::Format::A8R8G8B8 && desc.format != plat::Format::X8R8G8B8) {
    return refuse("is not a 32-bit image");
  }
  if (desc.width != desc.height) return refuse("is not square");
  if (desc.width < kMinImageSide) return refuse("is too small");
  return true;
}

void CHeightMapHandlerClass::FreeHeightMap() {
  m_heightMapTexture.reset();
  m_samples.clear();
  m_vertices.clear();
  m_imageWidth = m_imageHeight = m_columns = m_rows = 0;
}

bool CHeightMapHandlerClass::LoadHeightMap(const char* fileName) {
  FreeHeightMap();
  auto texture = std::make_unique<ZOdevuvTexture>();
  texture->LoadFromFile(fileName);
  if (!CheckImage(*texture, fileName)) return false;
  const int32_t side = texture->GetSurfaceDesc().width;
  m_imageWidth = m_imageHeight = m_columns = m_rows = side;
  m_samples.assign(size_t(side) * size_t(side), 0.0f);
  m_heightMapTexture = std::move(texture);
  return true;
}

void CHeightMapHandlerClass::Init(const EngineString& baseFolder) {
  m_baseFolder = baseFolder;
  ComputeHeights();
  InitCells();
  LoadLayerTextures();
}

void CHeightMapHandlerClass::ComputeHeights() {
  if (!m_heightMapTexture || !m_heightMapTexture->GetTexture()) return;
  plat::Texture& texture = *m_heightMapTexture->GetTexture();
  plat::LockedRect locked;
  if (!texture.LockRect(0, locked)) return;
  for (int32_t y = 0; y < m_rows; ++y) {
    const uint8_t* row = locked.bits + size_t(y) * size_t(locked.pitch);
    float* samples = &m_samples[size_t(m_rows - 1 - y) * m_columns];
    for (int32_t x = 0; x < m_columns; ++x) {
      const uint8_t* texel = row + size_t(x) * kBytesPerTexel;
      samples[x] = float(texel[kRed] + texel[kGreen] + texel[kBlue]) / kChannels;
    }
  }
  texture.UnlockRect(0);
  terrain::SmoothSamples(m_samples, m_columns, m_rows);
}

void CHeightMapHandlerClass::BuildVertices() {
  m_vertices.assign(m_samples.size(), TerrainVertex{});
  if (m_columns < kMinImageSide || m_rows < kMinImageSide) return;
  const float stepX = 2.0f * kLandHalfExtent / float(m_columns - 1);
  const float stepZ = 2.0f * kLandHalfExtent / float(m_rows - 1);
  for (int32_t r = 0; r < m_rows; ++r) {
    for (int32_t c = 0; c < m_columns; ++c) {
      const size_t index = size_t(r) * m_columns + c;
      m_vertices[index].position = {float(c) * stepX - kLandHalfExtent,
                                    terrain::SampleHeight(m_samples[index]),
                                    float(r) * stepZ - kLandHalfExtent};
    }
  }
  ComputeNormals();
}

void CHeightMapHandlerClass::ComputeNormals() {
  for (int32_t r = 0; r < m_rows; ++r) {
    for (int32_t c = 0; c < m_columns; ++c) {
      const plat::Vec3 across = VertexAt(std::max(c - 1, 0), r) - VertexAt(std::min(c + 1, m_columns - 1), r);
      const plat::Vec3 along = VertexAt(c, std::max(r - 1, 0)) - VertexAt(c, std::min(r + 1, m_rows - 1));
      plat::Vec3 normal = plat::Vec3Cross(along, across);
      Vec3Normalize(normal);
      m_vertices[size_t(r) * m_columns + c].normal = normal;
    }
  }
}

float CHeightMapHandlerClass::GetHeight(const plat::Vec3& point) const {
  if (m_vertices.empty()) return 0.0f;
  const float fx = (point.x + kLandHalfExtent) * float(m_columns - 1) * kInverseLandSide;
  const float fz = (point.z + kLandHalfExtent) * float(m_rows - 1) * kInverseLandSide;
  // Written so that a NaN coordinate fails too.
  if (!(fx >= 0.0f && fx < float(m_columns) && fz >= 0.0f && fz < float(m_rows))) return 0.0f;
  const int32_t ix = int32_t(fx), iz = int32_t(fz);
  if (ix >= m_columns - 1 || iz >= m_rows - 1) return 0.0f;
  const float tx = fx - float(ix), tz = fz - float(iz);
  const float h0 = VertexY(ix, iz) + (VertexY(ix + 1, iz) - VertexY(ix, iz)) * tx;
  const float h1 = VertexY(ix, iz + 1) + (VertexY(ix + 1, iz + 1) - VertexY(ix, iz + 1)) * tx;
  return h0 + (h1 - h0) * tz - terrain::kGroundSink;
}

bool CHeightMapHandlerClass::HitTriangle(int32_t c0, int32_t r0, int32_t c1, int32_t r1, int32_t c2, int32_t r2,
                                         const plat::Vec3& origin, const plat::Vec3& end, plat::Vec3& hit) const {
  const TerrainVertex& a = m_vertices[size_t(r0) * m_columns + c0];
  const TerrainVertex& b = m_vertices[size_t(r1) * m_columns + c1];
  const TerrainVertex& c = m_vertices[size_t(r2) * m_columns + c2];
  plat::Vec3 normal = a.normal + b.normal + c.normal;
  Vec3Normalize(normal);
  const double d1 = plat::Vec3Dot(normal, origin - a.position);
  const double d2 = plat::Vec3Dot(normal, end - a.position);
  if (!(d1 * d2 < 0.0)) return false;
  const double t = d1 / (d1 - d2);
  const plat::Vec3 point{float(origin.x + (double(end.x) - origin.x) * t),
                         float(origin.y + (double(end.y) - origin.y) * t),
                         float(origin.z + (double(end.z) - origin.z) * t)};
  const plat::Vec3 toA = a.position - point, toB = b.position - point, toC = c.position - point;
  const double angles = double(AngleBetween(toA, toB)) + AngleBetween(toB, toC) + AngleBetween(toC, toA);
  if (angles < kInsideAngleSum) return false;
  hit = point;
  return true;
}

bool CHeightMapHandlerClass::Pick(float originX, float originY, float originZ, float directionX, float directionY,
                                  float directionZ, plat::Vec3& out) const {
  if (m_vertices.empty()) return false;
  const plat::Vec3 origin{originX, originY, originZ};
  const plat::Vec3 direction{directionX, directionY, directionZ};
  const plat::Vec3 end = origin + direction * kPickRayLength;
  plat::Vec3 unit = direction;
  Vec3Normalize(unit);
  const plat::Vec3 ground = unit.y == 0.0f ? origin : origin - unit * (origin.y / unit.y);
  const double fx = (double(ground.x) + kLandHalfExtent) * (m_columns - 1) * kInverseLandSide;
  const double fz = (double(ground.z) + kLandHalfExtent) * (m_rows - 1) * kInverseLandSide;
  // A crossing far off the land leaves no window (and no integer overflow).
  const auto nearLand = [](double f, int32_t count) { return f > -kPickWindow - 1 && f < count + kPickWindow + 1; };
  if (!nearLand(fx, m_columns) || !nearLand(fz, m_rows)) return false;
  const int32_t centreColumn = int32_t(fx), centreRow = int32_t(fz);
  const int32_t c0 = std::max(centreColumn - kPickWindow, 0), c1 = std::min(centreColumn + kPickWindow, m_columns - 1);
  const int32_t r0 = std::max(centreRow - kPickWindow, 0), r1 = std::min(centreRow + kPickWindow, m_rows - 1);
  if (r0 >= r1) return false;
  bool found = false;
  plat::Vec3 kept;
  for (int32_t r = r0 + 1; r <= r1; ++r) {
    for (int32_t c = c0; c < c1; ++c) {
      plat::Vec3 hit;
      if (HitTriangle(c, r - 1, c, r, c + 1, r, origin, end, hit) ||
          HitTriangle(c, r - 1, c + 1, r, c + 1, r - 1, origin, end, hit)) {
        kept = hit;
        found = true;
        break;
      }
    }
  }
  if (!found) return false;
  out = {std::trunc(kept.x), std::trunc(kept.y), std::trunc(kept.z)};
  return true;
}

void CHeightMapHandlerClass::Release() {
  FreeHeightMap();
  ReleaseLandTextures();
}
