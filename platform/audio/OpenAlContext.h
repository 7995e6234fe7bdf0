#pragma once
// The process's one OpenAL device and context. OpenAL has a single current
// context per process, so every user of OpenAL in the game (sound effects and
// music) shares this one; it closes when its last user lets go.
#include <AL/alc.h>

#include <atomic>
#include <memory>

namespace plat {

class OpenAlContext {
 public:
  OpenAlContext(ALCdevice* device, ALCcontext* context) : device_(device), context_(context) {}
  ~OpenAlContext();
  OpenAlContext(const OpenAlContext&) = delete;
  OpenAlContext& operator=(const OpenAlContext&) = delete;

  // OpenAL keeps the rolloff per source; sources take this one when they start.
  void SetRolloff(float rolloff) { rolloff_.store(rolloff); }
  float Rolloff() const { return rolloff_.load(); }

 private:
  ALCdevice* device_;
  ALCcontext* context_;
  std::atomic<float> rolloff_{1.0f};
};

// The shared context, opened on first use; null when no device can be opened.
std::shared_ptr<OpenAlContext> AcquireOpenAlContext();

}  // namespace plat
