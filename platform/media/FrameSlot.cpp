#include "platform/media/FrameSlot.h"

namespace plat {

void FrameSlot::Put(VideoFrame frame) {
  std::lock_guard lock(mutex_);
  frame_ = std::move(frame);
}

bool FrameSlot::Take(VideoFrame& out) {
  std::lock_guard lock(mutex_);
  if (!frame_) return false;
  out = std::move(*frame_);
  frame_.reset();
  return true;
}

void FrameSlot::Clear() {
  std::lock_guard lock(mutex_);
  frame_.reset();
}

}  // namespace plat
