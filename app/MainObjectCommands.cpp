// The per-frame pass over the queued GUI commands: each goes to the main
// object's handler, then to the GUI manager's own dispatcher. The handler
// tries, in this order, the save and load page, the click actions of the
// GUI description, the two screens that take every command while they
// show, the game's own buttons, and last the in-game screens.
#include <algorithm>

#include "app/VAvazadOvurUrovi.h"
#include "gui/core/GuiCommand.h"
#include "gui/widgets/CGuiButton.h"
#include "gui/widgets/CGuiStaticText.h"
#include "park/REraduzizEventClass.h"
#include "park/objects/CAttraction.h"
#include "platform/os/Clock.h"
#include "screens/REraduzizSummaryScreen.h"

namespace {

constexpr int32_t kNoElement = -1;

// The save and load page.
constexpr int32_t kScenarioButton = 10028;
constexpr int32_t kScenarioPage = 10108;
constexpr int32_t kTutorialButton = 10075;
constexpr int32_t kSaveButton = 10237;
constexpr int32_t kLoadButton = 10236;
constexpr int32_t kSaveLoadPage = 10235;
// A loaded game opens its pages as a free game's start does.
constexpr int32_t kFreePlayControl = 10025;
constexpr int32_t kScrollDownButton = 10258;
constexpr int32_t kScrollUpButton = 10255;
constexpr int32_t kChosenGameText = 10264;
// The three visible rows of the saved games, top first.
constexpr int32_t kSavedGameRows[] = {10261, 10260, 10259};
constexpr int32_t kVisibleSavedGames = 3;
// The chosen game's name is written in dark blue.
constexpr GuiColour kChosenGameColour{255, 0, 0, 128};

}  // namespace

void VAvazadOvurUrovi::RunQueuedGuiCommands() {
  RunCommandPass([this](GuiCommand* command) { ExecuteGuiCommand(command); });
}

bool VAvazadOvurUrovi::ExecuteGuiCommand(GuiCommand* command) {
  if (RunSaveLoadCommand(*command)) return true;
  // A click or a selection fires the first click action of its sender; the
  // dispatcher still sees the command.
  if (command->code == kCmdClick || command->code == kCmdSelect) {
    if (const std::optional<GuiAction> action = FindGuiAction(command->sender)) {
      PostCommand(kNoElement, action->target, action->code, action->control, action->parameter);
      return true;
    }
  }
  if (screens->OfferExclusive(*command)) return true;
  if (RunGameButton(*command)) return true;
  screens->RouteToScreens(*command);
  return false;
}

void VAvazadOvurUrovi::SetButtonActive(int32_t id, bool active) {
  // A button that is switched off neither reacts to the mouse nor shows,
  // also when its page is shown again.
  if (auto* button = dynamic_cast<CGuiButton*>(FindElement(id))) {
    button->SetFixedTextColour(!active);
    if (button->record) {
      button->record->visible = active ? 1 : 0;
      button->record->lockedHidden = active ? 0 : 1;
    }
  }
}

void VAvazadOvurUrovi::SetChosenGameText(const EngineString& text) {
  if (auto* label = dynamic_cast<CGuiStaticText*>(FindElement(kChosenGameText))) {
    label->SetText(-1, text, label->GetFormat(), kChosenGameColour);
  }
}

bool VAvazadOvurUrovi::RunSaveLoadCommand(GuiCommand& command) {
  if (command.code == kCmdClick && command.sender == kScenarioButton) {
    SetButtonActive(kTutorialButton, false);
    modalScreenOpen = 1;
    PostCommand(kNoElement, kScenarioPage, kCmdOpenPageForced, kScenarioButton, 0);
    command.sender = kNoElement;
    return true;
  }
  if (command.code == kCmdClick && command.sender == kSaveButton) {
    SaveScene();
    command.sender = kNoElement;
    return true;
  }
  if (command.code == kCmdClick && command.sender == kLoadButton) {
    if (saveListSelectedRow >= 0) LoadChosenGame();
    command.sender = kNoElement;
    return true;
  }
  // The list shows from its first game until a scroll moves it.
  const int32_t first = std::max(saveListFirstRow, 0);
  const int32_t names = int32_t(savedGames.size());
  if (command.code == kCmdClick && command.sender == kScrollDownButton) {
    saveListFirstRow = first < names - kVisibleSavedGames ? first + 1 : first;
    ReloadSaveLoadScreen();
    command.sender = kNoElement;
    return true;
  }
  if (command.code == kCmdClick && command.sender == kScrollUpButton) {
    saveListFirstRow = first > 0 ? first - 1 : first;
    ReloadSaveLoadScreen();
    return true;
  }
  if (command.code != kCmdSelect) return false;
  for (int32_t row = 0; row < kVisibleSavedGames; ++row) {
    if (command.sender != kSavedGameRows[row]) continue;
    saveListSelectedRow = row;
    const int32_t index = first + row;
    if (index < names) SetChosenGameText(FileTitle(savedGames[size_t(index)]));
    ReloadSaveLoadScreen();
    return true;
  }
  return false;
}

void VAvazadOvurUrovi::LoadChosenGame() {
  const uint8_t wasHalted = simulationHalted;
  simulationHalted = 1;
  modalScreenOpen = 0;
  if (!LoadScene()) {
    // The game that ran (or the menu) goes on; the page stays for another
    // choice.
    simulationHalted = wasHalted;
    modalScreenOpen = 1;
    return;
  }
  playMode = 1;
  simulationHalted = 0;
  if (summaryScreen) summaryScreen->Refresh();
  RefreshStatusDisplay();
  PostCommand(kNoElement, kSaveLoadPage, kCmdClosePage, kLoadButton, 0);
  OpenGamePages(kFreePlayControl);
  if (parkEvents) parkEvents->eventStamp = plat::TickCount();
}

void VAvazadOvurUrovi::ResetTools() {
  HideGameScreens();
  ResetSelectionFlags();
  if (placementPreview) placementPreview->Reset();
  buildToolMode = 0;
}
