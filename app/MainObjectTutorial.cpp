// The tutorial's scenes and progress, and the start of a new game. The
// tutorial scenes shipped with the game are never written: the player's
// progress goes to a folder of the saved games and is read from there first.
#include <algorithm>
#include <string>

#include "app/CIniFile.h"
#include "app/VAvazadOvurUrovi.h"
#include "park/REraduzizEventClass.h"
#include "park/scenarios/CPorvikScenarios.h"
#include "platform/os/Path.h"
#include "screens/REraduzizTutorialScreen.h"

namespace {

EngineString TutorialSceneName(const EngineString& folder, const EngineString& baseName, int32_t level) {
  return folder + baseName + EngineString(std::to_string(level).c_str()) + VAvazadOvurUrovi::kSceneExtension;
}

}  // namespace

EngineString VAvazadOvurUrovi::TutorialScenePath(int32_t level) const {
  const EngineString baseName = CIniFile::Settings(baseDirectory).ReadString(CIniFile::kSavedSceneName);
  const EngineString progress = TutorialSceneName(baseDirectory + kTutorialProgressFolder, baseName, level);
  if (plat::FileExists(progress.Std())) return progress;
  return TutorialSceneName(baseDirectory + kTutorialFolder, baseName, level);
}

void VAvazadOvurUrovi::ApplyTutorialSettings() {
  const int32_t level = tutorialScreen ? tutorialScreen->lesson : 0;
  const CIniFile settings = CIniFile::Settings(baseDirectory);
  settings.WriteString(CIniFile::kActualLearnLevel.section, CIniFile::kActualLearnLevel.key,
                       EngineString(std::to_string(level).c_str()));
  const EngineString path =
      TutorialSceneName(baseDirectory + kTutorialProgressFolder, settings.ReadString(CIniFile::kSavedSceneName), level);
  if (std::find(savedGames.begin(), savedGames.end(), path) == savedGames.end()) savedGames.push_back(path);
  WriteSavedGame(path, false);
}

void VAvazadOvurUrovi::StartTutorial() {
  const int32_t level =
      tutorialScreen ? tutorialScreen->lesson : CIniFile::Settings(baseDirectory).ReadInt(CIniFile::kActualLearnLevel);
  LoadSavedGame(TutorialScenePath(level), false);
}

void VAvazadOvurUrovi::StartNewGame(bool asTutorial) {
  scenarioRunning = 0;
  if (scenarios && !scenarios->records.empty()) scenarios->current = CPorvikScenarios::kNoScenario;
  if (CGuiElement* window = FindElement(kTutorialStartWindow)) window->Hide(nullptr);
  if (playMode) ResetGameLists();
  gameStartTick = plat::TickCount();
  if (parkEvents) parkEvents->ResetAll();
  cash = kNewGameCash;
  std::fill(std::begin(parkCounters), std::end(parkCounters), 0);
  moodTotals = ParkMoodTotals{};
  ResetUnsavedTotals();
  StartAiManagerAfresh();
  ApplyTutorialMarks();
  if (asTutorial) {
    StartTutorial();
  } else {
    LoadSavedScene(normalModeScene);
  }
  ResetAiManagerForNewGame();
  if (!playMode) return;
  DeleteLedgerAndFoods();
  CreateLedgerAndFoods();
  InitLedgerAndFoods();
  RefreshStatusDisplay();
  HideGameScreens();
}
