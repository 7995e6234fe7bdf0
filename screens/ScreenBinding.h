#pragma once
// How screens bind their controls: by id, under their window or through the
// GUI manager, checked for the widget type. A control that the GUI
// description lacks (or that has another type) stays null and leaves a
// debugger line naming the screen and the id, so that an incomplete
// description gives a screen that does less, never a crash.
#include <cstdint>
#include <string>

#include "engine/core/EngineString.h"
#include "gui/core/CGuiElement.h"
#include "gui/core/CGuiMainClass.h"
#include "gui/core/GuiColour.h"

class CGuiButton;
class CGuiStaticText;
class CGuiTextBox;

namespace screens {

// Writes "<screen>: element <id> is missing or not a <kind>\n".
void ReportMissingControl(const char* screen, int32_t id, const char* kind);

// The control of that id and type under the window; null (with the line)
// when it is not there. A null window binds nothing and reports nothing:
// its screen was already reported when it was created.
template <class T>
T* BindChild(CGuiElement* window, int32_t id, const char* screen, const char* kind) {
  if (!window) return nullptr;
  T* control = dynamic_cast<T*>(window->FindChild(id));
  if (!control) ReportMissingControl(screen, id, kind);
  return control;
}

// The same through every layer of the GUI manager.
template <class T>
T* BindElement(CGuiMainClass& gui, int32_t id, const char* screen, const char* kind) {
  T* control = dynamic_cast<T*>(gui.FindElement(id));
  if (!control) ReportMissingControl(screen, id, kind);
  return control;
}

// One signed value through a printf format ("%d", "%d%%").
EngineString FormatValue(const char* format, int32_t value);

// A static text's text as a literal; nothing for a null control.
void SetLiteral(CGuiStaticText* text, const EngineString& literal, uint32_t format, const GuiColour& colour);
// A static text's caption from the text table; nothing for a null control.
void SetCaption(CGuiStaticText* text, int32_t textId, uint32_t format, const GuiColour& colour);
// A button's caption from the text table; nothing for a null button.
void SetButtonCaption(CGuiMainClass& gui, CGuiButton* button, int32_t textId, uint32_t format);

}  // namespace screens
