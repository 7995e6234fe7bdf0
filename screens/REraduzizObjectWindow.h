#pragma once
// The status panel: the always-visible strip with the park's cash, visitor
// count, game date and time and point counter, and the list of park events
// waiting for staff (filled by the park events). It only displays: it has
// no command handler.
#include <cstdint>

#include "engine/core/EngineString.h"
#include "gui/core/CGuiElement.h"
#include "gui/core/GuiColour.h"
#include "screens/ScreenHost.h"

class CGuiGrid;
class CGuiStaticText;

class REraduzizObjectWindow {
 public:
  // The format words and colours of the panel's texts.
  static constexpr uint32_t kValueFormat = 1;
  static constexpr GuiColour kValueColour{255, 0, 0, 0};
  static constexpr uint32_t kPointsFormat = 5;
  static constexpr GuiColour kCaptionColour{255, 128, 0, 0};

  // Its controls, and the two gauges that the complete refresh writes.
  static constexpr int32_t kCashId = 10437;
  static constexpr int32_t kVisitorsId = 10444;
  static constexpr int32_t kDateId = 10441;
  static constexpr int32_t kTimeId = 10442;
  static constexpr int32_t kPointsId = 10445;
  static constexpr int32_t kEventListId = 10438;
  static constexpr int32_t kFirstGaugeId = 10064;
  static constexpr int32_t kSecondGaugeId = 10065;
  static constexpr int32_t kEventsCaptionId = 10440;
  static constexpr int32_t kStatusCaptionId = 10439;

  // Keeps the window; the controls stay null until BindControls.
  REraduzizObjectWindow(ScreenHost& host, CGuiElement* window);

  // Binds the controls, empties the event list, sets the two captions and
  // starts the point counter at 0.
  void BindControls();
  void UpdateCashbox(int32_t cash);
  void SetVisitorCount(int32_t count);
  // The game clock's date and time.
  void SetDateTime();
  // The host's point counter.
  void UpdatePoints();

  static EngineString FormatDate(const StatusDateTime& clock);
  static EngineString FormatTime(const StatusDateTime& clock);

  CGuiElement* window = nullptr;
  EngineString cashText;
  CGuiStaticText* cash = nullptr;
  CGuiStaticText* visitors = nullptr;
  CGuiStaticText* date = nullptr;
  CGuiStaticText* time = nullptr;
  CGuiStaticText* points = nullptr;
  CGuiGrid* eventList = nullptr;

 private:
  ScreenHost& m_host;
};
