#pragma once
// Where keyboard and mouse input comes from: the live window's event pump
// feeds the shared source (see SdlInput.h), headless tests script it
// directly. Devices created on a source read its key and button state and
// receive its movement and key changes while they are acquired.
#include <cstdint>
#include <mutex>
#include <vector>

#include "platform/input/InputTypes.h"

namespace plat {

class Keyboard;
class Mouse;

class InputSource {
 public:
  // The source of the process, fed by the window.
  static InputSource& Shared();

  InputSource();
  ~InputSource();
  InputSource(const InputSource&) = delete;
  InputSource& operator=(const InputSource&) = delete;

  // Key by the game's scan code (0..255; others are ignored).
  void SetKey(int code, bool down);
  void MoveMouse(int32_t dx, int32_t dy, int32_t dz = 0);
  // Button 0 left, 1 right, 2 middle, 3 fourth; others are ignored.
  void SetMouseButton(int button, bool down);
  // Every key and button up, e.g. when the window loses the focus and
  // would miss the releases.
  void ReleaseAll();
  // Takes every acquired device away (another program took them); each then
  // refuses its next `refusedAcquires` acquisitions with InputLost.
  void LoseDevices(int refusedAcquires = 0);
  // When false, creating a device fails (a machine without keyboard/mouse).
  void SetDevicesAvailable(bool available);
  // Back to the start: all keys and buttons up, devices available.
  void Reset();

  bool IsKeyDown(int code) const;

 private:
  friend class InputDevice;
  friend class Keyboard;
  friend class Mouse;

  bool DevicesAvailable() const;
  void Register(Keyboard* keyboard);
  void Register(Mouse* mouse);
  void Unregister(Keyboard* keyboard);
  void Unregister(Mouse* mouse);
  // Read by the devices with mutex_ held.
  void CopyKeysLocked(uint8_t (&keys)[kKeyCount]) const;
  void CopyButtonsLocked(uint8_t (&buttons)[kMouseButtonCount]) const;

  mutable std::mutex mutex_;
  uint8_t keys_[kKeyCount] = {};
  uint8_t buttons_[kMouseButtonCount] = {};
  bool devicesAvailable_ = true;
  std::vector<Keyboard*> keyboards_;
  std::vector<Mouse*> mice_;
};

}  // namespace plat
