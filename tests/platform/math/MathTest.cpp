#include "platform/math/Math.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using namespace plat;

constexpr float kEps = 1e-4f;

void ExpectNear(const Vec3& a, const Vec3& b, float eps = kEps) {
  EXPECT_NEAR(a.x, b.x, eps);
  EXPECT_NEAR(a.y, b.y, eps);
  EXPECT_NEAR(a.z, b.z, eps);
}

void ExpectNear(const Matrix& a, const Matrix& b, float eps = kEps) {
  for (int i = 0; i < 4; ++i) {
    for (int j = 0; j < 4; ++j) EXPECT_NEAR(a.m[i][j], b.m[i][j], eps) << "at " << i << "," << j;
  }
}

// Quaternions q and -q are the same rotation.
void ExpectSameRotation(const Quaternion& a, const Quaternion& b) {
  EXPECT_NEAR(std::fabs(QuaternionDot(a, b)), 1.0f, kEps);
}

Vec3 Transform(const Vec3& v, const Matrix& m) {
  Vec3 out;
  Vec3TransformCoord(&out, v, m);
  return out;
}

// A matrix with rotation, scaling and translation in it: invertible, not
// orthogonal, with no zero entries to hide index mistakes.
Matrix Compound() {
  Matrix r, s, t;
  MatrixRotationAxis(&r, {1, 2, 3}, 0.7f);
  MatrixScaling(&s, 2, 0.5f, 3);
  MatrixTranslation(&t, 4, -5, 6);
  return s * r * t;
}

Matrix ViewProjection() {
  Matrix view, proj;
  MatrixLookAtLH(&view, {3, 4, -10}, {0, 1, 0}, {0, 1, 0});
  MatrixPerspectiveFovLH(&proj, kPi / 3, 4.0f / 3.0f, 1, 500);
  return view * proj;
}

TEST(MathVector, NormalizeOfZeroStaysZeroAndOtherwiseHasUnitLength) {
  Vec3 out{9, 9, 9};
  EXPECT_EQ(*Vec3NormalizeTo(&out, {0, 0, 0}), (Vec3{0, 0, 0}));
  ExpectNear(Vec3Normalized({3, 0, 4}), {0.6f, 0, 0.8f});
  Vec4 v4{1, 1, 1, 1};
  Vec4NormalizeTo(&v4, Vec4{});
  EXPECT_EQ(v4.w, 0.0f);
}

TEST(MathVector, CrossFollowsTheLeftHandedAxes) {
  // x cross y = z in both hands; only the picture differs.
  EXPECT_EQ(Vec3Cross({1, 0, 0}, {0, 1, 0}), (Vec3{0, 0, 1}));
  EXPECT_EQ(Vec3Cross({0, 1, 0}, {1, 0, 0}), (Vec3{0, 0, -1}));
}

TEST(MathVector, TransformCoordDividesByWAndGivesZeroOnTheEyePlane) {
  Matrix m = IdentityMatrix();
  m.m[3][3] = 2;  // w = 2 for every point
  ExpectNear(Transform({2, 4, 6}, m), {1, 2, 3});

  Matrix proj;
  MatrixPerspectiveFovLH(&proj, kPi / 2, 1, 1, 100);
  EXPECT_EQ(Transform({1, 1, 0}, proj), (Vec3{0, 0, 0}));
}

TEST(MathVector, TransformNormalIgnoresTranslation) {
  Matrix m;
  MatrixTranslation(&m, 5, 6, 7);
  Vec3 out;
  Vec3TransformNormal(&out, {1, 2, 3}, m);
  EXPECT_EQ(out, (Vec3{1, 2, 3}));
  Vec4 full;
  Vec3Transform(&full, {1, 2, 3}, m);
  EXPECT_EQ(full.x, 6);
  EXPECT_EQ(full.w, 1);
}

TEST(MathVector, ProjectMapsTheLookAtPointToTheViewportCentreAndUnprojectReturnsIt) {
  const Viewport vp{10, 20, 800, 600, 0, 1};
  Matrix view, proj;
  MatrixLookAtLH(&view, {3, 4, -10}, {0, 1, 0}, {0, 1, 0});
  MatrixPerspectiveFovLH(&proj, kPi / 3, 4.0f / 3.0f, 1, 500);
  const Matrix world = IdentityMatrix();

  Vec3 screen;
  Vec3Project(&screen, {0, 1, 0}, vp, proj, view, world);
  EXPECT_NEAR(screen.x, 410, 1e-3f);
  EXPECT_NEAR(screen.y, 320, 1e-3f);

  const Vec3 points[] = {{0, 0, 0}, {5, -2, 30}, {-7, 3, 100}, {1, 1, 1}};
  for (const Vec3& p : points) {
    Vec3 back;
    Vec3Project(&screen, p, vp, proj, view, world);
    ASSERT_NE(Vec3Unproject(&back, screen, vp, proj, view, world), nullptr);
    ExpectNear(back, p, 2e-3f);
  }
}

TEST(MathVector, ProjectFlipsYSoThatScreenYGrowsDownwards) {
  const Viewport vp{0, 0, 100, 100, 0, 1};
  Matrix view, proj;
  MatrixLookAtLH(&view, {0, 0, -10}, {0, 0, 0}, {0, 1, 0});
  MatrixPerspectiveFovLH(&proj, kPi / 2, 1, 1, 100);
  Vec3 up, right;
  Vec3Project(&up, {0, 5, 0}, vp, proj, view, IdentityMatrix());
  Vec3Project(&right, {5, 0, 0}, vp, proj, view, IdentityMatrix());
  EXPECT_LT(up.y, 50);
  EXPECT_GT(right.x, 50);
}

TEST(MathVector, UnprojectFailsOnAnEmptyViewportOrSingularTransform) {
  Vec3 out{7, 7, 7};
  const Matrix id = IdentityMatrix();
  EXPECT_EQ(Vec3Unproject(&out, {1, 1, 0}, Viewport{0, 0, 0, 100, 0, 1}, id, id, id), nullptr);
  EXPECT_EQ(Vec3Unproject(&out, {1, 1, 0}, Viewport{0, 0, 100, 100, 0.5f, 0.5f}, id, id, id),
            nullptr);
  EXPECT_EQ(Vec3Unproject(&out, {1, 1, 0}, Viewport{0, 0, 100, 100, 0, 1}, Matrix{}, id, id),
            nullptr);
  EXPECT_EQ(out, (Vec3{7, 7, 7}));
}

TEST(MathMatrix, ProductAppliesTheLeftMatrixFirst) {
  Matrix t, r;
  MatrixTranslation(&t, 1, 0, 0);
  MatrixRotationY(&r, kPi / 2);
  // Move to x = 1, then turn about Y: (1,0,0) -> (0,0,-1).
  ExpectNear(Transform({0, 0, 0}, t * r), {0, 0, -1});
  Matrix aliased = t;
  MatrixMultiply(&aliased, aliased, r);
  ExpectNear(aliased, t * r);
}

TEST(MathMatrix, InverseTimesMatrixIsIdentity) {
  const Matrix cases[] = {Compound(), ViewProjection(), IdentityMatrix()};
  for (const Matrix& m : cases) {
    Matrix inv;
    float det = 0;
    ASSERT_NE(MatrixInverse(&inv, &det, m), nullptr);
    EXPECT_NEAR(det, MatrixDeterminant(m), std::fabs(det) * 1e-5f);
    ExpectNear(inv * m, IdentityMatrix(), 1e-3f);
    ExpectNear(m * inv, IdentityMatrix(), 1e-3f);
  }
}

TEST(MathMatrix, InverseOfSingularMatrixFailsAndLeavesOutputAlone) {
  Matrix flat;
  MatrixScaling(&flat, 1, 0, 1);
  Matrix out = Compound();
  float det = 5;
  EXPECT_EQ(MatrixInverse(&out, &det, flat), nullptr);
  EXPECT_EQ(det, 0.0f);
  EXPECT_EQ(out, Compound());
}

TEST(MathMatrix, DeterminantOfScalingIsTheProductOfItsFactors) {
  Matrix s;
  MatrixScaling(&s, 2, 3, 4);
  EXPECT_FLOAT_EQ(MatrixDeterminant(s), 24);
  Matrix r;
  MatrixRotationAxis(&r, {1, 1, 0}, 1.1f);
  EXPECT_NEAR(MatrixDeterminant(r), 1.0f, kEps);
}

TEST(MathMatrix, TransposeTwiceGivesTheMatrixBack) {
  const Matrix m = Compound();
  Matrix t;
  MatrixTranspose(&t, m);
  EXPECT_EQ(t.m[3][0], m.m[0][3]);
  EXPECT_EQ(t.m[1][2], m.m[2][1]);
  MatrixTranspose(&t, t);
  EXPECT_EQ(t, m);
}

TEST(MathMatrix, AxisRotationsMatchTheGeneralAxisRotation) {
  struct Case {
    Matrix* (*fn)(Matrix*, float);
    Vec3 axis;
  };
  const Case cases[] = {{MatrixRotationX, {1, 0, 0}},
                        {MatrixRotationY, {0, 1, 0}},
                        {MatrixRotationZ, {0, 0, 1}}};
  for (const Case& c : cases) {
    for (float angle : {0.3f, -1.2f, 2.5f}) {
      Matrix a, b;
      c.fn(&a, angle);
      MatrixRotationAxis(&b, c.axis * 3.0f, angle);  // the axis need not be unit length
      ExpectNear(a, b);
    }
  }
}

TEST(MathMatrix, RotationsTurnClockwiseSeenFromThePositiveAxis) {
  struct Case {
    Matrix* (*fn)(Matrix*, float);
    Vec3 in, out;
  };
  const Case cases[] = {{MatrixRotationX, {0, 1, 0}, {0, 0, 1}},
                        {MatrixRotationY, {1, 0, 0}, {0, 0, -1}},
                        {MatrixRotationY, {0, 0, 1}, {1, 0, 0}},
                        {MatrixRotationZ, {1, 0, 0}, {0, 1, 0}}};
  for (const Case& c : cases) {
    Matrix m;
    c.fn(&m, kPi / 2);
    ExpectNear(Transform(c.in, m), c.out);
  }
}

TEST(MathMatrix, YawPitchRollIsRollThenPitchThenYaw) {
  Matrix z, x, y, ypr;
  MatrixRotationZ(&z, 0.3f);
  MatrixRotationX(&x, -0.8f);
  MatrixRotationY(&y, 1.9f);
  MatrixRotationYawPitchRoll(&ypr, 1.9f, -0.8f, 0.3f);
  ExpectNear(ypr, z * x * y);
}

TEST(MathMatrix, LookAtPutsTheEyeAtTheOriginLookingDownPositiveZ) {
  const Vec3 eye{1, 2, 3}, at{4, 6, 3};
  Matrix view;
  MatrixLookAtLH(&view, eye, at, {0, 1, 0});
  ExpectNear(Transform(eye, view), {0, 0, 0});
  ExpectNear(Transform(at, view), {0, 0, 5});
  // A point straight above the eye is up (+y) in view space, and a point
  // to the right of the look direction (left-handed) is +x.
  EXPECT_GT(Transform({1, 10, 3}, view).y, 0);
  EXPECT_GT(Transform({1, 2, 0}, view).x, 0);

  Matrix simple;
  MatrixLookAtLH(&simple, {0, 0, -5}, {0, 0, 0}, {0, 1, 0});
  Matrix expected;
  MatrixTranslation(&expected, 0, 0, 5);
  ExpectNear(simple, expected);
}

TEST(MathMatrix, PerspectiveFovHasTheExpectedEntriesAndDepthRange) {
  Matrix p;
  MatrixPerspectiveFovLH(&p, kPi / 2, 2, 1, 101);
  Matrix expected;
  expected.m[0][0] = 0.5f;
  expected.m[1][1] = 1;
  expected.m[2][2] = 101.0f / 100.0f;
  expected.m[2][3] = 1;
  expected.m[3][2] = -101.0f / 100.0f;
  ExpectNear(p, expected);
  EXPECT_NEAR(Transform({0, 0, 1}, p).z, 0, kEps);
  EXPECT_NEAR(Transform({0, 0, 101}, p).z, 1, kEps);
}

TEST(MathMatrix, PerspectiveByViewSizeUsesTheNearPlaneWidthAndHeight) {
  Matrix p;
  MatrixPerspectiveLH(&p, 4, 2, 2, 10);
  EXPECT_FLOAT_EQ(p.m[0][0], 1);
  EXPECT_FLOAT_EQ(p.m[1][1], 2);
  // The corner of the near plane lands on the corner of the clip square.
  ExpectNear(Transform({2, 1, 2}, p), {1, 1, 0});
}

TEST(MathMatrix, OrthoMapsTheBoxOntoTheClipCube) {
  Matrix centred, offCentre;
  MatrixOrthoLH(&centred, 8, 4, 1, 11);
  ExpectNear(Transform({4, 2, 1}, centred), {1, 1, 0});
  ExpectNear(Transform({-4, -2, 11}, centred), {-1, -1, 1});
  MatrixOrthoOffCenterLH(&offCentre, 0, 640, 480, 0, 0, 1);
  ExpectNear(Transform({0, 0, 0}, offCentre), {-1, 1, 0});
  ExpectNear(Transform({640, 480, 1}, offCentre), {1, -1, 1});
}

TEST(MathMatrix, ReflectMirrorsPointsAcrossTheNormalisedPlane) {
  Matrix m;
  MatrixReflect(&m, Plane{0, 2, 0, -2});  // y = 1, not unit length
  ExpectNear(Transform({3, 4, 5}, m), {3, -2, 5});
  ExpectNear(Transform({3, 1, 5}, m), {3, 1, 5});
}

TEST(MathMatrix, AffineScalesThenRotatesThenTranslates) {
  Quaternion q;
  QuaternionRotationAxis(&q, {0, 1, 0}, kPi / 2);
  Matrix m;
  MatrixAffine(&m, {2, 2, 2}, q, {10, 0, 0});
  ExpectNear(Transform({1, 0, 0}, m), {10, 0, -2});
}

TEST(MathPlane, FromPointsAndFromPointNormalAgree) {
  Plane a, b;
  PlaneFromPoints(&a, {0, 2, 0}, {0, 2, 1}, {1, 2, 0});
  PlaneFromPointNormal(&b, {5, 2, 5}, {0, 1, 0});
  EXPECT_NEAR(a.a, b.a, kEps);
  EXPECT_NEAR(a.b, b.b, kEps);
  EXPECT_NEAR(a.c, b.c, kEps);
  EXPECT_NEAR(a.d, b.d, kEps);
  EXPECT_FLOAT_EQ(PlaneDotCoord(b, {7, 5, -1}), 3);
  EXPECT_FLOAT_EQ(PlaneDotNormal(b, {7, 5, -1}), 5);
}

TEST(MathPlane, NormalizeScalesAllFourTermsAndLeavesAZeroNormalZero) {
  Plane p;
  PlaneNormalize(&p, Plane{0, 0, 4, 8});
  EXPECT_FLOAT_EQ(p.c, 1);
  EXPECT_FLOAT_EQ(p.d, 2);
  PlaneNormalize(&p, Plane{0, 0, 0, 8});
  EXPECT_EQ(p.d, 0);
}

TEST(MathPlane, TransformByInverseTransposeKeepsTransformedPointsOnThePlane) {
  const Matrix m = Compound();
  Plane plane;
  PlaneFromPoints(&plane, {1, 0, 0}, {0, 1, 0}, {0, 0, 1});
  Matrix inv, invT;
  ASSERT_NE(MatrixInverse(&inv, nullptr, m), nullptr);
  MatrixTranspose(&invT, inv);
  Plane moved;
  PlaneTransform(&moved, plane, invT);
  for (const Vec3& p : {Vec3{1, 0, 0}, Vec3{0, 1, 0}, Vec3{0.2f, 0.3f, 0.5f}}) {
    EXPECT_NEAR(PlaneDotCoord(moved, Transform(p, m)), 0, 1e-3f);
  }
}

TEST(MathQuaternion, MatrixFromAxisQuaternionMatchesAxisRotation) {
  const Vec3 axes[] = {{1, 0, 0}, {0, 1, 0}, {1, 2, 3}, {-2, 0.5f, 1}};
  for (const Vec3& axis : axes) {
    for (float angle : {0.4f, 1.7f, -2.9f}) {
      Quaternion q;
      QuaternionRotationAxis(&q, axis, angle);
      Matrix fromQ, fromAxis;
      MatrixRotationQuaternion(&fromQ, q);
      MatrixRotationAxis(&fromAxis, axis, angle);
      ExpectNear(fromQ, fromAxis);
    }
  }
}

TEST(MathQuaternion, QuaternionFromMatrixRoundTripsIncludingHalfTurns) {
  // Half turns have a trace of -1 and take the diagonal branches.
  const struct {
    Vec3 axis;
    float angle;
  } cases[] = {{{0, 1, 0}, 0.5f}, {{1, 0, 0}, kPi}, {{0, 1, 0}, kPi},
               {{0, 0, 1}, kPi},  {{1, 1, 0}, 3.0f}, {{1, -2, 3}, -2.0f}};
  for (const auto& c : cases) {
    Quaternion q, back;
    QuaternionRotationAxis(&q, c.axis, c.angle);
    Matrix m;
    MatrixRotationQuaternion(&m, q);
    QuaternionRotationMatrix(&back, m);
    ExpectSameRotation(back, q);
  }
}

TEST(MathQuaternion, MultiplyRotatesByTheFirstThenTheSecond) {
  Quaternion a, b, ab;
  QuaternionRotationAxis(&a, {1, 0, 0}, 0.9f);
  QuaternionRotationAxis(&b, {0, 1, 1}, -1.3f);
  QuaternionMultiply(&ab, a, b);
  Matrix ma, mb, mab;
  MatrixRotationQuaternion(&ma, a);
  MatrixRotationQuaternion(&mb, b);
  MatrixRotationQuaternion(&mab, ab);
  ExpectNear(mab, ma * mb);
}

TEST(MathQuaternion, SlerpHitsTheEndsAndTheHalfAngleInBetween) {
  Quaternion a, b, out, half;
  QuaternionRotationAxis(&a, {0, 1, 0}, 0.2f);
  QuaternionRotationAxis(&b, {0, 1, 0}, 1.8f);
  QuaternionRotationAxis(&half, {0, 1, 0}, 1.0f);
  ExpectSameRotation(*QuaternionSlerp(&out, a, b, 0), a);
  ExpectSameRotation(*QuaternionSlerp(&out, a, b, 1), b);
  QuaternionSlerp(&out, a, b, 0.5f);
  ExpectSameRotation(out, half);
  EXPECT_NEAR(QuaternionDot(out, out), 1, kEps);
}

TEST(MathQuaternion, SlerpTakesTheShortWayRound) {
  Quaternion a, b, out, expected;
  QuaternionRotationAxis(&a, {0, 0, 1}, 0.2f);
  QuaternionRotationAxis(&b, {0, 0, 1}, 0.6f);
  const Quaternion negB{-b.x, -b.y, -b.z, -b.w};  // same rotation as b
  QuaternionRotationAxis(&expected, {0, 0, 1}, 0.4f);
  ExpectSameRotation(*QuaternionSlerp(&out, a, negB, 0.5f), expected);
  // Nearly equal inputs blend linearly instead of dividing by ~0.
  QuaternionSlerp(&out, a, a, 0.5f);
  ExpectSameRotation(out, a);
}

TEST(MathQuaternion, NormalizeGivesUnitLengthAndZeroStaysZero) {
  Quaternion q;
  QuaternionNormalize(&q, Quaternion{0, 3, 0, 4});
  EXPECT_FLOAT_EQ(q.y, 0.6f);
  EXPECT_FLOAT_EQ(q.w, 0.8f);
  QuaternionNormalize(&q, Quaternion{0, 0, 0, 0});
  EXPECT_EQ(q.w, 0);
}

TEST(MathColor, ArgbPacksClampedRoundedComponents) {
  EXPECT_EQ(ColorToArgb({1, 0, 0, 1}), 0xffff0000u);
  EXPECT_EQ(ColorToArgb({0.5f, 2, -1, 0.25f}), 0x4080ff00u);
  EXPECT_EQ(ColorToArgb({NAN, 0, 0, 0}), 0u);
  for (unsigned argb : {0x00000000u, 0x12345678u, 0xffffffffu, 0x80ff0001u}) {
    EXPECT_EQ(ColorToArgb(ColorFromArgb(argb)), argb);
  }
  const Color c = ColorFromArgb(0x80ff0000u);
  EXPECT_FLOAT_EQ(c.r, 1);
  EXPECT_NEAR(c.a, 0.502f, 1e-3f);
}

}  // namespace
