#pragma once
// A scratch folder for tests that need real files; removed again afterwards.
// While one exists the process works inside it, as the game works inside its
// installation folder.
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "platform/os/Path.h"

namespace plat::test {

class TempTree {
 public:
  TempTree() {
    std::string pattern = (std::filesystem::temp_directory_path() / "halvenor-os-XXXXXX").string();
    // Canonical, so that it compares equal to the working directory.
    root_ = mkdtemp(pattern.data()) ? std::filesystem::canonical(pattern).string() : std::string();
    previous_ = std::filesystem::current_path();
    std::filesystem::current_path(root_);
    ClearPathCache();
  }
  ~TempTree() {
    std::filesystem::current_path(previous_);
    std::error_code ignored;
    std::filesystem::remove_all(root_, ignored);
    ClearPathCache();
  }
  TempTree(const TempTree&) = delete;
  TempTree& operator=(const TempTree&) = delete;

  const std::string& Root() const { return root_; }
  std::string Host(const std::string& relative) const { return root_ + "/" + relative; }

  // Creates the file (and its folders) with the given bytes.
  void Write(const std::string& relative, const std::string& bytes = "") const {
    const std::filesystem::path path = Host(relative);
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
  }
  void MakeFolder(const std::string& relative) const { std::filesystem::create_directories(Host(relative)); }

  std::string Read(const std::string& relative) const {
    std::ifstream in(Host(relative), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }

 private:
  std::string root_;
  std::filesystem::path previous_;
};

}  // namespace plat::test
