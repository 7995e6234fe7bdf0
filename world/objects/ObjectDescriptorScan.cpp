#include "world/objects/ObjectDescriptorScan.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "platform/os/Path.h"

namespace {

constexpr std::string_view kSuffix = "xml";

bool EndsWithSuffix(const std::string& name) {
  return name.size() >= kSuffix.size() && name.compare(name.size() - kSuffix.size(), kSuffix.size(), kSuffix) == 0;
}

void Scan(const std::string& folder, std::vector<std::string>& out) {
  std::error_code error;
  std::filesystem::directory_iterator entries(plat::ResolvePath(folder), error);
  if (error) return;
  std::vector<std::filesystem::directory_entry> sorted;
  for (const auto& entry : entries) sorted.push_back(entry);
  std::sort(sorted.begin(), sorted.end(),
            [](const auto& a, const auto& b) { return a.path().filename() < b.path().filename(); });
  for (const auto& entry : sorted) {
    const std::string name = entry.path().filename().string();
    const std::string path = folder + "\\" + name;
    // Links are not followed, so a loop of folders cannot make the scan endless.
    if (entry.is_directory(error) && !entry.is_symlink(error)) {
      Scan(path, out);
    } else if (EndsWithSuffix(name)) {
      out.push_back(path);
    }
  }
}

}  // namespace

std::vector<std::string> FindObjectDescriptorFiles(const std::string& folder) {
  std::vector<std::string> out;
  Scan(folder, out);
  return out;
}
