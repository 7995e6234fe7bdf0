// The per-frame pass over the queued GUI commands: each goes to the main
// object's handler, then to the GUI manager's own dispatcher. The handler
// tries, in this order, the save and load page, the click actions of the
// GUI description, the two screens that take every command while they
// show, the game's own buttons, and last the in-game screens.
#include "app/VAvazadOvurUrovi.h"
#include "gui/core/GuiCommand.h"
#include "gui/widgets/CGuiButton.h"
#include "gui/widgets/CGuiStaticText.h"
#include "park/objects/CAttraction.h"

namespace {

constexpr int32_t kNoElement = -1;

// The save and load page.
constexpr int32_t kScenarioButton = 10028;
constexpr int32_t kScenarioPage = 10108;
constexpr int32_t kTutorialButton = 10075;
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
  // A button that is switched off neither reacts to the mouse nor shows.
  if (auto* button = dynamic_cast<CGuiButton*>(FindElement(id))) {
    button->SetFixedTextColour(!active);
    if (button->record) button->record->visible = active ? 1 : 0;
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
  const int32_t names = int32_t(savedGames.size());
  if (command.code == kCmdClick && command.sender == kScrollDownButton) {
    if (saveListFirstRow < names - kVisibleSavedGames) ++saveListFirstRow;
    command.sender = kNoElement;
    return true;
  }
  if (command.code == kCmdClick && command.sender == kScrollUpButton) {
    if (saveListFirstRow > 0) --saveListFirstRow;
    return true;
  }
  if (command.code != kCmdSelect) return false;
  for (int32_t row = 0; row < kVisibleSavedGames; ++row) {
    if (command.sender != kSavedGameRows[row]) continue;
    saveListSelectedRow = row;
    const int32_t index = saveListFirstRow + row;
    if (index >= 0 && index < names) SetChosenGameText(FileTitle(savedGames[size_t(index)]));
    return true;
  }
  return false;
}

void VAvazadOvurUrovi::ResetTools() {
  HideGameScreens();
  ResetSelectionFlags();
  if (placementPreview) placementPreview->Reset();
  buildToolMode = 0;
}
