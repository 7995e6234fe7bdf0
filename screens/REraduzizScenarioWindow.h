#pragma once
// The scenario window: the scenarios with their goals and their start buttons.
// Its controls and actions are still to come: for now it keeps its window
// and takes its place in the command chain.
#include <cstdint>

#include "gui/core/CGuiElement.h"
#include "gui/core/GuiCommand.h"

class REraduzizScenarioWindow {
 public:
  // The window may be null (the GUI description lacks it).
  explicit REraduzizScenarioWindow(CGuiElement* window);

  void OnGuiCommand(GuiCommand& command);

  // Binds the controls once the window exists (the creation calls it).
  void BindControls();
  // Shows each scenario's result once the goal check has decided one; the
  // goal list comes with the window's controls.
  void RefreshGoals();

  CGuiElement* window = nullptr;
};
