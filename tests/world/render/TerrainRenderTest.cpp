// Drawing the land: the "Landscape" parameters with and without a light,
// the base-map object's world matrix, the layer and alpha-map textures of
// the demo park, and reloading the alpha maps.
#include <cmath>

#include "engine/render/ZOdevuvCamera.h"
#include "engine/render/ZOdevuvGameObject.h"
#include "platform/math/Math.h"
#include "platform/os/DebugOutput.h"
#include "tests/world/render/WorldRenderFixture.h"

namespace {

using Land = CHeightMapHandlerClass;

class TerrainRenderTest : public worldrender::WorldRenderFixture {
 protected:
  void SetUp() override {
    WorldRenderFixture::SetUp();
    LoadWorldEffects();
    auto* object = new ZOdevuv3DObject();
    object->Init(1, 3, modeltest::NewVertices({modeltest::Vertex({0, 0, 0}, 0, 0), modeltest::Vertex({1, 0, 0}, 1, 0),
                                               modeltest::Vertex({0, 0, 1}, 0, 1)}));
    plat::MatrixTranslation(&object->worldMatrix, 5, 0, 0);
    object->rotation = {0, 90, 0};
    baseMap_.AddMeshObject(object);
    g_camera->LookAt({0, 50, -50}, {0, 0, 0}, {0, 1, 0});
    g_camera->GetViewMatrix(&view_);
  }

  plat::Vec4 Vector(const char* name) const {
    const plat::EffectValue value = LastSet(name);
    if (value.floats.size() < 4) return {};
    return {value.floats[0], value.floats[1], value.floats[2], value.floats[3]};
  }

  void ExpectVector(const char* name, const plat::Vec4& expected) const {
    const plat::Vec4 v = Vector(name);
    EXPECT_NEAR(v.x, expected.x, 1e-4) << name;
    EXPECT_NEAR(v.y, expected.y, 1e-4) << name;
    EXPECT_NEAR(v.z, expected.z, 1e-4) << name;
    EXPECT_NEAR(v.w, expected.w, 1e-4) << name;
  }

  // A direction seen from the camera: turned by the view, never moved.
  plat::Vec4 InView(const plat::Vec3& direction) const {
    plat::Vec3 turned;
    plat::Vec3TransformNormal(&turned, plat::Vec3Normalized(direction), view_);
    return {turned.x, turned.y, turned.z, 0};
  }

  ZOdevuvGameObject baseMap_;
  plat::Matrix view_;
};

TEST_F(TerrainRenderTest, WithoutLightsTheFixedSunLightsTheLand) {
  Record([&] { terrain_.Render(&baseMap_); });
  ASSERT_EQ(Draws().size(), 1u);
  EXPECT_EQ(Draws()[0].effect, EffectFile("Landscape"));
  EXPECT_EQ(Draws()[0].technique, "RenderScene");
  ExpectVector("g_vLightDiffuse", {1, 1, 1, 1});
  ExpectVector("g_vLightAmbient", {0.5f, 0.5f, 0.5f, 0.5f});
  EXPECT_FLOAT_EQ(LastSet("g_fCosTheta").floats.at(0), std::cos(0.7853981852531433f));
  ExpectVector("g_vLightDir", InView(plat::Vec3{-200, -500, -200}));
  plat::Vec4 position;
  plat::Vec3Transform(&position, {200, 500, 200}, view_);
  ExpectVector("g_vLightPos", {position.x, position.y, position.z, 0});
}

TEST_F(TerrainRenderTest, LightZeroLightsTheLandWhenThereIsOne) {
  AddSun();
  Record([&] { terrain_.Render(&baseMap_); });
  ExpectVector("g_vLightDiffuse", {0.9f, 0.8f, 0.7f, 1});
  ExpectVector("g_vLightAmbient", {0.5f, 0.5f, 0.5f, 1});
  EXPECT_FLOAT_EQ(LastSet("g_fCosTheta").floats.at(0), std::cos(0.5f));
  // The direction keeps w = 0 and unit length although the view moves points.
  const plat::Vec4 direction = Vector("g_vLightDir");
  EXPECT_EQ(direction.w, 0.0f);
  EXPECT_NEAR(std::sqrt(direction.x * direction.x + direction.y * direction.y + direction.z * direction.z), 1, 1e-5);
}

TEST_F(TerrainRenderTest, EveryLayerTilesByTheTextureScaleAndTheObjectIsTurnedByItsAngles) {
  terrain_.SetTextureScale(20.0f);
  Record([&] { terrain_.Render(&baseMap_); });
  for (const char* name : {"Tilling01", "Tilling02", "Tilling03", "Tilling04", "Tilling05"}) {
    EXPECT_EQ(LastSet(name).floats, (std::vector<float>{20.0f, 20.0f})) << name;
  }
  for (const char* name : {"Offset01", "Offset05"}) EXPECT_EQ(LastSet(name).floats, (std::vector<float>{0, 0}));
  for (const char* name : {"layer_0_tex", "layer_4_tex", "mask_1_tex", "mask_4_tex", "g_txShadow", "g_vMaterial"}) {
    LastSet(name);
  }
  // The vertex at x = 1 turned by 90 degrees about y, then moved 5 along x.
  const plat::EffectValue worldView = LastSet("g_mWorldView");
  ASSERT_EQ(worldView.floats.size(), 16u);
  plat::Matrix expectedWorld, ry, move;
  plat::MatrixRotationY(&ry, 90 * 0.01745329238474369f);
  plat::MatrixTranslation(&move, 5, 0, 0);
  expectedWorld = ry * move;
  const plat::Matrix expected = expectedWorld * view_;
  for (int k = 0; k < 16; ++k) EXPECT_NEAR(worldView.floats[size_t(k)], expected.m[k / 4][k % 4], 1e-4) << k;
  const plat::Matrix kept = Device().GetTransform(plat::TransformType::World);
  for (int k = 0; k < 16; ++k) EXPECT_EQ(kept.m[k / 4][k % 4], k % 5 == 0 ? 1.0f : 0.0f) << "world kept " << k;
}

TEST_F(TerrainRenderTest, NothingIsDrawnWithoutTheModelOrTheEffect) {
  Record([&] { terrain_.Render(nullptr); });
  EXPECT_TRUE(Draws().empty());
}

TEST_F(TerrainRenderTest, DemoParkLayersAndAlphaMapsLoadAndReload) {
  std::string output;
  plat::SetDebugOutputSink([&](std::string_view text) { output += text; });
  terrain_.Init(HALVENOR_PARK_DIR);
  for (int n = 0; n < Land::kLayerCount; ++n) EXPECT_TRUE(terrain_.GetLayerTexture(n)) << n;
  // Blank until loaded, 512 square.
  ASSERT_TRUE(terrain_.GetAlphaMap(0));
  EXPECT_EQ(terrain_.GetAlphaMap(0)->Width(), Land::kAlphaMapSide);
  const auto blank = terrain_.GetAlphaMap(0);
  terrain_.LoadAlphaMaps(HALVENOR_PARK_DIR);
  for (int n = 0; n < Land::kAlphaMapCount; ++n) {
    ASSERT_TRUE(terrain_.GetAlphaMap(n)) << n;
    EXPECT_EQ(terrain_.GetAlphaMap(n)->Width(), Land::kAlphaMapSide);
  }
  EXPECT_NE(terrain_.GetAlphaMap(0), blank);
  EXPECT_EQ(output, "");
  // A folder without the files: each one reported, its map left null.
  terrain_.LoadAlphaMaps(m_dir.string().c_str());
  plat::SetDebugOutputSink(nullptr);
  for (int n = 0; n < Land::kAlphaMapCount; ++n) EXPECT_FALSE(terrain_.GetAlphaMap(n)) << n;
  for (const char* file : {"apm0.dds", "apm1.dds", "apm2.dds", "road_apm2.dds"}) {
    EXPECT_NE(output.find(file), std::string::npos) << file;
  }
  Record([&] { terrain_.Render(&baseMap_); });
  EXPECT_EQ(Draws().size(), 1u);
}

}  // namespace
