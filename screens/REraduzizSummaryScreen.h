#pragma once
// The finance overview: the park's income and costs and the visitors' mood.
// Its controls and actions are still to come: for now it keeps its window
// and takes its place in the command chain.
#include <cstdint>

#include "gui/core/CGuiElement.h"
#include "gui/core/GuiCommand.h"

class REraduzizSummaryScreen {
 public:
  // The window may be null (the GUI description lacks it).
  explicit REraduzizSummaryScreen(CGuiElement* window);

  void OnGuiCommand(GuiCommand& command);

  void Refresh();

  CGuiElement* window = nullptr;
};
