// Ride scripts: at fixed points of the lap some rides brake, speed up, let
// their riders scream and switch a second noise on and off.
#include <algorithm>
#include <iterator>

#include "engine/core/Globals.h"
#include "park/objects/AttractionSounds.h"
#include "park/objects/CAttraction.h"
#include "park/objects/IAttractionHost.h"

namespace {

enum class Op {
  kNone,  // the end of a step's actions
  kPlayNoise2,
  kStopNoise2,
  kScream,
  kStopScream,
  kCut60,      // S - trunc(S / 100 * 60)
  kCut30,      // trunc(S - S / 100 * 30)
  kCut15,      // trunc(S - S / 100 * 15)
  kBaseCut15,  // trunc(B - B / 100 * 15)
  kBaseCut45,  // trunc(S - B / 100 * 45)
  kBase,       // B
  kBaseTimes,  // trunc(B * f)
  kTimes,      // trunc(S * f)
};

struct Action {
  Op op;
  double factor = 0;
};

constexpr int kMaxActions = 3;

struct ScriptStep {
  int32_t threshold;  // in frames of the track; the progress counts keyframes
  Action actions[kMaxActions];
};

struct RideScript {
  const char* id;
  bool perVehicle;
  const ScriptStep* steps;
  size_t stepCount;
};

constexpr Action Do(Op op) { return {op, 0}; }
constexpr Action Do(Op op, double factor) { return {op, factor}; }
// A factor given in single precision keeps that value (1.4f is 1.399999976...),
// and the product is taken in double precision like every other.
constexpr Action DoF(Op op, float factor) { return {op, static_cast<double>(factor)}; }

const ScriptStep kSkarloop[] = {
    {57, {Do(Op::kPlayNoise2), Do(Op::kCut60)}},
    {97, {Do(Op::kScream), Do(Op::kStopNoise2), Do(Op::kBaseTimes, 1.5)}},
    {156, {Do(Op::kScream), DoF(Op::kTimes, 1.6f)}},
    {483, {Do(Op::kBase), Do(Op::kStopScream)}},
};

const ScriptStep kFennaclaw[] = {
    {85, {Do(Op::kCut60), Do(Op::kPlayNoise2)}},
    {148, {Do(Op::kScream), Do(Op::kBaseTimes, 2.0), Do(Op::kStopNoise2)}},
    {216, {Do(Op::kCut30)}},
    {243, {Do(Op::kBaseCut15)}},
    {262, {Do(Op::kScream), Do(Op::kBaseTimes, 1.5)}},
    {393, {Do(Op::kScream), Do(Op::kBaseTimes, 2.0)}},
    {408, {Do(Op::kBaseCut45)}},
    {423, {Do(Op::kScream), Do(Op::kTimes, 1.5)}},
    {526, {Do(Op::kScream), Do(Op::kBase)}},
};

const ScriptStep kNorwhistle[] = {
    {64, {Do(Op::kCut60), Do(Op::kPlayNoise2)}},
    {101, {Do(Op::kScream), Do(Op::kBaseTimes, 2.0), Do(Op::kStopNoise2)}},
    {176, {Do(Op::kCut15)}},
    {293, {Do(Op::kScream), Do(Op::kTimes, 1.3)}},
    {332, {DoF(Op::kTimes, 0.7f)}},
    {350, {Do(Op::kScream), DoF(Op::kTimes, 0.3f)}},
    {365, {Do(Op::kScream), Do(Op::kBaseTimes, 1.5)}},
    {462, {Do(Op::kScream), Do(Op::kTimes, 0.5)}},
    {475, {Do(Op::kTimes, 0.5)}},
};

const ScriptStep kTarvix[] = {
    {0, {Do(Op::kBase), Do(Op::kPlayNoise2)}},
    {79, {DoF(Op::kBaseTimes, 1.4f), Do(Op::kStopNoise2), Do(Op::kScream)}},
    {152, {DoF(Op::kTimes, 0.7f)}},
    {204, {Do(Op::kBase), Do(Op::kPlayNoise2)}},
    {228, {DoF(Op::kTimes, 1.4f), Do(Op::kStopNoise2), Do(Op::kScream)}},
    {338, {DoF(Op::kTimes, 0.7f)}},
    {428, {DoF(Op::kTimes, 1.3f), Do(Op::kScream)}},
    {578, {DoF(Op::kTimes, 0.7f)}},
    {606, {DoF(Op::kTimes, 1.3f), Do(Op::kScream)}},
    {661, {DoF(Op::kTimes, 0.7f)}},
    {686, {Do(Op::kBase), Do(Op::kPlayNoise2)}},
    {710, {DoF(Op::kTimes, 1.3f), Do(Op::kStopNoise2), Do(Op::kScream)}},
    {770, {DoF(Op::kTimes, 0.7f)}},
};

static_assert(std::size(kTarvix) <= RideVehicle::kStepFlagCount && std::size(kFennaclaw) <= CAttraction::kStepFlagCount,
              "every step needs its flag");

const RideScript kScripts[] = {
    {"Attr_Skarloop", false, kSkarloop, std::size(kSkarloop)},
    {"Attr_Fennaclaw", false, kFennaclaw, std::size(kFennaclaw)},
    {"Attr_Norwhistle", true, kNorwhistle, std::size(kNorwhistle)},
    {"Attr_Tarvix", true, kTarvix, std::size(kTarvix)},
};

int32_t Truncated(double value) { return static_cast<int32_t>(value); }

int32_t ApplySpeed(const Action& action, int32_t s, int32_t b) {
  switch (action.op) {
    case Op::kCut60:
      return s - Truncated(s / 100.0 * 60);
    case Op::kCut30:
      return Truncated(s - s / 100.0 * 30);
    case Op::kCut15:
      return Truncated(s - s / 100.0 * 15);
    case Op::kBaseCut15:
      return Truncated(b - b / 100.0 * 15);
    case Op::kBaseCut45:
      return Truncated(s - b / 100.0 * 45);
    case Op::kBase:
      return b;
    case Op::kBaseTimes:
      return Truncated(b * action.factor);
    case Op::kTimes:
      return Truncated(s * action.factor);
    default:
      return s;
  }
}

void RunAction(CAttraction& ride, const Action& action) {
  switch (action.op) {
    case Op::kPlayNoise2:
      attractionsound::Play(ride.id + attractionsound::kNoise2, ride.position);
      return;
    case Op::kStopNoise2:
      attractionsound::Stop(ride.id + attractionsound::kNoise2);
      return;
    case Op::kScream:
      ride.PlayScream();
      return;
    case Op::kStopScream:
      attractionsound::Stop(ride.id + attractionsound::kScream);
      return;
    default:
      ride.trackSpeed = ApplySpeed(action, ride.trackSpeed, ride.baseSpeed);
  }
}

}  // namespace

void CAttraction::RunRideScript(RideVehicle* vehicle) {
  const auto script =
      std::find_if(std::begin(kScripts), std::end(kScripts), [&](const RideScript& each) { return id == each.id; });
  if (script == std::end(kScripts)) return;
  if (script->perVehicle && !vehicle) return;
  const int32_t progressNow = script->perVehicle ? vehicle->keyframe : progressIndex;
  uint8_t* flags = script->perVehicle ? vehicle->stepFlags : stepFlags;
  if (script->perVehicle) trackSpeed = vehicle->speed;
  for (size_t n = 0; n < script->stepCount; ++n) {
    const ScriptStep& step = script->steps[n];
    if (flags[n] != 0 || static_cast<int64_t>(progressNow) < static_cast<int64_t>(step.threshold) * trackKeysPerFrame) {
      continue;
    }
    flags[n] = 1;
    for (const Action& action : step.actions) {
      if (action.op != Op::kNone) RunAction(*this, action);
    }
  }
  if (script->perVehicle) vehicle->speed = trackSpeed;
}

void CAttraction::PlayScream() {
  const bool effectsOn = !g_attractionHost || g_attractionHost->AreSoundEffectsOn();
  if (!g_sound || visitorsInside <= 0 || !effectsOn) return;
  attractionsound::Play(id + attractionsound::kScream, position);
}
