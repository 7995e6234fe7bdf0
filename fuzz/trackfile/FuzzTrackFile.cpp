// Feeds arbitrary bytes to the track file reader.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "park/objects/TrackFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  trackfile::ParseTrackFile(std::string_view(reinterpret_cast<const char*>(data), size));
  return 0;
}
