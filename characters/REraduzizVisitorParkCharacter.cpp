// The park characters and the performer: no needs and no money, they stroll
// from one park object to another. Their walk targets are the ones the
// staff's rounds start from too.
#include <cmath>

#include "characters/CPorvikAiClass.h"
#include "characters/CPorvikAiClassHost.h"
#include "characters/REraduzizVisitor.h"
#include "platform/math/Math.h"

namespace {

constexpr int32_t kStandingMode = 0;
constexpr int32_t kWalkingMode = 1;
constexpr int32_t kAttractionType = 0;
constexpr int32_t kServiceType = 1;

bool IsStrollTarget(const AiObjectRecord& record) {
  return record.type == kAttractionType || record.type == kServiceType ||
         record.type == CPorvikAiClass::kEntranceType;
}

bool SamePoint(const plat::Vec3& a, const plat::Vec3& b) { return a.x == b.x && a.y == b.y && a.z == b.z; }

CAttraction* FindObjectNamed(const EngineString& name) {
  CPorvikAiClassHost* host = CPorvikAiClassHost::Get();
  plat::Vec3 entrance{};
  return host ? host->FindObjectByName(name, &entrance) : nullptr;
}

}  // namespace

bool REraduzizVisitor::FindRandomWalkTarget() {
  const CPorvikAiClass* manager = CPorvikAiClass::GetCurrent();
  if (!manager || manager->GetPlacementCount() == 0) return false;
  const int32_t last = manager->GetPlacementCount() - 1;
  const int32_t start = int32_t(std::lround(RandomRange(0, last)));
  const auto qualifies = [&](int32_t i) {
    const AiObjectRecord* record = manager->GetPlacement(i);
    return record && IsStrollTarget(*record) && record->name != m_lastTarget;
  };
  int32_t chosen = -1;
  for (int32_t i = start; i <= last && chosen < 0; ++i)
    if (qualifies(i)) chosen = i;
  for (int32_t i = start - 1; i >= 0 && chosen < 0; --i)
    if (qualifies(i)) chosen = i;
  if (chosen < 0) return false;
  const AiObjectRecord& record = *manager->GetPlacement(chosen);
  if (SamePoint(m_position, record.position)) {
    SetTargetPosition(m_position.x, m_position.y, m_position.z);
    return true;
  }
  TakeTarget(record.position, record.name, FindObjectNamed(record.name));
  return SearchPathToTarget();
}

void REraduzizVisitor::UpdateParkCharacter(double dt) {
  if (!CCharacterWorld::Get()) return SetWalkFlags(false);
  switch (GetActivityState()) {
    case kStateStart:
      m_walking = 0;
      // An animation in progress (a job) keeps the character where it is.
      if (GetOneShotFlag() || !FindRandomWalkTarget()) return;
      if (m_pathFound) {
        SetActivityState(kWalkingMode, kStateToJob);
        if (GetAnimationKind() != kWalk) PlayWalk(false);
        SetWalkFlags(true);
        return;
      }
      if (GetAnimationKind() != kIdle) PlayIdle(false);
      SetActivityState(kStandingMode, kStateStart);
      SetWalkFlags(false);
      return;
    case kStateToJob:
      m_walking = 1;
      if (plat::Vec3LengthOf(m_destination - m_position) < m_walkFactor) {
        m_stepCounter = 0;
        SetActivityState(kStandingMode, kStateStart);
        m_pathFound = 0;
        return;
      }
      FollowPath(dt);
      return;
    default:
      m_walking = 0;
      SetActivityState(kStandingMode, kStateStart);
      return;
  }
}
