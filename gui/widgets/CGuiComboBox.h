#pragma once
// A one-row box that shows the selected item and drops open into a list
// when its drop button is clicked. Row 0 always shows the selection; the
// items follow from row 1 on. A pick posts a select command with the item's
// index and plays "COMBO_CLICK".
#include <cstdint>

#include "gui/widgets/CGuiListBox.h"

class CGuiComboBox : public CGuiListBox {
 public:
  CGuiComboBox();
  ~CGuiComboBox() override;

  // Picks and closes on a left press; a press outside the drop button and
  // the scroll bar closes the list. A disabled or hidden box picks nothing.
  bool HandleMessage(const plat::Message* message, uint8_t flag) override;
  // The element's height follows the open state every frame.
  void Draw() override;
  // Left presses are not passed on to the children.
  void OnLeftDown(GuiCommand* command) override;
  // The drop button's click opens or closes the list.
  void OnClick(GuiCommand* command) override;
  void SetVisibleRows(int32_t rows) override;
  void Clear() override;

  // At most the maximum drop rows.
  void SetDropRows(int32_t rows);
  void SetScrollRange(int32_t range);
  // The selection, pulled back to the last item when it lies beyond it
  // (-1 for an empty list).
  int32_t GetSelectedIndex();
  // Ignored for an index beyond the last item.
  void SetSelectedIndex(int32_t index);
  void CreateDropButton(const EngineString& path, int32_t cellCount);
  void SetMaxDropRows(int32_t rows) { m_maxDropRows = rows; }
  void SetItemHeight(int32_t height) { m_itemHeight = height; }

  bool IsOpen() const { return m_open != 0; }
  int32_t GetOpenRows() const { return m_openRows; }
  int32_t GetMaxDropRows() const { return m_maxDropRows; }
  int32_t GetItemHeight() const { return m_itemHeight; }
  CGuiButton* GetDropButton() const { return m_dropButton; }

 private:
  void SetOpen(bool open);
  void DrawSelection();

  uint8_t m_open = 0;
  int32_t m_openRows = 0;
  CGuiButton* m_dropButton = nullptr;  // one of the children
  int32_t m_selected = 0;
  int32_t m_maxDropRows = 1;
  int32_t m_itemHeight = 0;
};
