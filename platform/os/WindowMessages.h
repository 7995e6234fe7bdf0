#pragma once
// The game's window message numbers and how their parameters are packed:
// the one definition the window, the input and the GUI share.
#include <cstdint>

namespace plat {

constexpr unsigned kWmDestroy = 0x0002;
constexpr unsigned kWmPaint = 0x000F;
constexpr unsigned kWmQuit = 0x0012;
constexpr unsigned kWmKeyDown = 0x0100;
constexpr unsigned kWmKeyUp = 0x0101;
constexpr unsigned kWmMouseMove = 0x0200;
constexpr unsigned kWmLButtonDown = 0x0201;
constexpr unsigned kWmLButtonUp = 0x0202;
constexpr unsigned kWmLButtonDblClk = 0x0203;
constexpr unsigned kWmRButtonDown = 0x0204;
constexpr unsigned kWmRButtonUp = 0x0205;
constexpr unsigned kWmRButtonDblClk = 0x0206;
constexpr unsigned kWmMButtonDown = 0x0207;
constexpr unsigned kWmMButtonUp = 0x0208;
constexpr unsigned kWmMouseWheel = 0x020A;
constexpr unsigned kWmApp = 0x8000;

constexpr int kWheelDelta = 120;  // one notch of the wheel

// wParam of the mouse messages: the buttons and modifier keys held.
constexpr unsigned kMkLButton = 0x1;
constexpr unsigned kMkRButton = 0x2;
constexpr unsigned kMkShift = 0x4;
constexpr unsigned kMkControl = 0x8;
constexpr unsigned kMkMButton = 0x10;

// lParam of the mouse messages: the pointer position as y << 16 | x, each
// half 16 bits and read back unsigned.
inline std::intptr_t PointLParam(int x, int y) {
  return static_cast<std::intptr_t>(static_cast<std::uint32_t>(y & 0xFFFF) << 16 |
                                    static_cast<std::uint32_t>(x & 0xFFFF));
}
inline int PointLParamX(std::intptr_t lParam) { return static_cast<int>(lParam & 0xFFFF); }
inline int PointLParamY(std::intptr_t lParam) { return static_cast<int>((lParam >> 16) & 0xFFFF); }

}  // namespace plat
