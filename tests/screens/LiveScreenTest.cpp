#include "tests/screens/LiveScreenTest.h"

#include <stdlib.h>

#include <filesystem>

#include "platform/gfx/Device.h"
#include "platform/gfx/Screenshot.h"
#include "platform/gfx/gl/GlBackend.h"
#include "platform/gfx/gl/leaks/DisplayLeaks.h"
#include "platform/math/Math.h"

namespace screentest {

namespace {

namespace fs = std::filesystem;

struct GroundVertex {
  float x, y, z;
  uint32_t colour;
};

void DrawGround(plat::Device& d, int width, int height) {
  plat::Matrix view, projection;
  plat::MatrixLookAtLH(&view, {0, 4, -8}, {0, 0, 8}, {0, 1, 0});
  plat::MatrixPerspectiveFovLH(&projection, plat::kPi / 3, float(width) / float(height), 1, 200);
  d.SetTransform(plat::TransformType::World, plat::IdentityMatrix());
  d.SetTransform(plat::TransformType::View, view);
  d.SetTransform(plat::TransformType::Projection, projection);
  d.SetRenderState(plat::RenderState::Lighting, plat::kFalse);
  d.SetRenderState(plat::RenderState::CullMode, 1);  // none
  d.SetTexture(0, nullptr);
  d.SetFVF(0x42);  // position, colour
  const uint32_t grass = 0xFF4C9A3Cu;
  const GroundVertex ground[] = {{-80, 0, -60, grass}, {-80, 0, 160, grass}, {80, 0, -60, grass}, {80, 0, 160, grass}};
  d.DrawPrimitiveUP(plat::PrimitiveType::TriangleStrip, 2, ground, sizeof(GroundVertex));
}

}  // namespace

void LiveScreenTest::SetUp() {
  setenv("LIBGL_ALWAYS_SOFTWARE", "1", 0);
  window = plat::CreateGameWindow("Halvenor screens", kWidth, kHeight, plat::WindowBackend::Live);
  if (!window) GTEST_SKIP() << "no display for a live window";
  plat::RegisterGlBackend();
  // The engine device picks its backend from the environment.
  setenv("HALVENOR_HEADLESS", "0", 1);
  device = std::make_unique<ZOdevuvDevice>(window);
  device->InitEngineDevice(kWidth, kHeight, 32, 1, 1);
  setenv("HALVENOR_HEADLESS", "1", 1);
  ASSERT_NE(device->GetDevice(), nullptr);
  ASSERT_EQ(device->GetDevice()->Backend().Name(), "gl");
  plat::KeepRendererLoaded();
  gui = std::make_unique<CGuiMainClass>();
  host = std::make_unique<FakeHost>(*gui);
  screens = std::make_unique<ScreenSet>(*host);
  host->screens = screens.get();
}

void LiveScreenTest::TearDown() {
  if (host) host->screens = nullptr;
  screens.reset();
  host.reset();
  gui.reset();
  device.reset();
  plat::SetLiveBackendFactory({});
  if (window) plat::DestroyGameWindow(window);
}

void LiveScreenTest::Pass() {
  gui->RunCommandPass([this](GuiCommand* command) {
    if (!screens->OfferExclusive(*command)) screens->RouteToScreens(*command);
  });
  gui->RemoveDoneCommands();
}

std::vector<uint32_t> LiveScreenTest::Frame(const std::string& screenshot) {
  plat::Device& d = *device->GetDevice();
  gui->UpdateLayers();
  d.BeginScene();
  d.Clear(plat::ClearFlags::Target | plat::ClearFlags::ZBuffer, kSky, 1, 0);
  DrawGround(d, kWidth, kHeight);
  gui->DrawLayers();
  d.EndScene();
  d.Present();
  int width = 0, height = 0;
  std::vector<uint32_t> pixels;
  EXPECT_TRUE(plat::CaptureBackBuffer(d, width, height, pixels));
  EXPECT_TRUE(plat::SaveScreenshot(d, (fs::current_path() / screenshot).string()));
  pixels.resize(size_t(kWidth) * kHeight);
  return pixels;
}

}  // namespace screentest
