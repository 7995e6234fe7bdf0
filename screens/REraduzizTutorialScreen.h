#pragma once
// The tutorial: the lesson pages and the lesson menu.
// Its controls and actions are still to come: for now it keeps its window
// and takes its place in the command chain.
#include <cstdint>

#include "gui/core/CGuiElement.h"
#include "gui/core/GuiCommand.h"

class REraduzizTutorialScreen {
 public:
  // The window may be null (the GUI description lacks it).
  explicit REraduzizTutorialScreen(CGuiElement* window);

  void OnGuiCommand(GuiCommand& command);

  CGuiElement* window = nullptr;

  // The lessons: how many are done (0..5; the saved game and the tutorial
  // progress keep it) and a mark for each lesson done.
  static constexpr int32_t kLessonCount = 5;
  int32_t stepCount = 0;
  uint8_t stepMarks[kLessonCount] = {};
};
