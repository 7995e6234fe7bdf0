#pragma once
// The live window on SDL: an OpenGL-capable window without decorations, the
// event pump that turns SDL events into the game's window messages, the
// cursor and real message-box dialogs. Only platform code sees it; the GL
// device backend takes the SDL window from it.
#include <cstdint>
#include <memory>
#include <string_view>

#include "platform/os/Handles.h"

struct SDL_Window;
union SDL_Event;

namespace plat {

class SdlWindow {
 public:
  // Null (and the reason on stderr) when SDL's video cannot start, e.g.
  // without a display.
  static std::unique_ptr<SdlWindow> Create(std::string_view title, int clientWidth,
                                           int clientHeight);
  ~SdlWindow();
  SdlWindow(const SdlWindow&) = delete;
  SdlWindow& operator=(const SdlWindow&) = delete;

  // Drains SDL's events into the message queue of `self`; window thread only.
  void PumpEvents(WindowHandle self);
  void SetCursorVisible(bool visible);
  // The window has no frame, so its size is the client size.
  void SetClientSize(int clientWidth, int clientHeight);
  // False where the display cannot set a gamma ramp.
  bool SetGammaRamp(const std::uint16_t* red, const std::uint16_t* green, const std::uint16_t* blue);
  SDL_Window* Native() const { return window_; }

 private:
  explicit SdlWindow(SDL_Window* window);

  SDL_Window* window_;
};

// Every user of SDL's video (the window, the GL device) takes it with
// SDL_InitSubSystem and gives it back with this.
void ReleaseSdlVideo();

// Keyboard and mouse state are read by the input service from the same
// events: the pump hands every event to this hook first (null: none).
using SdlEventHook = void (*)(const SDL_Event& event);
void SetSdlEventHook(SdlEventHook hook);

// The SDL window behind a live game window; null for a headless one.
SDL_Window* SdlWindowOf(WindowHandle window);

}  // namespace plat
