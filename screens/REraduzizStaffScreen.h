#pragma once
// The staff window: hiring and dismissing gardeners, engineers and cleaners.
// Its controls and actions are still to come: for now it keeps its window
// and takes its place in the command chain.
#include <cstdint>

#include "gui/core/CGuiElement.h"
#include "gui/core/GuiCommand.h"

class REraduzizStaffScreen {
 public:
  // The window may be null (the GUI description lacks it).
  explicit REraduzizStaffScreen(CGuiElement* window);

  void OnGuiCommand(GuiCommand& command);

  void Refresh();

  CGuiElement* window = nullptr;
};
