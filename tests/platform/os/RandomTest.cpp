#include "platform/os/Random.h"

#include <gtest/gtest.h>

#include <thread>
#include <vector>

namespace plat {
namespace {

TEST(RandomTest, SeedOneGivesTheRuntimeSequence) {
  SRand(1);
  const int expected[] = {41, 18467, 6334, 26500, 19169, 15724, 11478, 29358, 26962, 24464};
  for (int value : expected) EXPECT_EQ(Rand(), value);
}

TEST(RandomTest, ReseedingRepeatsTheSequenceAndResultsStayInRange) {
  SRand(12345);
  std::vector<int> first;
  for (int i = 0; i < 1000; ++i) first.push_back(Rand());
  SRand(12345);
  for (int value : first) {
    EXPECT_EQ(Rand(), value);
    EXPECT_GE(value, 0);
    EXPECT_LE(value, kRandMax);
  }
  SRand(0);
  EXPECT_EQ(Rand(), 38);
}

// A thread's draws never hang on what another thread drew or seeded: a
// loading thread gets the same values however the window thread's frames
// took turns with it.
TEST(RandomTest, EveryThreadDrawsItsOwnSequenceFromSeedOne) {
  constexpr int kDraws = 5000;
  SRand(1);
  std::vector<int> seedOne;
  for (int i = 0; i < kDraws; ++i) seedOne.push_back(Rand());

  SRand(7);
  const int mainBefore = Rand();
  std::vector<int> a, b;
  std::thread ta([&] { for (int i = 0; i < kDraws; ++i) a.push_back(Rand()); });
  std::thread tb([&] {
    SRand(99);
    for (int i = 0; i < kDraws; ++i) b.push_back(Rand());
  });
  for (int i = 0; i < kDraws; ++i) Rand();
  ta.join();
  tb.join();
  EXPECT_EQ(a, seedOne);
  SRand(99);
  for (int value : b) ASSERT_EQ(Rand(), value);
  // The other threads' seeding and drawing left this thread's sequence alone.
  SRand(7);
  EXPECT_EQ(Rand(), mainBefore);
  SRand(1);
}

}  // namespace
}  // namespace plat
