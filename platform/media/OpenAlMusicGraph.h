#pragma once
// The music graph on FFmpeg and OpenAL: a worker thread decodes the source
// into a ring of buffers queued on one streaming OpenAL source, and queues
// kEventComplete once the last buffer has played. The OpenAL source is the
// output that stays when the file is replaced.
#include <AL/al.h>

#include <array>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "platform/audio/OpenAlContext.h"
#include "platform/media/MediaDecoder.h"
#include "platform/media/MusicGraph.h"

namespace plat {

class OpenAlMusicGraph : public MusicGraph {
 public:
  // Null when no OpenAL device can be opened.
  static std::unique_ptr<OpenAlMusicGraph> Create();
  ~OpenAlMusicGraph() override;

  MediaResult SetSource(std::string_view path) override;
  MediaResult Run() override;
  MediaResult Stop() override;
  MediaResult SeekToStart() override;
  MediaResult SetVolume(std::int32_t volume) override;
  std::int32_t Volume() const override { return volume_; }
  GraphState State() const override;

 private:
  static constexpr int kBufferCount = 4;
  static constexpr std::size_t kBufferFrames = kMusicSampleRate / 4;

  OpenAlMusicGraph(std::shared_ptr<OpenAlContext> context, ALuint source,
                   const std::array<ALuint, kBufferCount>& buffers);
  void StartWorker();
  void StopWorker();
  void Stream();
  // One pass of the worker under the lock: refill, restart after an
  // underrun, notice the end. False once the end was announced.
  bool Pump();
  bool FillBuffer(ALuint buffer);
  void DropQueuedBuffers();

  std::shared_ptr<OpenAlContext> context_;
  ALuint source_;
  std::array<ALuint, kBufferCount> buffers_;
  std::vector<ALuint> freeBuffers_;
  std::unique_ptr<MediaDecoder> decoder_;
  std::vector<std::int16_t> pending_;  // decoded samples not yet queued
  bool sourceEnded_ = false;           // the decoder has no more samples
  bool endAnnounced_ = false;
  std::int32_t volume_ = 0;

  mutable std::mutex mutex_;
  std::condition_variable wake_;
  bool running_ = false;
  std::thread worker_;
};

}  // namespace plat
