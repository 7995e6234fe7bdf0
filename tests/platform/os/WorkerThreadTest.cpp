#include "platform/os/WorkerThread.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <memory>

namespace plat {
namespace {

using namespace std::chrono_literals;

TEST(WorkerThreadTest, BodyWaitsUntilResumed) {
  std::atomic<int> runs{0};
  WorkerThread worker([&] { ++runs; });
  std::this_thread::sleep_for(50ms);
  EXPECT_EQ(runs.load(), 0);
  EXPECT_FALSE(worker.Finished());
  worker.Resume();
  worker.Resume();
  worker.Join();
  EXPECT_EQ(runs.load(), 1);
  EXPECT_TRUE(worker.Finished());
  worker.Join();
}

TEST(WorkerThreadTest, JoinWithoutResumeRunsTheBodyAndReturns) {
  std::atomic<bool> ran{false};
  WorkerThread worker([&] { ran = true; });
  worker.Join();
  EXPECT_TRUE(ran.load());
  EXPECT_TRUE(worker.Finished());
}

TEST(WorkerThreadTest, DestructionWaitsForTheBody) {
  auto data = std::make_unique<std::atomic<int>>(0);
  {
    WorkerThread worker([&] {
      std::this_thread::sleep_for(30ms);
      data->store(5);
    });
    worker.Resume();
  }
  EXPECT_EQ(data->load(), 5);
}

TEST(WorkerThreadTest, EmptyBodyFinishes) {
  WorkerThread worker{std::function<void()>()};
  worker.Join();
  EXPECT_TRUE(worker.Finished());
}

}  // namespace
}  // namespace plat
