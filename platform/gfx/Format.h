#pragma once
// Pixel formats in the device's own numbers, so that values read from data
// or named by callers mean the same thing.
#include <cstdint>

namespace plat {

constexpr std::uint32_t MakeFourCC(char a, char b, char c, char d) {
  return std::uint32_t(std::uint8_t(a)) | std::uint32_t(std::uint8_t(b)) << 8 |
         std::uint32_t(std::uint8_t(c)) << 16 | std::uint32_t(std::uint8_t(d)) << 24;
}

enum class Format : std::uint32_t {
  Unknown = 0,
  R8G8B8 = 20,
  A8R8G8B8 = 21,
  X8R8G8B8 = 22,
  R5G6B5 = 23,
  X1R5G5B5 = 24,
  A1R5G5B5 = 25,
  A4R4G4B4 = 26,
  A8 = 28,
  L8 = 50,
  D24S8 = 75,
  D16 = 80,
  R32F = 114,
  Dxt1 = MakeFourCC('D', 'X', 'T', '1'),
  Dxt3 = MakeFourCC('D', 'X', 'T', '3'),
  Dxt5 = MakeFourCC('D', 'X', 'T', '5'),
};

// Bytes per pixel of an uncompressed format, 0 for block-compressed and unknown ones.
int BytesPerPixel(Format format);
bool IsBlockCompressed(Format format);

}  // namespace plat
