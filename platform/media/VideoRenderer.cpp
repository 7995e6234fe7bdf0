#include "platform/media/VideoRenderer.h"

#include <algorithm>
#include <cstring>

namespace plat {

MediaResult VideoRenderer::SetRenderingMode(std::uint32_t mode) {
  if (mode != kRenderlessMode) return kMediaInvalidArg;
  mode_ = mode;
  return kMediaOk;
}

MediaResult VideoRenderer::SetNumberOfStreams(std::uint32_t streams) {
  return streams == 1 ? kMediaOk : kMediaInvalidArg;
}

MediaResult VideoRenderer::AdviseSurfaceAllocator(std::uintptr_t userId,
                                                  std::shared_ptr<VideoSurfaceAllocator> allocator,
                                                  std::shared_ptr<VideoImagePresenter> presenter) {
  if (mode_ != kRenderlessMode) return kMediaWrongState;
  if (!allocator || !presenter) return kMediaPointer;
  userId_ = userId;
  allocator_ = std::move(allocator);
  presenter_ = std::move(presenter);
  return kMediaOk;
}

MediaResult VideoRenderer::AllocateSurfaceHelper(VideoAllocationInfo& info, std::uint32_t* buffers,
                                                 std::shared_ptr<Surface>* surfaces) {
  if (!buffers || !surfaces) return kMediaPointer;
  if (!device_) return kMediaWrongState;
  if (*buffers == 0 || info.width <= 0 || info.height <= 0) return kMediaInvalidArg;
  // Frames arrive as BGRA; no other layout can be written into the surfaces.
  if (info.format != Format::A8R8G8B8 && info.format != Format::X8R8G8B8) return kMediaFail;
  for (std::uint32_t i = 0; i < *buffers; ++i) {
    if (info.flags & VideoAllocFlag::TextureSurface) {
      auto texture = device_->CreateTexture(info.width, info.height, 1, Usage::Dynamic, info.format,
                                            Pool::Default);
      surfaces[i] = texture ? texture->GetSurfaceLevel(0) : nullptr;
    } else {
      surfaces[i] = Surface::CreateStandalone(info.width, info.height, info.format, 0, Pool::Default);
    }
    if (!surfaces[i]) return kMediaFail;
  }
  return kMediaOk;
}

MediaResult VideoRenderer::SetD3DDevice(std::shared_ptr<Device> device) {
  if (!device) return kMediaPointer;
  device_ = std::move(device);
  return kMediaOk;
}

MediaResult VideoRenderer::ChangeD3DDevice(std::shared_ptr<Device> device) {
  return SetD3DDevice(std::move(device));
}

MediaResult VideoRenderer::Connect(int width, int height) {
  if (!allocator_) return kMediaCannotRender;
  VideoAllocationInfo info;
  info.width = width;
  info.height = height;
  std::uint32_t buffers = 1;
  const MediaResult result = allocator_->InitializeDevice(userId_, &info, &buffers);
  connected_ = !MediaFailed(result);
  return result;
}

MediaResult VideoRenderer::StartPresenting() {
  if (!connected_ || !presenter_) return kMediaWrongState;
  const MediaResult result = presenter_->StartPresenting(userId_);
  presenting_ = !MediaFailed(result);
  return result;
}

void VideoRenderer::StopPresenting() {
  if (presenting_ && presenter_) presenter_->StopPresenting(userId_);
  presenting_ = false;
}

MediaResult VideoRenderer::Present(const VideoFrame& frame) {
  if (!presenting_) return kMediaWrongState;
  VideoPresentationInfo info;
  info.startSeconds = frame.seconds;
  const MediaResult got = allocator_->GetSurface(userId_, 0, 0, &info.surface);
  if (MediaFailed(got) || !info.surface) return MediaFailed(got) ? got : kMediaFail;
  // The surface may be larger than the picture (power-of-two sizes): the
  // picture fills its top-left corner.
  info.surface->Write([&](ImageLevel& level) {
    const int rows = std::min(frame.height, level.height);
    const std::size_t rowBytes = std::size_t(std::min(frame.width, level.width)) * 4;
    for (int y = 0; y < rows; ++y) {
      std::memcpy(level.bytes.data() + std::size_t(y) * std::size_t(level.pitch),
                  frame.bgra.data() + std::size_t(y) * std::size_t(frame.width) * 4, rowBytes);
    }
  });
  return presenter_->PresentImage(userId_, &info);
}

void VideoRenderer::Disconnect() {
  StopPresenting();
  if (connected_ && allocator_) allocator_->TerminateDevice(userId_);
  connected_ = false;
  allocator_.reset();
  presenter_.reset();
  device_.reset();
}

}  // namespace plat
