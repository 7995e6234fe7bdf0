#pragma once
// The one place where a decoding thread leaves its newest frame for the
// window thread. A frame not taken before the next arrives is replaced: the
// picture keeps time and late frames are dropped.
#include <mutex>
#include <optional>

#include "platform/media/MediaDecoder.h"

namespace plat {

class FrameSlot {
 public:
  void Put(VideoFrame frame);
  // False when no new frame waits.
  bool Take(VideoFrame& out);
  void Clear();

 private:
  std::mutex mutex_;
  std::optional<VideoFrame> frame_;
};

}  // namespace plat
