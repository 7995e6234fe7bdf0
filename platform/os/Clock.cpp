#include "platform/os/Clock.h"

#include <atomic>
#include <chrono>
#include <ctime>

namespace plat {

namespace {

class SteadyClock : public Clock {
 public:
  std::uint32_t TickCount() override {
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(Since());
    return static_cast<std::uint32_t>(ms.count());
  }

  std::int64_t PerformanceCounter() override {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(Since()).count();
  }

  std::int64_t PerformanceFrequency() override { return 1000000000; }

  SystemTime SystemTimeUtc() override {
    const auto now = std::chrono::system_clock::now();
    const auto sinceEpoch = now.time_since_epoch();
    const std::time_t seconds = std::chrono::system_clock::to_time_t(now);
    std::tm parts{};
    gmtime_r(&seconds, &parts);
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(sinceEpoch).count() % 1000;
    return SystemTime{parts.tm_year + 1900, parts.tm_mon + 1, parts.tm_wday, parts.tm_mday,
                      parts.tm_hour,        parts.tm_min,     parts.tm_sec,  static_cast<int>(ms)};
  }

 private:
  // The steady clock's epoch (boot on Linux) stands in for the system's start.
  static std::chrono::steady_clock::duration Since() {
    return std::chrono::steady_clock::now().time_since_epoch();
  }
};

std::atomic<Clock*> g_installed{nullptr};

}  // namespace

void FakeClock::AdvanceMs(std::uint32_t ms) { micros_ += static_cast<std::int64_t>(ms) * 1000; }

std::uint32_t FakeClock::TickCount() { return static_cast<std::uint32_t>(micros_ / 1000); }

std::int64_t FakeClock::PerformanceCounter() { return micros_; }

Clock& RealClock() {
  static SteadyClock clock;
  return clock;
}

Clock& CurrentClock() {
  Clock* installed = g_installed.load(std::memory_order_acquire);
  return installed ? *installed : RealClock();
}

void SetClock(Clock* clock) { g_installed.store(clock, std::memory_order_release); }

}  // namespace plat
