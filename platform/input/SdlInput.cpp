#include "platform/input/SdlInput.h"

#include <SDL_events.h>

#include "platform/input/ScanCodes.h"
#include "platform/os/SdlWindow.h"

namespace plat {
namespace {

constexpr int kWheelNotch = 120;

int ButtonIndex(int sdlButton) {
  switch (sdlButton) {
    case SDL_BUTTON_LEFT:
      return 0;
    case SDL_BUTTON_RIGHT:
      return 1;
    case SDL_BUTTON_MIDDLE:
      return 2;
    case SDL_BUTTON_X1:
      return 3;
    default:
      return -1;
  }
}

void FeedShared(const SDL_Event& event) { FeedSdlEvent(event); }

}  // namespace

void ConnectWindowInput() { SetSdlEventHook(&FeedShared); }

void FeedSdlKey(int sdlScancode, bool down, InputSource& source) {
  const ScanCode code = ScanCodeFromSdl(sdlScancode);
  if (code != kKeyNone) source.SetKey(code, down);
}

void FeedSdlMouseButton(int sdlButton, bool down, InputSource& source) {
  source.SetMouseButton(ButtonIndex(sdlButton), down);
}

bool FeedSdlEvent(const SDL_Event& event, InputSource& source) {
  switch (event.type) {
    case SDL_KEYDOWN:
    case SDL_KEYUP:
      FeedSdlKey(event.key.keysym.scancode, event.type == SDL_KEYDOWN, source);
      return true;
    case SDL_MOUSEMOTION:
      source.MoveMouse(event.motion.xrel, event.motion.yrel);
      return true;
    case SDL_MOUSEWHEEL:
      source.MoveMouse(0, 0, event.wheel.y * kWheelNotch);
      return true;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
      FeedSdlMouseButton(event.button.button, event.type == SDL_MOUSEBUTTONDOWN, source);
      return true;
    case SDL_WINDOWEVENT:
      if (event.window.event != SDL_WINDOWEVENT_FOCUS_LOST) return false;
      source.ReleaseAll();
      return true;
    default:
      return false;
  }
}

}  // namespace plat
