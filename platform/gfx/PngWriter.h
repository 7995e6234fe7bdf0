#pragma once
// PNG output for screenshots and tools.
#include <cstdint>
#include <string>
#include <vector>

namespace plat {

// 8-bit RGBA PNG of width*height 0xAARRGGBB pixels, rows top to bottom.
bool EncodePng(int width, int height, const std::uint32_t* argb, std::vector<std::uint8_t>& out);
// hostPath is a plain host path (no game-path resolving); written whole or not at all.
bool WritePngFile(const std::string& hostPath, int width, int height, const std::uint32_t* argb);

}  // namespace plat
