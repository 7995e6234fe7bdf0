#pragma once
// The window messages the GUI is offered, under the GUI's names for the
// numbers of platform/os/WindowMessages.h: lParam = y << 16 | x (each half
// read unsigned), wParam = the mouse buttons held (kHeldLeft ...) or, for a
// key, its virtual-key code.
#include <cstdint>

#include "platform/os/Window.h"

namespace gui {

constexpr unsigned kKeyDown = plat::kWmKeyDown;
constexpr unsigned kMouseMove = plat::kWmMouseMove;
constexpr unsigned kLeftDown = plat::kWmLButtonDown;
constexpr unsigned kLeftUp = plat::kWmLButtonUp;
constexpr unsigned kLeftDoubleClick = plat::kWmLButtonDblClk;
constexpr unsigned kRightDown = plat::kWmRButtonDown;
constexpr unsigned kRightUp = plat::kWmRButtonUp;
constexpr unsigned kRightDoubleClick = plat::kWmRButtonDblClk;
constexpr unsigned kMiddleDown = plat::kWmMButtonDown;
constexpr unsigned kMiddleUp = plat::kWmMButtonUp;

constexpr std::uintptr_t kHeldLeft = plat::kMkLButton;
constexpr std::uintptr_t kHeldRight = plat::kMkRButton;
constexpr std::uintptr_t kHeldMiddle = plat::kMkMButton;

inline int32_t MessageX(const plat::Message& message) { return plat::PointLParamX(message.lParam); }
inline int32_t MessageY(const plat::Message& message) { return plat::PointLParamY(message.lParam); }
inline std::intptr_t PointParam(int32_t x, int32_t y) { return plat::PointLParam(x, y); }

// The button messages 513 to 520: presses, releases and double clicks.
inline bool IsButtonMessage(unsigned message) { return message >= kLeftDown && message <= kMiddleUp; }

}  // namespace gui
