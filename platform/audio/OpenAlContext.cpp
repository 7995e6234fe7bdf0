#include "platform/audio/OpenAlContext.h"

#include <mutex>

namespace plat {

OpenAlContext::~OpenAlContext() {
  if (alcGetCurrentContext() == context_) alcMakeContextCurrent(nullptr);
  alcDestroyContext(context_);
  alcCloseDevice(device_);
}

std::shared_ptr<OpenAlContext> AcquireOpenAlContext() {
  static std::mutex mutex;
  static std::weak_ptr<OpenAlContext> shared;
  std::lock_guard lock(mutex);
  if (auto existing = shared.lock()) return existing;

  ALCdevice* device = alcOpenDevice(nullptr);
  if (device == nullptr) return nullptr;
  ALCcontext* context = alcCreateContext(device, nullptr);
  if (context == nullptr || alcMakeContextCurrent(context) != ALC_TRUE) {
    if (context != nullptr) alcDestroyContext(context);
    alcCloseDevice(device);
    return nullptr;
  }
  auto opened = std::make_shared<OpenAlContext>(device, context);
  shared = opened;
  return opened;
}

}  // namespace plat
