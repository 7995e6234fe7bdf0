#include <gtest/gtest.h>

#include <string>

#include "platform/gfx/EffectDescription.h"

namespace plat {
namespace {

const char* const kShadowEffect = R"(// shadow-mapped scene
float4x4 g_mWorldView;
float4x4 FinalTransforms[35];
float4 g_vMaterial = {1, 1, 1, 1};
float g_fCosTheta = 0.707f;
float2 Tilling = {2, 0.5};
int NumVertInfluences = 2;
bool useFog = true;
texture g_txShadow {
  MinFilter = Point;
  AddressU = Clamp;
  MipMapLodBias = -0.5;
};

vertexshader scene_vs <<<
#version 330 core
in vec3 POSITION;
uniform mat4 g_mWorldView;
void main() { gl_Position = g_mWorldView * vec4(POSITION, 1.0); }
>>>

fragmentshader scene_fs <<<
#version 330 core
out vec4 colour;
void main() { colour = vec4(1.0); }
>>>

technique RenderScene {
  pass p0 {
    ZEnable = true;
    CullMode = CCW;
    AlphaBlendEnable = false;
    VertexShader = scene_vs;
    FragmentShader = scene_fs;
  }
}

technique RenderSceneTransparency {
  pass p0 {
    AlphaBlendEnable = true;
    SrcBlend = SrcAlpha;
    DestBlend = InvSrcAlpha;
    AlphaRef = 0xA0;
    AlphaFunc = GreaterEqual;
    PointSize = 2.5;
    VertexShader = scene_vs;
    PixelShader = scene_fs;
  }
  pass p1 { ZWriteEnable = false; }
}
)";

TEST(EffectParse, ReadsParametersShadersAndTechniques) {
  EffectDescription d;
  std::string error;
  ASSERT_TRUE(ParseEffect(kShadowEffect, d, error)) << error;

  ASSERT_EQ(d.parameters.size(), 8u);
  const EffectParameter* bones = d.FindParameter("FinalTransforms");
  ASSERT_TRUE(bones);
  EXPECT_EQ(bones->type, EffectParamType::Float4x4);
  EXPECT_EQ(bones->arraySize, 35u);
  EXPECT_EQ(bones->initial.floats.size(), 35u * 16);
  EXPECT_EQ(d.FindParameter("g_vMaterial")->initial.floats, (std::vector<float>{1, 1, 1, 1}));
  EXPECT_FLOAT_EQ(d.FindParameter("g_fCosTheta")->initial.floats[0], 0.707f);
  EXPECT_EQ(d.FindParameter("Tilling")->initial.floats, (std::vector<float>{2, 0.5f}));
  EXPECT_EQ(d.FindParameter("NumVertInfluences")->initial.intValue, 2);
  EXPECT_EQ(d.FindParameter("useFog")->initial.intValue, 1);
  const EffectParameter* shadow = d.FindParameter("g_txShadow");
  ASSERT_TRUE(shadow);
  ASSERT_EQ(shadow->samplerStates.size(), 3u);
  EXPECT_EQ(shadow->samplerStates[1],
            std::make_pair(SamplerState::AddressU, std::uint32_t(TextureAddress::Clamp)));
  EXPECT_EQ(shadow->samplerStates[2].second, FloatBits(-0.5f));
  EXPECT_EQ(d.FindParameter("worldViewProj"), nullptr);

  ASSERT_EQ(d.shaders.size(), 2u);
  EXPECT_EQ(d.shaders[0].stage, ShaderStage::Vertex);
  EXPECT_EQ(d.shaders[0].line, 16);
  EXPECT_EQ(d.shaders[0].source.rfind("#version 330 core\n", 0), 0u);
  EXPECT_NE(d.shaders[1].source.find("colour = vec4(1.0);"), std::string::npos);

  ASSERT_EQ(d.techniques.size(), 2u);
  const EffectTechnique* t = d.FindTechnique("RenderSceneTransparency");
  ASSERT_TRUE(t);
  ASSERT_EQ(t->passes.size(), 2u);
  const EffectPass& p0 = t->passes[0];
  EXPECT_EQ(p0.vertexShader, "scene_vs");
  EXPECT_EQ(p0.fragmentShader, "scene_fs");
  ASSERT_EQ(p0.states.size(), 6u);
  EXPECT_EQ(p0.states[1].state, RenderState::SrcBlend);
  EXPECT_EQ(p0.states[1].value, Blend::SrcAlpha);
  EXPECT_EQ(p0.states[3].value, 0xA0u);
  EXPECT_EQ(p0.states[4].value, Compare::GreaterEqual);
  EXPECT_EQ(p0.states[5].value, FloatBits(2.5f));
  EXPECT_TRUE(t->passes[1].vertexShader.empty()) << "a pass without shaders is fixed function";
}

struct BadEffect {
  const char* text;
  const char* error;  // the start of the message
};

class EffectParseErrors : public ::testing::TestWithParam<BadEffect> {};

TEST_P(EffectParseErrors, NameTheLineOfTheFault) {
  EffectDescription d;
  std::string error;
  EXPECT_FALSE(ParseEffect(GetParam().text, d, error));
  EXPECT_EQ(error.rfind(GetParam().error, 0), 0u) << "got: " << error;
}

INSTANTIATE_TEST_SUITE_P(
    Table, EffectParseErrors,
    ::testing::Values(
        BadEffect{"float a;\nfloat4 b = {1, 2, 3, 4, 5};\n", "line 2: too many values"},
        BadEffect{"float a;\n\nfloat a;\n", "line 3: parameter 'a' declared twice"},
        BadEffect{"half h;\n", "line 1: unknown declaration 'half'"},
        BadEffect{"float a\nfloat b;\n", "line 2: expected ';'"},
        BadEffect{"technique t {\n pass p {\n  ZEnable = maybe;\n }\n}\n",
                  "line 3: unknown value 'maybe'"},
        BadEffect{"technique t {\n pass p {\n  Wobble = 1;\n }\n}\n",
                  "line 3: unknown render state 'Wobble'"},
        BadEffect{"technique t {\n pass p {\n  VertexShader = vs;\n }\n}\n",
                  "line 3: no shader named 'vs'"},
        BadEffect{
            "fragmentshader fs <<<\nx\n>>>\ntechnique t {\n pass p { VertexShader = fs; }\n}\n",
            "line 5: shader 'fs' is of the other stage"},
        BadEffect{"vertexshader vs <<<\nvoid main() {}\n", "line 1: source block is not closed"},
        BadEffect{"vertexshader vs <<< junk\n>>>\n", "line 1: text after <<<"},
        BadEffect{"float a;\n/* open\n\n", "line 2: comment is not closed"},
        BadEffect{"technique t {\n}\n", "line 1: technique 't' has no pass"},
        BadEffect{"technique t { pass p { } }\ntechnique t { pass p { } }\n",
                  "line 2: technique 't' declared twice"},
        BadEffect{"float4x4 m[0];\n", "line 1: array size of 'm'"},
        BadEffect{"texture t { MinFilter = Cubic; };\n", "line 1: unknown value 'Cubic'"},
        BadEffect{"float f = 1.5.2;\n", "line 1: bad number"},
        BadEffect{"float f;\nint i = 43522300000;\n", "line 2: int value out of range"},
        BadEffect{"technique t {\n pass p {\n  AlphaRef = -1;\n }\n}\n",
                  "line 3: bad whole number"},
        BadEffect{"float f;\n@\n", "line 2: unexpected character '@'"},
        BadEffect{"technique", "line 1: expected a technique name but found end of file"}));

TEST(EffectParse, AnEmptyFileHasNothingAndStateNamesIgnoreCase) {
  EffectDescription d;
  std::string error;
  EXPECT_TRUE(ParseEffect("// nothing here\n", d, error));
  EXPECT_TRUE(d.techniques.empty());
  RenderState state;
  ASSERT_TRUE(EffectRenderStateByName("alphablendenable", state));
  EXPECT_EQ(state, RenderState::AlphaBlendEnable);
  EXPECT_FALSE(EffectRenderStateByName("NoSuchState", state));
  SamplerState sampler;
  ASSERT_TRUE(EffectSamplerStateByName("MIPFILTER", sampler));
  EXPECT_EQ(sampler, SamplerState::MipFilter);
}

}  // namespace
}  // namespace plat
