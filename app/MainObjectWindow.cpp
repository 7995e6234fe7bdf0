// What the window procedure asks of the main object: the wheel's zoom.
#include "app/VAvazadOvurUrovi.h"
#include "engine/core/Globals.h"
#include "engine/render/ZOdevuvCamera.h"

namespace {

constexpr float kZoomDistance = 3.0f;
// The camera's height stays within these, both included.
constexpr float kLowestCameraHeight = 10.0f;
constexpr float kHighestCameraHeight = 70.0f;

}  // namespace

void VAvazadOvurUrovi::ZoomByWheel(int32_t wheel) {
  if (!g_camera || modalScreenOpen || IsModalScreenOpen()) return;
  // The wheel's distance is the high word, so the sign of the whole word is
  // its sign; no distance keeps the last step.
  if (wheel < 0) zoomStep = -kZoomDistance;
  if (wheel > 0) zoomStep = kZoomDistance;
  g_camera->MoveAlongLook(zoomStep);
  const float height = g_camera->position.y;
  if (height < kLowestCameraHeight || height > kHighestCameraHeight) g_camera->MoveAlongLook(-zoomStep);
}
