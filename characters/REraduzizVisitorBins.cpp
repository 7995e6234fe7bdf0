// The visitors' two short detours: to a dust bin close by with the litter of
// a purchase, and to a rest place close by for a rest on the way.
#include "characters/CPorvikAiClass.h"
#include "characters/REraduzizVisitor.h"
#include "park/objects/CAttraction.h"
#include "platform/math/Math.h"
#include "platform/os/DebugOutput.h"
#include "platform/os/Random.h"

namespace {

constexpr int32_t kStayingMode = 2;
constexpr int32_t kStateResting = 42;
constexpr int32_t kRestBase = 27;
constexpr int32_t kRestSpread = 60;
// The talking bin thanks the visitor aloud.
constexpr const char* kTalkingBin = "beszelokuka";
constexpr const char* kTalkingBinSound = "beszelokuka_NOISE2";
constexpr const char* kTalkingBinTrace = "DANK U WEL\n";

bool SamePoint(const plat::Vec3& a, const plat::Vec3& b) { return a.x == b.x && a.y == b.y && a.z == b.z; }

// The record's object kind within reach of the point.
bool IsNear(const AiObjectRecord* record, int32_t type, const plat::Vec3& point) {
  return record && record->type == type && plat::Vec3LengthOf(record->position - point) < REraduzizVisitor::kDetourReach;
}

}  // namespace

bool REraduzizVisitor::FindNearbyDustBin(plat::Vec3* point) {
  const CPorvikAiClass* manager = CPorvikAiClass::GetCurrent();
  if (!manager) return false;
  // A bin without a path leaves the walk as it was.
  const plat::Vec3 destination = m_destination;
  const EngineString lastTarget = m_lastTarget;
  const EngineString previousTarget = m_previousTarget;
  bool searched = false;
  for (int32_t i = 0; i < manager->GetPlacementCount(); ++i) {
    const AiObjectRecord* record = manager->GetPlacement(i);
    if (!IsNear(record, kDustBinType, m_position)) continue;
    *point = record->position;
    SetTargetPosition(m_position.x, m_position.y, m_position.z);
    if (SamePoint(m_position, record->position)) continue;
    m_previousTarget = m_lastTarget;
    m_lastTarget = record->name;
    m_destination = record->position;
    searched = true;
    if (FindPathToTarget() == kPathFound) {
      m_pathFound = 1;
      return true;
    }
  }
  if (!searched) return false;
  m_destination = destination;
  m_lastTarget = lastTarget;
  m_previousTarget = previousTarget;
  // The failed searches took the walk's path: lay it again.
  FindPathToTarget();
  return false;
}

bool REraduzizVisitor::FindNearbyObjectOfType3(plat::Vec3* point) {
  const CPorvikAiClass* manager = CPorvikAiClass::GetCurrent();
  if (!manager) return false;
  for (int32_t i = 0; i < manager->GetPlacementCount(); ++i) {
    const AiObjectRecord* record = manager->GetPlacement(i);
    if (!IsNear(record, kRestPlaceType, m_position)) continue;
    *point = record->position;
    return true;
  }
  return false;
}

void REraduzizVisitor::ArriveAtDustBin() {
  CCharacterWorld* world = CCharacterWorld::Get();
  CAttraction* object = m_targetAttraction;
  if (!world || !world->IsObjectPlaced(object)) {
    m_targetAttraction = nullptr;
    return DecideAgain();
  }
  if (object->eventRunning) return DecideAgain();
  m_litter = 0;
  if (m_lastTarget == kTalkingBin && world->AreEffectSoundsOn()) {
    world->PlaySound(kTalkingBinSound);
    plat::OutputDebugString(kTalkingBinTrace);
    // Heard from the bin the visitor stands at.
    world->SetSoundVolumeAt(m_destination, kTalkingBinSound);
  }
  world->GetObjectPosition(object, &m_destination);
  DecideAgain();
}

void REraduzizVisitor::ArriveAtRestPlace() {
  SetActivityState(kStayingMode, kStateResting);
  SetCounterWithTime(kStayTimer, plat::Rand() % kRestSpread + kRestBase);
}
