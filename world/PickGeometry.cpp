#include "world/PickGeometry.h"

#include <algorithm>
#include <cmath>

#include "platform/math/Math.h"

using plat::Vec3;

PickRay BuildPickRay(const plat::Matrix& projection, const plat::Viewport& viewport, const plat::Matrix& view,
                     const plat::Matrix& world, int screenX, int screenY) {
  PickRay ray;
  if (viewport.width == 0 || viewport.height == 0 || projection(0, 0) == 0 || projection(1, 1) == 0) return ray;
  const float vx = (2.0f * screenX / viewport.width - 1.0f) / projection(0, 0);
  const float vy = -(2.0f * screenY / viewport.height - 1.0f) / projection(1, 1);
  plat::Matrix inverse;
  if (!plat::MatrixInverse(&inverse, nullptr, world * view)) return ray;
  ray.direction = {vx * inverse(0, 0) + vy * inverse(1, 0) + inverse(2, 0),
                   vx * inverse(0, 1) + vy * inverse(1, 1) + inverse(2, 1),
                   vx * inverse(0, 2) + vy * inverse(1, 2) + inverse(2, 2)};
  ray.origin = {inverse(3, 0), inverse(3, 1), inverse(3, 2)};
  return ray;
}

namespace {

double Dot(const Vec3& a, const Vec3& b) { return double(a.x) * b.x + double(a.y) * b.y + double(a.z) * b.z; }

}  // namespace

int IntersectRaySphere(const Vec3& origin, const Vec3& direction, const Vec3& centre, float radius, double& t1,
                       double& t2) {
  const double a = Dot(direction, direction);
  const double b = 2.0 * Dot(direction, origin - centre);
  const double k = Dot(centre, centre) + Dot(origin, origin) - 2.0 * Dot(origin, centre) - double(radius) * radius;
  const double disc = b * b - 4.0 * a * k;
  t1 = t2 = 0.0;
  if (disc < 0.0 || a == 0.0) return 0;
  if (disc == 0.0) {
    t1 = t2 = -b / (2.0 * a);
    return 1;
  }
  const double root = std::sqrt(disc);
  t1 = (root - b) / (2.0 * a);
  t2 = (-b - root) / (2.0 * a);
  return 2;
}

int IntersectSegmentSphere(const Vec3& p0, const Vec3& p1, const Vec3& centre, float radius, double& t1,
                           double& t2) {
  return IntersectRaySphere(p0, p1 - p0, centre, radius, t1, t2);
}

bool RayHitsSphereAhead(const Vec3& origin, const Vec3& direction, const Vec3& centre, float radius) {
  double t1 = 0, t2 = 0;
  return IntersectRaySphere(origin, direction, centre, radius, t1, t2) > 0 && t1 >= 0.0;
}

bool SegmentPlaneCrossing(float d1, float d2, const Vec3& p1, const Vec3& p2, Vec3& hit) {
  if (d1 * d2 >= 0.0f || d1 == d2) return false;
  hit = p1 + (p2 - p1) * (-d1 / (d2 - d1));
  return true;
}

namespace {

bool StrictlyBetween(float v, float low, float high) { return v > low && v < high; }

float Axis(const Vec3& v, int axis) { return axis == kBoxAxisX ? v.x : axis == kBoxAxisY ? v.y : v.z; }

}  // namespace

bool IntervalOverlapByAxis(const Vec3& hit, const Vec3& boxMin, const Vec3& boxMax, int axis) {
  switch (axis) {
    case kBoxAxisX:
      return StrictlyBetween(hit.z, boxMin.z, boxMax.z) && StrictlyBetween(hit.y, boxMin.y, boxMax.y);
    case kBoxAxisY:
      return StrictlyBetween(hit.z, boxMin.z, boxMax.z) && StrictlyBetween(hit.x, boxMin.x, boxMax.x);
    case kBoxAxisZ:
      return StrictlyBetween(hit.x, boxMin.x, boxMax.x) && StrictlyBetween(hit.y, boxMin.y, boxMax.y);
    default:
      return false;
  }
}

bool SegmentBoxOverlap(const Vec3& boxMin, const Vec3& boxMax, const Vec3& l1, const Vec3& l2, Vec3& hit) {
  constexpr int kAxes[] = {kBoxAxisX, kBoxAxisY, kBoxAxisZ};
  bool inside = true;
  for (int axis : kAxes) {
    const float a = Axis(l1, axis), b = Axis(l2, axis);
    const float low = Axis(boxMin, axis), high = Axis(boxMax, axis);
    if ((a < low && b < low) || (a > high && b > high)) return false;
    inside = inside && StrictlyBetween(a, low, high);
  }
  if (inside) {
    hit = l1;
    return true;
  }
  for (const Vec3* face : {&boxMin, &boxMax}) {
    for (int axis : kAxes) {
      const float plane = Axis(*face, axis);
      Vec3 crossing;
      if (SegmentPlaneCrossing(Axis(l1, axis) - plane, Axis(l2, axis) - plane, l1, l2, crossing) &&
          IntervalOverlapByAxis(crossing, boxMin, boxMax, axis)) {
        hit = crossing;
        return true;
      }
    }
  }
  return false;
}

AxisBox SortedBox(const Vec3& a, const Vec3& b) { return {plat::Vec3Minimize(a, b), plat::Vec3Maximize(a, b)}; }

float AngleBetween(const Vec3& a, const Vec3& b) {
  const double cosine = Dot(a, b) / (std::sqrt(Dot(a, a)) * std::sqrt(Dot(b, b)));
  if (!std::isfinite(cosine)) return 0.0f;
  return float(std::acos(std::clamp(cosine, -1.0, 1.0)));
}
