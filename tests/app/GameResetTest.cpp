// What a new game, a lesson and a loaded game leave of the park before
// them, headless over the demo park's GUI: no hired character stays without
// its record, no total that no saved game keeps goes on from the last park,
// and a lesson's characters keep the manager's figures they were saved with.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>

#include "app/VAvazadOvurUrovi.h"
#include "characters/CPorvikAiClass.h"
#include "characters/ManagerRunState.h"
#include "characters/REraduzizVisitor.h"
#include "screens/REraduzizStaffScreen.h"
#include "screens/REraduzizTutorialScreen.h"
#include "tests/app/PlayerHandFixture.h"

namespace {

namespace fs = std::filesystem;

constexpr int32_t kManagementButton = 10070, kHireCleaner = 10306;
constexpr int32_t kCleanerId = 1000;
constexpr int32_t kAdultVisitor = 1;

class GameResetTest : public playerhand::DemoGuiFixture {
 protected:
  void SetUp() override {
    DemoGuiFixture::SetUp();
    game->aiManager = new CPorvikAiClass;  // the game deletes it
    // The player's files lie in the scratch folder: the saved games and
    // what a new game reads.
    game->baseDirectory = Folder().string().c_str();
    fs::create_directories(Folder() / "Scenes" / "Saved" / "tutorial");
    fs::create_directories(Folder() / "Scenes" / "foods");
    fs::copy_file(fs::path(HALVENOR_PARK_DIR) / "Scenes" / "foods" / "Foods_NL.xml",
                  Folder() / "Scenes" / "foods" / "Foods_NL.xml");
    game->playMode = 1;
    game->cash = VAvazadOvurUrovi::kNewGameCash;  // enough to hire
  }

  CPorvikAiClass& Manager() { return *game->GetAiManager(); }
  void HireCleaner() { Press({kManagementButton, kHireCleaner, REraduzizStaffScreen::kCommitId}); }
};

struct Reset {
  const char* name;
  std::function<void(VAvazadOvurUrovi&)> run;
};

const Reset kNewParks[] = {
    {"the game lists' reset", [](VAvazadOvurUrovi& game) { game.ResetGameLists(); }},
    {"a new game", [](VAvazadOvurUrovi& game) { game.StartNewGame(false); }},
    {"a new game from the menu", [](VAvazadOvurUrovi& game) { game.BeginGame(false); }},
};

TEST_F(GameResetTest, HiredStaffLeaveTheParkWithTheirRecords) {
  for (const Reset& reset : kNewParks) {
    SCOPED_TRACE(reset.name);
    HireCleaner();
    ASSERT_EQ(game->placedCharacters.size(), 1u);
    ASSERT_NE(Manager().FindCharacterById(kCleanerId), nullptr);
    reset.run(*game);
    EXPECT_TRUE(game->placedCharacters.empty());
    EXPECT_EQ(Manager().FindCharacterById(kCleanerId), nullptr) << "a cleaner without its record";
  }
}

TEST_F(GameResetTest, TheSalesTotalsAndPlantCountsStartAtZeroInANewOrALoadedPark) {
  const EngineString saved = game->baseDirectory + "\\saved.pys";
  ASSERT_TRUE(game->WriteSavedGame(saved, false));
  const Reset resets[] = {
      kNewParks[1],
      kNewParks[2],
      {"a loaded game", [&](VAvazadOvurUrovi& game) { EXPECT_TRUE(game.LoadSavedGame(saved, false)); }},
  };
  for (const Reset& reset : resets) {
    SCOPED_TRACE(reset.name);
    game->salesTotals = {5, 6, 7};
    game->plantCount = game->greeneryPercent = 4;
    game->plantingCounter = 1;
    reset.run(*game);
    EXPECT_EQ(game->salesTotals.snacks, 0);
    EXPECT_EQ(game->salesTotals.meals, 0);
    EXPECT_EQ(game->salesTotals.sweets, 0);
    EXPECT_EQ(game->plantCount, 0);
    EXPECT_EQ(game->plantingCounter, 0);
    EXPECT_EQ(game->greeneryPercent, 0);
  }
}

// A lesson is saved with a visitor in its park: the lesson starts with the
// visitor, its count and the next free id, and only the ratings, bookings
// and capacity of a new game.
TEST_F(GameResetTest, ALessonKeepsItsVisitorsIdsAndCount) {
  constexpr int32_t kLesson = 2;
  constexpr int32_t kVisitorId = CPorvikAiClass::kFirstVisitorId + 7;
  ASSERT_NE(Manager().CreateVisitor(kVisitorId, kAdultVisitor, {}), nullptr);
  Manager().AddLiveId(kVisitorId);
  ManagerRunState lesson = Manager().GetRunState();
  lesson.nextId = kVisitorId + 1;
  lesson.visitorCount = 1;
  lesson.greenBand = lesson.cleanBand = 60;
  lesson.capacity = 40;
  Manager().SetRunState(lesson);
  const EngineString path = game->baseDirectory + VAvazadOvurUrovi::kTutorialProgressFolder + "Tutorial" +
                            EngineString(std::to_string(kLesson).c_str()) + VAvazadOvurUrovi::kSceneExtension;
  ASSERT_TRUE(game->WriteSavedGame(path, false));

  // Another park runs when the lesson starts.
  Manager().SetRunState({});
  game->tutorialScreen->lesson = kLesson;
  game->StartNewGame(true);
  ASSERT_NE(Manager().FindCharacterById(kVisitorId), nullptr);
  const ManagerRunState started = Manager().GetRunState();
  EXPECT_EQ(started.nextId, kVisitorId + 1) << "a new visitor would take an id the lesson's visitors hold";
  EXPECT_EQ(started.visitorCount, 1);
  EXPECT_EQ(started.greenBand, 0);
  EXPECT_EQ(started.cleanBand, 0);
  EXPECT_EQ(started.capacity, VAvazadOvurUrovi::kNewGameCapacity);
  EXPECT_EQ(started.nextHourToBook, game->gameHour);
}

}  // namespace
