#include "world/CAnimals.h"

#include <cmath>

#include "engine/animation/ZOdevuvCharacter.h"
#include "engine/core/Globals.h"
#include "engine/render/ZOdevuvCamera.h"
#include "engine/render/ZOdevuvDevice.h"
#include "engine/render/ZOdevuvFrustum.h"
#include "platform/gfx/Device.h"
#include "platform/math/Math.h"

namespace {

constexpr float kPi = 3.14159265358979f;
constexpr float kTwoPi = 2.0f * kPi;

plat::Vec3 Normalised(const plat::Vec3& v) {
  const float length = std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z);
  return length > 0.0f ? plat::Vec3{v.x / length, v.y / length, v.z / length} : plat::Vec3{};
}

// The direction of d in the ground plane, 0..2 pi.
float HeadingOf(const plat::Vec3& d) {
  if (d.z == 0.0f) return d.x <= 0.0f ? kPi : 0.0f;
  if (d.z > 0.0f) return std::acos(std::fmax(-1.0f, std::fmin(1.0f, d.x)));
  return std::acos(std::fmax(-1.0f, std::fmin(1.0f, -d.x))) + kPi;
}

bool NearAndInView(const plat::Vec3& position) {
  plat::Vec3 eye;
  if (g_camera) g_camera->GetPosition(&eye);
  const plat::Vec3 d{position.x - eye.x, position.y - eye.y, position.z - eye.z};
  if (d.x * d.x + d.y * d.y + d.z * d.z > CAnimals::kNearSquared) return false;
  return !g_frustum || g_frustum->IsSphereVisible(position, 0.0f) != 0;
}

}  // namespace

CAnimals::~CAnimals() {
  if (!m_modelAttached) delete m_model;
}

float CAnimals::TrackSpeed() const {
  if (!m_model || !m_model->GetController() || m_model->GetAnimationSetCount() == 0) return 1.0f;
  plat::TrackDesc track;
  return m_model->GetController()->GetTrackDesc(0, &track) ? track.speed : 1.0f;
}

void CAnimals::AttachToObject(ZOdevuvCharacter* model, const EngineString& name) {
  if (!m_modelAttached) delete m_model;
  m_model = model;
  m_name = name;
  m_modelAttached = true;
  if (m_model) m_model->SetAnimationSet(m_model->GetCurrentAnimationSet() + 1);
}

void CAnimals::Create(const EngineString& file, const EngineString& secondName) {
  if (!m_modelAttached) delete m_model;
  m_model = new ZOdevuvCharacter();
  m_modelAttached = false;
  m_model->SetName(file);
  m_model->SetSecondName(secondName);
  m_model->Load(file);
  m_model->SetAnimationSet(m_model->GetCurrentAnimationSet() + 1);
  m_name = file;
}

void CAnimals::Update(double seconds) {
  m_lastTimeStep = seconds;
  if (m_active) MoveAndTurn(seconds);
}

void CAnimals::MoveAndTurn(double seconds) {
  const plat::Vec3 toTarget = Normalised(m_target - m_position);
  const float step = m_speedFactor * TrackSpeed() * float(seconds);
  m_position = m_position + toTarget * step;
  m_targetHeading = HeadingOf(Normalised(m_target - m_position));
  if (m_heading == m_targetHeading) return;
  float target = m_targetHeading;
  if (m_heading < target) target -= kTwoPi;
  const float turn = m_turnRate * float(seconds);
  if (m_heading - target < kPi) {
    m_heading -= turn;
    if (m_heading <= target) m_heading = m_targetHeading;
  } else {
    m_heading += turn;
    if (m_heading >= target + kTwoPi) m_heading = m_targetHeading;
  }
}

void CAnimals::Render() {
  plat::Device* device = EngineDevice();
  if (!device) return;
  const plat::Matrix kept = device->GetTransform(plat::TransformType::World);
  plat::Matrix turn, move;
  plat::MatrixRotationY(&turn, -kPi / 2 - m_heading);
  plat::MatrixTranslation(&move, m_position.x, m_position.y, m_position.z);
  device->SetTransform(plat::TransformType::World, turn * move);
  if (m_model && m_active) m_model->Render(0);
  device->SetTransform(plat::TransformType::World, kept);
}

void RenderAnimals(const std::vector<CAnimals*>& animals, bool enabled, double seconds) {
  if (!enabled) return;
  for (CAnimals* animal : animals) {
    if (!animal || !NearAndInView(animal->GetPosition())) continue;
    animal->Render();
    animal->Update(seconds);
  }
}
