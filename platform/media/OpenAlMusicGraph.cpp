#include "platform/media/OpenAlMusicGraph.h"

#include <chrono>

#include "platform/audio/AudioTypes.h"
#include "platform/os/Path.h"

namespace plat {

namespace {

constexpr auto kPumpInterval = std::chrono::milliseconds(20);

}  // namespace

std::unique_ptr<OpenAlMusicGraph> OpenAlMusicGraph::Create() {
  std::shared_ptr<OpenAlContext> context = AcquireOpenAlContext();
  if (!context) return nullptr;
  alGetError();
  ALuint source = 0;
  alGenSources(1, &source);
  if (alGetError() != AL_NO_ERROR) return nullptr;
  std::array<ALuint, kBufferCount> buffers{};
  alGenBuffers(kBufferCount, buffers.data());
  if (alGetError() != AL_NO_ERROR) {
    alDeleteSources(1, &source);
    return nullptr;
  }
  // Music is not placed in the world.
  alSourcei(source, AL_SOURCE_RELATIVE, AL_TRUE);
  alSource3f(source, AL_POSITION, 0, 0, 0);
  return std::unique_ptr<OpenAlMusicGraph>(new OpenAlMusicGraph(std::move(context), source, buffers));
}

OpenAlMusicGraph::OpenAlMusicGraph(std::shared_ptr<OpenAlContext> context, ALuint source,
                                   const std::array<ALuint, kBufferCount>& buffers)
    : context_(std::move(context)), source_(source), buffers_(buffers),
      freeBuffers_(buffers.begin(), buffers.end()) {}

OpenAlMusicGraph::~OpenAlMusicGraph() {
  StopWorker();
  alSourceStop(source_);
  alSourcei(source_, AL_BUFFER, 0);
  alDeleteSources(1, &source_);
  alDeleteBuffers(kBufferCount, buffers_.data());
}

MediaResult OpenAlMusicGraph::SetSource(std::string_view path) {
  if (!FileExists(path)) return kMediaFileNotFound;
  std::unique_ptr<MediaDecoder> decoder = MediaDecoder::OpenFile(path, MediaDecoder::Kind::Audio);
  if (!decoder) return kMediaCannotRender;
  StopWorker();
  std::lock_guard lock(mutex_);
  DropQueuedBuffers();
  decoder_ = std::move(decoder);
  return kMediaOk;
}

MediaResult OpenAlMusicGraph::Run() {
  {
    std::lock_guard lock(mutex_);
    if (!decoder_) return kMediaWrongState;
    if (running_) return kMediaOk;
  }
  StartWorker();
  return kMediaOk;
}

MediaResult OpenAlMusicGraph::Stop() {
  StopWorker();
  std::lock_guard lock(mutex_);
  alSourceStop(source_);
  return kMediaOk;
}

MediaResult OpenAlMusicGraph::SeekToStart() {
  std::lock_guard lock(mutex_);
  if (!decoder_) return kMediaWrongState;
  DropQueuedBuffers();
  return decoder_->Rewind() ? kMediaOk : kMediaFail;
}

MediaResult OpenAlMusicGraph::SetVolume(std::int32_t volume) {
  if (volume < kVolumeSilent || volume > kVolumeFull) return kMediaInvalidArg;
  std::lock_guard lock(mutex_);
  volume_ = volume;
  alSourcef(source_, AL_GAIN, GainFromVolume(volume));
  return kMediaOk;
}

GraphState OpenAlMusicGraph::State() const {
  std::lock_guard lock(mutex_);
  return running_ ? GraphState::Running : GraphState::Stopped;
}

void OpenAlMusicGraph::StartWorker() {
  std::lock_guard lock(mutex_);
  running_ = true;
  worker_ = std::thread([this] { Stream(); });
}

void OpenAlMusicGraph::StopWorker() {
  {
    std::lock_guard lock(mutex_);
    running_ = false;
  }
  wake_.notify_all();
  if (worker_.joinable()) worker_.join();
}

void OpenAlMusicGraph::Stream() {
  std::unique_lock lock(mutex_);
  while (running_) {
    if (!Pump()) {
      lock.unlock();
      Notify({kEventComplete, 0, 0});
      lock.lock();
    }
    wake_.wait_for(lock, kPumpInterval, [this] { return !running_; });
  }
}

bool OpenAlMusicGraph::Pump() {
  ALint processed = 0;
  alGetSourcei(source_, AL_BUFFERS_PROCESSED, &processed);
  for (; processed > 0; --processed) {
    ALuint buffer = 0;
    alSourceUnqueueBuffers(source_, 1, &buffer);
    freeBuffers_.push_back(buffer);
  }
  while (!sourceEnded_ && !freeBuffers_.empty()) {
    if (!FillBuffer(freeBuffers_.back())) break;
    freeBuffers_.pop_back();
  }
  ALint queued = 0, state = 0;
  alGetSourcei(source_, AL_BUFFERS_QUEUED, &queued);
  alGetSourcei(source_, AL_SOURCE_STATE, &state);
  if (queued > 0 && state != AL_PLAYING) alSourcePlay(source_);  // start, or recover from an underrun
  if (sourceEnded_ && queued == 0 && !endAnnounced_) {
    endAnnounced_ = true;
    return false;
  }
  return true;
}

bool OpenAlMusicGraph::FillBuffer(ALuint buffer) {
  const std::size_t wanted = kBufferFrames * kMusicChannels;
  while (pending_.size() < wanted && decoder_ && decoder_->ReadAudio(pending_)) {
  }
  if (pending_.size() < wanted) sourceEnded_ = true;
  const std::size_t count = std::min(wanted, pending_.size());
  if (count == 0) return false;
  alBufferData(buffer, AL_FORMAT_STEREO16, pending_.data(), ALsizei(count * sizeof(std::int16_t)),
               kMusicSampleRate);
  alSourceQueueBuffers(source_, 1, &buffer);
  pending_.erase(pending_.begin(), pending_.begin() + std::ptrdiff_t(count));
  return true;
}

void OpenAlMusicGraph::DropQueuedBuffers() {
  alSourceStop(source_);
  alSourcei(source_, AL_BUFFER, 0);  // unqueues every buffer of a stopped source
  freeBuffers_.assign(buffers_.begin(), buffers_.end());
  pending_.clear();
  sourceEnded_ = false;
  endAnnounced_ = false;
}

}  // namespace plat
