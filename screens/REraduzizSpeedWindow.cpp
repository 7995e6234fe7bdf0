#include "screens/REraduzizSpeedWindow.h"

#include "gui/widgets/CGuiStaticText.h"
#include "screens/ScreenBinding.h"
#include "screens/ScreenHost.h"

namespace {

constexpr const char* kScreen = "REraduzizSpeedWindow";
constexpr int32_t kCaption1Text = 100109;
constexpr int32_t kCaption2Text = 100110;
constexpr uint32_t kTextFormat = 1;
constexpr GuiColour kCaptionColour{255, 128, 0, 0};

}  // namespace

REraduzizSpeedWindow::REraduzizSpeedWindow(ScreenHost& host, CGuiElement* window) : window(window), m_host(host) {
  if (!window) return;
  caption1 = screens::BindElement<CGuiStaticText>(m_host.Gui(), kCaption1Id, kScreen, "static text");
  caption2 = screens::BindElement<CGuiStaticText>(m_host.Gui(), kCaption2Id, kScreen, "static text");
  band2Count = screens::BindElement<CGuiStaticText>(m_host.Gui(), kBand2Id, kScreen, "static text");
  band0Count = screens::BindElement<CGuiStaticText>(m_host.Gui(), kBand0Id, kScreen, "static text");
  band1Count = screens::BindElement<CGuiStaticText>(m_host.Gui(), kBand1Id, kScreen, "static text");
  Refresh();
}

void REraduzizSpeedWindow::Refresh() {
  screens::SetCaption(caption1, kCaption1Text, kTextFormat, kCaptionColour);
  screens::SetCaption(caption2, kCaption2Text, kTextFormat, kCaptionColour);
  const ParkMoodTotals totals = m_host.GetMoodTotals();
  screens::SetLiteral(band2Count, screens::FormatValue("%d", totals.bandCounts[2]), kTextFormat, kGuiBlack);
  screens::SetLiteral(band0Count, screens::FormatValue("%d", totals.bandCounts[0]), kTextFormat, kGuiBlack);
  screens::SetLiteral(band1Count, screens::FormatValue("%d", totals.bandCounts[1]), kTextFormat, kGuiBlack);
}

bool REraduzizSpeedWindow::IsShown() const { return window && window->IsVisible(); }

void REraduzizSpeedWindow::OnGuiCommand(GuiCommand& command) {
  if (command.code != kCmdClick) return;
  switch (command.sender) {
    case kNormalId:
      m_host.GameSpeed() = kNormalSpeed;
      break;
    case kFastId:
      m_host.GameSpeed() = kFastSpeed;
      break;
    case kPauseId:
      m_host.GameSpeed() = kPaused;
      break;
    default:
      return;
  }
  command.sender = -1;
}
