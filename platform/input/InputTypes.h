#pragma once
// Results, cooperative-level flags and state records of the keyboard and
// mouse devices, as the game's input code reads them.
#include <cstdint>

namespace plat {

enum class InputResult {
  Ok,
  NoEffect,             // success: the request changed nothing (already acquired)
  BufferOverflow,       // success, but buffered events were lost
  InputLost,            // the device was taken away; acquire it again
  NotAcquired,          // the device must be acquired before it is read
  OtherAppHasPriority,  // access denied while another program holds the device
  NotImplemented,       // the cooperative level is not supported for this device
  InvalidParam,
  Failed,
};

// Ok, NoEffect and BufferOverflow succeed; everything else is a failure.
constexpr bool InputSucceeded(InputResult result) {
  return result == InputResult::Ok || result == InputResult::NoEffect ||
         result == InputResult::BufferOverflow;
}

// Cooperative-level flags, in the game's numbers.
constexpr uint32_t kCoopExclusive = 1;
constexpr uint32_t kCoopNonExclusive = 2;
constexpr uint32_t kCoopForeground = 4;
constexpr uint32_t kCoopBackground = 8;
constexpr uint32_t kCoopNoWinKey = 16;

constexpr int kKeyCount = 256;
constexpr uint8_t kKeyDownBit = 0x80;
constexpr int kMouseButtonCount = 4;

// One buffered keyboard event: the key's scan code and its new state byte
// (high bit set when the key went down).
struct KeyEvent {
  uint32_t code = 0;
  uint8_t state = 0;
  uint32_t sequence = 0;
};

// Relative movement since the previous read, and the buttons (high bit set
// while down): 0 left, 1 right, 2 middle.
struct MouseState {
  int32_t dx = 0;
  int32_t dy = 0;
  int32_t dz = 0;
  uint8_t buttons[kMouseButtonCount] = {};
};

}  // namespace plat
