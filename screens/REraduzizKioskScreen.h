#pragma once
// The kiosk price window: the price of the kiosk food chosen in the buffet
// screen. The price buttons only take clicks while the park's sponsored
// snack bar stands; OK makes the pending change the price.
#include <cstdint>

#include "gui/core/CGuiElement.h"
#include "gui/core/GuiCommand.h"

class CGuiButton;
class CGuiStaticText;
class ScreenHost;
struct FoodRecord;

class REraduzizKioskScreen {
 public:
  static constexpr int32_t kTitleId = 10350;
  static constexpr int32_t kPriceCaptionId = 10351;
  static constexpr int32_t kPriceId = 10353;
  static constexpr int32_t kDownId = 10354;
  static constexpr int32_t kUpId = 10355;
  static constexpr int32_t kOkId = 10356;
  static constexpr int32_t kNameCaptionId = 10357;
  static constexpr int32_t kFoodNameId = 10358;
  // The placed object without which kiosk prices cannot change.
  static constexpr const char* kSnackBarName = "bufe_zarp";

  // The window may be null (the GUI description lacks it).
  REraduzizKioskScreen(ScreenHost& host, CGuiElement* window);

  // The buffet screen's chosen kiosk food, or null.
  FoodRecord* FindSelectedBuilding() const;
  // The food and its price with the pending change; the price buttons
  // locked unless the snack bar stands.
  void Refresh();
  void OnGuiCommand(GuiCommand& command);

  CGuiElement* window = nullptr;
  // Set to 0 by the buffet screen each time it opens the window.
  int32_t priceChange = 0;
  CGuiStaticText* priceText = nullptr;
  CGuiStaticText* foodNameText = nullptr;
  CGuiStaticText* title = nullptr;
  CGuiStaticText* caption = nullptr;
  CGuiButton* okButton = nullptr;

 private:
  bool PricesLocked() const;
  void Commit();

  ScreenHost& m_host;
};
