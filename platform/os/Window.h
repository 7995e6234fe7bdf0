#pragma once
// The game's one window and its message queue, a message loop:
// PeekMessage takes one message at a time, the window
// procedure is the game's own function, and other threads post messages
// (the music player's end notification 0x8001).
//
// Two backends sit behind the same calls. The live window is an SDL window
// without decorations whose events become the messages below. The headless
// window has no SDL at all: its queue holds only what was posted, which is
// how tests script the loop.
#include <cstdint>
#include <string_view>

#include "platform/os/Handles.h"
#include "platform/os/WindowMessages.h"

namespace plat {

// The game's key codes (the message numbers are in WindowMessages.h).
constexpr int kVkBack = 0x08;
constexpr int kVkTab = 0x09;
constexpr int kVkReturn = 0x0D;
constexpr int kVkShift = 0x10;
constexpr int kVkControl = 0x11;
constexpr int kVkMenu = 0x12;  // Alt
constexpr int kVkPause = 0x13;
constexpr int kVkCapital = 0x14;
constexpr int kVkEscape = 0x1B;
constexpr int kVkSpace = 0x20;
constexpr int kVkPrior = 0x21;
constexpr int kVkNext = 0x22;
constexpr int kVkEnd = 0x23;
constexpr int kVkHome = 0x24;
constexpr int kVkLeft = 0x25;
constexpr int kVkUp = 0x26;
constexpr int kVkRight = 0x27;
constexpr int kVkDown = 0x28;
constexpr int kVkInsert = 0x2D;
constexpr int kVkDelete = 0x2E;
constexpr int kVkLWin = 0x5B;
constexpr int kVkRWin = 0x5C;
constexpr int kVkApps = 0x5D;
constexpr int kVkNumpad0 = 0x60;
constexpr int kVkF1 = 0x70;
constexpr int kVkF10 = 0x79;

struct Message {
  unsigned message = 0;
  std::uintptr_t wParam = 0;
  std::intptr_t lParam = 0;
  WindowHandle window = nullptr;
};

// The game's window procedure; DispatchMessage hands every message to it.
using WindowProcedure = std::intptr_t (*)(WindowHandle, unsigned, std::uintptr_t, std::intptr_t);

enum class WindowBackend { FromEnvironment, Headless, Live };

// True when HALVENOR_HEADLESS is set to anything but "0".
bool HeadlessRequestedByEnvironment();
// The program's choice at start: headless with a --headless argument or
// when the environment asks for it, else live.
WindowBackend BackendFromCommandLine(int argc, const char* const* argv);

// One window with a client area of the given size and no decorations.
// FromEnvironment chooses headless when HeadlessRequestedByEnvironment().
// Null when the live window cannot be made (no display) or one exists already.
WindowHandle CreateGameWindow(std::string_view title, int clientWidth, int clientHeight,
                              WindowBackend backend = WindowBackend::FromEnvironment);
void DestroyGameWindow(WindowHandle window);
bool IsLiveWindow(WindowHandle window);
// Gives the window a client area of exactly that size (the shell sizes it
// once the settings are read). False for no window or a size below 1.
bool SetClientSize(WindowHandle window, int clientWidth, int clientHeight);
bool GetClientSize(WindowHandle window, int& clientWidth, int& clientHeight);
// Sets the display's gamma ramp under the window (256 steps per channel);
// false for a headless window or a display that cannot set one.
bool SetGammaRamp(WindowHandle window, const std::uint16_t* red, const std::uint16_t* green,
                  const std::uint16_t* blue);
void SetWindowProcedure(WindowHandle window, WindowProcedure procedure);

// Takes (remove) or looks at the oldest message; false when none waits. The
// live window's events are gathered first. Call on the window thread.
bool PeekMessage(Message& out, bool remove = true);
// The window procedure's result, 0 when the window has none.
std::intptr_t DispatchMessage(const Message& message);

// Thread-safe; false when the window does not exist.
bool PostMessage(WindowHandle window, unsigned message, std::uintptr_t wParam, std::intptr_t lParam);
// Queues WM_QUIT with the exit code in wParam; needs no window.
void PostQuitMessage(int exitCode);

// The display counter of the cursor: shown while it is 0 or more. Returns the
// new count.
int ShowCursor(bool show);

// High bit (0x8000 as a short) set while the key is down, low bit toggled by
// every press (Caps Lock's light). Keys the window swallows never change it.
short GetKeyState(int virtualKey);
// Sets the toggle bit, e.g. to Caps Lock's light when the window opens.
void SetKeyToggled(int virtualKey, bool toggled);

// Delivers one key change as the window would: swallowed keys are dropped,
// the others update the key state and queue WM_KEYDOWN / WM_KEYUP with the
// repeat count and transition bits in lParam. The live window
// calls it for its events; headless tests call it to type. False when the key
// was swallowed or no window exists.
bool DeliverKey(int virtualKey, bool down, bool repeat, bool altHeld);

// The keys the game's keyboard hook swallowed: Tab, both Windows keys, Apps,
// and every system key (anything pressed with Alt held, Alt itself, F10).
bool IsSwallowedKey(int virtualKey, bool altHeld);

// Empties the queue and the key state (tests).
void ResetMessageQueue();

}  // namespace plat
