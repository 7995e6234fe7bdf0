#pragma once
// halvenor in this process, started as its entry function starts it (the
// settings' screen size, the device, the resources and the two loading
// threads) in the demo park folder, on a headless window and a clock that
// moves only a frame at a time. Its frames run as the main loop runs them:
// waiting messages first (the quit message ends the run), then the frame's
// five steps. The mouse and the keys come from the platform's input source.
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <thread>

#include "app/CIniFile.h"
#include "app/DisplaySettings.h"
#include "app/GameShell.h"
#include "app/VAvazadOvurUrovi.h"
#include "engine/core/Globals.h"
#include "engine/input/ZOdevuvInput.h"
#include "gui/core/CGuiElement.h"
#include "platform/input/InputSource.h"
#include "platform/os/Clock.h"
#include "platform/os/Path.h"
#include "platform/os/Window.h"

namespace e2e {

class GameSession {
 public:
  static constexpr uint32_t kFrameMs = 20;
  static constexpr int kBitsPerPixel = 32;
  static constexpr int kFullScreen = 0;
  // The loading threads run in real time: a frame of the loading screen
  // waits this long, and loading may take this many of them.
  static constexpr std::chrono::milliseconds kLoadingFramePause{5};
  static constexpr int kMaxLoadingFrames = 60000;

  GameSession() {
    m_previous = plat::CurrentDirectory();
    if (chdir(HALVENOR_PARK_DIR) != 0) return;
    plat::ClearPathCache();
    plat::ResetMessageQueue();
    plat::InputSource::Shared().Reset();
    plat::SetClock(&clock);
    clock.AdvanceMs(1);
    window = plat::CreateGameWindow(kGameWindowTitle, kInitialSide, kInitialSide, plat::WindowBackend::Headless);
    if (!window) return;
    plat::SetWindowProcedure(window, MainWndProc);
    game = CreateMainObject();
    if (!game) return;
    game->Init(window, plat::ProcessInstance());
    game->resourcesReady = 0;
    const DisplaySettings display = ReadDisplaySettings(CIniFile::Settings(game->baseDirectory));
    ApplyDisplaySettings(display, *game);
    plat::SetClientSize(window, display.width, display.height);
    game->InitDevice(display.width, display.height, kBitsPerPixel, kFullScreen);
  }

  ~GameSession() {
    game.reset();
    if (window) plat::DestroyGameWindow(window);
    plat::SetClock(nullptr);
    plat::ResetMessageQueue();
    plat::InputSource::Shared().Reset();
    if (chdir(m_previous.c_str()) != 0) return;
    plat::ClearPathCache();
  }

  GameSession(const GameSession&) = delete;
  GameSession& operator=(const GameSession&) = delete;

  bool Started() const { return game != nullptr; }

  // The resources and the loading threads; the intro and the loading
  // screen then run in the frames until the game's frames begin. False
  // when loading did not end.
  bool Load(bool skipIntro) {
    if (skipIntro) game->SkipIntroVideos();
    game->InitResources();
    for (int n = 0; n < kMaxLoadingFrames && game->initialLoadingStarted.load(); ++n) {
      if (!Frame()) return false;
      std::this_thread::sleep_for(kLoadingFramePause);
    }
    return !game->initialLoadingStarted.load();
  }

  // One turn of the main loop: false once the quit message came.
  bool Frame(uint32_t ms = kFrameMs) {
    if (quit) return false;
    clock.AdvanceMs(ms);
    plat::Message message;
    while (plat::PeekMessage(message)) {
      if (message.message == plat::kWmQuit) {
        quit = true;
        exitCode = int(message.wParam);
        return false;
      }
      plat::DispatchMessage(message);
    }
    const float seconds = std::min(float(ms) / 1000.0f, kMaxFrameSeconds);
    game->UpdateFrame(seconds);
    game->Frame(seconds);
    game->PollInput();
    game->RunQueuedGuiCommands();
    game->RemoveDoneGuiCommands();
    ++framesRun;
    return true;
  }

  // Frames until the test holds or the count runs out; true when it held.
  bool RunUntil(const std::function<bool()>& done, int maxFrames, uint32_t ms = kFrameMs) {
    for (int n = 0; n < maxFrames; ++n) {
      if (done()) return true;
      if (!Frame(ms)) return done();
    }
    return done();
  }

  // The cursor moves by twice the mouse's movement.
  void MoveMouseToScreen(int32_t x, int32_t y) {
    const VAvazadOvurUrovi::ScreenPoint now = game->GetCursorPosition();
    plat::InputSource::Shared().MoveMouse((x - now.x) / 2, (y - now.y) / 2);
    Frame();
  }

  void Click(int button) {
    plat::InputSource::Shared().SetMouseButton(button, true);
    Frame();
    plat::InputSource::Shared().SetMouseButton(button, false);
    Frame();
  }

  // A left click on the middle of the element, as the player makes it;
  // false when the element is missing or hidden.
  bool ClickElement(int32_t id) {
    const CGuiElement* element = game->FindElement(id);
    if (!element || !element->IsVisible()) return false;
    int32_t left = 0, top = 0, right = 0, bottom = 0;
    element->GetRect(left, top, right, bottom);
    MoveMouseToScreen((left + right) / 2, (top + bottom) / 2);
    Click(kLeftButton);
    Frame();  // the commands the click posted run
    return true;
  }

  static constexpr int kLeftButton = 0;
  static constexpr int kRightButton = 1;
  static constexpr int kMiddleButton = 2;

  plat::FakeClock clock;
  plat::WindowHandle window = nullptr;
  std::unique_ptr<VAvazadOvurUrovi> game;
  bool quit = false;
  int exitCode = -1;
  int framesRun = 0;

 private:
  static constexpr int kInitialSide = 800;
  std::string m_previous;
};

}  // namespace e2e
