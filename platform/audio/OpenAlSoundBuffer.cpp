#include "platform/audio/OpenAlSoundBuffer.h"

namespace plat {

OpenAlSoundBuffer::Pcm::~Pcm() { alDeleteBuffers(1, &name); }

std::unique_ptr<OpenAlSoundBuffer> OpenAlSoundBuffer::Create(std::shared_ptr<const Pcm> pcm) {
  alGetError();
  ALuint source = 0;
  alGenSources(1, &source);
  if (alGetError() != AL_NO_ERROR) return nullptr;
  alSourcei(source, AL_BUFFER, static_cast<ALint>(pcm->name));
  if (alGetError() != AL_NO_ERROR) {
    alDeleteSources(1, &source);
    return nullptr;
  }
  return std::make_unique<OpenAlSoundBuffer>(std::move(pcm), source);
}

OpenAlSoundBuffer::~OpenAlSoundBuffer() {
  alSourceStop(source_);
  alDeleteSources(1, &source_);
}

ALint OpenAlSoundBuffer::State() const {
  ALint state = AL_INITIAL;
  alGetSourcei(source_, AL_SOURCE_STATE, &state);
  return state;
}

bool OpenAlSoundBuffer::Play(bool looping) {
  alGetError();
  alSourcei(source_, AL_LOOPING, looping ? AL_TRUE : AL_FALSE);
  // Playing an OpenAL source that already plays would rewind it.
  if (State() != AL_PLAYING) {
    alSourcef(source_, AL_ROLLOFF_FACTOR, pcm_->context->Rolloff());
    alSourcePlay(source_);
  }
  return alGetError() == AL_NO_ERROR;
}

void OpenAlSoundBuffer::Stop() {
  // A paused source resumes where it was; a stopped one would start at 0.
  if (State() == AL_PLAYING) alSourcePause(source_);
}

bool OpenAlSoundBuffer::IsPlaying() { return State() == AL_PLAYING; }

std::uint32_t OpenAlSoundBuffer::PositionFrames() {
  ALint offset = 0;
  alGetSourcei(source_, AL_SAMPLE_OFFSET, &offset);
  return offset > 0 ? static_cast<std::uint32_t>(offset) : 0u;
}

bool OpenAlSoundBuffer::SetVolume(std::int32_t volume) {
  if (volume < kVolumeSilent || volume > kVolumeFull) return false;
  alSourcef(source_, AL_GAIN, GainFromVolume(volume));
  volume_ = volume;
  return true;
}

std::unique_ptr<SoundBuffer> OpenAlSoundBuffer::Duplicate() const {
  auto copy = Create(pcm_);
  if (copy) copy->SetVolume(volume_);
  return copy;
}

}  // namespace plat
