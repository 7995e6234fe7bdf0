// The start of a new game or a tutorial game from the menu: the park is
// emptied and every value that a running game changes is set back, so that
// nothing of the last game carries over.
#include "app/CIniFile.h"
#include "app/VAvazadOvurUrovi.h"
#include "engine/core/Globals.h"
#include "engine/media/SoundManager.h"
#include "gui/core/GuiCommand.h"
#include "park/REraduzizEventClass.h"
#include "park/foods/CFoodCatalog.h"
#include "park/objects/CAttraction.h"
#include "park/scenarios/CPorvikScenarios.h"
#include "platform/os/Clock.h"
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
constexpr int32_t kLessonCount = 5;

}  // namespace

void VAvazadOvurUrovi::ResetRunState() {
  ResetGameLists();
  cash = kStartCash;
  if (terrain) terrain->RecountPathCells();
  plantCount = plantingCounter = greeneryPercent = 0;
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

void VAvazadOvurUrovi::BeginGame(bool tutorial) {
  const bool wasRunning = playMode != 0;
  scenarioRunning = 0;
  SetButtonActive(kTutorialButton, tutorial);
  startTicks = plat::TickCount();
  if (parkEvents) parkEvents->ResetAll();
  RemoveAllObjects();
  ResetRunState();
  if (wasRunning) {
    DeleteLedgerAndFoods();
    CreateLedgerAndFoods();
    if (foodCatalog) foodCatalog->LoadFoodDescriptorFile(baseDirectory + EngineString(kFoodsFile));
    AddStatisticItems();
    RefreshStatusAfterChange();
    HideGameScreens();
  }
  tutorialMode = 0;
  if (tutorial) {
    const int32_t level = CIniFile::Settings(baseDirectory).ReadInt(CIniFile::kActualLearnLevelCommand);
    tutorialMode = level < kLessonCount ? 1 : 0;
  }
  playMode = 1;
  RefreshStatusDisplay();
  const int32_t control = tutorial ? kTutorialControl : kFreePlayControl;
  PostCommand(kNoElement, kGameBar, kCmdOpenPageForced, control, 0);
  PostCommand(kNoElement, kStatusPanel, kCmdOpenPage, control, 0);
  if (tutorialMode) {
    PostCommand(kNoElement, kGameBar, kCmdClosePage, control, 0);
    PostCommand(kNoElement, kStatusPanel, kCmdClosePage, control, 0);
    PostCommand(kNoElement, kTutorialPage, kCmdShowPage, control, 0);
    PostCommand(kNoElement, kTutorialMenu, kCmdOpenPage, control, 0);
  }
  if (g_sound) g_sound->Play(kAmbience);
  simulationHalted = 0;
  modalScreenOpen = tutorial ? 1 : 0;
  if (scenarios) scenarios->SetCurrent(CPorvikScenarios::kNoScenario);
}
