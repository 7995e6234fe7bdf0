#include "platform/audio/AudioDevice.h"

#include "platform/audio/HeadlessAudioDevice.h"
#include "platform/audio/OpenAlAudioDevice.h"
#include "platform/os/DebugOutput.h"
#include "platform/os/Window.h"

namespace plat {

bool HeadlessAudioRequested() { return HeadlessRequestedByEnvironment(); }

std::unique_ptr<AudioDevice> OpenAudioDevice() {
  if (!HeadlessAudioRequested()) {
    if (auto live = OpenLiveAudioDevice()) return live;
    OutputDebugString("No sound device could be opened; sound is silent.\n");
  }
  return OpenHeadlessAudioDevice();
}

std::unique_ptr<AudioDevice> OpenLiveAudioDevice() {
  auto context = AcquireOpenAlContext();
  if (!context) return nullptr;
  return std::make_unique<OpenAlAudioDevice>(std::move(context));
}

std::unique_ptr<AudioDevice> OpenHeadlessAudioDevice() {
  return std::make_unique<HeadlessAudioDevice>();
}

}  // namespace plat
