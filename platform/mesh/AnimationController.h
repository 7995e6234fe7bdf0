#pragma once
// Plays animation sets on tracks and writes the blended poses into the
// registered outputs (frame transformation matrices, not owned: the frames
// must outlive every controller that writes them, clones included).
// AdvanceTime moves the global time, runs the key events that fall in it,
// moves every enabled track's position by the time times its speed and then
// poses every output driven by an enabled track: scale and translation are
// averaged and rotations blended by the tracks' weights, divided by their
// total, so that a lone track of any positive weight gives its set's pose.
// Outputs no enabled track drives keep their matrices.
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/math/Types.h"
#include "platform/mesh/AnimationSet.h"

namespace plat {

struct TrackDesc {
  float weight = 1;
  float speed = 1;
  double position = 0;
  bool enable = false;
};

class AnimationController {
 public:
  AnimationController(std::uint32_t maxOutputs, std::uint32_t maxSets, std::uint32_t maxTracks,
                      std::uint32_t maxEvents);

  std::uint32_t GetMaxNumAnimationOutputs() const { return maxOutputs_; }
  std::uint32_t GetMaxNumAnimationSets() const { return maxSets_; }
  std::uint32_t GetMaxNumTracks() const { return std::uint32_t(tracks_.size()); }
  std::uint32_t GetMaxNumEvents() const { return maxEvents_; }
  std::uint32_t GetNumAnimationSets() const { return std::uint32_t(sets_.size()); }
  std::uint32_t GetNumPendingEvents() const { return std::uint32_t(events_.size()); }

  // False when the table is full, the matrix is null or the name is taken.
  bool RegisterAnimationOutput(std::string name, Matrix* matrix);
  // False when the table is full or the set is null or already registered.
  bool RegisterAnimationSet(std::shared_ptr<const AnimationSet> set);
  std::shared_ptr<const AnimationSet> GetAnimationSet(std::uint32_t index) const;
  std::shared_ptr<const AnimationSet> GetAnimationSetByName(std::string_view name) const;

  // Track calls fail for a track past GetMaxNumTracks. A null set empties the track.
  bool SetTrackAnimationSet(std::uint32_t track, std::shared_ptr<const AnimationSet> set);
  std::shared_ptr<const AnimationSet> GetTrackAnimationSet(std::uint32_t track) const;
  bool SetTrackEnable(std::uint32_t track, bool enable);
  bool SetTrackSpeed(std::uint32_t track, float speed);
  bool SetTrackWeight(std::uint32_t track, float weight);
  bool SetTrackPosition(std::uint32_t track, double position);
  bool GetTrackDesc(std::uint32_t track, TrackDesc* out) const;

  // Moves the track's speed (weight) linearly from the value it has when
  // global time reaches startTime to the new value over the duration; an
  // interval already over when the time next advances sets the value at
  // once. False when the event table is full or the time or duration is
  // negative or not finite.
  bool KeyTrackSpeed(std::uint32_t track, float newSpeed, double startTime, double duration);
  bool KeyTrackWeight(std::uint32_t track, float newWeight, double startTime, double duration);
  // Switches the track on or off once global time reaches startTime (the
  // same table and time rules as the keys above).
  bool KeyTrackEnable(std::uint32_t track, bool enable, double startTime);
  // Drops every pending key of the track; false for a track past the count.
  bool UnkeyAllTrackEvents(std::uint32_t track);

  double GetTime() const { return time_; }
  // False (nothing changes) for a negative or non-finite step.
  bool AdvanceTime(double seconds);

  // A controller with the same sets, outputs and track settings, its own
  // time (0) and no events; null when a limit is below what is in use
  // (outputs, sets) or is 0 tracks.
  std::shared_ptr<AnimationController> Clone(std::uint32_t maxOutputs, std::uint32_t maxSets,
                                             std::uint32_t maxTracks,
                                             std::uint32_t maxEvents) const;

 private:
  struct Track {
    std::shared_ptr<const AnimationSet> set;
    TrackDesc desc;
  };
  struct Output {
    std::string name;
    Matrix* matrix;
  };
  enum class EventKind { Speed, Weight, Enable };
  struct Event {
    EventKind kind;
    std::uint32_t track;
    float target;
    double start;
    double duration;
    bool started = false;
    float from = 0;
  };

  bool AddEvent(EventKind kind, std::uint32_t track, float target, double start, double duration);
  void RunEvents();
  void PoseOutput(const Output& output) const;

  std::uint32_t maxOutputs_;
  std::uint32_t maxSets_;
  std::uint32_t maxEvents_;
  std::vector<Track> tracks_;
  std::vector<Output> outputs_;
  std::vector<std::shared_ptr<const AnimationSet>> sets_;
  std::vector<Event> events_;
  double time_ = 0;
};

}  // namespace plat
