// The captions that the loading gives, once, to the GUI elements that no
// screen captions itself.
#include <array>
#include <cstdint>

#include "gui/core/CGuiMainClass.h"
#include "gui/widgets/CGuiButton.h"
#include "gui/widgets/CGuiStaticText.h"
#include "gui/widgets/CGuiTextBox.h"
#include "screens/ScreenBinding.h"
#include "screens/ScreenSet.h"

namespace {

constexpr const char* kCaptions = "ChangeText";
constexpr uint32_t kButtonFormat = 5;

struct ButtonCaption {
  int32_t text;
  int32_t element;
};

constexpr std::array<ButtonCaption, 54> kButtonCaptions = {{
    {100129, 10002}, {100129, 10011}, {100130, 10004}, {100130, 10013}, {100130, 10267}, {100131, 10005},
    {100131, 10014}, {100132, 10003}, {100132, 10012}, {100133, 10025}, {100134, 10026}, {100135, 10028},
    {100136, 10019}, {100136, 10027}, {100136, 10097}, {100136, 10121}, {100136, 10164}, {100136, 10232},
    {100136, 10238}, {100136, 10268}, {100151, 10104}, {100151, 10105}, {100151, 10106}, {100151, 10107},
    {100152, 10113}, {100152, 10114}, {100152, 10115}, {100152, 10116}, {100152, 10236}, {100153, 10135},
    {100154, 10387}, {100154, 10390}, {100154, 10393}, {100154, 10147}, {100154, 10193}, {100154, 10200},
    {100154, 10310}, {100154, 10362}, {100155, 10155}, {100156, 10156}, {100157, 10237}, {100158, 10266},
    {100159, 10278}, {100160, 10279}, {100161, 10285}, {100162, 10286}, {100162, 10294}, {100162, 10326},
    {100162, 10341}, {100165, 10346}, {100166, 10347}, {100167, 10348}, {100188, 10189}, {100188, 10287},
}};

struct TextCaption {
  int32_t element;
  int32_t text;
  uint32_t format;
  GuiColour colour;
};

constexpr GuiColour kOptionsColour{255, 255, 128, 0};
constexpr GuiColour kValueColour{255, 0, 0, 0};
constexpr GuiColour kTitleColour{255, 128, 0, 0};

constexpr std::array<TextCaption, 8> kTextCaptions = {{
    {10038, 100143, 1, kOptionsColour},
    {10046, 100144, 1, kOptionsColour},
    {10054, 100145, 1, kOptionsColour},
    {10061, 100231, 1, kOptionsColour},
    {10280, 100164, 1, kValueColour},
    {10288, 100235, 1, kValueColour},
    {10344, 100138, 0, kValueColour},
    {10360, 100172, 1, kTitleColour},
}};

// The help text's "XX" marks its line breaks.
constexpr int32_t kHelpBox = 10361;
constexpr int32_t kHelpText = 100173;

void SetButtonCaption(CGuiMainClass& gui, const ButtonCaption& caption) {
  if (auto* button = screens::BindElement<CGuiButton>(gui, caption.element, kCaptions, "button")) {
    button->SetText(gui.GetText(caption.text), kButtonFormat);
  }
}

}  // namespace

void ScreenSet::ChangeText() {
  CGuiMainClass& gui = m_host.Gui();
  for (const ButtonCaption& caption : kButtonCaptions) SetButtonCaption(gui, caption);
  for (const TextCaption& caption : kTextCaptions) {
    screens::SetCaption(screens::BindElement<CGuiStaticText>(gui, caption.element, kCaptions, "static text"),
                        caption.text, caption.format, caption.colour);
  }
  if (auto* box = screens::BindElement<CGuiTextBox>(gui, kHelpBox, kCaptions, "text box")) {
    EngineString help = gui.GetText(kHelpText);
    help.Replace("XX", "\n");
    box->SetText(-1, help);
  }
}
