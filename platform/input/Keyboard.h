#pragma once
// The system keyboard: the state of all 256 keys in the game's scan-code
// numbers (immediate mode) or, once a buffer size is set, the key changes
// since the last read (buffered mode).
#include <cstdint>
#include <deque>
#include <memory>

#include "platform/input/InputDevice.h"
#include "platform/input/InputSource.h"

namespace plat {

class Keyboard : public InputDevice {
 public:
  // Fails (null, result set) without a module instance or when the source
  // offers no devices.
  static std::unique_ptr<Keyboard> Create(InstanceHandle instance, InputResult& result,
                                          InputSource& source = InputSource::Shared());
  ~Keyboard() override;

  // Events kept for GetEvents; 0 switches buffering off. Only while not
  // acquired.
  InputResult SetBufferSize(uint32_t events);
  // Byte per scan code, high bit set while the key is down.
  InputResult GetState(uint8_t (&keys)[kKeyCount]) const;
  // In: capacity of `events`; out: events delivered, oldest first. Returns
  // BufferOverflow when events were dropped since the last read.
  InputResult GetEvents(KeyEvent* events, uint32_t& count);

 private:
  friend class InputSource;
  explicit Keyboard(InputSource& source);
  void OnAcquiredLocked() override;
  bool SupportsExclusiveBackground() const override { return false; }
  // Called by the source with Mutex() held.
  void KeyChangedLocked(uint32_t code, bool down);

  uint32_t bufferSize_ = 0;
  std::deque<KeyEvent> events_;
  bool overflowed_ = false;
  uint32_t sequence_ = 0;
};

}  // namespace plat
