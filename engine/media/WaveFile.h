#pragma once
// Reads a WAV file's image into a static sound buffer. The image is checked
// chunk by chunk; a broken file or one that is not PCM gives an error text.
#include <cstdint>
#include <memory>
#include <span>
#include <string>

#include "platform/audio/AudioDevice.h"
#include "platform/audio/WavReader.h"

class WaveFile {
 public:
  // Reads the "RIFF"/"WAVE" header, the "fmt " and the "data" chunk of the
  // image; false when the file is broken or cannot be played.
  bool Open(std::span<const uint8_t> image);
  // A buffer of `device` filled with the image's "data" chunk; null on failure.
  std::unique_ptr<plat::SoundBuffer> ReadIntoBuffer(plat::AudioDevice& device, std::span<const uint8_t> image);

  // The format read by the last Open.
  const plat::WavFormat& Format() const { return m_wav.format; }
  // Why the last Open or ReadIntoBuffer failed.
  const std::string& Error() const { return m_error; }

 private:
  plat::WavFile m_wav;  // its data points into the image given to Open
  std::string m_error;
};
