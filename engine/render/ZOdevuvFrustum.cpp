#include "engine/render/ZOdevuvFrustum.h"

#include <cmath>

#include "engine/core/Globals.h"
#include "platform/math/Math.h"

namespace {

// Column c of m as a four-vector, the plane terms for a, b, c, d.
plat::Vec4 Column(const plat::Matrix& m, int c) {
  return {m.m[0][c], m.m[1][c], m.m[2][c], m.m[3][c]};
}

// Unit normals make the plane terms true distances, which the sphere test
// needs; a plane without a normal (from a degenerate matrix) is kept as it
// is, so the box test answers as it would for the raw plane.
plat::Plane UnitPlane(const plat::Vec4& v) {
  const float len = std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z);
  if (len == 0.0f) return {v.x, v.y, v.z, v.w};
  return {v.x / len, v.y / len, v.z / len, v.w / len};
}

plat::Vec4 Add(const plat::Vec4& a, const plat::Vec4& b) {
  return {a.x + b.x, a.y + b.y, a.z + b.z, a.w + b.w};
}

plat::Vec4 Sub(const plat::Vec4& a, const plat::Vec4& b) {
  return {a.x - b.x, a.y - b.y, a.z - b.z, a.w - b.w};
}

}  // namespace

ZOdevuvFrustum::ZOdevuvFrustum() { g_frustum = this; }

ZOdevuvFrustum::~ZOdevuvFrustum() {
  if (g_frustum == this) g_frustum = nullptr;
}

void ZOdevuvFrustum::Build(const plat::Matrix& first, const plat::Matrix& second) {
  const plat::Matrix m = second * first;
  const plat::Vec4 c1 = Column(m, 0), c2 = Column(m, 1), c3 = Column(m, 2), c4 = Column(m, 3);
  planes_ = {UnitPlane(Add(c4, c1)), UnitPlane(Sub(c4, c1)), UnitPlane(Sub(c4, c2)),
             UnitPlane(Add(c4, c2)), UnitPlane(c3),          UnitPlane(Sub(c4, c3))};
}

int ZOdevuvFrustum::IsBoxVisible(const plat::Vec3& min, const plat::Vec3& max) const {
  bool intersects = false;
  for (const plat::Plane& p : planes_) {
    // The corner furthest along the normal, and the one nearest.
    const plat::Vec3 farCorner{p.a > 0 ? max.x : min.x, p.b > 0 ? max.y : min.y,
                         p.c > 0 ? max.z : min.z};
    const plat::Vec3 nearCorner{p.a > 0 ? min.x : max.x, p.b > 0 ? min.y : max.y,
                          p.c > 0 ? min.z : max.z};
    if (plat::PlaneDotCoord(p, farCorner) < 0) return kOutside;
    if (plat::PlaneDotCoord(p, nearCorner) <= 0) intersects = true;
  }
  return intersects ? kIntersecting : kInside;
}

int ZOdevuvFrustum::IsSphereVisible(const plat::Vec3& centre, float radius) const {
  for (const plat::Plane& p : planes_) {
    if (plat::PlaneDotCoord(p, centre) + radius < 0) return 0;
  }
  return 1;
}
