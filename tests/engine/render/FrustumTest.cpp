#include "engine/render/ZOdevuvFrustum.h"

#include <gtest/gtest.h>

#include "engine/core/Globals.h"
#include "platform/math/Math.h"
#include "tests/engine/render/GlobalSlotCheck.h"

namespace {

using plat::Matrix;
using plat::Vec3;

// The eye at z = -10 looking along +z; a 90 degree square view from 1 to 100
// units ahead, so the side planes are x = +-(z + 10) and y = +-(z + 10).
class FrustumTest : public ::testing::Test {
 protected:
  void SetUp() override {
    plat::MatrixLookAtLH(&view_, {0, 0, -10}, {0, 0, 0}, {0, 1, 0});
    plat::MatrixPerspectiveFovLH(&proj_, plat::kPi / 2, 1, 1, 100);
    frustum_.Build(proj_, view_);
  }

  Matrix view_, proj_;
  ZOdevuvFrustum frustum_;
};

TEST(Frustum, FillsTheFrustumSlotAndClearsOnlyItsOwn) {
  rendertest::ExpectSlotFollowsTheNewest(g_frustum);
}

TEST_F(FrustumTest, BoxesInsideOutsideAndAcrossThePlanes) {
  struct Case {
    const char* name;
    Vec3 min, max;
    int expected;
  };
  const Case cases[] = {
      {"small box ahead", {-1, -1, 9}, {1, 1, 11}, ZOdevuvFrustum::kInside},
      {"a point ahead", {2, 3, 20}, {2, 3, 20}, ZOdevuvFrustum::kInside},
      {"behind the eye", {-1, -1, -20}, {1, 1, -15}, ZOdevuvFrustum::kOutside},
      {"beyond the far plane", {-1, -1, 95}, {1, 1, 99}, ZOdevuvFrustum::kOutside},
      {"off to the left", {-40, -1, 9}, {-30, 1, 11}, ZOdevuvFrustum::kOutside},
      {"above", {-1, 30, 9}, {1, 40, 11}, ZOdevuvFrustum::kOutside},
      {"across the left plane", {-25, -1, 9}, {-15, 1, 11}, ZOdevuvFrustum::kIntersecting},
      {"across the near plane", {-1, -1, -10}, {1, 1, -8}, ZOdevuvFrustum::kIntersecting},
      {"across the far plane", {-1, -1, 85}, {1, 1, 95}, ZOdevuvFrustum::kIntersecting},
      {"around the whole frustum", {-500, -500, -500}, {500, 500, 500},
       ZOdevuvFrustum::kIntersecting},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(frustum_.IsBoxVisible(c.min, c.max), c.expected) << c.name;
  }
}

TEST_F(FrustumTest, BuildTakesProjectionThenViewAndCombinesThemAsViewTimesProjection) {
  ZOdevuvFrustum combined;
  combined.Build(view_ * proj_, plat::IdentityMatrix());
  int culled = 0;
  for (float x = -60; x <= 60; x += 15) {
    for (float z = -30; z <= 120; z += 15) {
      const Vec3 p{x, x / 2, z};
      EXPECT_EQ(frustum_.IsBoxVisible(p, p), combined.IsBoxVisible(p, p)) << x << "," << z;
      culled += frustum_.IsBoxVisible(p, p) == ZOdevuvFrustum::kOutside;
    }
  }
  EXPECT_GT(culled, 0);
  const Vec3 behind{0, 0, -15};
  EXPECT_EQ(frustum_.IsBoxVisible(behind, behind), ZOdevuvFrustum::kOutside);
}

TEST_F(FrustumTest, SphereReachingIntoTheViewFromBesideItIsVisible) {
  // (-12, 0, 0) is 2 / sqrt(2) = 1.41 units outside the left plane.
  EXPECT_EQ(frustum_.IsSphereVisible({-12, 0, 0}, 1.8f), 1);
  EXPECT_EQ(frustum_.IsSphereVisible({-12, 0, 0}, 1.2f), 0);
  // Just beyond the far plane by less than the radius.
  EXPECT_EQ(frustum_.IsSphereVisible({0, 0, 92}, 3), 1);
  EXPECT_EQ(frustum_.IsSphereVisible({0, 0, 120}, 3), 0);
  EXPECT_EQ(frustum_.IsSphereVisible({0, 0, 40}, 0), 1);
}

TEST(Frustum, SphereCentredOnAPlaneIsVisibleForAnyRadius) {
  // An orthographic box 20 wide and high, 0 to 100 deep, seen from the
  // origin: the left plane is exactly x = -10 and the near plane z = 0.
  Matrix proj;
  plat::MatrixOrthoLH(&proj, 20, 20, 0, 100);
  ZOdevuvFrustum frustum;
  frustum.Build(proj, plat::IdentityMatrix());
  for (float radius : {0.0f, 0.5f, 100.0f}) {
    EXPECT_EQ(frustum.IsSphereVisible({-10, 0, 50}, radius), 1) << radius;
    EXPECT_EQ(frustum.IsSphereVisible({0, 0, 0}, radius), 1) << radius;
  }
  EXPECT_EQ(frustum.IsSphereVisible({-10.5f, 0, 50}, 0.4f), 0);
}

TEST(Frustum, DegenerateMatrixStillAnswersWithoutCullingEverything) {
  ZOdevuvFrustum frustum;
  EXPECT_EQ(frustum.IsSphereVisible({1, 2, 3}, 0), 1);  // before any Build
  frustum.Build(Matrix{}, Matrix{});
  EXPECT_EQ(frustum.IsBoxVisible({-1, -1, -1}, {1, 1, 1}), ZOdevuvFrustum::kIntersecting);
  EXPECT_EQ(frustum.IsSphereVisible({1, 2, 3}, 1), 1);
}

}  // namespace
