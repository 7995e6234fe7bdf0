#pragma once
// The menu items window: the foods of one restaurant food type.
// Its controls and actions are still to come: for now it keeps its window
// and takes its place in the command chain.
#include <cstdint>

#include "gui/core/CGuiElement.h"
#include "gui/core/GuiCommand.h"

class REraduzizFastFoodScreen {
 public:
  // The window may be null (the GUI description lacks it).
  explicit REraduzizFastFoodScreen(CGuiElement* window);

  void OnGuiCommand(GuiCommand& command);

  CGuiElement* window = nullptr;
};
