#pragma once
// How the live window's keyboard and wheel events become message parameters.
// Pure functions over SDL's numbers (scancodes are USB HID usage ids, key
// codes are the character for printable keys), so tests need no window.
#include <cstdint>

#include "platform/os/WindowMessages.h"

namespace plat {

// The virtual-key code of a key, 0 for keys the game has no code for.
// Letters and digits follow the keyboard layout (the key code); all other
// keys follow their position (the scancode).
int VirtualKeyFromSdl(int scancode, int keycode);

// lParam of WM_KEYDOWN / WM_KEYUP: repeat count 1, bit 30 when the key was
// down before, bit 31 on release. The scan-code bits stay 0: the game reads
// keys from wParam only.
std::intptr_t KeyMessageLParam(bool down, bool repeat);

// wParam of WM_MOUSEWHEEL: 120 per notch (positive away from the user) as a
// signed 16-bit high word, the modifier flags (kMk...) in the low word; its
// lParam is PointLParam. Read as a
// signed 32-bit number its sign is the wheel's direction.
std::uintptr_t WheelWParam(int notches, unsigned modifiers);

}  // namespace plat
