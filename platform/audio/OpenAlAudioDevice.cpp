#include "platform/audio/OpenAlAudioDevice.h"

#include <AL/al.h>

#include <limits>

#include "platform/audio/OpenAlSoundBuffer.h"

namespace plat {
namespace {

ALenum AlFormat(const PcmFormat& format) {
  if (format.channels == 1) return format.bitsPerSample == 8 ? AL_FORMAT_MONO8 : AL_FORMAT_MONO16;
  return format.bitsPerSample == 8 ? AL_FORMAT_STEREO8 : AL_FORMAT_STEREO16;
}

}  // namespace

std::unique_ptr<SoundBuffer> OpenAlAudioDevice::CreateBuffer(const PcmFormat& format,
                                                             std::span<const std::uint8_t> pcm) {
  const std::uint32_t frames = format.WholeFrames(pcm.size());
  const std::size_t size = std::size_t{frames} * format.FrameBytes();
  if (frames == 0 || size > static_cast<std::size_t>(std::numeric_limits<ALsizei>::max())) return nullptr;
  alGetError();
  ALuint name = 0;
  alGenBuffers(1, &name);
  if (alGetError() != AL_NO_ERROR) return nullptr;
  auto shared = std::make_shared<const OpenAlSoundBuffer::Pcm>(context_, name);
  alBufferData(name, AlFormat(format), pcm.data(), static_cast<ALsizei>(size), static_cast<ALsizei>(format.sampleRate));
  if (alGetError() != AL_NO_ERROR) return nullptr;
  return OpenAlSoundBuffer::Create(std::move(shared));
}

bool OpenAlAudioDevice::SetListener(const ListenerSettings& settings) {
  if (!settings.IsValid()) return false;
  constexpr float kSpeedOfSoundMetres = 343.3f;
  // The game's coordinates are left-handed, OpenAL's right-handed: z flips.
  const ALfloat orientation[6] = {settings.front.x, settings.front.y, -settings.front.z,
                                  settings.top.x,   settings.top.y,   -settings.top.z};
  alGetError();
  alListenerfv(AL_ORIENTATION, orientation);
  alSpeedOfSound(kSpeedOfSoundMetres / settings.distanceFactor);
  if (alGetError() != AL_NO_ERROR) return false;
  context_->SetRolloff(settings.rolloffFactor);
  listener_ = settings;
  return true;
}

}  // namespace plat
