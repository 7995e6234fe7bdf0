// DDS reader on arbitrary bytes; what it accepts must also convert and write back.
#include <cstddef>
#include <cstdint>

#include "platform/gfx/DdsCodec.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  plat::Image image;
  std::string error;
  if (!plat::DecodeDds(data, size, image, error)) return 0;
  std::vector<std::uint32_t> pixels;
  for (std::size_t level = 0; level < image.levels.size(); ++level) {
    if (!plat::ToArgb(image, int(level), pixels)) __builtin_trap();
  }
  std::vector<std::uint8_t> out;
  if (!plat::EncodeDds(image, out)) __builtin_trap();
  return 0;
}
