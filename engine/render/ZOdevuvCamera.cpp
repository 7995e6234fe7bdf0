#include "engine/render/ZOdevuvCamera.h"

#include "engine/core/Globals.h"
#include "engine/core/VectorHelpers.h"
#include "platform/math/Math.h"

using plat::Vec3;

namespace {

constexpr Vec3 kWorldUp{0, 1, 0};

}  // namespace

ZOdevuvCamera::ZOdevuvCamera() { g_camera = this; }

ZOdevuvCamera::~ZOdevuvCamera() {
  if (g_camera == this) g_camera = nullptr;
}

void ZOdevuvCamera::RebuildUp() {
  up = plat::Vec3Normalized(plat::Vec3Cross(look, right));
  if (up == Vec3{}) {
    // Looking along the right axis leaves no plane to take up from: level
    // right with the ground again and take up from that.
    right = RightFromWorldUp(look);
    up = plat::Vec3Normalized(plat::Vec3Cross(look, right));
  }
}

void ZOdevuvCamera::GetViewMatrix(plat::Matrix* out) {
  look = plat::Vec3Normalized(look);
  RebuildUp();
  right = plat::Vec3Normalized(plat::Vec3Cross(up, look));
  plat::MatrixViewFromAxes(out, right, up, look, position);
}

void ZOdevuvCamera::RotateAxes(const plat::Matrix& rotation, bool includeRight) {
  if (includeRight) plat::Vec3TransformCoord(&right, right, rotation);
  plat::Vec3TransformCoord(&up, up, rotation);
  plat::Vec3TransformCoord(&look, look, rotation);
}

void ZOdevuvCamera::Pitch(float angle) {
  plat::Matrix m;
  plat::MatrixRotationAxis(&m, right, angle);
  RotateAxes(m, false);
}

void ZOdevuvCamera::RotateWorldY(float angle) {
  plat::Matrix m;
  plat::MatrixRotationAxis(&m, {0, 1, 0}, angle);
  RotateAxes(m, true);
}

void ZOdevuvCamera::MoveAlongLook(float distance) {
  if (mode != 0) return;
  position = position + look * distance;
}

void ZOdevuvCamera::Walk(float distance) {
  if (mode != 0) return;
  position.x += look.x * distance;
  position.z += look.z * distance;
}

void ZOdevuvCamera::Strafe(float distance) {
  if (mode != 0) return;
  position.x += right.x * distance;
  position.z += right.z * distance;
}

void ZOdevuvCamera::LookAt(const Vec3& eye, const Vec3& target, const Vec3& /*unusedUp*/) {
  position = eye;
  // A target on the eye gives no direction; keep looking the way we were.
  if (!(target == eye)) look = plat::Vec3Normalized(target - eye);
  // A right axis kept from an earlier look (or set before the first) that
  // is not square to the new look would roll the view: it is levelled for
  // the new look, unless that look is vertical.
  const Vec3 level = plat::Vec3Normalized(plat::Vec3Cross(kWorldUp, look));
  if (!(level == Vec3{})) right = level;
  RebuildUp();
}
