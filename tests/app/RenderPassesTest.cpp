// The passes of a game frame, read from the recording device: the water
// images, the event camera's view, the shadow pass and the main pass in
// their order, with each feature on and off; the far cut of the placed
// objects; and the hit test of the characters under the cursor.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "app/VAvazadOvurUrovi.h"
#include "engine/core/Globals.h"
#include "engine/render/ZOdevuvCamera.h"
#include "engine/render/ZOdevuvDevice.h"
#include "engine/render/ZOdevuvTexture.h"
#include "park/objects/CAttraction.h"
#include "engine/animation/CAnimInstance.h"
#include "platform/gfx/Device.h"
#include "platform/math/Math.h"
#include "platform/os/Window.h"
#include "tests/app/SavedGameTestSupport.h"

namespace {

constexpr int kWidth = 800;
constexpr int kHeight = 600;
constexpr int kWaterImageSide = 512;
constexpr int kEventImageWidth = 207;
constexpr int kEventImageHeight = 203;

bool Near(const plat::Matrix& a, const plat::Matrix& b) {
  constexpr float kTolerance = 1e-4f;
  for (int r = 0; r < 4; ++r) {
    for (int c = 0; c < 4; ++c) {
      if (std::fabs(a.m[r][c] - b.m[r][c]) > kTolerance) return false;
    }
  }
  return true;
}

// The view transforms the frame set, in order.
std::vector<plat::Matrix> ViewsSet(const plat::DeviceRecord& record) {
  std::vector<plat::Matrix> views;
  for (const plat::RecordEvent& event : record.Events()) {
    const auto* set = event.Get<plat::TransformEvent>();
    if (event.kind == plat::EventKind::Transform && set && set->type == plat::TransformType::View) {
      views.push_back(set->matrix);
    }
  }
  return views;
}

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
    ASSERT_TRUE(eventWindow.CreateBlank(kEventImageWidth, kEventImageHeight, true));
    game->eventRenderTexture = &eventWindow;
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
    const auto* eventView = eventWindow.GetTexture()->GetSurfaceLevel(0).get();
    const plat::Resource* target = device.GetRenderTarget(0).get();
    std::vector<std::string> passes;
    for (const plat::RecordEvent& event : device.Record().Events()) {
      if (event.kind == plat::EventKind::RenderTarget) target = event.Get<plat::BindEvent>()->resource.get();
      if (event.kind == plat::EventKind::Present) passes.push_back("present");
      if (event.kind != plat::EventKind::BeginScene) continue;
      if (target == reflection) passes.push_back("reflection");
      else if (target == refraction) passes.push_back("refraction");
      else if (target == eventView) passes.push_back("event camera");
      else if (target == g_shadowMapSurface.get()) passes.push_back("shadow");
      else passes.push_back("main");
    }
    return passes;
  }

  plat::WindowHandle window = nullptr;
  std::unique_ptr<VAvazadOvurUrovi> game;
  // The event window's texture, which the GUI owns in the game.
  ZOdevuvTexture eventWindow;
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

TEST_F(RenderPassesTest, TheEventCameraViewIsDrawnFromTheFlightsSecondPointAndPutsTheCameraBack) {
  game->refractionEnabled = 0;
  game->reflectionEnabled = 0;
  game->shadowEnabled = 0;
  game->eventCameraActive = 1;
  // Before the flight has written its second point there is no view.
  game->cameraViews.resize(1);
  EXPECT_EQ(PassesOfAFrame(), (std::vector<std::string>{"main", "present"}));

  game->cameraViews.resize(2);
  game->cameraViews[1] = {{40, 12, -30}, {0, 0, 1}, {0, 1, 0}, {}};
  ASSERT_NE(g_camera, nullptr);
  g_camera->position = {1, 17, 10};
  g_camera->look = {0, 0, -1};
  g_camera->right = {-1, 0, 0};
  g_camera->up = {0, 1, 0};
  plat::Device& device = *g_device->GetDevice();
  device.Record().Clear();
  device.Record().Enable(true);
  game->Frame(0.02f);
  device.Record().Enable(false);
  // The view of the event pass looks from the point along its look, with
  // right = hint x look.
  plat::Matrix eventView;
  plat::MatrixLookAtLH(&eventView, {40, 12, -30}, {40, 12, -29}, {0, 1, 0});
  const std::vector<plat::Matrix> views = ViewsSet(device.Record());
  EXPECT_TRUE(std::any_of(views.begin(), views.end(), [&](const plat::Matrix& view) { return Near(view, eventView); }));
  EXPECT_EQ(g_camera->position, (plat::Vec3{1, 17, 10}));
  EXPECT_EQ(g_camera->look, (plat::Vec3{0, 0, -1}));
  EXPECT_EQ(g_camera->right, (plat::Vec3{-1, 0, 0}));
  plat::Matrix cameraView;
  g_camera->GetViewMatrix(&cameraView);
  EXPECT_TRUE(Near(device.GetTransform(plat::TransformType::View), cameraView));
  EXPECT_EQ(PassesOfAFrame(), (std::vector<std::string>{"event camera", "main", "present"}));
  // A halted game keeps the last view in the window.
  game->simulationHalted = 1;
  EXPECT_EQ(PassesOfAFrame(), (std::vector<std::string>{"main", "present"}));
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
  // The options' music value gives the base as the options screen maps it,
  // an attraction within 30 units fades it; the player's range ends at
  // -10000. Above 100 the base stays at full loudness, so that the fade near
  // an attraction is heard at the loudest knob too; a value outside the
  // knob's range 0..150 counts as its end.
  struct Case {
    int32_t value;
    float nearestSquared;
    int32_t volume;
  };
  const Case cases[] = {{100, -1.0f, 0},     {50, -1.0f, -2500},   {100, 800.0f, -1000}, {0, 0.0f, -10000},
                        {150, -1.0f, 0},     {150, 800.0f, -1000}, {150, 500.0f, -4000}, {400, 800.0f, -1000},
                        {-30, -1.0f, -5000}, {-30, 850.0f, -5500}};
  for (const Case& c : cases) {
    EXPECT_EQ(VAvazadOvurUrovi::MusicVolumeNear(c.value, c.nearestSquared), c.volume)
        << c.value << " at " << c.nearestSquared;
  }
  // 490 fills the bar; more does not overrun it.
  EXPECT_EQ(VAvazadOvurUrovi::LoadingBarWidth(490, 245), 245);
  EXPECT_EQ(VAvazadOvurUrovi::LoadingBarWidth(490, 490), 490);
  EXPECT_EQ(VAvazadOvurUrovi::LoadingBarWidth(490, 900), 490);
  // Laid out for 1024 by 768, placed for the screen.
  EXPECT_EQ(VAvazadOvurUrovi::ScaleToScreen(456, 1024, 800), 356);
  EXPECT_EQ(VAvazadOvurUrovi::ScaleToScreen(456, 1024, 1024), 456);
}

namespace {

// The characters of the demo park's manager in front of a camera that
// looks down the z axis, with the cursor on the screen's centre.
class CharacterHitTest : public savedgametest::SavedGameTest {
 protected:
  static constexpr int32_t kCentreX = 400;
  static constexpr int32_t kCentreY = 300;

  void SetUp() override {
    SavedGameTest::SetUp();
    (new ZOdevuvCamera)->LookAt({0, 1, -20}, {0, 1, 0}, {0, 1, 0});  // the main object deletes it
    plat::Matrix projection;
    plat::MatrixPerspectiveFovLH(&projection, plat::kPi / 4, 800.0f / 600.0f, 1.0f, 5000.0f);
    g_device->GetDevice()->SetTransform(plat::TransformType::Projection, projection);
  }

  // A character of the kind whose bounding sphere stands at the point.
  REraduzizVisitor* Make(int32_t id, const plat::Vec3& at) {
    REraduzizVisitor* character = Manager().CreateVisitor(id, 0, at);
    if (!character || !character->GetAnimInstance()) return nullptr;
    plat::Vec3 centre;
    character->GetAnimInstance()->GetWorldSphereCenter(&centre);
    plat::Matrix world, current;
    character->GetAnimInstance()->GetWorldTransform(&current);
    plat::MatrixTranslation(&world, at.x - centre.x + current.m[3][0], at.y - centre.y + current.m[3][1],
                            at.z - centre.z + current.m[3][2]);
    character->GetAnimInstance()->SetWorldTransform(world);
    return character;
  }
};

}  // namespace

TEST_F(CharacterHitTest, VisitorsThenSpecialCharactersThenPlacedOnesAreHitAndMissingOnesSkipped) {
  // No character at all, and none of the special ones exists.
  for (int32_t id : {1, 2, 3, 4, 5}) Manager().RemoveCharacterById(id);
  EXPECT_EQ(Game().HitTestCharacters(kCentreX, kCentreY), nullptr);

  // Behind the eye: never hit, whichever test is used.
  REraduzizVisitor* behind = Make(4, {0, 1, -40});
  ASSERT_NE(behind, nullptr);
  EXPECT_EQ(Game().HitTestCharacters(kCentreX, kCentreY), nullptr);

  // A placed character (with the segment test) ahead.
  REraduzizVisitor* placed = Make(900, {0, 1, 30});
  ASSERT_NE(placed, nullptr);
  PlacementRecord record;
  record.id = 900;
  Game().placedCharacters.push_back(record);
  EXPECT_EQ(Game().HitTestCharacters(kCentreX, kCentreY), placed);
  // A special character comes before it, a visitor before both.
  REraduzizVisitor* special = Make(2, {0, 1, 20});
  ASSERT_NE(special, nullptr);
  EXPECT_EQ(Game().HitTestCharacters(kCentreX, kCentreY), special);
  REraduzizVisitor* visitor = Make(5000, {0, 1, 10});
  ASSERT_NE(visitor, nullptr);
  Manager().AddLiveId(5000);
  EXPECT_EQ(Game().HitTestCharacters(kCentreX, kCentreY), visitor);
  // Off the cursor nothing is hit.
  EXPECT_EQ(Game().HitTestCharacters(5, 5), nullptr);
}
