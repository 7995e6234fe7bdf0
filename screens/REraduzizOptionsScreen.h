#pragma once
// The options screen: music, sound effects, brightness and picture detail,
// kept in the settings file.
// Its controls and actions are still to come: for now it keeps its window
// and takes its place in the command chain.
#include <cstdint>

#include "gui/core/CGuiElement.h"
#include "gui/core/GuiCommand.h"

class REraduzizOptionsScreen {
 public:
  // The window may be null (the GUI description lacks it).
  explicit REraduzizOptionsScreen(CGuiElement* window);

  void OnCommand(GuiCommand& command);

  CGuiElement* window = nullptr;
  // The sound-effect settings the game reads: the effects switch, and the
  // effect value (50 to 200 from the knob).
  uint8_t effectsEnabled = 0;
  int32_t effectValue = 800;
};
