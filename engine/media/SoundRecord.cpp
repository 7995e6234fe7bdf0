#include "engine/media/SoundRecord.h"

plat::SoundBuffer* SoundRecord::FreeBuffer() {
  for (const auto& buffer : buffers) {
    buffer->SetVolume(volume);
    if (!buffer->IsPlaying()) return buffer.get();
  }
  return nullptr;
}

void SoundRecord::SetVolume(int32_t hundredthsDb) {
  volume = hundredthsDb;
  for (const auto& buffer : buffers) buffer->SetVolume(volume);
}

void SoundRecord::Stop() {
  for (const auto& buffer : buffers) buffer->Stop();
}
