#include "platform/input/Keyboard.h"

namespace plat {

std::unique_ptr<Keyboard> Keyboard::Create(InstanceHandle instance, InputResult& result,
                                           InputSource& source) {
  result = CreationResult(instance, source);
  if (result != InputResult::Ok) return nullptr;
  return std::unique_ptr<Keyboard>(new Keyboard(source));
}

Keyboard::Keyboard(InputSource& source) : InputDevice(source) { source_.Register(this); }

Keyboard::~Keyboard() { source_.Unregister(this); }

InputResult Keyboard::SetBufferSize(uint32_t events) {
  std::lock_guard<std::mutex> lock(Mutex());
  if (ReadableLocked() == InputResult::Ok) return InputResult::Failed;  // fixed while acquired
  bufferSize_ = events;
  events_.clear();
  overflowed_ = false;
  return InputResult::Ok;
}

InputResult Keyboard::GetState(uint8_t (&keys)[kKeyCount]) const {
  std::lock_guard<std::mutex> lock(Mutex());
  const InputResult readable = ReadableLocked();
  if (readable != InputResult::Ok) return readable;
  source_.CopyKeysLocked(keys);
  return InputResult::Ok;
}

InputResult Keyboard::GetEvents(KeyEvent* events, uint32_t& count) {
  const uint32_t capacity = events == nullptr ? 0 : count;
  count = 0;
  std::lock_guard<std::mutex> lock(Mutex());
  const InputResult readable = ReadableLocked();
  if (readable != InputResult::Ok) return readable;
  if (bufferSize_ == 0) return InputResult::NotImplemented;
  while (count < capacity && !events_.empty()) {
    events[count++] = events_.front();
    events_.pop_front();
  }
  const bool overflowed = overflowed_;
  overflowed_ = false;
  return overflowed ? InputResult::BufferOverflow : InputResult::Ok;
}

void Keyboard::OnAcquiredLocked() {
  events_.clear();
  overflowed_ = false;
}

void Keyboard::KeyChangedLocked(uint32_t code, bool down) {
  if (bufferSize_ == 0 || ReadableLocked() != InputResult::Ok) return;
  if (events_.size() >= bufferSize_) {
    overflowed_ = true;
    return;
  }
  events_.push_back(KeyEvent{code, static_cast<uint8_t>(down ? kKeyDownBit : 0), sequence_++});
}

}  // namespace plat
