#include "screens/ScreenBinding.h"

#include "gui/widgets/CGuiButton.h"
#include "gui/widgets/CGuiStaticText.h"
#include "platform/os/DebugOutput.h"

namespace screens {

void ReportMissingControl(const char* screen, int32_t id, const char* kind) {
  plat::OutputDebugString(std::string(screen) + ": element " + std::to_string(id) + " is missing or not a " + kind +
                          "\n");
}

EngineString FormatValue(const char* format, int32_t value) {
  EngineString text;
  text.Format(format, value);
  return text;
}

void SetLiteral(CGuiStaticText* text, const EngineString& literal, uint32_t format, const GuiColour& colour) {
  if (text) text->SetText(-1, literal, format, colour);
}

void SetCaption(CGuiStaticText* text, int32_t textId, uint32_t format, const GuiColour& colour) {
  if (text) text->SetText(textId, EngineString(), format, colour);
}

void SetButtonCaption(CGuiMainClass& gui, CGuiButton* button, int32_t textId, uint32_t format) {
  if (button) button->SetText(gui.GetText(textId), format);
}

}  // namespace screens
