#pragma once
// The scenario window: four slots, one per scenario of the catalogue, each
// with the scenario's title, description and result so far, and a start
// button. Starting a scenario resets the park to a fresh game with the
// scenario's scene and money, and leaves the window for the park view.
#include <cstdint>

#include "gui/core/CGuiElement.h"
#include "gui/core/GuiCommand.h"
#include "screens/ScreenHost.h"

class CGuiButton;
class CGuiTextBox;
class CPorvikScenarios;

class REraduzizScenarioWindow {
 public:
  static constexpr int32_t kSlotCount = 4;
  // Texts of the goal list: the label before the result, and the results.
  static constexpr int32_t kResultLabelText = 100118;
  static constexpr int32_t kWonText = 100119;
  static constexpr int32_t kLostText = 100120;
  static constexpr int32_t kNotPlayedText = 100121;

  // The window may be null (the GUI description lacks it).
  REraduzizScenarioWindow(ScreenHost& host, CGuiElement* window);

  // True when it consumed the command.
  bool OnGuiCommand(GuiCommand& command);

  // Finds the slots' text boxes and start buttons under the window.
  void BindControls();
  // Every slot's text right after the catalogue is read (no result yet).
  void FillGoals();
  // Every slot's text with the result the goal check decided.
  void RefreshGoals();
  // The result text of a scenario: won, lost, or not decided.
  static int32_t ResultText(bool finished, bool succeeded);

  CGuiElement* window = nullptr;
  int32_t scenarioCount = 0;
  // Nothing changes it: slot k always shows scenario k.
  int32_t page = 0;
  CGuiTextBox* slotTexts[kSlotCount] = {};
  CGuiButton* startButtons[kSlotCount] = {};

 private:
  // The slots with each scenario's result text (by the scenario's index).
  template <class ResultOf>
  void FillSlots(ResultOf resultOf);
  void GoBack(GuiCommand& command);
  void StartSlot(GuiCommand& command, int32_t slot);
  void PlayScenarioSounds();

  ScreenHost& m_host;
};
