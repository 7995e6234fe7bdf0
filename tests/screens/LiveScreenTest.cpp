#include "tests/screens/LiveScreenTest.h"

#include "platform/gfx/Device.h"
#include "platform/math/Math.h"

namespace screentest {

namespace {

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
  live.Open("Halvenor screens", kWidth, kHeight);
  if (!live.IsOpen()) GTEST_SKIP() << "no display for a live window";
  if (HasFatalFailure()) return;
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
  live.Close();
}

void LiveScreenTest::Pass() {
  gui->RunCommandPass([this](GuiCommand* command) {
    if (!screens->OfferExclusive(*command)) screens->RouteToScreens(*command);
  });
  gui->RemoveDoneCommands();
}

std::vector<uint32_t> LiveScreenTest::Frame(const std::string& screenshot) {
  plat::Device& d = live.Device();
  gui->UpdateLayers();
  d.BeginScene();
  d.Clear(plat::ClearFlags::Target | plat::ClearFlags::ZBuffer, kSky, 1, 0);
  DrawGround(d, kWidth, kHeight);
  gui->DrawLayers();
  d.EndScene();
  return live.Capture(screenshot);
}

}  // namespace screentest
