#pragma once
// The build book: the catalogue of buildings by realm and level, its pages and the buying of a building to place.
// Its controls and actions are still to come: for now it keeps its window
// and takes its place in the command chain.
#include <cstdint>

#include "gui/core/CGuiElement.h"
#include "gui/core/GuiCommand.h"

class REraduzizBuildBook {
 public:
  // The window may be null (the GUI description lacks it).
  explicit REraduzizBuildBook(CGuiElement* window);

  void OnGuiCommand(GuiCommand& command);

  // The highest building level the player may buy; a new game starts at 1.
  int32_t highestLevel = 1;

  CGuiElement* window = nullptr;
};
