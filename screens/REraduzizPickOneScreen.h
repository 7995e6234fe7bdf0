#pragma once
// The first picker pop-up: the attractions that need repair.
// Its controls and actions are still to come: for now it keeps its window
// and takes its place in the command chain.
#include <cstdint>

#include "gui/core/CGuiElement.h"
#include "gui/core/GuiCommand.h"

class REraduzizPickOneScreen {
 public:
  // The window may be null (the GUI description lacks it).
  explicit REraduzizPickOneScreen(CGuiElement* window);

  void OnGuiCommand(GuiCommand& command);

  CGuiElement* window = nullptr;
};
