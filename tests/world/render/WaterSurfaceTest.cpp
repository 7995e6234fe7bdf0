// The water: the square and its images, the "Water2" light with and
// without lights, the noise phase that starts again at 1, and the demo
// park's water textures found through their blank-ended names.
#include <cmath>
#include <cstring>

#include "platform/os/DebugOutput.h"
#include "tests/world/render/WorldRenderFixture.h"
#include "world/CWaterSurface.h"
#include "world/render/WorldTexture.h"

namespace {

class WaterSurfaceTest : public worldrender::WorldRenderFixture {
 protected:
  void SetUp() override {
    WorldRenderFixture::SetUp();
    LoadWorldEffects();
    auto blank = [&] { return Device().CreateTexture(4, 4, 1, 0, plat::Format::A8R8G8B8, plat::Pool::Managed); };
    images_ = {blank(), blank(), blank(), blank(), blank(), blank()};
  }

  std::vector<float> Floats(const char* name) const { return LastSet(name).floats; }

  CWaterSurface water_;
  CWaterSurface::Images images_;
};

TEST_F(WaterSurfaceTest, SquareIsDrawnAtItsHeightWithTheGivenImages) {
  Record([&] { water_.Render(images_); });
  const std::vector<plat::DrawRecord> draws = Draws();
  ASSERT_EQ(draws.size(), 1u);
  EXPECT_EQ(draws[0].effect, EffectFile("Water2"));
  EXPECT_EQ(draws[0].technique, "ReflectionRefractionSpecular");
  EXPECT_EQ(draws[0].primitiveCount, 2u);
  ASSERT_EQ(draws[0].VertexCount(), 6u);
  const float x[6] = {-500, 500, -500, 500, 500, -500}, z[6] = {500, 500, -500, 500, -500, -500};
  const float u[6] = {0, 10, 0, 10, 10, 0}, v[6] = {0, 0, 10, 0, 10, 10};
  for (uint32_t k = 0; k < 6; ++k) {
    EXPECT_EQ(draws[0].Read<float>(k, 0), x[k]);
    EXPECT_EQ(draws[0].Read<float>(k, 4), -0.5f);
    EXPECT_EQ(draws[0].Read<float>(k, 8), z[k]);
    EXPECT_EQ(draws[0].Read<float>(k, 24), u[k]);
    EXPECT_EQ(draws[0].Read<float>(k, 28), v[k]);
  }
  EXPECT_EQ(LastSet("g_texRefraction").texture, images_.refraction);
  EXPECT_EQ(LastSet("g_texReflection").texture, images_.reflection);
  EXPECT_EQ(LastSet("g_texNoise1DUDV").texture, images_.noise1Dudv);
  EXPECT_EQ(LastSet("g_texNoise2Normals").texture, images_.noise2Normals);
  LastSet("g_matWorldViewProj");
  LastSet("g_vEyePos");
}

TEST_F(WaterSurfaceTest, LightIsLightZerosOrTheDownwardDefault) {
  Record([&] { water_.Render(images_); });
  EXPECT_EQ(Floats("g_vLightDir"), (std::vector<float>{0, -1, 0, 0}));
  EXPECT_EQ(Floats("g_cLightDiffuse"), (std::vector<float>{0.9f, 0.9f, 0.85f, 1}));
  EXPECT_EQ(Floats("g_cLightAmbient"), (std::vector<float>{0.9f, 0.9f, 0.85f, 1}));
  AddSun();
  Record([&] { water_.Render(images_); });
  EXPECT_EQ(Floats("g_cLightDiffuse"), (std::vector<float>{0.9f, 0.8f, 0.7f, 1}));
  EXPECT_EQ(Floats("g_cLightAmbient"), (std::vector<float>{0.3f, 0.3f, 0.3f, 1}));
  EXPECT_EQ(Floats("g_vLightDir").at(3), 0.0f);
}

TEST_F(WaterSurfaceTest, PhaseStartsAgainAfterReachingOne) {
  Record([&] { water_.Render(images_); });
  EXPECT_FLOAT_EQ(water_.GetPhase(), 0.001f);
  const std::vector<float> first = Floats("g_fNoise1OffsetUV");
  EXPECT_FLOAT_EQ(first.at(0), std::sin(0.001f));
  EXPECT_FLOAT_EQ(first.at(1), std::cos(0.001f));
  EXPECT_EQ(Floats("g_fNoise2OffsetUV"), first);
  int frames = 1;
  while (water_.GetPhase() < CWaterSurface::kPhaseEnd && frames < 2000) {
    water_.Render(images_);
    ++frames;
  }
  EXPECT_NEAR(frames, 1000, 2);
  water_.Render(images_);
  EXPECT_EQ(water_.GetPhase(), 0.0f);
}

TEST_F(WaterSurfaceTest, AMissingNoiseMapLeavesTheWaterOut) {
  images_.noise2Dudv.reset();
  Record([&] { water_.Render(images_); });
  EXPECT_TRUE(Draws().empty());
  EXPECT_EQ(water_.GetPhase(), 0.0f);
  // The stand-bys may be missing: the water still draws.
  images_.noise2Dudv = images_.noise1Dudv;
  images_.refraction.reset();
  images_.reflection.reset();
  Record([&] { water_.Render(images_); });
  EXPECT_EQ(Draws().size(), 1u);
}

TEST_F(WaterSurfaceTest, DemoParkWaterTexturesLoadByTheirBlankEndedNames) {
  std::string output;
  plat::SetDebugOutputSink([&](std::string_view text) { output += text; });
  for (const char* file : CWaterSurface::kTextureFiles) {
    EXPECT_EQ(file[std::strlen(file) - 1], ' ');
    EXPECT_TRUE(LoadWorldTexture(std::string(HALVENOR_PARK_DIR) + "\\", file)) << file;
  }
  plat::SetDebugOutputSink(nullptr);
  EXPECT_EQ(output, "");
}

}  // namespace
