#pragma once
// A one-row box that shows the current choice, a drop button at its right
// end, and a separate pop-up list below the box while the menu is open.
// Picking an entry closes the pop-up, makes the entry the box's one row and
// posts a select command with the entry's index. The list operations of the
// menu go to the pop-up list.
#include <cstdint>

#include "gui/widgets/CGuiListBox.h"

class CGuiDropDownMenu : public CGuiListBox {
 public:
  static constexpr int32_t kListIdOffset = 10001;
  static constexpr int32_t kListType = 9;

  CGuiDropDownMenu();
  ~CGuiDropDownMenu() override;

  // A left press on a row of the open pop-up picks it; one outside the drop
  // button and the pop-up's scroll bar closes the menu.
  bool HandleMessage(const plat::Message* message, uint8_t flag) override;
  void Draw() override;
  // Left presses are not passed on to the children.
  void OnLeftDown(GuiCommand* command) override;
  // The drop button's click opens or closes the pop-up.
  void OnClick(GuiCommand* command) override;

  // The box keeps one row; the pop-up gets the rows.
  void SetVisibleRows(int32_t rows) override;
  void SetFont(int32_t pointSize, int32_t charWidth, int32_t weight, uint8_t italic, int32_t charSet,
               int32_t outputPrecision, int32_t quality, int32_t pitchAndFamily, const EngineString& face) override;
  void SetItemTexture(const EngineString& path) override;
  void CreateScrollBar(const EngineString& background, const EngineString& up, const EngineString& down,
                       const EngineString& thumb) override;
  // The first entry of the pop-up also becomes the box's choice.
  void SetItemText(int32_t index, const EngineString& text, uint32_t data) override;
  void AddItem(const EngineString& text, uint32_t data) override;
  void SetItemData(int32_t index, uint32_t data) override;
  void SetItemColour(const GuiColour& colour) override;
  void SetHasHeader(bool hasHeader) override;
  // Empties both the box and the pop-up.
  void Clear() override;
  void UpdateScrollRange() override;

  // The pop-up list, below the box, locked hidden until the menu opens.
  void CreateList(const EngineString& background);
  void CreateDropButton(const EngineString& path, int32_t cellCount);
  void SetOpen(bool open);

  bool IsOpen() const { return m_open != 0; }
  int32_t GetListRows() const { return m_listRows; }
  int32_t GetSelectedIndex() const { return m_selected; }
  CGuiListBox* GetList() const { return m_list; }
  CGuiButton* GetDropButton() const { return m_dropButton; }

 private:
  // After an entry was added: the first one is shown in the box.
  void ShowFirstEntry(const EngineString& text, uint32_t data);
  void Pick(int32_t row);

  uint8_t m_open = 0;
  int32_t m_listRows = 0;
  CGuiButton* m_dropButton = nullptr;  // one of the children
  int32_t m_selected = 0;
  CGuiListBox* m_list = nullptr;  // one of the children
};
