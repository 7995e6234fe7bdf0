#pragma once
// What the three picker pop-ups share: the window, its one close button
// (caption "OK"), and the close, which hides the window and clears the
// modal flag.
#include <cstdint>

#include "gui/core/CGuiElement.h"
#include "gui/core/GuiCommand.h"
#include "screens/ScreenHost.h"

class CGuiButton;

class PickerPopup {
 public:
  void OnGuiCommand(GuiCommand& command);

  CGuiElement* window = nullptr;
  CGuiButton* closeButton = nullptr;

 protected:
  // Binds the close button when the window exists.
  PickerPopup(ScreenHost& host, CGuiElement* window, int32_t closeId, const char* screen);
  ~PickerPopup() = default;

  ScreenHost& m_host;
};

// The sentence of a category's index as a text box's literal; a picker with
// one text box shows its sentence so.
class CGuiTextBox;
void ShowThoughtSentence(ScreenHost& host, CGuiTextBox* box, int32_t category, int32_t index);
