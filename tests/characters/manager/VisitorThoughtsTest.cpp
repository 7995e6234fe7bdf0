// What visitors think: the periodic thought, the park's green and clean
// bands, the attractions' queues and walk-throughs, meals and snacks, and
// the lists that keep the newest thoughts.
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "park/objects/CAttraction.h"
#include "tests/characters/manager/ManagerTestSupport.h"
#include "tests/characters/manager/VisitorParkFake.h"

namespace {

struct Thought {
  int32_t category;
  int32_t sentence;
  std::string first;
  std::string second;
  bool operator==(const Thought&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Thought& t) {
  return out << "(" << t.category << ", " << t.sentence << ", \"" << t.first << "\", \"" << t.second << "\")";
}

Thought Of(const REraduzizVisitor::ThoughtRecord& r) { return {r.category, r.sentence, r.first.Std(), r.second.Std()}; }

std::vector<Thought> Records(const REraduzizVisitor& v, int32_t list) {
  std::vector<Thought> out;
  for (const auto& r : v.GetThoughtList(list)) out.push_back(Of(r));
  return out;
}

// A visitor whose thoughts the test calls for itself.
class Thinker : public REraduzizVisitor {
 public:
  using REraduzizVisitor::MakeThought;
  using REraduzizVisitor::ThinkAboutCleanBand;
  using REraduzizVisitor::ThinkAboutGreenBand;
  using REraduzizVisitor::UpdateAttractionStates;

  explicit Thinker(uint16_t age = 30, int16_t mood = 50) {
    m_age = age;
    SetMood(mood);
  }
  // Mood and first mood both come out at the value.
  void SetMood(int16_t mood) { GetAttributes().SetAll(mood, mood, mood, 50); }
  void SetLiked(int32_t type, const char* name) { m_activityRecords[std::size_t(type)].firstText = name; }
  Thought Current() const {
    int32_t category = 0, sentence = 0;
    GetThought(&category, &sentence);
    return {category, sentence, GetThoughtSubject(1).Std(), GetThoughtSubject(2).Std()};
  }
  std::size_t ListedCount() const {
    std::size_t n = 0;
    for (int32_t list = 0; list < kThoughtListCount; ++list) n += GetThoughtList(list).size();
    return n;
  }
};

// A world whose placed objects are real ones.
class ObjectWorld : public chartest::FakeCharacterWorld {
 public:
  bool IsObjectPlaced(const CAttraction* o) const override { return o && !o->deletePending; }
  int32_t GetPathCount(const CAttraction* o, bool listB) const override {
    return o ? (listB ? o->GetPathCountB() : o->GetPathCountA()) : 0;
  }
};

// A thought file with the given sentence counts, by category key.
std::string WriteThoughtFile(const std::string& name, const std::map<std::string, int>& counts) {
  std::string xml = "<?xml version=\"1.0\"?><ThoughtComponents><Components>";
  for (const auto& [key, count] : counts) {
    xml += "<THOUGHT id=\"" + key + "\">";
    for (int i = 0; i < count; ++i) xml += "<SENTENCE><FirstHalf value=\"s\"/><SecondHalf value=\"\"/></SENTENCE>";
    xml += "</THOUGHT>";
  }
  xml += "</Components></ThoughtComponents>";
  const std::string path = ::testing::TempDir() + name;
  std::ofstream(path) << xml;
  return path;
}

constexpr int32_t kGreen = CharacterTexts::kGreenCycleCategory;
constexpr int32_t kClean = CharacterTexts::kGarbageCycleCategory;
constexpr int32_t kPark = CharacterTexts::kEnvironmentCategory;
constexpr int32_t kFood = CharacterTexts::kFoodCategory;
constexpr int32_t kGeneral = CharacterTexts::kAttractionCategory;
constexpr int32_t kNone = -1;
// The thought a visitor starts with in these tests, to see it left alone.
const Thought kUntouched{0, 0, "", ""};

class VisitorThoughtsTest : public managertest::ManagerTestWith<ObjectWorld> {
 protected:
  void SetUp() override {
    ManagerTestWith::SetUp();
    Manager();  // loads the park's thought file into the host's texts
  }
  // The manager's bands, from the figures their ratings are worked from.
  void SetGreenBand(int32_t band) {
    park_.figures.greeneryPercent = band == 100 ? 100 : band - 10;
    Manager().UpdateParkRatings(CPorvikAiClass::kGreenRating);
    ASSERT_EQ(Manager().GetGreenBand(), band);
  }
  void SetCleanBand(int32_t band) {
    park_.figures.pathCells = 100;
    park_.figures.litteredPathCells = band == 100 ? 100 : band - 10;
    Manager().UpdateParkRatings(CPorvikAiClass::kCleanRating);
    ASSERT_EQ(Manager().GetCleanBand(), band);
  }
  CAttraction& Attraction(const char* id, const char* shownName = "The Ride") {
    objects_.push_back(std::make_unique<CAttraction>());
    objects_.back()->id = id;
    objects_.back()->displayName = shownName;
    return *objects_.back();
  }

  managertest::FakeVisitorPark park_;
  std::vector<std::unique_ptr<CAttraction>> objects_;
};

TEST_F(VisitorThoughtsTest, ParkBandsGiveTheSentenceOfTheBandAndTheAgeOncePerChange) {
  const struct {
    int32_t band;
    uint16_t age;
    int32_t green;  // kNone: no thought
    int32_t clean;
  } cases[] = {
      {20, 15, 0, 0},         {20, 16, 5, 4},     {20, 19, 9, 7},         {40, 10, 1, 1},         {40, 18, 6, kNone},
      {40, 60, 10, 8},        {60, 15, 2, kNone}, {60, 17, 7, kNone},     {60, 19, 11, kNone},    {80, 12, 3, 2},
      {80, 16, kNone, 5},     {80, 40, 12, kNone}, {100, 15, 4, 3},       {100, 18, 8, 6},        {100, 70, 13, 9},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::Message() << "band " << c.band << " age " << c.age);
    SetGreenBand(c.band);
    SetCleanBand(c.band);
    Thinker v(c.age);
    v.ThinkAboutGreenBand();
    const Thought green{kGreen, c.green, "", ""};
    EXPECT_EQ(v.Current(), c.green == kNone ? kUntouched : green);
    EXPECT_EQ(Records(v, REraduzizVisitor::kGreenThoughts),
              c.green == kNone ? std::vector<Thought>{} : std::vector<Thought>{green});
    v.ThinkAboutCleanBand();
    const Thought clean{kClean, c.clean, "", ""};
    if (c.clean != kNone) {
      EXPECT_EQ(v.Current(), clean);
    }
    EXPECT_EQ(Records(v, REraduzizVisitor::kCleanThoughts),
              c.clean == kNone ? std::vector<Thought>{} : std::vector<Thought>{clean});
    // The same bands again: nothing new.
    const std::size_t listed = v.ListedCount();
    v.ThinkAboutGreenBand();
    v.ThinkAboutCleanBand();
    EXPECT_EQ(v.ListedCount(), listed);
  }
}

TEST_F(VisitorThoughtsTest, ParkWithoutABandYetGivesNoThought) {
  Thinker v;
  v.ThinkAboutGreenBand();
  v.ThinkAboutCleanBand();
  EXPECT_EQ(v.Current(), kUntouched);
  EXPECT_EQ(v.ListedCount(), 0u);
}

TEST_F(VisitorThoughtsTest, JoiningAQueueGivesTheAttractionsOwnThoughtByAge) {
  const struct {
    const char* id;
    uint16_t age;
    int32_t category;  // kNone: no thought
    int32_t sentence;
  } cases[] = {
      {"Attr_Quillibanter", 15, 4, 0}, {"Attr_Quillibanter", 16, 4, 0}, {"Attr_Quillibanter", 19, 4, 4},
      {"attr_mossbellow", 8, 5, 0},    {"attr_mossbellow", 17, 5, 2},   {"attr_mossbellow", 45, 5, 3},
      {"ATTR_Zelvaro", 15, 6, 0},      {"ATTR_Zelvaro", 18, 6, 2},      {"ATTR_Zelvaro", 19, 6, 3},
      {"Attr_Ostrivane", 15, kNone, 0}, {"Attr_Ostrivane", 16, kNone, 0}, {"Attr_Ostrivane", 19, 7, 2},
      {"Attr_tobbin", 12, kNone, 0},   {"Attr_tobbin", 17, kNone, 0},   {"Attr_tobbin", 30, 8, 0},
      {"ATTR_Mirtovanza", 9, 9, 0},    {"ATTR_Mirtovanza", 16, kNone, 0}, {"ATTR_Mirtovanza", 20, kNone, 0},
      {"attr_pemberlot", 6, 10, 0},    {"attr_pemberlot", 18, kNone, 0}, {"attr_pemberlot", 50, kNone, 0},
      {"Attr_yarrowin", 14, kNone, 0}, {"Attr_yarrowin", 17, 11, 1},    {"Attr_yarrowin", 25, kNone, 0},
      {"ATTR_Quorm", 15, kNone, 0},    {"ATTR_Quorm", 16, 13, 1},       {"ATTR_Quorm", 19, kNone, 0},
      // No queue thoughts of their own, and ids that differ only by case.
      {"ATTR_Graddelmor", 10, kNone, 0}, {"Attr_Plonkett", 30, kNone, 0}, {"Attr_silvenbriar", 17, kNone, 0},
      {"attr_quillibanter", 30, kNone, 0}, {"Attr_Mossbellow", 30, kNone, 0}, {"Attr_wheel", 30, kNone, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.id << " age " << c.age);
    Thinker v(c.age);
    v.SetTargetAttraction(&Attraction(c.id, "Big Wheel"));
    v.ThinkOnQueueEntry();
    if (c.category == kNone) {
      EXPECT_EQ(v.Current(), kUntouched);
      EXPECT_EQ(v.ListedCount(), 0u);
      continue;
    }
    EXPECT_EQ(v.Current(), (Thought{c.category, c.sentence, "", "Big Wheel"}));
    EXPECT_EQ(Records(v, REraduzizVisitor::kMoodThoughts),
              (std::vector<Thought>{{c.category, c.sentence, "Big Wheel", ""}}));
  }
}

// For a visitor that is not cheerful the walk-through table gives the
// attraction's own sentence, or (G) a general thought with a random sentence.
TEST_F(VisitorThoughtsTest, WalkThroughGivesTheAttractionsOwnThoughtByAgeForAVisitorNotCheerful) {
  constexpr int32_t G = -2;
  constexpr int32_t kZeroOrOne = -3;
  const struct {
    const char* id;
    int32_t category;
    int32_t sentences[3];  // up to 15, 16 to 18, above 18
  } rows[] = {
      {"Attr_Quillibanter", 4, {1, 3, 4}}, {"attr_mossbellow", 5, {1, G, G}},  {"ATTR_Zelvaro", 6, {1, G, G}},
      {"Attr_Ostrivane", 7, {0, 0, 1}},    {"Attr_tobbin", 8, {G, G, 0}},      {"ATTR_Mirtovanza", 9, {0, G, G}},
      {"attr_pemberlot", 10, {0, 1, G}},   {"Attr_yarrowin", 11, {0, G, G}},   {"ATTR_Graddelmor", 12, {0, G, G}},
      {"ATTR_Quorm", 13, {G, kZeroOrOne, G}}, {"Attr_Plonkett", 14, {1, 0, G}}, {"Attr_silvenbriar", 15, {G, 0, 1}},
      {"Attr_wheel", kNone, {G, G, G}},
  };
  const uint16_t ages[3] = {15, 16, 19};
  for (const auto& row : rows) {
    for (int band = 0; band < 3; ++band) {
      for (int16_t mood : {20, 50}) {
        SCOPED_TRACE(::testing::Message() << row.id << " age " << ages[band] << " mood " << mood);
        Thinker v(ages[band], mood);
        v.SetTargetAttraction(&Attraction(row.id, "Big Wheel"));
        v.ThinkAfterRide();
        const Thought t = v.Current();
        const int32_t cell = row.sentences[band];
        if (cell == G) {
          EXPECT_EQ(t.category, kGeneral);
          EXPECT_EQ(t.first, "Big Wheel");
          EXPECT_EQ(t.second, "Big Wheel");
        } else if (cell == kZeroOrOne) {
          EXPECT_EQ(t.category, row.category);
          EXPECT_TRUE(t.sentence == 0 || t.sentence == 1) << t.sentence;
        } else {
          EXPECT_EQ(t, (Thought{row.category, cell, "", "Big Wheel"}));
          EXPECT_EQ(Records(v, REraduzizVisitor::kMoodThoughts),
                    (std::vector<Thought>{{row.category, cell, "Big Wheel", ""}}));
        }
      }
    }
  }
}

TEST_F(VisitorThoughtsTest, ACheerfulVisitorOftenThinksTheGeneralThoughtInstead) {
  const Thought general{kGeneral, 1, "Big Wheel", "Big Wheel"};
  // A G cell: always the general thought.
  for (int i = 0; i < 50; ++i) {
    Thinker v(17, 80);
    v.SetTargetAttraction(&Attraction("attr_mossbellow", "Big Wheel"));
    v.ThinkAfterRide();
    ASSERT_EQ(v.Current(), general);
    ASSERT_EQ(Records(v, REraduzizVisitor::kMoodThoughts), (std::vector<Thought>{general}));
  }
  // A sentence cell: the general thought or the attraction's own, about
  // half and half.
  std::map<int32_t, int> categories;
  for (int i = 0; i < 400; ++i) {
    Thinker v(30, 80);
    v.SetTargetAttraction(&Attraction("Attr_Quillibanter", "Big Wheel"));
    v.ThinkAfterRide();
    const Thought t = v.Current();
    ASSERT_TRUE(t == general || t == (Thought{4, 4, "", "Big Wheel"})) << t;
    ++categories[t.category];
  }
  EXPECT_GT(categories[kGeneral], 150);
  EXPECT_GT(categories[4], 150);
}

TEST_F(VisitorThoughtsTest, TheRandomGeneralThoughtSkipsSentencesFourAndSixForFive) {
  ASSERT_EQ(host_.texts.GetThoughtCount(kGeneral), 8);
  Thinker v(30, 50);
  CAttraction& wheel = Attraction("Attr_wheel", "Big Wheel");
  v.SetTargetAttraction(&wheel);
  std::map<int32_t, int> seen;
  constexpr int kDraws = 4000;
  for (int i = 0; i < kDraws; ++i) {
    v.ThinkAfterRide();
    ++seen[v.Current().sentence];
    // The record repeats the name for the sentences that name it, and
    // keeps a blank there for the others.
    const Thought last = Of(v.GetThoughtList(REraduzizVisitor::kMoodThoughts).back());
    const bool named = last.sentence <= 2 || last.sentence == 7;
    ASSERT_EQ(last, (Thought{kGeneral, last.sentence, "Big Wheel", named ? "Big Wheel" : " "}));
  }
  EXPECT_EQ((std::set<int32_t>{0, 1, 2, 3, 5, 7}), [&] {
    std::set<int32_t> s;
    for (const auto& [sentence, n] : seen) s.insert(sentence);
    return s;
  }());
  const double others = (seen[0] + seen[1] + seen[2] + seen[3] + seen[7]) / 5.0;
  EXPECT_NEAR(seen[5] / others, 3.0, 0.4);
}

TEST_F(VisitorThoughtsTest, AWalkThroughOfALaterStateOrOfNoObjectGivesNoThought) {
  Thinker none;
  none.ThinkAfterRide();
  EXPECT_EQ(none.Current(), kUntouched);
  for (int32_t state : {2, 4, 6}) {
    Thinker v(30, 50);
    CAttraction& shop = Attraction("Attr_Quillibanter");
    shop.state = state;
    v.SetTargetAttraction(&shop);
    v.ThinkAfterRide();
    EXPECT_EQ(v.Current(), kUntouched) << state;
    EXPECT_EQ(v.ListedCount(), 0u);
  }
}

TEST_F(VisitorThoughtsTest, PeriodicThoughtOfTheMoodIsNotRepeatedWhileItIsTheLastOne) {
  const struct {
    int16_t third;
    Thought thought;
  } cases[] = {{30, {kPark, 2, "", ""}}, {39, {kPark, 2, "", ""}}, {40, {kPark, 1, "", "Halvenor"}},
               {69, {kPark, 1, "", "Halvenor"}}, {70, {kPark, 7, "", "Halvenor"}}, {100, {kPark, 7, "", "Halvenor"}}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.third);
    Thinker v;
    // Well fed: the other half of the periodic thoughts gives nothing.
    v.GetAttributes().SetAll(50, 40, c.third, 50);
    for (int i = 0; i < 40; ++i) v.MakeThought();
    EXPECT_EQ(v.Current(), c.thought);
    EXPECT_EQ(Records(v, REraduzizVisitor::kMoodThoughts), (std::vector<Thought>{c.thought}));
    EXPECT_TRUE(v.GetThoughtList(REraduzizVisitor::kVisitThoughts).empty());
  }
}

TEST_F(VisitorThoughtsTest, PeriodicThoughtOfAHungryVisitorNamesALikedIngredient) {
  Thinker v;
  v.GetAttributes().SetAll(50, 39, 50, 50);
  const std::set<std::string> liked = {"Sla", "Ketchup", "Aardappels"};
  v.SetLiked(0, "Sla");
  v.SetLiked(1, "Ketchup");
  v.SetLiked(2, "Aardappels");
  std::set<std::string> named;
  int plain = 0;
  for (int i = 0; i < 300; ++i) {
    const std::vector<Thought> before = Records(v, REraduzizVisitor::kVisitThoughts);
    v.MakeThought();
    const Thought t = v.Current();
    if (t.category != kFood) continue;
    if (t.sentence == 1) {
      ++plain;
      EXPECT_EQ(t, (Thought{kFood, 1, "", ""}));
    } else {
      ASSERT_EQ(t.sentence, 2);
      EXPECT_TRUE(liked.count(t.first)) << t.first;
      named.insert(t.first);
    }
    // A record appended names what the thought named.
    const std::vector<Thought> after = Records(v, REraduzizVisitor::kVisitThoughts);
    if (after != before) {
      EXPECT_EQ(after.back(), t);
    }
  }
  EXPECT_GT(plain, 20);
  EXPECT_EQ(named, liked);
  const auto records = Records(v, REraduzizVisitor::kVisitThoughts);
  for (std::size_t i = 1; i < records.size(); ++i) EXPECT_NE(records[i].sentence, records[i - 1].sentence);
}

TEST_F(VisitorThoughtsTest, EachListKeepsItsFiveNewestThoughts) {
  Thinker v(30, 50);
  std::vector<Thought> expected;
  for (int i = 0; i < 7; ++i) {
    const std::string name = "Ride " + std::to_string(i);
    v.SetTargetAttraction(&Attraction("Attr_Quillibanter", name.c_str()));
    v.ThinkOnQueueEntry();
    expected.push_back({4, 4, name, ""});
  }
  EXPECT_EQ(Records(v, REraduzizVisitor::kMoodThoughts), std::vector<Thought>(expected.begin() + 2, expected.end()));
  // Thoughts that repeat the last one are listed too where only the
  // periodic thought tests for repeats.
  for (int i = 0; i < 7; ++i) v.ThinkAfterMeal();
  EXPECT_EQ(Records(v, REraduzizVisitor::kVisitThoughts), std::vector<Thought>(5, Thought{kFood, 0, "", ""}));
}

TEST_F(VisitorThoughtsTest, AMealGivesTheGoodOrTheBadMealThoughtByTheFirstMood) {
  for (auto [firstMood, sentence] : {std::pair{19, 5}, std::pair{20, 0}, std::pair{90, 0}}) {
    SCOPED_TRACE(firstMood);
    Thinker v;
    v.GetAttributes().SetAll(int16_t(firstMood), int16_t(firstMood), 50, 50);
    // An earlier thought's subject does not carry over into the meal's.
    v.SetTargetAttraction(&Attraction("Attr_Quillibanter", "Big Wheel"));
    v.ThinkOnQueueEntry();
    v.ThinkAfterMeal();
    EXPECT_EQ(v.Current(), (Thought{kFood, sentence, "", ""}));
    EXPECT_EQ(Records(v, REraduzizVisitor::kVisitThoughts), (std::vector<Thought>{{kFood, sentence, "", ""}}));
  }
}

TEST_F(VisitorThoughtsTest, ASnackGivesAThoughtOnlyToAPleasedVisitor) {
  const struct {
    int16_t mood;
    Thought thought;  // category kNone: none
  } cases[] = {{39, {kNone, 0, "", ""}},
               {40, {kPark, 5, "", ""}},
               {59, {kPark, 5, "", ""}},
               {60, {kPark, 7, "", "Halvenor"}},
               {100, {kPark, 7, "", "Halvenor"}}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.mood);
    Thinker v(30, c.mood);
    v.ThinkAfterSnack();
    if (c.thought.category == kNone) {
      EXPECT_EQ(v.Current(), kUntouched);
      EXPECT_EQ(v.ListedCount(), 0u);
      continue;
    }
    EXPECT_EQ(v.Current(), c.thought);
    EXPECT_EQ(Records(v, REraduzizVisitor::kVisitThoughts), std::vector<Thought>{c.thought});
  }
}

// A thought file short of the sentences a thought picks: the thought is
// skipped and nothing is read past the file's lists.
TEST_F(VisitorThoughtsTest, AThoughtWithoutItsSentenceIsSkipped) {
  host_.texts.LoadThoughts(WriteThoughtFile("short_thoughts.xml", {{"Attraction", 5},
                                                                    {"Food", 1},
                                                                    {"Envrioment", 6},
                                                                    {"Attr_Quillibanter", 4},
                                                                    {"green_cycle", 13},
                                                                    {"garbage_cycle", 9}})
                               .c_str());
  ASSERT_EQ(host_.texts.GetThoughtCount(kGeneral), 5);
  // Sentence 13 of the green band and 9 of the clean one are missing; the
  // band still counts as thought about.
  SetGreenBand(100);
  SetCleanBand(100);
  Thinker adult(30, 65);
  adult.ThinkAboutGreenBand();
  adult.ThinkAboutCleanBand();
  // Own sentence 4 is missing; the snack's 7 too (6 sentences).
  adult.SetTargetAttraction(&Attraction("Attr_Quillibanter"));
  adult.ThinkOnQueueEntry();
  adult.ThinkAfterSnack();
  // The meal's 0 is there, a bad meal's 5 is not.
  adult.GetAttributes().SetAll(10, 10, 50, 50);
  adult.ThinkAfterMeal();
  EXPECT_EQ(adult.Current(), kUntouched);
  EXPECT_EQ(adult.ListedCount(), 0u);
  SetGreenBand(60);
  adult.ThinkAboutGreenBand();
  EXPECT_EQ(adult.Current(), (Thought{kGreen, 11, "", ""}));

  // With five general sentences the random one's 4 becomes 5, which is
  // missing: only 0 to 3 are ever thought.
  Thinker rider(30, 50);
  rider.SetTargetAttraction(&Attraction("Attr_wheel"));
  std::set<int32_t> sentences;
  for (int i = 0; i < 2000; ++i) {
    rider.ThinkAfterRide();
    sentences.insert(rider.Current().sentence);
  }
  EXPECT_EQ(sentences, (std::set<int32_t>{0, 1, 2, 3}));

  // No general sentences at all: no random general thought.
  host_.texts.LoadThoughts(WriteThoughtFile("no_attraction_thoughts.xml", {{"Food", 6}}).c_str());
  Thinker other(30, 50);
  other.SetTargetAttraction(&Attraction("Attr_wheel"));
  other.ThinkAfterRide();
  EXPECT_EQ(other.Current(), kUntouched);
  EXPECT_EQ(other.ListedCount(), 0u);
}

// The thoughts come at their moments of a visit: joining a queue, the end
// of a walk-through, a restaurant or snack-bar stay, and the periodic
// thoughts of a walking visitor.
TEST_F(VisitorThoughtsTest, AVisitThinksWhenItJoinsAQueueAndWhenAStayEnds) {
  Thinker v(19, 50);
  CAttraction& coaster = Attraction("Attr_Ostrivane", "Thunder");
  coaster.visitorCapacity = 2;
  v.SetKind(0);
  v.SetTargetAttraction(&coaster);
  v.SetActivityState(1, 14);
  v.SetPathFound(true);
  v.SetCounterWithTime(REraduzizVisitor::kPatienceTimer, 5000);
  v.UpdateByKind(0.05);
  ASSERT_EQ(v.GetActivityState(), 3);
  EXPECT_EQ(v.Current(), (Thought{7, 2, "", "Thunder"}));
  EXPECT_TRUE(v.IsBeforeFirstAdmission());
  v.UpdateByKind(0.05);
  ASSERT_EQ(v.GetActivityMode(), 2);
  EXPECT_FALSE(v.IsBeforeFirstAdmission());

  // The end of a walk-through path.
  v.SetActivityState(2, 40);
  v.UpdateAttractionStates(0.05);
  EXPECT_EQ(v.Current(), (Thought{7, 1, "", "Thunder"}));

  // A snack-bar stay, bought or not; a restaurant stay without a meal
  // bought gives no thought.
  v.SetMood(70);
  for (int32_t stay : {35, 36}) {
    CAttraction& outlet = Attraction("bufe_zarp");
    outlet.state = 6;
    v.SetTargetAttraction(&outlet);
    v.SetActivityState(2, stay);
    v.UpdateAttractionStates(0.05);
    EXPECT_EQ(v.GetActivityState(), 6);
  }
  EXPECT_EQ(v.Current(), (Thought{kPark, 7, "", "Halvenor"}));
  EXPECT_EQ(Records(v, REraduzizVisitor::kVisitThoughts), (std::vector<Thought>{{kPark, 7, "", "Halvenor"}}));
}

TEST_F(VisitorThoughtsTest, AWalkingVisitorThinksWhenItsThoughtTimersRunOut) {
  SetGreenBand(40);
  Thinker v(30, 50);
  v.SetKind(0);
  v.SetActivityState(1, 12);
  v.SetPathFound(true);
  v.SetTargetCell(50, 0, 0);
  v.SetCounterWithTime(REraduzizVisitor::kPatienceTimer, 5000);
  v.SetCounterWithTime(REraduzizVisitor::kDetourTimer, 5000);
  v.SetCounterWithTime(REraduzizVisitor::kThoughtTimer, 5000);
  v.SetCounterWithTime(REraduzizVisitor::kGreenThoughtTimer, 0);
  v.UpdateByKind(0.05);
  EXPECT_EQ(v.Current(), (Thought{kGreen, 10, "", ""}));
}

}  // namespace
