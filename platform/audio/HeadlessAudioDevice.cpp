#include "platform/audio/HeadlessAudioDevice.h"

#include "platform/audio/HeadlessSoundBuffer.h"

namespace plat {

std::unique_ptr<SoundBuffer> HeadlessAudioDevice::CreateBuffer(const PcmFormat& format,
                                                               std::span<const std::uint8_t> pcm) {
  const std::uint32_t frames = format.WholeFrames(pcm.size());
  if (frames == 0) return nullptr;
  auto data = std::make_shared<HeadlessSoundBuffer::Pcm>();
  data->format = format;
  data->frames = frames;
  data->bytes.assign(pcm.begin(), pcm.begin() + std::size_t{frames} * format.FrameBytes());
  return std::make_unique<HeadlessSoundBuffer>(std::move(data));
}

bool HeadlessAudioDevice::SetListener(const ListenerSettings& settings) {
  if (!settings.IsValid()) return false;
  listener_ = settings;
  return true;
}

}  // namespace plat
