// engine_scene run as the player would start it, in the demo park folder:
// headless, where its report (counted from the device's record and the sound
// output) must show every part drawn or heard, and in a window, where its
// screenshots must show the park.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include <unistd.h>

#include "platform/gfx/Image.h"
#include "tests/e2e/ProgramRun.h"

namespace {

namespace fs = std::filesystem;

constexpr int kFrames = 150;
constexpr int kNoDisplay = 77;

using SceneRun = e2e::ProgramRun;
using e2e::Quoted;

// Runs the scene in the park folder with the environment given.
SceneRun RunScene(const std::string& environment, const std::string& arguments) {
  return e2e::RunInPark(e2e::ProgramCommand(environment, ENGINE_SCENE_PATH, arguments));
}

struct PartLine {
  std::string verb;
  int frames = 0;
  std::string skipped;
};

// "part <name> <verb> <n> frames <m> times" or "part <name> skipped: <reason>";
// names may have blanks, so the line is read from its end.
std::map<std::string, PartLine> ReadReport(const std::string& output) {
  std::map<std::string, PartLine> parts;
  std::istringstream lines(output);
  for (std::string line; std::getline(lines, line);) {
    if (line.rfind("part ", 0) != 0) continue;
    const std::string rest = line.substr(5);
    if (const std::size_t skipped = rest.find(" skipped: "); skipped != std::string::npos) {
      parts[rest.substr(0, skipped)].skipped = rest.substr(skipped + 10);
      continue;
    }
    std::vector<std::string> words;
    std::istringstream in(rest);
    for (std::string word; in >> word;) words.push_back(word);
    if (words.size() < 6) continue;
    std::string name = words[0];
    for (std::size_t i = 1; i + 5 < words.size(); ++i) name += " " + words[i];
    PartLine& part = parts[name];
    part.verb = words[words.size() - 5];
    part.frames = std::atoi(words[words.size() - 4].c_str());
  }
  return parts;
}

struct ExpectedPart {
  const char* name;
  const char* verb;
};

// Everything the engine shows and plays in the scene.
constexpr ExpectedPart kParts[] = {
    {"scene file", "read"}, {"effects", "loaded"}, {"video", "drawn"},   {"music", "heard"},
    {"click", "heard"},     {"sky", "drawn"},      {"ground", "drawn"},  {"buildings", "drawn"},
    {"trees", "drawn"},     {"flags", "drawn"},    {"walkers", "drawn"}, {"bird", "drawn"},
    {"firework", "drawn"},  {"fountain", "drawn"}, {"log", "written"},
};

void ExpectEveryPart(const std::map<std::string, PartLine>& parts) {
  for (const ExpectedPart& expected : kParts) {
    SCOPED_TRACE(expected.name);
    const auto it = parts.find(expected.name);
    ASSERT_NE(it, parts.end());
    EXPECT_EQ(it->second.skipped, "");
    EXPECT_EQ(it->second.verb, expected.verb);
    EXPECT_GT(it->second.frames, 0);
  }
}

TEST(HeadlessScene, DrawsAndPlaysEveryPartAndLeavesTheLog) {
  fs::remove(fs::path(HALVENOR_PARK_DIR) / "log.txt");
  const SceneRun run = RunScene("HALVENOR_HEADLESS=1", "--headless --frames " + std::to_string(kFrames));
  ASSERT_EQ(run.exitCode, 0) << run.output;
  SCOPED_TRACE(run.output);
  const auto parts = ReadReport(run.output);
  ExpectEveryPart(parts);
  // The intro ends by itself, and from then on every frame shows the whole park.
  ASSERT_TRUE(parts.count("video end"));
  EXPECT_EQ(parts.at("video end").verb, "finished");
  const int sceneFrames = parts.at("ground").frames;
  EXPECT_LE(parts.at("video").frames + sceneFrames, kFrames);
  EXPECT_GE(sceneFrames, kFrames / 3);
  for (const char* part : {"sky", "walkers", "bird", "fountain", "music"}) {
    EXPECT_EQ(parts.at(part).frames, sceneFrames) << part;
  }
  EXPECT_TRUE(fs::exists(fs::path(HALVENOR_PARK_DIR) / "log.txt"));
  EXPECT_EQ(run.output.find("Error"), std::string::npos) << run.output;
}

TEST(HeadlessScene, BadCommandLinesAndMissingSceneFilesEndWithAMessage) {
  struct Case {
    const char* arguments;
    int exitCode;
    const char* message;
  };
  const Case cases[] = {{"--headless --frames 0", 2, "--frames needs a positive number"},
                        {"--headless --colour", 2, "unknown argument --colour"},
                        {"--headless --scene no/such/scene.xml", 1, "cannot read no/such/scene.xml"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.arguments);
    const SceneRun run = RunScene("HALVENOR_HEADLESS=1", c.arguments);
    EXPECT_EQ(run.exitCode, c.exitCode);
    EXPECT_NE(run.output.find(c.message), std::string::npos) << run.output;
    EXPECT_EQ(run.output.find("part "), std::string::npos);
  }
}

struct Shot {
  int width = 0, height = 0;
  std::vector<std::uint32_t> argb;
};

bool LoadShot(const fs::path& file, Shot& out) {
  std::ifstream in(file, std::ios::binary);
  const std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  plat::Image image;
  std::string error;
  if (!plat::DecodeImage(bytes.data(), bytes.size(), image, error) || !plat::ToArgb(image, 0, out.argb)) return false;
  out.width = image.width;
  out.height = image.height;
  return true;
}

// Shares of the picture: black, grass green, brick or roof red, the dark
// blue of the figures' clothes, and how many colours it has at all.
struct Look {
  double black = 0, green = 0, red = 0, clothes = 0;
  std::size_t colours = 0;
};

Look LookAt(const Shot& shot) {
  Look look;
  std::map<std::uint32_t, int> colours;
  for (std::uint32_t p : shot.argb) {
    const int r = int(p >> 16 & 0xFF), g = int(p >> 8 & 0xFF), b = int(p & 0xFF);
    colours[p & 0xFFFFFF]++;
    if (r + g + b < 30) look.black += 1;
    if (g > r + 40 && g > b + 40) look.green += 1;
    if (r > g + 50 && r > b + 50) look.red += 1;
    if (b > r + 50 && b > g + 30 && r < 80) look.clothes += 1;
  }
  const double n = double(shot.argb.size());
  look.black /= n;
  look.green /= n;
  look.red /= n;
  look.clothes /= n;
  look.colours = colours.size();
  return look;
}

TEST(WindowedScene, ScreenshotsShowTheGroundBuildingsAndWalkers) {
  const char* display = std::getenv("DISPLAY");
  if (!display || !*display) GTEST_SKIP() << "no display for the windowed scene";
  const fs::path shots = fs::temp_directory_path() / ("engine-scene-shots-" + std::to_string(::getpid()));
  fs::remove_all(shots);
  fs::create_directories(shots);
  const SceneRun run = RunScene("-u HALVENOR_HEADLESS LIBGL_ALWAYS_SOFTWARE=1",
                           "--frames " + std::to_string(kFrames) + " --screenshots " + Quoted(shots.string()));
  if (run.exitCode == kNoDisplay) GTEST_SKIP() << "no display: " << run.output;
  ASSERT_EQ(run.exitCode, 0) << run.output;
  SCOPED_TRACE(run.output);
  ExpectEveryPart(ReadReport(run.output));

  int files = 0;
  double mostRed = 0;
  double mostClothes = 0;
  for (const auto& entry : fs::directory_iterator(shots)) {
    SCOPED_TRACE(entry.path().string());
    Shot shot;
    ASSERT_TRUE(LoadShot(entry.path(), shot));
    EXPECT_EQ(shot.width, 800);
    EXPECT_EQ(shot.height, 600);
    const Look look = LookAt(shot);
    EXPECT_GT(look.colours, 50u);
    EXPECT_LT(look.black, 0.5);
    EXPECT_GT(look.green, 0.15);  // the ground
    mostRed = std::max(mostRed, look.red);
    mostClothes = std::max(mostClothes, look.clothes);
    std::printf("%s: green %.3f red %.4f clothes %.5f black %.3f\n", entry.path().filename().c_str(), look.green,
                look.red, look.clothes, look.black);
    ++files;
  }
  EXPECT_EQ(files, 3);
  EXPECT_GT(mostRed, 0.01);         // the buildings' bricks and roofs
  EXPECT_GT(mostClothes, 0.0004);  // the walkers, a few hundred pixels
  std::printf("screenshots in %s\n", shots.string().c_str());
}

}  // namespace
