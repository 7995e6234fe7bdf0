// Keyboard and mouse, polled once a frame.
#include "app/VAvazadOvurUrovi.h"
#include "engine/core/Globals.h"
#include "engine/input/ZOdevuvInput.h"

void VAvazadOvurUrovi::PollInput() {
  if (!g_input) return;
  g_input->Poll(pressedKeys);
}
