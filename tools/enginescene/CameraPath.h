#pragma once
// The camera's round through the scene: from point to point at a steady
// pace, easing in and out at each point, and back from the last to the
// first, so that any length of run keeps moving.
#include <vector>

#include "tools/enginescene/SceneDescription.h"

class CameraPath {
 public:
  CameraPath(std::vector<SceneCameraPoint> points, float secondsPerPoint);

  // Eye and target at that time since the start; without points the camera
  // stands at the origin looking along +z.
  SceneCameraPoint At(double seconds) const;

 private:
  std::vector<SceneCameraPoint> m_points;
  float m_secondsPerPoint;
};
