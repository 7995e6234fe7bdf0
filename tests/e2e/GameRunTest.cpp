// halvenor run as the player starts it, in the demo park folder: headless for
// a fixed number of frames, with bad command lines, and in a window, whose
// size comes from the park's settings file (1024 by 768) and whose title is
// the game's.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <unistd.h>

#include "platform/gfx/Image.h"
#include "tests/e2e/ProgramRun.h"

namespace {

namespace fs = std::filesystem;

constexpr int kUsageError = 2;

using e2e::ProgramRun;
using e2e::Quoted;
using e2e::RunInPark;

std::string Game(const std::string& environment, const std::string& arguments) {
  return e2e::ProgramCommand(environment, HALVENOR_PATH, arguments);
}

bool PictureSize(const fs::path& file, int& width, int& height) {
  std::ifstream in(file, std::ios::binary);
  const std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  plat::Image image;
  std::string error;
  if (!plat::DecodeImage(bytes.data(), bytes.size(), image, error)) return false;
  width = image.width;
  height = image.height;
  return true;
}

bool HasDisplay() {
  const char* display = std::getenv("DISPLAY");
  return display && *display;
}

}  // namespace

TEST(HeadlessGame, RunsThreeHundredFramesAndEndsWithExitCodeZero) {
  const ProgramRun run = RunInPark(Game("HALVENOR_HEADLESS=1", "--headless --frames 300"));
  EXPECT_EQ(run.exitCode, 0) << run.output;
}

TEST(HeadlessGame, ABadCommandLineIsExplainedAndEndsWithExitCodeTwo) {
  struct Case {
    const char* arguments;
    const char* message;
  };
  const Case cases[] = {
      {"--frame 10", "unknown option --frame"},
      {"--frames ten", "--frames needs a positive number"},
      {"--frames", "--frames needs a value"},
      {"--screenshot-at 5,x", "--screenshot-at needs positive frame numbers"},
  };
  for (const Case& c : cases) {
    const ProgramRun run = RunInPark(Game("HALVENOR_HEADLESS=1", c.arguments));
    EXPECT_EQ(run.exitCode, kUsageError) << c.arguments;
    EXPECT_NE(run.output.find(c.message), std::string::npos) << run.output;
    EXPECT_NE(run.output.find("usage: halvenor"), std::string::npos) << run.output;
  }
  const ProgramRun help = RunInPark(Game("HALVENOR_HEADLESS=1", "--help"));
  EXPECT_EQ(help.exitCode, 0);
  EXPECT_NE(help.output.find("--screenshot-at"), std::string::npos) << help.output;
}

TEST(WindowedGame, OpensAWindowOfTheSettingsSizeWithTheGamesTitle) {
  if (!HasDisplay()) GTEST_SKIP() << "no display for the windowed game";
  const fs::path shots = fs::temp_directory_path() / ("halvenor-shots-" + std::to_string(::getpid()));
  fs::remove_all(shots);
  // While it runs, the window is looked up by its title.
  const std::string game = Game("-u HALVENOR_HEADLESS LIBGL_ALWAYS_SOFTWARE=1",
                                "--frames 400 --screenshot-at 60 --screenshot-dir " + Quoted(shots.string()));
  // The window opens at its first size and takes the settings' size right
  // after: the size shown is the last one seen, once it is the settings' one
  // or the game has ended.
  const ProgramRun run = RunInPark("{ " + game +
                                " & pid=$!; size=; while kill -0 $pid 2>/dev/null; do"
                                " size=$(xwininfo -name 'Halvenor porvik' 2>/dev/null | grep -E 'Width|Height');"
                                " echo \"$size\" | grep -q 'Width: 1024' && break;"
                                " sleep 0.05; done; echo \"$size\"; wait $pid; }");
  ASSERT_EQ(run.exitCode, 0) << run.output;
  if (system("command -v xwininfo >/dev/null 2>&1") == 0) {
    EXPECT_NE(run.output.find("Width: 1024"), std::string::npos) << run.output;
    EXPECT_NE(run.output.find("Height: 768"), std::string::npos) << run.output;
  }
  int width = 0, height = 0;
  ASSERT_TRUE(PictureSize(shots / "frame_0060.png", width, height)) << run.output;
  EXPECT_EQ(width, 1024);
  EXPECT_EQ(height, 768);
  fs::remove_all(shots);
}
