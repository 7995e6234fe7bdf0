#pragma once
// The hot meal price page: the price of the hot meal selected in the menu
// items window. The player raises or lowers a pending change of the price
// and makes it the price with OK.
#include <cstdint>

#include "engine/core/EngineString.h"
#include "gui/core/CGuiElement.h"
#include "gui/core/GuiCommand.h"

class CGuiButton;
class CGuiStaticText;
class ScreenHost;
struct FoodRecord;

class REraduzizHotMealScreen {
 public:
  static constexpr int32_t kTypeNameId = 10376;
  static constexpr int32_t kPriceCaptionId = 10377;
  static constexpr int32_t kPriceId = 10379;
  static constexpr int32_t kDownId = 10380;
  static constexpr int32_t kUpId = 10381;
  static constexpr int32_t kOkId = 10382;
  static constexpr int32_t kNameCaptionId = 10383;
  static constexpr int32_t kFoodNameId = 10384;

  // The window may be null (the GUI description lacks it).
  REraduzizHotMealScreen(ScreenHost& host, CGuiElement* window);

  // The selected food of the chosen type, or null; sets the type name.
  FoodRecord* FindSelectedItem();
  // The food, its type and its price with the pending change.
  void Refresh();
  void OnGuiCommand(GuiCommand& command);

  CGuiElement* window = nullptr;
  // Set to 0 by the menu items window each time it opens the page.
  int32_t priceChange = 0;
  EngineString typeName;
  CGuiStaticText* priceText = nullptr;
  CGuiStaticText* foodNameText = nullptr;
  CGuiStaticText* typeNameText = nullptr;
  CGuiButton* okButton = nullptr;

 private:
  void Commit();

  ScreenHost& m_host;
};
