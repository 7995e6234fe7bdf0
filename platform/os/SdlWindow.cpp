#include "platform/os/SdlWindow.h"

#include <SDL.h>

#include <atomic>
#include <cstdio>
#include <string>

#include "platform/os/MessageBox.h"
#include "platform/os/TextCodec.h"
#include "platform/os/Window.h"
#include "platform/os/WindowKeys.h"

namespace plat {

namespace {

std::atomic<SdlEventHook> g_eventHook{nullptr};

constexpr unsigned kMbIconMask = 0xF0;
constexpr unsigned kMbIconWarning = 0x30;
constexpr unsigned kMbIconInformation = 0x40;

Uint32 DialogFlags(unsigned style) {
  switch (style & kMbIconMask) {
    case kMbIconError: return SDL_MESSAGEBOX_ERROR;
    case kMbIconWarning: return SDL_MESSAGEBOX_WARNING;
    case kMbIconInformation: return SDL_MESSAGEBOX_INFORMATION;
    default: return 0;
  }
}

// Boxes come from loader threads too, so the dialog gets no parent window:
// SDL then needs nothing of the window thread. Texts are Windows-1252. The
// terminal gets the text as well, for the record of a run.
int ShowDialog(const MessageBoxCall& call) {
  const std::string caption = Cp1252ToUtf8(call.caption);
  const std::string text = Cp1252ToUtf8(call.text);
  std::fprintf(stderr, "[%s] %s\n", caption.c_str(), text.c_str());
  SDL_ShowSimpleMessageBox(DialogFlags(call.style), caption.c_str(), text.c_str(), nullptr);
  return kIdOk;
}

// Alt without Ctrl makes a system key; Ctrl+Alt is how AltGr arrives.
bool SystemKeyModifiers(Uint16 mod) { return (mod & KMOD_ALT) != 0 && (mod & KMOD_CTRL) == 0; }

unsigned WheelModifiers() {
  const Uint32 buttons = SDL_GetMouseState(nullptr, nullptr);
  const SDL_Keymod mod = SDL_GetModState();
  unsigned flags = 0;
  if (buttons & SDL_BUTTON_LMASK) flags |= kMkLButton;
  if (buttons & SDL_BUTTON_RMASK) flags |= kMkRButton;
  if (buttons & SDL_BUTTON_MMASK) flags |= kMkMButton;
  if (mod & KMOD_SHIFT) flags |= kMkShift;
  if (mod & KMOD_CTRL) flags |= kMkControl;
  return flags;
}

void SyncCapsLock() { SetKeyToggled(kVkCapital, (SDL_GetModState() & KMOD_CAPS) != 0); }

// Keys held while the window loses the focus would never see their release.
void ReleaseHeldKeys() {
  for (int vk = 1; vk < 256; ++vk)
    if (GetKeyState(vk) & 0x8000) DeliverKey(vk, false, false, false);
}

void HandleKey(const SDL_KeyboardEvent& key) {
  const int vk = VirtualKeyFromSdl(key.keysym.scancode, key.keysym.sym);
  if (vk == 0) return;
  DeliverKey(vk, key.state == SDL_PRESSED, key.repeat != 0, SystemKeyModifiers(key.keysym.mod));
  if (vk == kVkCapital) SyncCapsLock();
}

void HandleWheel(WindowHandle self, const SDL_MouseWheelEvent& wheel) {
  const int notches = wheel.direction == SDL_MOUSEWHEEL_FLIPPED ? -wheel.y : wheel.y;
  if (notches == 0) return;
  int x = 0, y = 0;
  SDL_GetGlobalMouseState(&x, &y);
  PostMessage(self, kWmMouseWheel, WheelWParam(notches, WheelModifiers()), PointLParam(x, y));
}

void HandleWindowEvent(WindowHandle self, const SDL_WindowEvent& event) {
  switch (event.event) {
    case SDL_WINDOWEVENT_EXPOSED: PostMessage(self, kWmPaint, 0, 0); break;
    case SDL_WINDOWEVENT_FOCUS_LOST: ReleaseHeldKeys(); break;
    case SDL_WINDOWEVENT_FOCUS_GAINED: SyncCapsLock(); break;
    default: break;
  }
}

}  // namespace

void ReleaseSdlVideo() {
  SDL_QuitSubSystem(SDL_INIT_VIDEO);
  // The last user shuts SDL down whole, which also lets go of what its
  // helpers (the desktop bus) hold.
  if (SDL_WasInit(SDL_INIT_EVERYTHING) == 0) SDL_Quit();
}

void SetSdlEventHook(SdlEventHook hook) { g_eventHook.store(hook); }

std::unique_ptr<SdlWindow> SdlWindow::Create(std::string_view title, int clientWidth, int clientHeight) {
  if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
    std::fprintf(stderr, "No window: %s\n", SDL_GetError());
    return nullptr;
  }
  // The device draws into its own frame buffers and copies the finished
  // frame to the window, so the window needs neither depth nor stencil.
  SDL_GL_ResetAttributes();
  SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_CORE);
  SDL_GL_SetAttribute(SDL_GL_CONTEXT_MAJOR_VERSION, 3);
  SDL_GL_SetAttribute(SDL_GL_CONTEXT_MINOR_VERSION, 3);
  SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
  SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 0);
  SDL_GL_SetAttribute(SDL_GL_STENCIL_SIZE, 0);
  const std::string name(title);
  SDL_Window* window = SDL_CreateWindow(name.c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                                        clientWidth, clientHeight,
                                        SDL_WINDOW_OPENGL | SDL_WINDOW_BORDERLESS | SDL_WINDOW_SHOWN);
  if (window == nullptr) {
    std::fprintf(stderr, "No window: %s\n", SDL_GetError());
    ReleaseSdlVideo();
    return nullptr;
  }
  // Keys arrive as key messages only; no text-input machinery.
  SDL_StopTextInput();
  SyncCapsLock();
  SetMessageBoxPresenter(ShowDialog);
  return std::unique_ptr<SdlWindow>(new SdlWindow(window));
}

SdlWindow::SdlWindow(SDL_Window* window) : window_(window) {}

SdlWindow::~SdlWindow() {
  SetMessageBoxPresenter(nullptr);
  SDL_DestroyWindow(window_);
  ReleaseSdlVideo();
}

void SdlWindow::PumpEvents(WindowHandle self) {
  SDL_Event event;
  while (SDL_PollEvent(&event)) {
    if (SdlEventHook hook = g_eventHook.load()) hook(event);
    switch (event.type) {
      case SDL_KEYDOWN:
      case SDL_KEYUP:
        HandleKey(event.key);
        break;
      case SDL_MOUSEWHEEL:
        HandleWheel(self, event.wheel);
        break;
      case SDL_WINDOWEVENT:
        HandleWindowEvent(self, event.window);
        break;
      case SDL_QUIT:
        // Alt+F4 is a system key: the game never let it close the window.
        if (!SystemKeyModifiers(SDL_GetModState())) PostMessage(self, kWmDestroy, 0, 0);
        break;
      default:
        break;
    }
  }
}

void SdlWindow::SetClientSize(int clientWidth, int clientHeight) {
  SDL_SetWindowSize(window_, clientWidth, clientHeight);
  SDL_SetWindowPosition(window_, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED);
}

bool SdlWindow::SetGammaRamp(const std::uint16_t* red, const std::uint16_t* green, const std::uint16_t* blue) {
  return SDL_SetWindowGammaRamp(window_, red, green, blue) == 0;
}

void SdlWindow::SetCursorVisible(bool visible) { SDL_ShowCursor(visible ? SDL_ENABLE : SDL_DISABLE); }

}  // namespace plat
