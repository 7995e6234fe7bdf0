#include "tests/live/support/LiveGameWindow.h"

#include <stdlib.h>

#include "platform/gfx/Device.h"
#include "platform/gfx/Screenshot.h"
#include "platform/gfx/gl/GlBackend.h"
#include "platform/gfx/gl/leaks/DisplayLeaks.h"

namespace livetest {

namespace {

constexpr int kColourBits = 32;
constexpr int kWindowed = 1;
constexpr int kAllowHardware = 1;

}  // namespace

std::vector<std::uint32_t> CaptureFrame(plat::Device& device, int width, int height, const std::string& screenshot) {
  device.Present();
  int capturedWidth = 0, capturedHeight = 0;
  std::vector<std::uint32_t> pixels;
  EXPECT_TRUE(plat::CaptureBackBuffer(device, capturedWidth, capturedHeight, pixels));
  EXPECT_TRUE(plat::SaveScreenshot(device, ScreenshotPath(screenshot)));
  pixels.resize(std::size_t(width) * std::size_t(height));
  return pixels;
}

LiveGameWindow::~LiveGameWindow() { Close(); }

void WithLiveDevice(const std::function<void()>& setUp) {
  setenv("HALVENOR_HEADLESS", "0", 1);
  setUp();
  setenv("HALVENOR_HEADLESS", "1", 1);
}

void LiveGameWindow::OpenWindow(const char* title, int width, int height) {
  // The pictures are compared with fixed expectations: Mesa's software
  // renderer draws the same ones on every machine.
  setenv("LIBGL_ALWAYS_SOFTWARE", "1", 0);
  window_ = plat::CreateGameWindow(title, width, height, plat::WindowBackend::Live);
  if (!window_) return;
  width_ = width;
  height_ = height;
  plat::RegisterGlBackend();
}

void LiveGameWindow::Open(const char* title, int width, int height) {
  OpenWindow(title, width, height);
  if (!window_) return;
  WithLiveDevice([&] {
    engine_ = std::make_unique<ZOdevuvDevice>(window_);
    engine_->InitEngineDevice(width, height, kColourBits, kWindowed, kAllowHardware);
  });
  ASSERT_NE(engine_->GetDevice(), nullptr);
  ASSERT_EQ(engine_->GetDevice()->Backend().Name(), "gl");
  plat::KeepRendererLoaded();
}

void LiveGameWindow::Close() {
  engine_.reset();
  if (!window_) return;
  plat::SetLiveBackendFactory({});
  plat::DestroyGameWindow(window_);
  window_ = nullptr;
}

}  // namespace livetest
