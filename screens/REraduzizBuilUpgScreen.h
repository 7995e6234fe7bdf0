#pragma once
// The attraction list: every attraction of the park with its upgrade level
// and the price of its next upgrade. Choosing a row closes the list and the
// finance overview and opens the upgrade screen for that attraction. Each
// row keeps the attraction's number, so a row of an attraction removed
// since the list was filled opens nothing.
#include <cstdint>

#include "gui/core/CGuiElement.h"
#include "gui/core/GuiCommand.h"

class CAttraction;
class CGuiButton;
class CGuiGrid;
class CGuiStaticText;
class ScreenHost;

class REraduzizBuilUpgScreen {
 public:
  static constexpr int32_t kCloseId = 10232;
  static constexpr int32_t kTitleId = 10233;
  static constexpr int32_t kListId = 10234;
  static constexpr int32_t kColumnCount = 3;

  // The window may be null (the GUI description lacks it): nothing is bound.
  REraduzizBuilUpgScreen(ScreenHost& host, CGuiElement* window);

  // The title and the park's attractions into the list.
  void Refresh();
  void OnGuiCommand(GuiCommand& command);

  CGuiElement* window = nullptr;
  CGuiStaticText* title = nullptr;
  CGuiGrid* list = nullptr;
  CGuiButton* closeButton = nullptr;

 private:
  void OnRowChosen();
  // The attraction with the number, or null when it is gone.
  CAttraction* FindAttraction(int32_t number) const;

  ScreenHost& m_host;
};
