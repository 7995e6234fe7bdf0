#pragma once
// A real window with the engine's OpenGL device on it, for the windowed
// tests of the game's suites, and the folder inside the build folder that
// their screenshots go to. Without a display no window opens and the test
// skips.
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "engine/render/ZOdevuvDevice.h"
#include "platform/os/Window.h"
#include "tests/live/support/ScreenshotPath.h"

namespace livetest {

// Runs the call with the device backends chosen for a live window: the
// engine device picks its backend from the environment, which the test
// process keeps headless for every other service.
void WithLiveDevice(const std::function<void()>& setUp);

// Presents the frame drawn on the device, writes it as the named screenshot
// and returns its pixels, width × height of them (0xAARRGGBB, top row
// first).
std::vector<std::uint32_t> CaptureFrame(plat::Device& device, int width, int height, const std::string& screenshot);

class LiveGameWindow {
 public:
  LiveGameWindow() = default;
  ~LiveGameWindow();
  LiveGameWindow(const LiveGameWindow&) = delete;
  LiveGameWindow& operator=(const LiveGameWindow&) = delete;

  // Opens the window and sets the engine device up on it with the GL
  // backend. Without a display it leaves IsOpen() false; a device that does
  // not come up is a fatal failure.
  void Open(const char* title, int width, int height);
  // Opens the window with the GL backend ready for a device that the caller
  // sets up on it itself (the game's InitDevice); without a display it
  // leaves IsOpen() false.
  void OpenWindow(const char* title, int width, int height);
  bool IsOpen() const { return window_ != nullptr; }
  plat::WindowHandle Window() const { return window_; }
  // The device goes before the window it draws into.
  void Close();

  ZOdevuvDevice& Engine() { return *engine_; }
  plat::Device& Device() { return *engine_->GetDevice(); }
  std::vector<std::uint32_t> Capture(const std::string& screenshot) {
    return CaptureFrame(Device(), width_, height_, screenshot);
  }

 private:
  plat::WindowHandle window_ = nullptr;
  std::unique_ptr<ZOdevuvDevice> engine_;
  int width_ = 0;
  int height_ = 0;
};

}  // namespace livetest
