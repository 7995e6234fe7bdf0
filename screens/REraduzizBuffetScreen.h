#pragma once
// The buffet screen: the kiosk foods of the food catalogue with their
// prices, opened from the food menu. Choosing one opens the kiosk price
// window for it, which reads the choice from here.
#include <cstdint>

#include "gui/core/CGuiElement.h"
#include "gui/core/GuiCommand.h"

class CGuiGrid;
class CGuiStaticText;
class ScreenHost;

class REraduzizBuffetScreen {
 public:
  static constexpr int32_t kListId = 10127;
  static constexpr int32_t kCaptionId = 10128;

  // The window may be null (the GUI description lacks it).
  REraduzizBuffetScreen(ScreenHost& host, CGuiElement* window);

  // The kiosk foods in catalogue order; the first one is chosen.
  void Refresh();
  void OnGuiCommand(GuiCommand& command);

  CGuiElement* window = nullptr;
  CGuiGrid* list = nullptr;
  CGuiStaticText* caption = nullptr;
  // The id of the chosen kiosk food, -1 for none.
  int32_t selectedFood = -1;

 private:
  void OpenKiosk();

  ScreenHost& m_host;
};
