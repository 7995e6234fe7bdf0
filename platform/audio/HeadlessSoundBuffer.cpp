#include "platform/audio/HeadlessSoundBuffer.h"

#include "platform/os/Clock.h"

namespace plat {

HeadlessSoundBuffer::HeadlessSoundBuffer(std::shared_ptr<const Pcm> pcm) : pcm_(std::move(pcm)) {}

std::uint64_t HeadlessSoundBuffer::FramesSinceStart() const {
  const std::uint64_t elapsedMs = static_cast<std::uint32_t>(TickCount() - startedAt_);
  return elapsedMs * pcm_->format.sampleRate / 1000u;
}

void HeadlessSoundBuffer::Settle() {
  if (!playing_ || looping_) return;
  if (startFrame_ + FramesSinceStart() >= pcm_->frames) {
    playing_ = false;
    startFrame_ = 0;
  }
}

std::uint32_t HeadlessSoundBuffer::PositionFrames() {
  Settle();
  if (!playing_) return startFrame_;
  return static_cast<std::uint32_t>((startFrame_ + FramesSinceStart()) % pcm_->frames);
}

bool HeadlessSoundBuffer::Play(bool looping) {
  if (IsPlaying()) {
    // Keep the position when a looping sound becomes a one-shot, or back.
    startFrame_ = PositionFrames();
  }
  playing_ = true;
  startedAt_ = TickCount();
  looping_ = looping;
  return true;
}

void HeadlessSoundBuffer::Stop() {
  startFrame_ = PositionFrames();
  playing_ = false;
}

bool HeadlessSoundBuffer::IsPlaying() {
  Settle();
  return playing_;
}

bool HeadlessSoundBuffer::SetVolume(std::int32_t volume) {
  if (volume < kVolumeSilent || volume > kVolumeFull) return false;
  volume_ = volume;
  return true;
}

std::unique_ptr<SoundBuffer> HeadlessSoundBuffer::Duplicate() const {
  auto copy = std::make_unique<HeadlessSoundBuffer>(pcm_);
  copy->volume_ = volume_;
  return copy;
}

}  // namespace plat
