#pragma once
// JPEG files decoded with libjpeg-turbo, whose decoder is made to survive
// corrupt streams (the stb decoder of this Debian release reads out of
// bounds on some of them).
#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/gfx/Image.h"

namespace plat {

// One A8R8G8B8 level, alpha 255. Files with a picture larger than the image
// limits, with more scans than any encoder writes, or that libjpeg refuses
// fail with a message in error; a stream that merely ends early still gives
// its picture (the rest grey), as it does for every JPEG reader.
bool DecodeJpeg(const std::uint8_t* data, std::size_t size, Image& out, std::string& error);

}  // namespace plat
