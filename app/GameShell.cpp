#include "app/GameShell.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <new>

#include "app/VAvazadOvurUrovi.h"
#include "engine/core/Globals.h"
#include "engine/media/ZOdevuvMusic.h"
#include "engine/render/ZOdevuvDevice.h"
#include "platform/gfx/Screenshot.h"
#include "platform/os/Clock.h"
#include "platform/os/Window.h"

namespace {

// Seconds since the last call, from the performance counter, or from the
// millisecond ticks where there is none; held to 0..kMaxFrameSeconds.
class FrameClock {
 public:
  FrameClock() {
    const int64_t frequency = plat::PerformanceFrequency();
    m_useCounter = frequency > 0;
    m_secondsPerTick = m_useCounter ? 1.0 / double(frequency) : kSecondsPerMillisecond;
    m_last = Now();
  }

  float Tick() {
    const int64_t now = Now();
    const double seconds = double(now - m_last) * m_secondsPerTick;
    m_last = now;
    return float(std::clamp(seconds, 0.0, double(kMaxFrameSeconds)));
  }

 private:
  static constexpr double kSecondsPerMillisecond = 0.001;

  int64_t Now() const { return m_useCounter ? plat::PerformanceCounter() : int64_t(plat::TickCount()); }

  bool m_useCounter = false;
  double m_secondsPerTick = kSecondsPerMillisecond;
  int64_t m_last = 0;
};

void RunFrame(VAvazadOvurUrovi& game, float seconds) {
  game.UpdateFrame(seconds);
  game.Frame(seconds);
  game.PollInput();
  game.RunQueuedGuiCommands();
  game.RemoveDoneGuiCommands();
}

void SaveScreenshot(const std::string& folder, int frame) {
  std::error_code ignored;
  std::filesystem::create_directories(folder, ignored);
  char name[32];
  std::snprintf(name, sizeof name, "/frame_%04d.png", frame);
  plat::Device* device = g_device ? g_device->GetDevice() : nullptr;
  if (!device || !plat::SaveScreenshot(*device, folder + name)) {
    std::fprintf(stderr, "halvenor: cannot save the screenshot %s%s\n", folder.c_str(), name);
  }
}

}  // namespace

std::unique_ptr<VAvazadOvurUrovi> CreateMainObject() {
  return std::unique_ptr<VAvazadOvurUrovi>(new (std::nothrow) VAvazadOvurUrovi());
}

std::intptr_t MainWndProc(plat::WindowHandle window, unsigned message, std::uintptr_t wParam,
                          std::intptr_t lParam) {
  VAvazadOvurUrovi* game = g_game;
  if (game) game->lastMessage = {message, wParam, lParam, window};
  switch (message) {
    case plat::kWmKeyDown:
      if (game) game->RouteMessage(&game->lastMessage, 0);
      return 0;
    case plat::kWmDestroy:
      // The loading threads write into the main object, which the loop
      // deletes right after the quit message.
      if (game) game->JoinLoadingThreads();
      plat::PostQuitMessage(0);
      return 0;
    case plat::kWmMouseWheel:
      if (game) game->ZoomByWheel(int32_t(uint32_t(wParam)));
      return 0;
    case kMusicGraphNotification:
      if (game && g_music) g_music->HandleGraphEvents();
      return 0;
    default:
      // Painting included: the frame loop draws.
      return 0;
  }
}

int RunMainLoop(VAvazadOvurUrovi& game, const LoopOptions& options) {
  plat::Message message;
  if (plat::PeekMessage(message, false) && message.message == plat::kWmQuit) return int(message.wParam);
  FrameClock clock;
  int framesRun = 0;
  auto nextShot = options.screenshotFrames.begin();
  for (;;) {
    if (plat::PeekMessage(message)) {
      if (message.message == plat::kWmQuit) return int(message.wParam);
      plat::DispatchMessage(message);
      continue;
    }
    RunFrame(game, clock.Tick());
    ++framesRun;
    if (nextShot != options.screenshotFrames.end() && *nextShot == framesRun) {
      SaveScreenshot(options.screenshotDir, framesRun);
      ++nextShot;
    }
    if (framesRun == options.frames) plat::PostQuitMessage(0);
  }
}
