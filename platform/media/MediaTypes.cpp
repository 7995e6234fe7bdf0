#include "platform/media/MediaTypes.h"

namespace plat {

void MediaEventQueue::Push(const MediaEvent& event) {
  std::lock_guard lock(mutex_);
  events_.push_back(event);
}

bool MediaEventQueue::Take(MediaEvent& out) {
  std::lock_guard lock(mutex_);
  if (events_.empty()) return false;
  out = events_.front();
  events_.pop_front();
  return true;
}

}  // namespace plat
