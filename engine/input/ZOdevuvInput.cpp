#include "engine/input/ZOdevuvInput.h"

#include "engine/core/Globals.h"
#include "platform/input/Keyboard.h"
#include "platform/input/Mouse.h"
#include "platform/input/SdlInput.h"

namespace {

constexpr uint32_t kKeyEventCapacity = 16;

uint32_t KeyboardCooperativeFlags(bool exclusive, bool foreground, bool noWindowsKey) {
  uint32_t flags = exclusive ? plat::kCoopExclusive : plat::kCoopNonExclusive;
  flags |= foreground ? plat::kCoopForeground : plat::kCoopBackground;
  if (noWindowsKey && !exclusive && foreground) flags |= plat::kCoopNoWinKey;
  return flags;
}

}  // namespace

ZOdevuvInput::ZOdevuvInput(plat::WindowHandle window, plat::InstanceHandle instance)
    : mouseState_(std::make_unique<ZOdevuvMouseState>()) {
  g_input = this;
  // The live window's keyboard and mouse events feed the devices.
  plat::ConnectWindowInput();
  InitMouse(instance, window);
}

ZOdevuvInput::~ZOdevuvInput() {
  ReleaseMouse();
  Release();
  if (g_input == this) g_input = nullptr;
}

plat::InputResult ZOdevuvInput::InitMouse(plat::InstanceHandle instance, plat::WindowHandle window) {
  ReleaseMouse();
  plat::InputResult result = plat::InputResult::Ok;
  mouse_ = plat::Mouse::Create(instance, result);
  if (!mouse_) return result;
  // Acquired by the first poll.
  return mouse_->SetCooperativeLevel(window, plat::kCoopNonExclusive | plat::kCoopBackground);
}

plat::InputResult ZOdevuvInput::Init(plat::WindowHandle window, uint8_t exclusive, uint8_t foreground,
                                     uint8_t immediate, uint8_t noWindowsKey) {
  immediate_ = immediate != 0;
  cooperativeFlags_ = KeyboardCooperativeFlags(exclusive != 0, foreground != 0, noWindowsKey != 0);

  Release();
  plat::InputResult result = plat::InputResult::Ok;
  keyboard_ = plat::Keyboard::Create(plat::ProcessInstance(), result);
  if (!keyboard_) return result;

  result = keyboard_->SetCooperativeLevel(window, cooperativeFlags_);
  if (result == plat::InputResult::NotImplemented && exclusive && !foreground) {
    // A keyboard cannot be held exclusively in the background: go without.
    Release();
    return plat::InputResult::Ok;
  }
  if (!plat::InputSucceeded(result)) return result;

  if (!immediate) {
    result = keyboard_->SetBufferSize(kKeyEventCapacity);
    if (!plat::InputSucceeded(result)) return result;
  }
  keyboard_->Acquire();
  return plat::InputResult::Ok;
}

bool ZOdevuvInput::Poll(std::vector<int>& codes) {
  if (!keyboard_) return false;
  const bool read = immediate_ ? ReadKeyStates(codes) : ReadKeyEvents(codes);
  if (!read) {
    // One attempt per frame; a device that stays lost is tried again next frame.
    keyboard_->Acquire();
    return false;
  }
  return !codes.empty();
}

bool ZOdevuvInput::ReadKeyStates(std::vector<int>& codes) {
  uint8_t keys[plat::kKeyCount] = {};
  if (keyboard_->GetState(keys) != plat::InputResult::Ok) return false;
  codes.clear();
  for (int code = 0; code < plat::kKeyCount; ++code) {
    if (keys[code] & plat::kKeyDownBit) codes.push_back(code);
  }
  return true;
}

bool ZOdevuvInput::ReadKeyEvents(std::vector<int>& codes) {
  plat::KeyEvent events[kKeyEventCapacity];
  uint32_t count = kKeyEventCapacity;
  // An overflowing buffer counts as a failed read too.
  if (keyboard_->GetEvents(events, count) != plat::InputResult::Ok) return false;
  codes.clear();
  for (uint32_t i = 0; i < count; ++i) codes.push_back(static_cast<int>(events[i].code));
  return true;
}

int ZOdevuvInput::PollMouse() {
  if (!mouse_) return 0;
  plat::MouseState state;
  plat::InputResult result = mouse_->GetState(state);
  if (!plat::InputSucceeded(result) && plat::InputSucceeded(mouse_->Acquire())) {
    result = mouse_->GetState(state);
  }
  if (!plat::InputSucceeded(result)) {
    // Nothing was measured: no movement, but the buttons keep their last
    // known state so that a held button does not look released.
    mouseState_->dx = 0;
    mouseState_->dy = 0;
    return 0;
  }
  mouseState_->dx = state.dx;
  mouseState_->dy = state.dy;
  mouseState_->left = (state.buttons[0] & plat::kKeyDownBit) ? 1 : 0;
  mouseState_->right = (state.buttons[1] & plat::kKeyDownBit) ? 1 : 0;
  mouseState_->middle = (state.buttons[2] & plat::kKeyDownBit) ? 1 : 0;
  return 0;
}

void ZOdevuvInput::Release() {
  if (!keyboard_) return;
  keyboard_->Unacquire();
  keyboard_.reset();
}

void ZOdevuvInput::ReleaseMouse() {
  if (!mouse_) return;
  mouse_->Unacquire();
  mouse_.reset();
}
