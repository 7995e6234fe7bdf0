// The per-kind update and the visitor state machine.
#include "characters/CPorvikAiClassHost.h"
#include "characters/REraduzizVisitor.h"
#include "platform/math/Math.h"
#include "platform/os/Random.h"

namespace {

constexpr int32_t kStandingMode = 0;
constexpr int32_t kWalkingMode = 1;
constexpr int32_t kStayingMode = 2;
constexpr int16_t kRidePenalty = -20;
constexpr int16_t kWalkingRainPenalty = -20;
constexpr int16_t kStandingRainPenalty = -10;
constexpr double kWalkingRainChance = 0.5;
constexpr double kStandingRainChance = 0.382;
constexpr int16_t kLitterPenalty = -1;
constexpr int16_t kImpatiencePenalty = -7;
constexpr int32_t kPatienceBase = 1200;
constexpr int32_t kPatienceSpread = 2400;
constexpr int32_t kBandThoughtSpread = 360;
constexpr int32_t kThoughtBase = 300;
constexpr int32_t kThoughtSpread = 300;

}  // namespace

void REraduzizVisitor::UpdateByKind(double dt) {
  m_timeStep = float(dt);
  switch (m_kind) {
    case kCleaner:
      UpdateCleaner(dt);
      break;
    case kGardener:
      UpdateGardener(dt);
      break;
    case kEngineer:
      UpdateEngineer(dt);
      break;
    case 15:
    case 16:
    case 17:
    case 18:
    case 21:
    case kPerformer:
      UpdateParkCharacter(dt);
      break;
    default:
      UpdateVisitor(dt);
      break;
  }
}

void REraduzizVisitor::SetWalkFlags(bool walking) {
  m_walking = walking ? 1 : 0;
  m_standing = walking ? 0 : 1;
}

void REraduzizVisitor::UpdateVisitor(double dt) {
  TickVisitorTimers();
  switch (GetActivityMode()) {
    case kStayingMode: {
      SetWalkFlags(false);
      CPorvikAiClassHost* host = CPorvikAiClassHost::Get();
      const int32_t hour = host ? host->GetParkHour() : 0;
      if (hour < kParkClosingHour && GetTimer(kStayTimer).counter > 0) return;
      UpdateAttractionStates(dt);
      return;
    }
    case kWalkingMode:
      UpdateWalking(dt);
      return;
    case kStandingMode:
      UpdateStanding(dt);
      return;
    default:
      SetWalkFlags(false);
      SetActivityState(kStandingMode, kStateDecideAgain);
      return;
  }
}

bool REraduzizVisitor::NoteRain(double chance, int16_t penalty) {
  CPorvikAiClassHost* host = CPorvikAiClassHost::Get();
  if (!host || !host->IsRaining()) {
    m_rainNoted = 0;
    return false;
  }
  const double r = RandomRange(0, 1);
  const bool hit = r < chance && m_rainNoted == 0;
  if (hit) m_attributes->AddThird(penalty);
  m_rainNoted = 1;
  return hit;
}

void REraduzizVisitor::UpdateWalking(double dt) {
  if (m_inRide) {
    UpdateRiding(dt);
    return;
  }
  if (!m_pathFound) {
    SetActivityState(kStandingMode, kStateDecideAgain);
    if (GetAnimationKind() != kIdle) PlayIdle(false);
    return;
  }
  SetWalkFlags(true);
  if (plat::Vec3LengthOf(m_destination - GetPosition()) <= GetWalkFactor()) {
    UpdateDustBinStates(dt);
    m_pathFound = 0;
    return;
  }
  NoteRain(kWalkingRainChance, kWalkingRainPenalty);
  CPorvikAiClassHost* host = CPorvikAiClassHost::Get();
  if (host && host->IsCellLittered(m_currentCell[0], m_currentCell[1])) m_attributes->AddThird(kLitterPenalty);
  if (IsTimerDone(kPatienceTimer) && !IsLeaving()) {
    SetActivityState(kStandingMode, kStateDecideAgain);
    m_attributes->AddThird(kImpatiencePenalty);
    SetCounterWithTime(kPatienceTimer, plat::Rand() % kPatienceSpread + kPatienceBase);
    return;
  }
  ThinkWhileWalking();
  StartDetours(host);
  if (GetAnimationKind() != kWalk) PlayWalk(false);
  FollowPath(dt);
}

void REraduzizVisitor::UpdateRiding(double dt) {
  SetWalkFlags(true);
  CCharacterWorld* world = CCharacterWorld::Get();
  const bool running = world && m_targetAttraction && world->IsObjectPlaced(m_targetAttraction) &&
                       !world->IsObjectStopped(m_targetAttraction);
  if (!running) {
    SetPosition(m_exitPosition);
    m_destination = m_exitPosition;
    SetVisible();
    m_attributes->AddThird(kRidePenalty);
    SetActivityState(kStandingMode, kStateDecideAgain);
    m_targetAttraction = nullptr;
    return;
  }
  if (GetAnimationKind() == kIdle) PlayWalk(false);
  if (m_rideExitPending == 0) {
    MoveSpecial(dt);
  } else {
    UpdateDustBinStates(dt);
  }
}

void REraduzizVisitor::ThinkWhileWalking() {
  if (IsTimerDone(kGreenThoughtTimer)) {
    ThinkAboutGreenBand();
    SetCounterWithTime(kGreenThoughtTimer, plat::Rand() % kBandThoughtSpread);
  }
  if (IsTimerDone(kCleanThoughtTimer)) {
    ThinkAboutCleanBand();
    SetCounterWithTime(kCleanThoughtTimer, plat::Rand() % kBandThoughtSpread);
  }
  if (IsTimerDone(kThoughtTimer)) {
    MakeThought();
    SetCounterWithTime(kThoughtTimer, plat::Rand() % kThoughtSpread + kThoughtBase);
  }
}

void REraduzizVisitor::StartDetours(CPorvikAiClassHost* host) {
  plat::Vec3 point{};
  if (IsTimerDone(kDetourTimer) && !IsLeaving() && GetActivityState() != kStateToRestPlace &&
      FindNearbyObjectOfType3(&point)) {
    const int32_t before = GetActivityState();
    SetTargetCell(point.x, point.y, point.z);
    m_savedWalkingState = before;
    SetActivityState(kWalkingMode, kStateToRestPlace);
  }
  if (!m_litter || !IsTimerDone(kLitterTimer) || GetActivityState() == kStateToDustBin) return;
  if (FindNearbyDustBin(&point)) {
    m_savedWalkingState = GetActivityState();
    SetTargetCell(point.x, point.y, point.z);
    SetActivityState(kWalkingMode, kStateToDustBin);
    return;
  }
  if (host) host->DropLitterAt(GetPosition());
  m_litter = 0;
}

void REraduzizVisitor::UpdateStanding(double dt) {
  NoteRain(kStandingRainChance, kStandingRainPenalty);
  SetWalkFlags(false);
  if (m_litter && IsTimerDone(kLitterTimer)) {
    if (CPorvikAiClassHost* host = CPorvikAiClassHost::Get())
      host->DropLitterInCell(m_currentCell[0], m_currentCell[1]);
    m_litter = 0;
  }
  UpdateShoppingStates(dt);
}
