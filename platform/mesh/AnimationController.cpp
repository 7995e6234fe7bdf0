#include "platform/mesh/AnimationController.h"

#include <algorithm>
#include <cmath>

#include "platform/math/Math.h"

namespace plat {

AnimationController::AnimationController(std::uint32_t maxOutputs, std::uint32_t maxSets,
                                         std::uint32_t maxTracks, std::uint32_t maxEvents)
    : maxOutputs_(maxOutputs), maxSets_(maxSets), maxEvents_(maxEvents), tracks_(maxTracks) {}

bool AnimationController::RegisterAnimationOutput(std::string name, Matrix* matrix) {
  if (!matrix || outputs_.size() >= maxOutputs_) return false;
  for (const Output& o : outputs_) {
    if (o.name == name) return false;
  }
  outputs_.push_back({std::move(name), matrix});
  return true;
}

bool AnimationController::RegisterAnimationSet(std::shared_ptr<const AnimationSet> set) {
  if (!set || sets_.size() >= maxSets_) return false;
  if (std::find(sets_.begin(), sets_.end(), set) != sets_.end()) return false;
  sets_.push_back(std::move(set));
  return true;
}

std::shared_ptr<const AnimationSet> AnimationController::GetAnimationSet(std::uint32_t index) const {
  return index < sets_.size() ? sets_[index] : nullptr;
}

std::shared_ptr<const AnimationSet> AnimationController::GetAnimationSetByName(
    std::string_view name) const {
  for (const auto& set : sets_) {
    if (set->GetName() == name) return set;
  }
  return nullptr;
}

bool AnimationController::SetTrackAnimationSet(std::uint32_t track,
                                               std::shared_ptr<const AnimationSet> set) {
  if (track >= tracks_.size()) return false;
  tracks_[track].set = std::move(set);
  return true;
}

std::shared_ptr<const AnimationSet> AnimationController::GetTrackAnimationSet(
    std::uint32_t track) const {
  return track < tracks_.size() ? tracks_[track].set : nullptr;
}

bool AnimationController::SetTrackEnable(std::uint32_t track, bool enable) {
  if (track >= tracks_.size()) return false;
  tracks_[track].desc.enable = enable;
  return true;
}

bool AnimationController::SetTrackSpeed(std::uint32_t track, float speed) {
  if (track >= tracks_.size()) return false;
  tracks_[track].desc.speed = speed;
  return true;
}

bool AnimationController::SetTrackWeight(std::uint32_t track, float weight) {
  if (track >= tracks_.size()) return false;
  tracks_[track].desc.weight = weight;
  return true;
}

bool AnimationController::SetTrackPosition(std::uint32_t track, double position) {
  if (track >= tracks_.size()) return false;
  tracks_[track].desc.position = position;
  return true;
}

bool AnimationController::GetTrackDesc(std::uint32_t track, TrackDesc* out) const {
  if (track >= tracks_.size() || !out) return false;
  *out = tracks_[track].desc;
  return true;
}

bool AnimationController::AddEvent(EventKind kind, std::uint32_t track, float target,
                                   double start, double duration) {
  if (track >= tracks_.size() || events_.size() >= maxEvents_) return false;
  if (!std::isfinite(start) || !std::isfinite(duration) || start < 0 || duration < 0) return false;
  events_.push_back({kind, track, target, start, duration});
  return true;
}

bool AnimationController::KeyTrackSpeed(std::uint32_t track, float newSpeed, double startTime,
                                        double duration) {
  return AddEvent(EventKind::Speed, track, newSpeed, startTime, duration);
}

bool AnimationController::KeyTrackWeight(std::uint32_t track, float newWeight, double startTime,
                                         double duration) {
  return AddEvent(EventKind::Weight, track, newWeight, startTime, duration);
}

bool AnimationController::KeyTrackEnable(std::uint32_t track, bool enable, double startTime) {
  return AddEvent(EventKind::Enable, track, enable ? 1.0f : 0.0f, startTime, 0);
}

bool AnimationController::UnkeyAllTrackEvents(std::uint32_t track) {
  if (track >= tracks_.size()) return false;
  std::erase_if(events_, [track](const Event& e) { return e.track == track; });
  return true;
}

void AnimationController::RunEvents() {
  for (Event& e : events_) {
    if (time_ < e.start) continue;
    TrackDesc& desc = tracks_[e.track].desc;
    if (e.kind == EventKind::Enable) {
      desc.enable = e.target != 0;
      e.started = true;
      continue;
    }
    float& value = e.kind == EventKind::Speed ? desc.speed : desc.weight;
    if (!e.started) {
      e.from = value;
      e.started = true;
    }
    const double progress = e.duration > 0 ? std::min(1.0, (time_ - e.start) / e.duration) : 1.0;
    value = e.from + float(progress) * (e.target - e.from);
  }
  std::erase_if(events_, [this](const Event& e) {
    return e.started && time_ >= e.start + e.duration;
  });
}

void AnimationController::PoseOutput(const Output& output) const {
  float total = 0;
  Vec3 scale{}, translation{};
  Quaternion rotation{0, 0, 0, 0};
  Quaternion first{};
  for (const Track& track : tracks_) {
    if (!track.desc.enable || !track.set || !(track.desc.weight > 0)) continue;
    const int channel = track.set->FindChannel(output.name);
    if (channel < 0) continue;
    const Pose pose = track.set->Sample(
        std::uint32_t(channel), track.set->GetPeriodicPosition(track.desc.position));
    const float w = track.desc.weight;
    if (total == 0) first = pose.rotation;
    // q and -q are the same rotation: add the one on the first's side.
    const float side = QuaternionDot(first, pose.rotation) < 0 ? -w : w;
    scale = scale + pose.scale * w;
    translation = translation + pose.translation * w;
    rotation = {rotation.x + pose.rotation.x * side, rotation.y + pose.rotation.y * side,
                rotation.z + pose.rotation.z * side, rotation.w + pose.rotation.w * side};
    total += w;
  }
  if (total <= 0) return;
  QuaternionNormalize(&rotation, rotation);
  MatrixAffine(output.matrix, scale / total, rotation, translation / total);
}

bool AnimationController::AdvanceTime(double seconds) {
  if (!std::isfinite(seconds) || seconds < 0) return false;
  time_ += seconds;
  RunEvents();
  for (Track& track : tracks_) {
    if (track.desc.enable) track.desc.position += seconds * track.desc.speed;
  }
  for (const Output& output : outputs_) PoseOutput(output);
  return true;
}

std::shared_ptr<AnimationController> AnimationController::Clone(std::uint32_t maxOutputs,
                                                                std::uint32_t maxSets,
                                                                std::uint32_t maxTracks,
                                                                std::uint32_t maxEvents) const {
  if (maxOutputs < outputs_.size() || maxSets < sets_.size() || maxTracks == 0) return nullptr;
  auto clone = std::make_shared<AnimationController>(maxOutputs, maxSets, maxTracks, maxEvents);
  clone->outputs_ = outputs_;
  clone->sets_ = sets_;
  for (std::uint32_t t = 0; t < maxTracks && t < tracks_.size(); ++t) clone->tracks_[t] = tracks_[t];
  return clone;
}

}  // namespace plat
