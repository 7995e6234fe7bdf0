// The frame hook and the scene's passes: while loading the intro and the
// loading screen; afterwards the lights, the camera, the water images, the
// shadow pass and the main pass (sky dome, water, terrain, footpaths, the
// placed objects with the far cut, the preview), then the overlay, and the
// present.
//
// The game speed scales the frame's time once, here; the overlay draws the
// characters and the birds with that same time.
#include <algorithm>
#include <cmath>

#include "app/VAvazadOvurUrovi.h"
#include "engine/core/Globals.h"
#include "engine/media/ZOdevuvMusic.h"
#include "engine/render/ZOdevuvCamera.h"
#include "engine/render/ZOdevuvDevice.h"
#include "engine/render/ZOdevuvFrustum.h"
#include "engine/render/ZOdevuvGameObject.h"
#include "engine/render/ZOdevuvLightManager.h"
#include "park/objects/CAttraction.h"
#include "platform/gfx/Device.h"
#include "platform/math/Math.h"
#include "screens/REraduzizOptionsScreen.h"
#include "world/CHeightMapHandlerClass.h"
#include "world/CPorvikRoad.h"

namespace {

constexpr uint32_t kClearColour = 0xFF323232;
constexpr uint32_t kClearAll = plat::ClearFlags::Target | plat::ClearFlags::ZBuffer | plat::ClearFlags::Stencil;

// The sky dome follows the camera at this height.
constexpr float kSkyDomeHeight = 60.0f;

// Placed objects farther than this (squared) are not drawn with the far
// cut on; the music fades within the near distance (squared) of the
// nearest attraction that is not one of the quiet types.
constexpr float kFarCutSquared = 80000.0f;
constexpr float kMusicNearSquared = 900.0f;
constexpr float kNearestStart = 10000.0f;
constexpr float kMusicFadePerUnit = -10.0f;
// The music player's range in hundredths of a decibel.
constexpr int32_t kMusicVolumeMin = -10000;
constexpr int32_t kMusicVolumeMax = 0;
constexpr const char* kQuietTypes[] = {"Attr_Cobbleton", "Attr_MainEntrance", "cashFotel"};
constexpr int32_t kMaxNearestKind = 1;

// The tree base's drawing modes in the main pass and in the water images.
constexpr int32_t kTreeBaseFirstMode = 2;
constexpr int32_t kTreeBaseSecondMode = 4;
constexpr int32_t kSkyDomeMode = 0;
constexpr int32_t kTreeBaseOffscreenFirstMode = 0;
constexpr int32_t kTreeBaseOffscreenSecondMode = 1;
// The placed objects are drawn in two passes: the solid parts, then the rest.
constexpr uint8_t kFirstObjectPass = 0;
constexpr uint8_t kSecondObjectPass = 1;

plat::Device* LiveDevice() { return g_device ? g_device->GetDevice() : nullptr; }

plat::Vec3 CameraPosition() {
  plat::Vec3 position{};
  if (g_camera) g_camera->GetPosition(&position);
  return position;
}

plat::Matrix CameraView() {
  plat::Matrix view = plat::IdentityMatrix();
  if (g_camera) g_camera->GetViewMatrix(&view);
  return view;
}

float SquaredDistanceToCamera(const CAttraction& object) {
  const plat::Vec3 d = object.GetPositionStruct() - CameraPosition();
  return d.x * d.x + d.y * d.y + d.z * d.z;
}

// The music fades near an attraction or a building of kind 0 or 1 that is
// none of the quiet types.
bool IsMusicalObject(const CAttraction& object) {
  const bool quiet =
      std::any_of(std::begin(kQuietTypes), std::end(kQuietTypes), [&](const char* id) { return object.id == id; });
  return !quiet && object.state >= 0 && object.state <= kMaxNearestKind;
}

void SetSolidFill(plat::Device& device) {
  device.SetRenderState(plat::RenderState::FillMode, plat::Fill::Solid);
  device.SetRenderState(plat::RenderState::ShadeMode, plat::Shade::Gouraud);
}

}  // namespace

void VAvazadOvurUrovi::Frame(float elapsedSeconds) {
  const float seconds = elapsedSeconds * float(gameSpeed);
  if (!resourcesReady) return;
  if (initialLoadingStarted.load()) {
    UpdateVideoSequence();
    return;
  }
  // No scene is drawn while an in-game video plays.
  if (inGameVideoStarted && inGameVideoPlaying) {
    WatchInGameVideo();
    return;
  }
  if (!simulationHalted && playMode && gameSpeed > 0) {
    RefreshCashDisplay();
    CheckScenarioGoals();
  }
  UpdateWeatherClock();
  plat::Device* device = LiveDevice();
  if (!device) return;
  SetAllLights(true);
  ApplyLightFlags();
  SetCameraTransforms();
  if (!simulationHalted) {
    if (refractionEnabled) RenderRefraction(seconds);
    if (reflectionEnabled) RenderReflection(seconds);
    if (eventCameraActive) RenderEventCameraView(seconds);
  }
  SetCameraTransforms();
  if (shadowEnabled) RenderShadowPass(seconds);
  RenderFrame(seconds, true, false);
  g_device->Present();
}

void VAvazadOvurUrovi::SetCameraTransforms() {
  plat::Device* device = LiveDevice();
  if (!device) return;
  const plat::Matrix view = CameraView();
  device->SetTransform(plat::TransformType::Projection, projection);
  device->SetTransform(plat::TransformType::View, view);
  if (g_frustum) g_frustum->Build(projection, view);
}

void VAvazadOvurUrovi::RenderShadowPass(float seconds) {
  plat::Device* device = LiveDevice();
  if (!g_shadowMapSurface || !g_shadowDepthSurface) return;
  const std::shared_ptr<plat::Surface> target = device->GetRenderTarget(0);
  const std::shared_ptr<plat::Surface> depth = device->GetDepthStencilSurface();
  device->SetRenderTarget(0, g_shadowMapSurface);
  // Without the depth surface to put back the pass would leave the shadow's.
  if (depth) {
    device->SetDepthStencilSurface(g_shadowDepthSurface);
    RenderFrame(seconds, false, false);
    device->SetDepthStencilSurface(depth);
  }
  device->SetRenderTarget(0, target);
}

void VAvazadOvurUrovi::RenderFrame(float seconds, bool mainPass, bool nested) {
  plat::Device* device = LiveDevice();
  if (!device) return;
  plat::Matrix view = CameraView();
  if (!mainPass && g_lights) g_lights->GetLightViewMatrix(&view, 0);
  device->SetTransform(plat::TransformType::View, view);
  if (!nested) {
    device->Clear(kClearAll, kClearColour, 1.0f, 0);
    device->BeginScene();
  }
  SetPassRenderStates();
  if (mainPass) {
    RenderSkyDome(seconds);
    RenderWater();
  }
  RenderObjects(seconds, mainPass);
  if (mainPass) {
    if (!nested && layingPath && road) {
      road->Draw(pathCursorPosition.x, 0.0f, pathCursorPosition.z, 0, removingPath != 0);
    }
    UpdateAmbience(seconds, nested);
  }
  if (!nested) device->EndScene();
}

void VAvazadOvurUrovi::SetPassRenderStates() {
  plat::Device* device = LiveDevice();
  device->SetRenderState(plat::RenderState::ZEnable, plat::kTrue);
  device->SetRenderState(plat::RenderState::SlopeScaleDepthBias, plat::FloatBits(slopeDepthBias));
  device->SetRenderState(plat::RenderState::DepthBias, plat::FloatBits(depthBias));
  device->SetRenderState(plat::RenderState::Lighting, plat::kTrue);
  device->SetRenderState(plat::RenderState::ZWriteEnable, plat::kTrue);
}

void VAvazadOvurUrovi::RenderSkyDome(float seconds) {
  plat::Device* device = LiveDevice();
  if (!skyDome) return;
  device->SetRenderState(plat::RenderState::Lighting, plat::kFalse);
  const plat::Matrix world = device->GetTransform(plat::TransformType::World);
  const plat::Vec3 camera = CameraPosition();
  plat::Matrix translation, dome;
  plat::MatrixTranslation(&translation, camera.x, kSkyDomeHeight, camera.z);
  plat::MatrixMultiply(&dome, translation, world);
  device->SetTransform(plat::TransformType::World, dome);
  skyDome->Render(seconds, kSkyDomeMode);
  device->SetTransform(plat::TransformType::World, world);
  device->SetRenderState(plat::RenderState::Lighting, plat::kTrue);
}

void VAvazadOvurUrovi::RenderObjects(float seconds, bool mainPass) {
  if (simulationHalted) return;
  plat::Device* device = LiveDevice();
  const uint8_t cameraPass = mainPass ? 1 : 0;
  if (mainPass) {
    if (terrain) terrain->Render(baseMap);
    if (road) road->DrawShadow();
    if (baseTrees) baseTrees->Render(seconds, kTreeBaseFirstMode);
  }
  SetSolidFill(*device);
  float nearest = -1.0f;
  float nearestSoFar = kNearestStart;
  for (CAttraction* object : placedObjects.Objects()) {
    object->UpdatePauseByGameSpeed(gameSpeed);
    if (IsBeyondFarCut(*object)) continue;
    const float squared = SquaredDistanceToCamera(*object);
    if (squared < kMusicNearSquared && squared <= nearestSoFar && IsMusicalObject(*object)) {
      nearestSoFar = squared;
      nearest = squared;
    }
    object->Render(seconds, kFirstObjectPass, cameraPass);
  }
  if (mainPass) FadeMusicNear(nearest);
  if (HasPreview()) placementPreview->Render(seconds, kFirstObjectPass, cameraPass);
  if (mainPass && baseTrees) baseTrees->Render(seconds, kTreeBaseSecondMode);
  for (CAttraction* object : placedObjects.Objects()) {
    if (!IsBeyondFarCut(*object)) object->Render(seconds, kSecondObjectPass, cameraPass);
  }
  if (HasPreview()) placementPreview->Render(seconds, kSecondObjectPass, cameraPass);
}

void VAvazadOvurUrovi::RenderObjectsOffscreen(float seconds) {
  plat::Device* device = LiveDevice();
  if (baseTrees) baseTrees->Render(seconds, kTreeBaseOffscreenFirstMode);
  SetSolidFill(*device);
  for (CAttraction* object : placedObjects.Objects()) {
    if (!IsBeyondFarCut(*object)) object->RenderOffscreen(seconds, kFirstObjectPass);
  }
  if (HasPreview()) placementPreview->Render(seconds, kFirstObjectPass, 1);
  if (baseTrees) baseTrees->Render(seconds, kTreeBaseOffscreenSecondMode);
  for (CAttraction* object : placedObjects.Objects()) {
    if (!IsBeyondFarCut(*object)) object->RenderOffscreen(seconds, kSecondObjectPass);
  }
  if (HasPreview()) placementPreview->Render(seconds, kSecondObjectPass, 1);
}

bool VAvazadOvurUrovi::HasPreview() const {
  return placementPreview && (!placementPreview->partObjects.empty() || !placementPreview->animatedObjects.empty());
}

bool VAvazadOvurUrovi::IsBeyondFarCut(const CAttraction& object) const {
  return farCutEnabled == 1 && SquaredDistanceToCamera(object) > kFarCutSquared;
}

int32_t VAvazadOvurUrovi::MusicVolumeNear(int32_t musicValue, float nearestSquared) {
  float volume = float(REraduzizOptionsScreen::MusicVolumeFor(musicValue));
  if (nearestSquared >= 0.0f) volume += std::trunc((kMusicNearSquared - nearestSquared) * kMusicFadePerUnit);
  // Near an attraction the sum can go below what the player takes.
  return int32_t(std::clamp(volume, float(kMusicVolumeMin), float(kMusicVolumeMax)));
}

void VAvazadOvurUrovi::FadeMusicNear(float nearestSquared) {
  if (!g_music || !playMode || simulationHalted || optionsPaused || !IsMusicOn() || !AreSoundEffectsOn()) return;
  g_music->SetVolume(MusicVolumeNear(MusicValue(), nearestSquared));
}
