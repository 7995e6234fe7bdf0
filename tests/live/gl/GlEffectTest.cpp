// Effects on the OpenGL device: GLSL passes fed by the parameters the game
// sets, a pass without stages drawing with the fixed-function state, and an
// effect with a pass that does not compile reported once and drawing nothing.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/gfx/Effect.h"
#include "platform/math/Math.h"
#include "tests/live/gl/LiveDevice.h"

namespace live_test {
namespace {

constexpr const char* kStages = R"(
vertexshader moved_vs <<<
#version 330 core
in vec3 POSITION;
uniform mat4 Move;
void main() { gl_Position = Move * vec4(POSITION, 1.0); }
>>>

fragmentshader tint_fs <<<
#version 330 core
uniform vec4 Tint;
/* out vec4 commentedOut; */
out vec4 colour;
void main() { colour = Tint; }
>>>
)";

constexpr const char* kEffect = R"(
float4x4 Move;
float4 Tint = {0, 0, 1, 1};
technique Moved {
  pass p0 { CullMode = None; ZEnable = false; VertexShader = moved_vs; FragmentShader = tint_fs; }
}
technique Plain {
  pass p0 { CullMode = None; Lighting = false; }
}
technique Cutout {
  pass p0 {
    CullMode = None; ZEnable = false;
    AlphaTestEnable = true; AlphaFunc = GreaterEqual; AlphaRef = 160;
    VertexShader = moved_vs; FragmentShader = tint_fs;
  }
}
)";

constexpr const char* kBrokenEffect = R"(
float4x4 Move;
float4 Tint = {0, 0, 1, 1};
fragmentshader broken_fs <<<
#version 330 core
out vec4 colour;
void main() { colour = this is not a colour; }
>>>
technique Moved {
  pass p0 { CullMode = None; ZEnable = false; VertexShader = moved_vs; FragmentShader = tint_fs; }
}
technique Broken {
  pass p0 { VertexShader = moved_vs; FragmentShader = broken_fs; }
}
)";

struct ClipVertex {
  float x, y, z;
  std::uint32_t diffuse;
};

// The top-left quarter of clip space (x -1..0, y 0..1).
const ClipVertex kQuarter[] = {{-1, 1, 0.5f, 0xFF00FF00u}, {0, 1, 0.5f, 0xFF00FF00u},
                               {0, 0, 0.5f, 0xFF00FF00u},  {-1, 0, 0.5f, 0xFF00FF00u}};

class GlEffectTest : public LiveDeviceTest {
 protected:
  void SetUp() override {
    LiveDeviceTest::SetUp();
    if (IsSkipped() || HasFatalFailure()) return;
    effect_ = Load("tests/moved.fx", kEffect);
  }

  std::shared_ptr<plat::Effect> Load(const char* name, const char* text) {
    std::string error;
    auto effect = plat::CreateEffectFromMemory(live_, name, std::string(kStages) + text, &error);
    EXPECT_NE(effect, nullptr) << error;
    return effect;
  }
  void TearDown() override {
    effect_.reset();
    LiveDeviceTest::TearDown();
  }

  // Draws the quarter quad through every pass of the technique.
  void DrawWith(const char* technique, int times = 1) {
    ASSERT_TRUE(effect_->SetTechnique(technique));
    live_->BeginScene();
    live_->Clear(plat::ClearFlags::Target | plat::ClearFlags::ZBuffer, 0xFF000000u, 1, 0);
    live_->SetFVF(0x42);  // XYZ | DIFFUSE
    for (int i = 0; i < times; ++i) {
      std::uint32_t passes = 0;
      ASSERT_TRUE(effect_->Begin(&passes));
      for (std::uint32_t p = 0; p < passes; ++p) {
        effect_->BeginPass(p);
        live_->DrawPrimitiveUP(plat::PrimitiveType::TriangleFan, 2, kQuarter, sizeof(ClipVertex));
        effect_->EndPass();
      }
      effect_->End();
    }
    live_->EndScene();
  }

  std::shared_ptr<plat::Effect> effect_;
};

TEST_F(GlEffectTest, APassDrawsWithTheParametersAndRowVectorMatrices) {
  plat::Matrix move;
  plat::MatrixTranslation(&move, 0.5f, 0, 0);  // the translation sits in the fourth row
  ASSERT_TRUE(effect_->SetMatrix("Move", move));
  ASSERT_TRUE(effect_->SetVector("Tint", {1, 0.5f, 0, 1}));
  EXPECT_FALSE(effect_->SetFloat("NotInTheFile", 1)) << "unknown parameters are ignored";
  DrawWith("Moved");
  const std::vector<std::uint32_t> shot = Capture();
  // Moved right by a quarter of the width: x 64..192, top half.
  EXPECT_TRUE(NearColor(At(shot, 128, 48), 0xFFFF8000u));
  EXPECT_TRUE(NearColor(At(shot, 66, 2), 0xFFFF8000u));
  EXPECT_TRUE(NearColor(At(shot, 189, 93), 0xFFFF8000u));
  EXPECT_TRUE(NearColor(At(shot, 32, 48), 0xFF000000u));
  EXPECT_TRUE(NearColor(At(shot, 128, 144), 0xFF000000u));
  EXPECT_TRUE(debugOutput_.empty());
}

TEST_F(GlEffectTest, APassWithoutStagesDrawsWithTheFixedFunctionState) {
  live_->SetRenderState(plat::RenderState::Lighting, plat::kTrue);
  DrawWith("Plain");
  const std::vector<std::uint32_t> shot = Capture();
  EXPECT_TRUE(NearColor(At(shot, 32, 48), 0xFF00FF00u)) << "vertex colour, unlit by the pass";
  EXPECT_EQ(live_->GetRenderState(plat::RenderState::Lighting), plat::kTrue) << "End put the state back";
}

TEST_F(GlEffectTest, TheAlphaTestCutsWhatAPassWrites) {
  ASSERT_TRUE(effect_->SetMatrix("Move", plat::IdentityMatrix()));
  const struct {
    float alpha;
    bool shown;
  } cases[] = {{0.5f, false}, {0.62f, false}, {0.63f, true}, {1.0f, true}};  // 160/255 = 0.627
  for (const auto& c : cases) {
    ASSERT_TRUE(effect_->SetVector("Tint", {1, 1, 1, c.alpha}));
    DrawWith("Cutout");
    EXPECT_TRUE(NearColor(At(Capture(), 32, 48), c.shown ? 0xFFFFFFFFu : 0xFF000000u)) << c.alpha;
  }
  EXPECT_EQ(live_->GetRenderState(plat::RenderState::AlphaTestEnable), plat::kFalse) << "End put it back";
}

TEST_F(GlEffectTest, AnEffectWithAPassThatDoesNotCompileIsReportedOnceAndDrawsNothing) {
  effect_ = Load("tests/broken.fx", kBrokenEffect);
  ASSERT_NE(effect_, nullptr);
  ASSERT_TRUE(effect_->SetMatrix("Move", plat::IdentityMatrix()));
  DrawWith("Moved", 2);  // its own passes compile, the effect's other one does not
  DrawWith("Broken", 2);
  const std::vector<std::uint32_t> shot = Capture();
  EXPECT_TRUE(NearColor(At(shot, 32, 48), 0xFF000000u));
  ASSERT_EQ(debugOutput_.size(), 1u);
  const std::string& m = debugOutput_[0];
  EXPECT_NE(m.find("tests/broken.fx"), std::string::npos) << m;
  EXPECT_NE(m.find("technique Broken"), std::string::npos) << m;
  EXPECT_NE(m.find("broken_fs"), std::string::npos) << m;
  EXPECT_GT(m.size(), 80u) << "the driver's own message is included: " << m;
  debugOutput_.clear();

  // Other effects with the same stages still draw.
  effect_ = Load("tests/moved.fx", kEffect);
  ASSERT_TRUE(effect_->SetMatrix("Move", plat::IdentityMatrix()));
  DrawWith("Moved");
  EXPECT_TRUE(NearColor(At(Capture(), 32, 48), 0xFF0000FFu));
}

}  // namespace
}  // namespace live_test
