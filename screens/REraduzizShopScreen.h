#pragma once
// The sweet shop window: the products and prices of the park's shops.
// Its controls and actions are still to come: for now it keeps its window
// and takes its place in the command chain.
#include <cstdint>

#include "gui/core/CGuiElement.h"
#include "gui/core/GuiCommand.h"

class REraduzizShopScreen {
 public:
  // The window may be null (the GUI description lacks it).
  explicit REraduzizShopScreen(CGuiElement* window);

  void OnGuiCommand(GuiCommand& command);

  CGuiElement* window = nullptr;
};
