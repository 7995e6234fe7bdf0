// A month of the demo park, played headless in a process of its own: a free
// game at the fast game speed for thirty of the park's days, visitors
// coming in every morning and going home every evening, on a clock that
// moves a frame at a time so that the month takes minutes, not hours. The
// game must hold its memory level: what the process keeps resident at the
// end of the thirtieth day may be at most a tenth above what it kept at the
// end of the second.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <set>

#include "characters/CPorvikAiClass.h"
#include "gui/core/GuiCommand.h"
#include "tests/e2e/DemoGuiIds.h"
#include "tests/e2e/GameSession.h"
#include "tests/e2e/ParkCopy.h"

namespace {

using e2e::GameSession;
using namespace e2e::demo_gui;

// The days played, and the day whose end the memory is measured against.
constexpr int kDaysPlayed = 30;
constexpr int kBaseDay = 2;
constexpr double kAllowedGrowth = 0.10;
// A frame of a tenth of a second: at the fast speed a day of the park
// takes about 1,300 of them.
constexpr uint32_t kFrameMs = 100;
constexpr int kMaxFramesPerDay = 20000;

// What the process keeps resident, in bytes; 0 when it cannot be read.
uint64_t ResidentBytes() {
  std::ifstream statm("/proc/self/statm");
  uint64_t size = 0, resident = 0;
  if (!(statm >> size >> resident)) return 0;
  return resident * uint64_t(::sysconf(_SC_PAGESIZE));
}

double Megabytes(uint64_t bytes) { return double(bytes) / (1024.0 * 1024.0); }

bool SameDate(const GameDate& a, const GameDate& b) {
  return a.year == b.year && a.month == b.month && a.day == b.day;
}

}  // namespace

TEST(LongRun, AMonthAtTheFastSpeedKeepsTheMemoryLevel) {
  const e2e::ParkCopy park;
  ASSERT_EQ(park.Error(), "");
  GameSession session(plat::WindowBackend::Headless, park.Folder());
  ASSERT_TRUE(session.Started());
  VAvazadOvurUrovi& game = *session.game;
  ASSERT_TRUE(session.Load(true));

  // A free game from the main menu, at the fast speed from the speed page.
  game.PostCommand(-1, kMainMenu, kCmdShowPage, kNewGameButton, 0);
  ASSERT_TRUE(session.Frame());
  ASSERT_TRUE(session.ClickElement(kNewGameButton));
  ASSERT_TRUE(session.ClickElement(kFreePlayButton));
  ASSERT_EQ(game.playMode, 1);
  ASSERT_TRUE(session.ClickElement(kSpeedButton));
  ASSERT_TRUE(session.ClickElement(kFastSpeedButton));
  ASSERT_EQ(game.gameSpeed, kFastSpeed);
  CPorvikAiClass* manager = game.GetAiManager();
  ASSERT_NE(manager, nullptr);

  uint64_t baseResident = 0;
  int showers = 0;
  int daysWithVisitors = 0;
  bool wasRaining = game.IsRaining();
  for (int day = 1; day <= kDaysPlayed; ++day) {
    const GameDate today = game.gameDate;
    std::set<int32_t> came;
    int32_t mostVisitors = 0;
    const bool turned = session.RunUntil(
        [&] {
          mostVisitors = std::max(mostVisitors, manager->GetVisitorCount());
          came.insert(manager->GetLiveIds().begin(), manager->GetLiveIds().end());
          if (game.IsRaining() && !wasRaining) ++showers;
          wasRaining = game.IsRaining();
          // The notice of the first visitors waits for its button.
          if (game.firstVisitorsNoticeGiven && game.modalScreenOpen) session.ClickElement(kNoticeCloseButton);
          return !SameDate(today, game.gameDate);
        },
        kMaxFramesPerDay, kFrameMs);
    ASSERT_TRUE(turned) << "day " << day << " did not end";
    // The day ends when the last visitor has gone home.
    if (!came.empty()) ++daysWithVisitors;
    EXPECT_EQ(manager->GetVisitorCount(), 0) << "visitors stayed the night after day " << day;
    std::printf("day %2d: %zu visitors came, at most %d in the park, %d characters kept, %.1f MiB resident\n", day,
                came.size(), mostVisitors, manager->GetCharacterCount(), Megabytes(ResidentBytes()));
    std::fflush(stdout);
    if (day == kBaseDay) baseResident = ResidentBytes();
  }
  const uint64_t endResident = ResidentBytes();
  // Visitors come on most days of the month.
  EXPECT_GE(daysWithVisitors, kDaysPlayed * 2 / 3);
  // A shower a quarter of an hour: the month saw several come and go.
  EXPECT_GT(showers, 1);
  ASSERT_GT(baseResident, 0u) << "the resident memory cannot be read";
  std::printf("%d days with visitors, %d showers; resident after day %d: %.1f MiB; after day %d: %.1f MiB (%+.1f %%)\n",
              daysWithVisitors, showers, kBaseDay, Megabytes(baseResident), kDaysPlayed, Megabytes(endResident),
              100.0 * (double(endResident) / double(baseResident) - 1.0));
  EXPECT_LE(double(endResident), double(baseResident) * (1.0 + kAllowedGrowth));
}
