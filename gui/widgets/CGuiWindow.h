#pragma once
// A framed panel with an optional title bar: a strip with one frame per
// state (enabled, disabled) and a title. A click on the title bar of a
// disabled window asks the GUI manager to activate it.
#include <cstdint>
#include <memory>

#include "engine/core/EngineString.h"
#include "engine/render/ZOdevuvText.h"
#include "gui/core/CGuiElement.h"
#include "gui/core/GuiColour.h"

class ZOdevuvTexture;

class CGuiWindow : public CGuiElement {
 public:
  static constexpr uint32_t kTitleFormat = 4;  // vertically centred

  CGuiWindow();
  ~CGuiWindow() override;

  // A left release on the title bar is taken; on a disabled window it posts
  // the activate command. Everything else goes to the element base.
  bool HandleMessage(const plat::Message* message, uint8_t flag) override;
  void Draw() override;

  // With an empty path nothing changes.
  void SetTitleBar(const EngineString& path, bool titleBar, int32_t height, int32_t frameCount);
  void SetFont(int32_t pointSize, int32_t charWidth, int32_t weight, uint8_t italic, int32_t charSet,
               int32_t outputPrecision, int32_t quality, int32_t pitchAndFamily, const EngineString& face);
  void SetTitle(const EngineString& title) { m_title = title; }
  void SetTitleColours(const GuiColour& enabled, const GuiColour& disabled);
  void SetHidden(bool hidden);

  const EngineString& GetTitle() const { return m_title; }
  int32_t GetTitleBarHeight() const { return m_titleBarHeight; }
  bool HasTitleBar() const { return m_titleBar != 0; }
  // 0 enabled, 1 disabled, as the last Draw found it.
  int32_t GetState() const { return m_state; }

  // Pictures that the owner sets and keeps (the window never frees them):
  // while drawOwnPicture is 1 the picture covers the window, then, while
  // overlay is 1, the overlay picture over it; the children come on top.
  uint8_t drawOwnPicture = 0;
  ZOdevuvTexture* picture = nullptr;
  uint8_t overlay = 0;
  ZOdevuvTexture* overlayPicture = nullptr;

 protected:
  void DrawUnderChildren() override;

 private:
  bool InTitleBar(int32_t x, int32_t y) const;

  uint8_t m_titleBar = 0;
  std::unique_ptr<ZOdevuvText> m_label;
  EngineString m_title;
  GuiColour m_titleColours[2] = {kGuiBlack, kGuiBlack};
  GuiTexturePtr m_titleBarTexture;
  int32_t m_titleBarHeight = 0;
  int32_t m_state = 0;
};
