#pragma once
// The engine's keyboard and mouse. The keyboard gives the scan codes of the
// keys that are down (immediate mode) or that changed (buffered mode); the
// mouse gives the movement since the last poll and three buttons.
#include <cstdint>
#include <memory>
#include <vector>

#include "platform/input/InputTypes.h"
#include "platform/os/Handles.h"

namespace plat {
class Keyboard;
class Mouse;
}  // namespace plat

// Filled by ZOdevuvInput::PollMouse; buttons are 1 while down, 0 while up.
struct ZOdevuvMouseState {
  int32_t dx = 0;
  int32_t dy = 0;
  int32_t left = 0;
  int32_t right = 0;
  int32_t middle = 0;
  int32_t spare = 0;
};

class ZOdevuvInput {
 public:
  // Stores itself in g_input and sets up the mouse.
  ZOdevuvInput(plat::WindowHandle window, plat::InstanceHandle instance);
  ~ZOdevuvInput();
  ZOdevuvInput(const ZOdevuvInput&) = delete;
  ZOdevuvInput& operator=(const ZOdevuvInput&) = delete;

  plat::InputResult InitMouse(plat::InstanceHandle instance, plat::WindowHandle window);
  // Sets up the keyboard: exclusive or shared, foreground or background,
  // immediate (key states) or buffered (key changes).
  plat::InputResult Init(plat::WindowHandle window, uint8_t exclusive, uint8_t foreground, uint8_t immediate,
                         uint8_t noWindowsKey);
  // Replaces `codes` with the keyboard's codes and tells whether there are
  // any; false, with `codes` untouched, when the keyboard cannot be read.
  bool Poll(std::vector<int>& codes);
  int PollMouse();
  // Lets the keyboard go.
  void Release();

  const ZOdevuvMouseState& MouseState() const { return *mouseState_; }
  uint32_t CooperativeFlags() const { return cooperativeFlags_; }

 private:
  // Each replaces `codes` and returns true when the keyboard could be read.
  bool ReadKeyStates(std::vector<int>& codes);
  bool ReadKeyEvents(std::vector<int>& codes);
  void ReleaseMouse();

  std::unique_ptr<plat::Mouse> mouse_;
  std::unique_ptr<plat::Keyboard> keyboard_;
  bool immediate_ = true;
  // Exclusive and foreground until Init chooses.
  uint32_t cooperativeFlags_ = plat::kCoopExclusive | plat::kCoopForeground;
  std::unique_ptr<ZOdevuvMouseState> mouseState_;
};
