#pragma once
// Our RIFF/WAVE reader. Every chunk size is checked against what is left of
// the file, so a broken or lying file gives an error, never an over-read.
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "platform/audio/AudioTypes.h"

namespace plat {

constexpr std::uint16_t kWavFormatPcm = 1;

// The "fmt " chunk as the file gives it.
struct WavFormat {
  std::uint16_t formatTag = 0;
  std::uint16_t channels = 0;
  std::uint32_t samplesPerSec = 0;
  std::uint32_t avgBytesPerSec = 0;
  std::uint16_t blockAlign = 0;
  std::uint16_t bitsPerSample = 0;
  // The extra format bytes that follow the size field of a non-PCM format;
  // PCM has none.
  std::vector<std::uint8_t> extra;

  PcmFormat Pcm() const { return PcmFormat{channels, samplesPerSec, bitsPerSample}; }
};

struct WavFile {
  WavFormat format;
  std::span<const std::uint8_t> data;  // the "data" chunk, inside the image given
};

// Reads the structure: "RIFF" of form "WAVE", the first "fmt " chunk (at least
// 16 bytes) and the first "data" chunk; unknown chunks are skipped, odd-sized
// chunks are followed by a pad byte. False with a message in `error` when the
// file is broken.
bool ParseWav(std::span<const std::uint8_t> image, WavFile& out, std::string& error);

// ParseWav, then refuses what cannot be played: any format but PCM, other than
// 1 or 2 channels or 8 or 16 bits, an odd rate or block size, no whole frame.
bool ReadPcmWav(std::span<const std::uint8_t> image, WavFile& out, std::string& error);

}  // namespace plat
