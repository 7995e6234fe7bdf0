#pragma once
// One park event: an incident on a placed attraction that waits for a member
// of staff (a hungry bird, full dust bins, a building that needs a repairer).
// One record serves every attraction of its object type, one run at a time:
// `owner` names the attraction it runs or waits on.
//
// The steps of a run (the camera, the script, the reset) act on the game on
// the window thread; EventRun times them.
#include <cstdint>

#include "engine/core/EngineString.h"
#include "platform/math/Types.h"

class CAttraction;
class ParkEvent;

// Called when an event's run has ended, with the context given to SetCallback.
using ParkEventCallback = void (*)(void* context, ParkEvent* event);

// A + normalize(B - A) x d; A itself when B equals A.
plat::Vec3 PointTowards(const plat::Vec3& a, const plat::Vec3& b, float d);

class ParkEvent {
 public:
  static constexpr int32_t kUnset = -1;
  static constexpr int32_t kDefaultCameraTallPosition = 5;
  static constexpr float kNoSavedHeight = -1000.0f;
  // A sunk object stands this deep, out of sight.
  static constexpr float kSunkHeight = -100.0f;

  // What the event does to the park while it runs (`effect`).
  static constexpr int32_t kEffectLitter = 100;
  static constexpr int32_t kEffectSinkExtraObject = 101;
  static constexpr int32_t kEffectSinkOwner = 102;
  static constexpr int32_t kEffectSneezeSound = 103;
  // Which ride stops while the event runs (`animStopNeeded`).
  static constexpr int32_t kStopOwnerRun = 1;
  static constexpr int32_t kStopExtraObjectRun = 2;

  // The identifiers with a script of their own.
  static constexpr const char* kZelVaroHungry = "EVENT_ZEL_VARO_HUNGRY";
  static constexpr const char* kZelVaroTired = "EVENT_ZEL_VARO_TIERD";
  static constexpr const char* kVormexSneezes = "EVENT_VORMEX_SNEEZES";
  static constexpr const char* kSpeakingDustBins = "EVENT_SPEAKING_DUST_BINS";
  static constexpr const char* kDustBins = "EVENT_DUST_BINS";
  static constexpr const char* kGorbleTunnHungry = "EVENT_GORBLE_TUNN_GETS_HUNGRY";

  ParkEvent();
  ~ParkEvent();
  ParkEvent(const ParkEvent&) = delete;
  ParkEvent& operator=(const ParkEvent&) = delete;

  void SetDefaults();
  void SetCallback(ParkEventCallback function, void* context);

  // The camera step: the event camera looks at the attraction (an unset
  // special event location becomes the gate). Nothing without an owner.
  void Begin();
  // The scripted step: the event's animation, particles, sunk object,
  // stopped ride and looping sound. Nothing without an owner.
  void RunScript();
  // The drawing of the attraction tells the event that its animation has
  // reached its end; the event's run waits for this.
  void OnAnimEnd();
  // Back to idle: everything the run did is undone (litter, sunk objects,
  // stopped rides, effects, sound), the owner's event marks are cleared, no
  // owner, no solver, both stamps at the current tick.
  void Reset();

  bool IsSneeze() const { return id == kVormexSneezes; }
  // The animation of the event's script; empty for an event without one.
  EngineString ScriptedAnimation() const;
  // Both the sound file and its name are set.
  bool HasSound() const { return soundEffect.Length() > 0 && soundEffectName.Length() > 0; }

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

 private:
  void Sink(CAttraction& object);
  void BringBack(CAttraction& object);
};
