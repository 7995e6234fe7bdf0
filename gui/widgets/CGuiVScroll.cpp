#include "gui/widgets/CGuiVScroll.h"

#include <algorithm>

#include "engine/render/ZOdevuvTexture.h"
#include "gui/core/GuiMessages.h"
#include "gui/core/GuiServices.h"

namespace {

bool InBox(int32_t px, int32_t py, int32_t x, int32_t y, int32_t width, int32_t height) {
  return px > x && px < x + width && py > y && py < y + height;
}

int32_t TextureHeight(const GuiTexturePtr& texture) { return texture ? texture->GetHeight() : 0; }

}  // namespace

CGuiVScroll::CGuiVScroll() = default;

CGuiVScroll::~CGuiVScroll() = default;

CGuiVScroll* CGuiVScroll::AttachRight(CGuiElement& owner, int32_t id, const EngineString& background,
                                      const EngineString& up, const EngineString& down, const EngineString& thumb,
                                      int32_t y, int32_t height) {
  auto* bar = new CGuiVScroll();
  bar->CreateSized(&owner, id, kElementType, 0, 0, 0, 0, kArrowCells, 1, 1);
  bar->SetTextures(up, down, thumb);
  bar->SetBackgroundTexture(background);
  // The first layout sizes the bar from its arrows, so its width is known.
  bar->UpdateLayout();
  const ElementRecord& box = *owner.record;
  const int32_t frame = box.hasFrame ? box.frameThickness : 0;
  bar->record->x = box.x + box.width - bar->record->width - frame;
  bar->record->y = y;
  bar->record->height = height;
  bar->UpdateLayout();
  owner.AddChild(bar);
  return bar;
}

void CGuiVScroll::SetTextures(const EngineString& upPath, const EngineString& downPath, const EngineString& thumbPath) {
  if (upPath.Length() > 0) m_upTexture = LoadTexture(upPath);
  if (downPath.Length() > 0) m_downTexture = LoadTexture(downPath);
  if (thumbPath.Length() > 0) m_thumbTexture = LoadTexture(thumbPath);
}

void CGuiVScroll::UpdateLayout() {
  if (!record) return;
  const int32_t cells = std::max(1, record->cellCount);
  m_arrowWidth = m_upTexture ? m_upTexture->GetWidth() / cells : 0;
  m_arrowHeight = TextureHeight(m_upTexture);
  m_thumbWidth = m_arrowWidth;
  m_trackHeight = record->height - 2 * m_arrowHeight;
  m_thumbX = record->x;
  m_trackTop = record->y + m_arrowHeight;
  m_thumbY = m_trackTop;
  m_thumbHeight = m_trackHeight;
  record->width = m_arrowWidth;
  UpdateRect();
}

void CGuiVScroll::SetRange(int32_t range) {
  m_range = range;
  m_thumbY = rect.top + m_arrowHeight;
  // More positions than track pixels would give a thumb of no height, and
  // a drag would divide by it.
  if (range >= 1) m_thumbHeight = std::max(1, m_trackHeight / range);
}

void CGuiVScroll::SetScrollPos(int32_t position) {
  if (m_range <= 0) return;
  m_thumbY = int32_t(double(m_trackHeight) * double(position) / double(m_range)) + m_trackTop;
}

bool CGuiVScroll::InUpArrow(int32_t x, int32_t y) const {
  return InBox(x, y, rect.left, rect.top, m_arrowWidth, m_arrowHeight);
}

bool CGuiVScroll::InDownArrow(int32_t x, int32_t y) const {
  return InBox(x, y, rect.left, rect.bottom - m_arrowHeight, m_arrowWidth, m_arrowHeight);
}

bool CGuiVScroll::InThumb(int32_t x, int32_t y) const {
  return InBox(x, y, m_thumbX, m_thumbY, m_thumbWidth, m_thumbHeight);
}

int32_t CGuiVScroll::OwnerId() const {
  CGuiElement* owner = record ? record->parent : nullptr;
  return owner && owner->record ? owner->record->id : -1;
}

bool CGuiVScroll::HandleLeftDown(int32_t x, int32_t y) {
  const int32_t owner = OwnerId();
  if (InUpArrow(x, y)) {
    ++m_upHoldCount;
    m_upFrame = kStatePressed;
    if (owner != -1 && m_upHoldCount > kRepeatAfter) {
      GuiPost(-1, owner, kCmdScrollUp, 0, 0);
      return true;
    }
  } else if (InDownArrow(x, y)) {
    ++m_downHoldCount;
    m_downFrame = kStatePressed;
    if (owner != -1 && m_downHoldCount > kRepeatAfter) {
      GuiPost(-1, owner, kCmdScrollDown, 0, 0);
      return true;
    }
  } else if (InThumb(x, y)) {
    m_dragging = true;
  }
  return false;
}

bool CGuiVScroll::HandleLeftUp(int32_t x, int32_t y) {
  const int32_t owner = OwnerId();
  bool posted = false;
  if (InUpArrow(x, y)) {
    m_upFrame = kStateNormal;
    m_upHoldCount = 0;
    if (owner != -1) {
      GuiPost(-1, owner, kCmdScrollUp, 0, 0);
      posted = true;
    }
  } else if (InDownArrow(x, y)) {
    m_downFrame = kStateNormal;
    m_downHoldCount = 0;
    if (owner != -1) {
      GuiPost(-1, owner, kCmdScrollDown, 0, 0);
      posted = true;
    }
  }
  m_dragging = false;
  // Only a release on the bar itself clicks, not one elsewhere in the owner.
  if (ContainsPoint(x, y)) GuiPlaySound("SCROLL_CLICK");
  return posted;
}

void CGuiVScroll::DragThumb(int32_t y) {
  const int32_t top = rect.top + TextureHeight(m_upTexture);
  const int32_t bottom = rect.bottom - TextureHeight(m_downTexture) - m_thumbHeight;
  const int32_t dy = y - m_lastY;
  if (m_lastY > y) {
    if (m_thumbY <= top) return;
    m_thumbY = std::max(m_thumbY + dy, top);
  } else {
    if (m_thumbY >= bottom) return;
    m_thumbY = std::min(m_thumbY + dy, bottom);
  }
  const int32_t owner = OwnerId();
  if (m_thumbHeight <= 0 || owner == -1) return;
  // The thumb's last pixels can lie past the last position when the track
  // does not divide evenly; the owner never gets a position it lacks.
  const int32_t position = std::clamp((m_thumbY - top) / m_thumbHeight, 0, std::max(0, m_range - 1));
  GuiPost(-1, owner, kCmdScrollTo, position, 0);
}

void CGuiVScroll::HandleMove(int32_t x, int32_t y, std::uintptr_t heldButtons) {
  m_upFrame = InUpArrow(x, y) ? kStateHover : kStateNormal;
  m_downFrame = InDownArrow(x, y) ? kStateHover : kStateNormal;
  // A release that happened outside the owner never reached the bar; a move
  // without the left button ends the drag all the same.
  if ((heldButtons & gui::kHeldLeft) == 0) m_dragging = false;
  if (heldButtons == gui::kHeldLeft && m_dragging) DragThumb(y);
}

bool CGuiVScroll::HandleMessage(const plat::Message* message, uint8_t /*flag*/) {
  if (!message || !IsVisible()) return false;
  const int32_t x = gui::MessageX(*message);
  const int32_t y = gui::MessageY(*message);
  bool taken = false;
  if (IsEnabled()) {
    switch (message->message) {
      case gui::kLeftDown:
        taken = HandleLeftDown(x, y);
        break;
      case gui::kLeftUp:
        taken = HandleLeftUp(x, y);
        break;
      case gui::kMouseMove:
        HandleMove(x, y, message->wParam);
        break;
      default:
        break;
    }
  }
  m_lastX = x;
  m_lastY = y;
  // A press or release on the bar belongs to the GUI, not to the world
  // below it.
  return taken || (gui::IsButtonMessage(message->message) && ContainsPoint(x, y));
}

void CGuiVScroll::Draw() {
  if (!IsVisible() || !m_upTexture || !m_downTexture) return;
  CGuiElement::Draw();
  m_upTexture->DrawCell(rect.left, rect.top, m_arrowWidth, m_arrowHeight, m_upFrame, kOpaqueWhite, kDepth);
  m_downTexture->DrawCell(rect.left, rect.bottom - m_arrowHeight, m_arrowWidth, m_arrowHeight, m_downFrame,
                          kOpaqueWhite, kDepth);
  if (m_thumbTexture) {
    m_thumbTexture->DrawCell(m_thumbX, m_thumbY, m_thumbWidth, m_thumbHeight, m_thumbFrame, kOpaqueWhite, kDepth);
  }
}
