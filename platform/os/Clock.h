#pragma once
// Every clock of the game comes from one injectable source, so that tests
// control time.
#include <cstdint>

namespace plat {

struct SystemTime {
  int year, month, dayOfWeek, day, hour, minute, second, milliseconds;
};

class Clock {
 public:
  virtual ~Clock() = default;
  virtual std::uint32_t TickCount() = 0;          // milliseconds, wraps at 2^32
  virtual std::int64_t PerformanceCounter() = 0;  // ticks of PerformanceFrequency
  virtual std::int64_t PerformanceFrequency() = 0;
  virtual SystemTime SystemTimeUtc() = 0;
};

// A clock that moves only when told to; its counter runs at 1 MHz.
class FakeClock : public Clock {
 public:
  void AdvanceMs(std::uint32_t ms);
  void SetSystemTime(const SystemTime& t) { time_ = t; }
  std::uint32_t TickCount() override;
  std::int64_t PerformanceCounter() override;
  std::int64_t PerformanceFrequency() override { return 1000000; }
  SystemTime SystemTimeUtc() override { return time_; }

 private:
  std::int64_t micros_ = 0;
  SystemTime time_{2000, 1, 6, 1, 0, 0, 0, 0};
};

// The steady real-time clock, used unless a test installs another.
Clock& RealClock();

// The clock in use. SetClock(nullptr) restores the real clock.
Clock& CurrentClock();
void SetClock(Clock* clock);

inline std::uint32_t TickCount() { return CurrentClock().TickCount(); }
inline std::int64_t PerformanceCounter() { return CurrentClock().PerformanceCounter(); }
inline std::int64_t PerformanceFrequency() { return CurrentClock().PerformanceFrequency(); }
inline SystemTime SystemTimeUtc() { return CurrentClock().SystemTimeUtc(); }

}  // namespace plat
