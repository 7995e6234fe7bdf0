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
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <unordered_map>
#include <vector>

#include "app/CIniFile.h"
#include "app/DisplaySettings.h"
#include "app/GameShell.h"
#include "app/VAvazadOvurUrovi.h"
#include "characters/CPorvikAiClass.h"
#include "characters/REraduzizVisitor.h"
#include "engine/core/Globals.h"
#include "engine/input/ZOdevuvInput.h"
#include "engine/render/ZOdevuvCamera.h"
#include "engine/render/ZOdevuvDevice.h"
#include "gui/core/CGuiElement.h"
#include "gui/core/GuiLayer.h"
#include "gui/widgets/CGuiButton.h"
#include "gui/widgets/CGuiComboBox.h"
#include "gui/widgets/CGuiVScroll.h"
#include "platform/gfx/Device.h"
#include "platform/gfx/Screenshot.h"
#include "platform/gfx/gl/GlBackend.h"
#include "platform/input/InputSource.h"
#include "platform/input/ScanCodes.h"
#include "platform/math/Math.h"
#include "platform/os/Clock.h"
#include "platform/os/Path.h"
#include "platform/os/Window.h"
#include "world/CHeightMapHandlerClass.h"
#include "world/CLandscapeCell.h"

namespace e2e {

class GameSession {
 public:
  static constexpr uint32_t kFrameMs = 20;
  // The longest frame the game takes in one step; the park's clock moves
  // with the ticks, the characters by at most this much.
  static constexpr uint32_t kLongestFrameMs = uint32_t(kMaxFrameSeconds * 1000.0f);
  static constexpr int kBitsPerPixel = 32;
  static constexpr int kFullScreen = 0;
  // The loading threads run in real time: a frame of the loading screen
  // waits this long, and loading may take this many of them.
  static constexpr std::chrono::milliseconds kLoadingFramePause{5};
  static constexpr int kMaxLoadingFrames = 60000;

  // A test that writes the park's files runs the game in a copy of it.
  explicit GameSession(plat::WindowBackend backend = plat::WindowBackend::Headless,
                       const std::string& park = HALVENOR_PARK_DIR) {
    m_previous = plat::CurrentDirectory();
    if (chdir(park.c_str()) != 0) return;
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

  // The cursor moved onto a land cell as the player moves it: to a point of
  // the screen near where the cell's middle shows, clear of the GUI, at
  // which the land picked is that cell. The cursor moves by twice the
  // mouse's movement, so only points an even number of pixels away are
  // looked at. False when no such point is near.
  bool AimAtCell(int32_t i, int32_t j) {
    const VAvazadOvurUrovi::ScreenPoint cursor = game->GetCursorPosition();
    VAvazadOvurUrovi::ScreenPoint middle = ScreenPointOf(CellPoint(i, j));
    middle.x += (middle.x - cursor.x) % 2;
    middle.y += (middle.y - cursor.y) % 2;
    for (int32_t ring = 0; ring <= kAimRadius; ring += kAimStep) {
      for (int32_t dy = -ring; dy <= ring; dy += kAimStep) {
        for (int32_t dx = -ring; dx <= ring; dx += kAimStep) {
          if (std::max(std::abs(dx), std::abs(dy)) != ring) continue;
          const VAvazadOvurUrovi::ScreenPoint at{middle.x + dx, middle.y + dy};
          if (OverGui(at) || !PicksCell(at, i, j)) continue;
          MoveMouseToScreen(at.x, at.y);
          return PicksCell(game->GetCursorPosition(), i, j);
        }
      }
    }
    return false;
  }

  bool PicksCell(VAvazadOvurUrovi::ScreenPoint at, int32_t i, int32_t j) const {
    int32_t pickedI = 0, pickedJ = 0;
    return game->PickCell(at, &pickedI, &pickedJ) && pickedI == i && pickedJ == j;
  }

  // A right click on the land cell; false when it cannot be aimed at.
  bool RightClickOnCell(int32_t i, int32_t j) {
    if (!AimAtCell(i, j)) return false;
    Click(kRightButton);
    return true;
  }

  // A left click on the middle of the points of the element's rectangle
  // that the test holds for, as the player aims at a small target; false
  // when there is none.
  bool ClickWhere(const CGuiElement& element, const std::function<bool(int32_t, int32_t)>& holds) {
    int32_t left = 0, top = 0, right = 0, bottom = 0;
    element.GetRect(left, top, right, bottom);
    return ClickWhereIn(left, top, right, bottom, holds);
  }
  // The same within a rectangle of the screen.
  bool ClickWhereIn(int32_t left, int32_t top, int32_t right, int32_t bottom,
                    const std::function<bool(int32_t, int32_t)>& holds, int button = kLeftButton) {
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
    int32_t x = (firstX + lastX) / 2, y = (firstY + lastY) / 2;
    // A target with a hole in its middle (another in front of it) is aimed
    // at where it shows nearest to that middle.
    if (!holds(x, y)) NearestWhere(left, top, right, bottom, holds, &x, &y);
    MoveMouseToScreen(x, y);
    Click(button);
    Frame();
    return true;
  }
  static void NearestWhere(int32_t left, int32_t top, int32_t right, int32_t bottom,
                           const std::function<bool(int32_t, int32_t)>& holds, int32_t* x, int32_t* y) {
    int64_t best = -1;
    int32_t bestX = *x, bestY = *y;
    for (int32_t py = top; py < bottom; ++py) {
      for (int32_t px = left; px < right; ++px) {
        const int64_t d = int64_t(px - *x) * (px - *x) + int64_t(py - *y) * (py - *y);
        if ((best < 0 || d < best) && holds(px, py)) {
          best = d;
          bestX = px;
          bestY = py;
        }
      }
    }
    *x = bestX;
    *y = bestY;
  }

  // Whether the world point shows on the screen, this far inside its edges,
  // in front of the camera.
  bool ShowsOnScreen(const plat::Vec3& world, int32_t margin) const {
    plat::Vec3 eye, look;
    g_camera->GetPosition(&eye);
    g_camera->GetLook(&look);
    const plat::Vec3 ahead = world - eye;
    if (ahead.x * look.x + ahead.y * look.y + ahead.z * look.z <= 0.0f) return false;
    const VAvazadOvurUrovi::ScreenPoint at = ScreenPointOf(world);
    return at.x >= margin && at.y >= margin && at.x <= game->ScreenWidth() - margin &&
           at.y <= game->ScreenHeight() - margin;
  }

  // The player walks the camera with the keys (W, S forward and back, A, D
  // to the sides) until the point, which may move, shows well inside the
  // screen; false when it does not within the frames.
  bool WalkCameraTowards(const std::function<plat::Vec3()>& point, int maxFrames) {
    plat::InputSource& input = plat::InputSource::Shared();
    const auto release = [&] {
      for (int key : {plat::kKeyW, plat::kKeyS, plat::kKeyA, plat::kKeyD}) input.SetKey(key, false);
    };
    bool shown = false;
    for (int n = 0; n < maxFrames && !(shown = ShowsOnScreen(point(), kViewMargin)); ++n) {
      const plat::Vec3 world = point();
      plat::Vec3 eye, look;
      g_camera->GetPosition(&eye);
      g_camera->GetLook(&look);
      plat::Vec3 right;
      g_camera->GetRight(&right);
      const float dx = world.x - eye.x, dz = world.z - eye.z;
      const float side = dx * right.x + dz * right.z;
      const float ahead = dx * look.x + dz * look.z;
      const VAvazadOvurUrovi::ScreenPoint at = ScreenPointOf(world);
      release();
      if (std::fabs(side) > kSideSlack) input.SetKey(side > 0 ? plat::kKeyD : plat::kKeyA, true);
      if (ahead <= 0.0f || at.y > game->ScreenHeight() - kViewMargin) {
        input.SetKey(plat::kKeyS, true);
      } else if (at.y < kViewMargin) {
        input.SetKey(plat::kKeyW, true);
      }
      if (!Frame()) break;
    }
    release();
    Frame();
    return shown || ShowsOnScreen(point(), kViewMargin);
  }

  // A click of the button on the character in the park, as the player aims
  // at it among the others: on a point where the game's pick finds it;
  // false when it does not show or no such point is near it.
  bool ClickCharacter(int32_t id, int button) {
    CPorvikAiClass* manager = game->GetAiManager();
    const auto where = [&] {
      const REraduzizVisitor* character = manager ? manager->FindCharacterById(id) : nullptr;
      return character ? character->GetPosition() : plat::Vec3{};
    };
    if (!manager || !manager->FindCharacterById(id) || !WalkCameraTowards(where, kMaxCameraWalkFrames)) return false;
    const VAvazadOvurUrovi::ScreenPoint at = ScreenPointOf(where());
    return ClickWhereIn(
        at.x - kCharacterReach, at.y - kCharacterReach * 2, at.x + kCharacterReach, at.y + kCharacterReach,
        [&](int32_t x, int32_t y) {
          const REraduzizVisitor* hit = game->HitTestCharacters(x, y);
          return hit && hit->GetId() == id;
        },
        button);
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

  // Whether the element is there and shown.
  bool Shown(int32_t id) const {
    const CGuiElement* element = game->FindElement(id);
    return element && element->IsVisible();
  }

  // The middle of a land cell, on the land; the origin for a cell off it.
  plat::Vec3 CellPoint(int32_t i, int32_t j) const {
    plat::Vec3 point{};
    if (!game->terrain || !game->terrain->GetCellPosition(i, j, point)) return {};
    point.y = game->terrain->GetHeight(point);
    return point;
  }

  bool IsPathCell(int32_t i, int32_t j) const {
    CLandscapeCell cell;
    return game->terrain && game->terrain->GetCell(i, j, cell) && cell.IsPath();
  }

  // Land where nothing stands and no path lies.
  bool IsFreeCell(int32_t i, int32_t j) const {
    CLandscapeCell cell;
    return game->terrain && game->terrain->GetCell(i, j, cell) && !cell.HasObject() && !cell.IsCountedAsPath();
  }

  // Whether a shown element smaller than the screen lies under the point:
  // a click there is the GUI's, not the park's.
  bool OverGui(VAvazadOvurUrovi::ScreenPoint at) const {
    for (const GuiLayer* layer : game->GetLayers()) {
      if (layer->active && layer->root && Covers(*layer->root, at)) return true;
    }
    return false;
  }

  // The point shows on the screen, in front of the camera, where no element
  // covers it.
  bool InOpenView(const plat::Vec3& point) const { return ShowsOnScreen(point, 0) && !OverGui(ScreenPointOf(point)); }

  // Whether the frame drawn last shows something: many colours, none of
  // them covering nearly all of it. False on the headless device.
  bool ScreenShowsSomething() const {
    plat::Device* device = g_device ? g_device->GetDevice() : nullptr;
    int width = 0, height = 0;
    std::vector<uint32_t> pixels;
    if (!live || !device || !plat::CaptureBackBuffer(*device, width, height, pixels)) return false;
    std::unordered_map<uint32_t, size_t> counts;
    for (uint32_t pixel : pixels) ++counts[pixel & kColourMask];
    size_t most = 0;
    for (const auto& [colour, count] : counts) most = std::max(most, count);
    return counts.size() >= kFewestColours && double(most) < kLargestShareOfOneColour * double(pixels.size());
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

  // On a real window, a frame drawn and kept as the screen's picture, which
  // must show something; true, with nothing kept, on a headless one.
  bool KeepPicture(const std::filesystem::path& folder, const std::string& name) {
    if (!live) return true;
    return Frame() && ScreenShowsSomething() && SaveScreenshot(folder, name);
  }

  // A drop-down list's first row shows the chosen entry.
  static constexpr int32_t kComboHeaderRows = 1;
  static constexpr int kLeftButton = 0;
  static constexpr int kRightButton = 1;
  static constexpr int kMiddleButton = 2;
  // How far from where a cell's middle shows, and in steps of how many
  // pixels (the cursor's own step), the cursor looks for the cell.
  static constexpr int32_t kAimRadius = 96;
  static constexpr int32_t kAimStep = 2;
  // A picture that shows something has this many colours at least, and no
  // colour covers this share of it.
  static constexpr size_t kFewestColours = 64;
  static constexpr double kLargestShareOfOneColour = 0.9;
  static constexpr uint32_t kColourMask = 0xFFFFFF;
  // A point the camera walks to shows this far inside the screen's edges;
  // the camera strafes until the point lies this near its middle line.
  static constexpr int32_t kViewMargin = 120;
  static constexpr float kSideSlack = 6.0f;
  static constexpr int kMaxCameraWalkFrames = 1500;
  // How far around a character's feet (twice as far above them) the
  // player's aim may fall.
  static constexpr int32_t kCharacterReach = 40;

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

  bool Covers(const CGuiElement& element, VAvazadOvurUrovi::ScreenPoint at) const {
    if (!element.IsVisible()) return false;
    int32_t left = 0, top = 0, right = 0, bottom = 0;
    element.GetRect(left, top, right, bottom);
    const bool wholeScreen = right - left >= game->ScreenWidth() && bottom - top >= game->ScreenHeight();
    if (!wholeScreen && element.ContainsPoint(at.x, at.y)) return true;
    for (int32_t n = 0; n < element.GetChildCount(); ++n) {
      const CGuiElement* child = element.GetChild(n);
      if (child && Covers(*child, at)) return true;
    }
    return false;
  }
  std::string m_previous;
};

}  // namespace e2e
