#pragma once
// A filter graph for one video file: the renderer is added, the file is
// rendered (which connects the renderer and has the allocator make its
// surfaces), run and stopped; events come off a queue. The window thread
// calls DeliverFrames while it polls, which presents the newest frame.
#include <cstdint>
#include <functional>
#include <memory>
#include <string_view>

#include "platform/media/FrameSlot.h"
#include "platform/media/MediaTypes.h"
#include "platform/media/VideoRenderer.h"

namespace plat {

class VideoGraph {
 public:
  virtual ~VideoGraph();

  MediaResult AddRenderer(std::shared_ptr<VideoRenderer> renderer);
  // Opens the file and connects its video stream to the renderer.
  virtual MediaResult RenderFile(std::string_view path) = 0;
  virtual MediaResult Run() = 0;
  virtual MediaResult Stop() = 0;
  // The state after waiting at most timeoutMs for a change in progress.
  virtual MediaResult GetState(std::uint32_t timeoutMs, GraphState& out) = 0;
  // Takes one event; kMediaTimeout when none waits.
  MediaResult GetEvent(MediaEvent& out, std::uint32_t timeoutMs);
  // A non-zero handle standing for the event queue.
  std::uintptr_t GetEventHandle() const;
  // Presents the frame waiting in the slot, if any.
  void DeliverFrames();

 protected:
  const std::shared_ptr<VideoRenderer>& Renderer() const { return renderer_; }
  MediaEventQueue& Events() { return events_; }
  FrameSlot& Slot() { return slot_; }

 private:
  std::shared_ptr<VideoRenderer> renderer_;
  MediaEventQueue events_;
  FrameSlot slot_;
};

using VideoGraphFactory = std::function<std::unique_ptr<VideoGraph>()>;
// Tests install scripted graphs; an empty function restores the FFmpeg graph.
void SetVideoGraphFactory(VideoGraphFactory factory);
std::unique_ptr<VideoGraph> CreateVideoGraph();

}  // namespace plat
