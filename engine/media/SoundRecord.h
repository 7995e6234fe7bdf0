#pragma once
// One sound registered under a name: its buffers (buffer 0 made from the
// file, the others duplicates sharing its data), the looping flag and the
// volume given to a buffer before it plays.
#include <cstdint>
#include <memory>
#include <vector>

#include "engine/core/EngineString.h"
#include "platform/audio/SoundBuffer.h"

class SoundRecord {
 public:
  static constexpr int32_t kMaxBuffers = 50;

  // The first buffer that is not playing, after giving every buffer up to it
  // the record's volume; null when all are playing.
  plat::SoundBuffer* FreeBuffer();
  // Stores the volume (hundredths of a decibel) and applies it to every buffer.
  void SetVolume(int32_t hundredthsDb);
  // Stops every buffer where it is.
  void Stop();

  EngineString name;
  int32_t count = kMaxBuffers;  // the buffers the loader makes: 1 or 50
  std::vector<std::unique_ptr<plat::SoundBuffer>> buffers;
  uint8_t looping = 0;
  int32_t volume = 0;
};
