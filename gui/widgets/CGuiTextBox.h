#pragma once
// A long text broken into lines that fit the box's width, shown from a top
// line on, with a vertical scroll bar at the right edge when the lines do not
// all fit.
#include <cstdint>
#include <memory>
#include <vector>

#include "engine/core/EngineString.h"
#include "engine/render/ZOdevuvText.h"
#include "gui/core/CGuiElement.h"
#include "gui/core/GuiColour.h"

class CGuiVScroll;

class CGuiTextBox : public CGuiElement {
 public:
  // The scroll bar's id: the box's id with the low 24 bits set. It is the
  // same for every box below 2^24, so nothing is routed by it.
  static constexpr int32_t kScrollBarIdBits = 0x00FFFFFF;
  // The line height when the font measures nothing.
  static constexpr int32_t kDefaultLineHeight = 16;

  CGuiTextBox();
  ~CGuiTextBox() override;

  void Draw() override;
  void ScrollUp(GuiCommand* command) override;
  void ScrollDown(GuiCommand* command) override;
  // To command->control, kept within the lines.
  void ScrollTo(GuiCommand* command) override;

  void SetFont(int32_t pointSize, int32_t charWidth, int32_t weight, uint8_t italic, int32_t charSet,
               int32_t outputPrecision, int32_t quality, int32_t pitchAndFamily, const EngineString& face);
  void SetTextColour(const GuiColour& colour) { m_colour = colour; }
  void SetDrawFormat(uint32_t format) { m_format = format; }
  // Background, then the up, down and thumb images; the last value is not
  // used.
  void CreateScrollBar(const EngineString& background, const EngineString& up, const EngineString& down,
                       const EngineString& thumb, int32_t unused);
  // Wraps the text with the scroll bar's width kept free, or over the full
  // width when it fits without scrolling. The top line stays where it was
  // as far as the new lines allow.
  void SetText(int32_t textId, const EngineString& literal);
  void Clear();
  void UpdateScrollRange();
  void WrapText();

  const std::vector<EngineString>& GetLines() const { return m_lines; }
  int32_t GetTopLine() const { return m_topLine; }
  int32_t GetVisibleLines() const { return m_visibleLines; }
  int32_t GetLineHeight() const { return m_lineHeight; }
  CGuiVScroll* GetScrollBar() const { return m_scrollBar; }
  bool ReservesScrollWidth() const { return m_reserveScrollWidth != 0; }

 private:
  // Width and height of the text in the label's font.
  plat::Rect Measure(const EngineString& text) const;
  int32_t MeasureWidth(const EngineString& text) const;
  // One line from pos on; pos ends past what the line used.
  EngineString NextLine(int32_t& pos, int32_t avail) const;
  int32_t ReservedWidth() const;
  int32_t LastTopLine() const;
  void SetTopLine(int32_t line);

  std::unique_ptr<ZOdevuvText> m_label;
  EngineString m_text;
  std::vector<EngineString> m_lines;
  int32_t m_lineHeight = 0;
  int32_t m_visibleLines = 0;
  int32_t m_topLine = 0;
  GuiColour m_colour = kGuiWhite;
  uint32_t m_format = 0;
  CGuiVScroll* m_scrollBar = nullptr;  // one of the children
  uint8_t m_reserveScrollWidth = 0;
};
