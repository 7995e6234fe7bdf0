#pragma once
// Values shared by both audio backends: the PCM layout of a sound, the 3D
// listener and the volume scale.
#include <cstddef>
#include <cstdint>

#include "platform/math/Types.h"

namespace plat {

// Volumes are hundredths of a decibel of attenuation: 0 is the sound as
// recorded, kVolumeSilent is silence.
constexpr std::int32_t kVolumeSilent = -10000;
constexpr std::int32_t kVolumeFull = 0;

// The linear gain of a volume: 10^(v / 2000), exactly 0 at kVolumeSilent.
float GainFromVolume(std::int32_t volume);

// Interleaved integer PCM: 8-bit unsigned or 16-bit signed little-endian,
// mono or stereo.
struct PcmFormat {
  std::uint16_t channels = 0;
  std::uint32_t sampleRate = 0;
  std::uint16_t bitsPerSample = 0;

  std::uint32_t FrameBytes() const { return channels * (bitsPerSample / 8u); }
  // True for the layouts the backends play.
  bool IsPlayable() const;
  // The whole frames in `bytes` bytes of data; 0 when the layout is not
  // playable or the count does not fit 32 bits.
  std::uint32_t WholeFrames(std::size_t bytes) const;
};

// The listener, in the game's left-handed coordinates.
struct ListenerSettings {
  float distanceFactor = 1.0f;  // metres per world unit
  float rolloffFactor = 1.0f;
  Vec3 front{0, 0, 1};
  Vec3 top{0, 1, 0};

  // A positive, finite distance factor, a rolloff of 0 to 10 and two
  // orientation vectors that are neither zero nor parallel.
  bool IsValid() const;
};

}  // namespace plat
