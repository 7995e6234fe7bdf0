#include "gui/widgets/CGuiButton.h"

#include "engine/core/Globals.h"
#include "engine/render/ZOdevuvDevice.h"
#include "gui/core/GuiFont.h"
#include "gui/core/GuiMessages.h"
#include "gui/core/GuiServices.h"

namespace {

constexpr int32_t kScreenMargin = 10;
constexpr int32_t kDefaultScreenWidth = 1024;
constexpr int32_t kDefaultScreenHeight = 768;

// Where an evasive button's centre goes on one axis: away from the pointer
// by three times its offset, else towards it, else to the margin.
int32_t EvadeAxis(int32_t centre, int32_t away, int32_t screenSize) {
  const int32_t limit = screenSize - kScreenMargin;
  if (centre + away > kScreenMargin && centre + away < limit) return centre + away;
  if (centre - away > kScreenMargin && centre - away < limit) return centre - away;
  return kScreenMargin;
}

}  // namespace

CGuiButton::CGuiButton() : m_label(std::make_unique<ZOdevuvText>()) {}

CGuiButton::~CGuiButton() { m_label->Release(); }

void CGuiButton::SetText(const EngineString& caption, uint32_t format) {
  m_caption = caption;
  m_format = format;
}

bool CGuiButton::SetFixedTextColour(bool fixed) {
  interactive = fixed ? 0 : 1;
  return interactive != 0;
}

void CGuiButton::SetDragMax(int32_t x, int32_t y) {
  m_dragMaxX = x;
  m_dragMaxY = y;
}

void CGuiButton::SetDragMin(int32_t x, int32_t y) {
  m_dragMinX = x;
  m_dragMinY = y;
}

void CGuiButton::SetTextColours(const GuiColour& normal, const GuiColour& hover, const GuiColour& pressed,
                                const GuiColour& fixed) {
  m_colours[kStateNormal] = normal;
  m_colours[kStateHover] = hover;
  m_colours[kStatePressed] = pressed;
  m_colours[kFixedColour] = fixed;
}

void CGuiButton::SetFont(int32_t pointSize, int32_t charWidth, int32_t weight, uint8_t italic, int32_t charSet,
                         int32_t outputPrecision, int32_t quality, int32_t pitchAndFamily, const EngineString& face) {
  ReplaceTextFont(m_label,
                  {pointSize, charWidth, weight, italic, charSet, outputPrecision, quality, pitchAndFamily, face});
}

void CGuiButton::Drag(int32_t x, int32_t y) {
  const int32_t dx = x - m_lastX;
  const int32_t dy = y - m_lastY;
  m_lastX = x;
  m_lastY = y;
  const int32_t newX = x - record->width / 2;
  const int32_t newY = y - record->height / 2;
  if (dragHorizontal && newX >= m_dragMinX && newX <= m_dragMaxX) {
    record->x = newX;
    GuiPost(record->id, -1, kCmdDragX, dx, newX);
    UpdateRect();
  }
  if (dragVertical && newY >= m_dragMinY && newY <= m_dragMaxY) {
    record->y = newY;
    GuiPost(record->id, -1, kCmdDragY, dy, newY);
    UpdateRect();
  }
}

void CGuiButton::Evade(int32_t x, int32_t y) {
  const bool hasDevice = g_device && g_device->GetWidth() > 0 && g_device->GetHeight() > 0;
  const int32_t screenWidth = hasDevice ? g_device->GetWidth() : kDefaultScreenWidth;
  const int32_t screenHeight = hasDevice ? g_device->GetHeight() : kDefaultScreenHeight;
  const int32_t cx = record->x + record->width / 2;
  const int32_t cy = record->y + record->height / 2;
  record->x = EvadeAxis(cx, 3 * (cx - x), screenWidth);
  record->y = EvadeAxis(cy, 3 * (cy - y), screenHeight);
  UpdateRect();
}

void CGuiButton::HandleMove(int32_t x, int32_t y) {
  if (held) {
    record->state = kStateHover;
    if (dragHorizontal || dragVertical) Drag(x, y);
    return;
  }
  if (!ContainsPoint(x, y)) {
    record->state = kStateNormal;
    return;
  }
  if (evasive) Evade(x, y);
  record->state = kStateHover;
}

void CGuiButton::Press(int32_t code, bool withSound) {
  GuiPost(record->id, -1, code, 0, 0);
  if (withSound) GuiPlaySound("BUTTON_CLICK");
}

void CGuiButton::HandleButtons(unsigned message, int32_t x, int32_t y) {
  const bool inside = ContainsPoint(x, y);
  if (message == gui::kLeftUp) {
    held = 0;
    m_lastX = x;
    m_lastY = y;
  }
  if (!IsEnabled()) return;
  if (message == gui::kLeftDown) {
    held = inside ? 1 : 0;
    if (!inside) return;
    m_lastX = x;
    m_lastY = y;
  }
  if (!inside) return;
  switch (message) {
    case gui::kLeftDown:
      record->state = kStatePressed;
      Press(kCmdLeftDown, false);
      break;
    case gui::kLeftUp:
      record->state = kStateNormal;
      Press(kCmdClick, true);
      break;
    case gui::kLeftDoubleClick:
      record->state = kStateNormal;
      Press(kCmdDoubleClick, true);
      break;
    case gui::kRightDown:
      record->state = kStatePressed;
      Press(kCmdRightDown, false);
      break;
    case gui::kRightUp:
      record->state = kStateNormal;
      Press(kCmdRightClick, true);
      break;
    case gui::kRightDoubleClick:
      record->state = kStateNormal;
      Press(kCmdRightDoubleClick, true);
      break;
    default:
      break;
  }
}

bool CGuiButton::HandleMessage(const plat::Message* message, uint8_t flag) {
  const bool childTook = CGuiElement::HandleMessage(message, flag);
  if (!message || !IsVisible() || suppressed) return childTook;
  const int32_t x = gui::MessageX(*message);
  const int32_t y = gui::MessageY(*message);
  if (interactive && message->message == gui::kMouseMove) {
    // A release outside the button's parent never reaches it; a move
    // without the left button ends the hold all the same.
    if ((message->wParam & gui::kHeldLeft) == 0) held = 0;
    if (IsEnabled()) HandleMove(x, y);
  }
  if (!gui::IsButtonMessage(message->message)) return childTook;
  if (interactive) HandleButtons(message->message, x, y);
  // A press or release on a button belongs to the GUI, not to the layers
  // below it or the world.
  return childTook || ContainsPoint(x, y);
}

void CGuiButton::Draw() {
  if (suppressed || !record) return;
  if (forcedStateOn) record->state = forcedState;
  CGuiElement::Draw();
  if (!IsVisible() || m_caption.Length() == 0) return;
  const int32_t shift = record->height / 10;
  const plat::Rect box{rect.left, rect.top + shift, rect.right, rect.bottom + shift};
  const int32_t state = record->state;
  const GuiColour& colour =
      interactive && state >= 0 && state < kFixedColour ? m_colours[state] : m_colours[kFixedColour];
  m_label->Draw(m_caption.CStr(), box, m_format, colour.Argb());
}
