#pragma once
// The engine object: base of the program's main object. It sits above every
// engine service (its own folder and library), so no service depends on it. It creates the
// engine singletons (reached through the global slots of Globals.h), deletes
// them again, and defines the hooks through which the shell drives the
// engine: device set-up, one-time resource loading and the per-frame call.
#include <cstdint>

#include "engine/core/Globals.h"
#include "platform/os/Handles.h"

class DOradovIruzez {
 public:
  // Stores itself in the engine slot.
  DOradovIruzez();
  // Deletes the singletons that exist, clears every slot and releases the
  // device resources kept in them.
  virtual ~DOradovIruzez();
  DOradovIruzez(const DOradovIruzez&) = delete;
  DOradovIruzez& operator=(const DOradovIruzez&) = delete;

  // Creates the singletons, in order: device, asset paths, camera, lights,
  // frustum, input (only with an instance handle), music, sound, video, log,
  // particle manager, game-object list. Called once, right after construction.
  void Init(plat::WindowHandle window, plat::InstanceHandle instance);

  // Sets up the device (hardware vertex processing allowed) when the device
  // singleton exists.
  virtual void InitDevice(int32_t width, int32_t height, int32_t bits, int32_t windowed);
  // One-time resource loading once the device exists.
  virtual void InitResources() {}
  // The per-frame work, given the frame's seconds.
  virtual void Frame(float /*elapsedSeconds*/) {}

  plat::WindowHandle GetWindow() const { return m_window; }
  plat::InstanceHandle GetInstance() const { return m_instance; }

  // The id for a new sub-mesh (see Globals.h).
  int32_t TakeMeshId() { return ::TakeMeshId(); }

 private:
  plat::WindowHandle m_window = nullptr;
  plat::InstanceHandle m_instance = nullptr;
};
