#include "app/ShellOptions.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <string_view>

namespace {

bool PositiveNumber(const std::string& text, int& out) {
  if (text.empty()) return false;
  char* end = nullptr;
  errno = 0;
  const long value = std::strtol(text.c_str(), &end, 10);
  if (*end != '\0' || errno != 0 || value < 1 || value > INT_MAX) return false;
  out = int(value);
  return true;
}

// "N,M,..." into ascending frame numbers without repeats.
bool FrameList(const std::string& text, std::vector<int>& out) {
  size_t start = 0;
  while (start <= text.size()) {
    const size_t comma = std::min(text.find(',', start), text.size());
    int frame = 0;
    if (!PositiveNumber(text.substr(start, comma - start), frame)) return false;
    out.push_back(frame);
    start = comma + 1;
  }
  std::sort(out.begin(), out.end());
  out.erase(std::unique(out.begin(), out.end()), out.end());
  return true;
}

}  // namespace

const char* ShellUsage() {
  return "usage: halvenor [--headless] [--skip-intro] [--frames N] [--screenshot-at N,M,...] [--screenshot-dir DIR]"
         " [--help]\n"
         "  --headless              no window, no GPU, no sound device (also HALVENOR_HEADLESS=1)\n"
         "  --skip-intro            go from the loading screen to the game without the intro videos\n"
         "  --frames N              quit after N frames with exit code 0\n"
         "  --screenshot-at N,M,... save the back buffer as a PNG after those frames\n"
         "  --screenshot-dir DIR    the folder of the screenshots (default .)\n"
         "  --help                  print this and quit\n"
         "Run it in the park folder (the one that holds guifiles).\n";
}

bool ParseShellOptions(int argc, const char* const* argv, ShellOptions& out, std::string& error) {
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (arg == "--headless") {
      out.headless = true;
      continue;
    }
    if (arg == "--help") {
      out.help = true;
      continue;
    }
    if (arg == "--skip-intro") {
      out.skipIntro = true;
      continue;
    }
    if (arg != "--frames" && arg != "--screenshot-at" && arg != "--screenshot-dir") {
      error = "unknown option " + std::string(arg);
      return false;
    }
    if (i + 1 >= argc) {
      error = std::string(arg) + " needs a value";
      return false;
    }
    const std::string value = argv[++i];
    if (arg == "--frames" && !PositiveNumber(value, out.frames)) {
      error = "--frames needs a positive number, not \"" + value + "\"";
      return false;
    }
    if (arg == "--screenshot-at" && !FrameList(value, out.screenshotFrames)) {
      error = "--screenshot-at needs positive frame numbers separated by commas, not \"" + value + "\"";
      return false;
    }
    if (arg == "--screenshot-dir") out.screenshotDir = value;
  }
  return true;
}
