#include "engine/media/ZOdevuvMusic.h"

#include "engine/core/Globals.h"

ZOdevuvMusic::ZOdevuvMusic(plat::WindowHandle window) : m_window(window) { g_music = this; }

ZOdevuvMusic::~ZOdevuvMusic() {
  if (g_music == this) g_music = nullptr;
}
