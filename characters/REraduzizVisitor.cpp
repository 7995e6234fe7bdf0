#include "characters/REraduzizVisitor.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <mutex>

#include "platform/math/Math.h"
#include "platform/os/Random.h"

namespace {

// RandomRange divides by a little more than the generator's top value so
// that its result stays below b.
constexpr int32_t kEleventhTimerBase = 120;
constexpr int32_t kTwelfthTimerBase = 300;
constexpr int32_t kTimerSpread = 300;
constexpr std::size_t kEleventhTimer = 10;
constexpr std::size_t kTwelfthTimer = 11;

// A job dialog opens this close to the job point; the job starts closer.
constexpr float kJobDialogReach = 10.0f;
constexpr float kJobReach = 4.0f;
constexpr float kJobCameraRise = 4.0f;
constexpr float kSecondMagicRise = 1.0f;
constexpr const char* kMagicSound = "MAGIC";
constexpr int32_t kTutorialJobText = 401010;
constexpr int32_t kTutorialFollowUpText = 401011;
constexpr int32_t kTutorialAnswer = 2;

std::mutex g_liveMutex;
std::vector<REraduzizVisitor*> g_live;

}  // namespace

REraduzizVisitor::REraduzizVisitor()
    : m_initialAttributes(std::make_unique<CAttributes>()),
      m_attributes(std::make_unique<CVisitorAttributes>()),
      m_cellMap(std::size_t(kGridSize * kGridSize), 0) {
  CCharacterWorld* world = CCharacterWorld::Get();
  if (world) m_attributes->SetParkTotals(world->GetMoodTotals());
  m_moodAtEntry = uint16_t(m_attributes->GetMood());
  m_firstMoodAtEntry = uint16_t(m_attributes->GetFirstMood());
  SetActivityState(0, kStateStart);
  const int32_t now = world ? world->GetGameTime() : 0;
  for (TimerPair& timer : m_timers) timer.stamp = now;
  m_timers[0].stamp = 0;
  m_timers[kEleventhTimer].counter = plat::Rand() % kTimerSpread + kEleventhTimerBase;
  m_timers[kTwelfthTimer].counter = plat::Rand() % kTimerSpread + kTwelfthTimerBase;
  ClearJob();
  std::lock_guard lock(g_liveMutex);
  g_live.push_back(this);
}

REraduzizVisitor::~REraduzizVisitor() {
  std::lock_guard lock(g_liveMutex);
  std::erase(g_live, this);
}

void REraduzizVisitor::ForgetJobContext(const void* context) {
  if (!context) return;
  std::lock_guard lock(g_liveMutex);
  for (REraduzizVisitor* visitor : g_live) {
    if (visitor->m_jobContext == context) visitor->m_jobContext = nullptr;
    if (visitor->m_jobCallbackContext == context) {
      visitor->m_jobCallbackContext = nullptr;
      visitor->m_jobCallback = nullptr;
    }
  }
}

double REraduzizVisitor::RandomRange(double a, double b) {
  if (a == b) return a;
  return a + (b - a) * plat::Rand() / kRandomRangeDivisor;
}

void REraduzizVisitor::SetCounterWithTime(int32_t timer, int32_t value) {
  if (timer < 0 || timer >= kTimerCount) return;
  const CCharacterWorld* world = CCharacterWorld::Get();
  m_timers[std::size_t(timer)] = {value, world ? world->GetGameTime() : 0};
}

bool REraduzizVisitor::TickTimer(int32_t timer) {
  if (timer < 0 || timer >= kTimerCount) return false;
  const CCharacterWorld* world = CCharacterWorld::Get();
  if (world) TickTimerAt(m_timers[std::size_t(timer)], world->GetGameTime());
  return true;
}

void REraduzizVisitor::TickTimerAt(TimerPair& pair, int32_t now) {
  // The clock turns over at the end of its year, and a stamp read from a
  // saved game may be any number.
  const int64_t passed = CCharacterWorld::WithinGameYear(int64_t(now) - pair.stamp);
  if (passed == 0) return;
  pair.counter = int32_t(std::max<int64_t>(pair.counter - passed, std::numeric_limits<int32_t>::min()));
  pair.stamp = now;
}

void REraduzizVisitor::TickVisitorTimers() {
  // Timers 2 to 7 and 9 to 11 (from 1); the eighth is the gardener's own.
  static constexpr int32_t kTicked[] = {1, 2, 3, 4, 5, 6, 8, 9, 10};
  const CCharacterWorld* world = CCharacterWorld::Get();
  if (!world) return;
  // The clock is read once for all of them.
  const int32_t now = world->GetGameTime();
  for (int32_t timer : kTicked) TickTimerAt(m_timers[std::size_t(timer)], now);
}

int32_t REraduzizVisitor::PositionsDiffer(const float a[3], const float b[3]) {
  return a[0] != b[0] || a[1] != b[1] || a[2] != b[2] ? 1 : 0;
}

float REraduzizVisitor::HorizontalDistanceTimesTen(float x1, float z1, float x2, float z2) {
  return 10 * std::sqrt((x2 - x1) * (x2 - x1) + (z2 - z1) * (z2 - z1));
}

bool REraduzizVisitor::IsPathCellAt(int32_t i, int32_t j) const {
  const CCharacterWorld* world = CCharacterWorld::Get();
  CCharacterWorld::CellView cell;
  return world && world->GetCell(i, j, &cell) && cell.isPath;
}

void REraduzizVisitor::GetThought(int32_t* category, int32_t* sentence) const {
  if (category) *category = m_thoughtCategory;
  if (sentence) *sentence = m_thoughtSentence;
}

uint16_t REraduzizVisitor::GetCellStamp(int32_t i, int32_t j) const {
  if (i < 0 || j < 0 || i >= kGridSize || j >= kGridSize) return 0;
  return m_cellMap[std::size_t(i * kGridSize + j)];
}

void REraduzizVisitor::SetCellStamp(int32_t i, int32_t j, uint16_t stamp) {
  if (i < 0 || j < 0 || i >= kGridSize || j >= kGridSize) return;
  m_cellMap[std::size_t(i * kGridSize + j)] = stamp;
}

void REraduzizVisitor::SetRide(CAttraction* attraction, int32_t pathNumber, int32_t pointIndex) {
  m_targetAttraction = attraction;
  m_ridePathNumber = pathNumber;
  m_ridePointIndex = pointIndex;
}

void REraduzizVisitor::SetJobCallback(JobCallback callback, void* context, uint32_t parameter) {
  m_jobCallback = callback;
  m_jobCallbackContext = context;
  m_jobParameter = parameter;
}

void REraduzizVisitor::ClearJob() {
  m_jobData = {};
  m_jobPoint = {};
  m_jobCallback = nullptr;
  m_jobContext = nullptr;
  m_jobCallbackContext = nullptr;
  m_jobParameter = 0;
  if (m_jobEvent) {
    if (CCharacterWorld* world = CCharacterWorld::Get()) world->ResetEvent(m_jobEvent);
  }
  m_jobEvent = nullptr;
  m_jobActive = 0;
  m_jobDone = 0;
}

bool REraduzizVisitor::ApproachJobPoint(float x, float y, float z) {
  const plat::Vec3 point{x, y, z};
  const float d = plat::Vec3LengthOf(point - m_position);
  const float s = GetTrackSpeed() * m_walkFactor * m_timeStep;
  CCharacterWorld* world = CCharacterWorld::Get();
  if (s + kJobDialogReach >= d && !m_jobDone && world) {
    m_jobPoint = point;
    world->QueueDialogCommand(true);
    world->SetDialogByte(0, 0);
    world->SetFocusedCharacter(m_id);
    world->SetEventCameraPoint(point + plat::Vec3{0, kJobCameraRise, 0});
    m_jobDone = 1;
  }
  return s + kJobReach >= d;
}

void REraduzizVisitor::SendToObject(ParkEvent* event) {
  CCharacterWorld* world = CCharacterWorld::Get();
  if (!event || !world) return;
  ReleaseRepair();
  // A character sent on while it still holds another event frees that one.
  if (m_jobEvent && m_jobEvent != event) world->ResetEvent(m_jobEvent);
  // The attraction's gate is on the footpath, which staff walk; the middle
  // of a ride may lie off it, out of their reach.
  if (const CAttraction* object = world->GetEventObject(event)) {
    world->GetObjectGate(object, &m_destination);
    if (FindPathToTarget() == kPathFound) SetActivityState(1, kStateToJob);
  }
  m_jobEvent = event;
  world->MarkEventTaken(event);
  m_jobActive = 1;
}

bool REraduzizVisitor::IsMagicCharacter() const {
  return m_id == kFirstMagicCharacter || m_id == kSecondMagicCharacter;
}

void REraduzizVisitor::CallJobCallback() {
  if (m_jobCallback && m_jobCallbackContext) {
    m_jobCallback(m_jobCallbackContext, m_jobEvent, m_jobParameter);
  }
}

void REraduzizVisitor::StartJobAnimation() {
  m_standing = 1;
  SetOneShotFlag(true);
  if (IsStaff()) {
    PlayWork(true);
    return;
  }
  PlayIdle(true);
  PlayMagic(true);
  CCharacterWorld* world = CCharacterWorld::Get();
  if (!world || !IsMagicCharacter()) return;
  if (m_id == kFirstMagicCharacter) {
    world->StartMagicEffect(CCharacterWorld::kFirstMagicEffect, m_position);
  } else {
    world->StartMagicEffect(CCharacterWorld::kSecondMagicEffect,
                            m_position + plat::Vec3{0, kSecondMagicRise, 0});
  }
  world->PlaySound(kMagicSound);
}

bool REraduzizVisitor::JobAnimationEnded() const {
  const int32_t set = IsStaff() ? m_workSet : m_magicSet;
  // A model without the set would keep the job open for ever.
  return set < 0 || IsAnimationAtEnd(set);
}

void REraduzizVisitor::EndJob(bool objectGone) {
  CCharacterWorld* world = CCharacterWorld::Get();
  if (objectGone) {
    world->RefindEventObjects(m_jobEvent);
  } else if (IsMagicCharacter()) {
    world->StopMagicEffect(m_id == kFirstMagicCharacter ? CCharacterWorld::kFirstMagicEffect
                                                        : CCharacterWorld::kSecondMagicEffect);
  }
  CallJobCallback();
  PlayWalk(false);
  SetOneShotFlag(false);
  SetActivityState(0, kStateDecideAgain);
  const bool staff = IsStaff();
  ClearJob();
  world->QueueDialogCommand(false);
  world->SetDialogByte(0, !objectGone && staff ? 1 : 0);
  world->SetDialogByte(1, 0);
  m_jobActive = 0;
}

void REraduzizVisitor::FinishTutorialJobStep() {
  CCharacterWorld* world = CCharacterWorld::Get();
  if (!world->IsTutorialWaitingForJob()) return;
  world->FinishTutorialJobStep();
  world->ShowMessage(kTutorialJobText, &REraduzizVisitor::OnTutorialAnswer, this);
  world->ApplyTutorialSettings();
}

void REraduzizVisitor::OnTutorialAnswer(void* context, int32_t answer, int32_t code) {
  CCharacterWorld* world = CCharacterWorld::Get();
  if (!world || answer != kTutorialAnswer || code != kTutorialAnswer) return;
  world->ShowMessage(kTutorialFollowUpText, &REraduzizVisitor::OnTutorialAnswer, context);
  world->SetModal();
}

plat::MeshResult REraduzizVisitor::Render() {
  const plat::MeshResult result = DIridadIvavororu::Render();
  CarryOutJob();
  return result;
}

void REraduzizVisitor::CarryOutJob() {
  CCharacterWorld* world = CCharacterWorld::Get();
  if (!m_jobActive || !world) return;
  const CAttraction* object = world->GetEventObject(m_jobEvent);
  if (!object) return EndJob(true);
  // The job is done where the character was sent: the attraction's gate.
  plat::Vec3 position;
  world->GetObjectGate(object, &position);
  if (!ApproachJobPoint(position.x, position.y, position.z)) return;
  if (!m_standing) return StartJobAnimation();
  if (!JobAnimationEnded()) return;
  EndJob(false);
  FinishTutorialJobStep();
}
