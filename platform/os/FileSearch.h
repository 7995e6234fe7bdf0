#pragma once
// Enumerates a folder the way a FindFirstFile/FindNextFile loop would: the
// pattern is a game path whose last component may hold '*' and '?' wildcards
// ("\Scenes\Saved\*.pys"), matched without regard to case.
#include <string>
#include <string_view>
#include <vector>

namespace plat {

struct FoundFile {
  std::string name;  // the entry's own name, no folder
  bool isDirectory;
};

// Entries sorted by name (the host gives no order of its own); "." and ".."
// are included for folders matched by the pattern, as the game expects.
std::vector<FoundFile> FindFiles(std::string_view pattern);

}  // namespace plat
