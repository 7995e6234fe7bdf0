#pragma once
// The ticket counter window: the park's entrance price.
// Its controls and actions are still to come: for now it keeps its window
// and takes its place in the command chain.
#include <cstdint>

#include "gui/core/CGuiElement.h"
#include "gui/core/GuiCommand.h"

class REraduzizTicketScreen {
 public:
  // The window may be null (the GUI description lacks it).
  explicit REraduzizTicketScreen(CGuiElement* window);

  void OnGuiCommand(GuiCommand& command);

  CGuiElement* window = nullptr;
};
