#pragma once
// The live drawing backend: OpenGL 3.3 core (through libepoxy) in the game's
// SDL window, with the device's conventions kept: row-vector
// matrices, left-handed projections with depth 0..1, clockwise front faces,
// pixel centres on whole coordinates for screen-space vertices, and render
// targets (the back buffer too) that hold their top row first. Every GL call
// happens on the thread that draws (the window thread).
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/gfx/Device.h"

namespace plat {

// Registers the live backend with the device's factory hook. Devices created
// with a live window then draw with OpenGL.
void RegisterGlBackend();

// Null with a reason when the window is not a live one or the driver lacks
// OpenGL 3.3 or clip control.
std::unique_ptr<DeviceBackend> CreateGlBackend(const DeviceParams& params, std::string& error);

bool IsGlDevice(Device& device);

// The back buffer's pixels as 0xAARRGGBB words, top row first (alpha forced
// to 255: what the window shows). False for a device of another backend and
// when called from a thread that does not draw.
bool ReadGlBackBuffer(Device& device, int& width, int& height, std::vector<std::uint32_t>& argb);

}  // namespace plat
