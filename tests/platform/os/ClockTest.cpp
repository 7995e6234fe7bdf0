#include "platform/os/Clock.h"

#include <gtest/gtest.h>

#include <ctime>

namespace plat {
namespace {

class FakeClockTest : public ::testing::Test {
 protected:
  void SetUp() override { SetClock(&clock); }
  void TearDown() override { SetClock(nullptr); }
  FakeClock clock;
};

TEST_F(FakeClockTest, AllCountersMoveOnlyWhenAdvanced) {
  const std::int64_t counter = PerformanceCounter();
  const std::uint32_t ticks = TickCount();
  EXPECT_EQ(PerformanceCounter(), counter);
  clock.AdvanceMs(1500);
  EXPECT_EQ(TickCount(), ticks + 1500);
  EXPECT_EQ(PerformanceCounter() - counter, 1500 * PerformanceFrequency() / 1000);
  EXPECT_EQ(PerformanceFrequency(), 1000000);
}

TEST_F(FakeClockTest, TickCountWrapsAtTwoToThe32) {
  clock.AdvanceMs(0xFFFFFFFFu);
  EXPECT_EQ(TickCount(), 0xFFFFFFFFu);
  clock.AdvanceMs(11);
  EXPECT_EQ(TickCount(), 10u);
  EXPECT_EQ(PerformanceCounter(), (0x100000000LL + 10) * 1000);
}

TEST_F(FakeClockTest, SystemTimeIsWhatTheTestSets) {
  EXPECT_EQ(SystemTimeUtc().year, 2000);
  clock.SetSystemTime({2026, 12, 3, 9, 22, 30, 15, 250});
  const SystemTime t = SystemTimeUtc();
  EXPECT_EQ(t.year, 2026);
  EXPECT_EQ(t.month, 12);
  EXPECT_EQ(t.dayOfWeek, 3);
  EXPECT_EQ(t.day, 9);
  EXPECT_EQ(t.milliseconds, 250);
}

TEST(RealClockTest, RestoredByNullAndTellsUtcTime) {
  FakeClock fake;
  SetClock(&fake);
  EXPECT_EQ(&CurrentClock(), &fake);
  SetClock(nullptr);
  EXPECT_EQ(&CurrentClock(), &RealClock());

  const std::int64_t before = PerformanceCounter();
  EXPECT_GE(PerformanceCounter(), before);
  EXPECT_GT(PerformanceFrequency(), 0);

  const std::time_t now = std::time(nullptr);
  std::tm expected{};
  gmtime_r(&now, &expected);
  const SystemTime t = SystemTimeUtc();
  EXPECT_EQ(t.year, expected.tm_year + 1900);
  EXPECT_EQ(t.month, expected.tm_mon + 1);
  EXPECT_EQ(t.dayOfWeek, expected.tm_wday);
  EXPECT_GE(t.milliseconds, 0);
  EXPECT_LT(t.milliseconds, 1000);
}

}  // namespace
}  // namespace plat
