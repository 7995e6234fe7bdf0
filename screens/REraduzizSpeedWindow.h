#pragma once
// The speed window: the game speed buttons.
// Its controls and actions are still to come: for now it keeps its window
// and takes its place in the command chain.
#include <cstdint>

#include "gui/core/CGuiElement.h"
#include "gui/core/GuiCommand.h"

class REraduzizSpeedWindow {
 public:
  // The window may be null (the GUI description lacks it).
  explicit REraduzizSpeedWindow(CGuiElement* window);

  void OnGuiCommand(GuiCommand& command);

  void Refresh();

  // 1 while the window is shown; its opener toggles it.
  uint8_t shown = 0;

  CGuiElement* window = nullptr;
};
