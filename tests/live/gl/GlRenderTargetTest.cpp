// Render targets on the OpenGL device keep the device's top-left origin:
// what is drawn at the top of a target is at the top of the texture, for
// drawing with it and for copies.
#include <gtest/gtest.h>

#include <cstring>

#include "tests/live/gl/LiveDevice.h"

namespace live_test {
namespace {

struct ScreenVertex {
  float x, y, z, rhw;
  std::uint32_t diffuse;
  float u, v;
};

// A pre-transformed quad over pixels [left, right) x [top, bottom).
void DrawQuad(plat::Device& d, float left, float top, float right, float bottom, std::uint32_t color) {
  const ScreenVertex quad[] = {{left - 0.5f, top - 0.5f, 0, 1, color, 0, 0},
                               {right - 0.5f, top - 0.5f, 0, 1, color, 1, 0},
                               {right - 0.5f, bottom - 0.5f, 0, 1, color, 1, 1},
                               {left - 0.5f, bottom - 0.5f, 0, 1, color, 0, 1}};
  d.SetFVF(0x144);
  ASSERT_TRUE(d.DrawPrimitiveUP(plat::PrimitiveType::TriangleFan, 2, quad, sizeof(ScreenVertex)));
}

TEST_F(LiveDeviceTest, RenderTargetsKeepTheirTopRowFirst) {
  plat::Device& d = *live_;
  auto target = d.CreateTexture(64, 64, 1, plat::Usage::RenderTarget, plat::Format::A8R8G8B8, plat::Pool::Default);
  ASSERT_NE(target, nullptr);
  const std::shared_ptr<plat::Surface> back = d.GetRenderTarget(0);
  d.SetRenderState(plat::RenderState::Lighting, plat::kFalse);
  d.SetRenderState(plat::RenderState::ZEnable, plat::kFalse);

  ASSERT_TRUE(d.BeginScene());
  ASSERT_TRUE(d.SetRenderTarget(0, target->GetSurfaceLevel(0)));
  EXPECT_EQ(d.GetViewport().height, 64u);
  d.Clear(plat::ClearFlags::Target, 0xFF0000FFu, 1, 0);
  DrawQuad(d, 0, 0, 64, 16, 0xFFFF0000u);  // a red band along the top
  ASSERT_TRUE(d.SetRenderTarget(0, back));
  d.Clear(plat::ClearFlags::Target, 0xFF000000u, 1, 0);
  d.SetTexture(0, target);
  DrawQuad(d, 100, 50, 164, 114, 0xFFFFFFFFu);
  d.SetTexture(0, nullptr);
  const plat::Rect corner{0, 0, 32, 32};
  ASSERT_TRUE(d.StretchRect(target->GetSurfaceLevel(0), nullptr, back, &corner));
  ASSERT_TRUE(d.EndScene());

  const std::vector<std::uint32_t> shot = Capture();
  EXPECT_TRUE(NearColor(At(shot, 132, 52), 0xFFFF0000u)) << "drawn with: top band at the top";
  EXPECT_TRUE(NearColor(At(shot, 132, 100), 0xFF0000FFu));
  EXPECT_TRUE(NearColor(At(shot, 16, 2), 0xFFFF0000u)) << "copied: top band at the top, scaled to half";
  EXPECT_TRUE(NearColor(At(shot, 16, 6), 0xFFFF0000u));
  EXPECT_TRUE(NearColor(At(shot, 16, 10), 0xFF0000FFu));
  EXPECT_TRUE(NearColor(At(shot, 16, 30), 0xFF0000FFu));
  EXPECT_TRUE(NearColor(At(shot, 40, 16), 0xFF000000u));
}

TEST_F(LiveDeviceTest, ClearsStayInsideTheViewport) {
  plat::Device& d = *live_;
  d.BeginScene();
  d.Clear(plat::ClearFlags::Target, 0xFF000000u, 1, 0);
  d.SetViewport({10, 20, 30, 40, 0, 1});
  d.Clear(plat::ClearFlags::Target, 0xFF00FF00u, 1, 0);
  d.EndScene();
  const std::vector<std::uint32_t> shot = Capture();
  EXPECT_TRUE(NearColor(At(shot, 10, 20), 0xFF00FF00u));
  EXPECT_TRUE(NearColor(At(shot, 39, 59), 0xFF00FF00u));
  EXPECT_TRUE(NearColor(At(shot, 9, 20), 0xFF000000u));
  EXPECT_TRUE(NearColor(At(shot, 40, 59), 0xFF000000u));
  EXPECT_TRUE(NearColor(At(shot, 10, 60), 0xFF000000u));
}

TEST_F(LiveDeviceTest, TexturesChangedAfterTheirFirstUseAreUploadedAgain) {
  plat::Device& d = *live_;
  auto texture = d.CreateTexture(1, 1, 1, plat::Usage::Dynamic, plat::Format::X8R8G8B8, plat::Pool::Default);
  ASSERT_NE(texture, nullptr);
  auto fill = [&](std::uint32_t argb) {
    plat::LockedRect rect;
    ASSERT_TRUE(texture->LockRect(0, rect, nullptr, plat::Lock::Discard));
    std::memcpy(rect.bits, &argb, 4);
    texture->UnlockRect(0);
  };
  d.SetRenderState(plat::RenderState::Lighting, plat::kFalse);
  d.SetTexture(0, texture);
  for (std::uint32_t color : {0x00FF0000u, 0x000000FFu}) {
    fill(color);  // no alpha: an X8 texture reads opaque
    d.BeginScene();
    d.Clear(plat::ClearFlags::Target | plat::ClearFlags::ZBuffer, 0xFF000000u, 1, 0);
    d.SetRenderState(plat::RenderState::AlphaTestEnable, plat::kTrue);
    d.SetRenderState(plat::RenderState::AlphaFunc, plat::Compare::GreaterEqual);
    d.SetRenderState(plat::RenderState::AlphaRef, 0x80);
    DrawQuad(d, 0, 0, 16, 16, 0xFFFFFFFFu);
    d.EndScene();
    EXPECT_TRUE(NearColor(At(Capture(), 8, 8), color | 0xFF000000u));
  }
}

}  // namespace
}  // namespace live_test
