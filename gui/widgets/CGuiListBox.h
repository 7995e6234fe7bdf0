#pragma once
// A scrollable column of equal rows of text items: an optional header row,
// a highlight behind the row under the pointer, optional separator strips
// between rows and a vertical scroll bar on the right edge. Screens fill it
// with items (text, colour, one data word each) and learn of a pick through
// a select command. The combo box and the drop-down menu build on it.
#include <cstdint>
#include <memory>
#include <vector>

#include "engine/core/EngineString.h"
#include "engine/render/ZOdevuvText.h"
#include "gui/core/CGuiElement.h"
#include "gui/core/GuiColour.h"
#include "gui/core/IntPair.h"

class CGuiButton;
class CGuiVScroll;

struct ListBoxItem {
  int32_t index = 0;  // the item count when it was added
  GuiColour colour = kGuiBlack;
  EngineString text;
  uint32_t data = 0;  // free for the screen that fills the list
};

class CGuiListBox : public CGuiElement {
 public:
  // The ids of the parts the list makes for itself: the owner's id with
  // low bits set, so they are the same for most lists and nothing is routed
  // by them.
  static constexpr int32_t kHeaderIdBits = 0x01FFFFFF;
  static constexpr int32_t kScrollBarIdBits = 0x02FFFFFF;
  static constexpr uint32_t kHeaderFormat = 5;  // centred both ways
  static constexpr uint32_t kVerticalCentre = 4;
  static constexpr int32_t kHeaderColours = 4;
  // The drop button of the combo box and the drop-down menu.
  static constexpr int32_t kDropButtonIdOffset = 10000;

  CGuiListBox();
  ~CGuiListBox() override;

  // Hover row on mouse moves, a select command (code 8, the visible row in
  // the control field) on a left release over an item, scroll commands for
  // the wheel. A disabled list takes nothing.
  bool HandleMessage(const plat::Message* message, uint8_t flag) override;
  void Draw() override;
  void ScrollUp(GuiCommand* command) override;
  void ScrollDown(GuiCommand* command) override;
  // To command->control, kept within the positions that fill the box.
  void ScrollTo(GuiCommand* command) override;

  // Rows in the box, the header row included; the row height follows.
  virtual void SetVisibleRows(int32_t rows);
  virtual void SetFont(int32_t pointSize, int32_t charWidth, int32_t weight, uint8_t italic, int32_t charSet,
                       int32_t outputPrecision, int32_t quality, int32_t pitchAndFamily, const EngineString& face);
  // The highlight drawn behind the hovered row.
  virtual void SetItemTexture(const EngineString& path);
  virtual void CreateScrollBar(const EngineString& background, const EngineString& up, const EngineString& down,
                               const EngineString& thumb);
  // Replaces the text of item i, or pads the list with empty items up to i
  // and appends one with the text.
  virtual void SetItemText(int32_t index, const EngineString& text, uint32_t data);
  virtual void AddItem(const EngineString& text, uint32_t data);
  virtual void SetItemData(int32_t index, uint32_t data);
  // The colour of the items added from now on.
  virtual void SetItemColour(const GuiColour& colour);
  virtual void SetHasHeader(bool hasHeader);
  virtual void Clear();
  virtual void UpdateScrollRange();

  void CreateHeader(const EngineString& caption, const EngineString& background, int32_t cellCount,
                    const GuiColour (&colours)[kHeaderColours]);
  void SetRowSeparators(bool on) { m_rowSeparators = on ? 1 : 0; }
  // The visible row under the point (0 = the box's top row), -1 for none.
  int32_t RowAt(int32_t x, int32_t y) const;
  void SetTopRow(int32_t row);
  // Empty text and 0 for an index that names no item.
  EngineString GetItemText(int32_t index) const;
  uint32_t GetItemData(int32_t index) const;
  void SetTextFormat(uint32_t format) { m_textFormat = format; }
  void SetScrollBarSuppressed(bool suppressed) { m_scrollBarSuppressed = suppressed ? 1 : 0; }
  // Off for lists whose owner reports picks itself (the drop-down's pop-up).
  void SetReportsRowClicks(bool on) { m_reportsRowClicks = on ? 1 : 0; }

  int32_t GetItemCount() const { return int32_t(m_items.size()); }
  const ListBoxItem* GetItem(int32_t index) const;
  int32_t GetTopRow() const { return m_topRow; }
  int32_t GetVisibleRows() const { return m_visibleRows; }
  const IntPair& GetRowSize() const { return m_rowSize; }
  const IntPair& GetScrollBarSize() const { return m_scrollBarSize; }
  int32_t GetHoverRow() const { return m_hoverRow; }
  int32_t GetClickedRow() const { return m_clickedRow; }
  bool HasHeader() const { return m_hasHeader != 0; }
  CGuiButton* GetHeader() const { return m_header; }
  CGuiVScroll* GetScrollBar() const { return m_scrollBar; }
  bool IsScrollBarSuppressed() const { return m_scrollBarSuppressed != 0; }

 protected:
  int32_t HeaderRows() const { return m_hasHeader ? 1 : 0; }
  int32_t FrameThickness() const;
  // The scroll bar shows when the items do not all fit below the header.
  bool ScrollBarNeeded() const;
  // The largest top row that still leaves no empty row at the bottom.
  int32_t LastTopRow() const;
  // Whether visible row `row` shows an item.
  bool RowHoldsItem(int32_t row) const;
  void DrawItemText(const ListBoxItem& item, const plat::Rect& box);
  // The row width the open and closed states of the combo box and the
  // drop-down menu give their box.
  void SetRowWidth(int32_t width) { m_rowSize.first = width; }
  // A drop button at (x, 0) relative to the box; with a frame it moves to
  // the right end of the row inside the frame, and the row gets narrower.
  CGuiButton* MakeDropButton(const EngineString& path, int32_t cellCount, int32_t x);
  // Whether the click came from the drop button: then the box comes to the
  // front of its siblings, so that what opens is drawn over them, and the
  // click is used up. The owner toggles its open state.
  bool TakeDropButtonClick(GuiCommand* command, const CGuiButton* dropButton);

  GuiTexturePtr m_highlight;
  std::unique_ptr<ZOdevuvText> m_text;
  std::vector<ListBoxItem> m_items;
  GuiColour m_itemColour = kGuiBlack;
  uint8_t m_rowSeparators = 0;
  CGuiButton* m_header = nullptr;  // one of the children
  int32_t m_topRow = 0;
  IntPair m_scrollBarSize;
  uint32_t m_textFormat = 0;
  uint8_t m_scrollBarSuppressed = 0;
  CGuiVScroll* m_scrollBar = nullptr;  // one of the children
  int32_t m_visibleRows = 0;
  IntPair m_rowSize;
  uint8_t m_hasHeader = 0;
  int32_t m_hoverRow = -1;
  int32_t m_clickedRow = -1;
  // The combo box and the drop-down menu report picks their own way; their
  // rows must not also post the plain list's select command.
  uint8_t m_reportsRowClicks = 1;

 private:
  void DrawRow(int32_t row, bool barNeeded);
};
