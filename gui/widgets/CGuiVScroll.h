#pragma once
// The vertical scroll bar that scrolling widgets keep as a child on their
// right edge: an up arrow, a down arrow and a thumb on the track between
// them. It scrolls nothing itself: arrow clicks and thumb drags become GUI
// commands for its owner (the parent element), which scrolls and moves the
// thumb back with SetScrollPos.
#include <cstdint>

#include "engine/core/EngineString.h"
#include "gui/core/CGuiElement.h"

class CGuiVScroll : public CGuiElement {
 public:
  // An arrow held down for more than this many press messages (one per
  // frame while the button is down) starts repeating.
  static constexpr int32_t kRepeatAfter = 100;

  // What every owner's bar is made with: its element type and the four
  // state images side by side in each arrow texture.
  static constexpr int32_t kElementType = 5;
  static constexpr int32_t kArrowCells = 4;

  CGuiVScroll();
  ~CGuiVScroll() override;

  // Makes the bar of a scrolling widget with `id` and adds it as the last
  // child of `owner` (which must have a record), at the owner's right edge
  // inside its frame, from `y` down `height` pixels: the owner knows which
  // rows the bar leaves free.
  static CGuiVScroll* AttachRight(CGuiElement& owner, int32_t id, const EngineString& background,
                                  const EngineString& up, const EngineString& down, const EngineString& thumb,
                                  int32_t y, int32_t height);

  bool HandleMessage(const plat::Message* message, uint8_t flag) override;
  void Draw() override;
  // Sizes the arrows, the thumb and the track from the textures and the
  // record; the bar becomes as wide as an arrow.
  void UpdateLayout() override;

  // Loads each part whose path is not empty.
  void SetTextures(const EngineString& upPath, const EngineString& downPath, const EngineString& thumbPath);
  // Number of scroll positions; the thumb returns to the top.
  void SetRange(int32_t range);
  void SetScrollPos(int32_t position);

  bool InUpArrow(int32_t x, int32_t y) const;
  bool InDownArrow(int32_t x, int32_t y) const;
  bool InThumb(int32_t x, int32_t y) const;

  int32_t GetArrowWidth() const { return m_arrowWidth; }
  int32_t GetArrowHeight() const { return m_arrowHeight; }
  int32_t GetThumbY() const { return m_thumbY; }
  int32_t GetThumbHeight() const { return m_thumbHeight; }
  int32_t GetTrackHeight() const { return m_trackHeight; }
  int32_t GetTrackTop() const { return m_trackTop; }
  int32_t GetRange() const { return m_range; }
  int32_t GetUpFrame() const { return m_upFrame; }
  int32_t GetDownFrame() const { return m_downFrame; }

 private:
  // The id of the element the commands go to, -1 without an owner.
  int32_t OwnerId() const;
  bool HandleLeftDown(int32_t x, int32_t y);
  bool HandleLeftUp(int32_t x, int32_t y);
  void HandleMove(int32_t x, int32_t y, std::uintptr_t heldButtons);
  void DragThumb(int32_t y);

  GuiTexturePtr m_upTexture;
  GuiTexturePtr m_downTexture;
  GuiTexturePtr m_thumbTexture;
  int32_t m_arrowWidth = 0;
  int32_t m_arrowHeight = 0;
  int32_t m_upFrame = 0;
  int32_t m_downFrame = 0;
  int32_t m_thumbFrame = 0;
  int32_t m_thumbX = 0;
  int32_t m_thumbY = 0;
  int32_t m_thumbWidth = 0;
  int32_t m_trackHeight = 0;
  int32_t m_thumbHeight = 0;
  int32_t m_trackTop = 0;
  int32_t m_range = 0;
  // Each bar keeps its own press counts, drag and last pointer position, so
  // a drag on one bar never moves another.
  int32_t m_upHoldCount = 0;
  int32_t m_downHoldCount = 0;
  bool m_dragging = false;
  int32_t m_lastX = 0;
  int32_t m_lastY = 0;
};
