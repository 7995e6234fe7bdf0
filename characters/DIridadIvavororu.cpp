#include "characters/DIridadIvavororu.h"

#include <array>
#include <cmath>
#include <numbers>

#include "engine/animation/CAnimInstance.h"
#include "engine/animation/CMultiAnim.h"
#include "engine/core/Globals.h"
#include "engine/render/ZOdevuvDevice.h"
#include "engine/render/ZOdevuvFrustum.h"
#include "platform/gfx/Device.h"
#include "platform/gfx/TextureLoader.h"
#include "platform/math/Math.h"

namespace {

constexpr double kTwoPi = 2 * std::numbers::pi;
constexpr double kHalfPi = std::numbers::pi / 2;

// The cash machine, the three litter objects and the treasure chest: a
// visitor at one of them stays in sight.
constexpr std::array<const char*, 5> kObjectsSeenAt = {"cashFotel", "trash_01", "trash_02",
                                                       "trash_03", "kincseslada"};

}  // namespace

DIridadIvavororu::DIridadIvavororu() = default;

DIridadIvavororu::~DIridadIvavororu() {
  if (CAnimInstance* instance = GetAnimInstance()) instance->ReleaseTextures();
}

CAnimInstance* DIridadIvavororu::GetAnimInstance() const {
  return m_instanceLifetime.expired() ? nullptr : m_animInstance;
}

std::shared_ptr<plat::AnimationController> DIridadIvavororu::Controller() const {
  std::shared_ptr<plat::AnimationController> controller;
  if (CAnimInstance* instance = GetAnimInstance()) instance->GetController(&controller);
  return controller;
}

plat::MeshResult DIridadIvavororu::Setup(CMultiAnim* model, int32_t value, double startTime,
                                         float x, float y, float z, float heading, uint32_t,
                                         bool useOwnTextures) {
  m_previousTime = m_currentTime = startTime;
  m_position = {x, y, z};
  m_heading = m_wantedHeading = heading;
  m_model = model;
  m_setupValue = value;
  m_currentTrack = 0;

  int32_t index = -1;
  if (!model || plat::MeshFailed(model->CreateNewInstance(&index))) return plat::kMeshOutOfMemory;
  m_animInstance = model->GetInstance(index);
  if (!m_animInstance) return plat::kMeshOutOfMemory;
  m_instanceLifetime = m_animInstance->GetLifetime();
  m_instanceIndex = uint32_t(index);
  m_animInstance->EnableOwnTextures(useOwnTextures);

  m_walkSet = FindAnimationSet("walk");
  m_workSet = FindAnimationSet("work");
  m_idleSet = FindAnimationSet("idle");
  m_wateringSet = FindAnimationSet("watering");
  m_magicSet = FindAnimationSet("magic");

  if (auto controller = Controller()) {
    controller->AdvanceTime(m_currentTime);
    controller->SetTrackAnimationSet(0, controller->GetAnimationSet(uint32_t(m_initialSet)));
  }
  PlayWalk(true);
  RefreshTrackSpeed();
  m_boundingRadius = model->GetBoundingRadius();
  return plat::kMeshOk;
}

int32_t DIridadIvavororu::FindAnimationSet(const char* name) const {
  const auto controller = Controller();
  if (!controller || !name) return -1;
  for (uint32_t i = 0; i < controller->GetNumAnimationSets(); ++i) {
    if (controller->GetAnimationSet(i)->GetName() == name) return int32_t(i);
  }
  return -1;
}

void DIridadIvavororu::BlendToSet(int32_t setIndex, bool restart, float speed) {
  const auto controller = Controller();
  if (!controller) return;
  const auto oldTrack = uint32_t(m_currentTrack);
  const uint32_t newTrack = oldTrack == 0 ? 1 : 0;
  // An index the model lacks leaves the new track without a set.
  controller->SetTrackAnimationSet(
      newTrack, setIndex < 0 ? nullptr : controller->GetAnimationSet(uint32_t(setIndex)));
  controller->UnkeyAllTrackEvents(oldTrack);
  controller->UnkeyAllTrackEvents(newTrack);
  controller->KeyTrackEnable(oldTrack, false, m_currentTime + kBlendTime);
  controller->KeyTrackSpeed(oldTrack, 0, m_currentTime, kBlendTime);
  controller->KeyTrackWeight(oldTrack, 0, m_currentTime, kBlendTime);
  controller->SetTrackEnable(newTrack, true);
  controller->KeyTrackSpeed(newTrack, speed, m_currentTime, kBlendTime);
  controller->KeyTrackWeight(newTrack, speed, m_currentTime, kBlendTime);
  if (restart) controller->SetTrackPosition(newTrack, 0);
  m_currentTrack = int32_t(newTrack);
  RefreshTrackSpeed();
}

void DIridadIvavororu::PlayAnimation(int32_t setIndex, bool restart) {
  BlendToSet(setIndex, restart, float(m_indexBlendSpeed));
}

void DIridadIvavororu::PlayNamed(int32_t setIndex, AnimationKind kind, bool restart) {
  if (!GetAnimInstance()) return;
  BlendToSet(setIndex, restart, m_namedBlendSpeed);
  m_animationKind = kind;
}

void DIridadIvavororu::PlayIdle(bool restart) {
  if (m_animationKind == kIdle) return;
  PlayNamed(m_idleSet, kIdle, restart);
}

void DIridadIvavororu::PlayWork(bool restart) { PlayNamed(m_workSet, kWork, restart); }
void DIridadIvavororu::PlayWatering(bool restart) { PlayNamed(m_wateringSet, kWatering, restart); }
void DIridadIvavororu::PlayWalk(bool restart) { PlayNamed(m_walkSet, kWalk, restart); }
void DIridadIvavororu::PlayMagic(bool restart) { PlayNamed(m_magicSet, kMagic, restart); }

bool DIridadIvavororu::IsAnimationAtEnd(int32_t setIndex) const {
  const auto controller = Controller();
  if (!controller || setIndex < 0) return false;
  const auto track = uint32_t(m_currentTrack);
  const auto set = controller->GetTrackAnimationSet(track);
  if (!set || set != controller->GetAnimationSet(uint32_t(setIndex))) return false;
  plat::TrackDesc desc;
  controller->GetTrackDesc(track, &desc);
  return desc.position > set->GetPeriod() - kEndTolerance;
}

void DIridadIvavororu::RefreshTrackSpeed() {
  CAnimInstance* instance = GetAnimInstance();
  const plat::AnimationController* controller = instance ? instance->PeekController() : nullptr;
  plat::TrackDesc desc;
  m_trackSpeed = controller && controller->GetTrackDesc(uint32_t(m_currentTrack), &desc) ? desc.speed : 0;
}

void DIridadIvavororu::SetVisibleAtObject(const EngineString& objectName) {
  m_visible = 0;
  for (const char* name : kObjectsSeenAt) {
    if (objectName == name) m_visible = 1;
  }
}

void DIridadIvavororu::LoadTextures(int32_t n, const EngineString* fileNames) {
  CAnimInstance* instance = GetAnimInstance();
  if (!instance || !fileNames) return;
  plat::Device* device = g_device ? g_device->GetDevice() : nullptr;
  std::vector<std::shared_ptr<plat::Texture>> slots(kOwnTextureSlots);
  for (int32_t i = 0; i < n && i < kOwnTextureSlots; ++i) {
    std::shared_ptr<plat::Texture> texture = instance->FindCachedTexture(fileNames[i]);
    if (!texture && device) {
      texture = plat::CreateTextureFromFile(*device, fileNames[i].Std());
      instance->CacheTexture(fileNames[i], texture);
    }
    slots[std::size_t(i)] = std::move(texture);
  }
  instance->SetOwnTextures(std::move(slots));
}

void DIridadIvavororu::SetAttachedFlag(bool attached) {
  if (CAnimInstance* instance = GetAnimInstance()) instance->EnableOwnTextures(attached);
}

void DIridadIvavororu::Update(double dt) {
  CAnimInstance* instance = GetAnimInstance();
  if (!instance) return;
  if (m_animationKind == kWalk) WalkTowardTarget(dt);
  SteerToTarget();
  TurnTowardHeading(dt);
  UpdateWorldTransform(*instance);
}

void DIridadIvavororu::WalkTowardTarget(double dt) {
  m_lastTrackSpeed = GetTrackSpeed();
  const plat::Vec3 direction = plat::Vec3Normalized(m_target - m_position);
  m_position = m_position + direction * float(m_walkFactor * m_lastTrackSpeed * dt);
}

void DIridadIvavororu::SteerToTarget() {
  const plat::Vec3 flat{m_target.x - m_position.x, 0, m_target.z - m_position.z};
  // Standing on the target gives no direction: keep the wanted heading.
  if (plat::Vec3LengthSq(flat) == 0) return;
  const plat::Vec3 n = plat::Vec3Normalized(flat);
  if (n.z > 0) {
    m_wantedHeading = std::acos(n.x);
  } else if (n.z < 0) {
    m_wantedHeading = float(std::acos(-n.x) + std::numbers::pi);
  } else {
    m_wantedHeading = n.x > 0 ? 0.0f : float(std::numbers::pi);
  }
}

bool DIridadIvavororu::TurnTowardHeading(double dt) {
  if (m_heading == m_wantedHeading) return true;
  double t = m_wantedHeading;
  if (m_heading < m_wantedHeading) t -= kTwoPi;
  const auto d = float(m_heading - t);
  const double step = m_turnRate * dt;
  if (d < std::numbers::pi) {
    const double h = m_heading - step;
    m_heading = h <= t ? m_wantedHeading : float(h);
  } else {
    const double h = m_heading + step;
    m_heading = h - kTwoPi < t ? float(h) : m_wantedHeading;
  }
  return false;
}

void DIridadIvavororu::UpdateWorldTransform(CAnimInstance& instance) {
  plat::Matrix world = plat::IdentityMatrix();
  if (plat::Device* device = g_device ? g_device->GetDevice() : nullptr) {
    world = device->GetTransform(plat::TransformType::World);
  }
  plat::Matrix rotation, translation;
  plat::MatrixRotationY(&rotation, float(-kHalfPi - m_heading));
  if (IsVisible()) {
    plat::MatrixTranslation(&translation, m_position.x, m_position.y, m_position.z);
  } else {
    plat::MatrixTranslation(&translation, 0, kHiddenHeight, 0);
  }
  instance.SetWorldTransform(world * rotation * translation);
}

plat::MeshResult DIridadIvavororu::AdvanceTime(double dt, void*) {
  m_previousTime = m_currentTime;
  m_currentTime += dt;
  CAnimInstance* instance = GetAnimInstance();
  if (!instance) {
    m_trackSpeed = 0;
    return kInvalidCall;
  }
  const plat::MeshResult result = instance->AdvanceTime(dt);
  RefreshTrackSpeed();
  return result;
}

plat::MeshResult DIridadIvavororu::Render() {
  CAnimInstance* instance = GetAnimInstance();
  if (!IsVisible() || !instance) return plat::kMeshOk;
  if (plat::Device* device = g_device ? g_device->GetDevice() : nullptr) {
    device->SetRenderState(plat::RenderState::CullMode, plat::Cull::Ccw);
  }
  if (g_frustum && g_frustum->IsBoxVisible(m_position, m_position) <= 0) return plat::kMeshOk;
  instance->Draw();
  return plat::kMeshOk;
}

void DIridadIvavororu::ReleaseBuffer() {}
