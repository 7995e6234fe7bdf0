#pragma once
// Small helpers that the placed objects' update and drawing share: the
// matrices they build and the test of an id against a list of ids.
#include <algorithm>
#include <iterator>

#include "engine/core/EngineString.h"
#include "platform/math/Math.h"

namespace attractionhelpers {

// Rotations about the vertical axis are kept in degrees.
constexpr float kRadiansPerDegree = 0.01745329238474369f;

inline plat::Matrix Identity() {
  plat::Matrix m;
  plat::MatrixIdentity(&m);
  return m;
}

inline plat::Matrix Translation(const plat::Vec3& v) {
  plat::Matrix m;
  plat::MatrixTranslation(&m, v.x, v.y, v.z);
  return m;
}

inline plat::Matrix RotationY(float radians) {
  plat::Matrix m;
  plat::MatrixRotationY(&m, radians);
  return m;
}

inline plat::Vec3 TransformPoint(const plat::Vec3& v, const plat::Matrix& m) {
  plat::Vec3 out;
  plat::Vec3TransformCoord(&out, v, m);
  return out;
}

template <size_t N>
bool IsOneOf(const EngineString& id, const char* const (&ids)[N]) {
  return std::any_of(std::begin(ids), std::end(ids), [&](const char* each) { return id == each; });
}

}  // namespace attractionhelpers
