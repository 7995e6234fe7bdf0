#pragma once
// A sound buffer without a sound device: a model of what the device would be
// doing, advanced by the injectable clock, so tests can watch a one-shot end.
#include <cstdint>
#include <memory>
#include <vector>

#include "platform/audio/AudioTypes.h"
#include "platform/audio/SoundBuffer.h"

namespace plat {

class HeadlessSoundBuffer : public SoundBuffer {
 public:
  struct Pcm {
    PcmFormat format;
    std::vector<std::uint8_t> bytes;
    std::uint32_t frames = 0;
  };

  explicit HeadlessSoundBuffer(std::shared_ptr<const Pcm> pcm);

  bool Play(bool looping) override;
  void Stop() override;
  bool IsPlaying() override;
  std::uint32_t PositionFrames() override;
  bool SetVolume(std::int32_t volume) override;
  std::int32_t Volume() const override { return volume_; }
  std::unique_ptr<SoundBuffer> Duplicate() const override;

  const std::vector<std::uint8_t>& Bytes() const { return pcm_->bytes; }

 private:
  // Brings the model up to the clock's present time: a one-shot that ran
  // past its end stops and goes back to 0.
  void Settle();
  // Frames played since the last Play (elapsed milliseconds scaled by the
  // rate, so that no rounding builds up).
  std::uint64_t FramesSinceStart() const;

  std::shared_ptr<const Pcm> pcm_;
  bool playing_ = false;
  bool looping_ = false;
  std::int32_t volume_ = kVolumeFull;
  std::uint32_t startFrame_ = 0;  // the position when Play started, or when stopped
  std::uint32_t startedAt_ = 0;   // tick count of that Play
};

}  // namespace plat
