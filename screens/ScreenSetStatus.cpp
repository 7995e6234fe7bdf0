// The parts of the screen set that the main object calls outside the
// command pass: the hide-all and the status refreshes.
#include <algorithm>

#include "engine/particles/ParticleEffects.h"
#include "gui/core/CGuiMainClass.h"
#include "gui/widgets/CGuiStaticText.h"
#include "platform/os/Clock.h"
#include "platform/os/Random.h"
#include "screens/ScreenBinding.h"
#include "screens/ScreenIds.h"
#include "screens/ScreenSet.h"

using namespace screen_ids;

namespace {

constexpr int32_t kHideAllSender = 10436;
constexpr int32_t kPointsPerLight = 1000;
constexpr int32_t kFirstVisitorsText = 100184;
constexpr int32_t kFirstVisitorsSecondText = 100185;
constexpr int32_t kEventTimerBase = 10000;
constexpr int32_t kEventTimerSpread = 10000;

// The panel's texts are found anew each time, so that the refresh works
// without the panel object.
void SetAt(CGuiMainClass& gui, int32_t id, const EngineString& literal,
           uint32_t format = REraduzizObjectWindow::kValueFormat,
           const GuiColour& colour = REraduzizObjectWindow::kValueColour) {
  screens::SetLiteral(dynamic_cast<CGuiStaticText*>(gui.FindElement(id)), literal, format, colour);
}

}  // namespace

void ScreenSet::HideAll() {
  ScreenFlags& flags = m_host.Flags();
  if (flags.bookOpen) {
    flags.placing = 1;
    RefreshStatusDisplay();
    REraduzizBuildBook::PostReturnToGame(m_host.Gui());
    flags.bookOpen = 0;
  }
  if (statisticScreen) statisticScreen->ShowParkView();
  flags.modal = 0;
  for (int32_t page : kHideAllPages) Post(kHideAllSender, page, kCmdClosePage, kHideAllSender);
}

void ScreenSet::RefreshCashDisplay() {
  if (!m_host.HasCharacterManager()) return;
  const int32_t visitors = m_host.GetVisitorCount();
  if (objectWindow) {
    objectWindow->SetDateTime();
    objectWindow->SetVisitorCount(visitors);
    objectWindow->UpdateCashbox(m_host.GetCash());
  }
  ScreenFlags& flags = m_host.Flags();
  if (flags.firstVisitorsNoticeGiven || flags.savedGameLoaded || visitors <= 0) return;
  CGuiMainClass& gui = m_host.Gui();
  const EngineString text = gui.GetText(kFirstVisitorsText) + "\n" + gui.GetText(kFirstVisitorsSecondText);
  if (!flags.tutorialMode && messageWindow) messageWindow->Show(text, 0, nullptr, REraduzizMessageWindow::kNoTag);
  flags.firstVisitorsNoticeGiven = 1;
  m_host.ArmParkEvents(plat::TickCount(), kEventTimerBase + plat::Rand() % kEventTimerSpread);
}

void ScreenSet::ApplyLights(const std::vector<Fire*>& ring, int32_t points) {
  const int32_t count = int32_t(ring.size());
  const int32_t lit = std::max(std::min(points / kPointsPerLight, count), 1);
  for (int32_t i = 0; i < count; ++i) {
    if (ring[size_t(i)]) ring[size_t(i)]->active = i < lit;
  }
}

void ScreenSet::RefreshStatusDisplay() {
  using Panel = REraduzizObjectWindow;
  CGuiMainClass& gui = m_host.Gui();
  SetAt(gui, Panel::kSecondGaugeId, screens::FormatValue("%d%%", m_host.GetSecondParkPercentage()));
  SetAt(gui, Panel::kFirstGaugeId, screens::FormatValue("%d%%", m_host.GetFirstParkPercentage()));
  const int32_t points = m_host.PointCounter();
  SetAt(gui, Panel::kPointsId, screens::FormatValue("%d", points), Panel::kPointsFormat, Panel::kCaptionColour);
  if (ParticleEffects* effects = m_host.GetParticleEffects()) ApplyLights(effects->fires, points);
  const StatusDateTime clock = m_host.GetGameClock();
  SetAt(gui, Panel::kDateId, Panel::FormatDate(clock));
  SetAt(gui, Panel::kTimeId, Panel::FormatTime(clock));
  if (m_host.HasCharacterManager())
    SetAt(gui, Panel::kVisitorsId, screens::FormatValue("%d", m_host.GetVisitorCount()));
  SetAt(gui, Panel::kCashId, screens::FormatValue("%d", m_host.GetCash()));
}

void ScreenSet::RefreshStatusAfterChange() {
  if (summaryScreen) summaryScreen->Refresh();
  RefreshStatusDisplay();
}
