#pragma once
// The sound output: static buffers and the 3D listener. Two backends stand
// behind it: the live one on OpenAL Soft and a headless model whose buffers
// advance with the injectable clock (platform/os/Clock.h).
#include <cstdint>
#include <memory>
#include <span>

#include "platform/audio/AudioTypes.h"
#include "platform/audio/SoundBuffer.h"

namespace plat {

class AudioDevice {
 public:
  virtual ~AudioDevice() = default;

  virtual bool IsLive() const = 0;
  // A stopped buffer at position 0 and full volume holding a copy of the
  // whole frames of `pcm`; null when the format is not playable or there is
  // not one whole frame.
  virtual std::unique_ptr<SoundBuffer> CreateBuffer(const PcmFormat& format,
                                                    std::span<const std::uint8_t> pcm) = 0;
  // Applies all listener values together.
  virtual bool SetListener(const ListenerSettings& settings) = 0;
  virtual const ListenerSettings& Listener() const = 0;
};

// True when HALVENOR_HEADLESS is set to something other than "" or "0".
bool HeadlessAudioRequested();

// The device the game uses: headless when requested or when no sound device
// can be opened, so that the game never fails for want of sound.
std::unique_ptr<AudioDevice> OpenAudioDevice();
// The OpenAL backend, or null when no OpenAL device can be opened.
std::unique_ptr<AudioDevice> OpenLiveAudioDevice();
std::unique_ptr<AudioDevice> OpenHeadlessAudioDevice();

}  // namespace plat
