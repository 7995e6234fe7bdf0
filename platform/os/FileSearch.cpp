#include "platform/os/FileSearch.h"

#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>

#include "platform/os/AsciiText.h"
#include "platform/os/Path.h"

namespace plat {

namespace {

// '*' matches any run of characters, '?' exactly one, both without regard to
// case. Iterative with one back-track point, so no pattern can make it slow.
bool MatchWildcard(std::string_view pattern, std::string_view name) {
  std::size_t p = 0, n = 0;
  std::size_t starP = std::string_view::npos, starN = 0;
  while (n < name.size()) {
    if (p < pattern.size() && (pattern[p] == '?' || LowerAscii(pattern[p]) == LowerAscii(name[n]))) {
      ++p;
      ++n;
    } else if (p < pattern.size() && pattern[p] == '*') {
      starP = p++;
      starN = n;
    } else if (starP != std::string_view::npos) {
      p = starP + 1;
      n = ++starN;
    } else {
      return false;
    }
  }
  while (p < pattern.size() && pattern[p] == '*') ++p;
  return p == pattern.size();
}

// As the game's patterns expect, one ending in ".*" also takes names
// without an extension, so "*.*" lists every entry.
bool MatchesPattern(std::string_view pattern, std::string_view name) {
  if (MatchWildcard(pattern, name)) return true;
  return pattern.size() >= 2 && pattern.substr(pattern.size() - 2) == ".*" &&
         name.find('.') == std::string_view::npos && MatchWildcard(pattern.substr(0, pattern.size() - 2), name);
}

bool IsDirectory(const std::string& path) {
  struct stat info;
  return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

}  // namespace

std::vector<FoundFile> FindFiles(std::string_view pattern) {
  pattern = pattern.substr(0, pattern.find('\0'));
  const std::size_t split = pattern.find_last_of("\\/");
  // The folder keeps its leading separator ("\" is the working directory, "/" the root).
  const std::string_view folderPart = split == std::string_view::npos ? std::string_view()
                                      : split == 0                    ? pattern.substr(0, 1)
                                                                      : pattern.substr(0, split);
  const std::string_view namePattern =
      DropTrailingBlanks(split == std::string_view::npos ? pattern : pattern.substr(split + 1));
  std::vector<FoundFile> found;
  if (namePattern.empty()) return found;

  const std::string folder = ResolvePath(folderPart);
  DIR* dir = opendir(folder.c_str());
  if (!dir) return found;
  while (const dirent* entry = readdir(dir)) {
    const std::string_view name(entry->d_name);
    if (!MatchesPattern(namePattern, name)) continue;
    // Links are followed: a link to a folder is listed as a folder.
    found.push_back({std::string(name), IsDirectory(folder + "/" + entry->d_name)});
  }
  closedir(dir);
  std::sort(found.begin(), found.end(), [](const FoundFile& a, const FoundFile& b) { return a.name < b.name; });
  return found;
}

}  // namespace plat
