#pragma once
// Writes PCM as a canonical 44-byte-header WAV image (tools and tests).
#include <cstdint>
#include <span>
#include <vector>

#include "platform/audio/AudioTypes.h"

namespace plat {

std::vector<std::uint8_t> WritePcmWav(const PcmFormat& format, std::span<const std::uint8_t> pcm);

}  // namespace plat
