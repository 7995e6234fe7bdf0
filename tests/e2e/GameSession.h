#pragma once
// halvenor in this process, started as its entry function starts it (the
// settings' screen size, the device, the resources and the two loading
// threads) in the demo park folder, on a headless window and a clock that
// moves only a frame at a time. Its frames run as the main loop runs them:
// waiting messages first (the quit message ends the run), then the frame's
// five steps. The mouse and the keys come from the platform's input source.
// It runs on a headless window, or on a real one when the display allows.
#include <stdlib.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <filesystem>
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
#include "engine/render/ZOdevuvCamera.h"
#include "engine/render/ZOdevuvDevice.h"
#include "gui/core/CGuiElement.h"
#include "gui/widgets/CGuiButton.h"
#include "gui/widgets/CGuiComboBox.h"
#include "gui/widgets/CGuiVScroll.h"
#include "platform/gfx/Device.h"
#include "platform/gfx/Screenshot.h"
#include "platform/gfx/gl/GlBackend.h"
#include "platform/input/InputSource.h"
#include "platform/math/Math.h"
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

  explicit GameSession(plat::WindowBackend backend = plat::WindowBackend::Headless) {
    m_previous = plat::CurrentDirectory();
    if (chdir(HALVENOR_PARK_DIR) != 0) return;
    plat::ClearPathCache();
    plat::ResetMessageQueue();
    plat::InputSource::Shared().Reset();
    plat::SetClock(&clock);
    clock.AdvanceMs(1);
    window = plat::CreateGameWindow(kGameWindowTitle, kInitialSide, kInitialSide, backend);
    if (!window) return;
    live = backend == plat::WindowBackend::Live;
    plat::SetWindowProcedure(window, MainWndProc);
    game = CreateMainObject();
    if (!game) return;
    game->Init(window, plat::ProcessInstance());
    game->resourcesReady = 0;
    const DisplaySettings display = ReadDisplaySettings(CIniFile::Settings(game->baseDirectory));
    ApplyDisplaySettings(display, *game);
    plat::SetClientSize(window, display.width, display.height);
    if (backend != plat::WindowBackend::Live) {
      game->InitDevice(display.width, display.height, kBitsPerPixel, kFullScreen);
      return;
    }
    // The real window draws with the software GL driver, which the device
    // takes when the environment does not ask for a headless one.
    setenv("LIBGL_ALWAYS_SOFTWARE", "1", 0);
    plat::RegisterGlBackend();
    setenv("HALVENOR_HEADLESS", "0", 1);
    game->InitDevice(display.width, display.height, kBitsPerPixel, kFullScreen);
    setenv("HALVENOR_HEADLESS", "1", 1);
  }

  ~GameSession() {
    game.reset();
    if (live) plat::SetLiveBackendFactory({});
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

  // One turn of the main loop: false once the quit message came. The
  // frames of the player's moves and clicks last frameMs.
  bool Frame() { return Frame(frameMs); }
  bool Frame(uint32_t ms) {
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
  bool RunUntil(const std::function<bool()>& done, int maxFrames) { return RunUntil(done, maxFrames, frameMs); }
  bool RunUntil(const std::function<bool()>& done, int maxFrames, uint32_t ms) {
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
    return element && ClickElementOf(*element);
  }
  bool ClickElementOf(const CGuiElement& shown) {
    const CGuiElement* element = &shown;
    if (!element->IsVisible()) return false;
    int32_t left = 0, top = 0, right = 0, bottom = 0;
    element->GetRect(left, top, right, bottom);
    MoveMouseToScreen((left + right) / 2, (top + bottom) / 2);
    Click(kLeftButton);
    Frame();  // the commands the click posted run
    return true;
  }

  // Where a world point shows on the screen through the game's camera.
  VAvazadOvurUrovi::ScreenPoint ScreenPointOf(const plat::Vec3& world) const {
    plat::Device& device = *g_device->GetDevice();
    plat::Matrix view, identity;
    g_camera->GetViewMatrix(&view);
    plat::MatrixIdentity(&identity);
    plat::Vec3 screen;
    plat::Vec3Project(&screen, world, device.GetViewport(), game->projection, view, identity);
    return {int32_t(std::lround(screen.x)), int32_t(std::lround(screen.y))};
  }

  void RightClickOn(const plat::Vec3& world) {
    const VAvazadOvurUrovi::ScreenPoint at = ScreenPointOf(world);
    MoveMouseToScreen(at.x, at.y);
    Click(kRightButton);
  }

  // A left click on the middle of the points of the element's rectangle
  // that the test holds for, as the player aims at a small target; false
  // when there is none.
  bool ClickWhere(const CGuiElement& element, const std::function<bool(int32_t, int32_t)>& holds) {
    int32_t left = 0, top = 0, right = 0, bottom = 0;
    element.GetRect(left, top, right, bottom);
    int32_t firstX = right, lastX = left - 1, firstY = bottom, lastY = top - 1;
    for (int32_t y = top; y < bottom; ++y) {
      for (int32_t x = left; x < right; ++x) {
        if (!holds(x, y)) continue;
        firstX = std::min(firstX, x);
        lastX = std::max(lastX, x);
        firstY = std::min(firstY, y);
        lastY = std::max(lastY, y);
      }
    }
    if (lastX < firstX) return false;
    MoveMouseToScreen((firstX + lastX) / 2, (firstY + lastY) / 2);
    Click(kLeftButton);
    Frame();
    return true;
  }

  // The entry of a drop-down list chosen as the player chooses it: the
  // drop button opens the list, its scroll bar's down arrow brings the
  // entry into view, and a click on the entry's row picks it.
  bool ChooseComboEntry(int32_t id, int32_t index) {
    auto* combo = dynamic_cast<CGuiComboBox*>(game->FindElement(id));
    if (!combo || !combo->IsVisible() || !combo->GetDropButton()) return false;
    if (!combo->IsOpen() && !ClickElementOf(*combo->GetDropButton())) return false;
    if (!combo->IsOpen()) return false;
    const int32_t header = kComboHeaderRows;
    for (int tries = 0; tries <= index; ++tries) {
      const int32_t row = index - combo->GetTopRow() + header;
      if (row >= header && row < combo->GetOpenRows() + header &&
          ClickWhere(*combo, [&](int32_t x, int32_t y) { return combo->RowAt(x, y) == row; })) {
        return combo->GetSelectedIndex() == index;
      }
      CGuiVScroll* bar = combo->GetScrollBar();
      if (!bar || !ClickWhere(*bar, [&](int32_t x, int32_t y) { return bar->InDownArrow(x, y); })) return false;
    }
    return false;
  }

  // The frame drawn last, as a PNG in the folder; false on a device that
  // draws nothing (the headless one).
  bool SaveScreenshot(const std::filesystem::path& folder, const std::string& name) {
    plat::Device* device = g_device ? g_device->GetDevice() : nullptr;
    if (!live || !device) return false;
    std::error_code ignored;
    std::filesystem::create_directories(folder, ignored);
    return plat::SaveScreenshot(*device, (folder / (name + ".png")).string());
  }

  // A drop-down list's first row shows the chosen entry.
  static constexpr int32_t kComboHeaderRows = 1;
  static constexpr int kLeftButton = 0;
  static constexpr int kRightButton = 1;
  static constexpr int kMiddleButton = 2;

  plat::FakeClock clock;
  plat::WindowHandle window = nullptr;
  std::unique_ptr<VAvazadOvurUrovi> game;
  uint32_t frameMs = kFrameMs;
  bool live = false;
  bool quit = false;
  int exitCode = -1;
  int framesRun = 0;

 private:
  static constexpr int kInitialSide = 800;
  std::string m_previous;
};

}  // namespace e2e
