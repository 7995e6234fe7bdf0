#pragma once
// A push button whose look is a short run of image frames per state
// (normal, hover, pressed, disabled), loaded from one folder. Each draw
// shows the next frame of the current state's run and then holds its last
// frame. Caption, input and commands are those of the plain button without
// dragging; its click sound is "ANIMBUTTON_CLICK".
#include <cstdint>
#include <memory>
#include <vector>

#include "engine/core/EngineString.h"
#include "engine/render/ZOdevuvText.h"
#include "gui/core/CGuiElement.h"
#include "gui/core/GuiColour.h"

class CGuiAnimButton : public CGuiElement {
 public:
  static constexpr int32_t kColourCount = 4;
  static constexpr int32_t kFixedColour = 3;
  static constexpr int32_t kStateDisabled = 3;

  CGuiAnimButton();
  ~CGuiAnimButton() override;

  // Moves set the hover or normal state; presses and releases inside post
  // the button's commands and are taken. A hidden button takes nothing.
  bool HandleMessage(const plat::Message* message, uint8_t flag) override;
  // A hidden button draws nothing.
  void Draw() override;

  // The folder ends with a path separator. Normal frames are
  // "base_0.png" ..., the others "hover_1.png", "pressed_1.png" and
  // "disable_1.png" on. A frame that does not load is left out of its run.
  void LoadFrames(const EngineString& folder, int32_t normalCount, int32_t hoverCount, int32_t pressedCount,
                  int32_t disabledCount);

  void SetText(const EngineString& caption, uint32_t format);
  // True: the caption always takes the fourth colour and the button
  // ignores the mouse. Returns whether it takes the mouse now.
  bool SetFixedTextColour(bool fixed);
  void SetTextColours(const GuiColour& normal, const GuiColour& hover, const GuiColour& pressed,
                      const GuiColour& fixed);
  void SetFont(int32_t pointSize, int32_t charWidth, int32_t weight, uint8_t italic, int32_t charSet,
               int32_t outputPrecision, int32_t quality, int32_t pitchAndFamily, const EngineString& face);

  int32_t GetFrameIndex() const { return m_frameIndex; }
  int32_t GetCount(int32_t state) const;
  // Frame `index` of the state's run, null for none.
  const ZOdevuvTexture* GetFrame(int32_t state, int32_t index) const;
  const EngineString& GetCaption() const { return m_caption; }

  uint8_t perState = 1;

 private:
  using Run = std::vector<GuiTexturePtr>;
  // The run of a state, null for a state that has none.
  const Run* RunOf(int32_t state) const;
  void LoadRun(Run& run, int32_t& count, const EngineString& folder, const char* pattern, int32_t first,
               int32_t number);
  void DrawFrameOf(ZOdevuvTexture& frame);
  void DrawCaption();
  bool HandleButton(unsigned message);
  void Press(int32_t state, int32_t code, bool withSound);

  EngineString m_caption;
  std::unique_ptr<ZOdevuvText> m_label;
  GuiColour m_colours[kColourCount] = {kGuiBlack, kGuiBlack, kGuiBlack, kGuiBlack};
  int32_t m_format = 5;  // centred both ways
  Run m_disabledFrames;
  Run m_normalFrames;
  Run m_hoverFrames;
  Run m_pressedFrames;
  int32_t m_hoverCount = 0;
  int32_t m_normalCount = 0;
  int32_t m_disabledCount = 0;
  int32_t m_pressedCount = 0;
  int32_t m_frameIndex = 0;
};
