#include "screens/PickerPopup.h"

#include "gui/widgets/CGuiButton.h"
#include "gui/widgets/CGuiTextBox.h"
#include "screens/ScreenBinding.h"
#include "screens/ThoughtSentence.h"

namespace {

constexpr int32_t kCloseCaption = 100154;
constexpr uint32_t kCaptionStyle = 5;

}  // namespace

PickerPopup::PickerPopup(ScreenHost& host, CGuiElement* window, int32_t closeId, const char* screen)
    : window(window), m_host(host) {
  if (!window) return;
  closeButton = screens::BindElement<CGuiButton>(host.Gui(), closeId, screen, "button");
  screens::SetButtonCaption(host.Gui(), closeButton, kCloseCaption, kCaptionStyle);
}

void PickerPopup::OnGuiCommand(GuiCommand& command) {
  if (command.code != kCmdClick || !closeButton || command.sender != closeButton->GetId() || !window) return;
  m_host.Flags().modal = 0;
  m_host.Gui().PostCommand(command.sender, window->GetId(), kCmdClosePage, command.sender, 0);
  command.sender = -1;
}

void ShowThoughtSentence(ScreenHost& host, CGuiTextBox* box, int32_t category, int32_t index) {
  if (!box) return;
  box->Clear();
  const CharacterTexts* texts = host.GetCharacterTexts();
  box->SetText(-1, texts ? BuildThoughtSentence(*texts, category, index, EngineString(), EngineString())
                         : EngineString());
}
