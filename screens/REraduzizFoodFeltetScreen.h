#pragma once
// The food topping screen: composing a food from its toppings and pricing it.
// Its controls and actions are still to come: for now it keeps its window
// and takes its place in the command chain.
#include <cstdint>

#include "gui/core/CGuiElement.h"
#include "gui/core/GuiCommand.h"

class REraduzizFoodFeltetScreen {
 public:
  // The window may be null (the GUI description lacks it).
  explicit REraduzizFoodFeltetScreen(CGuiElement* window);

  void OnGuiCommand(GuiCommand& command);

  CGuiElement* window = nullptr;
};
