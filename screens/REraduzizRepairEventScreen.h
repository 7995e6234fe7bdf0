#pragma once
// The repair-event window: the park events waiting for staff and the sending of staff to them.
// Its controls and actions are still to come: for now it keeps its window
// and takes its place in the command chain.
#include <cstdint>

#include "gui/core/CGuiElement.h"
#include "gui/core/GuiCommand.h"

class REraduzizRepairEventScreen {
 public:
  // The window may be null (the GUI description lacks it).
  explicit REraduzizRepairEventScreen(CGuiElement* window);

  void OnGuiCommand(GuiCommand& command);

  // Chooses the event that a row of the status panel's event list holds;
  // true when it has one to show.
  bool SelectEvent(int32_t value);

  CGuiElement* window = nullptr;
};
