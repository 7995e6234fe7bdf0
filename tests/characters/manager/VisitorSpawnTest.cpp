// A new visitor's start values by profile, and the guards for a park
// without names, wishes or a usable food catalogue.
#include <gtest/gtest.h>

#include <set>

#include "platform/math/Math.h"
#include "tests/characters/manager/ManagerTestSupport.h"
#include "tests/platform/os/TempTree.h"

namespace {

class VisitorSpawnTest : public ::testing::Test {
 protected:
  void SetUp() override {
    host_.texts.LoadNames(HALVENOR_PARK_DIR);
    host_.texts.LoadThoughts((std::string(HALVENOR_PARK_DIR) + "\\Scenes\\thought\\Thought_NL.xml").c_str());
  }

  chartest::FakeCharacterWorld world_;
  managertest::FakeHost host_;
};

struct Range {
  int lo, hi;  // inclusive
};

void ExpectIn(int value, Range range, const char* what) {
  EXPECT_GE(value, range.lo) << what;
  EXPECT_LE(value, range.hi) << what;
}

TEST_F(VisitorSpawnTest, ValuesStayInTheirProfilesRangesOverManySeeds) {
  struct Profile {
    Range first, fourth, rates, age, money;
  };
  const Profile children{{40, 59}, {40, 59}, {90, 119}, {9, 14}, {30, 99}};
  const Profile teenagers{{50, 69}, {50, 99}, {80, 119}, {11, 17}, {30, 99}};
  const Profile adults{{60, 79}, {40, 89}, {70, 109}, {19, 69}, {50, 199}};
  const Profile* profiles[6] = {&children, &children, &teenagers, &teenagers, &adults, &adults};
  for (uint16_t code = 0; code < 6; ++code) {
    SCOPED_TRACE(code);
    std::set<int> ages;
    for (unsigned seed = 1; seed <= 300; ++seed) {
      plat::SRand(seed);
      REraduzizVisitor v;
      v.SpawnInit(code);
      const Profile& p = *profiles[code];
      const CVisitorAttributes& a = v.GetAttributes();
      ExpectIn(a.GetValue1(), p.first, "first");
      ExpectIn(a.GetValue2(), {60, 79}, "second");
      ExpectIn(a.GetValue3(), {60, 89}, "third");
      ExpectIn(a.GetValue4(), p.fourth, "fourth");
      ExpectIn(a.GetRate1(), p.rates, "rate 1");
      ExpectIn(a.GetRate3(), p.rates, "rate 3");
      ExpectIn(a.GetLowThreshold(), {35, 44}, "low");
      ExpectIn(a.GetHighThreshold(), {55, 64}, "high");
      ExpectIn(v.GetAge(), p.age, "age");
      ExpectIn(v.GetMoney(), p.money, "money");
      EXPECT_EQ(v.GetInitialAttributes().GetValue4(), a.GetValue4());
      ExpectIn(v.GetLeaveHour(), {12, 15}, "leave hour");
      // Boys and men take the men's names, girls and women the women's.
      const bool female = code % 2 == 1;
      EXPECT_EQ(v.GetNameList(), female ? REraduzizVisitor::kWomanNameList : REraduzizVisitor::kManNameList);
      const auto& names = female ? host_.texts.GetWomanNames() : host_.texts.GetManNames();
      ExpectIn(v.GetNameIndex(), {0, int(names.size()) - 1}, "name");
      ExpectIn(v.GetWishedAttraction(), {0, int(host_.texts.GetAttractionNames().size()) - 1}, "wish");
      ages.insert(v.GetAge());
    }
    EXPECT_GE(ages.size(), 5u);
  }
}

TEST_F(VisitorSpawnTest, ANewVisitorHeadsForTheEntranceWithItsFirstThought) {
  host_.entrancePoint = {12, 0, -4};
  for (unsigned seed = 1; seed <= 50; ++seed) {
    plat::SRand(seed);
    REraduzizVisitor v;
    v.SpawnInit(4);
    EXPECT_FALSE(v.IsFinished());
    EXPECT_FALSE(v.IsNonVisitor());
    EXPECT_EQ(v.GetActivityMode(), 0);
    EXPECT_EQ(v.GetActivityState(), REraduzizVisitor::kStateFollowEntrancePath);
    EXPECT_EQ(v.GetDestination(), host_.entrancePoint);
    EXPECT_EQ(v.GetTargetAttraction(), chartest::Handle(host_.entranceObject));
    EXPECT_EQ(v.GetTimer(REraduzizVisitor::kPatienceTimer).counter, 3600);
    EXPECT_EQ(v.GetTimer(REraduzizVisitor::kQueueTimer).counter, 360);
    int32_t category = -1, sentence = -1;
    v.GetThought(&category, &sentence);
    EXPECT_EQ(category, 3);
    // Content, middling or unhappy, each with its arrival code.
    const int16_t band = v.GetAttributes().BandOf(v.GetAttributes().GetMood());
    const int32_t sentences[3] = {2, 1, 0};
    const int16_t codes[3] = {3, 2, 7};
    EXPECT_EQ(sentence, sentences[band]);
    EXPECT_EQ(v.GetArrivalCode(), codes[band]);
  }
}

TEST_F(VisitorSpawnTest, WithoutAnEntranceTheVisitorIsFinishedAtOnce) {
  host_.hasEntrance = false;
  REraduzizVisitor v;
  v.SpawnInit(2);
  EXPECT_TRUE(v.IsFinished());
}

TEST_F(VisitorSpawnTest, FewThoughtsGiveASentenceBelowTheirCountAndNoArrivalCode) {
  plat::test::TempTree tree;
  tree.Write("t.xml",
             "<ThoughtComponents><Components><THOUGHT id=\"Envrioment\">"
             "<SENTENCE><FirstHalf value=\"a\"/><SecondHalf value=\"\"/></SENTENCE>"
             "<SENTENCE><FirstHalf value=\"b\"/><SecondHalf value=\"\"/></SENTENCE>"
             "</THOUGHT></Components></ThoughtComponents>");
  host_.texts.LoadThoughts(tree.Host("t.xml").c_str());
  for (unsigned seed = 1; seed <= 30; ++seed) {
    plat::SRand(seed);
    REraduzizVisitor v;
    v.SpawnInit(5);
    int32_t category = -1, sentence = -1;
    v.GetThought(&category, &sentence);
    EXPECT_EQ(category, 3);
    EXPECT_EQ(sentence, 1);
    EXPECT_EQ(v.GetArrivalCode(), 0);
  }
}

TEST_F(VisitorSpawnTest, EmptyListsGiveNoNameAndNoWish) {
  plat::test::TempTree tree;  // an empty park folder
  host_.texts.LoadNames(tree.Root().c_str());
  REraduzizVisitor v;
  v.SpawnInit(1);
  EXPECT_EQ(v.GetNameIndex(), REraduzizVisitor::kNoName);
  EXPECT_EQ(v.GetWishedAttraction(), REraduzizVisitor::kNoWish);
}

TEST_F(VisitorSpawnTest, PreferencesNameTwoDifferentToppingsOfEachType) {
  host_.toppings = {{{10, "Mustard"}, {11, "Onion"}},
                    {{20, "Cheese"}, {21, "Ham"}, {22, "Egg"}},
                    {{30, "Salt"}, {31, "Pepper"}, {32, "Sugar"}, {33, "Honey"}}};
  for (unsigned seed = 1; seed <= 200; ++seed) {
    plat::SRand(seed);
    REraduzizVisitor v;
    v.SpawnInit(4);
    for (int32_t t = 0; t < 3; ++t) {
      const auto& record = v.GetPreference(t);
      EXPECT_NE(record.firstId, record.secondId);
      EXPECT_EQ(record.firstId / 10, t + 1);
      EXPECT_EQ(record.secondId / 10, t + 1);
    }
  }
}

TEST_F(VisitorSpawnTest, TooFewToppingsGiveTheFixedPreferences) {
  using Topping = CPorvikAiClassHost::Topping;
  const std::vector<std::vector<std::vector<Topping>>> catalogues = {
      {},
      {{{1, "a"}, {2, "b"}}, {{3, "c"}, {4, "d"}}},
      {{{1, "a"}, {2, "b"}}, {{3, "c"}}, {{5, "e"}, {6, "f"}}},
  };
  for (const auto& catalogue : catalogues) {
    host_.toppings = catalogue;
    REraduzizVisitor v;
    v.SpawnInit(3);
    EXPECT_EQ(v.GetPreference(0).firstText, "Sla");
    EXPECT_EQ(v.GetPreference(0).secondId, 3);
    EXPECT_EQ(v.GetPreference(1).firstText, "Ketchup");
    EXPECT_EQ(v.GetPreference(2).secondText, "Tomaten");
  }
}

}  // namespace
