// What a visitor does next: the choice of an activity, the first choice on
// arrival in the park, the deciding state and the finders that turn a
// choice into a walk to an attraction, an outlet, a cash machine or the exit.
#include <cmath>

#include "characters/CPorvikAiClass.h"
#include "characters/CPorvikAiClassHost.h"
#include "characters/CharacterTexts.h"
#include "characters/REraduzizVisitor.h"
#include "park/objects/CAttraction.h"
#include "platform/os/Random.h"

namespace {

constexpr double kRainLeaveChance = 0.8;
constexpr int16_t kLowValue = 10;
constexpr uint16_t kLowMoney = 30;
constexpr int16_t kHungryValue = 30;
constexpr double kMoodDropShare = 10.0;
constexpr int16_t kNoAttractionPenalty = -5;
constexpr int16_t kNoWishPenalty = -7;
constexpr int16_t kUnknownChoicePenalty = -1;
constexpr double kSnackSwitch = 0.382;
constexpr double kSecondSweetSwitch = 0.618;
constexpr double kRestaurantSwitch = 0.618;
constexpr double kEvenSwitch = 0.5;

// Walking states the decisions start.
constexpr int32_t kWalkingMode = 1;
constexpr int32_t kStateToAttraction = 14;
constexpr int32_t kStateToRestaurant = 15;
constexpr int32_t kStateToSnackBar = 16;
constexpr int32_t kStateToSweetShop = 17;
constexpr int32_t kStateToCashMachine = 25;

constexpr int32_t kAttractionType = 0;
constexpr int32_t kServiceType = 1;
constexpr int32_t kShopType = 6;

bool IsCashMachine(const EngineString& name) { return name == "cashFotel" || name == "kincseslada"; }
bool IsSweetShop(const EngineString& name) { return name == "Shop_quessle01" || name == "Shop_quessle02"; }
bool IsRestaurant(const EngineString& name) {
  return name == "restaurant_de_tarrowby" || name == "poffertjeskraam_etterem";
}
bool IsAttractionRecord(const AiObjectRecord& r) {
  return (r.type == kAttractionType || r.type == kServiceType) && !IsCashMachine(r.name);
}
bool IsFull(const CAttraction& object) { return object.queueLength >= object.visitorCapacity; }
bool SamePoint(const plat::Vec3& a, const plat::Vec3& b) { return a.x == b.x && a.y == b.y && a.z == b.z; }
bool Draw(double chance) { return REraduzizVisitor::RandomRange(0, 1) < chance; }

CAttraction* FindObject(const EngineString& name, plat::Vec3* entrance) {
  CPorvikAiClassHost* host = CPorvikAiClassHost::Get();
  plat::Vec3 unused{};
  return host ? host->FindObjectByName(name, entrance ? entrance : &unused) : nullptr;
}

}  // namespace

uint16_t REraduzizVisitor::ChooseActivity() {
  CPorvikAiClassHost* host = CPorvikAiClassHost::Get();
  const int32_t hour = host ? host->GetParkHour() : 0;
  const int16_t first = m_attributes->GetValue1();
  const int16_t second = m_attributes->GetValue2();
  const int16_t third = m_attributes->GetValue3();
  if (m_leaveHour <= hour || hour >= kParkClosingHour) return kChoiceLeave;
  if (host && host->IsRaining() && RandomRange(0, 1) > kRainLeaveChance) return kChoiceLeave;
  const CPorvikAiClass* manager = CPorvikAiClass::GetCurrent();
  if (manager && manager->IsParkClosed()) return kChoiceLeave;
  if (third < kLowValue || second < kLowValue || first < kLowValue) return kChoiceLeave;
  if (m_money <= kLowMoney) return kChoiceMoney;
  if (second <= kHungryValue) return kChoiceFood;
  return RandomRange(0, 1) >= 0.5 ? kChoiceWish : kChoiceAttraction;
}

const EngineString* REraduzizVisitor::WishedAttractionName() const {
  CPorvikAiClassHost* host = CPorvikAiClassHost::Get();
  if (!host) return nullptr;
  const std::vector<EngineString>& names = host->GetTexts().GetAttractionNames();
  if (m_wishedAttraction < 0 || m_wishedAttraction >= int32_t(names.size())) return nullptr;
  return &names[std::size_t(m_wishedAttraction)];
}

bool REraduzizVisitor::CheckParkOffer(REraduzizVisitor* visitor) {
  if (!visitor) return false;
  bool attraction = false, wish = false, shop = false;
  const EngineString* wished = WishedAttractionName();
  if (const CPorvikAiClass* manager = CPorvikAiClass::GetCurrent()) {
    for (int32_t i = 0; i < manager->GetPlacementCount(); ++i) {
      const AiObjectRecord& r = *manager->GetPlacement(i);
      if (IsAttractionRecord(r)) {
        attraction = true;
        wish = wish || (wished && r.name == *wished);
      }
      if (r.type == kShopType && !IsSweetShop(r.name)) shop = true;
    }
  }
  const int16_t mood = int16_t(visitor->GetAttributes().GetMood());
  const uint16_t choice = ChooseActivity();
  const bool missing = (choice == kChoiceAttraction && !attraction) || (choice == kChoiceWish && !wish) ||
                       (choice == kChoiceFood && !shop);
  if (missing) visitor->GetAttributes().SetMoodTarget(mood - int16_t(mood / 100.0 * kMoodDropShare));
  return true;
}

void REraduzizVisitor::DecideAgain() { SetActivityState(0, kStateDecideAgain); }

void REraduzizVisitor::Decide() {
  switch (ChooseActivity()) {
    case kChoiceAttraction:
      if (FindAttraction()) return SetActivityState(kWalkingMode, kStateToAttraction);
      m_attributes->AddThird(kNoAttractionPenalty);
      TryFood();
      return;
    case kChoiceWish:
      if (FindWishedAttraction()) return SetActivityState(kWalkingMode, kStateToAttraction);
      m_attributes->AddThird(kNoWishPenalty);
      if (FindAttraction()) return SetActivityState(kWalkingMode, kStateToAttraction);
      TryFood();
      return;
    case kChoiceMoney:
      if (FindCashMachine()) return SetActivityState(kWalkingMode, kStateToCashMachine);
      m_pathFound = 0;
      m_attributes->AddThird(kNoWishPenalty);
      TryToLeave();
      return;
    case kChoiceFood:
      TryMeal();
      return;
    case kChoiceLeave:
      TryToLeave();
      return;
    default:
      m_attributes->AddThird(kUnknownChoicePenalty);
      return;
  }
}

void REraduzizVisitor::TryFood() {
  bool found = false;
  if (Draw(0.5)) {
    found = GoToRestaurant() || GoToSnackBar() || GoToSweetShop();
  } else if (Draw(0.5)) {
    found = GoToSnackBar() || GoToSweetShop();
  } else {
    found = GoToSweetShop() || GoToSnackBar();
  }
  if (!found) m_attributes->AddThird(kNoAttractionPenalty);
}

void REraduzizVisitor::TryMeal() {
  const bool found = Draw(0.5) ? (GoToRestaurant() || GoToSnackBar()) : (GoToSnackBar() || GoToRestaurant());
  if (found) return;
  const int16_t second = m_attributes->GetValue2();
  if (second >= kLowValue && m_attributes->GetValue1() >= kLowValue && second > kHungryValue) return;
  TryToLeave();
}

void REraduzizVisitor::TryToLeave() {
  if (!FindExit()) return DecideAgain();
  SetActivityState(kWalkingMode, kStateLeftPark);
  m_rideExitPending = 0;
  m_ridePointIndex = 0;
  m_flags[kLeavingFlag] = 1;
  if (GetAnimationKind() == kIdle) PlayWalk(false);
}

bool REraduzizVisitor::GoToRestaurant() {
  if (!FindRestaurant()) return false;
  SetActivityState(kWalkingMode, kStateToRestaurant);
  return true;
}

bool REraduzizVisitor::GoToSnackBar() {
  if (!FindSnackBar()) return false;
  SetActivityState(kWalkingMode, kStateToSnackBar);
  return true;
}

bool REraduzizVisitor::GoToSweetShop() {
  if (!FindSweetShop()) return false;
  SetActivityState(kWalkingMode, kStateToSweetShop);
  return true;
}

void REraduzizVisitor::TakeTarget(const plat::Vec3& point, const EngineString& name, CAttraction* object) {
  SetTargetPosition(m_position.x, m_position.y, m_position.z);
  if (SamePoint(m_position, point)) return;
  m_previousTarget = m_lastTarget;
  m_lastTarget = name;
  SetTargetCell(point.x, point.y, point.z);
  m_targetAttraction = object;
}

bool REraduzizVisitor::SearchPathToTarget() {
  if (FindPathToTarget() == kPathFound) {
    m_pathFound = 1;
    return true;
  }
  if (GetAnimationKind() != kIdle) PlayIdle(false);
  return false;
}

bool REraduzizVisitor::FindAttraction() {
  const CPorvikAiClass* manager = CPorvikAiClass::GetCurrent();
  if (!manager || manager->GetPlacementCount() == 0) return false;
  const int32_t n = manager->GetPlacementCount() - 1;
  const int32_t start = n == 0 ? 0 : int32_t(std::floor(n * plat::Rand() / kRandomRangeDivisor + 0.5));
  const auto eligible = [&](int32_t i) {
    const AiObjectRecord* r = manager->GetPlacement(i);
    return r && IsAttractionRecord(*r) && r->name != m_lastTarget;
  };
  int32_t chosen = -1;
  for (int32_t i = start; i <= n && chosen < 0; ++i)
    if (eligible(i)) chosen = i;
  for (int32_t i = n - 1; i >= 0 && chosen < 0; --i)
    if (eligible(i)) chosen = i;
  if (chosen < 0) return false;
  const AiObjectRecord& r = *manager->GetPlacement(chosen);
  SetTargetPosition(m_position.x, m_position.y, m_position.z);
  if (SamePoint(m_position, r.position)) return true;
  if (r.name == m_previousTarget) return false;
  CAttraction* object = FindObject(r.name, nullptr);
  TakeTarget(r.position, r.name, object);
  if (!object) return true;
  return SearchPathToTarget();
}

bool REraduzizVisitor::FindWishedAttraction() {
  const CPorvikAiClass* manager = CPorvikAiClass::GetCurrent();
  const EngineString* wished = WishedAttractionName();
  if (!manager || !wished) return false;
  const AiObjectRecord* candidate = nullptr;
  for (int32_t i = 0; i < manager->GetPlacementCount(); ++i) {
    const AiObjectRecord& r = *manager->GetPlacement(i);
    if ((r.type != kAttractionType && r.type != kServiceType) || r.name != *wished || r.name == m_lastTarget) continue;
    if (!candidate) {
      candidate = &r;
    } else if (plat::Rand() / kRandomRangeDivisor < kEvenSwitch) {
      candidate = &r;
      break;
    }
  }
  if (!candidate) return false;
  TakeTarget(candidate->position, candidate->name, FindObject(candidate->name, nullptr));
  return SearchPathToTarget();
}

bool REraduzizVisitor::FindByCandidateRule(bool (*test)(const REraduzizVisitor&, const AiObjectRecord&),
                                           double (*switchChance)(const AiObjectRecord&)) {
  const CPorvikAiClass* manager = CPorvikAiClass::GetCurrent();
  if (!manager) return false;
  bool taken = false;
  for (int32_t i = 0; i < manager->GetPlacementCount(); ++i) {
    const AiObjectRecord& r = *manager->GetPlacement(i);
    if (!test(*this, r)) continue;
    CAttraction* object = FindObject(r.name, nullptr);
    if (!object || IsFull(*object)) continue;
    if (!taken) {
      TakeTarget(r.position, r.name, object);
      taken = true;
    } else if (Draw(switchChance(r))) {
      TakeTarget(r.position, r.name, object);
      break;
    }
  }
  return taken && SearchPathToTarget();
}

bool REraduzizVisitor::FindSnackBar() {
  return FindByCandidateRule(
      [](const REraduzizVisitor& v, const AiObjectRecord& r) {
        return r.name == "bufe_zarp" && r.name != v.m_previousTarget;
      },
      [](const AiObjectRecord&) { return kSnackSwitch; });
}

bool REraduzizVisitor::FindSweetShop() {
  return FindByCandidateRule(
      [](const REraduzizVisitor& v, const AiObjectRecord& r) {
        return (r.name == "Shop_quessle01" && r.name != v.m_previousTarget) || r.name == "Shop_quessle02";
      },
      [](const AiObjectRecord& r) { return r.name == "Shop_quessle02" ? kSecondSweetSwitch : kSnackSwitch; });
}

bool REraduzizVisitor::FindCashMachine() {
  return FindByCandidateRule(
      [](const REraduzizVisitor&, const AiObjectRecord& r) { return r.type == kServiceType && IsCashMachine(r.name); },
      [](const AiObjectRecord&) { return kEvenSwitch; });
}

bool REraduzizVisitor::FindRestaurant() {
  const CPorvikAiClass* manager = CPorvikAiClass::GetCurrent();
  if (!manager) return false;
  const AiObjectRecord* fallback = nullptr;
  CAttraction* fallbackObject = nullptr;
  plat::Vec3 fallbackEntrance{};
  for (int32_t i = 0; i < manager->GetPlacementCount(); ++i) {
    const AiObjectRecord& r = *manager->GetPlacement(i);
    if (r.type != kShopType || !IsRestaurant(r.name) || r.name == m_lastTarget) continue;
    plat::Vec3 entrance{};
    CAttraction* object = FindObject(r.name, &entrance);
    if (!object) continue;
    if (!IsFull(*object) && (!fallback || Draw(kRestaurantSwitch))) {
      TakeTarget(entrance, r.name, object);
      return SearchPathToTarget();
    }
    if (!fallback) {
      fallback = &r;
      fallbackObject = object;
      fallbackEntrance = entrance;
    }
  }
  if (!fallback) return false;
  TakeTarget(fallbackEntrance, fallback->name, fallbackObject);
  return SearchPathToTarget();
}

bool REraduzizVisitor::FindExit() {
  const CPorvikAiClass* manager = CPorvikAiClass::GetCurrent();
  if (!manager) return false;
  for (int32_t i = 0; i < manager->GetPlacementCount(); ++i) {
    const AiObjectRecord& r = *manager->GetPlacement(i);
    if (r.type != CPorvikAiClass::kEntranceType) continue;
    SetTargetPosition(m_position.x, m_position.y, m_position.z);
    if (SamePoint(m_position, r.position)) return true;
    m_previousTarget = m_lastTarget;
    m_lastTarget = r.name;
    m_targetAttraction = FindObject(r.name, nullptr);
    plat::Vec3 point = r.position;
    CCharacterWorld* world = CCharacterWorld::Get();
    const int32_t paths = world ? world->GetPathCount(m_targetAttraction, true) : 0;
    // An exit without exit paths is left at its own position.
    if (paths > 0) {
      m_ridePathNumber = plat::Rand() % paths;
      world->GetPathPoint(m_targetAttraction, true, m_ridePathNumber, 0, &point);
    }
    SetTargetCell(point.x, point.y, point.z);
    if (FindPathToTarget() == 0) return false;
    m_pathFound = 1;
    return true;
  }
  return false;
}
