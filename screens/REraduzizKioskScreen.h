#pragma once
// The kiosk price window: the price of one kiosk food.
// Its controls and actions are still to come: for now it keeps its window
// and takes its place in the command chain.
#include <cstdint>

#include "gui/core/CGuiElement.h"
#include "gui/core/GuiCommand.h"

class REraduzizKioskScreen {
 public:
  // The window may be null (the GUI description lacks it).
  explicit REraduzizKioskScreen(CGuiElement* window);

  void OnGuiCommand(GuiCommand& command);

  CGuiElement* window = nullptr;
};
