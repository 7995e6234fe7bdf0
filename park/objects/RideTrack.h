#pragma once
// The moving parts of a ride: the keyframes of its track and the vehicles
// that run on it.
#include <cstdint>

#include "platform/math/Types.h"

struct TrackKeyframe {
  plat::Quaternion rotation;
  plat::Vec3 scale{1, 1, 1};
  plat::Vec3 position;
};

struct RideVehicle {
  plat::Vec3 position;  // in the object's own coordinates
  plat::Matrix orientation;
  int32_t keyframe = 0;
};
