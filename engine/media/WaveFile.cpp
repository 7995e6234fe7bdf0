#include "engine/media/WaveFile.h"

bool WaveFile::Open(std::span<const uint8_t> image) {
  m_error.clear();
  return plat::ReadPcmWav(image, m_wav, m_error);
}

std::unique_ptr<plat::SoundBuffer> WaveFile::ReadIntoBuffer(plat::AudioDevice& device,
                                                            std::span<const uint8_t> image) {
  if (!Open(image)) return nullptr;
  auto buffer = device.CreateBuffer(m_wav.format.Pcm(), m_wav.data);
  if (!buffer) m_error = "the sound device refused the sound data";
  m_wav.data = {};
  return buffer;
}
