#pragma once
// The video graph on FFmpeg: a worker thread decodes the file's frames and
// leaves each in the frame slot at its presentation time; once the last
// frame's time has run out it queues kEventComplete.
#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>

#include "platform/media/MediaDecoder.h"
#include "platform/media/VideoGraph.h"

namespace plat {

class FfmpegVideoGraph : public VideoGraph {
 public:
  ~FfmpegVideoGraph() override;

  MediaResult RenderFile(std::string_view path) override;
  MediaResult Run() override;
  MediaResult Stop() override;
  MediaResult GetState(std::uint32_t timeoutMs, GraphState& out) override;

 private:
  // The worker: frames go to the slot at their times until the end or a stop.
  void Decode();

  std::unique_ptr<MediaDecoder> decoder_;
  std::thread worker_;
  std::mutex mutex_;
  std::condition_variable wake_;
  bool stopping_ = false;
  GraphState state_ = GraphState::Stopped;
  double playedSeconds_ = 0;  // stream time reached when the last run stopped
};

}  // namespace plat
