#pragma once
// The three-float vector helpers shared by the engine and the world code.
#include <cmath>

#include "platform/math/Types.h"

// sqrt(x*x + y*y + z*z) in single precision.
inline float Vec3Length(const plat::Vec3& v) {
  return std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z);
}

// Normalises v in place; a zero-length vector becomes (0, 0, 0).
inline void Vec3Normalize(plat::Vec3& v) {
  const float len = Vec3Length(v);
  if (len == 0.0f) {
    v = plat::Vec3{};
    return;
  }
  v.x /= len;
  v.y /= len;
  v.z /= len;
}

// A unit right vector for looking along forward: level with the ground
// (world up x forward) or, when forward is vertical, across the world Z axis.
// Zero only when forward is.
inline plat::Vec3 RightFromWorldUp(const plat::Vec3& forward) {
  const auto cross = [](const plat::Vec3& a, const plat::Vec3& b) {
    return plat::Vec3{a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
  };
  plat::Vec3 right = cross({0, 1, 0}, forward);
  if (Vec3Length(right) == 0.0f) right = cross({0, 0, 1}, forward);
  Vec3Normalize(right);
  return right;
}
