#include "platform/media/MusicGraph.h"

#include "platform/audio/AudioDevice.h"
#include "platform/media/OpenAlMusicGraph.h"
#include "platform/media/ScriptedMusicGraph.h"
#include "platform/os/Window.h"

namespace plat {

namespace {

std::mutex g_factoryMutex;
MusicGraphFactory g_factory;

}  // namespace

void MusicGraph::SetNotifyWindow(WindowHandle window, unsigned message, std::intptr_t instance) {
  std::lock_guard lock(notifyMutex_);
  window_ = window;
  message_ = message;
  instance_ = instance;
}

MediaResult MusicGraph::GetEvent(MediaEvent& out, std::uint32_t /*timeoutMs*/) {
  return events_.Take(out) ? kMediaOk : kMediaTimeout;
}

void MusicGraph::Notify(const MediaEvent& event) {
  events_.Push(event);
  std::lock_guard lock(notifyMutex_);
  if (window_) PostMessage(window_, message_, 0, instance_);
}

void SetMusicGraphFactory(MusicGraphFactory factory) {
  std::lock_guard lock(g_factoryMutex);
  g_factory = std::move(factory);
}

std::unique_ptr<MusicGraph> CreateMusicGraph() {
  {
    std::lock_guard lock(g_factoryMutex);
    if (g_factory) return g_factory();
  }
  if (!HeadlessAudioRequested()) {
    if (auto live = OpenAlMusicGraph::Create()) return live;
  }
  return std::make_unique<ScriptedMusicGraph>(std::make_shared<MusicScript>());
}

}  // namespace plat
