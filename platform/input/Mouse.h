#pragma once
// The system mouse: relative movement accumulated since the previous read,
// and its buttons.
#include <cstdint>
#include <memory>

#include "platform/input/InputDevice.h"
#include "platform/input/InputSource.h"

namespace plat {

class Mouse : public InputDevice {
 public:
  // Fails (null, result set) without a module instance or when the source
  // offers no devices.
  static std::unique_ptr<Mouse> Create(InstanceHandle instance, InputResult& result,
                                       InputSource& source = InputSource::Shared());
  ~Mouse() override;

  // Movement since the previous successful read (then reset), and buttons.
  InputResult GetState(MouseState& state);

 private:
  friend class InputSource;
  explicit Mouse(InputSource& source);
  void OnAcquiredLocked() override;
  // Called by the source with Mutex() held.
  void MovedLocked(int32_t dx, int32_t dy, int32_t dz);

  int32_t dx_ = 0;
  int32_t dy_ = 0;
  int32_t dz_ = 0;
};

}  // namespace plat
