#include "platform/input/Mouse.h"

namespace plat {

std::unique_ptr<Mouse> Mouse::Create(InstanceHandle instance, InputResult& result, InputSource& source) {
  result = CreationResult(instance, source);
  if (result != InputResult::Ok) return nullptr;
  return std::unique_ptr<Mouse>(new Mouse(source));
}

Mouse::Mouse(InputSource& source) : InputDevice(source) { source_.Register(this); }

Mouse::~Mouse() { source_.Unregister(this); }

InputResult Mouse::GetState(MouseState& state) {
  std::lock_guard<std::mutex> lock(Mutex());
  const InputResult readable = ReadableLocked();
  if (readable != InputResult::Ok) return readable;
  state.dx = dx_;
  state.dy = dy_;
  state.dz = dz_;
  source_.CopyButtonsLocked(state.buttons);
  dx_ = dy_ = dz_ = 0;
  return InputResult::Ok;
}

void Mouse::OnAcquiredLocked() { dx_ = dy_ = dz_ = 0; }

void Mouse::MovedLocked(int32_t dx, int32_t dy, int32_t dz) {
  if (ReadableLocked() != InputResult::Ok) return;
  dx_ += dx;
  dy_ += dy;
  dz_ += dz;
}

}  // namespace plat
