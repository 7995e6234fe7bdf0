#include "screens/REraduzizObjectWindow.h"

#include "gui/widgets/CGuiGrid.h"
#include "gui/widgets/CGuiStaticText.h"
#include "screens/ScreenBinding.h"

namespace {

constexpr const char* kScreen = "REraduzizObjectWindow";
constexpr const char* kStaticText = "static text";
constexpr int32_t kEventsCaptionText = 100122;
constexpr int32_t kStatusCaptionText = 100123;
constexpr uint32_t kEventsCaptionFormat = 1;
constexpr uint32_t kStatusCaptionFormat = 0;

}  // namespace

REraduzizObjectWindow::REraduzizObjectWindow(ScreenHost& host, CGuiElement* window) : window(window), m_host(host) {}

void REraduzizObjectWindow::BindControls() {
  eventList = screens::BindElement<CGuiGrid>(m_host.Gui(), kEventListId, kScreen, "grid");
  if (eventList) {
    eventList->SetRowCount(0);
    eventList->UpdateScrollRange(true);
  }
  cash = screens::BindChild<CGuiStaticText>(window, kCashId, kScreen, kStaticText);
  visitors = screens::BindChild<CGuiStaticText>(window, kVisitorsId, kScreen, kStaticText);
  date = screens::BindChild<CGuiStaticText>(window, kDateId, kScreen, kStaticText);
  time = screens::BindChild<CGuiStaticText>(window, kTimeId, kScreen, kStaticText);
  screens::SetCaption(screens::BindChild<CGuiStaticText>(window, kEventsCaptionId, kScreen, kStaticText),
                      kEventsCaptionText, kEventsCaptionFormat, kCaptionColour);
  screens::SetCaption(screens::BindChild<CGuiStaticText>(window, kStatusCaptionId, kScreen, kStaticText),
                      kStatusCaptionText, kStatusCaptionFormat, kCaptionColour);
  points = screens::BindChild<CGuiStaticText>(window, kPointsId, kScreen, kStaticText);
  m_host.PointCounter() = 0;
  UpdatePoints();
}

void REraduzizObjectWindow::UpdateCashbox(int32_t cashValue) {
  cashText = screens::FormatValue("%d", cashValue);
  screens::SetLiteral(cash, cashText, kValueFormat, kValueColour);
}

void REraduzizObjectWindow::SetVisitorCount(int32_t count) {
  screens::SetLiteral(visitors, screens::FormatValue("%d", count), kValueFormat, kValueColour);
}

void REraduzizObjectWindow::SetDateTime() {
  const StatusDateTime clock = m_host.GetGameClock();
  screens::SetLiteral(date, FormatDate(clock), kValueFormat, kValueColour);
  screens::SetLiteral(time, FormatTime(clock), kValueFormat, kValueColour);
}

void REraduzizObjectWindow::UpdatePoints() {
  screens::SetLiteral(points, screens::FormatValue("%d", m_host.PointCounter()), kPointsFormat, kCaptionColour);
}

EngineString REraduzizObjectWindow::FormatDate(const StatusDateTime& clock) {
  EngineString text;
  text.Format("%.2d-%.2d-%.4d", clock.day, clock.month, clock.year);
  return text;
}

EngineString REraduzizObjectWindow::FormatTime(const StatusDateTime& clock) {
  EngineString text;
  text.Format("%.2d:%.2d", clock.hour, clock.minute);
  return text;
}
