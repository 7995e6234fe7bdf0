// halvenor: the game. Run it in the park folder; see ShellOptions.h for the
// command line.
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "app/CIniFile.h"
#include "app/DisplaySettings.h"
#include "app/GameShell.h"
#include "app/ShellOptions.h"
#include "app/VAvazadOvurUrovi.h"
#include "platform/gfx/Device.h"
#include "platform/gfx/gl/GlBackend.h"
#include "platform/gfx/gl/leaks/DisplayLeaks.h"
#include "platform/input/SdlInput.h"
#include "platform/os/Window.h"

namespace {

constexpr int kExitFailure = 1;
constexpr int kExitUsage = 2;
constexpr int kBitsPerPixel = 32;
constexpr int kFullScreen = 0;
// The window's size until the settings are read.
constexpr int kInitialWidth = 800;
constexpr int kInitialHeight = 600;

int RunGame(const ShellOptions& options, plat::WindowHandle window) {
  const bool live = plat::IsLiveWindow(window);
  if (live) {
    plat::RegisterGlBackend();
    plat::ConnectWindowInput();
  }
  plat::SetWindowProcedure(window, MainWndProc);
  std::unique_ptr<VAvazadOvurUrovi> game = CreateMainObject();
  if (!game) {
    std::fprintf(stderr, "halvenor: not enough memory for the game\n");
    return kExitFailure;
  }
  game->Init(window, plat::ProcessInstance());
  game->resourcesReady = 0;
  const DisplaySettings display = ReadDisplaySettings(CIniFile::Settings(game->baseDirectory));
  ApplyDisplaySettings(display, *game);
  plat::SetClientSize(window, display.width, display.height);
  game->InitDevice(display.width, display.height, kBitsPerPixel, kFullScreen);
  if (live) plat::KeepRendererLoaded();
  plat::ShowCursor(false);
  if (options.skipIntro) game->SkipIntroVideos();
  game->InitResources();
  const int exitCode =
      RunMainLoop(*game, LoopOptions{options.frames, options.screenshotFrames, options.screenshotDir});
  game.reset();
  plat::ShowCursor(true);
  return exitCode;
}

}  // namespace

int main(int argc, char** argv) {
  ShellOptions options;
  std::string error;
  if (!ParseShellOptions(argc, argv, options, error)) {
    std::fprintf(stderr, "halvenor: %s\n%s", error.c_str(), ShellUsage());
    return kExitUsage;
  }
  if (options.help) {
    std::fputs(ShellUsage(), stdout);
    return 0;
  }
  // Every service (drawing, sound, music, video) follows the one choice in
  // the environment; --headless makes it.
  if (plat::BackendFromCommandLine(argc, argv) == plat::WindowBackend::Headless) setenv("HALVENOR_HEADLESS", "1", 1);
  const plat::WindowHandle window =
      plat::CreateGameWindow(kGameWindowTitle, kInitialWidth, kInitialHeight, plat::WindowBackend::FromEnvironment);
  if (!window) {
    std::fprintf(stderr, "halvenor: no display to open a window on (use --headless)\n");
    return kExitFailure;
  }
  const int exitCode = RunGame(options, window);
  plat::SetLiveBackendFactory({});
  plat::DestroyGameWindow(window);
  return exitCode;
}
