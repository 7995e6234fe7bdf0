// Feeds arbitrary bytes to the ride path reader.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "park/objects/RidePathFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  ridepath::ParseRidePath(std::string_view(reinterpret_cast<const char*>(data), size));
  return 0;
}
