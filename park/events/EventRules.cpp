#include "park/events/EventRules.h"

#include "platform/os/Random.h"

namespace {

constexpr int32_t kMinutesPerHour = 60;
constexpr int32_t kFirstEventMinute = 11 * kMinutesPerHour;      // 11:00 refused
constexpr int32_t kLastEventMinute = 17 * kMinutesPerHour + 30;  // 17:30 refused

}  // namespace

bool CompareByOperator(double value, double threshold, const EngineString& op) {
  if (op == "<") return value < threshold;
  if (op == ">") return value > threshold;
  if (op == ">=") return value >= threshold;
  if (op == "<=") return value <= threshold;
  if (op == "=" || op == "==") return value == threshold;
  if (op == "!=") return value != threshold;
  return false;
}

int32_t PickEventIndex(int32_t randomValue, int32_t count) {
  const auto index = static_cast<int32_t>(randomValue / static_cast<double>(plat::kRandMax) * count);
  return index >= count ? count - 1 : index;
}

bool EventClockAllows(int32_t hour, int32_t minute) {
  const int32_t minuteOfDay = hour * kMinutesPerHour + minute;
  return minuteOfDay > kFirstEventMinute && minuteOfDay < kLastEventMinute;
}

bool EventTryDue(uint32_t now, uint32_t lastEventTick, int32_t liveVisitors) {
  return now - lastEventTick > kEventParkPauseMs && liveVisitors > kEventMinLiveVisitors;
}

bool IsMascotSolution(const EngineString& solution) { return solution == "FIZZWICK" || solution == "FIZZLEDA"; }

bool IsRepairSolution(const EngineString& solution) {
  return solution == "REPAIR" || solution == "ENGINEER" || solution == "ENGI";
}

bool IsCleanerSolution(const EngineString& solution) { return solution == "CLEANER"; }

bool IsGardenerSolution(const EngineString& solution) { return solution == "GARDENER"; }
