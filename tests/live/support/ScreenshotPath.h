#pragma once
// Where the windowed tests write their screenshots: a folder inside the
// build folder (HALVENOR_SCREENSHOT_DIR, set by the build), never the
// checkout.
#include <filesystem>
#include <string>
#include <system_error>

namespace livetest {

// The path of the named screenshot; the folder is made when it is missing.
inline std::string ScreenshotPath(const std::string& name) {
  const std::filesystem::path folder(HALVENOR_SCREENSHOT_DIR);
  std::error_code ignored;
  std::filesystem::create_directories(folder, ignored);
  return (folder / name).string();
}

}  // namespace livetest
