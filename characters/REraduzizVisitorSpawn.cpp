// A new character's start values: the visitor's spawn-time initialisation
// by profile, and what the other kinds are marked with.
#include <algorithm>
#include <cmath>

#include "characters/CPorvikAiClassHost.h"
#include "characters/CharacterTexts.h"
#include "characters/REraduzizVisitor.h"
#include "platform/os/Clock.h"
#include "platform/os/Random.h"

namespace {

constexpr const char* kMainEntrance = "Attr_MainEntrance";
constexpr int32_t kProfileCount = 6;
constexpr int32_t kPatienceStart = 3600;
constexpr int32_t kQueueStart = 360;
constexpr int32_t kGardenerPauseStart = 700;
constexpr int32_t kFirstLeaveDelay = 2;
constexpr int32_t kLeaveSpread = 4;
constexpr int32_t kToppingTypes = 3;
constexpr int32_t kLeastToppings = 2;

// The ranges [lo, hi) of one profile's values, in the order they are drawn.
struct ProfileRanges {
  int32_t first[2], second[2], third[2], fourth[2];
  int32_t rate1[2], rate3[2], low[2], high[2];
  int32_t age[2], money[2];
};

// Codes 0 and 1 are children, 2 and 3 teenagers, 4 and 5 adults.
const ProfileRanges& RangesOf(uint16_t profile) {
  static const ProfileRanges kRanges[3] = {
      {{40, 60}, {60, 80}, {60, 90}, {40, 60}, {90, 120}, {90, 120}, {35, 45}, {55, 65}, {9, 15}, {30, 100}},
      {{50, 70}, {60, 80}, {60, 90}, {50, 100}, {80, 120}, {80, 120}, {35, 45}, {55, 65}, {11, 18}, {30, 100}},
      {{60, 80}, {60, 80}, {60, 90}, {40, 90}, {70, 110}, {70, 110}, {35, 45}, {55, 65}, {19, 70}, {50, 200}},
  };
  return kRanges[std::min<int32_t>(profile, kProfileCount - 1) / 2];
}

int32_t Draw(const int32_t (&range)[2]) { return int32_t(REraduzizVisitor::RandomRange(range[0], range[1])); }

// The fixed preferences of a visitor in a park without a usable catalogue.
const REraduzizVisitor::ActivityRecord kFallbackPreferences[3] = {
    {0, "Sla", 3, "Tomaten"}, {2, "Ketchup", 0, "Witbrood"}, {1, "Aardappels", 2, "Tomaten"}};

bool CanDrawPreferences(const std::vector<std::vector<CPorvikAiClassHost::Topping>>& types) {
  if (int32_t(types.size()) < kToppingTypes) return false;
  return std::all_of(types.begin(), types.begin() + kToppingTypes,
                     [](const auto& toppings) { return int32_t(toppings.size()) >= kLeastToppings; });
}

}  // namespace

void REraduzizVisitor::SetupForKind(int32_t kind, int32_t spawnGroup) {
  if (spawnGroup >= 0) {
    SpawnInit(uint16_t(spawnGroup));
    return;
  }
  switch (kind) {
    case 15:
    case 16:
    case 17:
    case 18:
    case 20:
    case 21:
      m_nonVisitor = 1;
      break;
    case kGardener:
      m_nonVisitor = 1;
      SetCounterWithTime(kGardenerPauseTimer, kGardenerPauseStart);
      break;
    case kCleaner:
      m_cleaner = 1;
      m_nonVisitor = 1;
      break;
    default:
      break;
  }
}

void REraduzizVisitor::SpawnInit(uint16_t profile) {
  CPorvikAiClassHost* host = CPorvikAiClassHost::Get();
  DrawProfileValues(profile, host);
  m_leaveHour = (host ? host->GetParkHour() : 0) + kFirstLeaveDelay + plat::Rand() % kLeaveSpread;
  m_flags[1] = 0;
  m_flags[2] = 0;
  m_spawnByte = 0;
  m_rideExitPending = 0;
  m_nonVisitor = 0;
  plat::Vec3 entrance{};
  CAttraction* target = host ? host->FindObjectByName(kMainEntrance, &entrance) : nullptr;
  if (!target) {
    m_finished = 1;
    return;
  }
  SetActivityState(0, kStateFollowEntrancePath);
  m_activityByte = 1;  // following a path
  m_targetAttraction = target;
  m_destination = entrance;
  CCharacterWorld* world = CCharacterWorld::Get();
  int32_t i = 0, j = 0;
  if (!world || !world->WorldToCell(GetPosition(), &i, &j)) i = j = 0;
  m_currentCell = {i, j};
  m_moodAtEntry = uint16_t(m_attributes->GetMood());
  m_firstMoodAtEntry = uint16_t(m_attributes->GetFirstMood());
  // The first pair is the cell walk's, so the two cleared are the stay and
  // the litter timers.
  SetCounterWithTime(kStayTimer, 0);
  SetCounterWithTime(kLitterTimer, 0);
  SetCounterWithTime(kPatienceTimer, kPatienceStart);
  SetCounterWithTime(kQueueTimer, kQueueStart);
  std::fill(m_cellMap.begin(), m_cellMap.end(), uint16_t(0));
  m_stepCounter = 0;
  if (host) ChooseFirstThought(host->GetTexts().GetThoughtCount(CharacterTexts::kEnvironmentCategory));
  const std::size_t wishes = host ? host->GetTexts().GetAttractionNames().size() : 0;
  m_wishedAttraction = wishes > 0 ? int32_t(std::size_t(plat::Rand()) % wishes) : kNoWish;
  DrawPreferences(host);
  m_spawnValue = m_attributes->BandOf(m_attributes->GetMood());
  m_spawnTick = plat::TickCount();
}

void REraduzizVisitor::DrawProfileValues(uint16_t profile, CPorvikAiClassHost* host) {
  const ProfileRanges& r = RangesOf(profile);
  const int32_t v1 = Draw(r.first), v2 = Draw(r.second), v3 = Draw(r.third), v4 = Draw(r.fourth);
  const int32_t rate1 = Draw(r.rate1), rate3 = Draw(r.rate3);
  const int32_t low = Draw(r.low), high = Draw(r.high);
  const int32_t age = Draw(r.age), money = Draw(r.money);
  // Even profiles are male and take the men's names, odd ones the women's.
  const bool female = profile % 2 == 1;
  const std::size_t names =
      host ? (female ? host->GetTexts().GetWomanNames() : host->GetTexts().GetManNames()).size() : 0;
  m_visitorValue = names > 0 ? int32_t(std::lround(RandomRange(0, double(names - 1)))) : kNoName;
  m_attributes->SetLowThreshold(int16_t(low));
  m_attributes->SetHighThreshold(int16_t(high));
  m_attributes->SetRates(int16_t(rate1), int16_t(rate3));
  m_attributes->SetAll(int16_t(v1), int16_t(v2), int16_t(v3), int16_t(v4));
  m_initialAttributes->SetAll(int16_t(v1), int16_t(v2), int16_t(v3), int16_t(v4));
  m_age = uint16_t(age);
  m_spawnWord = female ? kWomanNameList : kManNameList;
  m_money = uint16_t(money);
}

void REraduzizVisitor::ChooseFirstThought(int32_t sentences) {
  if (sentences <= 0) return;
  m_thoughtCategory = CharacterTexts::kEnvironmentCategory;
  if (sentences >= 3) {
    // By the mood band: content, middling, unhappy.
    static constexpr int32_t kSentence[3] = {2, 1, 0};
    static constexpr int32_t kArrival[3] = {3, 2, 7};
    const int32_t band = std::clamp<int32_t>(m_attributes->BandOf(m_attributes->GetMood()), 0, 2);
    m_thoughtSentence = kSentence[band];
    m_arrivalCode = kArrival[band];
  } else {
    const int32_t drawn = int32_t(double(plat::Rand()) / plat::kRandMax * 100 / 10);
    m_thoughtSentence = std::min(std::max(drawn, 1), sentences - 1);
  }
  m_thoughtSubject2 = ParkSubject(m_thoughtSentence);
}

void REraduzizVisitor::DrawPreferences(CPorvikAiClassHost* host) {
  const auto types = host ? host->GetToppingTypes() : std::vector<std::vector<CPorvikAiClassHost::Topping>>{};
  if (!CanDrawPreferences(types)) {
    std::copy(std::begin(kFallbackPreferences), std::end(kFallbackPreferences), m_activityRecords.begin());
    return;
  }
  for (int32_t t = 0; t < kToppingTypes; ++t) {
    const auto& toppings = types[std::size_t(t)];
    const int32_t last = int32_t(toppings.size()) - 1;
    int32_t liked = plat::Rand() % (last + 1), disliked = plat::Rand() % (last + 1);
    if (liked == disliked) {
      if (liked == last) {
        disliked = last - 1;
      } else {
        liked = liked == 0 ? 1 : liked - 1;
      }
    }
    ActivityRecord& record = m_activityRecords[std::size_t(t)];
    record = {toppings[std::size_t(liked)].id, toppings[std::size_t(liked)].name, toppings[std::size_t(disliked)].id,
              toppings[std::size_t(disliked)].name};
  }
}
