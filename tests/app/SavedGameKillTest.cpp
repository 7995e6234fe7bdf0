// A save killed at any moment: the game saved before stays whole, and any
// save whose scene file stands in its place is whole as well.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <string>

#include "platform/os/Random.h"
#include "world/CLandscapeCell.h"
#include "tests/app/SavedGameTestSupport.h"

namespace {

using savedgametest::SavedGameTest;

constexpr int kTrials = 12;
constexpr int kMaxSavesPerTrial = 1000;
// A trial lets its saving process run up to this many times one save.
constexpr int kMaxRunInSaves = 2;
// The cell whose footpath tells two saved parks apart.
constexpr int32_t kProgressPathI = 70, kProgressPathJ = 70;

TEST_F(SavedGameTest, AProcessKilledWhileSavingLeavesEveryPlacedSaveWhole) {
  Populate();
  const auto start = std::chrono::steady_clock::now();
  ASSERT_TRUE(Game().WriteSavedGame(GamePath("previous.pys"), false));
  const auto oneSave = std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - start);
  const int maxRun = int(oneSave.count()) * kMaxRunInSaves + 1;
  const std::string previous = SavedBytes("previous");
  const std::filesystem::path folder = Path("trials");
  int wholeSaves = 0;
  for (int trial = 0; trial < kTrials; ++trial) {
    SCOPED_TRACE(trial);
    std::filesystem::create_directories(folder);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      for (int i = 0; i < kMaxSavesPerTrial; ++i) {
        Game().WriteSavedGame(GamePath("trials/save" + std::to_string(i) + ".pys"), false);
      }
      _exit(0);
    }
    usleep(useconds_t((int64_t(plat::Rand()) * maxRun) / (plat::kRandMax + 1)));
    kill(child, SIGKILL);
    int status = 0;
    waitpid(child, &status, 0);
    // The park did not change, so every whole save holds its bytes.
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
      const std::string name = entry.path().filename().string();
      if (entry.path().extension() != ".pys") continue;
      EXPECT_EQ(SavedBytes("trials/" + name.substr(0, name.size() - 4)), previous) << name;
      ++wholeSaves;
    }
    EXPECT_EQ(SavedBytes("previous"), previous);
    std::filesystem::remove_all(folder);
  }
  EXPECT_GT(wholeSaves, 0) << "no trial lasted a whole save";
  EXPECT_TRUE(Game().LoadSavedGame(GamePath("previous.pys"), false));
}

// Two parks that differ in every file of a save.
void SetPark(VAvazadOvurUrovi& game, CPorvikAiClass& manager, bool second) {
  game.cash = second ? 11 : 22;
  manager.SetCapacity(second ? 121 : 120);
  if (second) {
    game.terrain->AddPathCell(kProgressPathI, kProgressPathJ, CLandscapeCell::kTypePath);
  } else {
    game.terrain->RemovePathCell(kProgressPathI, kProgressPathJ);
  }
}

TEST_F(SavedGameTest, AProcessKilledWhileSavingTutorialProgressOverTheLastLeavesOneWholeSaveOrNone) {
  Populate();
  const std::string progress = "Scenes/Saved/tutorial/Tutorial0";
  std::string saved[2];
  for (int second = 0; second < 2; ++second) {
    SetPark(Game(), Manager(), second != 0);
    Game().ApplyTutorialSettings();
    saved[second] = SavedBytes(progress);
  }
  ASSERT_NE(saved[0], saved[1]);
  const auto start = std::chrono::steady_clock::now();
  Game().ApplyTutorialSettings();
  const auto oneSave = std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - start);
  const int maxRun = int(oneSave.count()) * kMaxRunInSaves + 1;
  int wholeSaves = 0;
  for (int trial = 0; trial < kTrials; ++trial) {
    SCOPED_TRACE(trial);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      for (int i = 0; i < kMaxSavesPerTrial; ++i) {
        SetPark(Game(), Manager(), i % 2 == 0);
        Game().ApplyTutorialSettings();
      }
      _exit(0);
    }
    usleep(useconds_t((int64_t(plat::Rand()) * maxRun) / (plat::kRandMax + 1)));
    kill(child, SIGKILL);
    int status = 0;
    waitpid(child, &status, 0);
    if (!std::filesystem::exists(Path(progress + ".pys"))) continue;
    const std::string bytes = SavedBytes(progress);
    EXPECT_TRUE(bytes == saved[0] || bytes == saved[1]) << "a scene beside another save's companions";
    ++wholeSaves;
  }
  EXPECT_GT(wholeSaves, 0) << "no trial left a save";
}

}  // namespace
