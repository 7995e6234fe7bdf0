#pragma once
// The video renderer in renderless mode and the two faces it calls on the
// game's allocator-presenter: the allocator hands out the surfaces frames are
// written into, the presenter shows each frame. The renderer writes every
// decoded frame into surface 0 and presents it, on the window thread, when
// its graph delivers frames (VideoGraph::DeliverFrames).
#include <cstdint>
#include <memory>
#include <vector>

#include "platform/gfx/Device.h"
#include "platform/gfx/Surface.h"
#include "platform/media/MediaDecoder.h"
#include "platform/media/MediaTypes.h"

namespace plat {

struct VideoAllocFlag {
  enum : std::uint32_t { RenderTarget3D = 1, TextureSurface = 4, OffscreenSurface = 8 };
};

struct VideoAllocationInfo {
  std::uint32_t flags = 0;
  int width = 0, height = 0;
  Format format = Format::A8R8G8B8;
  Pool pool = Pool::Default;
  std::uint32_t minBuffers = 1;
};

struct VideoPresentationInfo {
  std::shared_ptr<Surface> surface;
  double startSeconds = 0;
};

constexpr std::uint32_t kRenderlessMode = 4;

// The renderer's side, called by the allocator.
class VideoAllocatorNotify {
 public:
  virtual ~VideoAllocatorNotify() = default;
  // Fills surfaces[0 .. *buffers - 1]; texture surfaces (TextureSurface)
  // or stand-alone surfaces (OffscreenSurface) of the info's size and format.
  virtual MediaResult AllocateSurfaceHelper(VideoAllocationInfo& info, std::uint32_t* buffers,
                                            std::shared_ptr<Surface>* surfaces) = 0;
  virtual MediaResult SetD3DDevice(std::shared_ptr<Device> device) = 0;
  virtual MediaResult ChangeD3DDevice(std::shared_ptr<Device> device) = 0;
};

class VideoSurfaceAllocator {
 public:
  virtual ~VideoSurfaceAllocator() = default;
  virtual MediaResult InitializeDevice(std::uintptr_t userId, VideoAllocationInfo* info,
                                       std::uint32_t* buffers) = 0;
  virtual MediaResult TerminateDevice(std::uintptr_t userId) = 0;
  virtual MediaResult GetSurface(std::uintptr_t userId, std::uint32_t index, std::uint32_t flags,
                                 std::shared_ptr<Surface>* out) = 0;
  virtual MediaResult AdviseNotify(std::shared_ptr<VideoAllocatorNotify> notify) = 0;
};

class VideoImagePresenter {
 public:
  virtual ~VideoImagePresenter() = default;
  virtual MediaResult StartPresenting(std::uintptr_t userId) = 0;
  virtual MediaResult StopPresenting(std::uintptr_t userId) = 0;
  virtual MediaResult PresentImage(std::uintptr_t userId, const VideoPresentationInfo* info) = 0;
};

class VideoRenderer : public VideoAllocatorNotify {
 public:
  // Only the renderless mode exists here.
  MediaResult SetRenderingMode(std::uint32_t mode);
  MediaResult SetNumberOfStreams(std::uint32_t streams);
  MediaResult AdviseSurfaceAllocator(std::uintptr_t userId,
                                     std::shared_ptr<VideoSurfaceAllocator> allocator,
                                     std::shared_ptr<VideoImagePresenter> presenter);

  MediaResult AllocateSurfaceHelper(VideoAllocationInfo& info, std::uint32_t* buffers,
                                    std::shared_ptr<Surface>* surfaces) override;
  MediaResult SetD3DDevice(std::shared_ptr<Device> device) override;
  MediaResult ChangeD3DDevice(std::shared_ptr<Device> device) override;

  // The graph's side. Connect asks the allocator for surfaces of the
  // stream's size; Present writes a frame into surface 0 and presents it.
  MediaResult Connect(int width, int height);
  MediaResult StartPresenting();
  void StopPresenting();
  MediaResult Present(const VideoFrame& frame);
  // Ends the connection and lets go of the allocator (which holds this
  // renderer as its notify face).
  void Disconnect();

  bool Connected() const { return connected_; }

 private:
  std::uintptr_t userId_ = 0;
  std::shared_ptr<VideoSurfaceAllocator> allocator_;
  std::shared_ptr<VideoImagePresenter> presenter_;
  std::shared_ptr<Device> device_;
  std::uint32_t mode_ = 0;
  bool connected_ = false;
  bool presenting_ = false;
};

}  // namespace plat
