#pragma once
// The settings file ("\guifiles\Options.ini") in the profile-string format:
// [SECTION] lines and key=value lines. Sections and keys match without regard
// to case; values are trimmed of blanks and tabs.
#include <cstddef>
#include <string_view>

namespace plat {

// Copies the value (or the default on any miss: file, section or key) into
// buf, cut to size-1 characters and NUL-terminated; returns the number of
// characters copied, without the NUL. A size of 0 copies nothing and returns 0.
std::size_t GetProfileString(std::string_view section, std::string_view key,
                             std::string_view defaultValue, char* buf,
                             std::size_t size, std::string_view file);

// The value read as a decimal integer (leading digits, optional sign), or the
// default on a miss or when no digits lead.
int GetProfileInt(std::string_view section, std::string_view key,
                  int defaultValue, std::string_view file);

// Sets key=value in the section, creating the file and the section when
// missing. The file is written to a temporary file beside it and renamed over
// it, so a crash never leaves half a settings file. Returns false when it
// cannot be written.
bool WriteProfileString(std::string_view section, std::string_view key,
                        std::string_view value, std::string_view file);

}  // namespace plat
