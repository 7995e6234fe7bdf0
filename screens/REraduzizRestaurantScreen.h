#pragma once
// The restaurant menu window: the restaurant's food types, opened from the food menu.
// Its controls and actions are still to come: for now it keeps its window
// and takes its place in the command chain.
#include <cstdint>

#include "gui/core/CGuiElement.h"
#include "gui/core/GuiCommand.h"

class REraduzizRestaurantScreen {
 public:
  // The window may be null (the GUI description lacks it).
  explicit REraduzizRestaurantScreen(CGuiElement* window);

  void OnGuiCommand(GuiCommand& command);

  void Refresh();

  CGuiElement* window = nullptr;
};
