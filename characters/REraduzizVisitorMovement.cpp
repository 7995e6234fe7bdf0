// The park character's movement: path requests, the cell walk over the grid,
// following an attraction's path points, and the staff's local cell searches.
#include <array>
#include <cmath>

#include "characters/REraduzizVisitor.h"
#include "platform/math/Math.h"
#include "platform/os/Random.h"

namespace {

// The four axis neighbours in the order the cell walk examines them:
// (i, j - 1), (i + 1, j), (i, j + 1), (i - 1, j).
constexpr int32_t kNeighbourCount = 4;
constexpr std::array<int32_t, kNeighbourCount> kNeighbourI = {0, 1, 0, -1};
constexpr std::array<int32_t, kNeighbourCount> kNeighbourJ = {-1, 0, 1, 0};
// The age of a cell never visited.
constexpr int32_t kUnvisitedAge = 8256;
constexpr float kUnusableDistance = 1000000.0f;
constexpr float kCellSize = 4.0f;
// Cell (0, 0) lies at -256 on both axes.
constexpr float kGridHalf = 256.0f;
// A path lane lies this far from the cell centre, less the walker's offset.
constexpr float kLaneShift = 1.0f;
constexpr float kJitterSpan = 0.8f;
constexpr float kJitterHalf = 0.4f;
// Close enough to the destination to step onto it.
constexpr float kArrivalDistance = 1.0f;
// How far a character off the grid is pushed on x and z.
constexpr float kGridNudge = 4.1f;
constexpr float kMaxPathOffset = 2.0f;
// A ride that vanishes under a visitor costs this much of its third value.
constexpr int16_t kRideLostPenalty = -20;
constexpr uint16_t kLitteredLayer = 2;
constexpr uint16_t kPlantedLayer = 1;

// The twelve cells the staff searches look at: the eight neighbours, then
// the four cells two steps away along the axes.
constexpr int32_t kSearchCellCount = 12;
constexpr std::array<int32_t, kSearchCellCount> kSearchI = {-1, 0, 1, -1, 1, -1, 0, 1, 0, 2, 0, -2};
constexpr std::array<int32_t, kSearchCellCount> kSearchJ = {-1, -1, -1, 0, 0, 1, 1, 1, -2, 0, 2, 0};

float HorizontalDistance(const plat::Vec3& a, const plat::Vec3& b) {
  return std::hypot(b.x - a.x, b.z - a.z);
}

bool IsPathCandidate(const CCharacterWorld::CellView& cell) { return cell.isPath; }

bool IsPlantable(const CCharacterWorld::CellView& cell) {
  return !cell.isPath && !cell.hasObject && cell.layer2 != kPlantedLayer;
}

// Only a cell with a plant in its list has something to tend.
bool IsTendable(const CCharacterWorld::CellView& cell) {
  return !cell.isPath && cell.hasObject && cell.lowestObject;
}

}  // namespace

float REraduzizVisitor::StepLength(double dt) const {
  return float(m_walkFactor * GetTrackSpeed() * dt);
}

plat::Vec3 REraduzizVisitor::Jitter() {
  const auto draw = [] {
    return float(plat::Rand() / kRandomRangeDivisor * kJitterSpan - kJitterHalf);
  };
  const float x = draw();
  return {x, 0, draw()};
}

int32_t REraduzizVisitor::FindPathToTarget() {
  CCharacterWorld* world = CCharacterWorld::Get();
  if (!world) return 0;
  if (!world->WorldToCell(m_position, &m_ownCell[0], &m_ownCell[1])) return 0;
  int32_t targetI = 0;
  int32_t targetJ = 0;
  if (!world->WorldToCell(m_destination, &targetI, &targetJ)) return 0;
  m_pathOffset = kMaxPathOffset * float(plat::Rand()) / float(plat::kRandMax);
  return world->FindPath(m_id, m_ownCell[0], m_ownCell[1], targetI, targetJ);
}

void REraduzizVisitor::NudgeBackOntoGrid() {
  const float nudge = RandomRange(0, 1) >= 0.5 ? -kGridNudge : kGridNudge;
  m_position.x += nudge;
  m_position.z += nudge;
}

bool REraduzizVisitor::IsUsableNeighbour(int32_t i, int32_t j) const {
  const CCharacterWorld* world = CCharacterWorld::Get();
  CCharacterWorld::CellView cell;
  if (!world || !world->GetCell(i, j, &cell)) return false;
  // The gardener crosses the lawns, except on its way to a job.
  if (m_kind == kGardener && m_activityState != kStateToJob) return true;
  return cell.isPath;
}

int32_t REraduzizVisitor::ChooseNeighbour(int32_t i, int32_t j) const {
  const CCharacterWorld* world = CCharacterWorld::Get();
  std::array<bool, kNeighbourCount> usable{};
  std::array<int32_t, kNeighbourCount> age{};
  std::array<float, kNeighbourCount> distance{};
  std::array<bool, kNeighbourCount> unvisited{};
  bool anyUnvisited = false;
  for (int32_t n = 0; n < kNeighbourCount; ++n) {
    const int32_t ni = i + kNeighbourI[std::size_t(n)];
    const int32_t nj = j + kNeighbourJ[std::size_t(n)];
    distance[std::size_t(n)] = kUnusableDistance;
    usable[std::size_t(n)] = IsUsableNeighbour(ni, nj);
    if (!usable[std::size_t(n)]) continue;
    const uint16_t stamp = GetCellStamp(ni, nj);
    age[std::size_t(n)] = stamp == 0 ? kUnvisitedAge : uint16_t(m_stepCounter - stamp);
    unvisited[std::size_t(n)] = age[std::size_t(n)] == kUnvisitedAge;
    anyUnvisited = anyUnvisited || unvisited[std::size_t(n)];
    const plat::Vec3 centre = world->GetCellPosition(ni, nj);
    distance[std::size_t(n)] =
        HorizontalDistanceTimesTen(centre.x, centre.z, m_destination.x, m_destination.z);
  }
  if (!anyUnvisited) {
    // The cell left longest ago counts as new (ties to the later one).
    int32_t oldest = -1;
    for (int32_t n = 0; n < kNeighbourCount; ++n) {
      if (age[std::size_t(n)] > 0 &&
          (oldest < 0 || age[std::size_t(n)] >= age[std::size_t(oldest)])) {
        oldest = n;
      }
    }
    if (oldest >= 0) unvisited[std::size_t(oldest)] = true;
  }
  int32_t choice = -1;
  for (int32_t n = 0; n < kNeighbourCount; ++n) {
    if (!usable[std::size_t(n)] || !unvisited[std::size_t(n)]) continue;
    if (choice < 0 || distance[std::size_t(n)] < distance[std::size_t(choice)]) choice = n;
  }
  return choice;
}

void REraduzizVisitor::WalkStep(double dt) {
  CCharacterWorld* world = CCharacterWorld::Get();
  if (!world) return;
  m_target.y = 0;
  if (HorizontalDistance(m_position, m_target) > StepLength(dt)) return;

  if (ApproachDestination(*world)) return;

  int32_t i = 0;
  int32_t j = 0;
  if (!world->WorldToCell(m_position, &i, &j)) {
    NudgeBackOntoGrid();
    return;
  }
  if (i != m_currentCell[0] || j != m_currentCell[1]) {
    m_timers[0] = {m_currentCell[0], m_currentCell[1]};
    m_currentCell = {i, j};
  }
  SetCellStamp(i, j, m_stepCounter);
  const bool offPath = !IsPathCellAt(i, j) && !IsRoaming();
  const int32_t choice = ChooseNeighbour(i, j);
  if (offPath) SetActivityState(0, kStateDecideAgain);
  ++m_stepCounter;

  const plat::Vec3 before{m_position.x, 0, m_position.z};
  if (choice >= 0) {
    const plat::Vec3 step{kCellSize * float(kNeighbourI[std::size_t(choice)]), 0,
                          kCellSize * float(kNeighbourJ[std::size_t(choice)])};
    m_target = before + step + Jitter();
  } else if (m_kind == kGardener) {
    m_target = before + Jitter();
  }
  m_secondPoint = before;
}

bool REraduzizVisitor::ApproachDestination(CCharacterWorld& world) {
  const float d = HorizontalDistance(m_position, m_destination);
  if (d == 0) {
    if (!IsRoaming() && m_activityState == kStateLeftPark) {
      m_finished = 1;
      SetHidden();
    } else if (IsRoaming() && world.FindRandomWalkTarget(*this)) {
      SetActivityState(0, kStateStart);
      m_walking = 1;
    }
    return true;
  }
  if (d >= kArrivalDistance) return false;
  m_target = m_destination;
  m_secondPoint = m_destination;
  return true;
}

void REraduzizVisitor::FollowPath(double dt) {
  CCharacterWorld* world = CCharacterWorld::Get();
  if (!world) return;
  m_pathStep = 1;
  m_target.y = 0;
  if (StepLength(dt) < HorizontalDistance(m_position, m_target)) return;
  if (ApproachDestination(*world)) return;
  if (world->ReadPath(m_id, m_ownCell[0], m_ownCell[1], m_pathStep)) {
    m_target = m_destination;
    return;
  }
  int32_t pathI = m_ownCell[0];
  int32_t pathJ = m_ownCell[1];
  world->GetPathCursor(m_id, &pathI, &pathJ);
  const auto stepToward = [this](int32_t cursor, int32_t point) {
    if (cursor > point) return cursor - m_pathStep;
    if (cursor < point) return cursor + m_pathStep;
    return cursor;
  };
  m_ownCell = {stepToward(m_ownCell[0], pathI), stepToward(m_ownCell[1], pathJ)};
  if (IsPathCellAt(m_ownCell[0], m_ownCell[1])) {
    // Each walker keeps its own lane, shifted from the cell centres.
    const float lane = kLaneShift - m_pathOffset;
    m_target = {kCellSize * float(m_ownCell[0]) - kGridHalf + lane, 0,
                kCellSize * float(m_ownCell[1]) - kGridHalf + lane};
    return;
  }
  // The way ran off the footpaths: stand and look for a new one.
  m_target = m_position;
  if (FindPathToTarget() == kPathFound) {
    m_pathFound = 1;
    return;
  }
  GiveBackJob(*world);
  SetActivityState(0, kStateDecideAgain);
}

void REraduzizVisitor::GiveBackJob(CCharacterWorld& world) {
  if (m_id >= kFirstVisitorId || !m_jobEvent || m_jobActive != 1) return;
  world.GiveBackEvent(m_jobEvent);
  m_jobActive = 0;
  m_jobContext = nullptr;
  m_jobCallback = nullptr;
  m_jobCallbackContext = nullptr;
  m_jobParameter = 0;
  world.QueueDialogCommand(false);
  world.SetDialogByte(0, 0);
  world.SetDialogByte(1, 0);
  m_jobEvent = nullptr;
}

void REraduzizVisitor::LeaveRide() {
  m_position = m_destination = m_exitPosition;
  SetVisible();
  SetActivityState(0, kStateDecideAgain);
  m_attributes->AddAll(0, 0, kRideLostPenalty, 0);
}

void REraduzizVisitor::MoveSpecial(double dt) {
  CCharacterWorld* world = CCharacterWorld::Get();
  if (!world) return;
  if (!m_targetAttraction || !world->IsObjectPlaced(m_targetAttraction) ||
      world->IsObjectStopped(m_targetAttraction)) {
    LeaveRide();
    return;
  }
  const bool visibleAtEnd =
      m_activityState == kStateRideListAVisible || m_activityState == kStateRideListBVisible;
  const bool listB =
      m_activityState == kStateRideListB || m_activityState == kStateRideListBVisible;
  if (!listB && m_activityState != kStateRideListA && !visibleAtEnd) return;

  const int32_t count = world->GetPathPointCount(m_targetAttraction, listB, m_ridePathNumber);
  plat::Vec3 point;
  plat::Vec3 last;
  // A path that changed or vanished under the visitor ends the ride.
  bool onPath =
      world->GetPathPoint(m_targetAttraction, listB, m_ridePathNumber, m_ridePointIndex, &point) &&
      world->GetPathPoint(m_targetAttraction, listB, m_ridePathNumber, count - 1, &last);
  if (onPath) {
    m_target = point;
    m_secondPoint = last;
    const float distance = plat::Vec3LengthOf(m_target - m_position);
    if (distance > StepLength(dt)) return;
    ++m_ridePointIndex;
    if (m_ridePointIndex < count) return;
  }
  m_rideExitPending = 1;
  m_ridePointIndex = 0;
  if (visibleAtEnd) SetVisibleAtObject(world->GetObjectAssetName(m_targetAttraction));
}

bool REraduzizVisitor::SearchNearbyCells(float out[3], CellTest test, bool takeLittered,
                                         CCharacterWorld::CellView* chosen) const {
  const CCharacterWorld* world = CCharacterWorld::Get();
  if (!world) return false;
  bool found = false;
  plat::Vec3 centre;
  for (int32_t n = 0; n < kSearchCellCount; ++n) {
    const int32_t i = m_currentCell[0] + kSearchI[std::size_t(n)];
    const int32_t j = m_currentCell[1] + kSearchJ[std::size_t(n)];
    CCharacterWorld::CellView cell;
    if (!world->GetCell(i, j, &cell)) continue;
    const bool littered = takeLittered && cell.isPath && cell.layer1 == kLitteredLayer;
    if (!littered && !test(cell)) continue;
    // The first candidate is held; each later one takes its place at even odds.
    if (littered || !found || RandomRange(0, 1) < 0.5) {
      centre = world->GetCellPosition(i, j);
      if (chosen) *chosen = cell;
      found = true;
    }
    if (littered) break;
  }
  if (found) {
    out[0] = centre.x;
    out[1] = centre.y;
    out[2] = centre.z;
  }
  return found;
}

bool REraduzizVisitor::FindDirtyPathCell(float out[3]) {
  return SearchNearbyCells(out, &IsPathCandidate, true);
}

bool REraduzizVisitor::FindPlantCell(float out[3]) {
  return SearchNearbyCells(out, &IsPlantable, false);
}

bool REraduzizVisitor::FindTendCell(float out[3]) {
  CCharacterWorld::CellView cell;
  if (!SearchNearbyCells(out, &IsTendable, false, &cell)) return false;
  m_targetAttraction = cell.lowestObject;
  return true;
}
