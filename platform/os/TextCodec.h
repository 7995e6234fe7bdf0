#pragma once
// The game's text is single-byte Windows-1252.
#include <cstddef>
#include <string>
#include <string_view>

namespace plat {

std::string Cp1252ToUtf8(std::string_view text);
// Characters with no Windows-1252 form become '?'; invalid UTF-8 bytes too.
std::string Utf8ToCp1252(std::string_view text);
// UTF-16 code units (host order already applied) to Windows-1252; '?' for
// characters outside it. Surrogate pairs count as one character.
std::string Utf16ToCp1252(const char16_t* units, std::size_t count);

enum class Utf16Kind { NotUtf16, LittleEndian, BigEndian };
// The "is this text UTF-16" test: a byte-order mark (FF FE, FE FF), or the
// zero-byte pattern of mostly-ASCII UTF-16 text.
Utf16Kind DetectUtf16(const void* bytes, std::size_t size);

}  // namespace plat
