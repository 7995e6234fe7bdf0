#pragma once
// The window messages the GUI is offered, with their original numbers, and
// how their parameters are laid out: lParam = y << 16 | x (each half read
// unsigned), wParam = the mouse buttons held (kHeldLeft ...) or, for a key,
// its virtual-key code.
#include <cstdint>

#include "platform/os/Window.h"

namespace gui {

constexpr unsigned kKeyDown = 0x0100;
constexpr unsigned kMouseMove = 0x0200;
constexpr unsigned kLeftDown = 0x0201;
constexpr unsigned kLeftUp = 0x0202;
constexpr unsigned kLeftDoubleClick = 0x0203;
constexpr unsigned kRightDown = 0x0204;
constexpr unsigned kRightUp = 0x0205;
constexpr unsigned kRightDoubleClick = 0x0206;
constexpr unsigned kMiddleDown = 0x0207;
constexpr unsigned kMiddleUp = 0x0208;

constexpr std::uintptr_t kHeldLeft = 0x01;
constexpr std::uintptr_t kHeldRight = 0x02;
constexpr std::uintptr_t kHeldMiddle = 0x10;

inline int32_t MessageX(const plat::Message& message) { return int32_t(message.lParam & 0xFFFF); }
inline int32_t MessageY(const plat::Message& message) { return int32_t((message.lParam >> 16) & 0xFFFF); }
inline std::intptr_t PointParam(int32_t x, int32_t y) {
  return std::intptr_t((uint32_t(y & 0xFFFF) << 16) | uint32_t(x & 0xFFFF));
}

// The button messages 513 to 520: presses, releases and double clicks.
inline bool IsButtonMessage(unsigned message) { return message >= kLeftDown && message <= kMiddleUp; }

}  // namespace gui
