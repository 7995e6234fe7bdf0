#pragma once
// A box image with six frames and a label. A click in the box posts a click
// command that comes back to the box through the dispatcher and toggles it
// (unless it is locked), with the sound "CHECK_CLICK".
#include <cstdint>
#include <memory>

#include "engine/core/EngineString.h"
#include "engine/render/ZOdevuvText.h"
#include "gui/core/CGuiElement.h"
#include "gui/core/GuiColour.h"

class CGuiCheckBox : public CGuiElement {
 public:
  // The frames of the box image.
  enum Frame : int32_t {
    kUnchecked = 0,
    kUncheckedHover = 1,
    kChecked = 2,
    kCheckedHover = 3,
    kUncheckedLocked = 4,
    kCheckedLocked = 5,
  };
  enum Alignment : int32_t { kBoxLeft = 0, kBoxRight = 1 };

  CGuiCheckBox();
  ~CGuiCheckBox() override;

  // Only the box is live: a release in it posts the click, a press in it is
  // taken, a move sets the hover frame. A hidden box takes nothing.
  bool HandleMessage(const plat::Message* message, uint8_t flag) override;
  void Draw() override;
  // Toggles on the box's own click unless locked, and consumes it.
  void OnClick(GuiCommand* command) override;

  void SetText(const EngineString& label, uint32_t format);
  void SetTextColour(const GuiColour& colour) { m_colour = colour; }
  void SetFont(int32_t pointSize, int32_t charWidth, int32_t weight, uint8_t italic, int32_t charSet,
               int32_t outputPrecision, int32_t quality, int32_t pitchAndFamily, const EngineString& face);
  void SetAlignment(int32_t alignment) { m_alignment = alignment; }
  // The element grows to hold at least the box.
  void SetBoxTexture(const EngineString& path, int32_t frameCount);
  bool InBox(int32_t x, int32_t y) const;

  // What the screens use to set the state from outside; the frame follows.
  void SetChecked(bool on);
  void SetLocked(bool on);

  bool IsChecked() const { return checked != 0; }
  bool IsLocked() const { return locked != 0; }
  int32_t GetFrame() const { return m_frame; }
  int32_t GetBoxX() const { return m_boxX; }
  int32_t GetBoxY() const { return m_boxY; }
  int32_t GetBoxWidth() const { return m_boxWidth; }
  int32_t GetBoxHeight() const { return m_boxHeight; }

  uint8_t checked = 0;
  uint8_t locked = 0;

 private:
  // The resting frame of the state: 0/2, or 4/5 when locked.
  int32_t RestingFrame() const;
  int32_t FrameForPointer(bool inBox) const;
  // Places the box for the alignment and returns the label's rectangle.
  plat::Rect LayOut();

  GuiColour m_colour = kGuiBlack;
  std::unique_ptr<ZOdevuvText> m_label;
  EngineString m_text;
  uint32_t m_format = 0;
  GuiTexturePtr m_boxTexture;
  int32_t m_frameCount = 0;
  int32_t m_frame = kUnchecked;
  int32_t m_boxWidth = 0;
  int32_t m_boxHeight = 0;
  int32_t m_alignment = kBoxLeft;
  int32_t m_boxX = 0;
  int32_t m_boxY = 0;
};
