// Image decoding on arbitrary bytes. Files without a signature are taken as
// TGA, as a ".tga" name would make them.
#include <cstddef>
#include <cstdint>

#include "platform/gfx/Image.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  plat::Image image;
  std::string error;
  if (!plat::DecodeImage(data, size, image, error, "fuzz.tga")) return 0;
  std::vector<std::uint32_t> pixels;
  if (!plat::ToArgb(image, 0, pixels)) __builtin_trap();
  return 0;
}
