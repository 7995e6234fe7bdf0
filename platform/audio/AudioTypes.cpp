#include "platform/audio/AudioTypes.h"

#include <cmath>
#include <limits>

namespace plat {

float GainFromVolume(std::int32_t volume) {
  if (volume <= kVolumeSilent) return 0.0f;
  return static_cast<float>(std::pow(10.0, volume / 2000.0));
}

bool PcmFormat::IsPlayable() const {
  constexpr std::uint32_t kMinRate = 100;
  constexpr std::uint32_t kMaxRate = 200000;
  return (channels == 1 || channels == 2) && (bitsPerSample == 8 || bitsPerSample == 16) &&
         sampleRate >= kMinRate && sampleRate <= kMaxRate;
}

std::uint32_t PcmFormat::WholeFrames(std::size_t bytes) const {
  if (!IsPlayable()) return 0;
  const std::size_t frames = bytes / FrameBytes();
  if (frames > std::numeric_limits<std::uint32_t>::max()) return 0;
  return static_cast<std::uint32_t>(frames);
}

bool ListenerSettings::IsValid() const {
  constexpr float kMaxRolloff = 10.0f;
  const Vec3 cross{front.y * top.z - front.z * top.y, front.z * top.x - front.x * top.z,
                   front.x * top.y - front.y * top.x};
  const float crossLength = std::sqrt(cross.x * cross.x + cross.y * cross.y + cross.z * cross.z);
  return std::isfinite(distanceFactor) && distanceFactor > 0.0f && rolloffFactor >= 0.0f &&
         rolloffFactor <= kMaxRolloff && std::isfinite(crossLength) && crossLength > 1e-6f;
}

}  // namespace plat
