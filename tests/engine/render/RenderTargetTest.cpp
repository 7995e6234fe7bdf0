#include "engine/render/ZOdevuvRenderTarget.h"

#include <cmath>

#include "engine/render/ZOdevuvGameObject.h"
#include "tests/engine/render/ModelTestSupport.h"

namespace {

using plat::Vec3;

constexpr float kDegree = 3.14159265f / 180.0f;

// A camera ten units in front of the origin looking at it, and the corners
// of the box [-1, 1]^3 around the origin.
class RenderTargetTest : public modeltest::EngineFixture {
 protected:
  void SetUp() override {
    EngineFixture::SetUp();
    plat::MatrixLookAtLH(&view_, camera_, {0, 0, 0}, up_);
    plat::MatrixPerspectiveFovLH(&projection_, 3.14159265f / 4, 4.0f / 3.0f, 1.0f, 100.0f);
    world_ = plat::IdentityMatrix();
    for (int i = 0; i < 8; ++i) corners_[i] = {i & 1 ? 1.0f : -1.0f, i & 2 ? 1.0f : -1.0f, i & 4 ? 1.0f : -1.0f};
  }
  Vec3 camera_{0, 0, -10};
  Vec3 up_{0, 1, 0};
  plat::Matrix view_, projection_, world_;
  Vec3 corners_[8];
};

TEST_F(RenderTargetTest, ANewTargetAsksForItsFirstDraw) {
  ZOdevuvRenderTarget target;
  EXPECT_TRUE(target.CheckViewDirection(camera_));
  EXPECT_EQ(target.GetTexture(), nullptr);
  EXPECT_FALSE(target.BeginScene());
}

TEST_F(RenderTargetTest, RedrawOnlyWhenTheDirectionToTheCentreTurnsPastTheThreshold) {
  struct Case {
    const char* what;
    Vec3 camera;
    bool redraw;
  };
  const float r = 10.0f;
  const Case cases[] = {
      {"straight away from the centre", {0, 0, -25}, false},
      {"straight towards the centre", {0, 0, -2}, false},
      {"half a degree sideways", {r * std::sin(0.5f * kDegree), 0, -r * std::cos(0.5f * kDegree)}, false},
      {"one degree sideways", {r * std::sin(1.0f * kDegree), 0, -r * std::cos(1.0f * kDegree)}, true},
      {"one degree upwards", {0, r * std::sin(1.0f * kDegree), -r * std::cos(1.0f * kDegree)}, true},
      {"the other side", {0, 0, 10}, true},
  };
  for (const Case& c : cases) {
    ZOdevuvRenderTarget target;
    target.redraw = 0;
    target.viewDirection = {0, 0, -1};
    EXPECT_EQ(target.CheckViewDirection(c.camera), c.redraw) << c.what;
    EXPECT_EQ(target.redraw, c.redraw ? 1 : 0) << c.what;
  }
  ZOdevuvRenderTarget target;
  target.redraw = 0;
  target.viewDirection = {0.9999f, 0.0141f, 0};
  EXPECT_TRUE(target.CheckViewDirection({10, 0, 0})) << "a cosine of exactly 0.9999 redraws";
  target.viewDirection = {0, 0, -1};
  EXPECT_TRUE(target.CheckViewDirection(camera_)) << "a set flag redraws whatever the direction";
}

TEST_F(RenderTargetTest, FittedQuadLiesOnThePreviewNearPlaneAndFillsTheProjection) {
  ZOdevuvRenderTarget target;
  float distance = 0, farDistance = 0;
  ASSERT_TRUE(FitPreviewCamera(camera_, view_, projection_, world_, corners_, std::sqrt(3.0f), target,
                               distance, farDistance));
  EXPECT_NEAR(distance, 9.0f, 1e-3f) << "the box's nearest face";
  EXPECT_NEAR(farDistance, 9.0f + 2 * std::sqrt(3.0f), 1e-3f);
  EXPECT_NEAR(target.centre.x, 0, 1e-4f);
  EXPECT_NEAR(target.centre.z, -1, 1e-4f);
  EXPECT_NEAR(target.viewDirection.z, -1, 1e-5f);
  plat::Matrix view, projection;
  BuildPreviewMatrices(camera_, up_, target, distance, farDistance, view, projection);
  const plat::Matrix viewProjection = view * projection;
  const float expected[6][2] = {{-1, 1}, {1, 1}, {-1, -1}, {1, 1}, {1, -1}, {-1, -1}};
  for (int i = 0; i < 6; ++i) {
    Vec3 clip;
    plat::Vec3TransformCoord(&clip, {target.quad[i].x, target.quad[i].y, target.quad[i].z}, viewProjection);
    EXPECT_NEAR(clip.x, expected[i][0], 1e-3f) << "vertex " << i;
    EXPECT_NEAR(clip.y, expected[i][1], 1e-3f) << "vertex " << i;
    EXPECT_NEAR(clip.z, 0.0f, 1e-3f) << "vertex " << i << " on the near plane";
  }
}

TEST_F(RenderTargetTest, AnObjectAroundOrBehindTheCameraIsNotFitted) {
  ZOdevuvRenderTarget target;
  float distance = -1, farDistance = -1;
  Vec3 behind[8], flat[8];
  for (int i = 0; i < 8; ++i) {
    behind[i] = corners_[i] + Vec3{0, 0, -20};
    flat[i] = {0, 0, corners_[i].z};  // no width or height on the screen
  }
  EXPECT_FALSE(FitPreviewCamera(camera_, view_, projection_, world_, behind, 1, target, distance, farDistance));
  EXPECT_FALSE(FitPreviewCamera(camera_, view_, projection_, world_, flat, 1, target, distance, farDistance));
  EXPECT_EQ(distance, -1);
  // A game object without a model has a box of +-10000 around the camera.
  ZOdevuvGameObject empty;
  ASSERT_TRUE(target.Create(64, 64));
  const auto backBuffer = Device().GetRenderTarget(0);
  EXPECT_FALSE(RenderObjectPreview(camera_, up_, view_, projection_, world_, empty, target));
  EXPECT_EQ(Device().GetRenderTarget(0), backBuffer);
}

TEST_F(RenderTargetTest, PreviewDrawsTheObjectIntoItsTextureAndPutsTheWorldBack) {
  LoadEffect({"BaseEffects", {"BaseShaders"}, {}});
  modelwriter::Model model;
  model.meshObjects.push_back(modeltest::MeshObjectWith("box", 3));
  model.meshObjects[0].bounds = modelwriter::BoxBounds({-1, -1, -1}, {1, 1, 1});
  ZOdevuvGameObject object;
  object.Init("Object", WriteModel("m/box.efx", model).c_str(), PathOf("m").c_str(), g_lights);
  object.simpleFlag = 1;
  ZOdevuvRenderTarget target;
  ASSERT_TRUE(target.Create(256, 256));
  plat::Matrix kept;
  plat::MatrixTranslation(&kept, 5, 6, 7);
  Device().SetTransform(plat::TransformType::World, kept);
  const auto backBuffer = Device().GetRenderTarget(0);
  Device().Record().Enable(true);
  Device().Record().Clear();
  ASSERT_TRUE(RenderObjectPreview(camera_, up_, view_, projection_, world_, object, target));
  EXPECT_EQ(Device().GetTransform(plat::TransformType::World), kept);
  EXPECT_EQ(Device().GetRenderTarget(0), backBuffer);
  EXPECT_EQ(object.simpleFlag, 0);
  EXPECT_FLOAT_EQ(target.quad[4].u, 1.0f);
  EXPECT_FLOAT_EQ(target.quad[4].v, 1.0f);
  bool clearedTarget = false, drewIntoTexture = false;
  for (const plat::RecordEvent& e : Device().Record().Events()) {
    if (const auto* c = e.Get<plat::ClearRecord>()) {
      clearedTarget = c->flags == 7u && c->color == 0u;
    }
    if (const auto* b = e.Get<plat::BindEvent>(); b && e.kind == plat::EventKind::RenderTarget) {
      drewIntoTexture = drewIntoTexture || b->resource == target.GetTexture()->GetSurfaceLevel(0);
    }
  }
  EXPECT_TRUE(clearedTarget);
  EXPECT_TRUE(drewIntoTexture);
  plat::Matrix previewView, previewProjection;
  BuildPreviewMatrices(camera_, up_, target, 9.0f, 9.0f + 2 * object.GetBoundingRadius(), previewView,
                       previewProjection);
  const plat::Matrix projection = Device().GetTransform(plat::TransformType::Projection);
  EXPECT_NEAR(projection.m[0][0], previewProjection.m[0][0], 1e-3f) << "left set for the caller";
}

}  // namespace
