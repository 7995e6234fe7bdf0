#pragma once
// The moving parts of a ride: the keyframes of its track and the vehicles
// that run on it.
#include <cstdint>

#include "platform/math/Types.h"

struct TrackKeyframe {
  int32_t key = 0;  // the slot's index as the file gives it; 0 marks an unfilled slot
  plat::Vec3 position;
  plat::Vec3 axis;
  plat::Quaternion rotationQuat{0, 0, 0, 0};
  float w = 0;
};

struct RideVehicle {
  static constexpr int kStepFlagCount = 15;

  plat::Vec3 position;  // in the object's own coordinates
  plat::Matrix orientation;
  int32_t trackOffset = 0;  // keyframes behind the head of the train
  int32_t keyframe = 0;
  uint8_t waiting = 0;
  uint32_t waitStartTick = 0;
  uint32_t waitStep = 0;  // extra wait per vehicle index, in ms
  int32_t lastKeyframe = 0;
  int32_t speed = 0;
  // Where the vehicle stands between two keyframes, so that short frames
  // still add up to whole keyframes.
  float progress = 0;
  uint8_t stepFlags[kStepFlagCount] = {};
};
