// The visitors' pass of the frame: every live character's update with the
// park's mood totals counted afresh, and every 20 frames the monthly costs,
// the spawn decision in opening hours and the closing of the park outside
// them, which turns the day once the last visitor has gone.
#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "characters/CPorvikAiClass.h"
#include "characters/CVisitorPark.h"
#include "characters/REraduzizVisitor.h"
#include "platform/os/Clock.h"
#include "platform/os/Random.h"

namespace {

constexpr int32_t kFramesPerCheck = 20;
constexpr int32_t kOpeningHour = 10;
constexpr int32_t kLastEntryHour = 17;
constexpr int32_t kDaysPerMonth = 30;
constexpr int32_t kMonthsPerYear = 12;
constexpr int32_t kVisitorsPerCapacity = 10;
constexpr int32_t kCapacityPerObject = 50;
constexpr int32_t kPriceDrawSpread = 20;
constexpr int32_t kPriceBase = 7;
constexpr uint32_t kSpawnIntervalMs = 1000;
constexpr int32_t kSpawnIntervalSpread = 5000;
constexpr int32_t kChildChancePercent = 75;
constexpr int32_t kChildKinds[] = {10, 9, 8};
constexpr int32_t kSpawnedAdultKinds = 13;
constexpr int32_t kLastVisitorKind = 13;
constexpr int32_t kWalkingMode = 1;
constexpr int32_t kRideBackState = 13;
constexpr int32_t kNoCharacter = -1;

// Ledger: the entrance fee, the hourly visitor figures, the running costs.
constexpr int32_t kFeeCategory = 5;
constexpr int32_t kFeeKind = 16;
constexpr int32_t kFigureCategory = 1;
constexpr int32_t kMoodFigure = 2;
constexpr int32_t kVisitorFigure = 1;
constexpr int32_t kFirstBandFigure = 3;
constexpr int32_t kCostCategory = 2;
constexpr int32_t kCostKind = 10;
constexpr double kMonthlyCostShare = 0.1;

// Every booked hour earns points by the best green band the park reached:
// 10 for band 20 up to 50 for band 100.
constexpr int32_t kGreenBandWidth = 20;
constexpr int32_t kPointsPerGreenBand = 10;
constexpr int32_t kBestGreenBand = 100;
int32_t HourlyPoints(int32_t highestGreenBand) {
  if (highestGreenBand < kGreenBandWidth || highestGreenBand > kBestGreenBand ||
      highestGreenBand % kGreenBandWidth != 0) {
    return 0;
  }
  return highestGreenBand / kGreenBandWidth * kPointsPerGreenBand;
}

bool IsVisitorKind(int32_t kind) { return kind >= 0 && kind <= kLastVisitorKind; }

// The average mood of the counted visitors in percent of the best, 0 with
// nobody in the park.
double MoodShare(int32_t moodSum, int32_t visitors) {
  return visitors == 0 ? 0.0 : double(moodSum) / double(visitors) / 100.0;
}

LedgerRecord MakeRecord(const CVisitorPark::Clock& clock, int32_t category, int32_t kind, int32_t hour,
                        int32_t amount) {
  LedgerRecord record;
  record.flag = 0;
  record.category = category;
  record.kind = kind;
  record.subject = -1;
  record.year = clock.year;
  record.month = clock.month;
  record.day = clock.day;
  record.hour = hour;
  record.amount = amount;
  record.flag2 = 0;
  return record;
}

}  // namespace

void CPorvikAiClass::UpdateVisitors(double dt) {
  CVisitorPark* park = CVisitorPark::Get();
  if (park && park->IsSaving()) return;
  m_busy = 1;
  UpdatePlacedCharacters(dt);
  UpdateSpecialCharacters(dt);
  const int32_t records = GetPlacementCount();
  ++m_frameCounter;
  const bool checkDue = m_frameCounter >= kFramesPerCheck && dt != 0;
  if (dt != 0) RunCharacterUpdates(dt);
  if (checkDue) {
    if (park) {
      UpdateParkRatings(m_ratingToggle == 0 ? kGreenRating : kCleanRating);
      m_ratingToggle ^= 1;
      BookMonthlyObjectCosts();
    }
    if (park && !m_drawing && m_spawn.objectId != kNoSpawnPoint && records >= 2) {
      const int32_t hour = park->GetClock().hour;
      if (hour >= kOpeningHour && hour <= kLastEntryHour) {
        TrySpawn(dt);
        BookHourlyStatistics();
      } else {
        CloseForTheNight();
      }
    }
    m_frameCounter = 0;
  }
  m_busy = 0;
}

void CPorvikAiClass::RunCharacterUpdates(double dt) {
  CCharacterWorld* world = CCharacterWorld::Get();
  ParkMoodTotals* totals = world ? world->GetMoodTotals() : nullptr;
  // Counted from nothing: a base in the sum would lift the visitors' average
  // mood above what they feel, most of all in a nearly empty park.
  if (totals) *totals = ParkMoodTotals{};
  // By index: an update may add a live id (the new one waits a pass).
  for (std::size_t i = 0; i < m_liveIds.size(); ++i) {
    REraduzizVisitor* character = FindCharacterById(m_liveIds[i]);
    if (!character) continue;
    if (!character->IsFinished()) character->UpdateByKind(dt);
    if (m_passFinished.firstId == kNoCharacter && character->IsFinished()) m_passFinished.firstId = m_liveIds[i];
    // A finished visitor still counts until its removal takes it out of the
    // totals again, so that the totals never go below the visitors present.
    if (IsVisitorKind(character->GetKind())) character->GetAttributes().AddToParkTotals();
  }
  m_passFinished.liveIdsChecked = m_liveIds.size();
}

REraduzizVisitor* CPorvikAiClass::FindFinishedLiveCharacter() const {
  const auto finished = [this](int32_t id) -> REraduzizVisitor* {
    REraduzizVisitor* character = FindCharacterById(id);
    return character && character->IsFinished() ? character : nullptr;
  };
  // Ids added after the pass come later in the order than any it met.
  if (m_passFinished.firstId != kNoCharacter) {
    if (REraduzizVisitor* character = finished(m_passFinished.firstId)) return character;
  }
  for (std::size_t i = std::min(m_passFinished.liveIdsChecked, m_liveIds.size()); i < m_liveIds.size(); ++i) {
    if (REraduzizVisitor* character = finished(m_liveIds[i])) return character;
  }
  return nullptr;
}

int32_t CPorvikAiClass::CountOpenAttractions() const {
  int32_t open = 0;
  for (const CVisitorPark::ObjectView& object : CVisitorPark::Get()->GetObjects()) open += object.openAttraction;
  return open;
}

bool CPorvikAiClass::SpawnGateOpen() const {
  CCharacterWorld* world = CCharacterWorld::Get();
  const int32_t moodSum = world && world->GetMoodTotals() ? world->GetMoodTotals()->moodSum : 0;
  const int32_t limit = m_capacity * kVisitorsPerCapacity;
  if (m_visitorCount >= limit) return false;
  if (m_visitorCount != 0 && m_visitorCount > int32_t(MoodShare(moodSum, m_visitorCount) * limit)) return false;
  const int32_t price = CVisitorPark::Get()->GetEntrancePrice();
  if (price > (plat::Rand() % kPriceDrawSpread + kPriceBase) * CountOpenAttractions()) return false;
  const uint32_t now = plat::TickCount();
  const uint32_t wait = uint32_t(plat::Rand() % kSpawnIntervalSpread) + kSpawnIntervalMs;
  return now - m_lastSpawnTick > wait;
}

int32_t CPorvikAiClass::DrawSpawnKind() {
  if (plat::Rand() % 100 < kChildChancePercent) return kChildKinds[plat::Rand() % 3];
  return plat::Rand() % kSpawnedAdultKinds;
}

void CPorvikAiClass::TrySpawn(double dt) {
  if (!SpawnGateOpen()) return;
  CVisitorPark* park = CVisitorPark::Get();
  const int32_t hour = park->GetClock().hour;
  const int32_t kind = DrawSpawnKind();
  const int32_t id = TakeNextId();
  const plat::Vec3 at = m_spawn.position;
  CreateVisitor(id, kind, at);
  AddLiveId(id);
  REraduzizVisitor* visitor = FindCharacterById(id);
  if (!visitor) return;
  visitor->CheckParkOffer(visitor);
  visitor->SetTargetCell(at.x, at.y, at.z);
  visitor->SetTargetPosition(at.x, at.y, at.z);
  visitor->WalkStep(dt);
  visitor->GetAttributes().AddToParkTotals();
  CountVisitor(*visitor);
  m_lastSpawnTick = plat::TickCount();
  const int32_t price = park->GetEntrancePrice();
  park->TakeEntranceFee(price);
  park->Book(MakeRecord(park->GetClock(), kFeeCategory, kFeeKind, hour, price));
}

void CPorvikAiClass::CloseForTheNight() {
  m_parkClosed = 1;
  for (int32_t id : m_liveIds) {
    REraduzizVisitor* character = FindCharacterById(id);
    if (!character || character->IsNonVisitor() || character->GetActivityMode() != kWalkingMode) continue;
    const int32_t state = character->GetActivityState();
    if (state == REraduzizVisitor::kStateLeftPark || state == kRideBackState) continue;
    // A visitor on a ride's own path walks it to the end and comes out at
    // the exit first: sent to choose from inside the ride, it would find no
    // footpath out and stay in the park all night.
    if (character->IsInRide()) continue;
    character->SetActivityState(0, REraduzizVisitor::kStateDecideAgain);
  }
  if (m_visitorCount == 0) TurnTheDay();
}

void CPorvikAiClass::TurnTheDay() {
  CVisitorPark* park = CVisitorPark::Get();
  CVisitorPark::Clock clock = park->GetClock();
  m_parkClosed = 0;
  m_nextId = kFirstVisitorId;
  clock.previousHour = 7;
  clock.previousMinute = 59;
  clock.previousDay = clock.day;
  clock.hour = kOpeningHour;
  clock.minute = 0;
  const bool newYear = AdvanceDate(clock);
  park->SetClock(clock);
  if (newYear) park->AddYearStatistics(clock.year);
}

bool CPorvikAiClass::AdvanceDate(CVisitorPark::Clock& clock) {
  if (++clock.day <= kDaysPerMonth) return false;
  clock.previousDay = clock.day;
  clock.day = 1;
  clock.previousMonth = clock.month;
  if (++clock.month <= kMonthsPerYear) return false;
  clock.previousMonth = clock.month;
  clock.month = 1;
  clock.previousYear = clock.year;
  ++clock.year;
  return true;
}

void CPorvikAiClass::BookHourlyStatistics() {
  CVisitorPark* park = CVisitorPark::Get();
  const CVisitorPark::Clock clock = park->GetClock();
  const int32_t hour = clock.hour;
  // A jump of two hours or more books as well as reaching the hour.
  if (hour != m_nextHourToBook && std::abs(m_nextHourToBook - hour) <= 1) return;
  if (const int32_t points = HourlyPoints(m_highestGreenBand)) park->AwardPoints(points);
  CCharacterWorld* world = CCharacterWorld::Get();
  const ParkMoodTotals totals = world && world->GetMoodTotals() ? *world->GetMoodTotals() : ParkMoodTotals{};
  park->Book(MakeRecord(clock, kFigureCategory, kMoodFigure, hour,
                        int32_t(MoodShare(totals.moodSum, m_visitorCount))));
  park->Book(MakeRecord(clock, kFigureCategory, kVisitorFigure, hour, m_visitorCount));
  for (int32_t band = 0; band < ParkMoodTotals::kBandCount; ++band) {
    park->Book(MakeRecord(clock, kFigureCategory, kFirstBandFigure + band, hour,
                          totals.bandCounts[std::size_t(band)]));
  }
  m_lastBookedHour = hour;
  m_nextHourToBook = hour + 1;
}

void CPorvikAiClass::BookMonthlyObjectCosts() {
  CVisitorPark* park = CVisitorPark::Get();
  const CVisitorPark::Clock clock = park->GetClock();
  const int32_t month = clock.month;
  if (m_nextMonthToBook != month && std::abs(m_nextMonthToBook - month) <= 1) return;
  for (const CVisitorPark::ObjectView& object : park->GetObjects()) {
    if (object.costCount < 1) continue;
    LedgerRecord record = MakeRecord(clock, kCostCategory, kCostKind, clock.hour,
                                     int32_t(object.monthlyValue * kMonthlyCostShare));
    record.subject = object.number;
    record.flag2 = 1;
    park->Book(record);
  }
  SetMonthBookings(month, month + 1);
}

void CPorvikAiClass::UpdateVisitorCapacity() {
  CVisitorPark* park = CVisitorPark::Get();
  // The entrance itself does not count; an empty list gives no capacity.
  const int32_t objects = park ? int32_t(park->GetObjects().size()) - 1 : 0;
  if (objects <= 0) {
    m_capacity = 0;
    return;
  }
  CCharacterWorld* world = CCharacterWorld::Get();
  const int32_t moodSum = world && world->GetMoodTotals() ? world->GetMoodTotals()->moodSum : 0;
  const int32_t full = objects * kCapacityPerObject;
  m_capacity = m_visitorCount == 0 ? full : int32_t(MoodShare(moodSum, m_visitorCount) * full);
}

void CPorvikAiClass::SetHourBookings(int32_t lastBooked, int32_t nextToBook) {
  m_lastBookedHour = lastBooked;
  m_nextHourToBook = nextToBook;
}
