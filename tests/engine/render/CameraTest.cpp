#include "engine/render/ZOdevuvCamera.h"

#include <gtest/gtest.h>

#include "engine/core/Globals.h"
#include "platform/math/Math.h"
#include "tests/engine/render/GlobalSlotCheck.h"

namespace {

using plat::Matrix;
using plat::Vec3;

constexpr float kEps = 1e-5f;

void ExpectNear(const Vec3& a, const Vec3& b) {
  EXPECT_NEAR(a.x, b.x, kEps);
  EXPECT_NEAR(a.y, b.y, kEps);
  EXPECT_NEAR(a.z, b.z, kEps);
}

void ExpectNear(const Matrix& a, const Matrix& b) {
  for (int i = 0; i < 4; ++i) {
    for (int j = 0; j < 4; ++j) EXPECT_NEAR(a.m[i][j], b.m[i][j], kEps) << i << "," << j;
  }
}

// The upper 3x3 of a view matrix must be a rotation: columns of unit length,
// at right angles.
void ExpectOrthonormal(const Matrix& m) {
  for (int a = 0; a < 3; ++a) {
    for (int b = 0; b < 3; ++b) {
      const float dot = m.m[0][a] * m.m[0][b] + m.m[1][a] * m.m[1][b] + m.m[2][a] * m.m[2][b];
      EXPECT_NEAR(dot, a == b ? 1.0f : 0.0f, 1e-4f) << "columns " << a << "," << b;
    }
  }
}

Vec3 ToView(ZOdevuvCamera& camera, const Vec3& world) {
  Matrix view;
  camera.GetViewMatrix(&view);
  Vec3 out;
  plat::Vec3TransformCoord(&out, world, view);
  return out;
}

TEST(Camera, ConstructorFillsTheSlotAndDestructorClearsOnlyItsOwn) {
  rendertest::ExpectSlotFollowsTheNewest(g_camera);
}

TEST(Camera, NewCameraHasTheIdentityView) {
  ZOdevuvCamera camera;
  EXPECT_EQ(camera.mode, 0);
  Matrix view;
  camera.GetViewMatrix(&view);
  EXPECT_TRUE(plat::MatrixIsIdentity(view));
}

TEST(Camera, MovesFollowTheModeAndKeepTheHeightWhenWalking) {
  enum class Move { AlongLook, Walk, Strafe };
  struct Case {
    const char* name;
    int mode;
    Vec3 look;
    Move move;
    Vec3 expected;  // from (1, 2, 3), distance 10
  };
  const Case cases[] = {
      {"along look climbs", 0, {0, 0.6f, 0.8f}, Move::AlongLook, {1, 8, 11}},
      {"walk keeps height", 0, {0, 0.6f, 0.8f}, Move::Walk, {1, 2, 11}},
      {"walk looking straight up stays put", 0, {0, 1, 0}, Move::Walk, {1, 2, 3}},
      {"strafe goes along right", 0, {0, 0, 1}, Move::Strafe, {11, 2, 3}},
      {"other modes do not move: along look", 1, {0, 0, 1}, Move::AlongLook, {1, 2, 3}},
      {"other modes do not move: walk", 1, {0, 0, 1}, Move::Walk, {1, 2, 3}},
      {"other modes do not move: strafe", 1, {0, 0, 1}, Move::Strafe, {1, 2, 3}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ZOdevuvCamera camera;
    camera.SetMode(c.mode);
    camera.SetPosition({1, 2, 3});
    camera.SetLook(c.look);
    camera.SetRight({1, 0.5f, 0});  // the right's height must not leak into strafing
    switch (c.move) {
      case Move::AlongLook: camera.MoveAlongLook(10); break;
      case Move::Walk: camera.Walk(10); break;
      case Move::Strafe: camera.Strafe(10); break;
    }
    Vec3 pos;
    camera.GetPosition(&pos);
    ExpectNear(pos, c.expected);
  }
}

TEST(Camera, PitchTurnsUpAndLookAboutRightOnly) {
  ZOdevuvCamera camera;
  camera.Pitch(plat::kPi / 2);  // positive pitch looks down
  Vec3 look, up;
  camera.GetLook(&look);
  camera.GetUp(&up);
  ExpectNear(look, {0, -1, 0});
  ExpectNear(up, {0, 0, 1});
  ExpectNear(camera.right, {1, 0, 0});
}

TEST(Camera, RotateWorldYTurnsAllAxesAboutTheVertical) {
  ZOdevuvCamera camera;
  camera.Pitch(0.5f);
  const float lookHeight = camera.look.y;
  camera.RotateWorldY(plat::kPi / 2);
  EXPECT_NEAR(camera.look.y, lookHeight, kEps);
  EXPECT_NEAR(camera.look.z, 0, kEps);
  EXPECT_GT(camera.look.x, 0);  // from +z round to +x
  ExpectNear(camera.right, {0, 0, -1});
}

TEST(Camera, LookAtGivesTheSameViewAsTheLibraryLookAt) {
  ZOdevuvCamera camera;
  const Vec3 eye{5, 30, -40}, target{5, 0, 0};
  camera.LookAt(eye, target, {0, 1, 0});
  Matrix view, expected;
  camera.GetViewMatrix(&view);
  plat::MatrixLookAtLH(&expected, eye, target, {0, 1, 0});
  ExpectNear(view, expected);
  ExpectNear(ToView(camera, target), {0, 0, 50});
}

TEST(Camera, LookAtLevelsARightAxisLeftFromAnotherLook) {
  // The game's first view: right set to (-1, 0, 0), then a look mostly
  // along +x. Kept as it was, that right would roll the horizon.
  ZOdevuvCamera camera;
  camera.SetRight({-1, 0, 0});
  const Vec3 eye{0, 17, 10}, target{150, 0, -50};
  camera.LookAt(eye, target, {0, 1, 0});
  Matrix view, expected;
  camera.GetViewMatrix(&view);
  plat::MatrixLookAtLH(&expected, eye, target, {0, 1, 0});
  ExpectNear(view, expected);
  EXPECT_NEAR(camera.right.y, 0, kEps);
}

TEST(Camera, LookAtAlongTheRightAxisRebuildsRightFromTheWorldUp) {
  ZOdevuvCamera camera;  // right is (1, 0, 0)
  camera.LookAt({0, 0, 0}, {5, 0, 0}, {0, 1, 0});
  ExpectNear(camera.up, {0, 1, 0});
  ExpectNear(camera.right, {0, 0, -1});
  Matrix view;
  camera.GetViewMatrix(&view);
  ExpectOrthonormal(view);
  ExpectNear(ToView(camera, {5, 0, 0}), {0, 0, 5});
}

TEST(Camera, LookAtStraightDownAlongAVerticalRightStillGivesAView) {
  ZOdevuvCamera camera;
  camera.SetRight({0, 1, 0});
  camera.LookAt({0, 10, 0}, {0, 0, 0}, {0, 1, 0});
  Matrix view;
  camera.GetViewMatrix(&view);
  ExpectOrthonormal(view);
  ExpectNear(ToView(camera, {0, 0, 0}), {0, 0, 10});
}

TEST(Camera, LookAtTheEyeItselfKeepsTheCurrentLook) {
  ZOdevuvCamera camera;
  camera.LookAt({1, 1, 1}, {1, 1, 1}, {0, 1, 0});
  ExpectNear(camera.look, {0, 0, 1});
  ExpectNear(camera.position, {1, 1, 1});
}

TEST(Camera, ViewMatrixReorthonormalisesSkewedAxes) {
  ZOdevuvCamera camera;
  camera.SetLook({0, 0, 5});
  camera.SetUp({0.3f, 1, 0});
  camera.SetRight({1, 0.2f, 0.1f});
  camera.SetPosition({1, 2, 3});
  Matrix view;
  camera.GetViewMatrix(&view);
  ExpectOrthonormal(view);
  ExpectNear(camera.look, {0, 0, 1});
  EXPECT_NEAR(plat::Vec3Dot(camera.right, camera.up), 0, kEps);
  ExpectNear(ToView(camera, {1, 2, 3}), {0, 0, 0});
}

}  // namespace
