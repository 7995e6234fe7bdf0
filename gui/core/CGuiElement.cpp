#include "gui/core/CGuiElement.h"

#include <algorithm>

#include "engine/render/ZOdevuvTexture.h"
#include "gui/core/GuiGeometry.h"
#include "gui/core/GuiMessages.h"

CGuiElement::CGuiElement() = default;

CGuiElement::~CGuiElement() = default;

void CGuiElement::StartRecord(CGuiElement* parent, int32_t id, int32_t type, int32_t x, int32_t y, int32_t cellCount,
                              uint8_t visible, uint8_t enabled) {
  if (parent && parent->texturesFromFile == 1) texturesFromFile = 1;
  record = std::make_unique<ElementRecord>();
  record->enabled = enabled;
  record->visible = visible;
  record->id = id;
  record->type = type;
  record->cellCount = cellCount;
  record->parent = parent;
  const bool placed = parent && parent->record;
  record->x = gui::ClampCoordinate(int64_t(placed ? parent->record->x : 0) + x);
  record->y = gui::ClampCoordinate(int64_t(placed ? parent->record->y : 0) + y);
}

void CGuiElement::Create(CGuiElement* parent, int32_t id, int32_t type, int32_t x, int32_t y, int32_t cellCount,
                         uint8_t visible, uint8_t enabled) {
  StartRecord(parent, id, type, x, y, cellCount, visible, enabled);
}

void CGuiElement::CreateSized(CGuiElement* parent, int32_t id, int32_t type, int32_t x, int32_t y, int32_t width,
                              int32_t height, int32_t cellCount, uint8_t visible, uint8_t enabled) {
  StartRecord(parent, id, type, x, y, cellCount, visible, enabled);
  SetSize(width, height);
}

std::vector<CGuiElement*> CGuiElement::ChildrenNow() const {
  std::vector<CGuiElement*> children;
  children.reserve(m_children.size());
  for (const auto& child : m_children) children.push_back(child.get());
  return children;
}

bool CGuiElement::OfferToChildren(const plat::Message* message, uint8_t flag) {
  const std::vector<CGuiElement*> children = ChildrenNow();
  for (auto it = children.rbegin(); it != children.rend(); ++it) {
    if ((*it)->HandleMessage(message, flag)) return true;
  }
  return false;
}

bool CGuiElement::OfferMoveToChildren(const plat::Message* message, uint8_t flag) {
  const std::vector<CGuiElement*> children = ChildrenNow();
  for (auto it = children.rbegin(); it != children.rend(); ++it) {
    CGuiElement* child = *it;
    // A button loses its hover look unless this move gives it back.
    if (child->record && child->record->type == kElementTypeButton && child->record->state == kStateHover) {
      child->record->state = kStateNormal;
    }
    if (child->HandleMessage(message, flag)) return true;
  }
  return false;
}

bool CGuiElement::HandleMessage(const plat::Message* message, uint8_t flag) {
  if (!message || !IsVisible()) return false;
  if (flag != 0 && message->message != gui::kKeyDown) return true;
  const int32_t x = gui::MessageX(*message);
  const int32_t y = gui::MessageY(*message);
  switch (message->message) {
    case gui::kKeyDown:
    case gui::kLeftDown:
      return OfferToChildren(message, flag);
    case gui::kMouseMove:
      hover = ContainsPoint(x, y) ? 1 : 0;
      return OfferMoveToChildren(message, flag);
    default:
      return ContainsPoint(x, y) && OfferToChildren(message, flag);
  }
}

void CGuiElement::DrawBackground() {
  ZOdevuvTexture* background = record->backgroundTexture.get();
  if (!background) return;
  const int32_t width = record->width;
  const int32_t height = record->height;
  const int32_t cells = record->cellCount;
  if (cells > 0) {
    background->SetWidth(cells * width);
    background->SetHeight(height);
    const int32_t cell = std::clamp(record->state, 0, cells - 1);
    background->DrawCell(rect.left, rect.top, width, height, cell, kOpaqueWhite, kDepth);
  } else {
    background->Draw(rect.left, rect.top, width, height, kOpaqueWhite, kDepth);
  }
}

void CGuiElement::DrawFrame() {
  ZOdevuvTexture* frame = record->frameTexture.get();
  if (!record->hasFrame || !frame) return;
  const int32_t t = record->frameThickness;
  const int32_t x = record->x;
  const int32_t y = record->y;
  const int32_t w = record->width;
  const int32_t h = record->height;
  frame->Draw(x, y, w, t, kOpaqueWhite, kDepth);
  frame->Draw(x, y + h - t, w, t, kOpaqueWhite, kDepth);
  frame->Draw(x, y, t, h, kOpaqueWhite, kDepth);
  frame->Draw(x + w - t, y, t, h, kOpaqueWhite, kDepth);
}

void CGuiElement::Draw() {
  if (!IsVisible()) return;
  DrawBackground();
  DrawFrame();
  DrawUnderChildren();
  for (const auto& child : m_children) child->Draw();
}

void CGuiElement::Enable(GuiCommand*) {
  if (record) record->enabled = 1;
  for (CGuiElement* child : ChildrenNow()) child->Enable(nullptr);
}

void CGuiElement::Disable(GuiCommand*) {
  if (record) record->enabled = 0;
  for (CGuiElement* child : ChildrenNow()) child->Disable(nullptr);
}

void CGuiElement::Show(GuiCommand*) {
  if (record && record->lockedHidden) return;
  if (record) record->visible = 1;
  for (CGuiElement* child : ChildrenNow()) child->Show(nullptr);
}

void CGuiElement::Hide(GuiCommand*) {
  if (record) record->visible = 0;
  // A hidden element sees no more moves, so the pointer is no longer over it.
  hover = 0;
  for (CGuiElement* child : ChildrenNow()) child->Hide(nullptr);
}

void CGuiElement::OnLeftDown(GuiCommand* command) {
  for (CGuiElement* child : ChildrenNow()) child->OnLeftDown(command);
}

void CGuiElement::OnClick(GuiCommand* command) {
  for (CGuiElement* child : ChildrenNow()) child->OnClick(command);
}

void CGuiElement::OnDoubleClick(GuiCommand* command) {
  for (CGuiElement* child : ChildrenNow()) child->OnDoubleClick(command);
}

void CGuiElement::OnRightDown(GuiCommand* command) {
  for (CGuiElement* child : ChildrenNow()) child->OnRightDown(command);
}

void CGuiElement::OnRightClick(GuiCommand* command) {
  for (CGuiElement* child : ChildrenNow()) child->OnRightClick(command);
}

void CGuiElement::OnRightDoubleClick(GuiCommand* command) {
  for (CGuiElement* child : ChildrenNow()) child->OnRightDoubleClick(command);
}

void CGuiElement::ScrollUp(GuiCommand*) {}

void CGuiElement::ScrollDown(GuiCommand*) {}

void CGuiElement::OnCommand18(GuiCommand*) {}

void CGuiElement::ScrollTo(GuiCommand*) {}

void CGuiElement::OnCommand20(GuiCommand*) {}

void CGuiElement::OnGainFocus(GuiCommand* command) {
  for (CGuiElement* child : ChildrenNow()) child->OnGainFocus(command);
}

void CGuiElement::OnLoseFocus(GuiCommand* command) {
  for (CGuiElement* child : ChildrenNow()) child->OnLoseFocus(command);
}

void CGuiElement::OnCommand23(GuiCommand*) {}

void CGuiElement::UpdateLayout() {}

void CGuiElement::OnSelect(GuiCommand*) {}

void CGuiElement::Update() {
  for (CGuiElement* child : ChildrenNow()) child->Update();
}

CGuiElement* CGuiElement::FindChild(int32_t id) const {
  for (const auto& child : m_children) {
    if (child->GetId() == id) return child.get();
    if (CGuiElement* found = child->FindChild(id)) return found;
  }
  return nullptr;
}

bool CGuiElement::AddChild(CGuiElement* element) {
  if (!element || element == this || Depth() >= kMaxTreeDepth) return false;
  const bool known = std::any_of(m_children.begin(), m_children.end(),
                                 [element](const auto& child) { return child.get() == element; });
  if (known) return false;
  m_children.emplace_back(element);
  childCount = int32_t(m_children.size());
  return true;
}

int32_t CGuiElement::Depth() const {
  int32_t depth = 0;
  // The bound also ends a loop of parent links.
  for (const CGuiElement* at = this; at->record && at->record->parent && depth <= kMaxTreeDepth;
       at = at->record->parent) {
    ++depth;
  }
  return depth;
}

void CGuiElement::BringChildToFront(CGuiElement* element) {
  auto it = std::find_if(m_children.begin(), m_children.end(),
                         [element](const auto& child) { return child.get() == element; });
  if (it == m_children.end()) return;
  std::rotate(it, it + 1, m_children.end());
}

CGuiElement* CGuiElement::GetChild(int32_t index) const {
  if (index < 0 || std::size_t(index) >= m_children.size()) return nullptr;
  return m_children[std::size_t(index)].get();
}

void CGuiElement::UpdateRect() {
  if (!record) return;
  rect = plat::Rect{record->x, record->y, record->x + record->width, record->y + record->height};
}

void CGuiElement::SetSize(int32_t width, int32_t height) {
  if (!record) return;
  record->width = gui::ClampSize(width);
  record->height = gui::ClampSize(height);
  UpdateRect();
}

void CGuiElement::GetRect(int32_t& left, int32_t& top, int32_t& right, int32_t& bottom) const {
  left = rect.left;
  top = rect.top;
  right = rect.right;
  bottom = rect.bottom;
}

bool CGuiElement::ContainsPoint(int32_t x, int32_t y) const {
  if (!record) return false;
  return x > record->x && x < record->x + record->width && y > record->y && y < record->y + record->height;
}

GuiTexturePtr CGuiElement::LoadTexture(const EngineString& path) const {
  if (path.Length() == 0) return nullptr;
  GuiTexturePtr texture(new ZOdevuvTexture());
  texture->Init();
  texture->LoadFromFile(path.CStr());
  return texture;
}

void CGuiElement::SetFrameTexture(const EngineString& path, int32_t thickness) {
  if (path.Length() == 0 || !record) return;
  record->frameTexture = LoadTexture(path);
  record->hasFrame = 1;
  record->frameThickness = thickness;
}

void CGuiElement::SetBackgroundTexture(const EngineString& path) {
  if (!record) return;
  record->backgroundTexture = LoadTexture(path);
  ZOdevuvTexture* background = record->backgroundTexture.get();
  if (!background || record->width != 0 || record->height != 0) return;
  // The cells lie side by side, so each is as high as the whole image.
  const int32_t cells = record->cellCount;
  SetSize(cells > 0 ? background->GetWidth() / cells : background->GetWidth(), background->GetHeight());
}
