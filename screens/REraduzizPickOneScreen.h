#pragma once
// The first picker pop-up: the rides that are not in full condition, each
// with its condition in percent.
#include <cstdint>

#include "screens/PickerPopup.h"

class CGuiGrid;

class REraduzizPickOneScreen : public PickerPopup {
 public:
  // The window may be null (the GUI description lacks it).
  REraduzizPickOneScreen(ScreenHost& host, CGuiElement* window);

  // Lists every placed ride below 100 percent, its condition held at 0 or
  // above.
  void Show();

  CGuiGrid* content = nullptr;
};
