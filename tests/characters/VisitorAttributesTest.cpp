#include <gtest/gtest.h>

#include <array>
#include <random>
#include <vector>

#include "characters/CVisitorAttributes.h"

namespace {

TEST(VisitorMood, MoodAndBandFollowValuesTwoAndThree) {
  struct Case {
    int16_t v2, v3;
    int32_t mood;
    int16_t band;
  };
  const Case cases[] = {
      {50, 50, 50, 1}, {100, 100, 100, 2}, {0, 1, 0, 0},    {40, 40, 40, 1},
      {39, 39, 39, 0}, {60, 60, 60, 2},    {29, 29, 29, 0}, {0, 100, 60, 2},
      {100, 0, 40, 1}, {10, 60, 40, 1},    {0, 0, 0, 0},
  };
  for (const Case& c : cases) {
    CVisitorAttributes a;
    a.SetAll(0, c.v2, c.v3, 0);
    EXPECT_EQ(a.GetMood(), c.mood) << c.v2 << "/" << c.v3;
    EXPECT_EQ(a.BandOf(a.GetMood()), c.band) << c.v2 << "/" << c.v3;
    EXPECT_EQ(a.GetStoredMood(), c.mood);
    EXPECT_EQ(a.GetBand(), CVisitorAttributes::kNoBand);  // not banded before it is counted
  }
}

TEST(VisitorMood, FirstMoodUsesValueOneAndThresholdsMoveTheBands) {
  CVisitorAttributes a;
  a.SetAll(100, 50, 0, 0);
  EXPECT_EQ(a.GetFirstMood(), 80);
  EXPECT_EQ(a.GetMood(), 20);
  a.SetLowThreshold(10);
  a.SetHighThreshold(20);
  EXPECT_EQ(a.BandOf(20), 2);
  EXPECT_EQ(a.BandOf(19), 1);
  EXPECT_EQ(a.BandOf(9), 0);
}

TEST(VisitorMood, ChangesAreScaledByTheirRateTruncatedAndClamped) {
  struct Case {
    int16_t rate3, start, d, expected;
  };
  const Case cases[] = {
      {50, 50, 10, 55},  {33, 50, 10, 53},      {50, 50, -7, 47},    {100, 90, 30, 100},
      {100, 10, -20, 0}, {100, 99, 32767, 100}, {100, 1, -32768, 0}, {0, 50, 100, 50},
  };
  for (const Case& c : cases) {
    CVisitorAttributes a;
    a.SetRates(100, c.rate3);
    a.SetAll(0, 0, c.start, 0);
    a.AddThird(c.d);
    EXPECT_EQ(a.GetValue3(), c.expected) << c.rate3 << " " << c.start << " " << c.d;
  }
  CVisitorAttributes b;
  b.SetRates(50, 100);
  b.AddAll(30, 120, 10, -5);
  EXPECT_EQ(b.GetValue1(), 15);
  EXPECT_EQ(b.GetValue2(), 100);
  EXPECT_EQ(b.GetValue3(), 10);
  EXPECT_EQ(b.GetValue4(), 0);
  b.AddFirst(-7);
  EXPECT_EQ(b.GetValue1(), 12);
  b.AddSecond(-30);
  EXPECT_EQ(b.GetValue2(), 70);
}

TEST(VisitorMood, EverySetterHoldsTheValuesToZeroToHundred) {
  CVisitorAttributes a;
  a.SetAll(-5, 300, 101, -1);
  EXPECT_EQ(a.GetValue1(), 0);
  EXPECT_EQ(a.GetValue2(), 100);
  EXPECT_EQ(a.GetValue3(), 100);
  EXPECT_EQ(a.GetValue4(), 0);
  EXPECT_EQ(a.GetMood(), 100);
  a.SetValue1(500);
  a.SetValue2(-500);
  a.SetValue3(1000);
  a.SetValue4(101);
  EXPECT_EQ(a.GetValue1(), 100);
  EXPECT_EQ(a.GetValue2(), 0);
  EXPECT_EQ(a.GetValue3(), 100);
  EXPECT_EQ(a.GetValue4(), 100);
  CAttributes initial;
  initial.SetAll(-1, 101, 50, 32767);
  EXPECT_EQ(initial.GetValue1(), 0);
  EXPECT_EQ(initial.GetValue2(), 100);
  EXPECT_EQ(initial.GetValue3(), 50);
  EXPECT_EQ(initial.GetValue4(), 100);
  for (int16_t band : {int16_t(-1), int16_t(4), int16_t(200)}) {
    a.SetBand(band);
    EXPECT_EQ(a.GetBand(), CVisitorAttributes::kNoBand);
  }
  a.SetBand(2);
  EXPECT_EQ(a.GetBand(), 2);
}

TEST(VisitorMood, MoodTargetSetsValueThreeWithinRange) {
  struct Case {
    int16_t v2;
    int32_t p;
    int16_t v3;
  };
  const Case cases[] = {
      {50, 50, 50}, {100, 50, 16}, {0, 100, 100}, {100, 0, 0}, {0, 1000, 100}, {50, -2000000000, 0},
  };
  for (const Case& c : cases) {
    CVisitorAttributes a;
    a.SetAll(0, c.v2, 0, 0);
    const int16_t stored = a.GetStoredMood();
    a.SetMoodTarget(c.p);
    EXPECT_EQ(a.GetValue3(), c.v3) << c.v2 << " " << c.p;
    EXPECT_EQ(a.GetStoredMood(), stored);
  }
}

// Visitors with their totals, and the totals recounted from the visitors.
class ParkTotalsTest : public ::testing::Test {
 protected:
  static constexpr int kVisitors = 12;

  using Bands = std::array<int32_t, ParkMoodTotals::kBandCount>;

  void SetUp() override {
    for (auto& v : visitors_) v.SetParkTotals(&totals_);
  }
  void ExpectTotalsExact(int step) const {
    int32_t moodSum = 0;
    Bands bands{};
    for (const auto& v : visitors_) {
      if (!v.IsCounted()) continue;
      moodSum += v.GetStoredMood();
      if (v.GetBand() < ParkMoodTotals::kBandCount) ++bands[std::size_t(v.GetBand())];
    }
    ASSERT_EQ(totals_.moodSum, moodSum) << "step " << step;
    ASSERT_EQ(totals_.bandCounts, bands) << "step " << step;
  }

  ParkMoodTotals totals_;
  std::array<CVisitorAttributes, kVisitors> visitors_;
};

TEST_F(ParkTotalsTest, CountingGivesMoodAndBandOfEachVisitor) {
  visitors_[0].SetAll(0, 50, 50, 0);
  visitors_[1].SetAll(0, 100, 100, 0);
  visitors_[2].SetAll(0, 0, 10, 0);
  for (int i = 0; i < 3; ++i) visitors_[std::size_t(i)].AddToParkTotals();
  EXPECT_EQ(totals_.moodSum, 50 + 100 + 6);
  EXPECT_EQ(totals_.bandCounts, (Bands{1, 1, 1}));
  visitors_[1].AddFirst(-50);  // value 1 is not part of the mood
  EXPECT_EQ(totals_.moodSum, 156);
  EXPECT_EQ(visitors_[1].GetFirstMood(), 40);
  visitors_[0].AddThird(30);  // 50 -> 68: band 1 -> 2
  EXPECT_EQ(totals_.moodSum, 174);
  EXPECT_EQ(totals_.bandCounts, (Bands{1, 0, 2}));
  visitors_[0].RemoveFromParkTotals();
  visitors_[0].RemoveFromParkTotals();  // a second removal takes nothing more
  EXPECT_EQ(totals_.moodSum, 106);
  EXPECT_EQ(totals_.bandCounts, (Bands{1, 0, 1}));
  visitors_[0].AddThird(-60);  // no longer counted: the totals stay
  EXPECT_EQ(totals_.moodSum, 106);
  visitors_[3].RemoveFromParkTotals();  // never counted
  EXPECT_EQ(totals_.moodSum, 106);
}

TEST_F(ParkTotalsTest, TotalsStayExactUnderRandomChangesAddsAndRemoves) {
  std::mt19937 random(20261210);
  std::uniform_int_distribution<int> pick(0, kVisitors - 1);
  std::uniform_int_distribution<int> op(0, 9);
  std::uniform_int_distribution<int> delta(-60, 60);
  const auto d = [&] { return int16_t(delta(random)); };
  for (int step = 0; step < 5000; ++step) {
    CVisitorAttributes& v = visitors_[std::size_t(pick(random))];
    switch (op(random)) {
      case 0:
        if (!v.IsCounted()) v.AddToParkTotals();
        break;
      case 1:
        v.RemoveFromParkTotals();
        break;
      case 2:
        v.AddFirst(d());
        break;
      case 3:
        v.AddSecond(d());
        break;
      case 4:
        v.AddThird(d());
        break;
      case 5:
        v.AddAll(d(), d(), d(), d());
        break;
      case 6:
        v.SetAll(d(), d(), d(), d());
        break;
      case 7:
        v.SetValue2(d());
        break;
      case 8:
        v.SetValue3(d());
        break;
      default:
        v.SetBand(int16_t(pick(random) % 5));
        break;
    }
    ExpectTotalsExact(step);
  }
}

}  // namespace
