#include "engine/media/ZOdevuvVideo.h"

#include "engine/core/Globals.h"

ZOdevuvVideo::ZOdevuvVideo() { g_video = this; }

ZOdevuvVideo::~ZOdevuvVideo() {
  if (g_video == this) g_video = nullptr;
}
