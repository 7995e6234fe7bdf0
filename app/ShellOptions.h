#pragma once
// The command line of halvenor, for players and for tests that drive it:
//   --headless              no window, no GPU, no sound device (also
//                           HALVENOR_HEADLESS=1)
//   --skip-intro            no intro videos before the loading screen
//   --frames N              quit after N frames with exit code 0
//   --screenshot-at N,M,... save the back buffer as a PNG after those frames
//   --screenshot-dir DIR    the folder of the screenshots (default ".")
//   --help                  print this and quit
#include <string>
#include <vector>

struct ShellOptions {
  bool headless = false;
  bool help = false;
  bool skipIntro = false;
  int frames = 0;  // 0: run until the player quits
  std::vector<int> screenshotFrames;  // ascending, no repeats
  std::string screenshotDir = ".";
};

// The usage text that --help prints.
const char* ShellUsage();

// False with the reason for an unknown option, a missing value or a number
// that is not a positive integer.
bool ParseShellOptions(int argc, const char* const* argv, ShellOptions& out, std::string& error);
