#pragma once
// Screenshots: the device's back buffer as pixels, and as a PNG file.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/gfx/Device.h"

namespace plat {

// 0xAARRGGBB words, top row first, alpha 255. The live device reads what it
// drew; a headless device gives its back buffer's memory (where only clears
// and copies land). False when there is nothing to read.
bool CaptureBackBuffer(Device& device, int& width, int& height, std::vector<std::uint32_t>& argb);

// hostPath is a plain host path; false when capturing or writing fails.
bool SaveScreenshot(Device& device, const std::string& hostPath);

}  // namespace plat
