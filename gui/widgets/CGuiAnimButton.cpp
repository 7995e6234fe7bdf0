#include "gui/widgets/CGuiAnimButton.h"

#include "engine/render/ZOdevuvTexture.h"
#include "gui/core/GuiFont.h"
#include "gui/core/GuiMessages.h"
#include "gui/core/GuiServices.h"

CGuiAnimButton::CGuiAnimButton() : m_label(std::make_unique<ZOdevuvText>()) {}

CGuiAnimButton::~CGuiAnimButton() {
  if (m_label) m_label->Release();
}

void CGuiAnimButton::SetText(const EngineString& caption, uint32_t format) {
  m_caption = caption;
  m_format = int32_t(format);
}

bool CGuiAnimButton::SetFixedTextColour(bool fixed) {
  perState = fixed ? 0 : 1;
  return perState != 0;
}

void CGuiAnimButton::SetTextColours(const GuiColour& normal, const GuiColour& hover, const GuiColour& pressed,
                                    const GuiColour& fixed) {
  m_colours[kStateNormal] = normal;
  m_colours[kStateHover] = hover;
  m_colours[kStatePressed] = pressed;
  m_colours[kFixedColour] = fixed;
}

void CGuiAnimButton::SetFont(int32_t pointSize, int32_t charWidth, int32_t weight, uint8_t italic, int32_t charSet,
                             int32_t outputPrecision, int32_t quality, int32_t pitchAndFamily,
                             const EngineString& face) {
  ReplaceTextFont(m_label,
                  {pointSize, charWidth, weight, italic, charSet, outputPrecision, quality, pitchAndFamily, face});
}

void CGuiAnimButton::LoadRun(Run& run, int32_t& count, const EngineString& folder, const char* pattern, int32_t first,
                             int32_t number) {
  run.clear();
  for (int32_t i = first; i < first + number; ++i) {
    EngineString name;
    name.Format(pattern, i);
    GuiTexturePtr frame = LoadTexture(folder + name);
    // A missing frame would show as nothing in the middle of the run, or
    // leave the button invisible when it ends the run.
    if (frame && frame->GetTexture()) run.push_back(std::move(frame));
  }
  count = int32_t(run.size());
}

void CGuiAnimButton::LoadFrames(const EngineString& folder, int32_t normalCount, int32_t hoverCount,
                                int32_t pressedCount, int32_t disabledCount) {
  LoadRun(m_normalFrames, m_normalCount, folder, "base_%d.png", 0, normalCount);
  LoadRun(m_hoverFrames, m_hoverCount, folder, "hover_%d.png", 1, hoverCount);
  LoadRun(m_disabledFrames, m_disabledCount, folder, "disable_%d.png", 1, disabledCount);
  LoadRun(m_pressedFrames, m_pressedCount, folder, "pressed_%d.png", 1, pressedCount);
}

const CGuiAnimButton::Run* CGuiAnimButton::RunOf(int32_t state) const {
  switch (state) {
    case kStateNormal:
      return &m_normalFrames;
    case kStateHover:
      return &m_hoverFrames;
    case kStatePressed:
      return &m_pressedFrames;
    case kStateDisabled:
      return &m_disabledFrames;
    default:
      return nullptr;
  }
}

int32_t CGuiAnimButton::GetCount(int32_t state) const {
  const Run* run = RunOf(state);
  return run ? int32_t(run->size()) : 0;
}

const ZOdevuvTexture* CGuiAnimButton::GetFrame(int32_t state, int32_t index) const {
  const Run* run = RunOf(state);
  if (!run || index < 0 || index >= int32_t(run->size())) return nullptr;
  return (*run)[std::size_t(index)].get();
}

void CGuiAnimButton::DrawFrameOf(ZOdevuvTexture& frame) {
  frame.Draw(rect.left, rect.top, record->width, record->height, kOpaqueWhite, kDepth);
}

void CGuiAnimButton::Draw() {
  if (!IsVisible()) return;
  if (const Run* run = RunOf(record->state)) {
    const int32_t count = int32_t(run->size());
    if (m_frameIndex >= count || m_frameIndex < 0) {
      // The run has ended: hold its last frame.
      m_frameIndex = count - 1;
      if (count == 0) {
        CGuiElement::Draw();
      } else {
        DrawFrameOf(*run->back());
      }
    } else {
      DrawFrameOf(*(*run)[std::size_t(m_frameIndex)]);
      ++m_frameIndex;
    }
  }
  DrawCaption();
}

void CGuiAnimButton::DrawCaption() {
  if (!m_label || m_caption.Length() == 0) return;
  const int32_t shift = (rect.bottom - rect.top) / 10;
  const plat::Rect box{rect.left, rect.top + shift, rect.right, rect.bottom + shift};
  const int32_t state = record->state;
  const bool stateColour = perState && state >= 0 && state < kColourCount;
  const GuiColour& colour = stateColour ? m_colours[state] : m_colours[kFixedColour];
  m_label->Draw(m_caption.CStr(), box, uint32_t(m_format), colour.Argb());
}

void CGuiAnimButton::Press(int32_t state, int32_t code, bool withSound) {
  record->state = state;
  GuiPost(record->id, -1, code, 0, 0);
  if (withSound) GuiPlaySound("ANIMBUTTON_CLICK");
}

bool CGuiAnimButton::HandleButton(unsigned message) {
  switch (message) {
    case gui::kLeftDown:
      Press(kStatePressed, kCmdLeftDown, false);
      return true;
    case gui::kLeftUp:
      Press(kStateNormal, kCmdClick, true);
      return true;
    case gui::kLeftDoubleClick:
      Press(kStateNormal, kCmdDoubleClick, true);
      return true;
    case gui::kRightDown:
      Press(kStatePressed, kCmdRightDown, false);
      return true;
    case gui::kRightUp:
      Press(kStateNormal, kCmdRightClick, true);
      return true;
    case gui::kRightDoubleClick:
      Press(kStateNormal, kCmdRightDoubleClick, true);
      return true;
    default:
      return false;
  }
}

bool CGuiAnimButton::HandleMessage(const plat::Message* message, uint8_t flag) {
  const bool result = CGuiElement::HandleMessage(message, flag);
  if (!message || !perState || !IsVisible() || !IsEnabled()) return result;
  const bool inside = ContainsPoint(gui::MessageX(*message), gui::MessageY(*message));
  if (message->message == gui::kMouseMove) {
    // A run that has just ended starts again when the pointer moves.
    record->state = inside ? kStateHover : kStateNormal;
    const int32_t count = inside ? m_hoverCount : m_normalCount;
    if (m_frameIndex == count) m_frameIndex = 0;
    return result;
  }
  if (!inside) return result;
  return HandleButton(message->message) || result;
}
