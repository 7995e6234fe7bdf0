#pragma once
// The shell around the main object: its creation, the window procedure and
// the message and frame loop. The entry function (Main.cpp) opens the
// window, makes the main object, reads the display settings, sets up the
// device and the resources, and then runs the loop until the quit message.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/os/Handles.h"

class VAvazadOvurUrovi;

// The window's title.
constexpr const char* kGameWindowTitle = "Halvenor porvik";
// The longest frame time the park moves on by: a stall (a slow disk, a
// debugger) must not move everything at once.
constexpr float kMaxFrameSeconds = 0.25f;
// The music's graph notification.
constexpr unsigned kMusicGraphNotification = 0x8001;

// The main object; null when it cannot be made.
std::unique_ptr<VAvazadOvurUrovi> CreateMainObject();

// The game's window procedure: key downs go to the GUI, the wheel zooms,
// the music's notification drains its graph, destruction joins the loading
// threads and posts the quit message. Before and after the main object
// exists it only answers WM_DESTROY.
std::intptr_t MainWndProc(plat::WindowHandle window, unsigned message, std::uintptr_t wParam,
                          std::intptr_t lParam);

struct LoopOptions {
  int frames = 0;                     // quit after this many frames; 0: never
  std::vector<int> screenshotFrames;  // save the back buffer after these frames
  std::string screenshotDir = ".";
};

// Takes one waiting message at a time and dispatches it; when none waits,
// runs one frame: UpdateFrame, Frame, PollInput, RunQueuedGuiCommands,
// RemoveDoneGuiCommands. Ends on the quit message and returns its code.
int RunMainLoop(VAvazadOvurUrovi& game, const LoopOptions& options);
