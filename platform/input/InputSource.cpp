#include "platform/input/InputSource.h"

#include <algorithm>
#include <cstring>

#include "platform/input/Keyboard.h"
#include "platform/input/Mouse.h"

namespace plat {

InputSource& InputSource::Shared() {
  static InputSource source;
  return source;
}

InputSource::InputSource() = default;
InputSource::~InputSource() = default;

void InputSource::SetKey(int code, bool down) {
  if (code < 0 || code >= kKeyCount) return;
  std::lock_guard<std::mutex> lock(mutex_);
  const uint8_t state = down ? kKeyDownBit : 0;
  if (keys_[code] == state) return;  // auto-repeat changes nothing
  keys_[code] = state;
  for (Keyboard* keyboard : keyboards_) keyboard->KeyChangedLocked(static_cast<uint32_t>(code), down);
}

void InputSource::MoveMouse(int32_t dx, int32_t dy, int32_t dz) {
  std::lock_guard<std::mutex> lock(mutex_);
  for (Mouse* mouse : mice_) mouse->MovedLocked(dx, dy, dz);
}

void InputSource::SetMouseButton(int button, bool down) {
  if (button < 0 || button >= kMouseButtonCount) return;
  std::lock_guard<std::mutex> lock(mutex_);
  buttons_[button] = down ? kKeyDownBit : 0;
}

void InputSource::ReleaseAll() {
  for (int code = 0; code < kKeyCount; ++code) SetKey(code, false);
  std::lock_guard<std::mutex> lock(mutex_);
  std::memset(buttons_, 0, sizeof buttons_);
}

void InputSource::LoseDevices(int refusedAcquires) {
  std::lock_guard<std::mutex> lock(mutex_);
  for (Keyboard* keyboard : keyboards_) keyboard->LoseLocked(refusedAcquires);
  for (Mouse* mouse : mice_) mouse->LoseLocked(refusedAcquires);
}

void InputSource::SetDevicesAvailable(bool available) {
  std::lock_guard<std::mutex> lock(mutex_);
  devicesAvailable_ = available;
}

void InputSource::Reset() {
  ReleaseAll();
  SetDevicesAvailable(true);
}

bool InputSource::IsKeyDown(int code) const {
  if (code < 0 || code >= kKeyCount) return false;
  std::lock_guard<std::mutex> lock(mutex_);
  return (keys_[code] & kKeyDownBit) != 0;
}

bool InputSource::DevicesAvailable() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return devicesAvailable_;
}

void InputSource::Register(Keyboard* keyboard) {
  std::lock_guard<std::mutex> lock(mutex_);
  keyboards_.push_back(keyboard);
}

void InputSource::Register(Mouse* mouse) {
  std::lock_guard<std::mutex> lock(mutex_);
  mice_.push_back(mouse);
}

void InputSource::Unregister(Keyboard* keyboard) {
  std::lock_guard<std::mutex> lock(mutex_);
  std::erase(keyboards_, keyboard);
}

void InputSource::Unregister(Mouse* mouse) {
  std::lock_guard<std::mutex> lock(mutex_);
  std::erase(mice_, mouse);
}

void InputSource::CopyKeysLocked(uint8_t (&keys)[kKeyCount]) const { std::memcpy(keys, keys_, sizeof keys_); }

void InputSource::CopyButtonsLocked(uint8_t (&buttons)[kMouseButtonCount]) const {
  std::memcpy(buttons, buttons_, sizeof buttons_);
}

}  // namespace plat
