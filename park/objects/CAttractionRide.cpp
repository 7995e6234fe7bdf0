// Ride cycles: one train whose cars follow a single head position (family
// A), or independent vehicles that leave the station one after another
// (family B).
#include <algorithm>
#include <cmath>

#include "park/objects/AttractionSounds.h"
#include "park/objects/CAttraction.h"
#include "park/objects/IAttractionHost.h"
#include "platform/math/Math.h"
#include "platform/os/Clock.h"

namespace {

constexpr const char* kIndependentVehicleRides[] = {"Attr_Norwhistle", "Attr_Plonkett", "ATTR_Kestovar",
                                                    "Attr_Murrowick", "Attr_Tarvix"};
// Trains that brake hard from the file's speed in their first frames.
constexpr const char* kBrakingTrains[] = {"Attr_Cobbleton", "Attr_Velmorra"};
constexpr double kTrainBrakePercent = 20.0;
constexpr const char* kBrakingVehicleRide = "Attr_Murrowick";
constexpr double kVehicleBrakePercent = 15.0;
constexpr double kBrakingRideWaitFactor = 4.0;
// Trains whose sounds follow their last car.
constexpr const char* kLastCarSoundRides[] = {"Attr_Skarloop", "Attr_Fennaclaw", "Attr_Cobbleton"};
constexpr int32_t kSpeedFactors[] = {1, 2, 3};  // by ride kind

template <size_t N>
bool IsOneOf(const EngineString& id, const char* const (&ids)[N]) {
  return std::any_of(std::begin(ids), std::end(ids), [&](const char* each) { return id == each; });
}

int32_t Braked(int32_t speed, double percent) { return speed - static_cast<int32_t>(speed / 100.0 * percent); }

plat::Vec3 Add(const plat::Vec3& a, const plat::Vec3& b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }

}  // namespace

bool CAttraction::HasIndependentVehicles() const { return IsOneOf(id, kIndependentVehicleRides); }

void CAttraction::UpdateRide(float dt) {
  if (isClosed == 1 && progressIndex == 0) return;  // a closed ride waits in the station
  if (HasIndependentVehicles()) {
    UpdateRideCycleB(dt);
  } else {
    UpdateRideCycle(dt);
  }
}

int32_t CAttraction::AdvanceRidePosition(float dt) {
  if (rideKind < 0 || rideKind >= static_cast<int32_t>(std::size(kSpeedFactors))) return progressIndex;
  const int32_t keysPerSecond = trackSpeed * trackKeysPerFrame;
  progress += static_cast<float>(keysPerSecond * kSpeedFactors[rideKind]) * dt;
  progressIndex = static_cast<int32_t>(progress);
  return progressIndex;
}

void CAttraction::ShowVehicleAt(RideVehicle& vehicle, int32_t k) {
  const TrackKeyframe& keyframe = keyframes[static_cast<size_t>(k)];
  vehicle.position = keyframe.position;
  plat::MatrixRotationQuaternion(&vehicle.orientation, keyframe.rotationQuat);
  vehicle.keyframe = k;
}

void CAttraction::PlaceVehicleSounds(const RideVehicle& vehicle) {
  const plat::Vec3 at = Add(vehicle.position, position);
  for (const char* suffix : {attractionsound::kNoise, attractionsound::kNoise2, attractionsound::kScream}) {
    attractionsound::Place(id + suffix, at);
  }
}

void CAttraction::UpdateRideCycle(float dt) {
  if (IsOneOf(id, kBrakingTrains)) trackSpeed = Braked(trackSpeed, kTrainBrakePercent);
  const bool wasRunning = cyclePaused == 0;
  const uint32_t now = plat::TickCount();
  if (wasRunning) {
    if (isHeld == 1) {
      progressIndex = 0;
    } else {
      RunRideScript(nullptr);
      progressIndex = AdvanceRidePosition(dt);
      if (progressIndex >= keyframeCount) {
        progress = 0.0f;
        progressIndex = 0;
        cyclePaused = 1;
        ClearSlotFlags();
        attractionsound::Stop(id + attractionsound::kNoise);
        pauseStartTick = now;
      }
    }
  } else if (isHeld == 0 && now - pauseStartTick > static_cast<uint32_t>(pauseLengthMs)) {
    cyclePaused = 0;
    attractionsound::Play(id + attractionsound::kNoise, position);
    attractionsound::Play(id + attractionsound::kStarting, position);
  }
  if (!wasRunning || progressIndex == lastShownKeyframe || keyframes.empty()) return;
  trackPreviousPosition = trackPosition;
  trackPreviousMatrix = trackMatrix;
  lastShownKeyframe = progressIndex;
  for (size_t i = 0; i < vehicles.size(); ++i) {
    RideVehicle& vehicle = *vehicles[i];
    int32_t k = progressIndex - vehicle.trackOffset;
    if (k < 0) k += keyframeCount;
    ShowVehicleAt(vehicle, std::clamp(k, 0, keyframeCount));
    if (i + 1 == vehicles.size() && IsOneOf(id, kLastCarSoundRides)) {
      PlaceVehicleSounds(vehicle);
      attractionsound::Place(id + attractionsound::kStarting, position);
    }
  }
}

void CAttraction::UpdateRideCycleB(float dt) {
  bool anyWaiting = false;
  const uint32_t now = plat::TickCount();
  for (size_t i = 0; i < vehicles.size(); ++i) {
    RideVehicle& vehicle = *vehicles[i];
    if (vehicle.waiting == 0) RunRideScript(&vehicle);
    // Each vehicle keeps where it stands between keyframes, so that short
    // frames add up instead of each losing its fraction.
    progress = vehicle.progress;
    if (vehicle.waiting == 0) MoveVehicle(vehicle, dt, now);
    if (vehicle.waiting != 0) {
      double wait = vehicle.waitStep;
      if (id == kBrakingVehicleRide) wait *= kBrakingRideWaitFactor;
      const uint32_t limit =
          static_cast<uint32_t>(wait) * static_cast<uint32_t>(i) + static_cast<uint32_t>(pauseLengthMs);
      if (now - vehicle.waitStartTick > limit) {
        vehicle.waiting = 0;
        attractionsound::Play(id + attractionsound::kNoise, position);
        attractionsound::Play(id + attractionsound::kStarting, position);
        vehicle.speed = baseSpeed;
      }
    }
    anyWaiting |= vehicle.waiting != 0;
  }
  cyclePaused = anyWaiting ? 1 : 0;
}

void CAttraction::MoveVehicle(RideVehicle& vehicle, float dt, uint32_t now) {
  if (id == kBrakingVehicleRide) trackSpeed = Braked(trackSpeed, kVehicleBrakePercent);
  vehicle.keyframe = progressIndex = AdvanceRidePosition(dt);
  vehicle.progress = progress;
  if (vehicle.keyframe >= keyframeCount) {
    progressIndex = 0;
    vehicle.keyframe = 0;
    progress = vehicle.progress = 0.0f;
    vehicle.waiting = 1;
    std::fill(std::begin(vehicle.stepFlags), std::end(vehicle.stepFlags), 0);
    attractionsound::Stop(id + attractionsound::kNoise);
    vehicle.waitStartTick = now;
  }
  if (vehicle.lastKeyframe == vehicle.keyframe || keyframes.empty()) return;
  trackPreviousPosition = trackPosition;
  trackPreviousMatrix = trackMatrix;
  vehicle.lastKeyframe = progressIndex;
  ShowVehicleAt(vehicle, progressIndex);
  PlaceVehicleSounds(vehicle);
}
