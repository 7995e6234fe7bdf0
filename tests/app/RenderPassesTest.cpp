// The passes of a game frame, read from the recording device: the water
// images, the shadow pass and the main pass in their order, with each
// feature on and off; and the far cut of the placed objects.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "app/VAvazadOvurUrovi.h"
#include "engine/core/Globals.h"
#include "engine/render/ZOdevuvCamera.h"
#include "engine/render/ZOdevuvDevice.h"
#include "engine/render/ZOdevuvTexture.h"
#include "park/objects/CAttraction.h"
#include "platform/gfx/Device.h"
#include "platform/os/Window.h"

namespace {

constexpr int kWidth = 800;
constexpr int kHeight = 600;
constexpr int kWaterImageSide = 512;

// A game past its loading on a headless device, with its two water targets.
class RenderPassesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    window = plat::CreateGameWindow("passes", kWidth, kHeight, plat::WindowBackend::Headless);
    ASSERT_NE(window, nullptr);
    game = std::make_unique<VAvazadOvurUrovi>();
    game->Init(window, nullptr);
    game->InitDevice(kWidth, kHeight, 32, 0);
    game->resourcesReady = 1;
    game->simulationHalted = 0;
    game->loadingScreenActive = 0;
    for (ZOdevuvTexture** target : {&game->reflectionTarget, &game->refractionTarget}) {
      *target = new ZOdevuvTexture;
      ASSERT_TRUE((*target)->CreateBlank(kWaterImageSide, kWaterImageSide, true));
    }
  }
  void TearDown() override {
    game.reset();
    plat::DestroyGameWindow(window);
  }

  // The passes of one frame, named by the target they begin their scene on.
  std::vector<std::string> PassesOfAFrame() {
    plat::Device& device = *g_device->GetDevice();
    device.Record().Clear();
    device.Record().Enable(true);
    game->Frame(0.02f);
    device.Record().Enable(false);
    const auto* reflection = game->reflectionTarget->GetTexture()->GetSurfaceLevel(0).get();
    const auto* refraction = game->refractionTarget->GetTexture()->GetSurfaceLevel(0).get();
    const plat::Resource* target = device.GetRenderTarget(0).get();
    std::vector<std::string> passes;
    for (const plat::RecordEvent& event : device.Record().Events()) {
      if (event.kind == plat::EventKind::RenderTarget) target = event.Get<plat::BindEvent>()->resource.get();
      if (event.kind == plat::EventKind::Present) passes.push_back("present");
      if (event.kind != plat::EventKind::BeginScene) continue;
      if (target == reflection) passes.push_back("reflection");
      else if (target == refraction) passes.push_back("refraction");
      else if (target == g_shadowMapSurface.get()) passes.push_back("shadow");
      else passes.push_back("main");
    }
    return passes;
  }

  plat::WindowHandle window = nullptr;
  std::unique_ptr<VAvazadOvurUrovi> game;
};

}  // namespace

TEST_F(RenderPassesTest, AFrameDrawsTheWaterImagesTheShadowAndTheMainPassInOrder) {
  struct Case {
    uint8_t refraction, reflection, shadow;
    std::vector<std::string> passes;
  };
  const Case cases[] = {
      {1, 1, 1, {"refraction", "reflection", "shadow", "main", "present"}},
      {0, 0, 0, {"main", "present"}},
      {1, 0, 0, {"refraction", "main", "present"}},
      {0, 1, 1, {"reflection", "shadow", "main", "present"}},
  };
  for (const Case& c : cases) {
    game->refractionEnabled = c.refraction;
    game->reflectionEnabled = c.reflection;
    game->shadowEnabled = c.shadow;
    EXPECT_EQ(PassesOfAFrame(), c.passes) << int(c.refraction) << int(c.reflection) << int(c.shadow);
  }
}

TEST_F(RenderPassesTest, AHaltedGameDrawsNoWaterImagesAndAVideoFrameDrawsNothing) {
  game->simulationHalted = 1;
  EXPECT_EQ(PassesOfAFrame(), (std::vector<std::string>{"shadow", "main", "present"}));
  game->simulationHalted = 0;
  game->inGameVideoStarted = 1;
  game->inGameVideoPlaying = 1;
  EXPECT_TRUE(PassesOfAFrame().empty());
}

TEST_F(RenderPassesTest, TheReflectionClipsAtTheWaterAndLeavesTheClipPlaneOff) {
  game->refractionEnabled = 0;
  game->shadowEnabled = 0;
  plat::Device& device = *g_device->GetDevice();
  device.Record().Clear();
  device.Record().Enable(true);
  game->Frame(0.02f);
  device.Record().Enable(false);
  const std::vector<uint32_t> clip = device.Record().RenderStateValues(plat::RenderState::ClipPlaneEnable);
  ASSERT_FALSE(clip.empty());
  EXPECT_EQ(clip.front(), 1u);
  EXPECT_EQ(clip.back(), 0u);
  EXPECT_EQ(device.GetRenderState(plat::RenderState::ClipPlaneEnable), 0u);
  // Not a plane of zeros.
  const plat::Plane plane = device.GetClipPlane(0);
  EXPECT_NE(plane.a * plane.a + plane.b * plane.b + plane.c * plane.c, 0.0f);
}

TEST_F(RenderPassesTest, TheFarCutSkipsObjectsBeyondItsDistanceOnlyWhenOn) {
  ASSERT_NE(g_camera, nullptr);
  g_camera->position = {0.0f, 0.0f, 0.0f};
  struct Case {
    float x;
    uint8_t farCut;
    bool beyond;
  };
  // The cut lies at a squared distance of 80000 (about 282.8).
  const Case cases[] = {{200.0f, 1, false}, {282.0f, 1, false}, {283.0f, 1, true}, {1000.0f, 0, false}};
  for (const Case& c : cases) {
    CAttraction object;
    object.SetPosition(c.x, 0.0f, 0.0f);
    game->farCutEnabled = c.farCut;
    EXPECT_EQ(game->IsBeyondFarCut(object), c.beyond) << c.x << " far cut " << int(c.farCut);
  }
}

TEST(RenderFigures, MusicVolumeAndLoadingBarStayInTheirRanges) {
  // The setting gives the base, an attraction within 30 units fades it;
  // the player's range ends at -10000.
  EXPECT_EQ(VAvazadOvurUrovi::MusicVolumeNear(100, -1.0f), 0);
  EXPECT_EQ(VAvazadOvurUrovi::MusicVolumeNear(50, -1.0f), -2500);
  EXPECT_EQ(VAvazadOvurUrovi::MusicVolumeNear(100, 800.0f), -1000);
  EXPECT_EQ(VAvazadOvurUrovi::MusicVolumeNear(0, 0.0f), -10000);
  EXPECT_EQ(VAvazadOvurUrovi::MusicVolumeFor(0), -5000);
  EXPECT_EQ(VAvazadOvurUrovi::MusicVolumeFor(100), 0);
  // 490 fills the bar; more does not overrun it.
  EXPECT_EQ(VAvazadOvurUrovi::LoadingBarWidth(490, 245), 245);
  EXPECT_EQ(VAvazadOvurUrovi::LoadingBarWidth(490, 490), 490);
  EXPECT_EQ(VAvazadOvurUrovi::LoadingBarWidth(490, 900), 490);
  // Laid out for 1024 by 768, placed for the screen.
  EXPECT_EQ(VAvazadOvurUrovi::ScaleToScreen(456, 1024, 800), 356);
  EXPECT_EQ(VAvazadOvurUrovi::ScaleToScreen(456, 1024, 1024), 456);
}
