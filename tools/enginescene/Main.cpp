// engine_scene: the engine's scene in a window (or headless), run in the
// demo park folder. Prints one line per part of the scene at the end; exits
// with 77 when a window was asked for and no display can show one.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "engine/core/Globals.h"
#include "engine/media/ZOdevuvMusic.h"
#include "engine/render/ZOdevuvDevice.h"
#include "platform/gfx/Screenshot.h"
#include "platform/gfx/gl/GlBackend.h"
#include "platform/gfx/gl/leaks/DisplayLeaks.h"
#include "platform/os/Path.h"
#include "platform/os/Window.h"
#include "tools/enginescene/EngineScene.h"
#include "tools/enginescene/SceneOptions.h"
#include "tools/enginescene/SceneReport.h"

namespace {

constexpr int kExitNoDisplay = 77;
constexpr int kWidth = 800;
constexpr int kHeight = 600;
constexpr unsigned kMusicNotification = 0x8001;
constexpr int kScreenshots = 3;

std::intptr_t SceneWindowProcedure(plat::WindowHandle, unsigned message, std::uintptr_t, std::intptr_t) {
  if (message == kMusicNotification && g_music) g_music->HandleGraphEvents();
  return 0;
}

// False once the quit message has come.
bool PumpMessages() {
  plat::Message message;
  while (plat::PeekMessage(message)) {
    if (message.message == plat::kWmQuit || message.message == plat::kWmDestroy) return false;
    plat::DispatchMessage(message);
  }
  return true;
}

// Shots spread over the run, the last at its final frame.
std::vector<int> ScreenshotFrames(int frames) {
  std::vector<int> out;
  for (int i = 1; i <= kScreenshots; ++i) out.push_back(frames * i / kScreenshots - 1);
  return out;
}

void SaveScreenshot(const std::string& folder, int frame, SceneReport& report) {
  char name[32];
  std::snprintf(name, sizeof name, "/frame_%04d.png", frame);
  plat::Device* device = EngineDevice();
  const bool saved = device && plat::SaveScreenshot(*device, folder + name);
  if (!saved) std::fprintf(stderr, "engine_scene: cannot save %s%s\n", folder.c_str(), name);
  report.Note("screenshots", "saved", saved ? 1 : 0);
}

void RunFrames(EngineScene& scene, const SceneOptions& options, SceneReport& report) {
  const std::vector<int> shots = ScreenshotFrames(options.frames);
  std::size_t nextShot = 0;
  // Frames keep the pace of the time they are given, so that the video
  // and the music, which run on the clock, keep step with the scene.
  const auto step = std::chrono::duration_cast<std::chrono::steady_clock::duration>(
      std::chrono::duration<float>(EngineScene::kFrameSeconds));
  auto due = std::chrono::steady_clock::now();
  for (int frame = 0; frame < options.frames && PumpMessages(); ++frame) {
    due += step;
    std::this_thread::sleep_until(due);
    scene.UpdateFrame(EngineScene::kFrameSeconds);
    // Shots show the scene: one due during the intro waits for its end.
    const bool showsVideo = scene.InIntro();
    scene.Frame(EngineScene::kFrameSeconds);
    if (options.screenshotDir.empty() || showsVideo) continue;
    if (nextShot < shots.size() && frame >= shots[nextShot]) {
      SaveScreenshot(options.screenshotDir, frame, report);
      ++nextShot;
    }
  }
}

int RunScene(const SceneOptions& options, SceneDescription description, SceneReport& report) {
  const plat::WindowHandle window = plat::CreateGameWindow(
      "Halvenor porvik", kWidth, kHeight, plat::WindowBackend::FromEnvironment);
  if (!window) {
    std::fprintf(stderr, "engine_scene: no display to open a window on (use --headless)\n");
    return kExitNoDisplay;
  }
  if (plat::IsLiveWindow(window)) plat::RegisterGlBackend();
  plat::SetWindowProcedure(window, SceneWindowProcedure);
  {
    auto scene = std::make_unique<EngineScene>(std::move(description), &report);
    scene->Init(window, plat::ProcessInstance());
    scene->InitDevice(kWidth, kHeight, 32, 1);
    if (plat::IsLiveWindow(window)) plat::KeepRendererLoaded();
    scene->InitResources();
    RunFrames(*scene, options, report);
  }
  // The engine leaves the log behind when it ends.
  if (plat::FileExists("\\log.txt")) report.Note("log", "written", 1);
  else report.Skip("log", "no log.txt after the engine ended");
  plat::SetLiveBackendFactory({});
  plat::DestroyGameWindow(window);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  SceneOptions options;
  std::string error;
  if (!ParseSceneOptions(argc, argv, options, error)) {
    std::fprintf(stderr, "engine_scene: %s\n", error.c_str());
    return 2;
  }
  // The window and every service (drawing, sound, music, video) follow the
  // one choice in the environment; --headless makes it.
  if (options.headless) setenv("HALVENOR_HEADLESS", "1", 1);
  SceneDescription description;
  if (!ReadSceneDescription(options.sceneFile, description, error)) {
    std::fprintf(stderr, "engine_scene: cannot read %s: %s\n", options.sceneFile.c_str(), error.c_str());
    return 1;
  }
  SceneReport report;
  report.Note("scene file", "read", 1);
  const int result = RunScene(options, std::move(description), report);
  if (result == 0) report.Print(stdout);
  return result;
}
