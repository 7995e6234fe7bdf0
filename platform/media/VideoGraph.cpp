#include "platform/media/VideoGraph.h"

#include <mutex>

#include "platform/media/FfmpegVideoGraph.h"

namespace plat {

namespace {

std::mutex g_factoryMutex;
VideoGraphFactory g_factory;

}  // namespace

VideoGraph::~VideoGraph() {
  if (renderer_) renderer_->Disconnect();
}

MediaResult VideoGraph::AddRenderer(std::shared_ptr<VideoRenderer> renderer) {
  if (!renderer) return kMediaPointer;
  if (renderer_) return kMediaWrongState;
  renderer_ = std::move(renderer);
  return kMediaOk;
}

MediaResult VideoGraph::GetEvent(MediaEvent& out, std::uint32_t /*timeoutMs*/) {
  return events_.Take(out) ? kMediaOk : kMediaTimeout;
}

std::uintptr_t VideoGraph::GetEventHandle() const {
  return reinterpret_cast<std::uintptr_t>(&events_);
}

void VideoGraph::DeliverFrames() {
  VideoFrame frame;
  if (renderer_ && slot_.Take(frame)) renderer_->Present(frame);
}

void SetVideoGraphFactory(VideoGraphFactory factory) {
  std::lock_guard lock(g_factoryMutex);
  g_factory = std::move(factory);
}

std::unique_ptr<VideoGraph> CreateVideoGraph() {
  {
    std::lock_guard lock(g_factoryMutex);
    if (g_factory) return g_factory();
  }
  return std::make_unique<FfmpegVideoGraph>();
}

}  // namespace plat
