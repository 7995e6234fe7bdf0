// The demo park's GUI with the screens over a park ground in a real window:
// the game bar and the status panel are shown, and the cash, date, time and
// visitor count change from frame to frame. Screenshots of the frames are
// written into the working directory. Skips without a display.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "gui/widgets/CGuiStaticText.h"
#include "screens/ScreenIds.h"
#include "tests/screens/LiveScreenTest.h"

namespace {

class StatusPanelLiveTest : public screentest::LiveScreenTest {
 protected:
  // The number of pixels that differ inside an element's rectangle.
  int Changed(const std::vector<uint32_t>& a, const std::vector<uint32_t>& b, int32_t id) {
    CGuiElement* element = gui->FindElement(id);
    if (!element) return 0;
    int changed = 0;
    for (int y = element->rect.top; y < element->rect.bottom; ++y) {
      for (int x = element->rect.left; x < element->rect.right; ++x) {
        const size_t i = size_t(y) * kWidth + size_t(x);
        if (i < a.size() && a[i] != b[i]) ++changed;
      }
    }
    return changed;
  }
};

TEST_F(StatusPanelLiveTest, TheStatusPanelShowsTheParkFiguresAsTheyChange) {
  screentest::LoadDemoGui(*gui);
  screens->CreateAll();
  screens->ChangeText();
  gui->PostCommand(-1, screen_ids::kGameMainPage, kCmdShowPage, screen_ids::kSummaryButton, 0);
  gui->PostCommand(-1, screen_ids::kStatusPanel, kCmdShowPage, REraduzizObjectWindow::kCashId, 0);
  Pass();
  ASSERT_TRUE(gui->FindElement(screen_ids::kStatusPanel)->IsVisible());
  host->flags.gameRunning = 1;
  host->flags.firstVisitorsNoticeGiven = 1;

  struct Moment {
    int32_t cash;
    StatusDateTime clock;
    int32_t visitors;
  };
  const Moment moments[] = {
      {30000, {2007, 3, 21, 10, 0}, 0}, {28450, {2007, 3, 21, 10, 35}, 12}, {31275, {2007, 3, 22, 9, 5}, 57}};
  std::vector<std::vector<uint32_t>> frames;
  for (size_t i = 0; i < std::size(moments); ++i) {
    host->cash = moments[i].cash;
    host->clock = moments[i].clock;
    host->visitors = moments[i].visitors;
    screens->RefreshCashDisplay();
    frames.push_back(Frame("status_panel_" + std::to_string(i) + ".png"));
  }
  EXPECT_EQ(screens->objectWindow->cash->GetText(), "31275");
  EXPECT_EQ(screens->objectWindow->date->GetText(), "22-03-2007");
  EXPECT_EQ(screens->objectWindow->time->GetText(), "09:05");
  EXPECT_EQ(screens->objectWindow->visitors->GetText(), "57");
  // Each value is drawn anew: its pixels change from frame to frame.
  for (int32_t id :
       {REraduzizObjectWindow::kCashId, REraduzizObjectWindow::kTimeId, REraduzizObjectWindow::kVisitorsId}) {
    EXPECT_GT(Changed(frames[0], frames[1], id), 0) << id;
  }
  EXPECT_GT(Changed(frames[1], frames[2], REraduzizObjectWindow::kDateId), 0);
  // The panel lies over the park; the sky shows above it.
  const std::vector<uint32_t>& last = frames.back();
  EXPECT_NE(last[size_t(kHeight - 4) * kWidth + 600], last[size_t(kHeight - 200) * kWidth + 600]);
  EXPECT_EQ(last[size_t(60) * kWidth + 600], kSky | 0xFF000000u);
}

}  // namespace
