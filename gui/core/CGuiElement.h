#pragma once
// The base of every GUI element: a rectangle on the screen with an optional
// background image of state cells, an optional frame, enabled and visible
// flags, a state and an ordered list of children that are drawn after it
// (the last on top) and offered input before it (the last first). The
// virtual operations are the targets of the GUI commands.
//
// An element owns its record, the record's textures and its children; a
// widget keeps the parts it makes for itself (scroll bars, headers) only in
// its child list.
#include <cstdint>
#include <memory>
#include <vector>

#include "engine/core/EngineString.h"
#include "gui/core/ElementRecord.h"
#include "gui/core/GuiCommand.h"
#include "platform/gfx/DeviceTypes.h"
#include "platform/os/Window.h"

class CGuiElement {
 public:
  // The depth and colour every GUI quad is drawn with.
  static constexpr float kDepth = 0.1f;
  // The deepest element below a layer: the walks over the tree recurse
  // once per level.
  static constexpr int32_t kMaxTreeDepth = 64;
  static constexpr uint32_t kOpaqueWhite = 0xFFFFFFFF;

  CGuiElement();
  virtual ~CGuiElement();
  CGuiElement(const CGuiElement&) = delete;
  CGuiElement& operator=(const CGuiElement&) = delete;

  // True when the message was taken. Messages reach each element once: key
  // downs, mouse moves and left presses go to the children wherever the
  // pointer is (so that widgets can drop hover and press states), the other
  // messages only when the pointer is inside. A hidden element takes nothing.
  virtual bool HandleMessage(const plat::Message* message, uint8_t flag);
  virtual void Create(CGuiElement* parent, int32_t id, int32_t type, int32_t x, int32_t y, int32_t cellCount,
                      uint8_t visible, uint8_t enabled);
  virtual void CreateSized(CGuiElement* parent, int32_t id, int32_t type, int32_t x, int32_t y, int32_t width,
                           int32_t height, int32_t cellCount, uint8_t visible, uint8_t enabled);
  virtual void Draw();
  // These four pass themselves on to every child with a null command.
  virtual void Enable(GuiCommand* command);
  virtual void Disable(GuiCommand* command);
  virtual void Show(GuiCommand* command);
  virtual void Hide(GuiCommand* command);
  // The mouse notifications forward the command to every child.
  virtual void OnLeftDown(GuiCommand* command);
  virtual void OnClick(GuiCommand* command);
  virtual void OnDoubleClick(GuiCommand* command);
  virtual void OnRightDown(GuiCommand* command);
  virtual void OnRightClick(GuiCommand* command);
  virtual void OnRightDoubleClick(GuiCommand* command);
  virtual void ScrollUp(GuiCommand* command);
  virtual void ScrollDown(GuiCommand* command);
  virtual void OnCommand18(GuiCommand* command);
  // command->control is the position.
  virtual void ScrollTo(GuiCommand* command);
  virtual void OnCommand20(GuiCommand* command);
  virtual void OnGainFocus(GuiCommand* command);
  virtual void OnLoseFocus(GuiCommand* command);
  virtual void OnCommand23(GuiCommand* command);
  virtual void UpdateLayout();
  virtual void OnSelect(GuiCommand* command);
  // Once per frame; the base updates every child.
  virtual void Update();

  // Depth first over the descendants in child order, never this element.
  CGuiElement* FindChild(int32_t id) const;
  // Takes ownership and returns true. The child's record must already name
  // this element as its parent. Null, this element, one already in the list
  // and one that would lie deeper than kMaxTreeDepth are refused (and stay
  // the caller's).
  bool AddChild(CGuiElement* element);
  // The parents above this element, by the records' parent links.
  int32_t Depth() const;
  // A direct child moves to the end of the list (drawn last, asked first).
  void BringChildToFront(CGuiElement* element);
  void UpdateRect();
  void SetSize(int32_t width, int32_t height);
  void GetRect(int32_t& left, int32_t& top, int32_t& right, int32_t& bottom) const;
  // Strictly inside the record's rectangle: a point on an edge is outside.
  bool ContainsPoint(int32_t x, int32_t y) const;
  void SetFrameTexture(const EngineString& path, int32_t thickness);
  void SetBackgroundTexture(const EngineString& path);
  void MarkTexturesFromFile() { texturesFromFile = 1; }

  int32_t GetId() const { return record ? record->id : -1; }
  bool IsVisible() const { return record && record->visible != 0; }
  bool IsEnabled() const { return record && record->enabled != 0; }
  int32_t GetChildCount() const { return childCount; }
  CGuiElement* GetChild(int32_t index) const;

  std::unique_ptr<ElementRecord> record;  // null until Create or CreateSized
  plat::Rect rect;
  int32_t childCount = 0;
  // Set on every mouse move by the widgets that scroll with the wheel.
  uint8_t mouseOver = 0;
  // Whether the last mouse move was inside the element.
  uint8_t hover = 0;
  EngineString firstText;
  EngineString secondText;
  uint8_t texturesFromFile = 1;

 protected:
  // Offers the message to the children from the last to the first; the
  // first taker ends the walk.
  bool OfferToChildren(const plat::Message* message, uint8_t flag);
  // The children as they are now. The forwards walk this copy, so a child
  // that brings itself to the front neither makes them skip a sibling nor
  // comes twice.
  std::vector<CGuiElement*> ChildrenNow() const;
  bool OfferMoveToChildren(const plat::Message* message, uint8_t flag);
  // Drawn after the background and the frame, before the children.
  virtual void DrawUnderChildren() {}
  // Loads an image for this element (empty result for an empty path).
  GuiTexturePtr LoadTexture(const EngineString& path) const;

 private:
  void StartRecord(CGuiElement* parent, int32_t id, int32_t type, int32_t x, int32_t y, int32_t cellCount,
                   uint8_t visible, uint8_t enabled);
  void DrawBackground();
  void DrawFrame();

  std::vector<std::unique_ptr<CGuiElement>> m_children;
};
