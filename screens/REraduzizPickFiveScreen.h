#pragma once
// The second picker pop-up: a VIP visitor's remark on the park's clean
// paths (the character manager's second rating).
#include <cstdint>

#include "screens/PickerPopup.h"
#include "screens/ThoughtSentence.h"

class CGuiTextBox;

class REraduzizPickFiveScreen : public PickerPopup {
 public:
  // The window may be null (the GUI description lacks it).
  REraduzizPickFiveScreen(ScreenHost& host, CGuiElement* window);

  // The sentence of the second rating.
  void Show();

  // The sentence a rating selects: ratings 0, 20, 40, 60 and 80 give
  // sentences 4 down to 0 of category 20 or 21 (by the draw's parity), any
  // other rating sentence 0 of category 19.
  static SentenceChoice ChooseSentence(int32_t rating, int draw);

  CGuiTextBox* content = nullptr;
};
