#pragma once
// The viewer: position and three axis vectors, turned into the view matrix
// each frame. The application moves it from mouse and keyboard input and
// reads the position directly.
#include "platform/math/Types.h"

class ZOdevuvCamera {
 public:
  ZOdevuvCamera();
  ~ZOdevuvCamera();
  ZOdevuvCamera(const ZOdevuvCamera&) = delete;
  ZOdevuvCamera& operator=(const ZOdevuvCamera&) = delete;

  void SetMode(int newMode) { mode = newMode; }
  // Re-orthonormalises the axes, then writes the view matrix.
  void GetViewMatrix(plat::Matrix* out);

  void Pitch(float angle);         // up and look about the right axis
  void RotateWorldY(float angle);  // all three axes about the world Y axis
  void MoveAlongLook(float distance);
  void Walk(float distance);    // along look, height kept
  void Strafe(float distance);  // along right, height kept
  // The third argument is accepted for the callers' sake: the right axis is
  // levelled for the new look, and the up vector rebuilt from look and right.
  void LookAt(const plat::Vec3& eye, const plat::Vec3& target, const plat::Vec3& unusedUp);

  void GetPosition(plat::Vec3* out) const { *out = position; }
  void SetPosition(const plat::Vec3& v) { position = v; }
  void GetUp(plat::Vec3* out) const { *out = up; }
  void SetUp(const plat::Vec3& v) { up = v; }
  void GetLook(plat::Vec3* out) const { *out = look; }
  void SetLook(const plat::Vec3& v) { look = v; }
  void GetRight(plat::Vec3* out) const { *out = right; }
  void SetRight(const plat::Vec3& v) { right = v; }

  // Mode 0, the one the game uses, walks and strafes on the level.
  int mode = 0;
  plat::Vec3 right{1, 0, 0};
  plat::Vec3 up{0, 1, 0};
  plat::Vec3 look{0, 0, 1};
  plat::Vec3 position{0, 0, 0};

 private:
  void RotateAxes(const plat::Matrix& rotation, bool includeRight);
  void RebuildUp();
};
