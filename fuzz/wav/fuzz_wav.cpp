// The WAV reader on arbitrary bytes; what it accepts must also make a
// headless buffer without reading outside the image.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "platform/audio/AudioDevice.h"
#include "platform/audio/WavReader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::span<const std::uint8_t> image(data, size);
  plat::WavFile wav;
  std::string error;
  if (!plat::ParseWav(image, wav, error)) return 0;
  volatile std::uint32_t sum = 0;
  for (std::uint8_t b : wav.format.extra) sum = sum + b;
  if (!plat::ReadPcmWav(image, wav, error)) return 0;
  static auto device = plat::OpenHeadlessAudioDevice();
  auto buffer = device->CreateBuffer(wav.format.Pcm(), wav.data);
  if (buffer == nullptr) __builtin_trap();  // a file the reader accepts must play
  buffer->Play(false);
  return 0;
}
