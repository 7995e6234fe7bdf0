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
// A trial lets its saving process finish trial % kSavesBeforeKillCycle saves
// (the process reports each), then kills it at a random moment within the
// time of up to kMaxRunInSaves more: some trials kill the first save, the
// others always leave whole saves, however slow the machine.
constexpr int kSavesBeforeKillCycle = 3;
constexpr int kMaxRunInSaves = 2;
// The cell whose footpath tells two saved parks apart.
constexpr int32_t kProgressPathI = 70, kProgressPathJ = 70;

// Runs save(i) for i = 0, 1, ... in a child process that reports each save
// done through a pipe; waits for the trial's number of saves, then kills the
// child at a random moment within maxRun microseconds.
template <typename Save>
void KillWhileSaving(int trial, int maxRun, Save save) {
  int reports[2];
  ASSERT_EQ(pipe(reports), 0);
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    close(reports[0]);
    const char done = 1;
    for (int i = 0; i < kMaxSavesPerTrial; ++i) {
      save(i);
      if (write(reports[1], &done, 1) != 1) break;
    }
    _exit(0);
  }
  close(reports[1]);
  char done = 0;
  for (int waited = 0; waited < trial % kSavesBeforeKillCycle; ++waited) {
    if (read(reports[0], &done, 1) != 1) break;
  }
  usleep(useconds_t((int64_t(plat::Rand()) * maxRun) / (plat::kRandMax + 1)));
  kill(child, SIGKILL);
  int status = 0;
  waitpid(child, &status, 0);
  close(reports[0]);
}

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
    KillWhileSaving(trial, maxRun,
                    [&](int i) { Game().WriteSavedGame(GamePath("trials/save" + std::to_string(i) + ".pys"), false); });
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
    KillWhileSaving(trial, maxRun, [&](int i) {
      SetPark(Game(), Manager(), i % 2 == 0);
      Game().ApplyTutorialSettings();
    });
    if (!std::filesystem::exists(Path(progress + ".pys"))) continue;
    const std::string bytes = SavedBytes(progress);
    EXPECT_TRUE(bytes == saved[0] || bytes == saved[1]) << "a scene beside another save's companions";
    ++wholeSaves;
  }
  EXPECT_GT(wholeSaves, 0) << "no trial left a save";
}

}  // namespace
