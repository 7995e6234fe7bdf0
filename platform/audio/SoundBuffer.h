#pragma once
// One playable copy of a static sound. Duplicates share the PCM data but play,
// stop and take volumes on their own.
#include <cstdint>
#include <memory>

namespace plat {

class SoundBuffer {
 public:
  virtual ~SoundBuffer() = default;

  // Plays from the current position, once or looped. On a buffer that is
  // already playing only the looping choice changes; it is not restarted.
  // A one-shot that reached its end by itself starts again at 0.
  virtual bool Play(bool looping) = 0;
  // Stops and keeps the position, so that the next Play continues there.
  virtual void Stop() = 0;
  virtual bool IsPlaying() = 0;
  // The play position in sample frames.
  virtual std::uint32_t PositionFrames() = 0;

  // Hundredths of a decibel, kVolumeSilent..kVolumeFull. A value outside that
  // range is refused (false) and the buffer keeps its volume.
  virtual bool SetVolume(std::int32_t volume) = 0;
  virtual std::int32_t Volume() const = 0;

  // Another buffer over the same PCM data, stopped at 0 with this volume.
  virtual std::unique_ptr<SoundBuffer> Duplicate() const = 0;
};

}  // namespace plat
