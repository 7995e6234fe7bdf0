// What a visitor thinks: the periodic thought of its mood or appetite, its
// thoughts of the park's greenery and cleanliness, and the thoughts after a
// queue, a ride and a meal. A thought is a sentence of the thought file, by
// category and index, with subjects filled in; one the file lacks is not
// thought at all.
#include <algorithm>
#include <array>
#include <cmath>

#include "characters/CPorvikAiClass.h"
#include "characters/CPorvikAiClassHost.h"
#include "characters/CharacterTexts.h"
#include "characters/REraduzizVisitor.h"
#include "park/objects/CAttraction.h"
#include "platform/os/Random.h"

namespace {

constexpr int32_t kAgeBandCount = 3;
constexpr int32_t kLastChildAge = 15;
constexpr int32_t kLastTeenAge = 18;

// Table cells: a sentence index, or one of these. No thought is a negative
// index, which names no sentence.
constexpr int32_t kNoThought = -1;
// The general attraction thought for a cheerful visitor, else none.
constexpr int32_t kGeneral = -2;
// The attraction's own sentence 0 or 1, half and half.
constexpr int32_t kZeroOrOne = -3;

using AgeCells = std::array<int32_t, kAgeBandCount>;

struct BandThoughts {
  int32_t band;
  AgeCells green;
  AgeCells clean;
};
constexpr BandThoughts kBandThoughts[] = {
    {20, {0, 5, 9}, {0, 4, 7}},
    {40, {1, 6, 10}, {1, kNoThought, 8}},
    {60, {2, 7, 11}, {kNoThought, kNoThought, kNoThought}},
    {80, {3, kNoThought, 12}, {2, 5, kNoThought}},
    {100, {4, 8, 13}, {3, 6, 9}},
};

// The sentence of a park-condition band for the age band; kNoThought for a
// band without one.
int32_t BandSentence(int32_t band, AgeCells BandThoughts::*column, int32_t ageBand) {
  const auto* row = std::find_if(std::begin(kBandThoughts), std::end(kBandThoughts),
                                 [&](const BandThoughts& r) { return r.band == band; });
  return row == std::end(kBandThoughts) ? kNoThought : ((*row).*column)[std::size_t(ageBand)];
}

// An attraction's own thoughts, by its object id (case matters).
struct AttractionThoughts {
  const char* objectId;
  int32_t category;
  AgeCells sentence;
};
constexpr AttractionThoughts kQueueThoughts[] = {
    {"Attr_Quillibanter", 4, {0, 0, 4}},
    {"attr_mossbellow", 5, {0, 2, 3}},
    {"ATTR_Zelvaro", 6, {0, 2, 3}},
    {"Attr_Ostrivane", 7, {kNoThought, kNoThought, 2}},
    {"Attr_tobbin", 8, {kNoThought, kNoThought, 0}},
    {"ATTR_Mirtovanza", 9, {0, kNoThought, kNoThought}},
    {"attr_pemberlot", 10, {0, kNoThought, kNoThought}},
    {"Attr_yarrowin", 11, {kNoThought, 1, kNoThought}},
    {"ATTR_Quorm", 13, {kNoThought, 1, kNoThought}},
};
constexpr AttractionThoughts kRideThoughts[] = {
    {"Attr_Quillibanter", 4, {1, 3, 4}},
    {"attr_mossbellow", 5, {1, kGeneral, kGeneral}},
    {"ATTR_Zelvaro", 6, {1, kGeneral, kGeneral}},
    {"Attr_Ostrivane", 7, {0, 0, 1}},
    {"Attr_tobbin", 8, {kGeneral, kGeneral, 0}},
    {"ATTR_Mirtovanza", 9, {0, kGeneral, kGeneral}},
    {"attr_pemberlot", 10, {0, 1, kGeneral}},
    {"Attr_yarrowin", 11, {0, kGeneral, kGeneral}},
    {"ATTR_Graddelmor", 12, {0, kGeneral, kGeneral}},
    {"ATTR_Quorm", 13, {kGeneral, kZeroOrOne, kGeneral}},
    {"Attr_Plonkett", 14, {1, 0, kGeneral}},
    {"Attr_silvenbriar", 15, {kGeneral, 0, 1}},
};

template <std::size_t N>
const AttractionThoughts* FindAttractionThoughts(const AttractionThoughts (&table)[N], const EngineString& id) {
  const auto* row = std::find_if(std::begin(table), std::end(table),
                                 [&](const AttractionThoughts& r) { return id == r.objectId; });
  return row == std::end(table) ? nullptr : row;
}

// The general attraction thought and the one sentence of the random
// general thought that is never taken (4 and 6 give way to 5).
constexpr int32_t kGeneralSentence = 1;
constexpr int32_t kRandomGeneralAvoided[] = {4, 6};
constexpr int32_t kRandomGeneralInstead = 5;
// Sentences of the random general thought whose record repeats the name
// as its second string; the others keep a blank there.
constexpr int32_t kNamedRandomSentences[] = {0, 1, 2, 7};
constexpr const char* kBlankSubject = " ";

// The park's name is the subject of the park sentences that name it.
constexpr const char* kParkName = "Halvenor";
constexpr int32_t kParkNamingSentences[] = {1, 7};

// The periodic thought: the mood sentences by the third value, the
// appetite sentences while the second value is low.
constexpr int32_t kUnhappyBelow = 40, kContentFrom = 70;
constexpr int32_t kUnhappySentence = 2, kMiddlingSentence = 1, kContentSentence = 7;
constexpr int32_t kHungryBelow = 40;
constexpr double kPlainHungerChance = 0.5;
constexpr int32_t kPlainHungerSentence = 1, kIngredientSentence = 2;
constexpr int32_t kPreferenceCount = 3;

// The meal: the sentence of a good one, and of one eaten in a bad mood.
constexpr int32_t kGoodMealSentence = 0, kBadMealSentence = 5;
constexpr int32_t kBadMealBelow = 20;
// The snack: sentence 7 from a mood of 60 when there are 8 sentences,
// sentence 5 from a mood of 40 when there are 6.
constexpr int32_t kHappySnackMood = 60, kHappySnackSentence = 7;
constexpr int32_t kPleasedSnackMood = 40, kPleasedSnackSentence = 5;

constexpr int32_t kCheerfulBand = 2;
// A walk-through of an object in a later state (a building, a shop)
// gives no thought.
constexpr int32_t kLastRideState = 1;
constexpr double kEvenChance = 0.5;

template <std::size_t N>
bool Contains(const int32_t (&values)[N], int32_t value) {
  return std::find(std::begin(values), std::end(values), value) != std::end(values);
}

const CharacterTexts* Texts() {
  CPorvikAiClassHost* host = CPorvikAiClassHost::Get();
  return host ? &host->GetTexts() : nullptr;
}

int32_t SentenceCount(int32_t category) {
  const CharacterTexts* texts = Texts();
  return texts ? texts->GetThoughtCount(category) : 0;
}

// What a visitor calls the attraction: its shown name, else its object id.
EngineString SubjectName(const CAttraction& object) {
  return object.displayName.Length() > 0 ? object.displayName : object.id;
}

}  // namespace

EngineString REraduzizVisitor::ParkSubject(int32_t sentence) {
  return Contains(kParkNamingSentences, sentence) ? EngineString(kParkName) : EngineString();
}

int32_t REraduzizVisitor::AgeBand() const {
  if (m_age <= kLastChildAge) return 0;
  return m_age <= kLastTeenAge ? 1 : 2;
}

bool REraduzizVisitor::TakeThought(int32_t category, int32_t sentence, const EngineString& first,
                                   const EngineString& second) {
  if (sentence < 0 || sentence >= SentenceCount(category)) return false;
  m_thoughtCategory = category;
  m_thoughtSentence = sentence;
  m_thoughtSubject1 = first;
  m_thoughtSubject2 = second;
  return true;
}

void REraduzizVisitor::AppendThought(int32_t list, ThoughtRecord record, bool skipRepeat) {
  std::vector<ThoughtRecord>& records = m_thoughtLists[std::size_t(list)];
  if (skipRepeat && !records.empty() && records.back().category == record.category &&
      records.back().sentence == record.sentence) {
    return;
  }
  records.push_back(std::move(record));
  if (records.size() > kKeptThoughts) records.erase(records.begin());
}

void REraduzizVisitor::Think(int32_t list, int32_t category, int32_t sentence, const EngineString& first,
                             const EngineString& second, bool skipRepeat) {
  if (TakeThought(category, sentence, first, second)) AppendThought(list, {first, category, sentence, second}, skipRepeat);
}

void REraduzizVisitor::MakeThought() {
  constexpr bool kSkipRepeat = true;
  if (std::lround(RandomRange(0, 1)) == 0) {
    const int32_t third = m_attributes->GetValue3();
    const int32_t sentence =
        third < kUnhappyBelow ? kUnhappySentence : third < kContentFrom ? kMiddlingSentence : kContentSentence;
    Think(kMoodThoughts, CharacterTexts::kEnvironmentCategory, sentence, EngineString(), ParkSubject(sentence),
          kSkipRepeat);
    return;
  }
  if (m_attributes->GetValue2() >= kHungryBelow) return;
  if (double(plat::Rand()) / kRandomRangeDivisor < kPlainHungerChance) {
    Think(kVisitThoughts, CharacterTexts::kFoodCategory, kPlainHungerSentence, EngineString(), EngineString(),
          kSkipRepeat);
    return;
  }
  // The thought and its record name the same liked ingredient.
  const EngineString& liked = m_activityRecords[std::size_t(plat::Rand() % kPreferenceCount)].firstText;
  Think(kVisitThoughts, CharacterTexts::kFoodCategory, kIngredientSentence, liked, EngineString(), kSkipRepeat);
}

void REraduzizVisitor::ThinkAboutGreenBand() {
  const CPorvikAiClass* manager = CPorvikAiClass::GetCurrent();
  if (!manager || manager->GetGreenBand() == m_lastGreenBand) return;
  m_lastGreenBand = manager->GetGreenBand();
  Think(kGreenThoughts, CharacterTexts::kGreenCycleCategory, BandSentence(m_lastGreenBand, &BandThoughts::green, AgeBand()),
        EngineString(), EngineString(), false);
}

void REraduzizVisitor::ThinkAboutCleanBand() {
  const CPorvikAiClass* manager = CPorvikAiClass::GetCurrent();
  if (!manager || manager->GetCleanBand() == m_lastCleanBand) return;
  m_lastCleanBand = manager->GetCleanBand();
  Think(kCleanThoughts, CharacterTexts::kGarbageCycleCategory, BandSentence(m_lastCleanBand, &BandThoughts::clean, AgeBand()),
        EngineString(), EngineString(), false);
}

void REraduzizVisitor::ThinkOwnAttractionThought(int32_t category, int32_t sentence, const EngineString& name) {
  if (TakeThought(category, sentence, EngineString(), name))
    AppendThought(kMoodThoughts, {name, category, sentence, EngineString()}, false);
}

void REraduzizVisitor::ThinkGeneralAttractionThought(const EngineString& name) {
  const int32_t category = CharacterTexts::kAttractionCategory;
  if (TakeThought(category, kGeneralSentence, name, name))
    AppendThought(kMoodThoughts, {name, category, kGeneralSentence, name}, false);
}

void REraduzizVisitor::ThinkRandomAttractionThought(const EngineString& name) {
  const int32_t category = CharacterTexts::kAttractionCategory;
  const int32_t count = SentenceCount(category);
  int32_t sentence = int32_t(double(plat::Rand()) / plat::kRandMax * count);
  if (sentence >= count) sentence = count - 1;
  if (Contains(kRandomGeneralAvoided, sentence)) sentence = kRandomGeneralInstead;
  if (!TakeThought(category, sentence, name, name)) return;
  const EngineString second = Contains(kNamedRandomSentences, sentence) ? name : EngineString(kBlankSubject);
  AppendThought(kMoodThoughts, {name, category, sentence, second}, false);
}

void REraduzizVisitor::ThinkOnQueueEntry() {
  if (!m_targetAttraction) return;
  const AttractionThoughts* row = FindAttractionThoughts(kQueueThoughts, m_targetAttraction->id);
  if (!row) return;
  ThinkOwnAttractionThought(row->category, row->sentence[std::size_t(AgeBand())], SubjectName(*m_targetAttraction));
}

void REraduzizVisitor::ThinkAfterRide() {
  const CAttraction* object = m_targetAttraction;
  if (!object || object->state > kLastRideState) return;
  const EngineString name = SubjectName(*object);
  const bool cheerful = m_attributes->BandOf(m_attributes->GetMood()) == kCheerfulBand;
  if (const AttractionThoughts* row = FindAttractionThoughts(kRideThoughts, object->id)) {
    const int32_t cell = row->sentence[std::size_t(AgeBand())];
    if (cell != kGeneral) {
      if (cheerful && RandomRange(0, 1) < kEvenChance) return ThinkGeneralAttractionThought(name);
      const int32_t sentence = cell == kZeroOrOne ? (RandomRange(0, 1) < kEvenChance ? 0 : 1) : cell;
      return ThinkOwnAttractionThought(row->category, sentence, name);
    }
    if (cheerful) return ThinkGeneralAttractionThought(name);
  }
  ThinkRandomAttractionThought(name);
}

void REraduzizVisitor::ThinkAfterMeal() {
  const int32_t sentence = m_attributes->GetFirstMood() < kBadMealBelow ? kBadMealSentence : kGoodMealSentence;
  Think(kVisitThoughts, CharacterTexts::kFoodCategory, sentence, EngineString(), EngineString(), false);
}

// A sentence the thought file lacks gives no thought, so a short file keeps
// the snack's thoughts back.
void REraduzizVisitor::ThinkAfterSnack() {
  const int32_t mood = m_attributes->GetMood();
  if (mood < kPleasedSnackMood) return;
  const int32_t sentence = mood >= kHappySnackMood ? kHappySnackSentence : kPleasedSnackSentence;
  Think(kVisitThoughts, CharacterTexts::kEnvironmentCategory, sentence, EngineString(), ParkSubject(sentence), false);
}
