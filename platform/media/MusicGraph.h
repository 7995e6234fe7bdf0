#pragma once
// A filter graph for music: one source file at a time feeding an output that
// stays when the source is replaced. Its events (kEventComplete at the end
// of the file) are queued and announced to the notify window with a posted
// message, from whatever thread noticed them.
#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <string_view>

#include "platform/media/MediaTypes.h"
#include "platform/os/Handles.h"

namespace plat {

class MusicGraph {
 public:
  virtual ~MusicGraph() = default;

  // A null window stops the notifications.
  void SetNotifyWindow(WindowHandle window, unsigned message, std::intptr_t instance);
  // Takes one event; kMediaTimeout when none waits.
  MediaResult GetEvent(MediaEvent& out, std::uint32_t timeoutMs);

  // Replaces the source with the file; on failure the old source stays.
  virtual MediaResult SetSource(std::string_view path) = 0;
  virtual MediaResult Run() = 0;
  virtual MediaResult Stop() = 0;
  virtual MediaResult SeekToStart() = 0;
  // Hundredths of a decibel, kVolumeSilent..kVolumeFull; kMediaInvalidArg
  // outside it (the volume is then kept).
  virtual MediaResult SetVolume(std::int32_t volume) = 0;
  virtual std::int32_t Volume() const = 0;
  virtual GraphState State() const = 0;

 protected:
  // Queues the event and posts the notify message.
  void Notify(const MediaEvent& event);

 private:
  MediaEventQueue events_;
  std::mutex notifyMutex_;
  WindowHandle window_ = nullptr;
  unsigned message_ = 0;
  std::intptr_t instance_ = 0;
};

using MusicGraphFactory = std::function<std::unique_ptr<MusicGraph>()>;
// Tests install scripted graphs; an empty function restores the default:
// the OpenAL graph, or a silent scripted one when headless or without sound.
void SetMusicGraphFactory(MusicGraphFactory factory);
std::unique_ptr<MusicGraph> CreateMusicGraph();

}  // namespace plat
