// The staff at work. Cleaners patrol the footpaths and sweep the littered
// cells they pass; gardeners plant greenery on free land beside their round
// and, between two plantings, water the plants they pass; engineers take
// the worn attractions of the repair list, pay for the repair and do it.
// All of them walk the cell walk and play one work animation at the work
// place. A staff member on its way to a park event goes straight there.
#include <algorithm>
#include <cmath>

#include "characters/CPorvikAiClass.h"
#include "characters/CVisitorPark.h"
#include "characters/REraduzizVisitor.h"
#include "park/objects/CAttraction.h"
#include "platform/os/Random.h"

namespace {

constexpr int32_t kStandingMode = 0;
constexpr int32_t kWalkingMode = 1;
constexpr int32_t kWorkingMode = 2;
// Walks and work of the three kinds.
constexpr int32_t kStateToStrollTarget = 19;
constexpr int32_t kStateToLitter = 26;
constexpr int32_t kStateToPlantCell = 27;
constexpr int32_t kStateToPlant = 28;
constexpr int32_t kStateBackToPatrol = 29;
constexpr int32_t kStateRepairing = 43;
constexpr int32_t kStateSweeping = 44;
constexpr int32_t kStatePlanting = 46;
constexpr int32_t kStateWatering = 47;
// How near counts as there.
constexpr float kPatrolReach = 3.5f;
constexpr float kLitterReach = 2.5f;
constexpr float kGardenReach = 2.0f;
// After planting, the gardener waters for a while before it plants again.
constexpr int32_t kPlantingPauseBase = 120;
constexpr int32_t kPlantingPauseSpread = 300;
constexpr int32_t kAsNew = 100;
constexpr uint16_t kLitteredLayer = 2;
// The ledger's repair by an engineer.
constexpr int32_t kRepairCategory = 2;
constexpr int32_t kRepairKind = 7;

bool IsPlaced(const CAttraction* object) {
  const CCharacterWorld* world = CCharacterWorld::Get();
  return world && world->IsObjectPlaced(object);
}

// The cell search offers any footpath cell when none nearby is littered:
// the cleaner leaves its patrol only for litter.
bool IsLitteredAt(const float point[3]) {
  const CCharacterWorld* world = CCharacterWorld::Get();
  CCharacterWorld::CellView cell;
  int32_t i = 0, j = 0;
  return world && world->WorldToCell({point[0], point[1], point[2]}, &i, &j) && world->GetCell(i, j, &cell) &&
         cell.isPath && cell.layer1 == kLitteredLayer;
}

// Where a round heads for at an object: its entrance, on the footpath, as
// the walk targets of the rounds are.
bool RoundPoint(const CAttraction* object, plat::Vec3* point) {
  if (!IsPlaced(object)) return false;
  *point = object->gatePosition;
  return true;
}

// The repair of an attraction costs its worn share of the build price.
int32_t RepairCost(const CAttraction& object) {
  return int32_t(double(kAsNew - object.condition) / kAsNew * object.buildCost);
}

void AddToRepairList(CAttraction* object) {
  CPorvikAiClass* manager = CPorvikAiClass::GetCurrent();
  if (!manager || !IsPlaced(object)) return;
  std::vector<CAttraction*>& repairs = manager->GetRepairList();
  if (std::find(repairs.begin(), repairs.end(), object) == repairs.end()) repairs.push_back(object);
}

}  // namespace

// --- Shared by the three kinds ----------------------------------------------

bool REraduzizVisitor::HasArrived(float reach) const {
  return std::hypot(m_destination.x - m_position.x, m_destination.z - m_position.z) < reach;
}

bool REraduzizVisitor::EnteredNewCell() {
  TimerPair& previous = m_timers[0];
  if (previous.counter == m_currentCell[0] && previous.stamp == m_currentCell[1]) return false;
  previous = {m_currentCell[0], m_currentCell[1]};
  return true;
}

void REraduzizVisitor::ClearCellMap() {
  std::fill(m_cellMap.begin(), m_cellMap.end(), uint16_t(0));
  m_stepCounter = 0;
}

void REraduzizVisitor::ResetStaffState() {
  m_walking = 0;
  SetActivityState(kStandingMode, kStateStart);
}

void REraduzizVisitor::StartStaffRound(bool engineer) {
  m_walking = 0;
  if (GetOneShotFlag()) return;
  const bool repair = engineer && FindWornAttraction();
  if (!repair && !FindRandomWalkTarget()) {
    if (!engineer) return;
    SetWalkFlags(false);
    if (GetAnimationKind() != kIdle) PlayIdle(false);
    return;
  }
  SetActivityState(kWalkingMode, engineer && !repair ? kStateToStrollTarget : kStateToJob);
  if (GetAnimationKind() != kWalk) PlayWalk(false);
  SetWalkFlags(true);
}

bool REraduzizVisitor::HasActionAnimationEnded(int32_t set) const { return set < 0 || IsAnimationAtEnd(set); }

bool REraduzizVisitor::PlayActionOnce(bool watering) {
  m_walking = 0;
  if (!GetOneShotFlag()) {
    if (watering) {
      PlayWatering(true);
    } else {
      PlayWork(true);
    }
    SetOneShotFlag(true);
    return true;
  }
  return !HasActionAnimationEnded(watering ? m_wateringSet : m_workSet);
}

void REraduzizVisitor::EndAction() {
  PlayWalk(false);
  m_walking = 1;
  SetOneShotFlag(false);
}

// --- Cleaner -----------------------------------------------------------------

void REraduzizVisitor::UpdateCleaner(double dt) {
  if (!CCharacterWorld::Get()) return SetWalkFlags(false);
  switch (GetActivityState()) {
    case kStateStart:
      return StartStaffRound(false);
    case kStateToJob:
      return PatrolAsCleaner(dt);
    case kStateToLitter:
      if (!HasArrived(kLitterReach)) return WalkStep(dt);
      ClearCellMap();
      return SetActivityState(kWorkingMode, kStateSweeping);
    case kStateSweeping:
      return Sweep();
    default:
      return ResetStaffState();
  }
}

void REraduzizVisitor::PatrolAsCleaner(double dt) {
  if (HasArrived(kPatrolReach)) {
    ClearCellMap();
    return SetActivityState(kStandingMode, kStateStart);
  }
  if (!EnteredNewCell() || m_jobActive) return WalkStep(dt);
  float cell[3];
  if (FindDirtyPathCell(cell) && IsLitteredAt(cell)) {
    SetTargetCell(cell[0], cell[1], cell[2]);
    ClearCellMap();
    return SetActivityState(kWalkingMode, kStateToLitter);
  }
  if (m_walking) WalkStep(dt);
}

void REraduzizVisitor::Sweep() {
  if (PlayActionOnce(false)) return;
  CCharacterWorld* world = CCharacterWorld::Get();
  world->CleanLitterAt(m_position);
  EndAction();
  // Back on the way to the round's target.
  if (RoundPoint(m_targetAttraction, &m_destination)) {
    return SetActivityState(kWalkingMode, kStateToJob);
  }
  SetActivityState(kStandingMode, kStateStart);
}

// --- Gardener ----------------------------------------------------------------

void REraduzizVisitor::UpdateGardener(double dt) {
  if (!CCharacterWorld::Get()) return SetWalkFlags(false);
  TickTimer(kGardenerPauseTimer);
  switch (GetActivityState()) {
    case kStateStart:
      if (GetOneShotFlag()) return FinishBegunPlanting();
      return StartStaffRound(false);
    case kStateToJob:
      return PatrolAsGardener(dt);
    case kStateToPlantCell:
    case kStateToPlant:
      if (!HasArrived(kGardenReach)) return WalkStep(dt);
      ClearCellMap();
      return SetActivityState(kWorkingMode, GetActivityState() == kStateToPlant ? kStateWatering : kStatePlanting);
    case kStateBackToPatrol:
      if (!HasArrived(kGardenReach)) return WalkStep(dt);
      return ReturnToPatrol();
    case kStatePlanting:
      return Plant();
    case kStateWatering:
      return Water();
    default:
      return ResetStaffState();
  }
}

// A planting begun where the gardener stands (its work at a park event):
// the plant goes in once the work animation has played. The event's end
// takes the gardener on.
void REraduzizVisitor::FinishBegunPlanting() {
  if (!HasActionAnimationEnded(m_workSet)) return;
  CCharacterWorld* world = CCharacterWorld::Get();
  world->PlantAt(m_position, plat::Rand() % kPlantKindCount);
  if (!m_jobActive) EndAction();
}

void REraduzizVisitor::PatrolAsGardener(double dt) {
  if (HasArrived(kPatrolReach)) {
    ClearCellMap();
    return SetActivityState(kStandingMode, kStateStart);
  }
  if (!EnteredNewCell() || m_jobActive) return WalkStep(dt);
  float cell[3];
  if (GetTimer(kGardenerPauseTimer).counter > 0) {
    m_savedAttraction = m_targetAttraction;
    if (!FindTendCell(cell)) return;
    m_patrolPoint = m_position;
    SetTargetCell(cell[0], cell[1], cell[2]);
    CCharacterWorld::Get()->GetObjectPosition(m_targetAttraction, &m_destination);
    ClearCellMap();
    return SetActivityState(kWalkingMode, kStateToPlant);
  }
  if (FindPlantCell(cell)) {
    m_savedAttraction = m_targetAttraction;
    m_patrolPoint = m_position;
    SetTargetCell(cell[0], cell[1], cell[2]);
    ClearCellMap();
    return SetActivityState(kWalkingMode, kStateToPlantCell);
  }
  if (m_walking) WalkStep(dt);
}

void REraduzizVisitor::Plant() {
  if (PlayActionOnce(false)) return;
  const int32_t kind = int32_t(RandomRange(0, kPlantKindCount));
  CCharacterWorld::Get()->PlantAt(m_position, kind);
  EndAction();
  SetCounterWithTime(kGardenerPauseTimer, plat::Rand() % kPlantingPauseSpread + kPlantingPauseBase);
  m_destination = m_patrolPoint;
  SetActivityState(kWalkingMode, kStateBackToPatrol);
}

void REraduzizVisitor::Water() {
  if (PlayActionOnce(true)) return;
  EndAction();
  if (IsPlaced(m_targetAttraction)) m_targetAttraction->condition = kAsNew;
  m_destination = m_patrolPoint;
  SetActivityState(kWalkingMode, kStateBackToPatrol);
}

void REraduzizVisitor::ReturnToPatrol() {
  ClearCellMap();
  if (!RoundPoint(m_savedAttraction, &m_destination)) {
    return SetActivityState(kStandingMode, kStateStart);
  }
  m_targetAttraction = m_savedAttraction;
  SetActivityState(kWalkingMode, kStateToJob);
}

// --- Engineer ----------------------------------------------------------------

void REraduzizVisitor::UpdateEngineer(double dt) {
  if (!CCharacterWorld::Get()) return SetWalkFlags(false);
  switch (GetActivityState()) {
    case kStateStart:
      return StartStaffRound(true);
    case kStateToStrollTarget:
      if (!HasArrived(kPatrolReach)) return WalkStep(dt);
      return SetActivityState(kStandingMode, kStateStart);
    case kStateToJob:
      if (!HasArrived(kPatrolReach)) return WalkStep(dt);
      return ArriveAtRepair();
    case kStateRepairing:
      return Repair();
    default:
      return ResetStaffState();
  }
}

// The repair list holds what the player asked to be repaired; a worn
// attraction on it is taken off the list by the engineer that takes it.
bool REraduzizVisitor::FindWornAttraction() {
  CPorvikAiClass* manager = CPorvikAiClass::GetCurrent();
  if (!manager) return false;
  std::vector<CAttraction*>& repairs = manager->GetRepairList();
  for (auto it = repairs.begin(); it != repairs.end(); ++it) {
    CAttraction* object = *it;
    if (!IsPlaced(object) || object->condition > kWornCondition) continue;
    repairs.erase(it);
    m_lastTarget = object->id;
    m_targetAttraction = object;
    RoundPoint(object, &m_destination);
    if (FindPathToTarget() == kPathFound) return true;
    if (GetAnimationKind() != kIdle) PlayIdle(false);
    GiveBackRepair();
    return false;
  }
  return false;
}

void REraduzizVisitor::ArriveAtRepair() {
  ClearCellMap();
  SetActivityState(kStandingMode, kStateStart);
  // At a park event the event's job is done by the job's own animation.
  if (m_jobActive) return;
  CAttraction* object = m_targetAttraction;
  if (!IsPlaced(object) || object->isClosed) return GiveBackRepair();
  const int32_t cost = RepairCost(*object);
  CCharacterWorld* world = CCharacterWorld::Get();
  if (world->GetCash() < cost) return GiveBackRepair();
  if (CVisitorPark* park = CVisitorPark::Get()) {
    const CVisitorPark::Clock clock = park->GetClock();
    park->Book({0, kRepairCategory, kRepairKind, object->objectNumber, clock.year, clock.month, clock.day, clock.hour,
                cost, 1});
  }
  world->AddCash(-cost);
  SetActivityState(kWorkingMode, kStateRepairing);
}

void REraduzizVisitor::Repair() {
  if (PlayActionOnce(false)) return;
  EndAction();
  FinishRepair();
  SetActivityState(kStandingMode, kStateStart);
}

void REraduzizVisitor::FinishRepair() {
  if (IsPlaced(m_targetAttraction)) {
    m_targetAttraction->condition = kAsNew;
    CCharacterWorld::Get()->RefreshUpgradeList();
  }
  m_targetAttraction = nullptr;
}

void REraduzizVisitor::GiveBackRepair() {
  AddToRepairList(m_targetAttraction);
  m_targetAttraction = nullptr;
}

bool REraduzizVisitor::HoldsRepair() const {
  const int32_t state = GetActivityState();
  return m_kind == kEngineer && !m_jobActive && m_targetAttraction &&
         (state == kStateToJob || state == kStateRepairing);
}

void REraduzizVisitor::ReleaseRepair() {
  if (!HoldsRepair()) return;
  if (GetActivityState() == kStateRepairing) return FinishRepair();
  GiveBackRepair();
}
