#pragma once
// The live audio device on OpenAL Soft.
#include <memory>

#include "platform/audio/AudioDevice.h"
#include "platform/audio/OpenAlContext.h"

namespace plat {

class OpenAlAudioDevice : public AudioDevice {
 public:
  explicit OpenAlAudioDevice(std::shared_ptr<OpenAlContext> context) : context_(std::move(context)) {}

  bool IsLive() const override { return true; }
  std::unique_ptr<SoundBuffer> CreateBuffer(const PcmFormat& format,
                                            std::span<const std::uint8_t> pcm) override;
  bool SetListener(const ListenerSettings& settings) override;
  const ListenerSettings& Listener() const override { return listener_; }

 private:
  std::shared_ptr<OpenAlContext> context_;
  ListenerSettings listener_;
};

}  // namespace plat
