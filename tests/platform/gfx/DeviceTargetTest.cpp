#include <gtest/gtest.h>

#include <cstring>

#include "platform/gfx/RenderToSurface.h"
#include "platform/gfx/TextureLoader.h"
#include "tests/platform/gfx/DeviceTestSupport.h"

namespace plat::test {
namespace {

std::uint32_t FirstPixel(const Surface& surface) {
  std::uint32_t pixel = 0;
  surface.Read([&](const ImageLevel& level) { std::memcpy(&pixel, level.bytes.data(), 4); });
  return pixel;
}

class RenderTargets : public DeviceTest {
 protected:
  std::shared_ptr<Texture> target_ =
      CreateTexture(dev(), 128, 64, 1, Usage::RenderTarget, Format::A8R8G8B8, Pool::Default);
  std::shared_ptr<RenderToSurface> renderer_ =
      CreateRenderToSurface(device_, 128, 64, Format::A8R8G8B8, true, Format::D24S8);
};

TEST_F(RenderTargets, SettingATargetResetsTheViewportAndTheBackBufferComesBack) {
  auto surface = target_->GetSurfaceLevel(0);
  ASSERT_TRUE(dev().SetRenderTarget(0, surface));
  EXPECT_EQ(dev().GetViewport().width, 128u);
  EXPECT_EQ(dev().GetViewport().height, 64u);
  EXPECT_EQ(dev().GetRenderTarget(0), surface);
  ASSERT_TRUE(dev().SetRenderTarget(0, dev().GetBackBuffer()));
  EXPECT_EQ(dev().GetViewport().width, 800u);
  EXPECT_FALSE(dev().SetRenderTarget(0, nullptr));
  auto plain = dev().CreateTexture(8, 8, 1, 0, Format::A8R8G8B8, Pool::Managed);
  EXPECT_FALSE(dev().SetRenderTarget(0, plain->GetSurfaceLevel(0))) << "not a render target";
  EXPECT_EQ(dev().Record().Count(EventKind::RenderTarget), 2u);
}

TEST_F(RenderTargets, ClearsGoToTheCurrentTargetAndNeedADepthBufferForZ) {
  auto surface = target_->GetSurfaceLevel(0);
  dev().SetRenderTarget(0, surface);
  ASSERT_TRUE(dev().Clear(ClearFlags::Target, 0xFF123456u, 1.0f, 0));
  EXPECT_EQ(FirstPixel(*surface), 0xFF123456u);
  EXPECT_EQ(FirstPixel(*dev().GetBackBuffer()), 0u);
  dev().SetDepthStencilSurface(nullptr);
  EXPECT_FALSE(dev().Clear(ClearFlags::Target | ClearFlags::ZBuffer, 0, 1.0f, 0));
  ASSERT_EQ(dev().Record().Count(EventKind::Clear), 1u);
}

TEST_F(RenderTargets, AClearFillsTheViewportOnEveryRowAndNothingAroundIt) {
  auto surface = target_->GetSurfaceLevel(0);
  dev().SetRenderTarget(0, surface);
  ASSERT_TRUE(dev().Clear(ClearFlags::Target, 0xFF000000u, 1.0f, 0));
  const Viewport inner{10, 5, 100, 50};
  dev().SetViewport(inner);
  ASSERT_TRUE(dev().Clear(ClearFlags::Target, 0xFF123456u, 1.0f, 0));
  int wrong = 0;
  surface->Read([&](const ImageLevel& level) {
    for (int y = 0; y < level.height; ++y) {
      for (int x = 0; x < level.width; ++x) {
        std::uint32_t pixel = 0;
        std::memcpy(&pixel, level.bytes.data() + std::size_t(y) * level.pitch + std::size_t(x) * 4, 4);
        const bool inside = x >= 10 && x < 110 && y >= 5 && y < 55;
        if (pixel != (inside ? 0xFF123456u : 0xFF000000u)) ++wrong;
      }
    }
  });
  EXPECT_EQ(wrong, 0);
}

TEST_F(RenderTargets, RenderToSurfaceOutsideASceneOpensAndClosesItsOwn) {
  ASSERT_TRUE(renderer_);
  auto surface = target_->GetSurfaceLevel(0);
  auto backBuffer = dev().GetRenderTarget(0);
  auto depth = dev().GetDepthStencilSurface();
  ASSERT_TRUE(renderer_->BeginScene(surface, nullptr));
  EXPECT_TRUE(dev().InScene());
  EXPECT_EQ(dev().GetRenderTarget(0), surface);
  EXPECT_EQ(dev().GetDepthStencilSurface(), renderer_->DepthSurface());
  EXPECT_EQ(dev().GetViewport().width, 128u);
  EXPECT_FALSE(renderer_->BeginScene(surface, nullptr)) << "already begun";
  ASSERT_TRUE(dev().Clear(ClearFlags::Target | ClearFlags::ZBuffer, 0xFFABCDEFu, 1.0f, 0));
  ASSERT_TRUE(renderer_->EndScene());
  EXPECT_FALSE(dev().InScene());
  EXPECT_EQ(dev().GetRenderTarget(0), backBuffer);
  EXPECT_EQ(dev().GetDepthStencilSurface(), depth);
  EXPECT_EQ(dev().GetViewport().width, 800u);
  EXPECT_EQ(FirstPixel(*surface), 0xFFABCDEFu);
  EXPECT_FALSE(renderer_->EndScene());
}

TEST_F(RenderTargets, RenderToSurfaceInsideASceneLeavesThatSceneOpen) {
  Viewport custom{10, 10, 100, 100, 0, 1};
  dev().SetViewport(custom);
  ASSERT_TRUE(dev().BeginScene());
  Viewport part{0, 0, 64, 32, 0, 1};
  ASSERT_TRUE(renderer_->BeginScene(target_->GetSurfaceLevel(0), &part));
  EXPECT_EQ(dev().GetViewport().width, 64u);
  ASSERT_TRUE(renderer_->EndScene());
  EXPECT_TRUE(dev().InScene()) << "the outer scene goes on";
  EXPECT_EQ(dev().GetViewport().x, 10u);
  EXPECT_EQ(dev().GetViewport().width, 100u);
  EXPECT_TRUE(dev().EndScene());
  EXPECT_EQ(dev().Record().Count(EventKind::BeginScene), 1u);
}

TEST_F(RenderTargets, StretchRectCopiesAndScalesPixels) {
  auto source = dev().CreateRenderTarget(4, 4, Format::A8R8G8B8);
  auto dest = target_->GetSurfaceLevel(0);
  dev().SetRenderTarget(0, source);
  dev().Clear(ClearFlags::Target, 0xFF00FF00u, 1, 0);
  ASSERT_TRUE(dev().StretchRect(source, nullptr, dest, nullptr));
  std::uint32_t last = 0;
  dest->Read([&](const ImageLevel& level) {
    std::memcpy(&last, level.bytes.data() + level.pitch * 63 + 127 * 4, 4);
  });
  EXPECT_EQ(last, 0xFF00FF00u);
  Rect outside{0, 0, 5, 4};
  EXPECT_FALSE(dev().StretchRect(source, &outside, dest, nullptr));
  EXPECT_FALSE(dev().StretchRect(source, nullptr, dev().GetDepthStencilSurface(), nullptr));
  EXPECT_EQ(dev().Record().Count(EventKind::StretchRect), 1u);
}

TEST_F(RenderTargets, DepthSurfacesAndTargetsAreCreatedOnlyInTheirFormats) {
  EXPECT_TRUE(dev().CreateDepthStencilSurface(512, 512, Format::D24S8));
  EXPECT_FALSE(dev().CreateDepthStencilSurface(512, 512, Format::A8R8G8B8));
  EXPECT_FALSE(dev().CreateRenderTarget(512, 512, Format::D24S8));
  EXPECT_FALSE(dev().CreateRenderTarget(0, 512, Format::A8R8G8B8));
  EXPECT_FALSE(CreateRenderToSurface(device_, 0, 4, Format::A8R8G8B8, true, Format::D24S8));
}

}  // namespace
}  // namespace plat::test
