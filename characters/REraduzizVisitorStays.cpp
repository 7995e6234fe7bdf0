// What a visitor does at its target: the arrival, the queue at the placed
// object and its admission, the stay inside and what it brings, the walks
// along the object's own paths, and leaving the park.
#include <cmath>
#include <limits>

#include "characters/CPorvikAiClassHost.h"
#include "characters/CVisitorPark.h"
#include "characters/REraduzizVisitor.h"
#include "park/objects/CAttraction.h"
#include "platform/os/Random.h"

namespace {

constexpr int32_t kWalkingMode = 1;
constexpr int32_t kStayingMode = 2;
// Queue states (mode 0) and the walking states that lead to them.
constexpr int32_t kQueueAttraction = 3;
constexpr int32_t kQueueRestaurant = 4;
constexpr int32_t kQueueSweetShop = 5;
constexpr int32_t kQueueSnackBar = 8;
constexpr int32_t kQueueCashMachine = 9;
constexpr int32_t kPickEntrancePath = 10;
constexpr int32_t kPickExitPath = 11;
constexpr int32_t kToAttraction = 14;
constexpr int32_t kToRestaurant = 15;
constexpr int32_t kToSnackBar = 16;
constexpr int32_t kToSweetShop = 17;
constexpr int32_t kToCashMachine = 25;
// Stays (mode 2).
constexpr int32_t kStaySnackBar = 35;
constexpr int32_t kStayRestaurant = 36;
constexpr int32_t kStaySweetShop = 37;
constexpr int32_t kStayRide = 38;
constexpr int32_t kStayCashMachine = 39;
constexpr int32_t kStayWalkThrough = 40;
constexpr int32_t kStayLeftPark = 41;
constexpr int32_t kStayRestPlace = 42;

constexpr int32_t kMaxWaiting = 6;
constexpr int32_t kLowestRideCondition = 19;
constexpr int32_t kQueueTimerBase = 150;
constexpr int32_t kQueueTimerSpread = 210;
constexpr int32_t kShopStay = 270;
constexpr int32_t kCashMachineStay = 60;
constexpr int32_t kShortRideStay = 2;
constexpr int32_t kRideStay = 600;
constexpr int32_t kBuildingStay = 100;
constexpr int32_t kWalkThroughStay = 600;
constexpr int32_t kLitterDelay = 60;
constexpr int32_t kRestDetourDelay = 10;
constexpr int16_t kRestBonus = 7;
constexpr int32_t kChildAge = 18;
constexpr double kChildCashLow = 30, kChildCashHigh = 100;
constexpr double kAdultCashLow = 50, kAdultCashHigh = 200;
// Ledger: one use of an object.
constexpr int32_t kUseCategory = 2;
constexpr int32_t kUseKind = 9;

bool IsShortRideState(int32_t state) { return state == 1 || state == 2; }
// The world knows whether the object is still placed and not on its way out.
bool IsGone(const CAttraction* object) {
  CCharacterWorld* world = CCharacterWorld::Get();
  return !world || !world->IsObjectPlaced(object);
}

void BookUse(const CAttraction& object) {
  CVisitorPark* park = CVisitorPark::Get();
  if (!park) return;
  const CVisitorPark::Clock clock = park->GetClock();
  park->Book({0, kUseCategory, kUseKind, object.objectNumber, clock.year, clock.month, clock.day, clock.hour, 1, 0});
}

// A stay's wear on the object: a hundredth of its riders, rounded.
void Wear(CAttraction& object) {
  if (object.condition > 0) object.condition -= int32_t(std::lround(object.usedCount / 100.0));
}

int32_t ParkHour() {
  CPorvikAiClassHost* host = CPorvikAiClassHost::Get();
  return host ? host->GetParkHour() : 0;
}

}  // namespace

uint16_t REraduzizVisitor::AddMoney(uint16_t money, int32_t amount) {
  const int32_t sum = int32_t(money) + amount;
  if (sum < 0) return 0;
  return uint16_t(std::min<int32_t>(sum, std::numeric_limits<uint16_t>::max()));
}

void REraduzizVisitor::DropTarget(int16_t penalty) {
  DecideAgain();
  m_attributes->AddAll(0, 0, penalty, 0);
  m_targetAttraction = nullptr;
}

void REraduzizVisitor::ClearRidePath() {
  m_inRide = 0;
  m_rideExitPending = 0;
  m_ridePointIndex = 0;
}

bool REraduzizVisitor::StartObjectPath(bool listB) {
  CCharacterWorld* world = CCharacterWorld::Get();
  const int32_t paths = world ? world->GetPathCount(m_targetAttraction, listB) : 0;
  plat::Vec3 point{};
  if (paths <= 0) return false;
  m_ridePathNumber = plat::Rand() % paths;
  if (!world->GetPathPoint(m_targetAttraction, listB, m_ridePathNumber, 0, &point)) return false;
  SetTargetCell(point.x, point.y, point.z);
  m_inRide = 1;
  m_rideExitPending = 0;
  m_ridePointIndex = 0;
  return true;
}

void REraduzizVisitor::UpdateShoppingStates(double dt) {
  switch (GetActivityState()) {
    case kStateDecideAgain:
      Decide();
      return;
    case kQueueAttraction:
      UpdateAttractionQueue(dt);
      return;
    case kQueueRestaurant:
      UpdateShopQueue(kStayRestaurant);
      return;
    case kQueueSweetShop:
      UpdateShopQueue(kStaySweetShop);
      return;
    case kQueueSnackBar:
      UpdateShopQueue(kStaySnackBar);
      return;
    case kQueueCashMachine:
      UpdateShopQueue(kStayCashMachine);
      return;
    case kPickEntrancePath:
    case kPickExitPath: {
      const bool exit = GetActivityState() == kPickExitPath;
      // An object without such paths sends the visitor on at once: off to
      // deciding, or out of the park.
      if (!StartObjectPath(exit)) {
        if (exit) return LeavePark();
        return DecideAgain();
      }
      m_pathFound = 1;
      SetActivityState(kWalkingMode, exit ? kStateRideListB : kStateRideListA);
      return;
    }
    default:
      DecideAgain();
      return;
  }
}

void REraduzizVisitor::JoinQueue(int32_t arrivalState) {
  CAttraction* object = m_targetAttraction;
  if (IsGone(object)) return DropTarget(-5);
  const bool admits = object->queueLength < kMaxWaiting &&
                      (arrivalState == kToAttraction ? object->condition > kLowestRideCondition
                                                     : m_attributes->GetValue3() <= object->condition);
  if (!admits) {
    DecideAgain();
    if (arrivalState == kToAttraction) m_attributes->AddAll(0, 0, -5, 0);
    if (arrivalState == kToCashMachine) m_attributes->AddAll(0, 0, -10, 0);
    return;
  }
  ++object->queueLength;
  m_ticket = ++object->visitorCounter;
  SetCounterWithTime(kQueueTimer, plat::Rand() % kQueueTimerSpread + kQueueTimerBase);
  switch (arrivalState) {
    case kToAttraction:
      SetActivityState(0, kQueueAttraction);
      return ThinkOnQueueEntry();
    case kToRestaurant:
      return SetActivityState(0, kQueueRestaurant);
    case kToSnackBar:
      return SetActivityState(0, kQueueSnackBar);
    case kToSweetShop:
      return SetActivityState(0, kQueueSweetShop);
    default:
      return SetActivityState(0, kQueueCashMachine);
  }
}

bool REraduzizVisitor::MayGoIn(const CAttraction& object) const {
  return m_ticket <= object.lastAdmittedPlace - object.usedCount + object.visitorCapacity &&
         object.usedCount != object.visitorCapacity;
}

void REraduzizVisitor::RaiseAdmitted(CAttraction& object) const {
  if (m_ticket > object.lastAdmittedPlace) object.lastAdmittedPlace = m_ticket;
}

void REraduzizVisitor::Admit(CAttraction& object) {
  m_beforeFirstAdmission = 0;
  --object.queueLength;
  RaiseAdmitted(object);
  ++object.visitorsInside;
  BookUse(object);
  ++object.usedCount;
}

void REraduzizVisitor::WaitInQueue(const CAttraction& object) {
  plat::Vec3 spot = m_position;
  object.AcceptsVisitor(m_ticket, &spot);
  SetPosition(spot);
  SetTargetCell(spot.x, spot.y, spot.z);
  SetTargetPosition(object.gatePosition.x, object.gatePosition.y, object.gatePosition.z);
  PlayIdle(false);
}

void REraduzizVisitor::GiveUpPlace(CAttraction& object) {
  if (object.queueLength > 0) {
    --object.queueLength;
    RaiseAdmitted(object);
  }
}

void REraduzizVisitor::LeaveQueue(CAttraction& object) {
  GiveUpPlace(object);
  DecideAgain();
  PlayWalk(false);
}

void REraduzizVisitor::UpdateShopQueue(int32_t stayState) {
  CAttraction* object = m_targetAttraction;
  if (IsGone(object)) return DropTarget(-10);
  const bool cashMachine = stayState == kStayCashMachine;
  if (!cashMachine && ParkHour() >= kParkClosingHour) return LeaveQueue(*object);
  if (!MayGoIn(*object)) return WaitInQueue(*object);
  Admit(*object);
  if (!cashMachine) SetVisibleAtObject(object->id);
  if (cashMachine) ClearRidePath();
  SetCounterWithTime(kStayTimer, cashMachine ? kCashMachineStay : kShopStay);
  m_exitPosition = object->exitPosition;
  SetActivityState(kStayingMode, stayState);
}

void REraduzizVisitor::UpdateAttractionQueue(double dt) {
  CAttraction* object = m_targetAttraction;
  if (IsGone(object)) return DropTarget(-10);
  if (object->isRunning) {
    GiveUpPlace(*object);
    return UpdateAttractionStates(dt);
  }
  if (ParkHour() >= kParkClosingHour) return LeaveQueue(*object);
  const bool cycles = object->HasVehiclesOrFlag() && !object->continuousService;
  if (cycles && !object->visitorFlag) return WaitInQueue(*object);
  if (cycles && object->queueLength > 0) PlayWalk(false);
  if (!MayGoIn(*object)) return WaitInQueue(*object);
  if (object->eventRunning) {
    GiveUpPlace(*object);
    DecideAgain();
    m_attributes->AddAll(0, 0, -10, 0);
    return;
  }
  if (GetAnimationKind() == kIdle) PlayWalk(false);
  m_exitPosition = object->exitPosition;
  if (object->GetPathCountA() == 0) {
    Admit(*object);
    SetActivityState(kStayingMode, kStayRide);
    SetVisibleAtObject(object->id);
    const int32_t stay = IsShortRideState(object->state) ? kShortRideStay : cycles ? kRideStay : kBuildingStay;
    SetCounterWithTime(kStayTimer, stay);
    m_inRide = 0;
    return;
  }
  ++object->usedCount;
  --object->queueLength;
  m_beforeFirstAdmission = 0;
  RaiseAdmitted(*object);
  StartObjectPath(false);
  m_pathFound = 1;
  ++object->pathUsers;
  SetActivityState(kWalkingMode, kStateRideListAVisible);
}

void REraduzizVisitor::LeavePark() {
  SetActivityState(kStayingMode, kStayLeftPark);
  ClearRidePath();
  m_finished = 1;
  m_visible = 0;
}

void REraduzizVisitor::UpdateDustBinStates(double) {
  const int32_t state = GetActivityState();
  switch (state) {
    case kToAttraction:
    case kToRestaurant:
    case kToSnackBar:
    case kToSweetShop:
    case kToCashMachine:
      return JoinQueue(state);
    case kStateRideListA:
      ClearRidePath();
      return DecideAgain();
    case kStateRideListB:
      return LeavePark();
    case kStateLeftPark:
      if (IsGone(m_targetAttraction)) {
        m_targetAttraction = nullptr;
        return DecideAgain();
      }
      return SetActivityState(0, kPickExitPath);
    case kStateRideListAVisible: {
      CAttraction* object = m_targetAttraction;
      if (IsGone(object)) return DropTarget(-5);
      ++object->visitorsInside;
      BookUse(*object);
      SetActivityState(kStayingMode, kStayWalkThrough);
      --object->pathUsers;
      ClearRidePath();
      SetCounterWithTime(kStayTimer, kWalkThroughStay);
      return;
    }
    case kStateRideListBVisible:
      if (IsGone(m_targetAttraction)) return DropTarget(-5);
      ClearRidePath();
      SetVisible();
      return DecideAgain();
    default:
      return DecideAgain();
  }
}

void REraduzizVisitor::LeaveByExit(const CAttraction& object) {
  SetPosition(object.exitPosition);
  m_destination = object.exitPosition;
  SetVisible();
  DecideAgain();
}

void REraduzizVisitor::EndStay(CAttraction& object, int32_t state) {
  --object.usedCount;
  --object.visitorsInside;
  if (state != kStayCashMachine) Wear(object);
  switch (state) {
    case kStaySnackBar:
      if (BuySnack()) {
        m_attributes->AddAll(5, 10, 2, 0);
        StartLitter();
      } else {
        m_attributes->AddAll(0, 0, -2, 0);
      }
      ThinkAfterSnack();
      break;
    case kStayRestaurant:
      if (BuyMeal()) {
        m_attributes->AddAll(10, 20, 5, 0);
        StartLitter();
        ThinkAfterMeal();
      } else {
        m_attributes->AddAll(0, 0, -5, 0);
      }
      break;
    case kStaySweetShop:
      if (BuySweets()) {
        m_attributes->AddAll(0, 0, 7, 0);
        StartLitter();
      } else {
        m_attributes->AddAll(0, 0, -7, 0);
      }
      break;
    case kStayRide:
      m_attributes->AddAll(-7, 0, 10, 0);
      break;
    default: {
      m_attributes->AddAll(0, 0, 10, 0);
      const bool child = m_age <= kChildAge;
      const double cash = child ? RandomRange(kChildCashLow, kChildCashHigh) : RandomRange(kAdultCashLow, kAdultCashHigh);
      m_money = AddMoney(m_money, int32_t(cash));
      break;
    }
  }
  LeaveByExit(object);
}

void REraduzizVisitor::StartLitter() {
  m_litter = 1;
  SetCounterWithTime(kLitterTimer, kLitterDelay);
}

void REraduzizVisitor::EndWalkThrough(CAttraction& object) {
  m_attributes->AddAll(-7, 0, 10, 0);
  ThinkAfterRide();
  --object.usedCount;
  --object.visitorsInside;
  SetVisible();
  if (!StartObjectPath(true)) return DecideAgain();
  m_pathFound = 1;
  SetActivityState(kWalkingMode, kStateRideListBVisible);
}

void REraduzizVisitor::UpdateAttractionStates(double) {
  const int32_t state = GetActivityState();
  if (state == kStayLeftPark) {
    m_flags[kLeavingFlag] = 1;
    SetWalkFlags(false);
    m_finished = 1;
    return;
  }
  CAttraction* object = m_targetAttraction;
  if (state == kStayRestPlace) {
    if (IsGone(object)) return DropTarget(-20);
    m_attributes->AddThird(kRestBonus);
    SetTargetCell(object->gatePosition.x, object->gatePosition.y, object->gatePosition.z);
    SetActivityState(kWalkingMode, m_savedWalkingState);
    SetCounterWithTime(kDetourTimer, kRestDetourDelay);
    return;
  }
  if (state < kStaySnackBar || state > kStayWalkThrough) return DecideAgain();
  if (IsGone(object)) {
    SetPosition(m_exitPosition);
    m_destination = m_exitPosition;
    SetVisible();
    return DropTarget(-20);
  }
  if (!object->IsClosed()) return;
  if (state == kStayWalkThrough) return EndWalkThrough(*object);
  EndStay(*object, state);
}
