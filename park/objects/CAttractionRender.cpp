// Drawing a placed object: its parts, a model per ride vehicle where that
// vehicle stands on the track, its figures or the figure of a running park
// event, the flags of its level and the arrows at its gates; and what the
// main view places for the rest of the game (the splash, the water falls,
// the steam train's ends). The water passes draw the same with the models'
// default effects and nothing else.
#include "engine/animation/ZOdevuvCharacter.h"
#include "engine/core/Globals.h"
#include "engine/particles/ParticleEffects.h"
#include "engine/render/ZOdevuvDevice.h"
#include "engine/render/ZOdevuvFrustum.h"
#include "park/events/ParkEvent.h"
#include "park/objects/AttractionHelpers.h"
#include "park/objects/CAttraction.h"
#include "park/objects/IAttractionHost.h"
#include "world/objects/CParkModel.h"

namespace {

using attractionhelpers::Identity;
using attractionhelpers::IsOneOf;
using attractionhelpers::kRadiansPerDegree;
using attractionhelpers::RotationY;
using attractionhelpers::TransformPoint;
using attractionhelpers::Translation;

// The models' render modes.
enum RenderMode : int32_t {
  kModeDefaultOpaque = 0,
  kModeDefaultTranslucent = 1,
  kModeScene = 2,
  kModeShadow = 3,
  kModeSceneTranslucent = 4,
  kModeShadowTranslucent = 5,
  kModeGlow = 6,
  kModeGlowTranslucent = 7,
};

// Vehicle models are made along another axis than their tracks run: most
// are turned a quarter turn forward, these back, these not at all.
constexpr float kQuarterTurn = 1.5707963705f;
constexpr const char* kVehiclesTurnedBack[] = {"Attr_Norwhistle", "Attr_Cobbleton", "Attr_Tarvix", "Attr_Fennaclaw",
                                               "Attr_Murrowick"};
constexpr const char* kVehiclesUnturned[] = {"Attr_Ostrivane", "Attr_yarrowin"};

constexpr const char* kNeverGlows = "Attr_MainEntrance";
constexpr const char* kSteamTrain = "Attr_Cobbleton";
// The boats of this ride splash where they come down below the water.
constexpr const char* kSplashRide = "Attr_Norwhistle";
constexpr float kSplashHeight = -0.7f;
constexpr int32_t kSplashFirstFrame = 462;  // in frames of the track
constexpr int32_t kSplashLastKeyframe = 76112;
// The tower of this ride is carried round a pivot by its last vehicle.
constexpr const char* kTowerRide = "Attr_yarrowin";
constexpr size_t kTowerPart = 2;
constexpr float kTowerPivot = 23.523f;
constexpr int32_t kShopState = 6;

// Two rides pour a water fall between two points of their own.
struct WaterFallPlace {
  const char* id;
  plat::Vec3 from, to;
  bool second;  // the park's second water fall, else its first
};
const WaterFallPlace kWaterFalls[] = {
    {"ATTR_Tullowmere", {-2.022f, 5.11f, 3.781f}, {2.568f, 5.11f, 5.489f}, false},
    {"ATTR_Kestovar", {50.8503f, 7.6421f, -30.4738f}, {60.847f, 7.6421f, -35.7554f}, true},
};

int32_t MainPassMode(uint8_t pass, uint8_t cameraPass) {
  if (cameraPass != 0) return pass == 0 ? kModeScene : kModeSceneTranslucent;
  return pass == 0 ? kModeShadow : kModeShadowTranslucent;
}

int32_t WaterPassMode(uint8_t pass) { return pass == 0 ? kModeDefaultOpaque : kModeDefaultTranslucent; }

void SetWorld(plat::Device& device, const plat::Matrix& world) {
  device.SetTransform(plat::TransformType::World, world);
}

void SetAdditiveBlend(plat::Device& device) {
  device.SetRenderState(plat::RenderState::SrcBlend, plat::Blend::SrcAlpha);
  device.SetRenderState(plat::RenderState::DestBlend, plat::Blend::One);
}

void SetSolidFill(plat::Device& device) { device.SetRenderState(plat::RenderState::FillMode, plat::Fill::Solid); }

bool PointVisible(const plat::Vec3& point) { return !g_frustum || g_frustum->IsBoxVisible(point, point) > 0; }

}  // namespace

float VehicleAlignmentAngle(const EngineString& id) {
  if (IsOneOf(id, kVehiclesTurnedBack)) return -kQuarterTurn;
  if (IsOneOf(id, kVehiclesUnturned)) return 0.0f;
  return kQuarterTurn;
}

void CAttraction::Render(float dt, uint8_t pass, uint8_t cameraPass) {
  plat::Device* device = EngineDevice();
  if (!device) return;
  if (const plat::Matrix* projection = g_attractionHost ? g_attractionHost->GetSceneProjection() : nullptr) {
    device->SetTransform(plat::TransformType::Projection, *projection);
  }
  const plat::Matrix w0 = device->GetTransform(plat::TransformType::World);
  const plat::Matrix m = ObjectMatrix(w0);
  SetWorld(*device, m);
  const int32_t mode = MainPassMode(pass, cameraPass);
  const bool mainView = cameraPass != 0;
  size_t vehicle = 0;
  plat::Matrix lastOrientation = Identity();
  for (size_t i = 0; i < partObjects.size(); ++i) {
    CParkModel* part = partObjects[i];
    if (!part) continue;
    if (!part->IsVehicle()) {
      RenderStaticPart(dt, *part, i, m, lastOrientation, pass, cameraPass);
      continue;
    }
    const RideVehicle* ride = VehicleForModel(vehicle);
    if (!ride) continue;
    RenderVehicle(dt, *part, *ride, m, mode);
    lastOrientation = ride->orientation;
    if (pass == 0 && mainView) PlaceVehicleEffects(*ride, m, vehicle == 0);
    ++vehicle;
  }
  RenderFigures(dt, mode, pass, true);
  SetWorld(*device, w0);
  if (isPreview == 1) return;
  if (state == 0 && id != kSteamTrain) {
    RenderLevelFlags(dt, w0, mainView ? kModeScene : kModeShadow, mainView ? kModeSceneTranslucent : kModeShadowTranslucent);
  }
  RenderArrows(w0);
}

void CAttraction::RenderOffscreen(float dt, uint8_t pass) {
  plat::Device* device = EngineDevice();
  if (!device) return;
  const plat::Matrix w0 = device->GetTransform(plat::TransformType::World);
  const plat::Matrix m = ObjectMatrix(w0);
  SetWorld(*device, m);
  const int32_t mode = WaterPassMode(pass);
  size_t vehicle = 0;
  for (CParkModel* part : partObjects) {
    if (!part) continue;
    if (part->IsVehicle()) {
      const RideVehicle* ride = VehicleForModel(vehicle);
      if (!ride) continue;
      RenderVehicle(dt, *part, *ride, m, mode);
      ++vehicle;
      continue;
    }
    if (isHovered == 1) {
      SetAdditiveBlend(*device);
    } else {
      SetSolidFill(*device);
    }
    SetWorld(*device, PartWorld(*part, m));
    part->Render(dt, mode);
    SetWorld(*device, m);
  }
  RenderFigures(dt, mode, pass, false);
  SetWorld(*device, w0);
  if (state == 0) RenderLevelFlags(dt, w0, kModeDefaultOpaque, kModeDefaultTranslucent);
}

plat::Matrix CAttraction::ObjectMatrix(const plat::Matrix& w0) const {
  return worldMatrix * w0 * RotationY(rotation * kRadiansPerDegree) * Translation(position);
}

plat::Matrix CAttraction::PartWorld(const CParkModel& part, const plat::Matrix& base) {
  return part.applyPartMatrix != 0 ? part.partMatrix * base : base;
}

const RideVehicle* CAttraction::VehicleForModel(size_t k) const {
  // A ride with more vehicle models than vehicles (or none yet) leaves the
  // others out.
  if (vehiclesBuilt == 0 || k >= vehicles.size()) return nullptr;
  return vehicles[k].get();
}

void CAttraction::RenderVehicle(float dt, CParkModel& model, const RideVehicle& vehicle, const plat::Matrix& m,
                                int32_t mode) const {
  plat::Device* device = EngineDevice();
  SetWorld(*device, RotationY(VehicleAlignmentAngle(id)) * vehicle.orientation * Translation(vehicle.position) * m);
  model.Render(dt, mode);
  SetWorld(*device, m);
}

void CAttraction::RenderStaticPart(float dt, CParkModel& part, size_t index, const plat::Matrix& m,
                                   const plat::Matrix& lastOrientation, uint8_t pass, uint8_t cameraPass) {
  plat::Device* device = EngineDevice();
  plat::Matrix base = m;
  if (id == kTowerRide && index == kTowerPart) {
    const plat::Vec3 pivot{kTowerPivot, 0, 0};
    base = Translation(TransformPoint(-pivot, lastOrientation) + pivot) * m;
  }
  SetWorld(*device, PartWorld(part, base));
  if (isHovered == 1 && id != kNeverGlows) {
    // A glowing part casts no shadow.
    if (cameraPass != 0) part.Render(dt, pass == 0 ? kModeGlow : kModeGlowTranslucent);
  } else {
    SetSolidFill(*device);
    part.Render(dt, MainPassMode(pass, cameraPass));
    if (pass == 1 && cameraPass != 0) PlaceWaterFall(m);
  }
  SetWorld(*device, m);
}

void CAttraction::PlaceVehicleEffects(const RideVehicle& vehicle, const plat::Matrix& m, bool first) const {
  if (!g_attractionHost) return;
  const plat::Vec3 at = TransformPoint(vehicle.position, m);
  if (id == kSteamTrain) {
    if (first) {
      g_attractionHost->SetTrainFrontPosition(at);
    } else {
      g_attractionHost->SetTrainRearPosition(at);
    }
    return;
  }
  ParticleEffects* effects = g_attractionHost->GetParticleEffects();
  if (id != kSplashRide || !effects || !effects->splashSparkle) return;
  const bool inWindow = vehicle.keyframe >= kSplashFirstFrame * trackKeysPerFrame && vehicle.keyframe <= kSplashLastKeyframe;
  if (at.y < kSplashHeight && inWindow) {
    effects->splashSparkle->SetOrigin(at.x, at.y, at.z);
    effects->splashSparkle->active = true;
  } else if (vehicle.keyframe > kSplashLastKeyframe) {
    effects->splashSparkle->active = false;
  }
}

void CAttraction::PlaceWaterFall(const plat::Matrix& m) {
  if (waterEffectPlaced != 0 || isPreview != 0 || !g_attractionHost) return;
  ParticleEffects* effects = g_attractionHost->GetParticleEffects();
  if (!effects) return;
  for (const WaterFallPlace& place : kWaterFalls) {
    if (id != place.id) continue;
    WaterFall* fall = place.second ? effects->waterFallB : effects->waterFallA;
    if (!fall) return;
    const plat::Vec3 from = TransformPoint(place.from, m);
    const plat::Vec3 to = TransformPoint(place.to, m);
    fall->SetEmitterLine(from.x, from.y, from.z, to.x, to.y, to.z);
    fall->Reset();
    fall->active = true;
    waterEffectPlaced = 1;
    return;
  }
}

void CAttraction::RenderFigures(float dt, int32_t mode, uint8_t pass, bool mainPass) {
  plat::Device* device = EngineDevice();
  if (eventAnimActive == 0) {
    for (ZOdevuvCharacter* figure : figures) {
      if (!figure) continue;
      if (isHovered == 1) {
        SetAdditiveBlend(*device);
      } else {
        SetSolidFill(*device);
      }
      // The water passes show the figures as the main view last left them.
      if (mainPass && pass == 0) figure->SetGhost(isHovered == 1);
      if (pass == 0) figure->Render(0);
    }
    return;
  }
  const EngineString name = eventAnimName;
  if (ZOdevuvCharacter* figure = GetNamedPart(name)) {
    figure->Render(0);
    if (AnimationNearEnd(figure)) {
      figure->PauseAnimation();
      if (currentEvent) currentEvent->OnAnimEnd();
    }
  } else if (CParkModel* model = mainPass ? GetNamedPartModel(name) : nullptr) {
    model->Render(dt, mode);
  }
}

void CAttraction::RenderLevelFlags(float dt, const plat::Matrix& w0, int32_t firstMode, int32_t secondMode) const {
  if (level < 1 || level > kLevelCount) return;
  plat::Device* device = EngineDevice();
  CParkModel* const flags[kLevelCount] = {level1Flag, level2Flag, level3Flag};
  for (int32_t i = 0; i < level; ++i) {
    const plat::Vec3& point = levelFlagPositions[i];
    if (!flags[i] || !PointVisible(point)) continue;
    SetWorld(*device, Translation(point) * w0);
    flags[i]->Render(dt, firstMode);
    flags[i]->Render(dt, secondMode);
    SetWorld(*device, w0);
  }
}

void CAttraction::RenderArrows(const plat::Matrix& w0) const {
  const bool gateSet = gatePosition.x != 0.0f && gatePosition.y != 0.0f && gatePosition.z != 0.0f;
  if (!g_attractionHost || !(state == 0 || (state == kShopState && gateSet))) return;
  plat::Device* device = EngineDevice();
  const std::pair<ZOdevuvCharacter*, plat::Vec3> arrows[] = {{g_attractionHost->GetEntranceArrow(), gatePosition},
                                                             {g_attractionHost->GetExitArrow(), exitPosition}};
  for (const auto& [arrow, point] : arrows) {
    if (!arrow) continue;
    SetWorld(*device, Translation(point) * w0);
    arrow->Render(0);
    SetWorld(*device, w0);
  }
}
