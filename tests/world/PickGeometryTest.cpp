#include "world/PickGeometry.h"

#include <gtest/gtest.h>

#include <cmath>

#include "platform/math/Math.h"

namespace {

using plat::Vec3;

constexpr float kEps = 1e-4f;

void ExpectNear(const Vec3& a, const Vec3& b) {
  EXPECT_NEAR(a.x, b.x, kEps);
  EXPECT_NEAR(a.y, b.y, kEps);
  EXPECT_NEAR(a.z, b.z, kEps);
}

struct SphereCase {
  const char* what;
  Vec3 origin, direction, centre;
  float radius;
  int crossings;
  double t1, t2;
};

}  // namespace

TEST(PickGeometry, RayAgainstSphereCountsCrossingsWithTheLargerFirst) {
  const SphereCase cases[] = {
      {"through the centre", {0, 0, -10}, {0, 0, 1}, {0, 0, 0}, 2, 2, 12, 8},
      {"unnormalised direction scales t", {0, 0, -10}, {0, 0, 2}, {0, 0, 0}, 2, 2, 6, 4},
      {"tangent", {2, 0, -10}, {0, 0, 1}, {0, 0, 0}, 2, 1, 10, 10},
      {"miss", {3, 0, -10}, {0, 0, 1}, {0, 0, 0}, 2, 0, 0, 0},
      {"eye inside", {0, 0, 0}, {1, 0, 0}, {0, 0, 0}, 2, 2, 2, -2},
      {"sphere behind the eye", {0, 0, 10}, {0, 0, 1}, {0, 0, 0}, 2, 2, -8, -12},
      {"zero direction", {0, 0, 0}, {0, 0, 0}, {0, 0, 0}, 2, 0, 0, 0},
  };
  for (const SphereCase& c : cases) {
    double t1 = -1, t2 = -1;
    EXPECT_EQ(IntersectRaySphere(c.origin, c.direction, c.centre, c.radius, t1, t2), c.crossings) << c.what;
    EXPECT_NEAR(t1, c.t1, kEps) << c.what;
    EXPECT_NEAR(t2, c.t2, kEps) << c.what;
  }
}

TEST(PickGeometry, SegmentAgainstSphereUsesTheSegmentAsDirection) {
  double t1 = 0, t2 = 0;
  EXPECT_EQ(IntersectSegmentSphere({0, 0, -10}, {0, 0, 10}, {0, 0, 0}, 2, t1, t2), 2);
  EXPECT_NEAR(t1, 0.6, kEps);
  EXPECT_NEAR(t2, 0.4, kEps);
}

TEST(PickGeometry, OnlySpheresAheadOfOrAroundTheEyeArePicked) {
  EXPECT_TRUE(RayHitsSphereAhead({0, 0, -10}, {0, 0, 1}, {0, 0, 0}, 2));
  EXPECT_TRUE(RayHitsSphereAhead({0, 0, 0}, {0, 0, 1}, {0, 0, 0}, 2));
  EXPECT_FALSE(RayHitsSphereAhead({0, 0, 10}, {0, 0, 1}, {0, 0, 0}, 2));
  EXPECT_FALSE(RayHitsSphereAhead({3, 0, -10}, {0, 0, 1}, {0, 0, 0}, 2));
}

TEST(PickGeometry, SegmentCrossesAPlaneOnlyWithEndsStrictlyOnBothSides) {
  Vec3 hit{9, 9, 9};
  EXPECT_TRUE(SegmentPlaneCrossing(-1, 3, {0, 0, 0}, {4, 0, 0}, hit));
  ExpectNear(hit, {1, 0, 0});
  hit = {9, 9, 9};
  EXPECT_FALSE(SegmentPlaneCrossing(0, 3, {0, 0, 0}, {4, 0, 0}, hit));
  EXPECT_FALSE(SegmentPlaneCrossing(1, 3, {0, 0, 0}, {4, 0, 0}, hit));
  EXPECT_FALSE(SegmentPlaneCrossing(0, 0, {0, 0, 0}, {4, 0, 0}, hit));
  ExpectNear(hit, {9, 9, 9});
}

TEST(PickGeometry, FaceTestsTheTwoOtherAxesStrictly) {
  const Vec3 lo{0, 0, 0}, hi{2, 2, 2};
  EXPECT_TRUE(IntervalOverlapByAxis({0, 1, 1}, lo, hi, kBoxAxisX));
  EXPECT_FALSE(IntervalOverlapByAxis({0, 2, 1}, lo, hi, kBoxAxisX));
  EXPECT_FALSE(IntervalOverlapByAxis({1, 5, 1}, lo, hi, kBoxAxisZ));
  EXPECT_TRUE(IntervalOverlapByAxis({1, 0, 1}, lo, hi, kBoxAxisY));
  EXPECT_FALSE(IntervalOverlapByAxis({1, 1, 1}, lo, hi, 0));
  EXPECT_FALSE(IntervalOverlapByAxis({1, 1, 1}, lo, hi, 4));
}

namespace {

struct BoxCase {
  const char* what;
  Vec3 l1, l2;
  bool overlaps;
  Vec3 hit;
};

}  // namespace

TEST(PickGeometry, SegmentAgainstBox) {
  const Vec3 lo{0, 0, 0}, hi{2, 2, 2};
  const BoxCase cases[] = {
      {"start inside", {1, 1, 1}, {10, 10, 10}, true, {1, 1, 1}},
      {"through the minimum x face", {-2, 1, 1}, {4, 1, 1}, true, {0, 1, 1}},
      {"through the maximum z face", {1, 1, 5}, {1, 1, 1.5f}, true, {1, 1, 2}},
      {"from above through the top", {1, 5, 1}, {1, -5, 1}, true, {1, 0, 1}},
      {"both ends below on x", {-3, 1, 1}, {-1, 1, 1}, false, {}},
      {"passes beside the box", {-2, 3, 1}, {4, 3, 1}, false, {}},
      {"lies in a face plane", {0, 1, -2}, {0, 1, 4}, false, {}},
      {"ends short of the box", {-5, 1, 1}, {-0.5f, 1, 1}, false, {}},
  };
  for (const BoxCase& c : cases) {
    Vec3 hit{99, 99, 99};
    EXPECT_EQ(SegmentBoxOverlap(lo, hi, c.l1, c.l2, hit), c.overlaps) << c.what;
    if (c.overlaps) {
      SCOPED_TRACE(c.what);
      ExpectNear(hit, c.hit);
    }
  }
}

TEST(PickGeometry, AnchorCornersInAnyOrderSpanTheSameBox) {
  const Vec3 a{2, 0, 2}, b{0, 2, 0};
  const AxisBox box = SortedBox(a, b);
  ExpectNear(box.min, {0, 0, 0});
  ExpectNear(box.max, {2, 2, 2});
  Vec3 hit;
  EXPECT_TRUE(SegmentBoxOverlap(box.min, box.max, {-2, 1, 1}, {4, 1, 1}, hit));
  EXPECT_FALSE(SegmentBoxOverlap(a, b, {-2, 1, 1}, {4, 1, 1}, hit));
}

TEST(PickGeometry, AngleBetweenVectors) {
  EXPECT_NEAR(AngleBetween({1, 0, 0}, {0, 3, 0}), plat::kPi / 2, kEps);
  EXPECT_NEAR(AngleBetween({1, 0, 0}, {-2, 0, 0}), plat::kPi, kEps);
  EXPECT_NEAR(AngleBetween({1, 1, 0}, {2, 2, 0}), 0.0f, 1e-3f);
  EXPECT_EQ(AngleBetween({0, 0, 0}, {1, 0, 0}), 0.0f);
}

namespace {

class PickRayTest : public ::testing::Test {
 protected:
  void SetUp() override {
    plat::MatrixPerspectiveFovLH(&projection_, plat::kPi / 4, 4.0f / 3.0f, 1.0f, 1000.0f);
    plat::MatrixLookAtLH(&view_, eye_, {0, 0, 0}, {0, 1, 0});
    world_ = plat::IdentityMatrix();
    viewport_.width = 800;
    viewport_.height = 600;
  }

  // Where a point along the ray lands on the screen.
  Vec3 ScreenOf(const PickRay& ray, float t) const {
    Vec3 screen;
    plat::Vec3Project(&screen, ray.origin + ray.direction * t, viewport_, projection_, view_, world_);
    return screen;
  }

  Vec3 eye_{10, 20, -30};
  plat::Matrix projection_, view_, world_;
  plat::Viewport viewport_;
};

}  // namespace

TEST_F(PickRayTest, StartsAtTheEyeAndLooksThroughTheScreenPoint) {
  const PickRay centre = BuildPickRay(projection_, viewport_, view_, world_, 400, 300);
  ExpectNear(centre.origin, eye_);
  ExpectNear(plat::Vec3Normalized(centre.direction), plat::Vec3Normalized(Vec3{} - eye_));
  const int points[][2] = {{0, 0}, {799, 0}, {123, 456}, {700, 550}};
  for (const auto& p : points) {
    const PickRay ray = BuildPickRay(projection_, viewport_, view_, world_, p[0], p[1]);
    for (float t : {1.0f, 50.0f}) {
      const Vec3 screen = ScreenOf(ray, t);
      EXPECT_NEAR(screen.x, float(p[0]), 0.01f);
      EXPECT_NEAR(screen.y, float(p[1]), 0.01f);
    }
  }
}

TEST_F(PickRayTest, DegenerateInputsGiveARayThatHitsNothing) {
  plat::Viewport empty;
  EXPECT_EQ(BuildPickRay(projection_, empty, view_, world_, 10, 10).direction, Vec3{});
  plat::Matrix singular;
  EXPECT_EQ(BuildPickRay(projection_, viewport_, view_, singular, 10, 10).direction, Vec3{});
}
