// One scene drawn twice: by the OpenGL device into a real window, and by the
// headless device whose record says where things went and what colour they
// are. The live screenshot must show them there.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <thread>

#include "platform/gfx/Font.h"
#include "platform/gfx/Screenshot.h"
#include "platform/math/Math.h"
#include "tests/live/gl/LiveDevice.h"
#include "tests/live/support/ScreenshotPath.h"

namespace live_test {
namespace {

using plat::Device;

constexpr std::uint32_t kClearColor = 0xFF000000u;
constexpr std::uint32_t kFvfScreen = 0x144;  // XYZRHW | DIFFUSE | TEX1
constexpr std::uint32_t kFvfPoint = 0x42;    // XYZ | DIFFUSE
constexpr std::uint32_t kFvfLit = 0x12;      // XYZ | NORMAL

struct ScreenVertex {
  float x, y, z, rhw;
  std::uint32_t diffuse;
  float u, v;
};
struct PointVertex {
  float x, y, z;
  std::uint32_t diffuse;
};
struct LitVertex {
  float x, y, z, nx, ny, nz;
};

// A texture filled on another thread, as the game's loaders do.
std::shared_ptr<plat::Texture> TextureFromWorker(Device& device, int width, int height,
                                                 const std::vector<std::uint32_t>& texels) {
  std::shared_ptr<plat::Texture> texture;
  std::thread loader([&] {
    texture = device.CreateTexture(width, height, 1, 0, plat::Format::A8R8G8B8, plat::Pool::Managed);
    plat::LockedRect rect;
    if (!texture || !texture->LockRect(0, rect)) return;
    for (int y = 0; y < height; ++y)
      std::memcpy(rect.bits + std::size_t(y) * rect.pitch, &texels[std::size_t(y) * width], std::size_t(width) * 4);
    texture->UnlockRect(0);
  });
  loader.join();
  return texture;
}

void SetCamera(Device& d) {
  plat::Matrix view, projection;
  plat::MatrixLookAtLH(&view, {0, 0, -5}, {0, 0, 0}, {0, 1, 0});
  plat::MatrixPerspectiveFovLH(&projection, plat::kPi / 3, float(kWidth) / kHeight, 1, 100);
  d.SetTransform(plat::TransformType::World, plat::IdentityMatrix());
  d.SetTransform(plat::TransformType::View, view);
  d.SetTransform(plat::TransformType::Projection, projection);
}

void DrawScene(Device& d) {
  using plat::RenderState;
  ASSERT_TRUE(d.BeginScene());
  d.Clear(plat::ClearFlags::Target | plat::ClearFlags::ZBuffer, kClearColor, 1, 0);

  // A 2x2 texture on a 64x64 pixel quad, point sampled.
  auto checker = TextureFromWorker(d, 2, 2, {0xFFFF0000u, 0xFF00FF00u, 0xFF0000FFu, 0xFFFFFFFFu});
  ASSERT_NE(checker, nullptr);
  d.SetRenderState(RenderState::Lighting, plat::kFalse);
  d.SetTexture(0, checker);
  d.SetFVF(kFvfScreen);
  const ScreenVertex quad[] = {{15.5f, 15.5f, 0.5f, 1, 0xFFFFFFFFu, 0, 0},
                               {79.5f, 15.5f, 0.5f, 1, 0xFFFFFFFFu, 1, 0},
                               {79.5f, 79.5f, 0.5f, 1, 0xFFFFFFFFu, 1, 1},
                               {15.5f, 79.5f, 0.5f, 1, 0xFFFFFFFFu, 0, 1}};
  ASSERT_TRUE(d.DrawPrimitiveUP(plat::PrimitiveType::TriangleFan, 2, quad, sizeof(ScreenVertex)));

  // Two lit triangles facing the camera: the first clockwise on screen
  // (front), the second counter-clockwise (culled by the default mode).
  SetCamera(d);
  d.SetTexture(0, nullptr);
  plat::Material material;
  material.diffuse = {1, 1, 1, 1};
  d.SetMaterial(material);
  plat::Light light;
  light.type = plat::LightType::Directional;
  light.diffuse = {0.2f, 1.0f, 0.4f, 1};
  light.direction = {0, 0, 1};
  d.SetLight(0, light);
  d.LightEnable(0, true);
  d.SetRenderState(RenderState::Lighting, plat::kTrue);
  d.SetFVF(kFvfLit);
  const LitVertex lit[] = {{-2.5f, -1.5f, 0, 0, 0, -1}, {-2.5f, -0.5f, 0, 0, 0, -1}, {-1.5f, -1.5f, 0, 0, 0, -1},
                           {0.0f, -1.5f, 0, 0, 0, -1},  {1.0f, -1.5f, 0, 0, 0, -1},  {0.0f, -0.5f, 0, 0, 0, -1}};
  ASSERT_TRUE(d.DrawPrimitiveUP(plat::PrimitiveType::TriangleList, 2, lit, sizeof(LitVertex)));

  // Two additive point sprites at one place, scaled with the distance.
  auto white = TextureFromWorker(d, 1, 1, {0xFFFFFFFFu});
  d.SetTexture(0, white);
  d.SetRenderState(RenderState::Lighting, plat::kFalse);
  d.SetRenderState(RenderState::ZWriteEnable, plat::kFalse);
  d.SetRenderState(RenderState::AlphaBlendEnable, plat::kTrue);
  d.SetRenderState(RenderState::SrcBlend, plat::Blend::One);
  d.SetRenderState(RenderState::DestBlend, plat::Blend::One);
  d.SetRenderState(RenderState::PointSpriteEnable, plat::kTrue);
  d.SetRenderState(RenderState::PointScaleEnable, plat::kTrue);
  d.SetRenderState(RenderState::PointSize, plat::FloatBits(0.5f));
  d.SetRenderState(RenderState::PointScaleA, plat::FloatBits(0));
  d.SetRenderState(RenderState::PointScaleB, plat::FloatBits(0));
  d.SetRenderState(RenderState::PointScaleC, plat::FloatBits(1));
  d.SetFVF(kFvfPoint);
  const PointVertex points[] = {{1.5f, 1.0f, 0, 0xFF800000u}, {1.5f, 1.0f, 0, 0xFF008040u}};
  ASSERT_TRUE(d.DrawPrimitiveUP(plat::PrimitiveType::PointList, 2, points, sizeof(PointVertex)));
  d.SetRenderState(RenderState::AlphaBlendEnable, plat::kFalse);

  plat::FontDesc desc;
  desc.height = 16;
  auto font = plat::CreateFont(d.shared_from_this(), desc);
  ASSERT_NE(font, nullptr);
  plat::Rect rect{120, 140, 250, 170};
  font->DrawText("Halvenor", -1, &rect, plat::TextFormat::Left, 0xFFFFFF00u);
  ASSERT_TRUE(d.EndScene());
  d.Present();
}

plat::Vec3 VertexPosition(const plat::DrawRecord& draw, std::uint32_t i) {
  return {draw.Read<float>(i, 0), draw.Read<float>(i, 4), draw.Read<float>(i, 8)};
}

// Where the headless device's transforms put a world position.
plat::Vec3 ToScreen(Device& d, const plat::Vec3& world) {
  plat::Vec3 screen;
  plat::Vec3Project(&screen, world, d.GetViewport(), d.GetTransform(plat::TransformType::Projection),
                    d.GetTransform(plat::TransformType::View), d.GetTransform(plat::TransformType::World));
  return screen;
}

std::uint32_t AddColors(std::uint32_t a, std::uint32_t b) {
  std::uint32_t out = 0xFF000000u;
  for (int shift = 0; shift <= 16; shift += 8)
    out |= std::min(255u, ((a >> shift) & 0xFF) + ((b >> shift) & 0xFF)) << shift;
  return out;
}

TEST_F(LiveDeviceTest, TheLiveSceneShowsWhatTheHeadlessRecordDescribes) {
  DrawScene(*headless_);
  DrawScene(*live_);
  EXPECT_TRUE(debugOutput_.empty()) << debugOutput_.front();
  const std::vector<std::uint32_t> shot = Capture();
  const std::string path = livetest::ScreenshotPath("halvenor_live_scene.png");
  ASSERT_TRUE(plat::SaveScreenshot(*live_, path));
  std::printf("live scene screenshot: %s\n", path.c_str());

  const std::vector<plat::DrawRecord> draws = headless_->Record().Draws();
  ASSERT_EQ(draws.size(), 3u);

  {
    SCOPED_TRACE("textured quad: each texel covers its quarter, pixel centres on whole coordinates");
    const plat::DrawRecord& quad = draws[0];
    const float left = quad.Read<float>(0, 0) + 0.5f, top = quad.Read<float>(0, 4) + 0.5f;
    const float right = quad.Read<float>(2, 0) + 0.5f, bottom = quad.Read<float>(2, 4) + 0.5f;
    std::vector<std::uint32_t> texels;
    ASSERT_TRUE(quad.textures[0]->ReadLevel(0, [&](const plat::ImageLevel& level) {
      texels.resize(4);
      std::memcpy(texels.data(), level.bytes.data(), 16);
    }));
    for (int ty = 0; ty < 2; ++ty)
      for (int tx = 0; tx < 2; ++tx) {
        const int x = int(left + (right - left) * (0.25f + 0.5f * tx));
        const int y = int(top + (bottom - top) * (0.25f + 0.5f * ty));
        EXPECT_TRUE(NearColor(At(shot, x, y), texels[std::size_t(ty) * 2 + tx])) << "texel " << tx << "," << ty;
      }
    // The quad's edges are exact: first and last covered pixel, and none beyond.
    EXPECT_TRUE(NearColor(At(shot, int(left), int(top)), texels[0]));
    EXPECT_TRUE(NearColor(At(shot, int(right) - 1, int(bottom) - 1), texels[3]));
    EXPECT_TRUE(NearColor(At(shot, int(left) - 1, int(top)), kClearColor));
    EXPECT_TRUE(NearColor(At(shot, int(right), int(bottom) - 1), kClearColor));
  }
  {
    SCOPED_TRACE("lit triangles: material diffuse times light diffuse; the counter-clockwise one culled");
    const plat::DrawRecord& lit = draws[1];
    plat::Light light;
    ASSERT_TRUE(headless_->GetLight(0, light));
    const plat::Material material = headless_->GetMaterial();
    const plat::Vec3 normal{lit.Read<float>(0, 12), lit.Read<float>(0, 16), lit.Read<float>(0, 20)};
    const float nDotL = std::max(0.0f, plat::Vec3Dot(normal, -light.direction));
    const std::uint32_t expected = plat::ColorToArgb({material.diffuse.r * light.diffuse.r * nDotL,
                                                      material.diffuse.g * light.diffuse.g * nDotL,
                                                      material.diffuse.b * light.diffuse.b * nDotL, 1});
    for (std::uint32_t t = 0; t < 2; ++t) {
      const plat::Vec3 centre = (VertexPosition(lit, 3 * t) + VertexPosition(lit, 3 * t + 1) +
                                 VertexPosition(lit, 3 * t + 2)) / 3.0f;
      const plat::Vec3 screen = ToScreen(*headless_, centre);
      EXPECT_TRUE(NearColor(At(shot, int(screen.x), int(screen.y)), t == 0 ? expected : kClearColor))
          << "triangle " << t << " at " << screen.x << "," << screen.y;
    }
  }
  {
    SCOPED_TRACE("point sprites: added together, sized by the point-scale formula");
    const plat::DrawRecord& points = draws[2];
    const plat::Vec3 world = VertexPosition(points, 0);
    const plat::Vec3 screen = ToScreen(*headless_, world);
    plat::Vec3 eye;
    plat::Vec3TransformCoord(&eye, world, headless_->GetTransform(plat::TransformType::View));
    const float d = plat::Vec3LengthOf(eye);
    auto state = [&](plat::RenderState s) { return plat::FloatFromBits(headless_->GetRenderState(s)); };
    const float size = float(kHeight) * state(plat::RenderState::PointSize) *
                       std::sqrt(1 / (state(plat::RenderState::PointScaleA) + state(plat::RenderState::PointScaleB) * d +
                                      state(plat::RenderState::PointScaleC) * d * d));
    ASSERT_GT(size, 10.0f);
    const std::uint32_t sum = AddColors(points.Read<std::uint32_t>(0, 12), points.Read<std::uint32_t>(1, 12));
    const int cx = int(screen.x), cy = int(screen.y), inside = int(size / 2) - 2, outside = int(size / 2) + 2;
    EXPECT_TRUE(NearColor(At(shot, cx, cy), sum));
    EXPECT_TRUE(NearColor(At(shot, cx - inside, cy), sum));
    EXPECT_TRUE(NearColor(At(shot, cx, cy + inside), sum));
    EXPECT_TRUE(NearColor(At(shot, cx + outside, cy), kClearColor));
    EXPECT_TRUE(NearColor(At(shot, cx, cy - outside), kClearColor));
  }
  {
    SCOPED_TRACE("text: glyphs in the text colour inside its rectangle, nothing above it");
    const std::vector<plat::TextRecord> texts = headless_->Record().Texts();
    ASSERT_EQ(texts.size(), 1u);
    const plat::Rect& r = texts[0].rect;
    int inked = 0;
    for (int y = r.top; y < r.bottom; ++y)
      for (int x = r.left; x < r.right; ++x) inked += NearColor(At(shot, x, y), texts[0].color, 8) ? 1 : 0;
    EXPECT_GT(inked, 40);
    for (int x = r.left; x < r.right; ++x) ASSERT_TRUE(NearColor(At(shot, x, r.top - 1), kClearColor)) << x;
  }
  EXPECT_TRUE(NearColor(At(shot, kWidth - 1, 0), kClearColor));
}

}  // namespace
}  // namespace live_test
