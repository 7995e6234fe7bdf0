#pragma once
// A structural check of a DirectX .X file, run before the file reaches the
// importer. The importer trusts counts and indices in the file and crashes on
// some broken files, so anything it could choke on is refused here with a
// readable reason: only the text format is read, every number is a number,
// lists hold exactly as many entries as they claim, indices stay inside the
// lists they point into, and braces balance.
#include <string>
#include <string_view>

namespace plat {

// True when bytes are a text .X file whose objects are complete and
// consistent. Otherwise false, and error (when given) says what is wrong and
// on which line.
bool CheckXFile(std::string_view bytes, std::string* error = nullptr);

}  // namespace plat
