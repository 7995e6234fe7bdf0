#pragma once
// One named animation: keyed scale, rotation and translation per output
// (frame name), times in seconds, played in a loop of its period.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/math/Types.h"

namespace plat {

struct VectorKey {
  double time = 0;
  Vec3 value;
};

struct RotationKey {
  double time = 0;
  Quaternion value;
};

// Missing kinds of keys stand for unit scale, no rotation, no translation.
struct AnimationChannel {
  std::string output;
  std::vector<VectorKey> scale;
  std::vector<RotationKey> rotation;
  std::vector<VectorKey> translation;
};

struct Pose {
  Vec3 scale{1, 1, 1};
  Quaternion rotation;
  Vec3 translation;
};

class AnimationSet {
 public:
  // Keys are sorted by time (keys at non-finite times are dropped); a negative or non-finite period counts as 0.
  AnimationSet(std::string name, double period, std::vector<AnimationChannel> channels);

  const std::string& GetName() const { return name_; }
  double GetPeriod() const { return period_; }
  // The position within the loop, in [0, period); 0 for a set of no length.
  double GetPeriodicPosition(double position) const;
  std::uint32_t GetNumAnimations() const { return std::uint32_t(channels_.size()); }
  const AnimationChannel& Channel(std::uint32_t index) const { return channels_[index]; }
  // Index of the channel that drives the output, -1 when none does.
  int FindChannel(std::string_view output) const;
  // The channel's pose at a periodic position: keys interpolated linearly
  // (rotations by slerp), held before the first and after the last key.
  Pose Sample(std::uint32_t channel, double periodicPosition) const;

 private:
  std::string name_;
  double period_;
  std::vector<AnimationChannel> channels_;
};

}  // namespace plat
