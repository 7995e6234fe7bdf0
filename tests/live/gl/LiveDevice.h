#pragma once
// A live window with an OpenGL device for the drawing tests, and a headless
// device of the same size whose record tells what the scene should show.
// Tests skip when no display can be opened.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/gfx/Device.h"
#include "platform/gfx/Screenshot.h"
#include "platform/gfx/gl/GlBackend.h"
#include "platform/os/DebugOutput.h"
#include "platform/os/Window.h"
#include "platform/gfx/gl/leaks/DisplayLeaks.h"

namespace live_test {

using plat::KeepRendererLoaded;

// The pictures are compared with exact expectations: Mesa's software
// renderer gives the same ones on every machine (unless told otherwise).
inline void PreferSoftwareRenderer() { setenv("LIBGL_ALWAYS_SOFTWARE", "1", 0); }

constexpr int kWidth = 256;
constexpr int kHeight = 192;

class LiveDeviceTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    PreferSoftwareRenderer();
    plat::ResetMessageQueue();
    window_ = plat::CreateGameWindow("Halvenor porvik", kWidth, kHeight, plat::WindowBackend::Live);
    plat::RegisterGlBackend();
  }
  static void TearDownTestSuite() {
    plat::SetLiveBackendFactory({});
    plat::DestroyGameWindow(window_);
    window_ = nullptr;
  }

  void SetUp() override {
    if (window_ == nullptr) GTEST_SKIP() << "no display for a live window";
    live_ = Make(plat::BackendChoice::Live);
    ASSERT_NE(live_, nullptr);
    ASSERT_EQ(live_->Backend().Name(), "gl");
    KeepRendererLoaded();
    headless_ = Make(plat::BackendChoice::Headless);
    headless_->Record().Enable(true);
    plat::SetDebugOutputSink([this](std::string_view text) { debugOutput_.emplace_back(text); });
  }
  void TearDown() override {
    plat::SetDebugOutputSink({});
    live_.reset();
    headless_.reset();
  }

  static std::shared_ptr<plat::Device> Make(plat::BackendChoice backend) {
    plat::DeviceParams params;
    params.width = kWidth;
    params.height = kHeight;
    params.window = window_;
    params.backend = backend;
    std::string error;
    auto device = plat::CreateDevice(params, &error);
    EXPECT_NE(device, nullptr) << error;
    return device;
  }

  // The live back buffer after the scene, which is presented first: the
  // frame must have caused no GL error.
  std::vector<std::uint32_t> Capture() {
    live_->Present();
    for (const std::string& line : debugOutput_)
      EXPECT_EQ(line.rfind("OpenGL error", 0), std::string::npos) << line;
    int width = 0, height = 0;
    std::vector<std::uint32_t> pixels;
    EXPECT_TRUE(plat::CaptureBackBuffer(*live_, width, height, pixels));
    EXPECT_EQ(width, kWidth);
    EXPECT_EQ(height, kHeight);
    pixels.resize(std::size_t(kWidth) * kHeight);
    return pixels;
  }

  static std::uint32_t At(const std::vector<std::uint32_t>& pixels, int x, int y) {
    return pixels[std::size_t(y) * kWidth + std::size_t(x)];
  }

  static plat::WindowHandle window_;
  std::shared_ptr<plat::Device> live_;
  std::shared_ptr<plat::Device> headless_;
  std::vector<std::string> debugOutput_;
};

inline plat::WindowHandle LiveDeviceTest::window_ = nullptr;

// Colour channels of 0xAARRGGBB pixels within a tolerance.
inline ::testing::AssertionResult NearColor(std::uint32_t actual, std::uint32_t expected, int tolerance = 3) {
  for (int shift = 0; shift <= 16; shift += 8) {
    const int a = int((actual >> shift) & 0xFF), e = int((expected >> shift) & 0xFF);
    if (a - e > tolerance || e - a > tolerance) {
      return ::testing::AssertionFailure() << std::hex << "pixel 0x" << actual << ", expected 0x" << expected;
    }
  }
  return ::testing::AssertionSuccess();
}

}  // namespace live_test
