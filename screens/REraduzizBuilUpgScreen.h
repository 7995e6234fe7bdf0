#pragma once
// The attraction list screen: the park's attractions with their levels and upgrade costs.
// Its controls and actions are still to come: for now it keeps its window
// and takes its place in the command chain.
#include <cstdint>

#include "gui/core/CGuiElement.h"
#include "gui/core/GuiCommand.h"

class REraduzizBuilUpgScreen {
 public:
  // The window may be null (the GUI description lacks it).
  explicit REraduzizBuilUpgScreen(CGuiElement* window);

  void OnGuiCommand(GuiCommand& command);
  // The park's attractions into the list.
  void Refresh();

  CGuiElement* window = nullptr;
};
