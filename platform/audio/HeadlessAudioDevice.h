#pragma once
// The audio device without sound output: buffers are models advanced by the
// injectable clock and the listener values are kept for tests to read.
#include "platform/audio/AudioDevice.h"

namespace plat {

class HeadlessAudioDevice : public AudioDevice {
 public:
  bool IsLive() const override { return false; }
  std::unique_ptr<SoundBuffer> CreateBuffer(const PcmFormat& format,
                                            std::span<const std::uint8_t> pcm) override;
  bool SetListener(const ListenerSettings& settings) override;
  const ListenerSettings& Listener() const override { return listener_; }

 private:
  ListenerSettings listener_;
};

}  // namespace plat
