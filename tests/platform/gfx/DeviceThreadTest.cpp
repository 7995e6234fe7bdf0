#include <gtest/gtest.h>

#include <cstring>
#include <thread>
#include <vector>

#include "platform/gfx/Font.h"
#include "platform/gfx/Mesh.h"
#include "platform/gfx/TextureLoader.h"
#include "tests/platform/gfx/DeviceTestSupport.h"

namespace plat::test {
namespace {

TEST_F(DeviceTest, ResourcesMadeOnLoaderThreadsDrawOnTheWindowThread) {
  std::vector<std::shared_ptr<Texture>> textures(4);
  std::vector<std::shared_ptr<Mesh>> spheres(4);
  std::vector<std::shared_ptr<Font>> fonts(4);
  std::vector<std::thread> loaders;
  for (int t = 0; t < 4; ++t) {
    loaders.emplace_back([&, t] {
      auto texture = CreateTexture(dev(), 16, 16, 0, 0, Format::A8R8G8B8, Pool::Managed);
      FillTexture(*texture, [t](const Vec2&, const Vec2&) { return Vec4{float(t) / 4, 0, 0, 1}; });
      textures[t] = texture;
      spheres[t] = CreateSphere(device_, 1.0f + float(t), 8, 6);
      FontDesc desc;
      desc.height = 10 + t;
      fonts[t] = CreateFont(device_, desc);
    });
  }
  for (std::thread& t : loaders) t.join();

  dev().BeginScene();
  for (int t = 0; t < 4; ++t) {
    ASSERT_TRUE(textures[t] && spheres[t] && fonts[t]);
    dev().SetTexture(0, textures[t]);
    EXPECT_TRUE(spheres[t]->DrawSubset(0));
    EXPECT_GT(fonts[t]->DrawText("Loaded", -1, nullptr, 0, 0xFFFFFFFFu), 0);
  }
  auto draws = dev().Record().Draws();
  ASSERT_EQ(draws.size(), 4u);
  EXPECT_EQ(draws[3].textures[0], textures[3]);
  std::uint32_t pixel = 0;
  textures[2]->ReadLevel(0, [&](const ImageLevel& l) { std::memcpy(&pixel, l.bytes.data(), 4); });
  EXPECT_EQ(pixel, 0xFF800000u);
}

TEST(DeviceLifetime, ResourcesOutliveTheirDevice) {
  auto device = MakeHeadlessDevice();
  auto texture = CreateTexture(*device, 8, 8, 1, 0, Format::A8R8G8B8, Pool::Managed);
  auto sphere = CreateSphere(device, 1.0f, 6, 4);
  FontDesc desc;
  auto font = CreateFont(device, desc);
  device->BeginScene();
  device->SetTexture(0, texture);
  device.reset();
  LockedRect rect;
  ASSERT_TRUE(texture->LockRect(0, rect));
  texture->UnlockRect(0);
  EXPECT_FALSE(sphere->DrawSubset(0));
  Rect r{0, 0, 10, 10};
  EXPECT_EQ(font->DrawText("x", -1, &r, 0, 0), 0);
  EXPECT_GT(font->DrawText("x", -1, &r, TextFormat::CalcRect, 0), 0) << "measuring needs no device";
}

}  // namespace
}  // namespace plat::test
