#pragma once
// A sound buffer on OpenAL: one source over an OpenAL buffer that its
// duplicates share. Pausing gives the stop-without-rewind the game expects.
#include <AL/al.h>

#include <memory>

#include "platform/audio/AudioTypes.h"
#include "platform/audio/OpenAlContext.h"
#include "platform/audio/SoundBuffer.h"

namespace plat {

class OpenAlSoundBuffer : public SoundBuffer {
 public:
  // The PCM data in an OpenAL buffer, deleted with the last source using it.
  struct Pcm {
    Pcm(std::shared_ptr<OpenAlContext> context, ALuint name) : context(std::move(context)), name(name) {}
    ~Pcm();
    Pcm(const Pcm&) = delete;
    Pcm& operator=(const Pcm&) = delete;
    std::shared_ptr<OpenAlContext> context;
    ALuint name;
  };

  // A new source over `pcm`; null when OpenAL cannot give one.
  static std::unique_ptr<OpenAlSoundBuffer> Create(std::shared_ptr<const Pcm> pcm);
  OpenAlSoundBuffer(std::shared_ptr<const Pcm> pcm, ALuint source) : pcm_(std::move(pcm)), source_(source) {}
  ~OpenAlSoundBuffer() override;
  OpenAlSoundBuffer(const OpenAlSoundBuffer&) = delete;
  OpenAlSoundBuffer& operator=(const OpenAlSoundBuffer&) = delete;

  bool Play(bool looping) override;
  void Stop() override;
  bool IsPlaying() override;
  std::uint32_t PositionFrames() override;
  bool SetVolume(std::int32_t volume) override;
  std::int32_t Volume() const override { return volume_; }
  std::unique_ptr<SoundBuffer> Duplicate() const override;

 private:
  ALint State() const;

  std::shared_ptr<const Pcm> pcm_;
  ALuint source_;
  std::int32_t volume_ = kVolumeFull;
};

}  // namespace plat
