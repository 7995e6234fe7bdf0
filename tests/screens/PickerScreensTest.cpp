// The three picker pop-ups over the demo GUI and thought sentences: which
// sentence a park rating selects, the sentence builder, the list of worn
// rides, and the close button.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "characters/CharacterTexts.h"
#include "gui/widgets/CGuiGrid.h"
#include "gui/widgets/CGuiTextBox.h"
#include "park/objects/CAttraction.h"
#include "screens/REraduzizPickFiveScreen.h"
#include "screens/REraduzizPickFourScreen.h"
#include "screens/REraduzizPickOneScreen.h"
#include "screens/ThoughtSentence.h"
#include "tests/screens/ScreenTestSupport.h"

namespace {

using screentest::LoadDemoGui;

class PickerHost : public screentest::FakeHost {
 public:
  using FakeHost::FakeHost;
  int32_t GetFirstParkRating() const override { return firstRating; }
  int32_t GetSecondParkRating() const override { return secondRating; }
  const CharacterTexts* GetCharacterTexts() const override { return &texts; }

  int32_t firstRating = 0;
  int32_t secondRating = 0;
  CharacterTexts texts;
};

class PickerScreensTest : public ::testing::Test {
 protected:
  void SetUp() override {
    LoadDemoGui(kit.Gui());
    host.texts.LoadThoughts(EngineString(HALVENOR_PARK_DIR) + "\\Scenes\\thought\\Thought_NL.xml");
  }
  std::string Lines(CGuiTextBox* box) {
    std::string text;
    for (const EngineString& line : box->GetLines()) text += line.Std();
    return text;
  }
  std::string Sentence(int32_t category, int32_t index) {
    const ThoughtSentence& s = host.texts.GetThoughts(category)[size_t(index)];
    return (s.first + s.second).Std();
  }

  guitest::GuiTestKit kit;
  PickerHost host{kit.Gui()};
};

}  // namespace

TEST_F(PickerScreensTest, AParkRatingSelectsItsSentence) {
  struct Case {
    int32_t rating, draw;
    SentenceChoice five, four;
  };
  const Case cases[] = {
      {0, 0, {20, 4}, {19, 0}},  {20, 1, {21, 3}, {19, 1}},  {40, 2, {20, 2}, {19, 2}},
      {60, 3, {21, 1}, {19, 3}}, {80, 0, {20, 0}, {19, 4}},  {100, 0, {19, 0}, {20, 0}},
      {50, 1, {19, 0}, {20, 0}}, {120, 0, {19, 0}, {20, 0}}, {-20, 0, {19, 0}, {20, 0}},
  };
  for (const Case& c : cases) {
    const SentenceChoice five = REraduzizPickFiveScreen::ChooseSentence(c.rating, c.draw);
    const SentenceChoice four = REraduzizPickFourScreen::ChooseSentence(c.rating);
    EXPECT_EQ(std::make_pair(five.category, five.index), std::make_pair(c.five.category, c.five.index)) << c.rating;
    EXPECT_EQ(std::make_pair(four.category, four.index), std::make_pair(c.four.category, c.four.index)) << c.rating;
  }
}

TEST_F(PickerScreensTest, TheSentenceBuilderPrefixesTheCategoriesOfItsRemarks) {
  for (int32_t category : {19, 20, 21}) ASSERT_GE(host.texts.GetThoughtCount(category), 5) << category;
  ASSERT_GE(host.texts.GetThoughtCount(0), 1);
  ASSERT_GE(host.texts.GetThoughtCount(1), 1);
  const ThoughtSentence& ride = host.texts.GetThoughts(0)[0];
  const ThoughtSentence& food = host.texts.GetThoughts(1)[0];
  EXPECT_EQ(BuildThoughtSentence(host.texts, 0, 0, "X", "P").Std(), ("P :: " + ride.first + "X" + ride.second).Std());
  EXPECT_EQ(BuildThoughtSentence(host.texts, 1, 0, "X", "P").Std(), (food.first + "X" + food.second).Std());
  const int32_t count = host.texts.GetThoughtCount(20);
  for (const auto& [category, index] : std::vector<std::pair<int32_t, int32_t>>{{-1, 0}, {25, 0}, {20, count}, {20, -1}}) {
    EXPECT_EQ(BuildThoughtSentence(host.texts, category, index, "X", "P").Length(), 0) << category << " " << index;
  }
}

TEST_F(PickerScreensTest, TheRemarkPopUpsShowTheRatingsSentence) {
  REraduzizPickFourScreen four(host, kit.Gui().FindElement(10407));
  REraduzizPickFiveScreen five(host, kit.Gui().FindElement(10404));
  ASSERT_NE(four.content, nullptr);
  ASSERT_NE(five.content, nullptr);
  host.firstRating = 80;
  four.Show();
  EXPECT_EQ(Lines(four.content), Sentence(19, 4));
  host.firstRating = 100;
  four.Show();
  EXPECT_EQ(Lines(four.content), Sentence(20, 0));
  host.secondRating = 40;
  five.Show();
  const std::string shown = Lines(five.content);
  EXPECT_TRUE(shown == Sentence(20, 2) || shown == Sentence(21, 2)) << shown;

  // Without sentences the pop-up opens with an empty text.
  host.texts = CharacterTexts();
  four.Show();
  EXPECT_EQ(Lines(four.content), "");
}

TEST_F(PickerScreensTest, TheRepairListShowsWornRidesOnlyWithTheirConditionHeldAtZero) {
  struct Ride {
    const char* name;
    int32_t state, condition;
  };
  const Ride rides[] = {{"Carousel", 0, 99}, {"Coaster", 0, 100}, {"Shop", 2, 10}, {"Flume", 0, -7}, {"Wheel", 0, 150}};
  std::vector<std::unique_ptr<CAttraction>> placed;
  for (const Ride& ride : rides) {
    placed.push_back(std::make_unique<CAttraction>());
    placed.back()->displayName = ride.name;
    placed.back()->state = ride.state;
    placed.back()->condition = ride.condition;
    host.attractions.push_back(placed.back().get());
  }
  host.attractions.push_back(nullptr);
  REraduzizPickOneScreen one(host, kit.Gui().FindElement(10410));
  ASSERT_NE(one.content, nullptr);
  one.Show();
  EXPECT_EQ(one.content->GetTotalRows(), 2);
  const std::vector<std::pair<std::string, std::string>> want = {{"Carousel", "99%"}, {"Flume", "0%"}};
  for (int32_t row = 0; row < 2; ++row) {
    EXPECT_EQ(one.content->FindCell(0, row)->text.Std(), want[size_t(row)].first);
    EXPECT_EQ(one.content->FindCell(1, row)->text.Std(), want[size_t(row)].second);
  }
  host.attractions.clear();
  one.Show();
  EXPECT_EQ(one.content->GetTotalRows(), 0);
}

TEST_F(PickerScreensTest, TheCloseButtonHidesItsPopUpAndClearsTheModalFlag) {
  struct Case {
    int32_t window, close;
  };
  REraduzizPickOneScreen one(host, kit.Gui().FindElement(10410));
  REraduzizPickFiveScreen five(host, kit.Gui().FindElement(10404));
  REraduzizPickFourScreen four(host, kit.Gui().FindElement(10407));
  PickerPopup* popups[] = {&one, &five, &four};
  const Case cases[] = {{10410, 10411}, {10404, 10405}, {10407, 10408}};
  for (size_t n = 0; n < std::size(cases); ++n) {
    host.flags.modal = 1;
    const size_t before = kit.Gui().GetCommandQueue().Size();
    GuiCommand other;
    other.sender = cases[(n + 1) % 3].close;
    other.code = kCmdClick;
    popups[n]->OnGuiCommand(other);
    EXPECT_NE(other.sender, -1) << "another pop-up's button";
    GuiCommand close;
    close.sender = cases[n].close;
    close.code = kCmdClick;
    popups[n]->OnGuiCommand(close);
    EXPECT_EQ(close.sender, -1);
    EXPECT_EQ(host.flags.modal, 0);
    const std::vector<GuiCommand> queue = kit.Gui().GetCommandQueue().Snapshot();
    ASSERT_EQ(queue.size(), before + 1);
    EXPECT_EQ(queue.back().target, cases[n].window);
    EXPECT_EQ(queue.back().code, kCmdClosePage);
    EXPECT_EQ(queue.back().control, cases[n].close);
  }
  REraduzizPickOneScreen without(host, nullptr);
  without.Show();
  EXPECT_EQ(without.closeButton, nullptr);
}
