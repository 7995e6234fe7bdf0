#include <gtest/gtest.h>

#include "platform/gfx/Effect.h"
#include "platform/math/Math.h"
#include "tests/platform/gfx/DeviceTestSupport.h"
#include "tests/platform/os/TempTree.h"

namespace plat::test {
namespace {

const char* const kCharacterEffect = R"(
float4x4 worldViewProj;
float4x4 FinalTransforms[35];
float4 lightDir = {0, -1, 0, 0};
float mPower = 90;
int NumVertInfluences = 2;
bool ghost;
texture Dtex;

technique textured {
  pass p0 { CullMode = CCW; }
}
technique textured_ghost {
  pass p0 {
    AlphaBlendEnable = true;
    SrcBlend = SrcAlpha;
    DestBlend = InvSrcAlpha;
  }
  pass p1 { ZWriteEnable = false; }
}
)";

class EffectRun : public DeviceTest {
 protected:
  void SetUp() override {
    std::string error;
    effect_ = CreateEffectFromMemory(device_, "character.fx", kCharacterEffect, &error);
    ASSERT_TRUE(effect_) << error;
  }
  std::shared_ptr<Effect> effect_;
};

TEST_F(EffectRun, TechniquesAreFoundByNameAndUnknownOnesAreRefused) {
  EXPECT_EQ(effect_->TechniqueNames(), (std::vector<std::string>{"textured", "textured_ghost"}));
  EXPECT_EQ(effect_->CurrentTechnique(), "textured");
  EXPECT_EQ(effect_->GetTechniqueByName("textured_ghost"), 1);
  EXPECT_EQ(effect_->GetTechniqueByName("Textured"), -1) << "names are exact";
  EXPECT_FALSE(effect_->SetTechnique("RenderShadow"));
  EXPECT_EQ(effect_->CurrentTechnique(), "textured");
  EXPECT_TRUE(effect_->SetTechnique("textured_ghost"));
  EXPECT_EQ(effect_->CurrentTechnique(), "textured_ghost");
  auto calls = dev().Record().EffectCalls();
  ASSERT_EQ(calls.size(), 2u);
  EXPECT_FALSE(calls[0].known);
  EXPECT_EQ(calls[0].name, "RenderShadow");
  EXPECT_TRUE(calls[1].known);
}

TEST_F(EffectRun, UnknownParametersAreIgnoredButRecorded) {
  EXPECT_FALSE(effect_->SetVector("vecEye", {1, 2, 3, 1}));
  EXPECT_FALSE(effect_->SetTexture("LightMap", nullptr));
  EXPECT_EQ(effect_->Value("vecEye"), nullptr);
  auto sets = dev().Record().EffectSets("vecEye");
  ASSERT_EQ(sets.size(), 1u);
  EXPECT_FALSE(sets[0].known);
  EXPECT_EQ(sets[0].effect, "character.fx");
  EXPECT_EQ(sets[0].value.floats, (std::vector<float>{1, 2, 3, 1}));
}

TEST_F(EffectRun, SettersKeepValuesForTheBackend) {
  auto texture = dev().CreateTexture(4, 4, 1, 0, Format::A8R8G8B8, Pool::Managed);
  Matrix m = IdentityMatrix();
  m.m[3][0] = 7;
  EXPECT_TRUE(effect_->SetMatrix("worldViewProj", m));
  EXPECT_TRUE(effect_->SetVector("lightDir", {0.5f, -0.5f, 0, 0}));
  EXPECT_TRUE(effect_->SetFloat("mPower", 128));
  EXPECT_TRUE(effect_->SetInt("NumVertInfluences", 4));
  EXPECT_TRUE(effect_->SetBool("ghost", true));
  EXPECT_TRUE(effect_->SetTexture("Dtex", texture));
  EXPECT_EQ(effect_->Value("worldViewProj")->floats[12], 7.0f);
  EXPECT_EQ(effect_->Value("lightDir")->floats[0], 0.5f);
  EXPECT_EQ(effect_->Value("mPower")->floats, (std::vector<float>{128}));
  EXPECT_EQ(effect_->Value("NumVertInfluences")->intValue, 4);
  EXPECT_EQ(effect_->Value("ghost")->intValue, 1);
  EXPECT_EQ(effect_->Value("Dtex")->texture, texture);
  EXPECT_TRUE(effect_->SetTexture("Dtex", nullptr));
  EXPECT_EQ(effect_->Value("Dtex")->texture, nullptr);
  EXPECT_FALSE(effect_->SetTexture("mPower", texture)) << "wrong type";
  EXPECT_FALSE(effect_->SetMatrix("lightDir", m)) << "wrong type";
  auto sets = dev().Record().EffectSets("mPower");
  ASSERT_EQ(sets.size(), 2u);
  EXPECT_EQ(sets[0].value.floats[0], 128.0f);
  EXPECT_FALSE(sets[1].known);
}

TEST_F(EffectRun, MatrixArraysStopAtTheParameterSize) {
  std::vector<Matrix> palette(40, IdentityMatrix());
  palette[34].m[0][0] = 3;
  palette[35].m[0][0] = 9;
  EXPECT_TRUE(effect_->SetMatrixArray("FinalTransforms", palette.data(), 40));
  const EffectValue* v = effect_->Value("FinalTransforms");
  ASSERT_EQ(v->floats.size(), 35u * 16);
  EXPECT_EQ(v->floats[34 * 16], 3.0f);
  EXPECT_EQ(dev().Record().EffectSets("FinalTransforms")[0].value.floats.size(), 35u * 16);
  EXPECT_FALSE(effect_->SetMatrixArray("FinalTransforms", nullptr, 2));
  // A float array larger than the parameter fills what fits.
  const float pair[3] = {1, 2, 3};
  EXPECT_TRUE(effect_->SetFloatArray("lightDir", pair, 3));
  EXPECT_EQ(effect_->Value("lightDir")->floats, (std::vector<float>{1, 2, 3, 0}));
}

TEST_F(EffectRun, PassesSetTheirStatesDrawThroughTheEffectAndEndRestores) {
  dev().SetRenderState(RenderState::SrcBlend, Blend::One);
  ASSERT_TRUE(effect_->SetTechnique("textured_ghost"));
  std::uint32_t passes = 0;
  ASSERT_TRUE(effect_->Begin(&passes, 0));
  EXPECT_EQ(passes, 2u);
  EXPECT_FALSE(effect_->Begin(&passes, 0)) << "already begun";
  EXPECT_FALSE(effect_->BeginPass(2));
  ASSERT_TRUE(effect_->BeginPass(0));
  EXPECT_EQ(dev().GetRenderState(RenderState::AlphaBlendEnable), kTrue);
  EXPECT_EQ(dev().GetRenderState(RenderState::SrcBlend), Blend::SrcAlpha);
  EXPECT_EQ(dev().State().effect, effect_.get());

  dev().BeginScene();
  dev().SetFVF(0x144);
  ScreenVertex quad[4] = {};
  ASSERT_TRUE(dev().DrawPrimitiveUP(PrimitiveType::TriangleFan, 2, quad, 28));
  EXPECT_TRUE(effect_->CommitChanges());
  EXPECT_TRUE(effect_->EndPass());
  EXPECT_EQ(dev().State().effect, nullptr);
  ASSERT_TRUE(effect_->BeginPass(1));
  EXPECT_EQ(dev().GetRenderState(RenderState::ZWriteEnable), kFalse);
  ASSERT_TRUE(dev().DrawPrimitiveUP(PrimitiveType::TriangleFan, 2, quad, 28));
  ASSERT_TRUE(effect_->End()) << "ends the open pass too";
  ASSERT_TRUE(dev().DrawPrimitiveUP(PrimitiveType::TriangleFan, 2, quad, 28));

  EXPECT_EQ(dev().GetRenderState(RenderState::AlphaBlendEnable), kFalse);
  EXPECT_EQ(dev().GetRenderState(RenderState::SrcBlend), Blend::One);
  EXPECT_EQ(dev().GetRenderState(RenderState::ZWriteEnable), kTrue);
  auto draws = dev().Record().Draws();
  ASSERT_EQ(draws.size(), 3u);
  EXPECT_EQ(draws[0].effect, "character.fx");
  EXPECT_EQ(draws[0].technique, "textured_ghost");
  EXPECT_EQ(draws[0].pass, 0u);
  EXPECT_EQ(draws[1].pass, 1u);
  EXPECT_TRUE(draws[2].effect.empty()) << "fixed function after End";
  EXPECT_FALSE(effect_->End());
  EXPECT_FALSE(effect_->CommitChanges());
}

TEST_F(EffectRun, DoNotSaveStateLeavesThePassStatesSet) {
  std::uint32_t passes = 0;
  ASSERT_TRUE(effect_->SetTechnique("textured_ghost"));
  ASSERT_TRUE(effect_->Begin(&passes, 1));
  effect_->BeginPass(0);
  effect_->EndPass();
  effect_->End();
  EXPECT_EQ(dev().GetRenderState(RenderState::AlphaBlendEnable), kTrue);
}

TEST_F(EffectRun, AnEffectDestroyedInAPassLeavesTheDeviceClean) {
  std::uint32_t passes = 0;
  effect_->SetTechnique("textured_ghost");
  effect_->Begin(&passes);
  effect_->BeginPass(0);
  effect_.reset();
  EXPECT_EQ(dev().State().effect, nullptr);
  EXPECT_EQ(dev().GetRenderState(RenderState::AlphaBlendEnable), kFalse);
}

TEST_F(EffectRun, EndingAPassLeavesAnotherEffectsPassAlone) {
  auto other = CreateEffectFromMemory(device_, "other.fx", kCharacterEffect);
  std::uint32_t passes = 0;
  ASSERT_TRUE(effect_->Begin(&passes));
  ASSERT_TRUE(effect_->BeginPass(0));
  ASSERT_TRUE(other->Begin(&passes));
  ASSERT_TRUE(other->BeginPass(0));
  EXPECT_TRUE(effect_->EndPass());
  EXPECT_EQ(dev().State().effect, other.get());
  EXPECT_TRUE(other->End());
  EXPECT_EQ(dev().State().effect, nullptr);
}

TEST_F(EffectRun, AnEffectOutlivingItsDeviceRefusesCalmly) {
  device_.reset();
  std::uint32_t passes = 0;
  EXPECT_FALSE(effect_->Begin(&passes));
  EXPECT_TRUE(effect_->SetFloat("mPower", 1.0f)) << "values are the effect's own";
}

TEST(EffectFile, LoadsThroughAGamePathAndReportsTheFileInErrors) {
  TempTree tree;
  tree.Write("effects/ground_shadow.fx",
             "float4 colour;\ntechnique Default { pass p0 { ZEnable = true; } }\n");
  tree.Write("effects/broken.fx", "float4 colour;\ntechnique Default {\n");
  auto device = MakeHeadlessDevice();
  std::string error;
  auto effect = CreateEffectFromFile(device, "\\Effects\\ground_shadow.fx ", &error);
  ASSERT_TRUE(effect) << error;
  EXPECT_EQ(effect->TechniqueNames(), std::vector<std::string>{"Default"});
  EXPECT_FALSE(CreateEffectFromFile(device, "effects/broken.fx", &error));
  EXPECT_EQ(error, "effects/broken.fx: line 3: expected 'pass' but found end of file");
  EXPECT_FALSE(CreateEffectFromFile(device, "effects/missing.fx", &error));
  EXPECT_EQ(error, "effects/missing.fx: cannot read");
}

}  // namespace
}  // namespace plat::test
