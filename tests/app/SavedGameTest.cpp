// Saved games of a populated park: the round trip, bad files that must leave
// the running park as it was, names, the list of saved games, scenario games
// and the tutorial's progress.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "app/CIniFile.h"
#include "park/scenarios/CPorvikScenarios.h"
#include "park/scenarios/ScenarioRecord.h"
#include "screens/REraduzizTutorialScreen.h"
#include "tests/app/SavedGameTestSupport.h"

namespace {

using savedgametest::ReadBytes;
using savedgametest::SavedGameTest;

void WriteFile(const std::string& path, const std::string& bytes) {
  std::filesystem::create_directories(std::filesystem::path(path).parent_path());
  std::ofstream(path, std::ios::binary) << bytes;
}

// Two saves' bytes, compared without printing megabytes.
void ExpectSameBytes(const std::string& actual, const std::string& expected) {
  EXPECT_EQ(actual.size(), expected.size());
  const auto differ = std::mismatch(actual.begin(), actual.end(), expected.begin(), expected.end());
  EXPECT_TRUE(differ.first == actual.end() && differ.second == expected.end())
      << "first difference at byte " << (differ.first - actual.begin());
}

int32_t Int32At(const std::string& bytes, size_t offset) {
  int32_t value = 0;
  std::memcpy(&value, bytes.data() + offset, sizeof value);
  return value;
}

TEST_F(SavedGameTest, SavingALoadedGameGivesTheSameBytesAndThePark) {
  Populate();
  ASSERT_TRUE(Game().WriteSavedGame(GamePath("a.pys"), false));
  const int32_t lastNumber = Game().placedObjects.GetLastObjectNumber();
  // The load starts from another park, so that nothing is left over.
  Game().cash = 1;
  Game().placedObjects.Objects().front()->deletePending = 1;
  ASSERT_TRUE(Game().LoadSavedGame(GamePath("a.pys"), false));
  ASSERT_TRUE(Game().WriteSavedGame(GamePath("b.pys"), false));
  ExpectSameBytes(SavedBytes("a"), SavedBytes("b"));
  EXPECT_TRUE(plat::RecordedMessageBoxes().empty());

  EXPECT_EQ(Game().placedObjects.Objects().size(), 5u);
  EXPECT_EQ(Game().placedObjects.ObjectsByState().size(), 3u);  // neither the entrance nor the plant serve
  EXPECT_EQ(Game().placedObjects.GetLastObjectNumber(), lastNumber);
  EXPECT_EQ(Game().cash, 23456);
  EXPECT_EQ(Game().gameDate.month, 4);
  EXPECT_EQ(Manager().GetLiveIds().size(), 6u);
  EXPECT_EQ(Manager().GetPlacementCount(), 4) << "no record for the plant";
  EXPECT_EQ(Manager().GetSpawnRecord().name.Std(), "Attr_MainEntrance");
  EXPECT_EQ(Manager().GetCapacity(), 120) << "the run-state file restores what the scene file's block zeroes";
  ASSERT_EQ(Manager().GetRepairList().size(), 1u);
  EXPECT_EQ(Manager().GetRepairList()[0]->id.Std(), "Shop_quessle01");
  const REraduzizVisitor* visitor = Manager().FindCharacterById(Manager().GetLiveIds()[1]);
  ASSERT_NE(visitor, nullptr);
  ASSERT_NE(visitor->GetTargetAttraction(), nullptr);
  EXPECT_EQ(visitor->GetTargetAttraction()->id.Std(), "Attr_Skarloop");
  EXPECT_EQ(Game().FindObjectByName("Attr_Skarloop")->visitorCounter, 41);
  EXPECT_EQ(Game().historyRecords.size(), 1u);
}

// What the files do not hold is taken for the park just read: the plants
// wore for the hour they were saved in, the clock goes on from the load
// (not from the last tick counted before it), and a visitor's mood band,
// which the manager recounts only at its next pass, comes back as saved.
TEST_F(SavedGameTest, AReadParkKeepsItsWearHourItsClockAndTheVisitorsMoodBands) {
  Populate();
  CAttraction* plant = Game().placedObjects.Objects().back();
  ASSERT_EQ(plant->state, kObjectKindPlant);
  plant->conditionClock = Game().gameHour;
  REraduzizVisitor& visitor = *Manager().FindCharacterById(Manager().GetLiveIds()[2]);
  CVisitorAttributes& mood = visitor.GetAttributes();
  mood.SetBand(mood.BandOf(mood.GetMood()));
  const int16_t band = mood.GetBand();
  ASSERT_NE(band, CVisitorAttributes::kNoBand);
  ASSERT_TRUE(Game().WriteSavedGame(GamePath("a.pys"), false));

  Game().lastClockTick = plat::TickCount();
  clock_.AdvanceMs(5000);  // the menus' time before the load
  ASSERT_TRUE(Game().LoadSavedGame(GamePath("a.pys"), false));
  for (const CAttraction* object : Game().placedObjects.Objects()) {
    EXPECT_EQ(object->conditionClock, Game().gameHour) << object->id.Std();
  }
  EXPECT_EQ(Game().lastClockTick, plat::TickCount());
  const REraduzizVisitor* read = Manager().FindCharacterById(Manager().GetLiveIds()[2]);
  ASSERT_NE(read, nullptr);
  EXPECT_EQ(read->GetAttributes().GetBand(), band);
}

TEST_F(SavedGameTest, ALoadedObjectStandsWhereItWasWithItsTypesPointsTurnedWithIt) {
  CAttraction* placed = Place(1, {12, 0, 8}, 90);
  placed->eventRunning = 1;
  ASSERT_TRUE(Game().WriteSavedGame(GamePath("a.pys"), false));
  ASSERT_TRUE(Game().LoadSavedGame(GamePath("a.pys"), false));
  const CAttraction* loaded = Game().FindObjectByName("Attr_Skarloop");
  ASSERT_NE(loaded, nullptr);
  EXPECT_FLOAT_EQ(loaded->position.x, 12);
  EXPECT_EQ(loaded->eventRunning, 0);
  EXPECT_EQ(loaded->hasEvents, 1);
  // The type's gate 2 along x, turned a quarter about the vertical.
  EXPECT_NEAR(loaded->gatePosition.x, 12, 1e-4);
  EXPECT_NEAR(std::abs(loaded->gatePosition.z - 8), 2, 1e-4);
}

TEST_F(SavedGameTest, AnObjectOfAnUnknownTypeIsDroppedAndShiftsNoOtherObjectsRunState) {
  Place(3, {4, 0, 4});
  CAttraction* ride = Place(1, {12, 0, 8});
  ride->visitorCounter = 77;
  ASSERT_TRUE(Game().WriteSavedGame(GamePath("a.pys"), false));
  Game().objectTypes.At(3)->name = "gone";  // the dust bin's type went away
  ASSERT_TRUE(Game().LoadSavedGame(GamePath("a.pys"), false));
  ASSERT_EQ(Game().placedObjects.Objects().size(), 1u);
  EXPECT_EQ(Game().placedObjects.Objects()[0]->visitorCounter, 77);
  EXPECT_EQ(Manager().GetPlacementCount(), 1) << "the dust bin's record goes with it";
}

// Every file of the save, cut or damaged in turn: the load says so, and the
// park that ran is the park that runs.
TEST_F(SavedGameTest, ACutOrCorruptFileLeavesTheRunningParkAsItWas) {
  Populate();
  ASSERT_TRUE(Game().WriteSavedGame(GamePath("good.pys"), false));
  const std::string before = SavedBytes("good");
  struct Case {
    const char* name;
    const char* extension;
    size_t offset;     // where the file is cut or changed
    int32_t value;     // the word written there; kCut cuts the file
  };
  constexpr int32_t kCut = INT32_MIN;
  const Case cases[] = {
      {"empty scene file", ".pys", 0, kCut},
      {"scene cut inside the first object", ".pys", 30, kCut},
      {"scene cut inside the cells", ".pys", 5000, kCut},
      {"object count far too large", ".pys", 0, 2000000000},
      {"negative object count", ".pys", 0, -1},
      {"object name longer than a reader holds", ".pys", 4 + 44 + 4, 5000},
      {"park file cut", ".pfs", 20, kCut},
      {"negative food count", ".pfs", 0, -7},
      {"run-state file cut", ".pai", 16, kCut},
      {"run-state count too large", ".pai", 12, 1 << 30},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    for (const char* extension : {".pys", ".pfs", ".pai"}) {
      WriteFile(Path(std::string("bad") + extension), ReadBytes(Path(std::string("good") + extension)));
    }
    const std::string target = Path(std::string("bad") + c.extension);
    std::string bytes = ReadBytes(target);
    ASSERT_LT(c.offset, bytes.size());
    if (c.value == kCut) {
      bytes.resize(c.offset);
    } else {
      std::memcpy(bytes.data() + c.offset, &c.value, sizeof c.value);
    }
    WriteFile(target, bytes);
    plat::ClearMessageBoxes();
    EXPECT_FALSE(Game().LoadSavedGame(GamePath("bad.pys"), false));
    ASSERT_EQ(plat::RecordedMessageBoxes().size(), 1u);
    EXPECT_NE(plat::RecordedMessageBoxes()[0].text.find("\"bad\""), std::string::npos);
    ASSERT_TRUE(Game().WriteSavedGame(GamePath("after.pys"), false));
    ExpectSameBytes(SavedBytes("after"), before);
  }
}

TEST_F(SavedGameTest, AMissingCompanionFileLoadsNothing) {
  Populate();
  ASSERT_TRUE(Game().WriteSavedGame(GamePath("a.pys"), false));
  std::filesystem::remove(Path("a.pai"));
  Game().cash = 5;
  EXPECT_FALSE(Game().LoadSavedGame(GamePath("a.pys"), false));
  EXPECT_EQ(Game().cash, 5);
  EXPECT_EQ(Game().placedObjects.Objects().size(), 5u);
  EXPECT_EQ(plat::RecordedMessageBoxes().size(), 1u);
}

TEST_F(SavedGameTest, ATinyParksSceneFileHasTheRecordLayout) {
  CAttraction* bin = Place(3, {4, 0.5f, 4});
  bin->savedByte = 2;  // anything but 1 is stored as 0
  ASSERT_TRUE(Game().WriteSceneFile(GamePath("tiny.pys")));
  const std::string bytes = ReadBytes(Path("tiny.pys"));
  const size_t record = 96 + 0 + 4;  // 18 values, the type's empty film name and "kuka"
  ASSERT_GT(bytes.size(), 4 + record);
  EXPECT_EQ(Int32At(bytes, 0), 1);
  EXPECT_EQ(Int32At(bytes, 4), bin->objectNumber);
  float y = 0;
  std::memcpy(&y, bytes.data() + 12, sizeof y);
  EXPECT_FLOAT_EQ(y, 0.5f);
  EXPECT_EQ(Int32At(bytes, 4 + 44), 0) << "the type has no film";
  EXPECT_EQ(Int32At(bytes, 4 + 48), 4);
  EXPECT_EQ(bytes.substr(4 + 52, 4), "kuka");
  EXPECT_EQ(Int32At(bytes, 4 + record - 4), 0) << "the saved byte 2 is written as 0";
  // After the record: 16384 cells, then the manager's block with the bin.
  size_t at = 4 + record;
  for (int32_t n = 0; n < CHeightMapHandlerClass::kCellCount; ++n) at += 152 + 4 * size_t(Int32At(bytes, at + 148));
  EXPECT_EQ(Int32At(bytes, at), 0) << "no spawn point";
  EXPECT_EQ(Int32At(bytes, at + 4), CPorvikAiClass::kNoSpawnPoint);
  EXPECT_EQ(Int32At(bytes, at + 20), 0) << "an empty spawn name";
  EXPECT_EQ(Int32At(bytes, at + 24), 1) << "one record";
  const size_t end = at + 28 + 36;  // one record: flag, id, position, "kuka", type, on-path
  EXPECT_EQ(Int32At(bytes, end), 0) << "capacity";
  EXPECT_EQ(Int32At(bytes, end + 4), 0) << "reserved";
  EXPECT_EQ(Int32At(bytes, end + 8), 0) << "no footpath nodes";
  EXPECT_EQ(bytes.size(), end + 12);
}

TEST_F(SavedGameTest, AGameIsNamedAfterTheTimeAndTwoSavesInOneSecondGetTwoNames) {
  EXPECT_EQ(VAvazadOvurUrovi::SavedGameName("Park", {2027, 3, 5, 5, 9, 7, 3, 0}).Std(), "Park 05-03-2027 09_07_03.pys");
  EXPECT_EQ(VAvazadOvurUrovi::FileTitle("C:\\x\\Scenes\\Saved\\Park 05-03-2027 09_07_03.pys").Std(),
            "Park 05-03-2027 09_07_03");
  clock_.SetSystemTime({2027, 3, 5, 5, 9, 7, 3, 0});
  Place(1, {12, 0, 8});
  ASSERT_TRUE(Game().SaveScene());
  ASSERT_TRUE(Game().SaveScene());
  ASSERT_EQ(Game().savedGames.size(), 2u);
  EXPECT_NE(Game().savedGames[0], Game().savedGames[1]);
  for (const EngineString& path : Game().savedGames) {
    EXPECT_TRUE(plat::FileExists(path.Std())) << path.Std();
    EXPECT_NE(path.Std().find("05-03-2027 09_07_03"), std::string::npos) << path.Std();
  }
}

TEST_F(SavedGameTest, TheListTakesEverySaveBelowTheFolderOnceAndOnlyScenePaths) {
  for (const char* name : {"Scenes/Saved/a.pys", "Scenes/Saved/sub/b.pys", "Scenes/Saved/c.pys.bak",
                           "Scenes/Saved/a.pfs", "Scenes/Saved/d.pys.tmp"}) {
    WriteFile(Path(name), "");
  }
  const EngineString folder = Game().baseDirectory + VAvazadOvurUrovi::kSavedGamesFolder;
  Game().ListSceneFiles(folder);
  Game().ListSceneFiles(folder);
  ASSERT_EQ(Game().savedGames.size(), 2u);
  EXPECT_EQ(Game().savedGames[0].Std(), (folder + "\\a.pys").Std());
  EXPECT_EQ(Game().savedGames[1].Std(), (folder + "\\sub\\b.pys").Std());
  Game().ListSceneFiles(folder + "\\missing");
  EXPECT_EQ(Game().savedGames.size(), 2u);
}

TEST_F(SavedGameTest, OnlyAGameWhosePathNamesScenariosRunsAScenario) {
  Game().scenarios = new CPorvikScenarios;  // the main object deletes it
  auto record = std::make_unique<ScenarioRecord>();
  Game().scenarios->records.push_back(std::move(record));
  Game().scenarios->current = 0;
  Place(1, {12, 0, 8});
  ASSERT_TRUE(Game().WriteSavedGame(GamePath("Scenarios Park.pys"), true));
  ASSERT_TRUE(Game().WriteSavedGame(GamePath("Park.pys"), false));
  EXPECT_TRUE(std::filesystem::exists(Path("Scenarios Park.pas")));
  EXPECT_FALSE(std::filesystem::exists(Path("Park.pas")));
  Game().savedGames = {GamePath("Scenarios Park.pys"), GamePath("Park.pys")};
  Game().saveListFirstRow = 0;
  Game().scenarios->current = -1;
  Game().saveListSelectedRow = 0;
  ASSERT_TRUE(Game().LoadScene());
  EXPECT_EQ(Game().scenarioRunning, 1);
  EXPECT_EQ(Game().scenarios->current, 0);
  Game().saveListSelectedRow = 1;
  ASSERT_TRUE(Game().LoadScene());
  EXPECT_EQ(Game().scenarioRunning, 0);
  EXPECT_EQ(Game().savedGameLoaded, 1);
  Game().saveListSelectedRow = 2;
  EXPECT_FALSE(Game().LoadScene()) << "a row past the list loads nothing";
}

TEST_F(SavedGameTest, TutorialProgressGoesToThePlayersFolderAndIsReadFromThereFirst) {
  REraduzizTutorialScreen screen(*Game().screenHost, nullptr);
  Game().tutorialScreen = &screen;
  Place(1, {12, 0, 8});
  const std::string shipped = Path("Scenes/tutorial/Tutorial3.pys");
  WriteFile(shipped, "shipped");
  WriteFile(Path("guifiles/Options.ini"), "[TUTORIAL]\n");
  screen.lesson = 3;
  Game().ApplyTutorialSettings();
  EXPECT_EQ(ReadBytes(shipped), "shipped");
  EXPECT_TRUE(std::filesystem::exists(Path("Scenes/Saved/tutorial/Tutorial3.pys")));
  EXPECT_TRUE(std::filesystem::exists(Path("Scenes/Saved/tutorial/Tutorial3.pai")));
  EXPECT_EQ(CIniFile::Settings(Game().baseDirectory).ReadInt(CIniFile::kActualLearnLevel), 3);
  EXPECT_NE(Game().TutorialScenePath(3).Std().find("Saved"), std::string::npos);
  EXPECT_EQ(Game().TutorialScenePath(2).Std(), (Game().baseDirectory + "\\Scenes\\tutorial\\Tutorial2.pys").Std());
  Game().ApplyTutorialSettings();
  EXPECT_EQ(std::count(Game().savedGames.begin(), Game().savedGames.end(), Game().TutorialScenePath(3)), 1);

  // Without the screen the level comes from the settings.
  Game().tutorialScreen = nullptr;
  Game().placedObjects.RemoveAllObjects();
  Game().StartTutorial();
  EXPECT_EQ(Game().placedObjects.Objects().size(), 1u);
}

TEST_F(SavedGameTest, ANewGameAtTheLastLessonEndsTheTutorialAndStartsFromTheNormalScene) {
  Place(1, {12, 0, 8});
  ASSERT_TRUE(Game().WriteSceneFile(GamePath("Scenes/NormalModeLow.pys")));
  Game().normalModeScene = GamePath("Scenes/NormalModeLow.pys");
  Game().placedObjects.RemoveAllObjects();
  REraduzizTutorialScreen screen(*Game().screenHost, nullptr);
  screen.lesson = 5;
  Game().tutorialScreen = &screen;
  Game().tutorialMode = 1;
  Game().scenarioRunning = 1;
  Game().cash = 3;
  Game().StartNewGame(false);
  EXPECT_EQ(Game().cash, VAvazadOvurUrovi::kNewGameCash);
  EXPECT_EQ(Game().scenarioRunning, 0);
  EXPECT_EQ(Game().tutorialMode, 0);
  EXPECT_TRUE(std::all_of(std::begin(screen.lessonDone), std::end(screen.lessonDone), [](uint8_t m) { return m == 1; }));
  EXPECT_EQ(Game().placedObjects.Objects().size(), 1u);
  EXPECT_EQ(Manager().GetCapacity(), VAvazadOvurUrovi::kNewGameCapacity);
  EXPECT_EQ(Manager().GetNextHourToBook(), Game().gameHour);
  Game().tutorialScreen = nullptr;
}

}  // namespace
