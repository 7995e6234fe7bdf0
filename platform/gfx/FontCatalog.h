#pragma once
// Face names the game asks for ("Arial", "Malvern", anything) mapped to an
// installed font file.
#include <string>
#include <string_view>

namespace plat {

// The best installed file for the face, weight (400 regular, 700 bold) and
// slant, through fontconfig; falls back to any sans-serif font. Empty when no
// font is installed at all. Cached, thread-safe.
std::string FindFontFile(std::string_view face, int weight, bool italic);

}  // namespace plat
