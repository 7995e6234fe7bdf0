#include "platform/os/Random.h"

#include <gtest/gtest.h>

#include <algorithm>
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

TEST(RandomTest, ThreadsDrawingTogetherShareOneSequenceWithoutLoss) {
  constexpr int kPerThread = 5000;
  SRand(7);
  std::vector<int> sequential;
  for (int i = 0; i < 2 * kPerThread; ++i) sequential.push_back(Rand());

  SRand(7);
  std::vector<int> a, b;
  std::thread ta([&] { for (int i = 0; i < kPerThread; ++i) a.push_back(Rand()); });
  std::thread tb([&] { for (int i = 0; i < kPerThread; ++i) b.push_back(Rand()); });
  ta.join();
  tb.join();
  a.insert(a.end(), b.begin(), b.end());
  std::sort(a.begin(), a.end());
  std::sort(sequential.begin(), sequential.end());
  EXPECT_EQ(a, sequential);
  SRand(1);
}

}  // namespace
}  // namespace plat
