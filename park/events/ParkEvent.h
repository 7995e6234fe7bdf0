#pragma once
// One park event: an incident on a placed attraction that waits for a member
// of staff (a hungry bird, full dust bins, a building that needs a repairer).
// One record serves every attraction of its object type, one run at a time:
// `owner` names the attraction it runs or waits on.
#include <cstdint>

#include "engine/core/EngineString.h"

class CAttraction;
class ParkEvent;

// Called when an event's run has ended, with the context given to SetCallback.
using ParkEventCallback = void (*)(void* context, ParkEvent* event);

class ParkEvent {
 public:
  static constexpr int32_t kUnset = -1;
  static constexpr int32_t kDefaultCameraTallPosition = 5;
  static constexpr float kNoSavedHeight = -1000.0f;

  ParkEvent();
  ~ParkEvent();
  ParkEvent(const ParkEvent&) = delete;
  ParkEvent& operator=(const ParkEvent&) = delete;

  void SetDefaults();
  void SetCallback(ParkEventCallback function, void* context);
  // Back to idle: no owner, no solver, both stamps at the current tick, the
  // owner's event marks cleared and the event's sound stopped.
  void Reset();
  // The drawing of the attraction tells the event that its animation has
  // reached its end; the event's run waits for this.
  void OnAnimEnd();

  EngineString id;
  int32_t type = kUnset;
  EngineString shortName;
  EngineString reason;
  EngineString reasonOperator;
  EngineString reasonValue;
  EngineString reasonAdditionalAttrNeeded;
  EngineString eventText;
  EngineString solution;
  EngineString scope;
  int32_t effect = kUnset;
  EngineString soundEffect;
  EngineString soundEffectName;
  int32_t index = kUnset;
  EngineString bookImage;
  int32_t solverDistance = kUnset;
  int32_t cameraDistance = kUnset;
  int32_t twinkleForSolution = 0;
  int32_t cameraTallPosition = kDefaultCameraTallPosition;
  int32_t cameraOrientation = 0;
  int32_t animStopNeeded = 0;
  uint8_t assigned = 0;
  uint32_t lastStartTick = 0;
  uint32_t lastMetTick = 0;
  uint8_t waitingForAnimEnd = 0;
  CAttraction* owner = nullptr;
  CAttraction* extraObject = nullptr;
  float savedHeight = kNoSavedHeight;
  ParkEventCallback callback = nullptr;
  void* callbackContext = nullptr;
};
