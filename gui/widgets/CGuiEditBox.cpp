#include "gui/widgets/CGuiEditBox.h"

#include "gui/core/GuiFont.h"
#include "gui/core/GuiMessages.h"
#include "gui/core/GuiServices.h"
#include "platform/os/Clock.h"
#include "platform/os/Window.h"

namespace {

constexpr int32_t kKeyA = 'A';
constexpr int32_t kKeyZ = 'Z';
constexpr int32_t kKey0 = '0';
constexpr int32_t kKey9 = '9';
constexpr int32_t kLowerCaseOffset = 'a' - 'A';

bool IsLetterKey(int32_t key) { return key >= kKeyA && key <= kKeyZ; }
bool IsDigitKey(int32_t key) { return key >= kKey0 && key <= kKey9; }

bool UpperCase() {
  const bool capsToggled = (plat::GetKeyState(plat::kVkCapital) & 1) != 0;
  const bool shiftDown = (plat::GetKeyState(plat::kVkShift) & 0x8000) != 0;
  return capsToggled || shiftDown;
}

}  // namespace

CGuiEditBox::CGuiEditBox() : m_label(std::make_unique<ZOdevuvText>()) {}

CGuiEditBox::~CGuiEditBox() {
  if (m_label) m_label->Release();
}

void CGuiEditBox::SetText(const EngineString& text, uint32_t format, const GuiColour& colour) {
  m_text = text;
  m_format = format;
  m_colour = colour;
}

void CGuiEditBox::SetFont(int32_t pointSize, int32_t charWidth, int32_t weight, uint8_t italic, int32_t charSet,
                          int32_t outputPrecision, int32_t quality, int32_t pitchAndFamily, const EngineString& face) {
  ReplaceTextFont(m_label,
                  {pointSize, charWidth, weight, italic, charSet, outputPrecision, quality, pitchAndFamily, face});
}

bool CGuiEditBox::ContainsPoint(int32_t x, int32_t y) const {
  return x > rect.left && x < rect.right && y > rect.top && y < rect.bottom;
}

char CGuiEditBox::CharacterFor(int32_t key) const {
  if (IsDigitKey(key)) return char(key);
  if (digitsOnly) return 0;
  if (key == plat::kVkSpace) return ' ';
  if (IsLetterKey(key)) return char(UpperCase() ? key : key + kLowerCaseOffset);
  return 0;
}

bool CGuiEditBox::TypeKey(int32_t key) {
  m_lastKey = key;
  const int32_t length = m_text.Length();
  if (key == plat::kVkDelete || key == plat::kVkBack) {
    if (length > 0) m_text = m_text.Mid(0, uint32_t(length - 1));
    return true;
  }
  const bool typingKey = key == plat::kVkSpace || IsLetterKey(key) || IsDigitKey(key);
  if (maximumLength >= 0 && length >= maximumLength) return typingKey;
  const char c = CharacterFor(key);
  if (c != 0) m_text += c;
  return typingKey;
}

bool CGuiEditBox::HandleMessage(const plat::Message* message, uint8_t /*flag*/) {
  if (!message || !IsEnabled() || !IsVisible()) return false;
  switch (message->message) {
    case gui::kLeftUp: {
      const int32_t id = record->id;
      if (ContainsPoint(gui::MessageX(*message), gui::MessageY(*message))) {
        GuiPost(id, id, kCmdGainFocus, 0, 0);
        GuiPlaySound("EDIT_CLICK");
      } else {
        GuiPost(id, id, kCmdLoseFocus, 0, 0);
      }
      return false;
    }
    case gui::kKeyDown:
      return focused && TypeKey(int32_t(message->wParam));
    default:
      return false;
  }
}

void CGuiEditBox::OnGainFocus(GuiCommand* command) {
  if (!command || !record || command->sender != record->id) return;
  focused = 1;
  m_caretOn = 1;
  m_blinkTime = plat::TickCount();
  command->sender = -1;
}

void CGuiEditBox::OnLoseFocus(GuiCommand* command) {
  if (!command || !record || command->sender != record->id) return;
  focused = 0;
  m_caretOn = 0;
  command->sender = -1;
}

void CGuiEditBox::BlinkCaret() {
  const uint32_t now = plat::TickCount();
  // Unsigned, so the tick count's wrap does not stop the blinking.
  if (now - m_blinkTime >= blinkInterval) {
    m_caretShown = m_caretShown ? 0 : 1;
    m_blinkTime = now;
  }
}

void CGuiEditBox::Draw() {
  if (!IsVisible()) return;
  CGuiElement::Draw();
  if (!m_label) return;
  const int32_t shift = (rect.bottom - rect.top) / 10;
  plat::Rect box{rect.left + 2, rect.top + shift, rect.right, rect.bottom + shift};
  m_label->Draw(m_text.CStr(), box, m_format, m_colour.Argb());
  if (!m_caretOn) return;
  BlinkCaret();
  if (!m_caretShown) return;
  box.left += m_label->GetTextWidth(m_text.CStr());
  m_label->Draw("|", box, m_format, m_colour.Argb());
}
