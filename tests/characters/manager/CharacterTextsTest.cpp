// The name lists and the thought file.
#include <gtest/gtest.h>

#include <string>

#include "characters/CharacterTexts.h"
#include "platform/os/DebugOutput.h"
#include "tests/platform/os/TempTree.h"

namespace {

std::string Sentence(const char* first, const char* second) {
  return std::string("<SENTENCE><FirstHalf value=\"") + first + "\"/><SecondHalf value=\"" + second + "\"/></SENTENCE>";
}

std::string ThoughtFile(const std::string& thoughts) {
  return "<?xml version=\"1.0\"?><ThoughtComponents><Components>" + thoughts + "</Components></ThoughtComponents>";
}

class CharacterTextsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    plat::SetDebugOutputSink([this](std::string_view text) { debug_ += text; });
  }
  void TearDown() override { plat::SetDebugOutputSink({}); }

  plat::test::TempTree tree_;
  std::string debug_;
  CharacterTexts texts_;
};

TEST_F(CharacterTextsTest, NameFilesGiveOneNamePerLineWhateverTheLineEnds) {
  tree_.Write("Scenes/name/ManName.txt", "Arthur\r\nBen\r\nCharlie\r\n");
  tree_.Write("Scenes/name/WomanName.txt", "Alice\nBella");
  tree_.Write("Scenes/name/AttrNames.txt", "Attr_tobbin\n\nATTR_Quorm\n");
  texts_.LoadNames(tree_.Root().c_str());
  EXPECT_EQ(texts_.GetManNames(), (std::vector<EngineString>{"Arthur", "Ben", "Charlie"}));
  EXPECT_EQ(texts_.GetWomanNames(), (std::vector<EngineString>{"Alice", "Bella"}));
  // An empty line inside the file is an entry of its own.
  EXPECT_EQ(texts_.GetAttractionNames(), (std::vector<EngineString>{"Attr_tobbin", "", "ATTR_Quorm"}));
  EXPECT_TRUE(debug_.empty());
}

TEST_F(CharacterTextsTest, MissingNameFileIsAnEmptyListAndReported) {
  tree_.Write("Scenes/name/ManName.txt", "Arthur\n");
  texts_.LoadNames(tree_.Root().c_str());
  EXPECT_EQ(texts_.GetManNames().size(), 1u);
  EXPECT_TRUE(texts_.GetWomanNames().empty());
  EXPECT_TRUE(texts_.GetAttractionNames().empty());
  EXPECT_NE(debug_.find("WomanName.txt"), std::string::npos);
  EXPECT_NE(debug_.find("AttrNames.txt"), std::string::npos);
}

TEST_F(CharacterTextsTest, ThoughtKeysMatchExactlyAndRepeatedKeysAddUp) {
  tree_.Write("thought.xml",
              ThoughtFile("<THOUGHT id=\"Envrioment\">" + Sentence("What a ", " park!") + Sentence("Too crowded.", "") +
                          "</THOUGHT>"
                          "<THOUGHT id=\"Environment\">" +
                          Sentence("never", "") +
                          "</THOUGHT>"
                          "<THOUGHT id=\"attr_tobbin\">" +
                          Sentence("never", "") +
                          "</THOUGHT>"
                          "<THOUGHT id=\"green_cycle\">" +
                          Sentence("Green.", "") +
                          "</THOUGHT>"
                          "<THOUGHT id=\"Envrioment\">" +
                          Sentence("Third", "") + "</THOUGHT>"));
  texts_.LoadThoughts(tree_.Host("thought.xml").c_str());
  const auto& environment = texts_.GetThoughts(CharacterTexts::kEnvironmentCategory);
  ASSERT_EQ(environment.size(), 3u);
  EXPECT_EQ(environment[0].first, "What a ");
  EXPECT_EQ(environment[0].second, " park!");
  EXPECT_EQ(environment[2].first, "Third");
  EXPECT_EQ(texts_.GetThoughtCount(CharacterTexts::kGreenCycleCategory), 1);
  // "attr_tobbin" differs from the key "Attr_tobbin" only by case.
  EXPECT_EQ(texts_.GetThoughtCount(CharacterTexts::FindCategory("Attr_tobbin")), 0);
  EXPECT_EQ(CharacterTexts::FindCategory("Environment"), -1);
  EXPECT_EQ(texts_.GetThoughtCount(-1), 0);
  EXPECT_EQ(texts_.GetThoughtCount(CharacterTexts::kCategoryCount), 0);
}

TEST_F(CharacterTextsTest, BrokenOrMissingThoughtFileLeavesNoThoughtsAndIsReported) {
  tree_.Write("broken.xml", "<ThoughtComponents><Components><THOUGHT id=\"Food\">");
  for (const char* file : {"broken.xml", "missing.xml"}) {
    SCOPED_TRACE(file);
    debug_.clear();
    texts_.LoadThoughts(tree_.Host(file).c_str());
    EXPECT_EQ(texts_.GetThoughtCount(CharacterTexts::kFoodCategory), 0);
    EXPECT_NE(debug_.find(file), std::string::npos);
  }
}

// The sentences that code picks by number must be in the park's file.
TEST(DemoParkTexts, ThoughtFileHoldsEveryKeyWithTheSentencesCodePicks) {
  CharacterTexts texts;
  texts.LoadThoughts((std::string(HALVENOR_PARK_DIR) + "\\Scenes\\thought\\Thought_NL.xml").c_str());
  for (int32_t category = 0; category < CharacterTexts::kCategoryCount; ++category) {
    EXPECT_GT(texts.GetThoughtCount(category), 0) << CharacterTexts::CategoryKeys()[std::size_t(category)];
  }
  const struct {
    int32_t category;
    int32_t least;
  } needed[] = {
      {CharacterTexts::kAttractionCategory, 8},  {CharacterTexts::kFoodCategory, 6},
      {CharacterTexts::kEnvironmentCategory, 8}, {CharacterTexts::kSystemCleanCategory, 5},
      {CharacterTexts::kSystemGreenCategory, 5}, {CharacterTexts::kGarbageCycleCategory, 10},
      {CharacterTexts::kGreenCycleCategory, 14}, {CharacterTexts::FindCategory("Attr_Quillibanter"), 5},
  };
  for (const auto& n : needed) EXPECT_GE(texts.GetThoughtCount(n.category), n.least) << n.category;
  for (int32_t category = 4; category <= 15; ++category) EXPECT_GE(texts.GetThoughtCount(category), 4);
}

TEST(DemoParkTexts, NameListsAreFull) {
  CharacterTexts texts;
  texts.LoadNames(HALVENOR_PARK_DIR);
  EXPECT_GE(texts.GetManNames().size(), 20u);
  EXPECT_GE(texts.GetWomanNames().size(), 20u);
  EXPECT_EQ(texts.GetAttractionNames().size(), 12u);
  for (const auto* list : {&texts.GetManNames(), &texts.GetWomanNames(), &texts.GetAttractionNames()}) {
    for (const EngineString& name : *list) EXPECT_GT(name.Length(), 0);
  }
}

}  // namespace
