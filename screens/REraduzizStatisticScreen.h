#pragma once
// The statistics window: charts of the park's figures and of one attraction.
// Its controls and actions are still to come: for now it keeps its window
// and takes its place in the command chain.
#include <cstdint>

#include "gui/core/CGuiElement.h"
#include "gui/core/GuiCommand.h"

class REraduzizStatisticScreen {
 public:
  // The window may be null (the GUI description lacks it).
  explicit REraduzizStatisticScreen(CGuiElement* window);

  void OnGuiCommand(GuiCommand& command);

  // The ticket chart of the stored date; the finance overview calls it
  // before it shows the page.
  void Open();

  // Back to the park's view (the hide-all does it): no attraction chosen.
  void ShowParkView();

  // 0 the park's categories, 1 one attraction.
  uint8_t view = 0;
  // The attraction shown in the attraction view, -1 for none.
  int32_t subject = -1;

  CGuiElement* window = nullptr;
};
