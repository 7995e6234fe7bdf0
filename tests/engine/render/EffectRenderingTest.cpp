// Render modes of a sub-mesh: which mode each pass gives, and for every
// mode the effect, technique and parameters it sets (read back from the
// headless device's record), with the fallbacks for a scene without lights.
#include <algorithm>
#include <cmath>
#include <set>

#include "engine/render/ZOdevuvCamera.h"
#include "engine/render/ZOdevuvLightManager.h"
#include "platform/gfx/Effect.h"
#include "platform/gfx/TextureLoader.h"
#include "tests/engine/render/ModelTestSupport.h"

namespace {

using modeltest::EffectSpec;
using modeltest::EngineFixture;
using plat::EffectCall;
using plat::EffectCallKind;

const EffectSpec kEffects[] = {
    {"Default", {"textured"},
     {"texture Dtex", "float4 mDiffuse", "float4 mSpecular", "float mPower", "float4x4 worldViewProj",
      "float4x4 world", "float4x4 worldInverseTranspose", "float4x4 viewInverse", "float4 vecEye",
      "float4 lightDir", "float4 lightColor", "float4 lightAmbient"}},
    {"BaseEffects", {"BaseShaders"},
     {"int shType", "float4x4 worldViewProj", "texture LightMap", "texture MixTex0", "texture BaseTexture0", "texture BaseTexture1",
      "texture CompositeBase", "texture CompositeTex0", "texture CompositeTex0Alpha", "texture CompositeTex1",
      "texture CompositeTex1Alpha", "float2 TillingMix", "float2 OffsetMix", "float2 TillingBase1",
      "float2 OffsetBase1", "float2 TillingBase2", "float2 OffsetBase2", "float2 TillingCBase1",
      "float2 OffsetCBase1", "float2 TillingCBase2", "float2 OffsetCBase2", "float2 TillingCBase3",
      "float2 OffsetCBase3", "float2 TillingCBase4", "float2 OffsetCBase4", "float2 TillingCBase5",
      "float2 OffsetCBase5", "float2 Tilling", "float2 Offset"}},
    {"BumpRefl", {"BumpMap"},
     {"float4x4 WorldViewProj", "float4x4 World", "float4x4 ViewInv", "float4 vecEye", "float4 vecLightDir",
      "texture ColorMapTex", "texture BumpMapTex", "texture ReflectionMapTex"}},
    {"SpecularMap", {"Specularmapping"},
     {"texture Dtex", "texture Stex", "float4x4 matWVP", "float4x4 matWorld", "float4x4 ViewInv",
      "float4x4 worldInverseTranspose", "float4 lDir", "float4 lDiffuse", "float4 mDiffuse", "float4 mSpecular",
      "float4 camPosition", "float mPower", "float4 lightDir", "float4 lightColor", "float4 lightAmbient"}},
    {"DiffNormal", {"diffuse"},
     {"float4x4 worldViewProj", "float4x4 world", "float4 vecLightDir", "float4 lightColor", "float4 lightAmbient"}},
    {"Default_shadow", {"RenderScene", "RenderSceneTransparency", "RenderShadow", "RenderShadowTransparency"},
     {"float4 g_vMaterial", "texture g_txScene", "texture g_txShadow", "float4 g_vLightDiffuse",
      "float4 g_vLightAmbient", "float g_fCosTheta", "float4 g_vLightPos", "float4 g_vLightDir",
      "float4x4 g_mWorldView", "float4x4 g_mProj", "float4x4 g_mViewToLightProj"}},
};

struct Maps {
  bool colour = false, opacity = false, bump = false, gloss = false, specular = false, light = false;
  bool base = false, composite = false;
};

class EffectRenderingTest : public EngineFixture {
 protected:
  void SetUp() override {
    EngineFixture::SetUp();
    for (const EffectSpec& spec : kEffects) LoadEffect(spec);
    m_texture = plat::CreateTexture(Device(), 2, 2, 1, 0, plat::Format::A8R8G8B8, plat::Pool::Managed);
    m_entry.Set(m_texture, nullptr, nullptr);
    m_object.Init(1, 3, modeltest::NewVertices({modeltest::Vertex({0, 0, 0}, 0, 0),
                                                modeltest::Vertex({1, 0, 0}, 1, 0),
                                                modeltest::Vertex({0, 1, 0}, 0, 1)}));
    ASSERT_EQ(m_object.GetSubMeshCount(), 1);
  }

  ZOdevuvSubMesh& Mesh() { return *m_object.GetSubMeshes()[0]; }

  void Give(const Maps& maps) {
    ZOdevuvSubMesh& m = Mesh();
    TextureEntry* e = &m_entry;
    m.colourMap = maps.colour ? e : nullptr;
    m.opacityMap = maps.opacity ? e : nullptr;
    m.bumpMap = maps.bump ? e : nullptr;
    m.glossMap = maps.gloss ? e : nullptr;
    m.specularMap = maps.specular ? e : nullptr;
    m.lightMap = maps.light ? e : nullptr;
    m.baseFlag = maps.base;
    m.compositeFlag = maps.composite;
  }

  // Draws the sub-mesh in the mode with the record on, inside a scene.
  void Draw(int mode) {
    Device().Record().Clear();
    Device().Record().Enable(true);
    if (!Device().InScene()) Device().BeginScene();
    Mesh().RenderSubMeshWithEffect(mode);
  }

  std::vector<EffectCall> Calls(EffectCallKind kind) const {
    std::vector<EffectCall> out;
    for (const EffectCall& c : g_device->GetDevice()->Record().EffectCalls()) {
      if (c.call == kind) out.push_back(c);
    }
    return out;
  }

  const EffectCall* Set(const std::string& name) const {
    for (const EffectCall& c : g_device->GetDevice()->Record().EffectSets(name)) m_last = c;
    return g_device->GetDevice()->Record().EffectSets(name).empty() ? nullptr : &m_last;
  }

  void AddLight() {
    plat::Light light;
    light.type = plat::LightType::Directional;
    light.direction = {0, 0, 1};
    light.position = {10, 20, 30};
    light.diffuse = {0.9f, 0.8f, 0.7f, 1};
    light.ambient = {0.1f, 0.2f, 0.3f, 1};
    light.theta = 0.5f;
    g_lights->AddLight(light, 1);
  }

  std::shared_ptr<plat::Texture> m_texture;
  TextureEntry m_entry;
  ZOdevuv3DObject m_object;
  mutable EffectCall m_last;
};

TEST_F(EffectRenderingTest, PassAndMapsChooseTheMode) {
  struct Case {
    int pass;
    Maps maps;
    int mode;
  };
  Maps composite, base, cb, cs, cg, c, co, none, cbo;
  composite.composite = composite.colour = true;
  base.base = true;
  cb.colour = cb.bump = true;
  cs.colour = cs.specular = cs.gloss = true;
  cg.colour = cg.gloss = true;
  c.colour = true;
  co.colour = co.opacity = true;
  cbo = cb;
  cbo.opacity = true;
  const Case cases[] = {
      {0, composite, 2}, {0, base, 1},  {0, cb, 3},  {0, cbo, 3}, {0, cs, 5},  {0, cg, 4},
      {0, c, 0},         {0, co, -1},   {0, none, 6}, {1, co, 7},  {1, c, -1},  {2, c, 10},
      {2, none, 10},     {2, co, -1},   {3, cb, 12}, {3, co, -1}, {4, co, 11}, {4, c, -1},
      {5, co, 13},       {6, c, 14},    {6, co, -1}, {7, co, 15}, {7, c, -1},  {8, c, -1},
      {-1, c, -1},
  };
  for (const Case& k : cases) {
    Give(k.maps);
    EXPECT_EQ(ZOdevuv3DObject::SelectRenderMode(k.pass, Mesh()), k.mode) << "pass " << k.pass << " mode " << k.mode;
  }
}

TEST_F(EffectRenderingTest, EveryEffectModeSetsItsTechniqueAndParametersByName) {
  struct Case {
    int mode;
    Maps maps;
    const char* technique;
    std::vector<const char*> parameters;
  };
  Maps colour;
  colour.colour = true;
  Maps bump = colour;
  bump.bump = true;
  Maps gloss = colour;
  gloss.gloss = true;
  const Case cases[] = {
      {0, colour, "textured",
       {"Dtex", "mDiffuse", "mSpecular", "mPower", "worldViewProj", "world", "worldInverseTranspose",
        "viewInverse", "vecEye", "lightDir", "lightColor", "lightAmbient"}},
      {1, {}, "BaseShaders",
       {"shType", "worldViewProj", "MixTex0", "BaseTexture0", "BaseTexture1", "TillingMix", "OffsetMix", "TillingBase1",
        "OffsetBase1", "TillingBase2", "OffsetBase2"}},
      {3, bump, "BumpMap",
       {"WorldViewProj", "World", "ViewInv", "Tilling", "Offset", "vecEye", "vecLightDir", "ColorMapTex",
        "BumpMapTex", "ReflectionMapTex"}},
      {4, gloss, "Specularmapping",
       {"Dtex", "Stex", "matWVP", "matWorld", "ViewInv", "worldInverseTranspose", "lDir", "lDiffuse",
        "mDiffuse", "mSpecular", "camPosition", "mPower"}},
      {8, colour, "diffuse", {"worldViewProj", "world"}},
      {10, colour, "RenderScene",
       {"g_vMaterial", "g_txScene", "g_txShadow", "g_vLightDiffuse", "g_vLightAmbient", "g_fCosTheta",
        "g_vLightPos", "g_vLightDir", "g_mWorldView", "g_mProj", "g_mViewToLightProj"}},
      {11, colour, "RenderSceneTransparency", {"g_txScene", "g_mViewToLightProj"}},
      {12, colour, "RenderShadow", {"g_mWorldView", "g_mProj", "g_txScene"}},
      {13, colour, "RenderShadowTransparency", {"g_mWorldView", "g_mProj", "g_txScene"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.technique);
    Give(c.maps);
    Draw(c.mode);
    const auto techniques = Calls(EffectCallKind::SetTechnique);
    ASSERT_FALSE(techniques.empty());
    EXPECT_EQ(techniques.back().name, c.technique);
    std::set<std::string> set;
    for (const EffectCall& p : Calls(EffectCallKind::SetParameter)) {
      EXPECT_TRUE(p.known) << p.name << " is not a parameter of " << p.effect;
      set.insert(p.name);
    }
    for (const char* name : c.parameters) EXPECT_TRUE(set.count(name)) << name;
    const auto draws = Device().Record().Draws();
    ASSERT_EQ(draws.size(), 1u);
    EXPECT_EQ(draws[0].technique, c.technique);
    EXPECT_EQ(draws[0].primitiveCount, 1u);
  }
}

TEST_F(EffectRenderingTest, WithoutLightsTheFixedLightValuesAreSent) {
  Maps colour;
  colour.colour = true;
  Give(colour);
  Draw(0);
  ASSERT_TRUE(Set("lightDir"));
  EXPECT_EQ(Set("lightDir")->value.floats, (std::vector<float>{0, -1, 0, 0}));
  EXPECT_EQ(Set("lightColor")->value.floats, (std::vector<float>{0.4f, 0.4f, 0.45f, 1.0f}));
  EXPECT_EQ(Set("lightAmbient")->value.floats, (std::vector<float>{1.0f, 0.99f, 0.95f, 1.0f}));

  Maps bump = colour;
  bump.bump = true;
  Give(bump);
  Draw(3);
  ASSERT_TRUE(Set("vecLightDir"));
  const float len = std::sqrt(0.7f * 0.7f + 0.3f * 0.3f);
  const auto& d = Set("vecLightDir")->value.floats;
  EXPECT_NEAR(d[1], -0.7f / len, 1e-6f);
  EXPECT_NEAR(d[2], 0.3f / len, 1e-6f);

  Give(colour);
  Draw(8);
  EXPECT_FALSE(Set("vecLightDir"));
  EXPECT_FALSE(Set("lightColor"));
  EXPECT_EQ(Device().Record().Draws().size(), 1u);

  // The specular mode reads light 0 without a light: the fixed light stands in.
  Maps gloss = colour;
  gloss.gloss = true;
  Give(gloss);
  Draw(4);
  ASSERT_TRUE(Set("lDir"));
  EXPECT_EQ(Set("lDir")->value.floats, (std::vector<float>{0, -1, 0, 0}));
  EXPECT_EQ(Device().Record().Draws().size(), 1u);
}

TEST_F(EffectRenderingTest, LightZeroFeedsTheLitModes) {
  AddLight();
  Maps colour;
  colour.colour = true;
  Give(colour);
  Draw(0);
  EXPECT_EQ(Set("lightDir")->value.floats, (std::vector<float>{0, 0, 1, 0}));
  EXPECT_EQ(Set("lightColor")->value.floats, (std::vector<float>{0.9f, 0.8f, 0.7f, 1}));
  Draw(8);
  EXPECT_EQ(Set("lightAmbient")->value.floats, (std::vector<float>{0.1f, 0.2f, 0.3f, 1}));
  Draw(10);
  EXPECT_FLOAT_EQ(Set("g_fCosTheta")->value.floats[0], std::cos(0.5f));
  EXPECT_EQ(Set("g_vLightDiffuse")->value.floats, (std::vector<float>{0.9f, 0.8f, 0.7f, 1}));
}

TEST_F(EffectRenderingTest, FixedFunctionModesBindTheirTextures) {
  Maps lit;
  lit.colour = lit.light = true;
  Give(lit);
  Draw(0);
  EXPECT_TRUE(Calls(EffectCallKind::SetTechnique).empty());
  auto draws = Device().Record().Draws();
  ASSERT_EQ(draws.size(), 1u);
  EXPECT_EQ(draws[0].textures[0], m_texture);
  EXPECT_EQ(draws[0].textures[1], m_texture);

  Maps colour;
  colour.colour = true;
  Give(colour);
  Mesh().simpleFlag = 1;
  Draw(0);
  EXPECT_TRUE(Calls(EffectCallKind::SetTechnique).empty());
  draws = Device().Record().Draws();
  ASSERT_EQ(draws.size(), 1u);
  EXPECT_EQ(draws[0].textures[0], m_texture);
  EXPECT_EQ(draws[0].textures[1], nullptr);

  Give({});
  Draw(6);
  draws = Device().Record().Draws();
  ASSERT_EQ(draws.size(), 1u);
  EXPECT_EQ(draws[0].textures[0], nullptr);
  EXPECT_FLOAT_EQ(Device().GetMaterial().diffuse.g, 1.0f);
  EXPECT_FLOAT_EQ(Device().GetMaterial().power, 128.0f);
  // Every mode ends with no texture in the first three stages.
  EXPECT_EQ(Device().GetTexture(0), nullptr);
}

TEST_F(EffectRenderingTest, CompositeMaterialsSendTheirFirstFiveTextures) {
  Maps composite;
  composite.composite = true;
  Give(composite);
  Mesh().compositeCount = 7;
  for (int i = 0; i < 7; ++i) {
    Mesh().compositeTextures[i] = &m_entry;
    Mesh().compositeTiling[i] = {float(i), float(i)};
  }
  Draw(2);
  int textures = 0;
  for (const EffectCall& c : Calls(EffectCallKind::SetParameter)) textures += c.value.type == plat::EffectParamType::Texture;
  EXPECT_EQ(textures, 5);
  EXPECT_EQ(Set("shType")->value.intValue, 6);
  EXPECT_EQ(Set("TillingCBase5")->value.floats, (std::vector<float>{4, 4}));
  EXPECT_EQ(Device().GetRenderState(plat::RenderState::AlphaBlendEnable), plat::kTrue);
}

TEST_F(EffectRenderingTest, TransparentModesBlendAlphaTestAndRestore) {
  struct Case {
    int mode;
    std::uint32_t destBlend;
  };
  const Case cases[] = {{7, plat::Blend::InvSrcAlpha}, {14, plat::Blend::One}, {15, plat::Blend::One}};
  Maps colour;
  colour.colour = true;
  Give(colour);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.mode);
    Draw(c.mode);
    auto& record = Device().Record();
    EXPECT_EQ(record.RenderStateValues(plat::RenderState::DestBlend), (std::vector<std::uint32_t>{c.destBlend}));
    EXPECT_EQ(record.RenderStateValues(plat::RenderState::AlphaRef), (std::vector<std::uint32_t>{0xA0}));
    EXPECT_EQ(record.RenderStateValues(plat::RenderState::CullMode),
              (std::vector<std::uint32_t>{plat::Cull::None, plat::Cull::Ccw}));
    EXPECT_EQ(Device().GetRenderState(plat::RenderState::AlphaBlendEnable), plat::kFalse);
    EXPECT_EQ(Device().GetRenderState(plat::RenderState::AlphaTestEnable), plat::kFalse);
    ASSERT_EQ(record.Draws().size(), 1u);
    EXPECT_EQ(record.Draws()[0].textures[0], m_texture);
  }
}

TEST_F(EffectRenderingTest, ShadowModesProjectFromTheDefaultSunWithoutLights) {
  Maps colour;
  colour.colour = true;
  Give(colour);
  plat::Matrix view, world;
  plat::MatrixLookAtLH(&view, {0, 10, -20}, {0, 0, 0}, {0, 1, 0});
  plat::MatrixTranslation(&world, 3, 0, 0);
  Device().SetTransform(plat::TransformType::View, view);
  Device().SetTransform(plat::TransformType::World, world);
  Draw(11);  // the device's view
  const plat::Vec3 sun{200, 500, 200};
  const plat::Vec3 d = plat::Vec3Normalized(plat::Vec3{} - sun);
  plat::Matrix lightView, lightProj, viewInverse;
  plat::MatrixLookAtLH(&lightView, sun, d * 10000.0f, {0, 1, 0});
  plat::MatrixPerspectiveFovLH(&lightProj, 1.5707963705062866f, 800.0f / 600.0f, 0.01f, 10000.0f);
  plat::MatrixInverse(&viewInverse, nullptr, view);
  const plat::Matrix expected = viewInverse * lightView * lightProj;
  const auto& got = Set("g_mViewToLightProj")->value.floats;
  ASSERT_EQ(got.size(), 16u);
  for (int i = 0; i < 16; ++i) EXPECT_NEAR(got[i], expected.m[i / 4][i % 4], 1e-4f) << i;

  Draw(12);
  const plat::Matrix worldLight = world * lightView;
  const auto& wv = Set("g_mWorldView")->value.floats;
  for (int i = 0; i < 16; ++i) EXPECT_NEAR(wv[i], worldLight.m[i / 4][i % 4], 1e-3f) << i;
  EXPECT_EQ(Device().GetRenderState(plat::RenderState::Lighting), plat::kFalse);

  // The scene mode takes its view from the camera, not the device.
  g_camera->SetPosition({5, 6, 7});
  plat::Matrix cameraView;
  g_camera->GetViewMatrix(&cameraView);
  Draw(10);
  const plat::Matrix worldView = world * cameraView;
  const auto& sv = Set("g_mWorldView")->value.floats;
  for (int i = 0; i < 16; ++i) EXPECT_NEAR(sv[i], worldView.m[i / 4][i % 4], 1e-4f) << i;
}

TEST_F(EffectRenderingTest, MissingEffectsDrawNothingAndBumpFallsBackToFixedFunction) {
  Maps colour;
  colour.colour = true;
  Give(colour);
  Mesh().bumpEffect.reset();
  Mesh().bumpMap = &m_entry;
  Draw(3);
  EXPECT_TRUE(Calls(EffectCallKind::Begin).empty());
  ASSERT_EQ(Device().Record().Draws().size(), 1u);
  Mesh().specularEffect.reset();
  Draw(4);
  Draw(9);
  Draw(16);
  EXPECT_TRUE(Device().Record().Draws().empty());
}

}  // namespace

TEST_F(EffectRenderingTest, ShadowedSceneLightDirectionIgnoresTheViewTranslation) {
  Maps colour;
  colour.colour = true;
  Give(colour);
  AddLight();  // shines along +z
  plat::Matrix view;
  plat::MatrixTranslation(&view, 100, -50, 300);  // moves, doesn't turn
  Device().SetTransform(plat::TransformType::View, view);
  Draw(11);
  const auto& d = Set("g_vLightDir")->value.floats;
  ASSERT_EQ(d.size(), 4u);
  EXPECT_NEAR(d[0], 0.0f, 1e-6f);
  EXPECT_NEAR(d[1], 0.0f, 1e-6f);
  EXPECT_NEAR(d[2], 1.0f, 1e-6f);
  EXPECT_NEAR(d[3], 0.0f, 1e-6f);
}
