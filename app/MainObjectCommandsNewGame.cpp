// The start of a new game or a tutorial game from the menu: the park is
// emptied and every value that a running game changes is set back, so that
// nothing of the last game carries over.
#include <algorithm>

#include "app/CIniFile.h"
#include "app/VAvazadOvurUrovi.h"
#include "characters/CPorvikAiClass.h"
#include "characters/ManagerRunState.h"
#include "engine/core/Globals.h"
#include "engine/media/SoundManager.h"
#include "gui/core/GuiCommand.h"
#include "park/REraduzizEventClass.h"
#include "park/foods/CFoodCatalog.h"
#include "park/objects/CAttraction.h"
#include "park/scenarios/CPorvikScenarios.h"
#include "platform/os/Clock.h"
#include "platform/os/Path.h"
#include "screens/REraduzizTutorialScreen.h"
#include "world/CHeightMapHandlerClass.h"

namespace {

constexpr int32_t kNoElement = -1;
constexpr int32_t kStartCash = 30000;
constexpr int32_t kTutorialButton = 10075;
constexpr int32_t kGameBar = 10062;
constexpr int32_t kStatusPanel = 10433;
constexpr int32_t kTutorialPage = 10425;
constexpr int32_t kTutorialMenu = 10446;
constexpr int32_t kFreePlayControl = 10025;
constexpr int32_t kTutorialControl = 10026;
constexpr const char* kAmbience = "ATMOSPHERE";
constexpr const char* kFoodsFile = "\\Scenes\\foods\\Foods_NL.xml";
// From this lesson on the tutorial is over.
constexpr int32_t kLessonCount = REraduzizTutorialScreen::kLessonCount;

}  // namespace

void VAvazadOvurUrovi::ResetRunState() {
  cash = kStartCash;
  if (terrain) terrain->RecountPathCells();
  ResetUnsavedTotals();
  points = 0;
  lastCleanPercent = 0;
  moodTotals = {kParkMoodSumStart, {}};
  visitorCount = 0;
  gameSpeed = 1;
  scenarioMonths = 0;
  foundVipKinds.clear();
  vipMilestone = 0;
  buildItemSelected = 0;
  firstVisitorsNoticeGiven = 0;
  savedGameLoaded = 0;
  selectedObject = hoveredObject = nullptr;
  pickedCharacter = nullptr;
  PutToolsAway();
  ResetSelectionFlags();
}

void VAvazadOvurUrovi::ResetUnsavedTotals() {
  salesTotals = {};
  plantCount = plantingCounter = greeneryPercent = 0;
}

void VAvazadOvurUrovi::ClearParkCharacters() {
  CPorvikAiClass* manager = GetAiManager();
  if (!manager) return;
  std::vector<int32_t> placementIds;
  for (const PlacementRecord& record : placedCharacters) placementIds.push_back(record.id);
  manager->ClearCharacters(placementIds);
}

void VAvazadOvurUrovi::StartAiManagerAfresh() {
  CPorvikAiClass* manager = GetAiManager();
  if (!manager) return;
  // Nothing rated, booked or let in yet.
  ManagerRunState state;
  state.nextId = CPorvikAiClass::kFirstVisitorId;
  manager->SetRunState(state);
}

void VAvazadOvurUrovi::ResetAiManagerForNewGame() {
  CPorvikAiClass* manager = GetAiManager();
  if (!manager) return;
  // The rest of the run state is the scene's: a lesson's characters keep
  // their ids and count, and new ones get ids after theirs.
  ManagerRunState state = manager->GetRunState();
  state.greenBand = 0;
  state.cleanBand = 0;
  state.lastBookedHour = gameHour - 1;
  state.nextHourToBook = gameHour;
  state.lastBookedMonth = gameDate.month - 1;
  state.nextMonthToBook = gameDate.month;
  state.capacity = kNewGameCapacity;
  manager->SetRunState(state);
}

void VAvazadOvurUrovi::StartTutorialGame() {
  const int32_t level = CIniFile::Settings(baseDirectory).ReadInt(CIniFile::kActualLearnLevelCommand);
  tutorialMode = level < kLessonCount ? 1 : 0;
  if (tutorialScreen) {
    // A level from outside the lessons (the settings may hold anything)
    // never reaches the screen.
    tutorialScreen->lesson = std::clamp(level, 0, kLessonCount);
    ApplyTutorialMarks();
  }
  if (level > 0) {
    StartTutorial();
  } else {
    LoadModeScene(normalModeScene);
  }
}

void VAvazadOvurUrovi::LoadModeScene(const EngineString& scene) {
  // A park without its mode scenes starts on bare land; the world loading
  // has reported the missing file.
  if (scene.Length() > 0 && plat::FileExists(scene.Std())) LoadSavedScene(scene);
}

void VAvazadOvurUrovi::OpenGamePages(int32_t control) {
  PostCommand(kNoElement, kGameBar, kCmdOpenPageForced, control, 0);
  PostCommand(kNoElement, kStatusPanel, kCmdOpenPage, control, 0);
  if (!tutorialMode) return;
  PostCommand(kNoElement, kGameBar, kCmdClosePage, kTutorialControl, 0);
  PostCommand(kNoElement, kStatusPanel, kCmdClosePage, kTutorialControl, 0);
  PostCommand(kNoElement, kTutorialPage, kCmdShowPage, kTutorialControl, 0);
  PostCommand(kNoElement, kTutorialMenu, kCmdOpenPage, kTutorialControl, 0);
  modalScreenOpen = 1;
}

void VAvazadOvurUrovi::BeginGame(bool tutorial) {
  const bool wasRunning = playMode != 0;
  scenarioRunning = 0;
  SetButtonActive(kTutorialButton, tutorial);
  startTicks = plat::TickCount();
  // The last game's lists and characters go before the scene brings its
  // own (a lesson's hired staff among them).
  ResetGameLists();
  if (parkEvents) parkEvents->ResetAll();
  ClearParkCharacters();
  StartAiManagerAfresh();
  RemoveAllObjects();
  tutorialMode = 0;
  if (tutorial) {
    StartTutorialGame();
  } else {
    LoadModeScene(advancedModeScene);
  }
  ResetRunState();
  ResetAiManagerForNewGame();
  if (wasRunning) {
    DeleteLedgerAndFoods();
    CreateLedgerAndFoods();
    if (foodCatalog) foodCatalog->LoadFoodDescriptorFile(baseDirectory + EngineString(kFoodsFile));
    AddStatisticItems();
    RefreshStatusAfterChange();
    HideGameScreens();
  }
  playMode = 1;
  RefreshStatusDisplay();
  OpenGamePages(tutorial ? kTutorialControl : kFreePlayControl);
  if (g_sound) g_sound->Play(kAmbience);
  // The sounds come back at the player's levels (the tutorial's exit, for
  // one, silenced them).
  if (optionsScreen) optionsScreen->PlayAmbientSounds(optionsScreen->effectsEnabled != 0);
  simulationHalted = 0;
  modalScreenOpen = tutorial ? 1 : 0;
  if (scenarios) scenarios->SetCurrent(CPorvikScenarios::kNoScenario);
}
