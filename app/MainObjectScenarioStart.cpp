// The start of a scenario from the scenario window: the park of a new game
// with the scenario's money, its scene and its clock. The window itself
// switches the pages and the sounds.
#include "app/VAvazadOvurUrovi.h"
#include "characters/CPorvikAiClass.h"
#include "park/REraduzizEventClass.h"
#include "park/scenarios/CPorvikScenarios.h"
#include "platform/os/Clock.h"
#include "platform/os/DebugOutput.h"
#include "screens/REraduzizBuildBook.h"

namespace {

constexpr const char* kScenesFolder = "\\Scenes\\";
// A scenario starts with the book's first level.
constexpr int32_t kScenarioBuildLevel = 1;
// The scene file alone makes a scenario's park.
constexpr int kSceneParts = 1;

}  // namespace

bool VAvazadOvurUrovi::StartScenario(int32_t index) {
  if (!scenarios || !scenarios->IsValidIndex(index)) return false;
  const EngineString sceneName = scenarios->GetSceneName(index, highResolution != 0);
  if (sceneName.Length() == 0) {
    plat::OutputDebugString("StartScenario: the scene name of scenario " + std::to_string(index) +
                            " leaves the scenes folder\n");
    return false;
  }
  // A scenario whose scene is missing starts nothing: the running game goes
  // on as it was.
  const EngineString scenePath = baseDirectory + EngineString(kScenesFolder) + sceneName;
  if (!HasSavedParts(scenePath, kSceneParts)) return false;
  if (buildBook) buildBook->highestLevel = kScenarioBuildLevel;
  scenarios->SetCurrent(index);
  // The park of a new game, with the scenario's money: the last park's
  // characters go home and the character manager starts afresh, so that the
  // scenario's goals count only the visitors of its own park.
  if (parkEvents) parkEvents->ResetAll();
  ResetGameLists();
  ClearParkCharacters();
  StartAiManagerAfresh();
  RemoveAllObjects();
  ResetRunState();
  cash = scenarios->GetStartingCost(index);
  StartScenarioGoals();
  playMode = 1;
  RefreshStatusDisplay();
  ResetAiManagerForNewGame();
  DeleteLedgerAndFoods();
  CreateLedgerAndFoods();
  InitLedgerAndFoods();
  RefreshStatusAfterChange();
  HideGameScreens();
  LoadSavedScene(scenePath);
  if (CPorvikAiClass* manager = GetAiManager()) manager->UpdateVisitorCapacity();
  playMode = 1;
  lastClockTick = plat::TickCount();
  tutorialMode = 0;
  tutorialProgress = 0;
  simulationHalted = 0;
  return true;
}
