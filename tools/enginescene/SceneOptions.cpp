#include "tools/enginescene/SceneOptions.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>

namespace {

bool PositiveNumber(const char* text, int& out) {
  char* end = nullptr;
  errno = 0;
  const long value = std::strtol(text, &end, 10);
  if (end == text || *end != '\0' || errno != 0 || value < 1 || value > INT_MAX) return false;
  out = int(value);
  return true;
}

}  // namespace

bool ParseSceneOptions(int argc, const char* const* argv, SceneOptions& out, std::string& error) {
  for (int i = 1; i < argc; ++i) {
    const char* arg = argv[i];
    const bool takesValue =
        !std::strcmp(arg, "--frames") || !std::strcmp(arg, "--screenshots") || !std::strcmp(arg, "--scene");
    if (!std::strcmp(arg, "--headless")) {
      out.headless = true;
      continue;
    }
    if (!takesValue) {
      error = std::string("unknown argument ") + arg;
      return false;
    }
    if (i + 1 >= argc) {
      error = std::string(arg) + " needs a value";
      return false;
    }
    const char* value = argv[++i];
    if (!std::strcmp(arg, "--frames")) {
      if (!PositiveNumber(value, out.frames)) {
        error = std::string("--frames needs a positive number, not ") + value;
        return false;
      }
    } else if (!std::strcmp(arg, "--screenshots")) {
      out.screenshotDir = value;
    } else {
      out.sceneFile = value;
    }
  }
  return true;
}
