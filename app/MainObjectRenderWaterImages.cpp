// The images drawn before the main pass: the water's two, what lies under
// the surface (refraction) and the park mirrored in it (reflection), each
// drawn into its own target without the land; and the park event camera's
// view, drawn into the event window's texture.
#include "app/VAvazadOvurUrovi.h"
#include "engine/core/Globals.h"
#include "engine/render/ZOdevuvCamera.h"
#include "engine/render/ZOdevuvDevice.h"
#include "engine/render/ZOdevuvFrustum.h"
#include "engine/render/ZOdevuvTexture.h"
#include "platform/gfx/Device.h"
#include "platform/math/Math.h"

namespace {

constexpr uint32_t kClearColour = 0xFF323232;
constexpr uint32_t kClearTargetAndDepth = plat::ClearFlags::Target | plat::ClearFlags::ZBuffer;
// The mirror: the water plane facing down, through the origin.
constexpr plat::Plane kWaterPlane{0.0f, -1.0f, 0.0f, 0.0f};
constexpr uint32_t kFirstClipPlane = 0;
constexpr uint32_t kFirstClipPlaneBit = 1u << kFirstClipPlane;

plat::Matrix InverseTranspose(const plat::Matrix& m) {
  plat::Matrix inverse, out;
  if (!plat::MatrixInverse(&inverse, nullptr, m)) inverse = plat::IdentityMatrix();
  plat::MatrixTranspose(&out, inverse);
  return out;
}

std::shared_ptr<plat::Surface> TargetSurface(ZOdevuvTexture* target) {
  return target && target->GetTexture() ? target->GetTexture()->GetSurfaceLevel(0) : nullptr;
}

// The camera's axes and position, put back after a view from elsewhere.
struct CameraPose {
  plat::Vec3 look, up, right, position;
};

CameraPose PoseOf(const ZOdevuvCamera& camera) {
  CameraPose pose;
  camera.GetLook(&pose.look);
  camera.GetUp(&pose.up);
  camera.GetRight(&pose.right);
  camera.GetPosition(&pose.position);
  return pose;
}

void Place(ZOdevuvCamera& camera, const CameraPose& pose) {
  camera.SetLook(pose.look);
  camera.SetUp(pose.up);
  camera.SetRight(pose.right);
  camera.SetPosition(pose.position);
}

}  // namespace

bool VAvazadOvurUrovi::BeginWaterImage(ZOdevuvTexture* target, std::shared_ptr<plat::Surface>& previous) {
  plat::Device* device = g_device ? g_device->GetDevice() : nullptr;
  const std::shared_ptr<plat::Surface> surface = TargetSurface(target);
  if (!device || !surface) return false;
  previous = device->GetRenderTarget(0);
  device->SetRenderTarget(0, surface);
  device->Clear(kClearTargetAndDepth, kClearColour, 1.0f, 0);
  device->BeginScene();
  SetPassRenderStates();
  return true;
}

void VAvazadOvurUrovi::EndWaterImage(float seconds, const std::shared_ptr<plat::Surface>& previous) {
  plat::Device* device = g_device->GetDevice();
  RenderSkyDome(seconds);
  RenderObjectsOffscreen(seconds);
  device->EndScene();
  device->SetRenderTarget(0, previous);
}

void VAvazadOvurUrovi::RenderRefraction(float seconds) {
  std::shared_ptr<plat::Surface> previous;
  if (!BeginWaterImage(refractionTarget, previous)) return;
  EndWaterImage(seconds, previous);
}

void VAvazadOvurUrovi::RenderReflection(float seconds) {
  plat::Device* device = g_device ? g_device->GetDevice() : nullptr;
  if (!device || !TargetSurface(reflectionTarget)) return;
  const plat::Matrix world = device->GetTransform(plat::TransformType::World);
  device->SetRenderState(plat::RenderState::ClipPlaneEnable, kFirstClipPlaneBit);
  device->SetRenderState(plat::RenderState::CullMode, plat::Cull::Cw);
  // The plane in world space, then in clip space for the clip plane.
  plat::Plane plane;
  plat::PlaneTransform(&plane, kWaterPlane, InverseTranspose(world));
  plat::Matrix worldView, worldViewProjection;
  plat::MatrixMultiply(&worldView, world, device->GetTransform(plat::TransformType::View));
  plat::MatrixMultiply(&worldViewProjection, worldView, device->GetTransform(plat::TransformType::Projection));
  plat::Plane clipPlane;
  plat::PlaneTransform(&clipPlane, plane, InverseTranspose(worldViewProjection));
  device->SetClipPlane(kFirstClipPlane, clipPlane);
  plat::Matrix mirror;
  plat::MatrixReflect(&mirror, plane);
  device->SetTransform(plat::TransformType::World, mirror);
  std::shared_ptr<plat::Surface> previous;
  if (BeginWaterImage(reflectionTarget, previous)) EndWaterImage(seconds, previous);
  device->SetTransform(plat::TransformType::World, world);
  device->SetRenderState(plat::RenderState::ClipPlaneEnable, 0);
}

void VAvazadOvurUrovi::RenderEventCameraView(float seconds) {
  plat::Device* device = g_device ? g_device->GetDevice() : nullptr;
  const std::shared_ptr<plat::Surface> surface = TargetSurface(eventRenderTexture);
  // The camera flight's second point is the view; before it is written there
  // is none.
  if (!device || !surface || !g_camera || cameraViews.size() <= kEventCameraView) return;
  const std::shared_ptr<plat::Surface> previous = device->GetRenderTarget(0);
  device->SetRenderTarget(0, surface);
  const CameraPose kept = PoseOf(*g_camera);
  const CameraViewRecord& point = cameraViews[kEventCameraView];
  const plat::Vec3 right = plat::Vec3Cross(point.up, point.target);
  Place(*g_camera, {point.target, plat::Vec3Cross(point.target, right), right, point.eye});
  const plat::Matrix keptView = device->GetTransform(plat::TransformType::View);
  plat::Matrix view;
  g_camera->GetViewMatrix(&view);
  if (g_frustum) g_frustum->Build(projection, view);
  device->SetTransform(plat::TransformType::View, view);
  device->Clear(kClearTargetAndDepth, kClearColour, 1.0f, 0);
  if (device->BeginScene()) {
    SetPassRenderStates();
    RenderFrame(seconds, true, true);
    device->EndScene();
  }
  device->SetRenderTarget(0, previous);
  Place(*g_camera, kept);
  device->SetTransform(plat::TransformType::View, keptView);
}
