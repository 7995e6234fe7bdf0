#include <gtest/gtest.h>

#include "platform/gfx/Device.h"
#include "platform/math/Math.h"
#include "tests/platform/gfx/DeviceTestSupport.h"

namespace plat::test {
namespace {

struct RenderDefault {
  RenderState state;
  std::uint32_t value;
};

TEST_F(DeviceTest, RenderStatesStartAtTheDevicesDefaults) {
  const RenderDefault table[] = {
      {RenderState::ZEnable, ZBuffer::On},  // the device has an automatic depth buffer
      {RenderState::ZWriteEnable, kTrue},
      {RenderState::ZFunc, Compare::LessEqual},
      {RenderState::FillMode, Fill::Solid},
      {RenderState::ShadeMode, Shade::Gouraud},
      {RenderState::CullMode, Cull::Ccw},
      {RenderState::Lighting, kTrue},
      {RenderState::SpecularEnable, kFalse},
      {RenderState::AlphaBlendEnable, kFalse},
      {RenderState::SrcBlend, Blend::One},
      {RenderState::DestBlend, Blend::Zero},
      {RenderState::BlendOp, BlendOperation::Add},
      {RenderState::AlphaTestEnable, kFalse},
      {RenderState::AlphaRef, 0},
      {RenderState::AlphaFunc, Compare::Always},
      {RenderState::FogEnable, kFalse},
      {RenderState::FogEnd, FloatBits(1.0f)},
      {RenderState::StencilMask, 0xFFFFFFFFu},
      {RenderState::Ambient, 0},
      {RenderState::ColorVertex, kTrue},
      {RenderState::DiffuseMaterialSource, MaterialSource::Color1},
      {RenderState::SpecularMaterialSource, MaterialSource::Color2},
      {RenderState::AmbientMaterialSource, MaterialSource::Material},
      {RenderState::PointSize, FloatBits(1.0f)},
      {RenderState::PointSizeMin, FloatBits(1.0f)},
      {RenderState::PointSpriteEnable, kFalse},
      {RenderState::PointScaleEnable, kFalse},
      {RenderState::PointScaleA, FloatBits(1.0f)},
      {RenderState::PointScaleB, FloatBits(0.0f)},
      {RenderState::PointScaleC, FloatBits(0.0f)},
      {RenderState::ColorWriteEnable, 0xF},
      {RenderState::TextureFactor, 0xFFFFFFFFu},
      {RenderState::AntialiasedLineEnable, kFalse},
  };
  for (const RenderDefault& d : table) {
    EXPECT_EQ(dev().GetRenderState(d.state), d.value) << "state " << std::uint32_t(d.state);
  }
}

TEST_F(DeviceTest, StageZeroModulatesTextureWithDiffuseAndLaterStagesAreDisabled) {
  using S = TextureStageState;
  EXPECT_EQ(dev().GetTextureStageState(0, S::ColorOp), TextureOp::Modulate);
  EXPECT_EQ(dev().GetTextureStageState(0, S::ColorArg1), TextureArg::Texture);
  EXPECT_EQ(dev().GetTextureStageState(0, S::ColorArg2), TextureArg::Current);
  EXPECT_EQ(dev().GetTextureStageState(0, S::AlphaOp), TextureOp::SelectArg1);
  EXPECT_EQ(dev().GetTextureStageState(0, S::AlphaArg1), TextureArg::Texture);
  for (std::uint32_t stage = 1; stage < kTextureStageCount; ++stage) {
    EXPECT_EQ(dev().GetTextureStageState(stage, S::ColorOp), TextureOp::Disable) << stage;
    EXPECT_EQ(dev().GetTextureStageState(stage, S::AlphaOp), TextureOp::Disable) << stage;
    EXPECT_EQ(dev().GetTextureStageState(stage, S::TexCoordIndex), stage);
  }
}

TEST_F(DeviceTest, SamplersStartWithPointFilteringAndWrapping) {
  for (std::uint32_t s = 0; s < kSamplerCount; ++s) {
    EXPECT_EQ(dev().GetSamplerState(s, SamplerState::MinFilter), TextureFilter::Point);
    EXPECT_EQ(dev().GetSamplerState(s, SamplerState::MagFilter), TextureFilter::Point);
    EXPECT_EQ(dev().GetSamplerState(s, SamplerState::MipFilter), TextureFilter::None);
    EXPECT_EQ(dev().GetSamplerState(s, SamplerState::AddressU), TextureAddress::Wrap);
    EXPECT_EQ(dev().GetSamplerState(s, SamplerState::AddressV), TextureAddress::Wrap);
    EXPECT_EQ(dev().GetSamplerState(s, SamplerState::MipMapLodBias), FloatBits(0.0f));
    EXPECT_EQ(dev().GetTexture(s), nullptr);
  }
}

TEST_F(DeviceTest, TransformsStartAsIdentityAndViewportCoversTheBackBuffer) {
  for (TransformType t : {TransformType::World, TransformType::View, TransformType::Projection,
                          TransformType::Texture0}) {
    EXPECT_TRUE(MatrixIsIdentity(dev().GetTransform(t))) << std::uint32_t(t);
  }
  Viewport vp = dev().GetViewport();
  EXPECT_EQ(vp.x, 0u);
  EXPECT_EQ(vp.width, 800u);
  EXPECT_EQ(vp.height, 600u);
  EXPECT_EQ(vp.maxZ, 1.0f);
  EXPECT_TRUE(dev().TestCooperativeLevel());
  EXPECT_FALSE(dev().GetDeviceCaps().textureCaps & TextureCaps::Pow2);
  EXPECT_NE(dev().GetDeviceCaps().vertexProcessingCaps, 0u);
}

TEST_F(DeviceTest, OutOfRangeKeysAreRefusedWithoutTouchingOtherState) {
  EXPECT_FALSE(dev().SetTextureStageState(kTextureStageCount, TextureStageState::ColorOp, 7));
  EXPECT_FALSE(dev().SetSamplerState(kSamplerCount, SamplerState::MinFilter, 2));
  EXPECT_FALSE(dev().SetTexture(kSamplerCount, nullptr));
  EXPECT_FALSE(dev().SetRenderState(RenderState(kRenderStateCount), 1));
  EXPECT_FALSE(dev().SetTransform(TransformType(99), IdentityMatrix()));
  EXPECT_EQ(dev().GetTextureStageState(kTextureStageCount, TextureStageState::ColorOp), 0u);
}

TEST(DeviceCreation, BackBufferFormatFollowsTheBitDepth) {
  const std::pair<int, Format> table[] = {
      {16, Format::R5G6B5}, {24, Format::X8R8G8B8}, {32, Format::A8R8G8B8}, {8, Format::A8R8G8B8}};
  for (const auto& [bits, format] : table) {
    auto device = MakeHeadlessDevice(640, 480, bits);
    ASSERT_TRUE(device);
    EXPECT_EQ(device->BackBufferFormat(), format) << bits;
    EXPECT_EQ(device->GetBackBuffer()->Width(), 640);
    EXPECT_EQ(device->GetRenderTarget(0), device->GetBackBuffer());
    EXPECT_EQ(device->GetDepthStencilSurface()->Desc().format, Format::D24S8);
  }
}

TEST(DeviceCreation, RefusesEmptySizesAndFallsBackToHeadlessWithoutALiveBackend) {
  DeviceParams params;
  params.width = 0;
  std::string error;
  EXPECT_FALSE(CreateDevice(params, &error));
  EXPECT_FALSE(error.empty());

  params.width = 320;
  params.backend = BackendChoice::Live;
  SetLiveBackendFactory({});
  auto device = CreateDevice(params);
  ASSERT_TRUE(device);
  EXPECT_EQ(device->Backend().Name(), "headless");
}

TEST(DeviceCreation, UsesTheRegisteredLiveBackendUnlessHeadlessIsAsked) {
  struct FakeLive : DeviceBackend {
    std::string_view Name() const override { return "fake-live"; }
    void Clear(const DeviceState&, std::uint32_t, std::uint32_t, float, std::uint32_t) override {}
    void Draw(const DeviceState&, const DrawParams&) override {}
    void DrawText(const DeviceState&, const TextDraw&) override {}
    void StretchRect(const Surface&, const Rect*, Surface&, const Rect*) override {}
  };
  SetLiveBackendFactory([](const DeviceParams&, std::string&) -> std::unique_ptr<DeviceBackend> {
    return std::make_unique<FakeLive>();
  });
  DeviceParams params;
  params.backend = BackendChoice::Live;
  EXPECT_EQ(CreateDevice(params)->Backend().Name(), "fake-live");
  params.backend = BackendChoice::Headless;
  EXPECT_EQ(CreateDevice(params)->Backend().Name(), "headless");

  SetLiveBackendFactory([](const DeviceParams&, std::string& error) {
    error = "no display";
    return std::unique_ptr<DeviceBackend>();
  });
  params.backend = BackendChoice::Live;
  std::string error;
  EXPECT_FALSE(CreateDevice(params, &error));
  EXPECT_EQ(error, "no display");
  SetLiveBackendFactory({});
  EXPECT_FALSE(HasLiveBackendFactory());
}

TEST_F(DeviceTest, ScenesDoNotNestAndEndOnlyWhenBegun) {
  EXPECT_FALSE(dev().EndScene());
  EXPECT_TRUE(dev().BeginScene());
  EXPECT_FALSE(dev().BeginScene());
  EXPECT_TRUE(dev().InScene());
  EXPECT_TRUE(dev().EndScene());
  dev().Present();
  EXPECT_EQ(dev().Record().Count(EventKind::BeginScene), 1u);
  EXPECT_EQ(dev().Record().Count(EventKind::Present), 1u);
}

TEST_F(DeviceTest, LightsKeepTheirSettingsAndAnUnsetLightEnablesAsTheDefaultLight) {
  Light light;
  EXPECT_FALSE(dev().GetLight(3, light));
  dev().LightEnable(3, true);
  ASSERT_TRUE(dev().GetLight(3, light));
  EXPECT_EQ(light.type, LightType::Directional);
  EXPECT_EQ(light.diffuse.r, 1.0f);
  EXPECT_EQ(light.direction.z, 1.0f);
  EXPECT_TRUE(dev().GetLightEnable(3));

  Light point;
  point.type = LightType::Point;
  point.range = 1000;
  dev().SetLight(3, point);
  ASSERT_TRUE(dev().GetLight(3, light));
  EXPECT_EQ(light.type, LightType::Point);
  EXPECT_TRUE(dev().GetLightEnable(3)) << "setting a light keeps its enable";
  dev().LightEnable(3, false);
  EXPECT_FALSE(dev().GetLightEnable(3));

  Material m;
  m.power = 128;
  m.diffuse = {1, 0.5f, 0, 1};
  dev().SetMaterial(m);
  EXPECT_EQ(dev().GetMaterial().power, 128.0f);
  EXPECT_EQ(dev().GetMaterial().diffuse.g, 0.5f);
}

TEST(DeviceRecording, IsOffByDefaultAndClearEmptiesIt) {
  DeviceParams params;
  params.backend = BackendChoice::Headless;
  auto device = CreateDevice(params);
  device->SetRenderState(RenderState::Lighting, kFalse);
  device->BeginScene();
  device->Clear(ClearFlags::Target, 0, 1, 0);
  EXPECT_TRUE(device->Record().Events().empty());
  device->Record().Enable(true);
  device->SetRenderState(RenderState::Lighting, kTrue);
  device->SetTransform(TransformType::View, IdentityMatrix());
  ASSERT_EQ(device->Record().Events().size(), 2u);
  EXPECT_EQ(device->Record().Events()[1].kind, EventKind::Transform);
  EXPECT_EQ(device->Record().RenderStateValues(RenderState::Lighting),
            std::vector<std::uint32_t>{kTrue});
  device->Record().Clear();
  EXPECT_TRUE(device->Record().Events().empty());
}

TEST(DeviceTypes, FloatBitsRoundTripAndMatchTheIeeeWord) {
  EXPECT_EQ(FloatBits(1.0f), 0x3F800000u);
  EXPECT_EQ(FloatBits(0.0f), 0u);
  EXPECT_EQ(FloatFromBits(FloatBits(-4.8f)), -4.8f);
}

}  // namespace
}  // namespace plat::test
