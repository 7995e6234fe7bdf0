#pragma once
// The rules that decide when park events may start: the comparison of a
// measured value with an event's threshold, the random pick among an
// attraction's events, the park hours in which events happen and the pauses.
#include <cstdint>

#include "engine/core/EngineString.h"

// An event is not tried again this soon after its last start or attempt.
constexpr uint32_t kEventRetryPauseMs = 60000;
// A condition that has not held for this long counts as met.
constexpr uint32_t kEventForcedConditionMs = 300000;
// The park-wide pause between events and the crowd they need.
constexpr uint32_t kEventParkPauseMs = 120000;
constexpr int32_t kEventMinLiveVisitors = 10;

// True when the value stands in the relation `op` ("<", ">", ">=", "<=",
// "=", "==", "!=") to the threshold; an unknown operator is never true.
bool CompareByOperator(double value, double threshold, const EngineString& op);

// The index of the event picked by a generator value 0..32767 among n > 0.
int32_t PickEventIndex(int32_t randomValue, int32_t count);

// Events happen only between 11:00 and 17:30 of the park clock (both
// excluded), when the park is open and has been for a while.
bool EventClockAllows(int32_t hour, int32_t minute);

// The per-frame update's gate in normal play: the park-wide pause is over
// and enough visitors are in the park.
bool EventTryDue(uint32_t now, uint32_t lastEventTick, int32_t liveVisitors);

// The staff kinds an event's solution names (exact text): the two mascots,
// the repairers under their three names, the cleaners and the gardeners.
bool IsMascotSolution(const EngineString& solution);
bool IsRepairSolution(const EngineString& solution);
bool IsCleanerSolution(const EngineString& solution);
bool IsGardenerSolution(const EngineString& solution);
