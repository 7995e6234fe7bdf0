// The demo park's roller coaster drawn by the OpenGL device in a real
// window: the ride with its cars on the track, its mirror image in the pond
// before it (drawn by the water pass) and its two icons over it. The
// screenshot "ride_live.png" is written into the working directory. Skips
// without a display.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <memory>
#include <string>
#include <vector>

#include "app/VAvazadOvurUrovi.h"
#include "engine/core/Globals.h"
#include "engine/render/ZOdevuvCamera.h"
#include "engine/render/ZOdevuvDevice.h"
#include "engine/render/ZOdevuvFrustum.h"
#include "engine/render/ZOdevuvLightManager.h"
#include "park/CBillboardIcon.h"
#include "park/objects/CAttraction.h"
#include "park/objects/ObjectTypeSetup.h"
#include "platform/gfx/Device.h"
#include "platform/gfx/Screenshot.h"
#include "platform/gfx/gl/GlBackend.h"
#include "platform/gfx/gl/leaks/DisplayLeaks.h"
#include "platform/math/Math.h"
#include "platform/os/Clock.h"
#include "platform/os/Path.h"
#include "platform/os/Window.h"
#include "tests/live/support/ScreenshotPath.h"

namespace {

constexpr int kWidth = 640;
constexpr int kHeight = 480;
constexpr uint32_t kSky = 0xFF87B5E0u;
constexpr float kWaterLevel = -0.8f;
// The coaster stands in a pond that reaches to the land behind it.
constexpr float kShore = 20.0f;

// The effects the park's models draw with, under the names the game gives them.
const std::pair<const char*, const char*> kEffects[] = {
    {"BaseEffects", "ps_shaders.fx"}, {"Default", "diffuse.fx"}, {"Standard", "sh.fx"},
    {"Default_shadow", "ShadowMap.fx"}, {"DiffOld", "diffuse_old.fx"}};

struct ColourVertex {
  float x, y, z;
  uint32_t colour;
};

void DrawQuad(plat::Device& d, float y, float x0, float z0, float x1, float z1, uint32_t colour) {
  d.SetTransform(plat::TransformType::World, plat::IdentityMatrix());
  d.SetRenderState(plat::RenderState::Lighting, plat::kFalse);
  d.SetTexture(0, nullptr);
  d.SetFVF(plat::Fvf::Xyz | plat::Fvf::Diffuse);
  const ColourVertex quad[] = {{x0, y, z0, colour}, {x0, y, z1, colour}, {x1, y, z0, colour}, {x1, y, z1, colour}};
  d.DrawPrimitiveUP(plat::PrimitiveType::TriangleStrip, 2, quad, sizeof(ColourVertex));
}

void SetStage(plat::Device& d, uint32_t colourOp, uint32_t colourArg, uint32_t alphaArg) {
  d.SetTextureStageState(0, plat::TextureStageState::ColorOp, colourOp);
  d.SetTextureStageState(0, plat::TextureStageState::ColorArg1, colourArg);
  d.SetTextureStageState(0, plat::TextureStageState::AlphaOp, plat::TextureOp::SelectArg1);
  d.SetTextureStageState(0, plat::TextureStageState::AlphaArg1, alphaArg);
}

class RideLiveTest : public ::testing::Test {
 protected:
  void SetUp() override {
    setenv("LIBGL_ALWAYS_SOFTWARE", "1", 0);
    window = plat::CreateGameWindow("Halvenor ride", kWidth, kHeight, plat::WindowBackend::Live);
    if (!window) GTEST_SKIP() << "no display for a live window";
    plat::RegisterGlBackend();
    plat::SetClock(&clock);
    clock.AdvanceMs(1);
    setenv("HALVENOR_HEADLESS", "0", 1);
    game = std::make_unique<VAvazadOvurUrovi>();
    game->Init(window, nullptr);
    game->InitDevice(kWidth, kHeight, 32, 1);
    setenv("HALVENOR_HEADLESS", "1", 1);
    ASSERT_NE(EngineDevice(), nullptr);
    ASSERT_EQ(EngineDevice()->Backend().Name(), "gl");
    plat::KeepRendererLoaded();
    game->baseDirectory = HALVENOR_PARK_DIR;
    for (const auto& [name, file] : kEffects) {
      g_device->LoadEffect(name, (std::string(HALVENOR_PARK_DIR) + "\\effects\\" + file).c_str(), 0);
    }
    plat::Light sun;
    sun.type = plat::LightType::Point;
    sun.position = {10, 500, -10};
    sun.direction = plat::Vec3Normalized(plat::Vec3{0, 0, 0} - sun.position);
    sun.diffuse = sun.ambient = {0.9f, 0.9f, 0.9f, 1.0f};
    sun.range = 10000.0f;
    g_lights->AddLight(sun, 1);
    game->LoadObjectDescriptors();
  }
  void TearDown() override {
    game.reset();
    plat::SetClock(nullptr);
    plat::SetLiveBackendFactory({});
    if (window) plat::DestroyGameWindow(window);
  }

  CAttraction* Place(const char* name) {
    int32_t index = -1;
    ObjectTypeDescriptor type;
    if (!game->FindObjectTypeByName(name, &type, &index)) return nullptr;
    CAttraction preview;
    SetUpPlacementTemplate(preview, type, index, type.buildCost);
    preview.SetPosition(0, 0, 0);
    CAttraction* placed = game->placedObjects.Place(std::make_unique<CAttraction>());
    placed->InitFromTemplate(preview);
    return placed;
  }

  // The camera in front of the ride, looking at it over the pond.
  void LookAtTheRide() {
    g_camera->LookAt({-10, 14, -42}, {0, 3, 0}, {0, 1, 0});
    plat::Matrix view, projection;
    g_camera->GetViewMatrix(&view);
    plat::MatrixPerspectiveFovLH(&projection, 0.9f, float(kWidth) / kHeight, 1.0f, 500.0f);
    game->projection = projection;
    plat::Device& d = *EngineDevice();
    d.SetTransform(plat::TransformType::View, view);
    d.SetTransform(plat::TransformType::Projection, projection);
    g_frustum->Build(projection, view);
  }

  // Without a ride, the pond and the land alone.
  std::vector<uint32_t> DrawFrame(CAttraction* ride, const std::string& screenshot) {
    plat::Device& d = *EngineDevice();
    d.BeginScene();
    d.Clear(plat::ClearFlags::Target | plat::ClearFlags::ZBuffer, kSky, 1, 0);
    DrawQuad(d, 0.0f, -80, kShore, 80, 120, 0xFF3A8A3Au);  // the land behind the pond
    // The ride's mirror image below the water plane, then the water over it.
    plat::Matrix mirror;
    plat::MatrixReflect(&mirror, plat::Plane{0, 1, 0, -kWaterLevel});
    d.SetRenderState(plat::RenderState::CullMode, plat::Cull::None);
    for (uint8_t pass : {0, 1}) {
      d.SetTransform(plat::TransformType::World, mirror);
      if (ride) ride->RenderOffscreen(0.016f, pass);
    }
    d.SetRenderState(plat::RenderState::AlphaBlendEnable, 1);
    d.SetRenderState(plat::RenderState::SrcBlend, plat::Blend::SrcAlpha);
    d.SetRenderState(plat::RenderState::DestBlend, plat::Blend::InvSrcAlpha);
    // The water's colour and see-through from its vertices alone, then the
    // stage as the device starts it.
    SetStage(d, plat::TextureOp::SelectArg1, plat::TextureArg::Diffuse, plat::TextureArg::Diffuse);
    DrawQuad(d, kWaterLevel + 0.01f, -80, -80, 80, kShore, 0xA03060A0u);
    SetStage(d, plat::TextureOp::Modulate, plat::TextureArg::Texture, plat::TextureArg::Texture);
    d.SetRenderState(plat::RenderState::AlphaBlendEnable, 0);
    for (uint8_t pass : {0, 1}) {
      d.SetTransform(plat::TransformType::World, plat::IdentityMatrix());
      if (ride) ride->Render(0.016f, pass, 1);
    }
    for (const BillboardEntry& entry : game->billboards) {
      if (entry.object != ride) continue;
      entry.icon->ProjectToScreen();
      entry.icon->Render();
    }
    d.SetRenderState(plat::RenderState::ZEnable, 1);
    d.EndScene();
    d.Present();
    int width = 0, height = 0;
    std::vector<uint32_t> pixels;
    EXPECT_TRUE(plat::CaptureBackBuffer(d, width, height, pixels));
    if (!screenshot.empty()) {
      EXPECT_TRUE(plat::SaveScreenshot(d, livetest::ScreenshotPath(screenshot)));
    }
    pixels.resize(size_t(kWidth) * kHeight);
    return pixels;
  }

  // The screen point of a world point.
  static std::pair<int, int> ScreenOf(const plat::Vec3& p) {
    plat::Matrix view, projection;
    view = EngineDevice()->GetTransform(plat::TransformType::View);
    projection = EngineDevice()->GetTransform(plat::TransformType::Projection);
    plat::Vec3 s;
    plat::Vec3TransformCoord(&s, p, view * projection);
    return {int((s.x + 1) * 0.5f * kWidth), int((1 - s.y) * 0.5f * kHeight)};
  }

  plat::WindowHandle window = nullptr;
  plat::FakeClock clock;
  std::unique_ptr<VAvazadOvurUrovi> game;
};

TEST_F(RideLiveTest, TheCoasterItsMirrorImageAndItsIconsShow) {
  CAttraction* coaster = Place("Attr_Skarloop");
  ASSERT_NE(coaster, nullptr);
  // Run the ride a while, so that its cars stand out on the track.
  for (int f = 0; f < 400; ++f) {
    clock.AdvanceMs(40);
    coaster->Update(0.04f);
  }
  ASSERT_EQ(coaster->vehicles.size(), 4u);
  LookAtTheRide();
  const std::vector<uint32_t> empty = DrawFrame(nullptr, "");
  const std::vector<uint32_t> pixels = DrawFrame(coaster, "ride_live.png");
  ASSERT_EQ(game->billboards.size(), 1u);  // no film for the coaster

  const auto inView = [](std::pair<int, int> at) {
    return at.first >= 0 && at.first < kWidth && at.second >= 0 && at.second < kHeight;
  };
  const auto pixelAt = [&](std::pair<int, int> at) { return pixels[size_t(at.second) * kWidth + size_t(at.first)]; };
  // The upgrade icon: its yellow rim adds onto the sky.
  const auto icon = ScreenOf(game->billboards[0].icon->position);
  ASSERT_TRUE(inView({icon.first - 8, icon.second - 8}) && inView({icon.first + 8, icon.second + 8}));
  int bright = 0;
  for (int dy = -8; dy <= 8; ++dy) {
    for (int dx = -8; dx <= 8; ++dx) {
      const uint32_t p = pixelAt({icon.first + dx, icon.second + dy});
      bright += ((p >> 16) & 0xFF) > 230 && ((p >> 8) & 0xFF) > 200 ? 1 : 0;
    }
  }
  EXPECT_GT(bright, 3) << "icon at " << icon.first << "," << icon.second;
  // The track stands out from the sky and the land, and its mirror image
  // breaks the pond.
  int rideDrawn = 0, mirrorInWater = 0;
  const auto changed = [&](std::pair<int, int> at) {
    const size_t i = size_t(at.second) * kWidth + size_t(at.first);
    return inView(at) && pixels[i] != empty[i];
  };
  for (const auto& point : coaster->keyframes) {
    const auto above = ScreenOf(point.position);
    const auto below = ScreenOf({point.position.x, 2 * kWaterLevel - point.position.y, point.position.z});
    rideDrawn += changed(above) ? 1 : 0;
    mirrorInWater += changed(below) ? 1 : 0;
  }
  EXPECT_GT(rideDrawn, 1000);
  EXPECT_GT(mirrorInWater, 1000);
}

}  // namespace
