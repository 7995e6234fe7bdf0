#pragma once
// The buffet screen: the kiosk foods on offer, opened from the food menu.
// Its controls and actions are still to come: for now it keeps its window
// and takes its place in the command chain.
#include <cstdint>

#include "gui/core/CGuiElement.h"
#include "gui/core/GuiCommand.h"

class REraduzizBuffetScreen {
 public:
  // The window may be null (the GUI description lacks it).
  explicit REraduzizBuffetScreen(CGuiElement* window);

  void OnGuiCommand(GuiCommand& command);

  void Refresh();

  CGuiElement* window = nullptr;
};
