// How a visitor chooses what to do next, and its money's bounds.
#include <gtest/gtest.h>

#include "tests/characters/manager/ManagerTestSupport.h"

namespace {

class VisitorChoiceTest : public ::testing::Test {
 protected:
  chartest::FakeCharacterWorld world_;
  managertest::FakeHost host_;
};

TEST_F(VisitorChoiceTest, ChoiceRulesInTheirOrder) {
  struct Case {
    const char* what;
    int32_t hour, leaveHour;
    int16_t first, second, third;
    uint16_t money;
    uint16_t expected;
  };
  const Case cases[] = {
      {"own leave hour", 14, 14, 90, 90, 90, 500, REraduzizVisitor::kChoiceLeave},
      {"closing time", 18, 20, 90, 90, 90, 500, REraduzizVisitor::kChoiceLeave},
      {"a low value", 12, 18, 90, 90, 9, 500, REraduzizVisitor::kChoiceLeave},
      {"money before food", 12, 18, 90, 20, 90, 25, REraduzizVisitor::kChoiceMoney},
      {"money at the limit", 12, 18, 90, 90, 90, 30, REraduzizVisitor::kChoiceMoney},
      {"hungry at thirty", 12, 18, 90, 30, 90, 31, REraduzizVisitor::kChoiceFood},
      {"hungry at ten", 12, 18, 90, 10, 90, 31, REraduzizVisitor::kChoiceFood},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    REraduzizVisitor v;
    host_.hour = c.hour;
    v.SetLeaveHour(c.leaveHour);
    v.GetAttributes().SetAll(c.first, c.second, c.third, 50);
    v.SetMoney(c.money);
    EXPECT_EQ(v.ChooseActivity(), c.expected);
  }
}

TEST_F(VisitorChoiceTest, ContentVisitorsPickAnAttractionOrTheirWishAndRainSendsAFifthHome) {
  REraduzizVisitor v;
  v.GetAttributes().SetAll(90, 31, 90, 50);
  v.SetMoney(100);
  int counts[6] = {};
  constexpr int kDraws = 4000;
  for (int i = 0; i < kDraws; ++i) ++counts[v.ChooseActivity()];
  EXPECT_EQ(counts[0] + counts[1], kDraws);
  EXPECT_NEAR(counts[1] / double(kDraws), 0.5, 0.04);
  host_.raining = true;
  int leave = 0;
  for (int i = 0; i < kDraws; ++i) leave += v.ChooseActivity() == REraduzizVisitor::kChoiceLeave;
  EXPECT_NEAR(leave / double(kDraws), 0.2, 0.03);
}

TEST_F(VisitorChoiceTest, MoneyStaysWithinItsBounds) {
  const struct {
    uint16_t money;
    int32_t amount;
    uint16_t expected;
  } cases[] = {{100, 50, 150}, {65500, 199, 65535}, {65535, 1, 65535}, {10, -30, 0}, {0, 0, 0}};
  for (const auto& c : cases) EXPECT_EQ(REraduzizVisitor::AddMoney(c.money, c.amount), c.expected) << c.money;
}

}  // namespace
