#include "platform/os/Window.h"

#include <cstdlib>
#include <cstring>
#include <deque>
#include <memory>
#include <mutex>
#include <string>

#include "platform/os/SdlWindow.h"
#include "platform/os/WindowKeys.h"

namespace plat {

struct NativeWindow {
  std::string title;
  int clientWidth = 0;
  int clientHeight = 0;
  WindowProcedure procedure = nullptr;
  std::unique_ptr<SdlWindow> live;  // null for the headless window
};

namespace {

constexpr std::uint8_t kKeyDown = 0x80;
constexpr std::uint8_t kKeyToggled = 0x01;

// Everything shared with posting threads sits behind one lock. The window
// pointer is only written on the window thread, but posting threads compare
// against it.
struct Queue {
  std::mutex mutex;
  std::deque<Message> messages;
  bool quitPending = false;
  int quitCode = 0;
  WindowHandle window = nullptr;
  std::uint8_t keys[256] = {};
  int cursorCount = 0;
};

Queue& TheQueue() {
  static Queue queue;
  return queue;
}

bool ValidKey(int virtualKey) { return virtualKey > 0 && virtualKey < 256; }

// Posted messages come first; WM_QUIT only once the queue is empty, so that
// the game's loop sees every message posted before it.
bool TakeLocked(Queue& q, Message& out, bool remove) {
  if (!q.messages.empty()) {
    out = q.messages.front();
    if (remove) q.messages.pop_front();
    return true;
  }
  if (!q.quitPending) return false;
  out = Message{kWmQuit, static_cast<std::uintptr_t>(static_cast<std::intptr_t>(q.quitCode)), 0,
                nullptr};
  if (remove) q.quitPending = false;
  return true;
}

}  // namespace

bool HeadlessRequestedByEnvironment() {
  const char* value = std::getenv("HALVENOR_HEADLESS");
  return value != nullptr && *value != '\0' && std::strcmp(value, "0") != 0;
}

WindowBackend BackendFromCommandLine(int argc, const char* const* argv) {
  for (int i = 1; i < argc; ++i)
    if (argv[i] != nullptr && std::strcmp(argv[i], "--headless") == 0) return WindowBackend::Headless;
  return HeadlessRequestedByEnvironment() ? WindowBackend::Headless : WindowBackend::Live;
}

WindowHandle CreateGameWindow(std::string_view title, int clientWidth, int clientHeight,
                              WindowBackend backend) {
  Queue& q = TheQueue();
  {
    std::lock_guard lock(q.mutex);
    if (q.window != nullptr || clientWidth <= 0 || clientHeight <= 0) return nullptr;
  }
  auto window = std::make_unique<NativeWindow>();
  window->title = std::string(title);
  window->clientWidth = clientWidth;
  window->clientHeight = clientHeight;
  const bool headless = backend == WindowBackend::Headless ||
                        (backend == WindowBackend::FromEnvironment && HeadlessRequestedByEnvironment());
  if (!headless) {
    window->live = SdlWindow::Create(title, clientWidth, clientHeight);
    if (!window->live) return nullptr;
  }
  std::lock_guard lock(q.mutex);
  q.window = window.release();
  return q.window;
}

void DestroyGameWindow(WindowHandle window) {
  Queue& q = TheQueue();
  {
    std::lock_guard lock(q.mutex);
    if (window == nullptr || window != q.window) return;
    q.window = nullptr;
    // Messages for a window that is gone have nobody to go to.
    std::erase_if(q.messages, [window](const Message& m) { return m.window == window; });
  }
  delete window;
}

bool IsLiveWindow(WindowHandle window) { return window != nullptr && window->live != nullptr; }

bool SetClientSize(WindowHandle window, int clientWidth, int clientHeight) {
  if (window == nullptr || clientWidth <= 0 || clientHeight <= 0) return false;
  if (IsLiveWindow(window)) window->live->SetClientSize(clientWidth, clientHeight);
  window->clientWidth = clientWidth;
  window->clientHeight = clientHeight;
  return true;
}

bool SetGammaRamp(WindowHandle window, const std::uint16_t* red, const std::uint16_t* green,
                  const std::uint16_t* blue) {
  return IsLiveWindow(window) && window->live->SetGammaRamp(red, green, blue);
}

bool GetClientSize(WindowHandle window, int& clientWidth, int& clientHeight) {
  if (window == nullptr) return false;
  clientWidth = window->clientWidth;
  clientHeight = window->clientHeight;
  return true;
}

SDL_Window* SdlWindowOf(WindowHandle window) {
  return IsLiveWindow(window) ? window->live->Native() : nullptr;
}

void SetWindowProcedure(WindowHandle window, WindowProcedure procedure) {
  if (window != nullptr) window->procedure = procedure;
}

bool PeekMessage(Message& out, bool remove) {
  Queue& q = TheQueue();
  WindowHandle window;
  {
    std::lock_guard lock(q.mutex);
    window = q.window;
  }
  if (IsLiveWindow(window)) window->live->PumpEvents(window);
  std::lock_guard lock(q.mutex);
  return TakeLocked(q, out, remove);
}

std::intptr_t DispatchMessage(const Message& message) {
  WindowHandle window = message.window;
  if (window == nullptr || window->procedure == nullptr) return 0;
  return window->procedure(window, message.message, message.wParam, message.lParam);
}

bool PostMessage(WindowHandle window, unsigned message, std::uintptr_t wParam, std::intptr_t lParam) {
  Queue& q = TheQueue();
  std::lock_guard lock(q.mutex);
  if (window == nullptr || window != q.window) return false;
  if (message == kWmPaint) {
    // One pending paint is enough; the frame loop draws anyway.
    for (const Message& m : q.messages)
      if (m.message == kWmPaint) return true;
  }
  q.messages.push_back(Message{message, wParam, lParam, window});
  return true;
}

void PostQuitMessage(int exitCode) {
  Queue& q = TheQueue();
  std::lock_guard lock(q.mutex);
  q.quitPending = true;
  q.quitCode = exitCode;
}

int ShowCursor(bool show) {
  Queue& q = TheQueue();
  int count;
  WindowHandle window;
  {
    std::lock_guard lock(q.mutex);
    count = q.cursorCount += show ? 1 : -1;
    window = q.window;
  }
  if (IsLiveWindow(window)) window->live->SetCursorVisible(count >= 0);
  return count;
}

short GetKeyState(int virtualKey) {
  if (!ValidKey(virtualKey)) return 0;
  Queue& q = TheQueue();
  std::lock_guard lock(q.mutex);
  const std::uint8_t key = q.keys[virtualKey];
  return static_cast<short>(((key & kKeyDown) ? 0x8000 : 0) | ((key & kKeyToggled) ? 1 : 0));
}

void SetKeyToggled(int virtualKey, bool toggled) {
  if (!ValidKey(virtualKey)) return;
  Queue& q = TheQueue();
  std::lock_guard lock(q.mutex);
  std::uint8_t& key = q.keys[virtualKey];
  key = static_cast<std::uint8_t>(toggled ? (key | kKeyToggled) : (key & ~kKeyToggled));
}

bool IsSwallowedKey(int virtualKey, bool altHeld) {
  switch (virtualKey) {
    case kVkTab:
    case kVkLWin:
    case kVkRWin:
    case kVkApps:
    case kVkMenu:
    case kVkF10:
      return true;
    default:
      return altHeld;
  }
}

bool DeliverKey(int virtualKey, bool down, bool repeat, bool altHeld) {
  if (!ValidKey(virtualKey) || IsSwallowedKey(virtualKey, altHeld)) return false;
  Queue& q = TheQueue();
  std::lock_guard lock(q.mutex);
  if (q.window == nullptr) return false;
  std::uint8_t& key = q.keys[virtualKey];
  const bool wasDown = (key & kKeyDown) != 0;
  if (down && !wasDown) key ^= kKeyToggled;
  key = static_cast<std::uint8_t>(down ? (key | kKeyDown) : (key & ~kKeyDown));
  q.messages.push_back(Message{down ? kWmKeyDown : kWmKeyUp, static_cast<std::uintptr_t>(virtualKey),
                               KeyMessageLParam(down, down && (repeat || wasDown)), q.window});
  return true;
}

void ResetMessageQueue() {
  Queue& q = TheQueue();
  std::lock_guard lock(q.mutex);
  q.messages.clear();
  q.quitPending = false;
  q.quitCode = 0;
  std::memset(q.keys, 0, sizeof q.keys);
}

}  // namespace plat
