// The per-frame pass over the queued GUI commands: each goes to the main
// object's handler, then to the GUI manager's own dispatcher.
#include "app/VAvazadOvurUrovi.h"
#include "gui/core/GuiCommand.h"

void VAvazadOvurUrovi::RunQueuedGuiCommands() {
  RunCommandPass([this](GuiCommand* command) { ExecuteGuiCommand(command); });
}

void VAvazadOvurUrovi::ExecuteGuiCommand(GuiCommand* command) {
  // A click or a selection fires the first click action of its sender.
  if (command->code == kCmdClick || command->code == kCmdSelect) {
    if (const std::optional<GuiAction> action = FindGuiAction(command->sender)) {
      PostCommand(-1, action->target, action->code, action->control, action->parameter);
      command->sender = -1;
      return;
    }
  }
  OfferToScreens(command);
}
