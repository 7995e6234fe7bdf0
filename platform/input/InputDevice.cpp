#include "platform/input/InputDevice.h"

#include "platform/input/InputSource.h"

namespace plat {

InputDevice::InputDevice(InputSource& source) : source_(source) {}

InputDevice::~InputDevice() = default;

InputResult InputDevice::CreationResult(InstanceHandle instance, const InputSource& source) {
  if (instance == nullptr) return InputResult::InvalidParam;
  if (!source.DevicesAvailable()) return InputResult::Failed;
  return InputResult::Ok;
}

std::mutex& InputDevice::Mutex() const { return source_.mutex_; }

InputResult InputDevice::SetCooperativeLevel(WindowHandle window, uint32_t flags) {
  const bool exclusive = (flags & kCoopExclusive) != 0;
  const bool nonExclusive = (flags & kCoopNonExclusive) != 0;
  const bool foreground = (flags & kCoopForeground) != 0;
  const bool background = (flags & kCoopBackground) != 0;
  if (exclusive == nonExclusive || foreground == background) return InputResult::InvalidParam;
  if (exclusive && background && !SupportsExclusiveBackground()) return InputResult::NotImplemented;
  if ((exclusive || foreground) && window == nullptr) return InputResult::InvalidParam;
  std::lock_guard<std::mutex> lock(Mutex());
  if (acquired_) return InputResult::Failed;  // the level is fixed while acquired
  flags_ = flags;
  return InputResult::Ok;
}

InputResult InputDevice::Acquire() {
  std::lock_guard<std::mutex> lock(Mutex());
  if (acquired_) return InputResult::NoEffect;
  if (refusedAcquires_ > 0) {
    --refusedAcquires_;
    return InputResult::InputLost;
  }
  acquired_ = true;
  lost_ = false;
  OnAcquiredLocked();
  return InputResult::Ok;
}

InputResult InputDevice::Unacquire() {
  std::lock_guard<std::mutex> lock(Mutex());
  if (!acquired_) return InputResult::NoEffect;
  acquired_ = false;
  return InputResult::Ok;
}

bool InputDevice::IsAcquired() const {
  std::lock_guard<std::mutex> lock(Mutex());
  return acquired_;
}

uint32_t InputDevice::CooperativeFlags() const {
  std::lock_guard<std::mutex> lock(Mutex());
  return flags_;
}

InputResult InputDevice::ReadableLocked() const {
  if (acquired_) return InputResult::Ok;
  return lost_ ? InputResult::InputLost : InputResult::NotAcquired;
}

void InputDevice::LoseLocked(int refusedAcquires) {
  if (!acquired_) return;
  acquired_ = false;
  lost_ = true;
  refusedAcquires_ = refusedAcquires;
}

}  // namespace plat
