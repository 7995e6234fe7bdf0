#pragma once
// One record of the GUI-command queue. Widgets, screens and the main class
// post these instead of acting on other elements; the per-frame command pass
// hands them to the main class's handler and then to the dispatcher.
#include <cstdint>

// The command codes. 24 and 25 are drag notifications for the handlers that
// run before the dispatcher; the dispatcher ignores them.
enum GuiCommandCode : int32_t {
  kCmdActivate = 0,
  kCmdDisable = 1,
  kCmdShow = 2,
  kCmdHide = 3,
  kCmdOpenPage = 4,
  kCmdShowPage = 5,
  kCmdOpenWindow = 6,
  kCmdClosePage = 7,
  kCmdSelect = 8,
  kCmdOpenPageForced = 9,
  kCmdLeftDown = 10,
  kCmdClick = 11,
  kCmdDoubleClick = 12,
  kCmdRightDown = 13,
  kCmdRightClick = 14,
  kCmdRightDoubleClick = 15,
  kCmdScrollUp = 16,
  kCmdScrollDown = 17,
  kCmd18 = 18,
  kCmdScrollTo = 19,
  kCmd20 = 20,
  kCmdGainFocus = 21,
  kCmdLoseFocus = 22,
  kCmd23 = 23,
  kCmdDragY = 24,
  kCmdDragX = 25,
};

struct GuiCommand {
  int32_t sender = -1;
  int32_t target = -1;
  int32_t code = 0;
  int32_t control = 0;
  int32_t parameter = 0;
  uint8_t done = 0;

  // Done, or taken by a handler that cleared both ids; the purge drops it.
  bool IsConsumed() const { return done != 0 || (sender == -1 && target == -1); }
};
