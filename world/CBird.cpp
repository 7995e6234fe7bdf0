#include "world/CBird.h"

#include <cmath>
#include <cstdio>

#include "platform/math/Math.h"
#include "platform/os/Random.h"

namespace {

// A draw of the random generator scaled to 0..range.
float RandomUpTo(float range) { return float(plat::Rand()) * range / float(plat::kRandMax); }

}  // namespace

CBird::CBird() { m_speedFactor = kSpeedFactor; }

void CBird::SetFlightBox(float minX, float minZ, float maxX, float maxZ) {
  m_boxMinX = minX;
  m_boxMinZ = minZ;
  m_boxMaxX = maxX;
  m_boxMaxZ = maxZ;
}

bool CBird::InsideShrunkBox() const {
  return m_position.x > m_boxMinX + m_margin && m_position.x < m_boxMaxX - m_margin &&
         m_position.z > m_boxMinZ + m_margin && m_position.z < m_boxMaxZ - m_margin;
}

void CBird::ChooseCircleTarget() {
  const float r = RandomUpTo(1000.0f) - 500.0f;
  m_circleAngle += r < 0.0f ? -kCircleStep : kCircleStep;
  const float a = m_circleAngle * kCircleTurn / m_circleSegments;
  m_target.x = m_position.x + std::cos(a) * m_circleRadius;
  m_target.z = m_position.z + std::sin(a) * m_circleRadius;
}

// A bird outside the box would otherwise hover at its last target for ever.
void CBird::HeadForBoxCentre() {
  m_target.x = (m_boxMinX + m_boxMaxX) * 0.5f;
  m_target.z = (m_boxMinZ + m_boxMaxZ) * 0.5f;
}

void CBird::Update(double seconds) {
  m_margin = Margin();
  const plat::Vec3 d = m_target - m_position;
  const float distance = std::sqrt(d.x * d.x + d.y * d.y + d.z * d.z);
  const float lastStep = m_speedFactor * TrackSpeed() * float(m_lastTimeStep);
  if (distance < lastStep) {
    if (InsideShrunkBox()) ChooseCircleTarget();
    else HeadForBoxCentre();
  }
  m_lastTimeStep = seconds;
  if (m_active) MoveAndTurn(seconds);
}

std::vector<CBird*> CreateBirdFlocks(ZOdevuvCharacter* const (&models)[CBird::kModelCount], unsigned seed) {
  plat::SRand(seed);
  std::vector<CBird*> birds;
  for (int flock = 0; flock < CBird::kFlockCount; ++flock) {
    for (int i = 0; i < CBird::kModelCount; ++i) {
      auto* bird = new CBird();
      char name[32];  // room for any int
      std::snprintf(name, sizeof name, "BIRD_%02d", i + 1);
      bird->AttachToObject(models[i], name);
      const float x = RandomUpTo(2 * CBird::kStartSpread) - CBird::kStartSpread;
      const float z = RandomUpTo(2 * CBird::kStartSpread) - CBird::kStartSpread;
      bird->SetPosition({x, CBird::kFlightHeight, z});
      bird->SetTarget({x, CBird::kFlightHeight, z});
      bird->SetFlightBox(-CBird::kBoxHalfSide, -CBird::kBoxHalfSide, CBird::kBoxHalfSide, CBird::kBoxHalfSide);
      birds.push_back(bird);
    }
  }
  return birds;
}
