#pragma once
// The menu items window: the foods of the restaurant food type chosen in
// the restaurant menu window, with their prices. The player composes a new
// food or opens the chosen one (on the topping screen, or on the hot meal
// page when the type's foods are hot meals) and deletes composed foods.
#include <cstdint>

#include "gui/core/CGuiElement.h"
#include "gui/core/GuiCommand.h"

class CGuiButton;
class CGuiGrid;
class CGuiStaticText;
class ScreenHost;
struct FoodTypeRecord;

class REraduzizFastFoodScreen {
 public:
  static constexpr int32_t kTitleId = 10344;
  static constexpr int32_t kListId = 10345;
  static constexpr int32_t kNewId = 10346;
  static constexpr int32_t kOpenId = 10347;
  static constexpr int32_t kDeleteId = 10348;
  // Column 0's header is this text plus the type's id, one per type.
  static constexpr int32_t kFirstTypeHeaderText = 100219;
  static constexpr int32_t kModeUnknown = -1;

  // The window may be null (the GUI description lacks it).
  REraduzizFastFoodScreen(ScreenHost& host, CGuiElement* window);

  // The chosen type's foods; the mode from its last food; the button looks.
  void Refresh();
  // Removes the selected food from the chosen type.
  void DeleteSelectedFood();
  void OnGuiCommand(GuiCommand& command);
  // The restaurant menu window's chosen type id, -1 without one.
  int32_t ChosenType() const;
  // The chosen type of the catalogue, or null.
  FoodTypeRecord* FindChosenType() const;

  CGuiElement* window = nullptr;
  CGuiStaticText* title = nullptr;
  CGuiGrid* list = nullptr;
  CGuiButton* newButton = nullptr;
  CGuiButton* openButton = nullptr;
  CGuiButton* deleteButton = nullptr;
  // The id of the selected food, -1 for none.
  int32_t selectedFood = -1;
  // The del value of the foods listed (FoodRecord::kComposed or kHotMeal).
  int32_t mode = kModeUnknown;
  // 1 while the topping screen composes a new food, 0 while it edits the
  // selected one.
  uint8_t composing = 0;

 private:
  void SetButtonLooks(bool newFixed, bool openFixed, bool deleteFixed);
  void CloseFoodPages(int32_t sender);
  void OnDelete();
  void OnOpen();
  void OnNew();

  ScreenHost& m_host;
};
