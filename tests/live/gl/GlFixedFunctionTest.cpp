// The fixed-function subset the game uses, drawn by the built-in shader:
// texture-stage operations and arguments, specular add, alpha test and
// blending, fog, and point sprites.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>

#include "platform/math/Math.h"
#include "tests/live/gl/LiveDevice.h"

namespace live_test {
namespace {

using plat::RenderState;
using plat::TextureArg;
using plat::TextureOp;
using plat::TextureStageState;

constexpr std::uint32_t kDiffuse = 0xFF4080C0u;
constexpr std::uint32_t kSpecular = 0xFF202020u;
constexpr std::uint32_t kTexel = 0x80FF8000u;   // half transparent orange
constexpr std::uint32_t kTexel1 = 0xFF808080u;  // stage 1: grey
constexpr std::uint32_t kBackground = 0xFF000000u;

// XYZRHW | DIFFUSE | SPECULAR | TEX1
struct LitScreenVertex {
  float x, y, z, rhw;
  std::uint32_t diffuse, specular;
  float u, v;
};

std::shared_ptr<plat::Texture> SolidTexture(plat::Device& d, std::uint32_t argb) {
  auto texture = d.CreateTexture(1, 1, 1, 0, plat::Format::A8R8G8B8, plat::Pool::Managed);
  plat::LockedRect rect;
  if (texture && texture->LockRect(0, rect)) {
    std::memcpy(rect.bits, &argb, 4);
    texture->UnlockRect(0);
  }
  return texture;
}

std::uint32_t Mul(std::uint32_t a, std::uint32_t b) {
  std::uint32_t out = 0;
  for (int shift = 0; shift <= 24; shift += 8)
    out |= ((((a >> shift) & 0xFF) * ((b >> shift) & 0xFF) + 127) / 255) << shift;
  return out;
}

std::uint32_t Add(std::uint32_t a, std::uint32_t b) {
  std::uint32_t out = 0;
  for (int shift = 0; shift <= 24; shift += 8)
    out |= std::min(255u, ((a >> shift) & 0xFF) + ((b >> shift) & 0xFF)) << shift;
  return out;
}

struct StageCase {
  const char* what;
  std::function<void(plat::Device&)> setup;
  std::uint32_t expected;  // over the black background, blending off unless set up
};

class GlFixedFunctionTest : public LiveDeviceTest {
 protected:
  std::uint32_t DrawQuad(const std::function<void(plat::Device&)>& setup) {
    plat::Device& d = *live_;
    d.BeginScene();
    d.Clear(plat::ClearFlags::Target | plat::ClearFlags::ZBuffer, kBackground, 1, 0);
    d.SetRenderState(RenderState::Lighting, plat::kFalse);
    d.SetTexture(0, SolidTexture(d, kTexel));
    d.SetFVF(0x1C4);
    setup(d);
    const LitScreenVertex quad[] = {{9.5f, 9.5f, 0, 1, kDiffuse, kSpecular, 0, 0},
                                    {29.5f, 9.5f, 0, 1, kDiffuse, kSpecular, 1, 0},
                                    {29.5f, 29.5f, 0, 1, kDiffuse, kSpecular, 1, 1},
                                    {9.5f, 29.5f, 0, 1, kDiffuse, kSpecular, 0, 1}};
    d.DrawPrimitiveUP(plat::PrimitiveType::TriangleFan, 2, quad, sizeof(LitScreenVertex));
    d.EndScene();
    return At(Capture(), 20, 20);
  }
};

TEST_F(GlFixedFunctionTest, TextureStagesCombineAsTheDevicesPipeline) {
  auto stage = [](std::uint32_t s, TextureStageState key, std::uint32_t value) {
    return [=](plat::Device& d) { d.SetTextureStageState(s, key, value); };
  };
  auto both = [](auto a, auto b) {
    return [=](plat::Device& d) {
      a(d);
      b(d);
    };
  };
  const StageCase cases[] = {
      {"defaults: texture times diffuse", [](plat::Device&) {}, Mul(kTexel, kDiffuse) | 0xFF000000u},
      {"select texture", stage(0, TextureStageState::ColorOp, TextureOp::SelectArg1), kTexel | 0xFF000000u},
      {"select diffuse", stage(0, TextureStageState::ColorOp, TextureOp::SelectArg2), kDiffuse},
      {"add", stage(0, TextureStageState::ColorOp, TextureOp::Add), Add(kTexel, kDiffuse) | 0xFF000000u},
      {"stage 0 disabled: diffuse", stage(0, TextureStageState::ColorOp, TextureOp::Disable), kDiffuse},
      {"no texture bound samples opaque white", [](plat::Device& d) { d.SetTexture(0, nullptr); }, kDiffuse},
      {"stage 1 modulates the current colour with its texture",
       [](plat::Device& d) {
         d.SetTexture(1, SolidTexture(d, kTexel1));
         d.SetTextureStageState(1, TextureStageState::ColorOp, TextureOp::Modulate);
         d.SetTextureStageState(1, TextureStageState::ColorArg1, TextureArg::Texture);
         d.SetTextureStageState(1, TextureStageState::ColorArg2, TextureArg::Current);
       },
       Mul(Mul(kTexel, kDiffuse), kTexel1) | 0xFF000000u},
      {"stage 1 adds the diffuse colour to the current one",
       both(stage(1, TextureStageState::ColorOp, TextureOp::Add),
            both(stage(1, TextureStageState::ColorArg1, TextureArg::Current),
                 stage(1, TextureStageState::ColorArg2, TextureArg::Diffuse))),
       Add(Mul(kTexel, kDiffuse), kDiffuse) | 0xFF000000u},
      {"specular added",
       [](plat::Device& d) { d.SetRenderState(RenderState::SpecularEnable, plat::kTrue); },
       Add(Mul(kTexel, kDiffuse), kSpecular) | 0xFF000000u},
      {"texture alpha blended over the background",
       [](plat::Device& d) {
         d.SetTextureStageState(0, TextureStageState::ColorOp, TextureOp::SelectArg1);
         d.SetRenderState(RenderState::AlphaBlendEnable, plat::kTrue);
         d.SetRenderState(RenderState::SrcBlend, plat::Blend::SrcAlpha);
         d.SetRenderState(RenderState::DestBlend, plat::Blend::InvSrcAlpha);
       },
       0xFF804000u},
      {"alpha test rejects alpha below the reference",
       [](plat::Device& d) {
         d.SetRenderState(RenderState::AlphaTestEnable, plat::kTrue);
         d.SetRenderState(RenderState::AlphaFunc, plat::Compare::GreaterEqual);
         d.SetRenderState(RenderState::AlphaRef, 0x81);
       },
       kBackground},
      {"alpha test passes alpha at the reference",
       [](plat::Device& d) {
         d.SetRenderState(RenderState::AlphaTestEnable, plat::kTrue);
         d.SetRenderState(RenderState::AlphaFunc, plat::Compare::GreaterEqual);
         d.SetRenderState(RenderState::AlphaRef, 0x80);
       },
       Mul(kTexel, kDiffuse) | 0xFF000000u},
  };
  for (const StageCase& c : cases) {
    live_ = Make(plat::BackendChoice::Live);  // every case starts at the default state
    ASSERT_NE(live_, nullptr);
    EXPECT_TRUE(NearColor(DrawQuad(c.setup), c.expected)) << c.what;
  }
}

struct LightCase {
  const char* what;
  std::function<void(plat::Device&)> setup;
  std::uint32_t expected;
};

TEST_F(GlFixedFunctionTest, VerticesAreLitByTheMaterialAndTheDeviceLights) {
  auto light = [](plat::LightType type, plat::Vec3 position, plat::Vec3 direction, float range,
                  float attenuation1) {
    plat::Light l;
    l.type = type;
    l.diffuse = {1, 1, 1, 1};
    l.position = position;
    l.direction = direction;
    l.range = range;
    l.attenuation0 = attenuation1 == 0 ? 1.0f : 0.0f;
    l.attenuation1 = attenuation1;
    l.theta = 1.6f;
    l.phi = 2.0f;
    return [l](plat::Device& d) {
      d.SetLight(0, l);
      d.LightEnable(0, true);
    };
  };
  // Lighting is per vertex: the square's corners lie sqrt(6) from a light two
  // units in front of its centre, 35 degrees off its normal.
  const LightCase cases[] = {
      {"directional, 60 degrees off the normal",
       light(plat::LightType::Directional, {}, {0, 0.8660254f, 0.5f}, 0, 0), 0xFF808080u},
      {"point light, attenuation 1/d: (2/sqrt 6) / sqrt 6",
       light(plat::LightType::Point, {0, 0, -2}, {}, 10, 1), 0xFF555555u},
      {"point light out of range", light(plat::LightType::Point, {0, 0, -2}, {}, 1.5f, 1), kBackground},
      {"spot light with the corners inside its inner cone: 2/sqrt 6",
       light(plat::LightType::Spot, {0, 0, -2}, {0, 0, 1}, 10, 0), 0xFFD0D0D0u},
      {"spot light pointing away", light(plat::LightType::Spot, {0, 0, -2}, {0, 0, -1}, 10, 0), kBackground},
      {"global ambient times material ambient",
       [](plat::Device& d) { d.SetRenderState(RenderState::Ambient, 0xFF404040u); }, 0xFF404040u},
      {"emissive", [](plat::Device& d) {
         plat::Material m = d.GetMaterial();
         m.emissive = {0.2f, 0.4f, 0.6f, 1};
         d.SetMaterial(m);
       }, 0xFF336699u},
  };
  for (const LightCase& c : cases) {
    live_ = Make(plat::BackendChoice::Live);
    ASSERT_NE(live_, nullptr);
    plat::Device& d = *live_;
    plat::Matrix view, projection;
    plat::MatrixLookAtLH(&view, {0, 0, -5}, {0, 0, 0}, {0, 1, 0});
    plat::MatrixPerspectiveFovLH(&projection, plat::kPi / 3, float(kWidth) / kHeight, 1, 100);
    d.SetTransform(plat::TransformType::View, view);
    d.SetTransform(plat::TransformType::Projection, projection);
    plat::Material material;
    material.diffuse = {1, 1, 1, 1};
    material.ambient = {1, 1, 1, 1};
    d.SetMaterial(material);
    c.setup(d);
    struct V {
      float x, y, z, nx, ny, nz;
    };
    const V quad[] = {{-1, -1, 0, 0, 0, -1}, {-1, 1, 0, 0, 0, -1}, {1, 1, 0, 0, 0, -1}, {1, -1, 0, 0, 0, -1}};
    d.BeginScene();
    d.Clear(plat::ClearFlags::Target | plat::ClearFlags::ZBuffer, kBackground, 1, 0);
    d.SetFVF(0x12);  // XYZ | NORMAL
    ASSERT_TRUE(d.DrawPrimitiveUP(plat::PrimitiveType::TriangleFan, 2, quad, sizeof(V)));
    d.EndScene();
    EXPECT_TRUE(NearColor(At(Capture(), kWidth / 2, kHeight / 2), c.expected)) << c.what;
  }
}

TEST_F(GlFixedFunctionTest, LinearFogBlendsTowardsTheFogColourWithDepth) {
  plat::Device& d = *live_;
  plat::Matrix view, projection;
  plat::MatrixLookAtLH(&view, {0, 0, -5}, {0, 0, 0}, {0, 1, 0});
  plat::MatrixPerspectiveFovLH(&projection, plat::kPi / 3, float(kWidth) / kHeight, 1, 100);
  d.SetTransform(plat::TransformType::View, view);
  d.SetTransform(plat::TransformType::Projection, projection);
  d.SetRenderState(RenderState::Lighting, plat::kFalse);
  d.SetRenderState(RenderState::CullMode, plat::Cull::None);
  d.SetRenderState(RenderState::FogEnable, plat::kTrue);
  d.SetRenderState(RenderState::FogTableMode, plat::FogMode::Linear);
  d.SetRenderState(RenderState::FogColor, 0xFF0000FFu);
  d.SetRenderState(RenderState::FogStart, plat::FloatBits(0));
  d.SetRenderState(RenderState::FogEnd, plat::FloatBits(10));
  struct V {
    float x, y, z;
    std::uint32_t diffuse;
  };
  // A square at depth 5 from the camera: half way to the fog's end.
  const V quad[] = {{-1, -1, 0, 0xFFFF0000u}, {-1, 1, 0, 0xFFFF0000u}, {1, 1, 0, 0xFFFF0000u}, {1, -1, 0, 0xFFFF0000u}};
  d.BeginScene();
  d.Clear(plat::ClearFlags::Target | plat::ClearFlags::ZBuffer, kBackground, 1, 0);
  d.SetFVF(0x42);
  ASSERT_TRUE(d.DrawPrimitiveUP(plat::PrimitiveType::TriangleFan, 2, quad, sizeof(V)));
  d.EndScene();
  EXPECT_TRUE(NearColor(At(Capture(), kWidth / 2, kHeight / 2), 0xFF800080u, 4));
}

TEST_F(GlFixedFunctionTest, DepthRunsFromZeroAtTheNearPlaneToOneAtTheFar) {
  plat::Device& d = *live_;
  plat::Matrix projection;
  plat::MatrixPerspectiveFovLH(&projection, plat::kPi / 2, float(kWidth) / kHeight, 1, 10);
  d.SetTransform(plat::TransformType::Projection, projection);
  d.SetRenderState(RenderState::Lighting, plat::kFalse);
  d.SetRenderState(RenderState::CullMode, plat::Cull::None);
  d.SetFVF(0x42);  // XYZ | DIFFUSE, the camera at the origin looking along +z
  struct V {
    float x, y, z;
    std::uint32_t diffuse;
  };
  auto square = [&](float left, float z, std::uint32_t color) {
    const V quad[] = {{left, -0.2f, z, color}, {left, 0.2f, z, color}, {left + 0.4f, 0.2f, z, color},
                      {left + 0.4f, -0.2f, z, color}};
    d.DrawPrimitiveUP(plat::PrimitiveType::TriangleFan, 2, quad, sizeof(V));
  };
  d.BeginScene();
  d.Clear(plat::ClearFlags::Target | plat::ClearFlags::ZBuffer, kBackground, 1, 0);
  square(-1.0f, 0.9f, 0xFFFF0000u);    // before the near plane: clipped
  square(-0.4f, 1.1f, 0xFF00FF00u);    // just behind it: shown
  square(0.3f, 9.9f, 0xFF0000FFu);     // just before the far plane: shown
  square(0.3f, 9.95f, 0xFFFFFFFFu);    // behind the blue one: hidden by depth
  d.EndScene();
  const std::vector<std::uint32_t> shot = Capture();
  plat::Vec3 red, green, blue;
  const plat::Viewport vp = d.GetViewport();
  const plat::Matrix identity = plat::IdentityMatrix();
  plat::Vec3Project(&red, {-0.8f, 0, 0.9f}, vp, projection, identity, identity);  // where red would show
  plat::Vec3Project(&green, {-0.2f, 0, 1.1f}, vp, projection, identity, identity);
  plat::Vec3Project(&blue, {0.5f, 0, 9.9f}, vp, projection, identity, identity);
  EXPECT_TRUE(NearColor(At(shot, int(red.x), int(red.y)), kBackground));
  EXPECT_TRUE(NearColor(At(shot, int(green.x), int(green.y)), 0xFF00FF00u));
  EXPECT_TRUE(NearColor(At(shot, int(blue.x), int(blue.y)), 0xFF0000FFu));
}

TEST_F(GlFixedFunctionTest, PointSpritesShowTheirTextureTopRowAtTheTop) {
  plat::Device& d = *live_;
  auto texture = d.CreateTexture(1, 2, 1, 0, plat::Format::A8R8G8B8, plat::Pool::Managed);
  plat::LockedRect rect;
  ASSERT_TRUE(texture->LockRect(0, rect));
  const std::uint32_t top = 0xFFFF0000u, bottom = 0xFF0000FFu;
  std::memcpy(rect.bits, &top, 4);
  std::memcpy(rect.bits + rect.pitch, &bottom, 4);
  texture->UnlockRect(0);
  d.SetTexture(0, texture);
  d.SetRenderState(RenderState::Lighting, plat::kFalse);
  d.SetRenderState(RenderState::PointSpriteEnable, plat::kTrue);
  d.SetRenderState(RenderState::PointSize, plat::FloatBits(32));
  struct V {
    float x, y, z, rhw;
    std::uint32_t diffuse;
  };
  const V point{100, 100, 0.5f, 1, 0xFFFFFFFFu};
  d.BeginScene();
  d.Clear(plat::ClearFlags::Target | plat::ClearFlags::ZBuffer, kBackground, 1, 0);
  d.SetFVF(0x44);  // XYZRHW | DIFFUSE
  ASSERT_TRUE(d.DrawPrimitiveUP(plat::PrimitiveType::PointList, 1, &point, sizeof(V)));
  d.EndScene();
  const std::vector<std::uint32_t> shot = Capture();
  EXPECT_TRUE(NearColor(At(shot, 100, 90), top));
  EXPECT_TRUE(NearColor(At(shot, 100, 110), bottom));
  EXPECT_TRUE(NearColor(At(shot, 100, 120), kBackground));
}

}  // namespace
}  // namespace live_test
