// The icons over attractions on the headless device: the square built in
// view space and the draw with the device state it leaves.
#include "park/CBillboardIcon.h"

#include <gtest/gtest.h>

#include "engine/render/ZOdevuvCamera.h"
#include "engine/render/ZOdevuvFrustum.h"
#include "platform/gfx/Texture.h"
#include "tests/engine/render/ModelTestSupport.h"

namespace {

using plat::RenderState;

class BillboardIconTest : public modeltest::EngineFixture {
 protected:
  void SetUp() override {
    EngineFixture::SetUp();
    // The camera 10 units before the origin, looking along +z.
    g_camera->SetPosition({0, 0, -10});
    plat::Matrix view, projection;
    g_camera->GetViewMatrix(&view);
    plat::MatrixPerspectiveFovLH(&projection, 1.2f, 1.0f, 1.0f, 1000.0f);
    g_frustum->Build(projection, view);
    icon.position = {1, 2, 0};
    icon.halfSize = 1.0f;
    icon.texture = Device().CreateTexture(2, 2, 1, 0, plat::Format::A8R8G8B8, plat::Pool::Default);
    if (!Device().InScene()) Device().BeginScene();
  }

  void Record() {
    Device().Record().Clear();
    Device().Record().Enable(true);
  }

  CBillboardIcon icon;
};

TEST_F(BillboardIconTest, TheSquareFacesTheCameraAroundTheIconsPoint) {
  CBillboardIcon fresh;
  for (const CBillboardIcon::Vertex& v : fresh.vertices) {
    EXPECT_EQ(v.x + v.y + v.z + v.u + v.v, 0.0f);
  }
  icon.ProjectToScreen();
  const CBillboardIcon::Vertex expected[] = {
      {0, 3, 10, 0, 0}, {2, 3, 10, 1, 0}, {0, 1, 10, 0, 1}, {2, 1, 10, 1, 1}};
  for (int i = 0; i < CBillboardIcon::kVertexCount; ++i) {
    const CBillboardIcon::Vertex& v = icon.vertices[i];
    EXPECT_NEAR(v.x, expected[i].x, 1e-5f) << i;
    EXPECT_NEAR(v.y, expected[i].y, 1e-5f) << i;
    EXPECT_NEAR(v.z, expected[i].z, 1e-5f) << i;
    EXPECT_EQ(v.u, expected[i].u) << i;
    EXPECT_EQ(v.v, expected[i].v) << i;
  }
}

TEST_F(BillboardIconTest, TheQuadIsAddedOntoTheSceneWithTheDepthTestLeftOff) {
  plat::Matrix view, world;
  plat::MatrixTranslation(&view, 0, 0, 10);
  plat::MatrixTranslation(&world, 4, 5, 6);
  Device().SetTransform(plat::TransformType::View, view);
  Device().SetTransform(plat::TransformType::World, world);
  icon.ProjectToScreen();
  Record();
  icon.Render();
  const auto draws = Device().Record().Draws();
  ASSERT_EQ(draws.size(), 1u);
  const plat::DrawRecord& draw = draws[0];
  EXPECT_EQ(draw.type, plat::PrimitiveType::TriangleStrip);
  EXPECT_EQ(draw.primitiveCount, 2u);
  EXPECT_TRUE(draw.userMemory);
  EXPECT_EQ(draw.stride, 20u);
  EXPECT_EQ(draw.fvf, plat::Fvf::Xyz | plat::Fvf::Tex1);
  ASSERT_EQ(draw.VertexCount(), 4u);
  EXPECT_EQ(draw.Read<float>(3, 0), icon.vertices[3].x);
  EXPECT_EQ(draw.Read<float>(3, 16), 1.0f);
  ASSERT_FALSE(draw.textures.empty());
  EXPECT_EQ(draw.textures[0], icon.texture);

  EXPECT_EQ(Device().Record().RenderStateValues(RenderState::SrcBlend), std::vector<uint32_t>{plat::Blend::SrcAlpha});
  EXPECT_EQ(Device().Record().RenderStateValues(RenderState::DestBlend), std::vector<uint32_t>{plat::Blend::One});
  EXPECT_EQ(Device().Record().RenderStateValues(RenderState::AlphaBlendEnable), (std::vector<uint32_t>{1, 0}));
  EXPECT_EQ(Device().GetRenderState(RenderState::ZEnable), 0u);
  EXPECT_EQ(Device().GetTransform(plat::TransformType::View), view);
  EXPECT_EQ(Device().GetTransform(plat::TransformType::World), world);
}

TEST_F(BillboardIconTest, AnIconOutOfSightIsNotDrawnButTheStateIsTheSame) {
  icon.position = {0, 0, -50};  // behind the camera
  icon.ProjectToScreen();
  Record();
  icon.Render();
  EXPECT_TRUE(Device().Record().Draws().empty());
  EXPECT_EQ(Device().GetRenderState(RenderState::ZEnable), 0u);
  EXPECT_EQ(Device().GetRenderState(RenderState::AlphaBlendEnable), 0u);
}

}  // namespace
