#pragma once
// The six planes of the current view volume, rebuilt each frame, and the
// visibility tests that let drawing skip what is off screen.
#include <array>

#include "platform/math/Types.h"

class ZOdevuvFrustum {
 public:
  static constexpr int kPlaneCount = 6;
  // IsBoxVisible results.
  static constexpr int kOutside = 0;
  static constexpr int kIntersecting = 1;
  static constexpr int kInside = 2;

  ZOdevuvFrustum();
  ~ZOdevuvFrustum();
  ZOdevuvFrustum(const ZOdevuvFrustum&) = delete;
  ZOdevuvFrustum& operator=(const ZOdevuvFrustum&) = delete;

  // Planes of second * first: pass (projection, view) for the view volume.
  void Build(const plat::Matrix& first, const plat::Matrix& second);
  int IsBoxVisible(const plat::Vec3& min, const plat::Vec3& max) const;
  // 1 when any part of the sphere may be inside, else 0.
  int IsSphereVisible(const plat::Vec3& centre, float radius) const;

 private:
  // Left, right, top, bottom, near, far; normals point inwards.
  std::array<plat::Plane, kPlaneCount> planes_{};
};
