#include "platform/mesh/AnimationSet.h"

#include <algorithm>
#include <cmath>

#include "platform/math/Math.h"

namespace plat {

namespace {

// Keys at no real time cannot be placed: they are dropped.
template <typename Key>
void SortKeys(std::vector<Key>& keys) {
  std::erase_if(keys, [](const Key& k) { return !std::isfinite(k.time); });
  std::stable_sort(keys.begin(), keys.end(),
                   [](const Key& a, const Key& b) { return a.time < b.time; });
}

// The keys around the time and how far between them it lies.
template <typename Key>
void Bracket(const std::vector<Key>& keys, double time, const Key*& a, const Key*& b,
             float& s) {
  auto next = std::upper_bound(keys.begin(), keys.end(), time,
                               [](double t, const Key& k) { return t < k.time; });
  if (next == keys.begin()) {
    a = b = &keys.front();
    s = 0;
  } else if (next == keys.end()) {
    a = b = &keys.back();
    s = 0;
  } else {
    b = &*next;
    a = &*(next - 1);
    const double span = b->time - a->time;
    s = span > 0 ? float((time - a->time) / span) : 0.0f;
  }
}

Vec3 SampleVector(const std::vector<VectorKey>& keys, double time, const Vec3& none) {
  if (keys.empty()) return none;
  const VectorKey* a;
  const VectorKey* b;
  float s;
  Bracket(keys, time, a, b, s);
  return Vec3Lerp(a->value, b->value, s);
}

Quaternion SampleRotation(const std::vector<RotationKey>& keys, double time) {
  if (keys.empty()) return Quaternion{};
  const RotationKey* a;
  const RotationKey* b;
  float s;
  Bracket(keys, time, a, b, s);
  Quaternion out;
  QuaternionSlerp(&out, a->value, b->value, s);
  return out;
}

}  // namespace

AnimationSet::AnimationSet(std::string name, double period, std::vector<AnimationChannel> channels)
    : name_(std::move(name)),
      period_(std::isfinite(period) && period > 0 ? period : 0),
      channels_(std::move(channels)) {
  for (AnimationChannel& channel : channels_) {
    SortKeys(channel.scale);
    SortKeys(channel.rotation);
    SortKeys(channel.translation);
  }
}

double AnimationSet::GetPeriodicPosition(double position) const {
  if (period_ <= 0 || !std::isfinite(position)) return 0;
  double p = std::fmod(position, period_);
  if (p < 0) p += period_;
  return p >= period_ ? 0 : p;
}

int AnimationSet::FindChannel(std::string_view output) const {
  for (std::size_t i = 0; i < channels_.size(); ++i) {
    if (channels_[i].output == output) return int(i);
  }
  return -1;
}

Pose AnimationSet::Sample(std::uint32_t channel, double periodicPosition) const {
  const AnimationChannel& c = channels_[channel];
  Pose pose;
  pose.scale = SampleVector(c.scale, periodicPosition, Vec3{1, 1, 1});
  pose.rotation = SampleRotation(c.rotation, periodicPosition);
  pose.translation = SampleVector(c.translation, periodicPosition, Vec3{});
  return pose;
}

}  // namespace plat
