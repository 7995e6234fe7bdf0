#pragma once
// Our own reader and writer of DirectDraw Surface files (2D textures only).
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/gfx/Image.h"

namespace plat {

// Uncompressed 16/24/32-bit (chosen by the pixel-format masks), A8, L8,
// DXT1/3/5 and R32F, with their stored mip chain. 24-bit R8G8B8 files become
// A8R8G8B8 in memory (alpha 255). Cube maps and volumes are refused, as are
// truncated or inconsistent headers; error then says why.
bool DecodeDds(const std::uint8_t* data, std::size_t size, Image& out, std::string& error);

// Writes every format DecodeDds reads (R8G8B8 is written as 24-bit), with all
// levels of the image. False when the image is inconsistent.
bool EncodeDds(const Image& image, std::vector<std::uint8_t>& out);

}  // namespace plat
