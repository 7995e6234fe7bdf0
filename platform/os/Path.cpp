#include "platform/os/Path.h"

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <mutex>
#include <optional>
#include <unordered_map>
#include <vector>

#include "platform/os/AsciiText.h"

namespace plat {

namespace {

// The game resolves a bounded set of names; the cap only guards against a
// caller that builds endless distinct paths.
constexpr std::size_t kMaxCachedPaths = 8192;

std::mutex g_cacheMutex;
std::unordered_map<std::string, std::string> g_cache;  // mapped path -> resolved path

bool IsSeparator(char c) { return c == '\\' || c == '/'; }

// The name is present in its folder (a dangling link counts: opening it then
// fails in the ordinary way).
bool NamePresent(const std::string& path) {
  struct stat info;
  return lstat(path.c_str(), &info) == 0;
}

std::string Join(const std::string& folder, std::string_view name) {
  std::string out = folder;
  if (out.empty() || out.back() != '/') out += '/';
  out += name;
  return out;
}

// A case-insensitive match of name among the folder's entries; the smallest
// name wins when several differ only by case, so that the choice is stable.
std::optional<std::string> FindNoCase(const std::string& folder, std::string_view name) {
  DIR* dir = opendir(folder.c_str());
  if (!dir) return std::nullopt;
  std::optional<std::string> best;
  while (const dirent* entry = readdir(dir)) {
    const std::string_view candidate(entry->d_name);
    if (EqualsNoCase(candidate, name) && (!best || candidate < *best)) best = std::string(candidate);
  }
  closedir(dir);
  return best;
}

struct MappedPath {
  std::string base;                          // absolute folder the components start from
  std::vector<std::string_view> components;  // blanks dropped, empty ones skipped
  std::string joined;                        // base and components, separators converted
};

MappedPath Map(std::string_view gamePath) {
  // Game paths are C strings: anything after a NUL was never part of them.
  gamePath = gamePath.substr(0, gamePath.find('\0'));
  MappedPath mapped;
  if (!gamePath.empty() && gamePath.front() == '/') {
    mapped.base = "/";
  } else {
    mapped.base = CurrentDirectory();
  }
  std::size_t start = 0;
  while (start <= gamePath.size()) {
    std::size_t end = start;
    while (end < gamePath.size() && !IsSeparator(gamePath[end])) ++end;
    const std::string_view component = DropTrailingBlanks(gamePath.substr(start, end - start));
    if (!component.empty()) mapped.components.push_back(component);
    start = end + 1;
  }
  mapped.joined = mapped.base;
  for (std::string_view component : mapped.components) mapped.joined = Join(mapped.joined, component);
  return mapped;
}

struct Resolution {
  std::string path;  // the existing path, or its existing part and the rest as mapped
  bool hit;
};

// Walks the components, each by its exact name or else by a case-insensitive
// match. From the first component that is missing on, the rest is kept as
// mapped, so that a file written there is created in the resolved folder.
Resolution Resolve(const MappedPath& mapped) {
  Resolution result{mapped.base, true};
  for (std::string_view component : mapped.components) {
    std::string exact = Join(result.path, component);
    if (!result.hit || NamePresent(exact)) {
      result.path = std::move(exact);
      continue;
    }
    if (const std::optional<std::string> match = FindNoCase(result.path, component)) {
      result.path = Join(result.path, *match);
    } else {
      result.path = std::move(exact);
      result.hit = false;
    }
  }
  return result;
}

std::optional<std::string> CachedHit(const std::string& key) {
  std::string resolved;
  {
    std::lock_guard<std::mutex> lock(g_cacheMutex);
    const auto it = g_cache.find(key);
    if (it == g_cache.end()) return std::nullopt;
    resolved = it->second;
  }
  if (NamePresent(resolved)) return resolved;
  // The file went away (or was renamed); a later look-up must search again.
  std::lock_guard<std::mutex> lock(g_cacheMutex);
  const auto it = g_cache.find(key);
  if (it != g_cache.end() && it->second == resolved) g_cache.erase(it);
  return std::nullopt;
}

void RememberHit(const std::string& key, const std::string& resolved) {
  std::lock_guard<std::mutex> lock(g_cacheMutex);
  if (g_cache.size() >= kMaxCachedPaths) g_cache.clear();
  g_cache[key] = resolved;
}

}  // namespace

std::string ResolvePath(std::string_view gamePath) {
  const MappedPath mapped = Map(gamePath);
  if (std::optional<std::string> hit = CachedHit(mapped.joined)) return *hit;
  const Resolution resolved = Resolve(mapped);
  // Misses are not remembered: the file may be created later (saved games).
  if (resolved.hit) RememberHit(mapped.joined, resolved.path);
  return resolved.path;
}

std::FILE* OpenFile(std::string_view gamePath, const char* mode) {
  return std::fopen(ResolvePath(gamePath).c_str(), mode);
}

bool FileExists(std::string_view gamePath) {
  struct stat info;
  return stat(ResolvePath(gamePath).c_str(), &info) == 0;
}

bool ReadWholeFile(std::string_view gamePath, std::string& out) {
  out.clear();
  std::FILE* file = OpenFile(gamePath, "rb");
  if (!file) return false;
  char chunk[65536];
  std::size_t got = 0;
  while ((got = std::fread(chunk, 1, sizeof chunk, file)) > 0) out.append(chunk, got);
  // A folder opens but cannot be read; that, like any read error, is a failure.
  const bool ok = !std::ferror(file);
  std::fclose(file);
  if (!ok) out.clear();
  return ok;
}

std::string CurrentDirectory() {
  std::vector<char> buffer(4096);
  while (getcwd(buffer.data(), buffer.size()) == nullptr) {
    if (errno != ERANGE) return ".";
    buffer.resize(buffer.size() * 2);
  }
  std::string cwd(buffer.data());
  while (cwd.size() > 1 && cwd.back() == '/') cwd.pop_back();
  return cwd;
}

void ClearPathCache() {
  std::lock_guard<std::mutex> lock(g_cacheMutex);
  g_cache.clear();
}

}  // namespace plat
