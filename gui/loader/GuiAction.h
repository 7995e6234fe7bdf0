#pragma once
// The click actions of the GUI description and the side that keeps them.
// The application's main object owns the action list and the load-progress
// counter; the loader only hands actions over and raises the counter, so it
// reaches the main object through this interface.
#include <atomic>
#include <cstdint>

struct GuiAction {
  int32_t sender = -1;   // element whose click or selection triggers it
  int32_t target = -1;   // element acted on; -1 when no element had the name
  int32_t code = 0;      // GUI command code (4, 6 or 7 from the loader)
  int32_t control = -1;  // the sender again
  int32_t parameter = 0;
};

class GuiActionSink {
 public:
  virtual ~GuiActionSink() = default;

  // Appends a copy of the action at the end of the action list.
  virtual void QueueRecord20(GuiAction action) = 0;

  // Raised by the loading thread once per element description; the window
  // thread reads it for the loading screen.
  std::atomic<int32_t> loadProgressCounter{0};
};
