#pragma once
// The attraction upgrade screen: one attraction's condition, level and upgrade.
// Its controls and actions are still to come: for now it keeps its window
// and takes its place in the command chain.
#include <cstdint>

#include "gui/core/CGuiElement.h"
#include "gui/core/GuiCommand.h"

class REraduzizUpgradeScreen {
 public:
  // The window may be null (the GUI description lacks it).
  explicit REraduzizUpgradeScreen(CGuiElement* window);

  void OnGuiCommand(GuiCommand& command);

  CGuiElement* window = nullptr;
};
