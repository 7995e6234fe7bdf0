#pragma once
// The ticket counter window: the park's entrance price. The player raises
// or lowers a pending change one step at a time; OK makes it the price.
// The finance overview drops the pending change and refreshes the window
// before it shows it.
#include <cstdint>

#include "gui/core/CGuiElement.h"
#include "gui/core/GuiCommand.h"

class CGuiButton;
class CGuiStaticText;
class ScreenHost;

class REraduzizTicketScreen {
 public:
  static constexpr int32_t kPlusId = 10191;
  static constexpr int32_t kMinusId = 10192;
  static constexpr int32_t kOkId = 10193;
  static constexpr int32_t kCaptionId = 10194;
  static constexpr int32_t kUnitId = 10195;
  static constexpr int32_t kPriceId = 10196;
  // No price goes below 1 or above this through the window: visitors stop
  // coming long before, and the sum stays far from overflowing.
  static constexpr int32_t kMinPrice = 1;
  static constexpr int32_t kMaxPrice = 9999;

  // The window may be null (the GUI description lacks it): nothing is bound.
  REraduzizTicketScreen(ScreenHost& host, CGuiElement* window);

  // The captions again and the price with the pending change.
  void Refresh();
  void OnGuiCommand(GuiCommand& command);

  CGuiElement* window = nullptr;
  CGuiButton* plusButton = nullptr;
  CGuiButton* minusButton = nullptr;
  CGuiButton* okButton = nullptr;
  CGuiStaticText* captionText = nullptr;
  CGuiStaticText* unitText = nullptr;
  CGuiStaticText* priceText = nullptr;
  int32_t pendingChange = 0;

 private:
  int32_t ShownPrice() const;

  ScreenHost& m_host;
};
