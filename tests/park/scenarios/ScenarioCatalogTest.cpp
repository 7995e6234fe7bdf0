#include "park/scenarios/CPorvikScenarios.h"

#include <gtest/gtest.h>

#include <climits>
#include <filesystem>
#include <string>

#include "engine/core/SceneStream.h"
#include "engine/core/XmlNode.h"
#include "platform/os/Path.h"
#include "tests/park/ledger/LedgerTestSupport.h"

namespace {

using ledgertest::FileOf;
using ledgertest::Written;

// A whole scenario, one whose numbers carry text and whose type lacks its
// building, and one without a DataField.
constexpr const char* kFixture = R"(<scenariodescriptor><DataDictionary>
  <Scenario id="S1" name="Harbour">
    <DataField>
      <desc value="Build it"/>
      <type value="Building" buildingName="restaurant_de_tarrowby"/>
      <time value="4"/>
      <reward_type value="2"/>
      <reward value="Won!" cost="5000"/>
      <noreward value="Lost!"/>
      <ScenarioMap value="scenarios\a.pys"/>
      <scenarioMapLow value="scenarios\a_low.pys"/>
      <StartingCost value="25000"/>
    </DataField>
  </Scenario>
  <SCENARIO id="S2" name="Guests">
    <datafield>
      <TYPE value="VIPVisitors"/>
      <time value=" -3 months"/>
      <reward value="Found" cost="lots"/>
      <StartingCost value=""/>
    </datafield>
  </SCENARIO>
  <Scenario id="S3"/>
</DataDictionary></scenariodescriptor>)";

CPorvikScenarios& Load(CPorvikScenarios& catalog, const char* text) {
  catalog.LoadFromNode(XmlNode::ParseString(text, "ScenarioDescriptor"));
  return catalog;
}

std::string Text(const EngineString& s) { return s.Std(); }

// Every field of the catalogue as one text, to compare two catalogues.
std::string Describe(const CPorvikScenarios& catalog) {
  std::string text = "current " + std::to_string(catalog.current) + "\n";
  for (const auto& r : catalog.records) {
    for (const EngineString* s : {&r->name, &r->id, &r->desc, &r->type, &r->reward, &r->noreward, &r->ScenarioMap,
                                  &r->scenarioMapLow, &r->buildingName}) {
      text += Text(*s) + "|";
    }
    for (int32_t n : {r->time, r->reward_type, r->cost, r->StartingCost, int32_t(r->finished), int32_t(r->succeeded)}) {
      text += std::to_string(n) + "|";
    }
    text += "\n";
  }
  return text;
}

std::string Saved(const CPorvikScenarios& catalog) {
  return Written([&](SceneStream& out) { catalog.WriteState(out); });
}

bool ReadInto(CPorvikScenarios& catalog, const std::string& bytes) {
  SceneStream in(FileOf(bytes));
  return catalog.ReadState(in);
}

}  // namespace

TEST(ScenarioCatalogTest, TheFileGivesOneRecordPerScenarioWithAtoiNumbersAndEmptyMissingTexts) {
  CPorvikScenarios catalog;
  Load(catalog, kFixture);
  ASSERT_EQ(catalog.Count(), 3);
  EXPECT_EQ(catalog.current, CPorvikScenarios::kNoScenario);

  const ScenarioRecord& whole = *catalog.records[0];
  EXPECT_EQ(Text(whole.id), "S1");
  EXPECT_EQ(Text(catalog.GetName(0)), "Harbour");
  EXPECT_EQ(Text(catalog.GetDescription(0)), "Build it");
  EXPECT_EQ(Text(catalog.GetGoalType(0)), "Building");
  EXPECT_EQ(Text(catalog.GetBuildingName(0)), "restaurant_de_tarrowby");
  EXPECT_EQ(catalog.GetTimeLimit(0), 4);
  EXPECT_EQ(whole.reward_type, 2);
  EXPECT_EQ(Text(catalog.GetRewardText(0)), "Won!");
  EXPECT_EQ(whole.cost, 5000);
  EXPECT_EQ(Text(catalog.GetNoRewardText(0)), "Lost!");
  EXPECT_EQ(Text(catalog.GetScenarioMap(0)), "scenarios\\a.pys");
  EXPECT_EQ(Text(catalog.GetScenarioMapLow(0)), "scenarios\\a_low.pys");
  EXPECT_EQ(catalog.GetStartingCost(0), 25000);
  EXPECT_FALSE(whole.finished);
  EXPECT_FALSE(whole.succeeded);

  // Names match without regard to case; numbers read as atoi does.
  const ScenarioRecord& partial = *catalog.records[1];
  EXPECT_EQ(Text(partial.type), "VIPVisitors");
  EXPECT_EQ(Text(partial.buildingName), "");
  EXPECT_EQ(partial.time, -3);
  EXPECT_EQ(partial.cost, 0);
  EXPECT_EQ(partial.StartingCost, 0);
  EXPECT_EQ(partial.reward_type, 0);
  EXPECT_EQ(Text(partial.desc), "");

  const ScenarioRecord& bare = *catalog.records[2];
  EXPECT_EQ(Text(bare.id), "S3");
  EXPECT_EQ(Text(bare.name), "");
  EXPECT_EQ(Text(bare.type), "");
  EXPECT_EQ(bare.time, 0);
}

TEST(ScenarioCatalogTest, AFileWithoutScenariosGivesAnEmptyCatalogueAndLoadingAppends) {
  CPorvikScenarios catalog;
  Load(catalog, "<ScenarioDescriptor><DataDictionary/></ScenarioDescriptor>");
  EXPECT_EQ(catalog.Count(), 0);
  EXPECT_EQ(catalog.current, -1);
  Load(catalog, "<ScenarioDescriptor/>");
  EXPECT_EQ(catalog.Count(), 0);
  Load(catalog, kFixture);
  Load(catalog, kFixture);
  EXPECT_EQ(catalog.Count(), 6);
  EXPECT_EQ(Text(catalog.GetName(3)), "Harbour");
}

TEST(ScenarioCatalogTest, TextsLongerThanASavedStringAreCutSoTheCatalogueSavesWhole) {
  const std::string longName(2 * SceneStream::kMaxStringBytes, 'x');
  const std::string file = "<ScenarioDescriptor><DataDictionary><Scenario name=\"" + longName +
                           "\"/></DataDictionary></ScenarioDescriptor>";
  CPorvikScenarios catalog;
  Load(catalog, file.c_str());
  EXPECT_EQ(catalog.GetName(0).Length(), SceneStream::kMaxStringBytes);
  CPorvikScenarios loaded;
  ASSERT_TRUE(ReadInto(loaded, Saved(catalog)));
  EXPECT_EQ(Describe(loaded), Describe(catalog));
}

TEST(ScenarioCatalogTest, SetCurrentTakesMinusOneOrAnIndexOfTheList) {
  struct Case {
    int32_t count;
    int32_t index;
    int32_t expected;
  };
  const Case cases[] = {
      {0, -1, -1}, {0, 0, 1},      {3, -1, -1}, {3, 0, 0},        {3, 2, 2},
      {3, 3, 1},   {3, -5, 1},     {3, -2, 1},  {3, INT_MIN, 1},  {3, INT_MAX, 1},
  };
  for (const Case& c : cases) {
    CPorvikScenarios catalog;
    for (int32_t i = 0; i < c.count; ++i) catalog.records.push_back(std::make_unique<ScenarioRecord>());
    catalog.current = 1;
    catalog.SetCurrent(c.index);
    EXPECT_EQ(catalog.current, c.expected) << "count " << c.count << " index " << c.index;
  }
}

TEST(ScenarioCatalogTest, ReadersAndWritersAnswerForValidIndicesOnly) {
  CPorvikScenarios catalog;
  Load(catalog, kFixture);
  for (int32_t index : {-1, 3, INT_MAX, INT_MIN}) {
    EXPECT_EQ(catalog.GetRecord(index), nullptr);
    EXPECT_EQ(Text(catalog.GetName(index)), "");
    EXPECT_EQ(Text(catalog.GetGoalType(index)), "");
    EXPECT_EQ(Text(catalog.GetScenarioMapLow(index)), "");
    EXPECT_EQ(catalog.GetTimeLimit(index), 0);
    EXPECT_EQ(catalog.GetStartingCost(index), 0);
    catalog.SetFinished(index, true);
    catalog.SetSucceeded(index, true);
  }
  for (const auto& record : catalog.records) EXPECT_FALSE(record->finished || record->succeeded);
  catalog.SetFinished(2, true);
  catalog.SetSucceeded(2, true);
  EXPECT_TRUE(catalog.GetRecord(2)->finished && catalog.GetRecord(2)->succeeded);
}

TEST(ScenarioCatalogTest, TheSavedStateReadsBackTheSameCatalogueAndResults) {
  CPorvikScenarios catalog;
  Load(catalog, kFixture);
  catalog.SetCurrent(1);
  catalog.SetFinished(0, true);
  catalog.SetSucceeded(0, true);
  catalog.SetFinished(1, true);

  CPorvikScenarios loaded;
  Load(loaded, "<ScenarioDescriptor><DataDictionary><Scenario name=\"old\"/></DataDictionary></ScenarioDescriptor>");
  ASSERT_TRUE(ReadInto(loaded, Saved(catalog)));
  EXPECT_EQ(Describe(loaded), Describe(catalog));
  EXPECT_EQ(loaded.current, 1);
  EXPECT_TRUE(loaded.records[0]->succeeded);
  EXPECT_FALSE(loaded.records[1]->succeeded);
}

TEST(ScenarioCatalogTest, ASavedStateWithoutScenariosKeepsOnlyACurrentIndexOfMinusOne) {
  CPorvikScenarios loaded;
  Load(loaded, kFixture);
  CPorvikScenarios empty;
  ASSERT_TRUE(ReadInto(loaded, Saved(empty)));
  EXPECT_EQ(loaded.Count(), 0);
  EXPECT_EQ(loaded.current, -1);

  // A stored index past the stored list would reach records that are not
  // there: it reads as no scenario.
  for (int32_t stored : {7, -5, 2}) {
    ASSERT_TRUE(ReadInto(loaded, Written([&](SceneStream& out) {
      out.WriteInt32(stored);
      out.WriteInt32(0);
    })));
    EXPECT_EQ(loaded.current, -1) << stored;
  }
}

TEST(ScenarioCatalogTest, ACorruptSavedStateIsRefusedAndLeavesTheCatalogueAsItWas) {
  CPorvikScenarios catalog;
  Load(catalog, kFixture);
  const std::string whole = Saved(catalog);
  const std::string overLimit = Written([](SceneStream& out) {
    out.WriteInt32(0);
    out.WriteInt32(CPorvikScenarios::kMaxScenarios + 1);
  });
  const std::string negative = Written([](SceneStream& out) {
    out.WriteInt32(0);
    out.WriteInt32(-1);
  });
  const std::string longText = Written([](SceneStream& out) {
    out.WriteInt32(0);
    out.WriteInt32(1);
    out.WriteInt32(SceneStream::kMaxStringBytes + 1);
  });
  for (const std::string& bytes : {whole.substr(0, whole.size() - 1), whole.substr(0, 6), overLimit, negative,
                                   longText, std::string()}) {
    CPorvikScenarios loaded;
    Load(loaded, kFixture);
    loaded.SetCurrent(2);
    const std::string before = Describe(loaded);
    EXPECT_FALSE(ReadInto(loaded, bytes)) << bytes.size();
    EXPECT_EQ(Describe(loaded), before);
  }
}

TEST(ScenarioCatalogTest, ClearEmptiesTheListAndForgetsTheCurrentScenario) {
  CPorvikScenarios catalog;
  Load(catalog, kFixture);
  catalog.SetCurrent(2);
  catalog.Clear();
  EXPECT_EQ(catalog.Count(), 0);
  EXPECT_EQ(catalog.current, -1);
}

TEST(ScenarioCatalogTest, TheDemoParkHasTheFourGoalsInTheOrderTheGoalCheckReadsThem) {
  const std::filesystem::path previous = std::filesystem::current_path();
  std::filesystem::current_path(HALVENOR_PARK_DIR);
  plat::ClearPathCache();
  CPorvikScenarios catalog;
  catalog.LoadDescriptorFile((plat::CurrentDirectory() + "\\Scenes\\scenarios\\scenarios_NL.xml").c_str());
  std::filesystem::current_path(previous);
  plat::ClearPathCache();

  ASSERT_GE(catalog.Count(), 4);
  EXPECT_EQ(Text(catalog.GetGoalType(0)), "Building");
  EXPECT_EQ(Text(catalog.GetBuildingName(0)), "poffertjeskraam_etterem");
  EXPECT_EQ(Text(catalog.GetGoalType(1)), "VIPVisitors");
  EXPECT_EQ(Text(catalog.GetGoalType(2)), "Visitors");
  for (int32_t i = 0; i < catalog.Count(); ++i) {
    EXPECT_NE(Text(catalog.GetName(i)), "") << i;
    EXPECT_NE(Text(catalog.GetScenarioMap(i)).find(".pys"), std::string::npos) << i;
    EXPECT_NE(Text(catalog.GetScenarioMapLow(i)).find(".pys"), std::string::npos) << i;
    EXPECT_GT(catalog.GetStartingCost(i), 0) << i;
  }
  for (int32_t i = 0; i < 3; ++i) {
    EXPECT_GT(catalog.GetTimeLimit(i), 0) << i;
    EXPECT_NE(Text(catalog.GetRewardText(i)), "") << i;
    EXPECT_NE(Text(catalog.GetNoRewardText(i)), "") << i;
  }
}
