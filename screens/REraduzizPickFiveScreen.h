#pragma once
// The second picker pop-up: a VIP visitor's opinion of the park.
// Its controls and actions are still to come: for now it keeps its window
// and takes its place in the command chain.
#include <cstdint>

#include "gui/core/CGuiElement.h"
#include "gui/core/GuiCommand.h"

class REraduzizPickFiveScreen {
 public:
  // The window may be null (the GUI description lacks it).
  explicit REraduzizPickFiveScreen(CGuiElement* window);

  void OnGuiCommand(GuiCommand& command);

  CGuiElement* window = nullptr;
};
