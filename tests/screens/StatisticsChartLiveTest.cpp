// The statistics window in a real window: opened from the finance overview
// with a month of ticket sales in the ledger, its chart draws the sales of
// each day as a red line over its grid. The frame is written as
// "statistics_chart.png" into the working directory. Skips without a
// display.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "gui/widgets/CGuiChart.h"
#include "gui/widgets/CGuiComboBox.h"
#include "park/ledger/LedgerKinds.h"
#include "screens/ScreenIds.h"
#include "tests/screens/LiveScreenTest.h"

namespace {

class StatisticsChartLiveTest : public screentest::LiveScreenTest {
 protected:
  // Pixels inside the element that are mostly red, as the ticket line is.
  int RedPixels(const std::vector<uint32_t>& pixels, const CGuiElement& element) {
    int red = 0;
    for (int y = element.rect.top; y < element.rect.bottom; ++y) {
      for (int x = element.rect.left; x < element.rect.right; ++x) {
        const uint32_t colour = pixels[size_t(y) * kWidth + size_t(x)];
        const int r = int(colour >> 16 & 0xFF), g = int(colour >> 8 & 0xFF), b = int(colour & 0xFF);
        if (r > 180 && g < 90 && b < 90) ++red;
      }
    }
    return red;
  }
  void Click(int32_t id) {
    gui->PostCommand(id, -1, kCmdClick, 0, 0);
    Pass();
    Pass();
  }
};

TEST_F(StatisticsChartLiveTest, TheChartDrawsAMonthOfTicketSales) {
  screentest::LoadDemoGui(*gui);
  host->clock = {2008, 3, 28, 15, 0};
  host->startYear = 2008;
  screens->CreateAll();
  screens->ChangeText();
  host->flags.gameRunning = 1;
  // A month of sales that grows with the spring, with a dip at the weekends.
  for (int32_t day = 1; day <= 28; ++day) {
    host->clock.day = day;
    const int32_t visitors = 20 + 3 * day - (day % 7 < 2 ? 15 : 0);
    for (int32_t hour = 10; hour < 18; ++hour) {
      host->clock.hour = hour;
      host->BookLedgerKind(ledger::kTicket, -1, visitors * host->ticketPrice / 8);
    }
  }
  Click(screen_ids::kSummaryButton);
  Click(REraduzizSummaryScreen::kStatisticsId);
  ASSERT_TRUE(gui->FindElement(screen_ids::kStatistic)->IsVisible());
  REraduzizStatisticScreen& statistics = *screens->statisticScreen;
  statistics.monthList->SetSelectedIndex(3);
  gui->PostCommand(REraduzizStatisticScreen::kMonthListId, -1, kCmdSelect, 3, 0);
  Pass();

  ASSERT_NE(statistics.chart, nullptr);
  ASSERT_EQ(statistics.chart->GetSeries().size(), 1u);
  EXPECT_EQ(statistics.chart->GetSeries()[0].points.size(), 32u);
  const std::vector<uint32_t> frame = Frame("statistics_chart.png");
  EXPECT_GT(statistics.chart->GetRenderCount(), 0);
  EXPECT_GT(RedPixels(frame, *statistics.chart), 100);
}

}  // namespace
