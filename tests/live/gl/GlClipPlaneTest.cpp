// User clip planes on the OpenGL device: a plane given in clip space cuts
// what the fixed-function pipeline and an effect's vertex stage draw, only
// while ClipPlaneEnable names it; screen vertices are never cut.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/gfx/Effect.h"
#include "platform/math/Math.h"
#include "tests/live/gl/LiveDevice.h"

namespace live_test {
namespace {

constexpr const char* kEffect = R"(
float4 Tint = {0, 0, 1, 1};
vertexshader clip_vs <<<
#version 330 core
in vec3 POSITION;
void main() { gl_Position = vec4(POSITION, 1.0); }
>>>
fragmentshader tint_fs <<<
#version 330 core
uniform vec4 Tint;
out vec4 colour;
void main() { colour = Tint; }
>>>
technique Tinted {
  pass p0 { CullMode = None; ZEnable = false; VertexShader = clip_vs; FragmentShader = tint_fs; }
}
)";

constexpr std::uint32_t kClear = 0xFF000000u;
constexpr std::uint32_t kGreen = 0xFF00FF00u;
constexpr std::uint32_t kBlue = 0xFF0000FFu;
constexpr std::uint32_t kFvfXyzDiffuse = 0x42;
constexpr std::uint32_t kFvfXyzrhwDiffuse = 0x44;
constexpr std::uint32_t kPlaneBit = 1u << 2;

struct Vertex {
  float x, y, z;
  std::uint32_t diffuse;
};
struct ScreenVertex {
  float x, y, z, rhw;
  std::uint32_t diffuse;
};

// The whole of clip space, with the identity transforms.
const Vertex kScreenQuad[] = {
    {-1, -1, 0.5f, kGreen}, {-1, 1, 0.5f, kGreen}, {1, 1, 0.5f, kGreen}, {1, -1, 0.5f, kGreen}};

// Keeps x >= 0.25 in clip space: the right three eighths of the picture.
constexpr plat::Plane kRightPart{1.0f, 0.0f, 0.0f, -0.25f};

class GlClipPlaneTest : public LiveDeviceTest {
 protected:
  void Begin(std::uint32_t enabled) {
    live_->BeginScene();
    live_->Clear(plat::ClearFlags::Target | plat::ClearFlags::ZBuffer, kClear, 1, 0);
    for (plat::TransformType t :
         {plat::TransformType::World, plat::TransformType::View, plat::TransformType::Projection})
      live_->SetTransform(t, plat::IdentityMatrix());
    live_->SetRenderState(plat::RenderState::Lighting, plat::kFalse);
    live_->SetRenderState(plat::RenderState::CullMode, plat::Cull::None);
    live_->SetRenderState(plat::RenderState::ZEnable, plat::kFalse);
    ASSERT_TRUE(live_->SetClipPlane(2, kRightPart));
    live_->SetRenderState(plat::RenderState::ClipPlaneEnable, enabled);
  }
  void DrawFixed() {
    live_->SetFVF(kFvfXyzDiffuse);
    live_->DrawPrimitiveUP(plat::PrimitiveType::TriangleFan, 2, kScreenQuad, sizeof(Vertex));
  }
  void DrawWithEffect() {
    std::string error;
    auto effect = plat::CreateEffectFromMemory(live_, "tests/clip.fx", kEffect, &error);
    ASSERT_NE(effect, nullptr) << error;
    ASSERT_TRUE(effect->SetTechnique("Tinted"));
    live_->SetFVF(kFvfXyzDiffuse);
    std::uint32_t passes = 0;
    ASSERT_TRUE(effect->Begin(&passes));
    effect->BeginPass(0);
    live_->DrawPrimitiveUP(plat::PrimitiveType::TriangleFan, 2, kScreenQuad, sizeof(Vertex));
    effect->EndPass();
    effect->End();
  }
  std::vector<std::uint32_t> End() {
    live_->EndScene();
    return Capture();
  }
};

TEST_F(GlClipPlaneTest, AnEnabledPlaneCutsBothPipelinesAndADisabledOneNothing) {
  struct Case {
    const char* name;
    bool effect;
    std::uint32_t enabled;
    std::uint32_t colour;
    bool cut;
  };
  const Case cases[] = {
      {"fixed function, plane on", false, kPlaneBit, kGreen, true},
      {"fixed function, plane off", false, 0, kGreen, false},
      {"fixed function, another plane on", false, kPlaneBit >> 1, kGreen, false},
      {"effect, plane on", true, kPlaneBit, kBlue, true},
      {"effect, plane off", true, 0, kBlue, false},
  };
  // x = 0.25 in clip space is 5/8 of the width.
  const int cutColumn = kWidth * 5 / 8;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Begin(c.enabled);
    if (c.effect) DrawWithEffect();
    else DrawFixed();
    const std::vector<std::uint32_t> pixels = End();
    EXPECT_TRUE(NearColor(At(pixels, cutColumn + 4, kHeight / 2), c.colour));
    EXPECT_TRUE(NearColor(At(pixels, kWidth - 2, 2), c.colour));
    EXPECT_TRUE(NearColor(At(pixels, 2, kHeight / 2), c.cut ? kClear : c.colour));
    EXPECT_TRUE(NearColor(At(pixels, cutColumn - 4, kHeight - 2), c.cut ? kClear : c.colour));
  }
}

TEST_F(GlClipPlaneTest, ScreenVerticesAreNotCut) {
  const float w = float(kWidth), h = float(kHeight);
  const ScreenVertex quad[] = {
      {0, 0, 0.5f, 1, kGreen}, {w, 0, 0.5f, 1, kGreen}, {w, h, 0.5f, 1, kGreen}, {0, h, 0.5f, 1, kGreen}};
  Begin(kPlaneBit);
  live_->SetFVF(kFvfXyzrhwDiffuse);
  live_->DrawPrimitiveUP(plat::PrimitiveType::TriangleFan, 2, quad, sizeof(ScreenVertex));
  const std::vector<std::uint32_t> pixels = End();
  EXPECT_TRUE(NearColor(At(pixels, 2, kHeight / 2), kGreen));
  EXPECT_TRUE(NearColor(At(pixels, kWidth - 2, kHeight / 2), kGreen));
}

}  // namespace
}  // namespace live_test
