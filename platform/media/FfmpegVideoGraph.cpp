#include "platform/media/FfmpegVideoGraph.h"

#include <chrono>

#include "platform/os/Path.h"

namespace plat {

namespace {

using SteadyClock = std::chrono::steady_clock;

}  // namespace

FfmpegVideoGraph::~FfmpegVideoGraph() { Stop(); }

MediaResult FfmpegVideoGraph::RenderFile(std::string_view path) {
  if (!Renderer()) return kMediaCannotRender;
  if (!FileExists(path)) return kMediaFileNotFound;
  Stop();
  decoder_ = MediaDecoder::OpenFile(path, MediaDecoder::Kind::Video);
  if (!decoder_) return kMediaCannotRender;
  playedSeconds_ = 0;
  return Renderer()->Connect(decoder_->Width(), decoder_->Height());
}

MediaResult FfmpegVideoGraph::Run() {
  if (!decoder_ || !Renderer() || !Renderer()->Connected()) return kMediaWrongState;
  std::lock_guard lock(mutex_);
  if (state_ == GraphState::Running) return kMediaOk;
  const MediaResult started = Renderer()->StartPresenting();
  if (MediaFailed(started)) return started;
  stopping_ = false;
  state_ = GraphState::Running;
  worker_ = std::thread([this] { Decode(); });
  return kMediaOk;
}

MediaResult FfmpegVideoGraph::Stop() {
  {
    std::lock_guard lock(mutex_);
    stopping_ = true;
  }
  wake_.notify_all();
  if (worker_.joinable()) worker_.join();
  std::lock_guard lock(mutex_);
  if (state_ != GraphState::Stopped && Renderer()) Renderer()->StopPresenting();
  state_ = GraphState::Stopped;
  Slot().Clear();
  return kMediaOk;
}

MediaResult FfmpegVideoGraph::GetState(std::uint32_t /*timeoutMs*/, GraphState& out) {
  std::lock_guard lock(mutex_);
  out = state_;
  return kMediaOk;
}

void FfmpegVideoGraph::Decode() {
  // A run after a stop goes on with the stream time where the last one ended.
  const SteadyClock::time_point begun =
      SteadyClock::now() - std::chrono::duration_cast<SteadyClock::duration>(
                               std::chrono::duration<double>(playedSeconds_));
  auto waitFor = [&](double seconds) {
    const auto due = begun + std::chrono::duration_cast<SteadyClock::duration>(
                                 std::chrono::duration<double>(seconds));
    std::unique_lock lock(mutex_);
    return !wake_.wait_until(lock, due, [this] { return stopping_; });
  };
  VideoFrame frame;
  double end = playedSeconds_;
  while (decoder_->ReadVideoFrame(frame)) {
    end = frame.seconds + decoder_->FrameSeconds();
    if (!waitFor(frame.seconds)) {
      playedSeconds_ = frame.seconds;
      return;
    }
    Slot().Put(std::move(frame));
  }
  if (!waitFor(end)) return;
  playedSeconds_ = end;
  Events().Push({kEventComplete, 0, 0});
}

}  // namespace plat
