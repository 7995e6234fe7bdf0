#pragma once
// The music player singleton. Only its place among the engine singletons
// exists so far; it keeps the window that receives its notifications.
#include "platform/os/Handles.h"

class ZOdevuvMusic {
 public:
  explicit ZOdevuvMusic(plat::WindowHandle window);
  ~ZOdevuvMusic();
  ZOdevuvMusic(const ZOdevuvMusic&) = delete;
  ZOdevuvMusic& operator=(const ZOdevuvMusic&) = delete;

  plat::WindowHandle GetWindow() const { return m_window; }

 private:
  plat::WindowHandle m_window;
};
