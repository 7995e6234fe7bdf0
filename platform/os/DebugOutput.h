#pragma once
// The debugger-output channel ("LoadHeightMap\n", "NO CREATE TEXTURE: ...").
// Texts go to the installed sink; they are also printed to stderr when the
// environment variable HALVENOR_DEBUG_OUTPUT is set (to anything but "0").
#include <functional>
#include <string_view>

namespace plat {

void OutputDebugString(std::string_view text);

// Installs a sink (tests capture with it); an empty function removes it.
void SetDebugOutputSink(std::function<void(std::string_view)> sink);

}  // namespace plat
