#pragma once
// A push button with state images (normal, hover, pressed and a fourth
// cell side by side) and a caption. It turns mouse messages into GUI
// commands, plays the click sound, and can be dragged within limits like a
// slider knob.
#include <cstdint>
#include <memory>

#include "engine/core/EngineString.h"
#include "engine/render/ZOdevuvText.h"
#include "gui/core/CGuiElement.h"
#include "gui/core/GuiColour.h"

class CGuiButton : public CGuiElement {
 public:
  // Caption colours by state; the fourth is for a button that is not
  // interactive.
  static constexpr int kColourCount = 4;
  static constexpr int kFixedColour = 3;

  CGuiButton();
  ~CGuiButton() override;

  // The button's own commands come from here. Presses and releases inside a
  // visible button are taken (also when it is disabled or not interactive),
  // so they do not reach the layers below or the world; mouse moves are
  // never taken.
  bool HandleMessage(const plat::Message* message, uint8_t flag) override;
  void Draw() override;

  void SetText(const EngineString& caption, uint32_t format);
  // interactive = !fixed; returns the new interactive value.
  bool SetFixedTextColour(bool fixed);
  void SetDragMax(int32_t x, int32_t y);
  void SetDragMin(int32_t x, int32_t y);
  void SetTextColours(const GuiColour& normal, const GuiColour& hover, const GuiColour& pressed,
                      const GuiColour& fixed);
  void SetFont(int32_t pointSize, int32_t charWidth, int32_t weight, uint8_t italic, int32_t charSet,
               int32_t outputPrecision, int32_t quality, int32_t pitchAndFamily, const EngineString& face);

  const EngineString& GetCaption() const { return m_caption; }
  uint32_t GetFormat() const { return m_format; }
  bool IsHeld() const { return held != 0; }

  // Set directly by the screens.
  uint8_t interactive = 1;
  uint8_t forcedStateOn = 0;
  uint8_t suppressed = 0;
  int32_t forcedState = 0;
  uint8_t held = 0;
  uint8_t dragVertical = 0;
  uint8_t dragHorizontal = 0;
  uint8_t evasive = 0;

 private:
  void HandleMove(int32_t x, int32_t y);
  void Drag(int32_t x, int32_t y);
  // Jumps away from the pointer, staying on the screen.
  void Evade(int32_t x, int32_t y);
  void HandleButtons(unsigned message, int32_t x, int32_t y);
  void Press(int32_t code, bool withSound);

  EngineString m_caption;
  std::unique_ptr<ZOdevuvText> m_label;
  GuiColour m_colours[kColourCount] = {kGuiBlack, kGuiBlack, kGuiBlack, kGuiBlack};
  uint32_t m_format = 5;  // centred both ways
  int32_t m_lastX = 0;
  int32_t m_lastY = 0;
  int32_t m_dragMaxX = 0;
  int32_t m_dragMaxY = 0;
  int32_t m_dragMinX = 0;
  int32_t m_dragMinY = 0;
};
