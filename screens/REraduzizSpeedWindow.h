#pragma once
// The speed window: three buttons set the game speed (normal, fast,
// paused), and three texts show how many visitors are in each mood band
// when the window opens. The main object's speed button opens and closes it.
#include <cstdint>

#include "gui/core/CGuiElement.h"
#include "gui/core/GuiCommand.h"

class CGuiStaticText;
class ScreenHost;

class REraduzizSpeedWindow {
 public:
  static constexpr int32_t kNormalId = 10336;
  static constexpr int32_t kFastId = 10337;
  static constexpr int32_t kPauseId = 10338;
  static constexpr int32_t kNormalSpeed = 1;
  static constexpr int32_t kFastSpeed = 4;
  static constexpr int32_t kPaused = 0;
  static constexpr int32_t kCaption1Id = 10331;
  static constexpr int32_t kCaption2Id = 10335;
  static constexpr int32_t kBand2Id = 10332;
  static constexpr int32_t kBand0Id = 10333;
  static constexpr int32_t kBand1Id = 10334;

  // The window may be null (the GUI description lacks it): nothing is bound.
  REraduzizSpeedWindow(ScreenHost& host, CGuiElement* window);

  // The captions and the band counts of now.
  void Refresh();
  void OnGuiCommand(GuiCommand& command);
  // Whether the page is visible: every way of closing it (its button, the
  // hide-all, another page) counts, so the opener never gets out of step.
  bool IsShown() const;

  CGuiElement* window = nullptr;
  CGuiStaticText* caption1 = nullptr;
  CGuiStaticText* caption2 = nullptr;
  CGuiStaticText* band2Count = nullptr;
  CGuiStaticText* band0Count = nullptr;
  CGuiStaticText* band1Count = nullptr;

 private:
  ScreenHost& m_host;
};
