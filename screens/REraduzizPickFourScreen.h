#pragma once
// The third picker pop-up: another VIP visitor's opinion of the park.
// Its controls and actions are still to come: for now it keeps its window
// and takes its place in the command chain.
#include <cstdint>

#include "gui/core/CGuiElement.h"
#include "gui/core/GuiCommand.h"

class REraduzizPickFourScreen {
 public:
  // The window may be null (the GUI description lacks it).
  explicit REraduzizPickFourScreen(CGuiElement* window);

  void OnGuiCommand(GuiCommand& command);

  CGuiElement* window = nullptr;
};
