#pragma once
// A one-line text input. It takes the focus when clicked and gives it up
// when a click lands outside it, both through commands it posts to itself.
// While focused it turns key presses into letters (upper case with Caps
// Lock or Shift), digits and blanks, Backspace and Delete removing the last
// character, and shows a caret after the text that blinks on the tick clock.
#include <cstdint>
#include <memory>

#include "engine/core/EngineString.h"
#include "engine/render/ZOdevuvText.h"
#include "gui/core/CGuiElement.h"
#include "gui/core/GuiColour.h"

class CGuiEditBox : public CGuiElement {
 public:
  static constexpr uint32_t kDefaultBlinkInterval = 500;  // milliseconds

  CGuiEditBox();
  ~CGuiEditBox() override;

  // Left releases post the focus commands. Key presses that a focused box
  // types with (letters, digits, space, Backspace, Delete) are taken, so
  // they do not also act as the game's keys; all other messages go on.
  bool HandleMessage(const plat::Message* message, uint8_t flag) override;
  void Draw() override;
  // Both act only on a command that the box itself sent, and consume it.
  void OnGainFocus(GuiCommand* command) override;
  void OnLoseFocus(GuiCommand* command) override;

  void SetText(const EngineString& text, uint32_t format, const GuiColour& colour);
  void SetFont(int32_t pointSize, int32_t charWidth, int32_t weight, uint8_t italic, int32_t charSet,
               int32_t outputPrecision, int32_t quality, int32_t pitchAndFamily, const EngineString& face);
  EngineString GetText() const { return m_text; }
  // Strictly inside the element's rectangle.
  bool ContainsPoint(int32_t x, int32_t y) const;

  bool IsFocused() const { return focused != 0; }
  bool IsCaretShown() const { return m_caretShown != 0; }
  int32_t GetLastKey() const { return m_lastKey; }

  // Set by the screens.
  uint8_t digitsOnly = 0;
  int32_t maximumLength = -1;  // negative: no limit
  uint32_t blinkInterval = kDefaultBlinkInterval;
  uint8_t focused = 0;

 private:
  // True when the key is one the box types with.
  bool TypeKey(int32_t key);
  char CharacterFor(int32_t key) const;
  void BlinkCaret();

  GuiColour m_colour = kGuiBlack;
  std::unique_ptr<ZOdevuvText> m_label;
  EngineString m_text;
  uint32_t m_format = 4;  // vertically centred
  uint32_t m_blinkTime = 0;
  uint8_t m_caretShown = 0;
  uint8_t m_caretOn = 0;
  int32_t m_lastKey = 0;
};
