#include "screens/REraduzizScenarioWindow.h"

#include "engine/core/Globals.h"
#include "engine/media/SoundManager.h"
#include "gui/widgets/CGuiButton.h"
#include "gui/widgets/CGuiTextBox.h"
#include "park/scenarios/CPorvikScenarios.h"
#include "screens/ScreenBinding.h"
#include "screens/ScreenIds.h"
#include "screens/ScreenSet.h"

namespace {

constexpr const char* kScreen = "REraduzizScenarioWindow";
constexpr int32_t kSlotTextIds[REraduzizScenarioWindow::kSlotCount] = {10110, 10112, 10118, 10120};
constexpr int32_t kFirstStartButton = 10113;
constexpr int32_t kBackButton = 10121;
constexpr int32_t kScenarioButton = 10028;
constexpr int32_t kNewGamePage = 10020;
constexpr uint32_t kSlotDrawFormat = 4;
constexpr int32_t kSilent = 0;
constexpr const char* kAtmosphere = "ATMOSPHERE";

}  // namespace

REraduzizScenarioWindow::REraduzizScenarioWindow(ScreenHost& host, CGuiElement* window)
    : window(window), m_host(host) {}

void REraduzizScenarioWindow::BindControls() {
  for (int32_t k = 0; k < kSlotCount; ++k) {
    slotTexts[k] = screens::BindChild<CGuiTextBox>(window, kSlotTextIds[k], kScreen, "text box");
    startButtons[k] = screens::BindChild<CGuiButton>(window, kFirstStartButton + k, kScreen, "button");
  }
}

int32_t REraduzizScenarioWindow::ResultText(bool finished, bool succeeded) {
  if (!finished) return kNotPlayedText;
  return succeeded ? kWonText : kLostText;
}

template <class ResultOf>
void REraduzizScenarioWindow::FillSlots(ResultOf resultOf) {
  const CPorvikScenarios* scenarios = m_host.GetScenarios();
  scenarioCount = scenarios ? scenarios->Count() : 0;
  CGuiMainClass& gui = m_host.Gui();
  for (int32_t k = 0; k < kSlotCount; ++k) {
    if (k >= scenarioCount) {
      if (startButtons[k]) startButtons[k]->SetFixedTextColour(true);
      continue;
    }
    if (!slotTexts[k]) continue;
    const EngineString text = scenarios->GetName(k) + "\n" + scenarios->GetDescription(k) + "\n" +
                              gui.GetText(kResultLabelText) + gui.GetText(resultOf(*scenarios->GetRecord(k)));
    slotTexts[k]->Clear();
    slotTexts[k]->SetDrawFormat(kSlotDrawFormat);
    slotTexts[k]->SetText(-1, text);
  }
}

void REraduzizScenarioWindow::FillGoals() {
  FillSlots([](const ScenarioRecord&) { return kNotPlayedText; });
}

void REraduzizScenarioWindow::RefreshGoals() {
  FillSlots([](const ScenarioRecord& record) { return ResultText(record.finished, record.succeeded); });
}

bool REraduzizScenarioWindow::OnGuiCommand(GuiCommand& command) {
  if (command.code != kCmdClick) return false;
  if (command.sender == kBackButton) {
    GoBack(command);
    return true;
  }
  const int32_t slot = command.sender - kFirstStartButton;
  if (slot < 0 || slot >= kSlotCount) return false;
  StartSlot(command, slot);
  return true;
}

void REraduzizScenarioWindow::GoBack(GuiCommand& command) {
  CGuiMainClass& gui = m_host.Gui();
  gui.PostCommand(kBackButton, screen_ids::kScenario, kCmdClosePage, kBackButton, 0);
  gui.PostCommand(kBackButton, kNewGamePage, kCmdOpenPage, kBackButton, 0);
  command.sender = -1;
}

void REraduzizScenarioWindow::StartSlot(GuiCommand& command, int32_t slot) {
  const int32_t button = command.sender;
  command.sender = -1;
  // An empty slot, or a scenario whose scene cannot be loaded, starts nothing.
  if (slot >= scenarioCount || !m_host.StartScenario(page + slot)) return;
  CGuiMainClass& gui = m_host.Gui();
  gui.PostCommand(-1, screen_ids::kGameMainPage, kCmdOpenPageForced, button, 0);
  gui.PostCommand(-1, screen_ids::kStatusPanel, kCmdOpenPage, button, 0);
  ScreenFlags& flags = m_host.Flags();
  flags.modal = 0;
  gui.PostCommand(-1, screen_ids::kScenario, kCmdClosePage, kScenarioButton, 0);
  flags.tutorialMode = 0;
  PlayScenarioSounds();
}

void REraduzizScenarioWindow::PlayScenarioSounds() {
  if (!g_sound) return;
  g_sound->Play(kAtmosphere);
  ScreenSet* set = m_host.GetScreens();
  REraduzizOptionsScreen* options = set ? set->optionsScreen.get() : nullptr;
  if (!options) {
    g_sound->SetVolumeAll(kSilent);
    return;
  }
  options->PlayAmbientSounds(options->effectsEnabled != 0);
}
