#pragma once
// The hot meal price page: the price of one restaurant meal.
// Its controls and actions are still to come: for now it keeps its window
// and takes its place in the command chain.
#include <cstdint>

#include "gui/core/CGuiElement.h"
#include "gui/core/GuiCommand.h"

class REraduzizHotMealScreen {
 public:
  // The window may be null (the GUI description lacks it).
  explicit REraduzizHotMealScreen(CGuiElement* window);

  void OnGuiCommand(GuiCommand& command);

  CGuiElement* window = nullptr;
};
