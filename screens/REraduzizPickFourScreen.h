#pragma once
// The third picker pop-up: another VIP visitor's remark on the park's
// greenery (the character manager's first rating).
#include <cstdint>

#include "screens/PickerPopup.h"
#include "screens/ThoughtSentence.h"

class CGuiTextBox;

class REraduzizPickFourScreen : public PickerPopup {
 public:
  // The window may be null (the GUI description lacks it).
  REraduzizPickFourScreen(ScreenHost& host, CGuiElement* window);

  // The sentence of the first rating.
  void Show();

  // Ratings 0, 20, 40, 60 and 80 give sentences 0 to 4 of category 19, any
  // other rating sentence 0 of category 20.
  static SentenceChoice ChooseSentence(int32_t rating);

  CGuiTextBox* content = nullptr;
};
