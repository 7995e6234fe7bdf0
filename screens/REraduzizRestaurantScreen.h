#pragma once
// The restaurant menu window: the restaurant food types of the food
// catalogue with their prices, opened from the food menu. Choosing a type,
// while a restaurant stands in the park, opens the menu items window of
// that type, which reads the choice from here.
#include <cstdint>

#include "gui/core/CGuiElement.h"
#include "gui/core/GuiCommand.h"

class CGuiGrid;
class ScreenHost;

class REraduzizRestaurantScreen {
 public:
  static constexpr int32_t kListId = 10131;

  // The window may be null (the GUI description lacks it).
  REraduzizRestaurantScreen(ScreenHost& host, CGuiElement* window);

  // The types in catalogue order; the first one is chosen.
  void Refresh();
  void OnGuiCommand(GuiCommand& command);
  // Whether one of the park's restaurants stands.
  bool RestaurantStands() const;

  CGuiElement* window = nullptr;
  CGuiGrid* list = nullptr;
  // The id of the chosen restaurant food type, -1 for none.
  int32_t chosenType = -1;

 private:
  void OpenMenuItems();

  ScreenHost& m_host;
};
