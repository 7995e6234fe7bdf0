#pragma once
// The command line of engine_scene:
//   --headless        no window, no GPU, no sound device (also HALVENOR_HEADLESS=1)
//   --frames N        end after N frames (intro frames included)
//   --screenshots DIR save the back buffer as PNG files at a few frames
//   --scene FILE      the scene file (game path, from the working directory)
#include <string>

struct SceneOptions {
  bool headless = false;
  int frames = 300;
  std::string screenshotDir;
  std::string sceneFile = "enginescene\\scene.xml";
};

// False with the reason for an unknown switch, a missing value or a frame
// count that is not a positive number.
bool ParseSceneOptions(int argc, const char* const* argv, SceneOptions& out, std::string& error);
