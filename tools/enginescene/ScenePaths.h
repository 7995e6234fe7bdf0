#pragma once
// Folder names of the game paths the scene file gives.
#include <string>

// The part of a path before its last separator (either kind); empty when
// it has none.
inline std::string FolderOf(const std::string& file) {
  const std::size_t slash = file.find_last_of("\\/");
  return slash == std::string::npos ? std::string() : file.substr(0, slash);
}
