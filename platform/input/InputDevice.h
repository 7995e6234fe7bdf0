#pragma once
// The part shared by the keyboard and the mouse: the cooperative level and
// acquisition. A device delivers data only while acquired; the input source
// can take every device away ("lost") to exercise the re-acquire path.
#include <cstdint>
#include <mutex>

#include "platform/input/InputTypes.h"
#include "platform/os/Handles.h"

namespace plat {

class InputSource;

class InputDevice {
 public:
  virtual ~InputDevice();
  InputDevice(const InputDevice&) = delete;
  InputDevice& operator=(const InputDevice&) = delete;

  // Exactly one of exclusive/non-exclusive and one of foreground/background.
  // Foreground and exclusive access need a window.
  InputResult SetCooperativeLevel(WindowHandle window, uint32_t flags);
  InputResult Acquire();
  InputResult Unacquire();
  bool IsAcquired() const;
  uint32_t CooperativeFlags() const;

 protected:
  explicit InputDevice(InputSource& source);

  // Whether a keyboard or mouse may be made for `instance` from `source`:
  // InvalidParam without an instance, Failed when the source has no
  // devices, else Ok.
  static InputResult CreationResult(InstanceHandle instance, const InputSource& source);

  // The source's lock guards the devices too, so that events fed by the
  // window thread and reads by the game never see half an update.
  std::mutex& Mutex() const;
  // Why the device cannot be read now, or Ok when it is acquired. Call with
  // Mutex() held.
  InputResult ReadableLocked() const;
  // Called with Mutex() held whenever the device becomes acquired: whatever
  // happened before starts from nothing.
  virtual void OnAcquiredLocked() {}
  // Keyboards refuse exclusive background access.
  virtual bool SupportsExclusiveBackground() const { return true; }

  InputSource& source_;

 private:
  friend class InputSource;
  // Called by the source with Mutex() held: the device is taken away, and
  // its next `refusedAcquires` acquisitions fail with InputLost.
  void LoseLocked(int refusedAcquires);

  uint32_t flags_ = 0;
  bool acquired_ = false;
  bool lost_ = false;
  int refusedAcquires_ = 0;
};

}  // namespace plat
