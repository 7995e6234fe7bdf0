#include <gtest/gtest.h>

#include <cstring>

#include "platform/gfx/Device.h"
#include "platform/gfx/TextureLoader.h"
#include "tests/platform/gfx/DeviceTestSupport.h"

namespace plat::test {
namespace {

struct FormatCase {
  Format format;
  int pitch0;     // of the 64 x 32 level 0
  int pitchLast;  // of the 1 x 1 level
};

class TextureFormats : public DeviceTest, public ::testing::WithParamInterface<FormatCase> {};

TEST_P(TextureFormats, FullChainLevelsLockWithTheFormatsPitch) {
  const FormatCase& c = GetParam();
  auto texture = CreateTexture(dev(), 64, 32, 0, 0, c.format, Pool::Managed);
  ASSERT_TRUE(texture);
  ASSERT_EQ(texture->LevelCount(), 7u);
  SurfaceDesc desc;
  ASSERT_TRUE(texture->GetLevelDesc(2, desc));
  EXPECT_EQ(desc.width, 16);
  EXPECT_EQ(desc.height, 8);
  EXPECT_EQ(desc.format, c.format);
  EXPECT_FALSE(texture->GetLevelDesc(7, desc));

  LockedRect rect;
  ASSERT_TRUE(texture->LockRect(0, rect));
  EXPECT_EQ(rect.pitch, c.pitch0);
  EXPECT_NE(rect.bits, nullptr);
  rect.bits[rect.pitch * (IsBlockCompressed(c.format) ? 7 : 31)] = 0x7F;  // last row
  EXPECT_TRUE(texture->UnlockRect(0));
  ASSERT_TRUE(texture->LockRect(6, rect));
  EXPECT_EQ(rect.pitch, c.pitchLast);
  EXPECT_TRUE(texture->UnlockRect(6));
}

INSTANTIATE_TEST_SUITE_P(
    Formats, TextureFormats,
    ::testing::Values(FormatCase{Format::A8R8G8B8, 256, 4}, FormatCase{Format::X8R8G8B8, 256, 4},
                      FormatCase{Format::R5G6B5, 128, 2}, FormatCase{Format::A8, 64, 1},
                      FormatCase{Format::R32F, 256, 4}, FormatCase{Format::Dxt1, 128, 8},
                      FormatCase{Format::Dxt3, 256, 16}, FormatCase{Format::Dxt5, 256, 16}));

TEST_F(DeviceTest, TextureLevelCountsAreCutToTheFullChain) {
  EXPECT_EQ(CreateTexture(dev(), 256, 256, 1, 0, Format::A8R8G8B8, Pool::Managed)->LevelCount(),
            1u);
  EXPECT_EQ(CreateTexture(dev(), 256, 256, kDefaultValue, 0, Format::A8R8G8B8, Pool::Managed)
                ->LevelCount(),
            9u);
  EXPECT_EQ(CreateTexture(dev(), 5, 3, 20, 0, Format::A8R8G8B8, Pool::Managed)->LevelCount(), 3u);
  std::string error;
  EXPECT_FALSE(CreateTexture(dev(), 0, 4, 1, 0, Format::A8R8G8B8, Pool::Managed, &error));
  EXPECT_FALSE(error.empty());
  EXPECT_FALSE(CreateTexture(dev(), 4, 4, 1, 0, Format::Unknown, Pool::Managed));
}

TEST_F(DeviceTest, LockingFollowsThePoolAndUsageRules) {
  struct Case {
    std::uint32_t usage;
    Pool pool;
    bool created, lockable;
  };
  const Case cases[] = {
      {0, Pool::Managed, true, true},
      {0, Pool::SystemMem, true, true},
      {Usage::Dynamic, Pool::Default, true, true},
      {0, Pool::Default, true, false},
      {Usage::RenderTarget, Pool::Default, true, false},
      {Usage::RenderTarget, Pool::Managed, false, false},
      {Usage::Dynamic, Pool::Managed, false, false},
  };
  for (const Case& c : cases) {
    auto texture = dev().CreateTexture(8, 8, 1, c.usage, Format::A8R8G8B8, c.pool);
    ASSERT_EQ(bool(texture), c.created) << c.usage << " pool " << int(c.pool);
    if (!texture) continue;
    LockedRect rect;
    EXPECT_EQ(texture->LockRect(0, rect), c.lockable) << c.usage << " pool " << int(c.pool);
  }
}

TEST_F(DeviceTest, ALevelLocksOnceAndSubRectanglesPointIntoIt) {
  auto texture = dev().CreateTexture(16, 16, 1, 0, Format::A8R8G8B8, Pool::Managed);
  LockedRect whole, part;
  ASSERT_TRUE(texture->LockRect(0, whole));
  EXPECT_FALSE(texture->LockRect(0, part));
  EXPECT_TRUE(texture->IsLocked());
  EXPECT_FALSE(texture->ReadLevel(0, [](const ImageLevel&) {}))
      << "no reads of half-written pixels";
  texture->UnlockRect(0);
  Rect r{4, 2, 8, 6};
  ASSERT_TRUE(texture->LockRect(0, part, &r));
  EXPECT_EQ(part.bits, whole.bits + 2 * 64 + 4 * 4);
  texture->UnlockRect(0);
  Rect outside{8, 8, 17, 9};
  EXPECT_FALSE(texture->LockRect(0, part, &outside));
  EXPECT_FALSE(texture->UnlockRect(0)) << "not locked";
}

TEST_F(DeviceTest, UnlockingMarksTheTextureChangedForUpload) {
  auto texture = dev().CreateTexture(4, 4, 1, 0, Format::A8R8G8B8, Pool::Managed);
  std::uint64_t before = texture->Generation();
  LockedRect rect;
  texture->LockRect(0, rect);
  EXPECT_EQ(texture->Generation(), before);
  texture->UnlockRect(0);
  EXPECT_GT(texture->Generation(), before);
}

TEST_F(DeviceTest, SurfaceLevelsAreSharedAndKeepTheirTextureAlive) {
  auto texture = dev().CreateTexture(32, 16, 0, 0, Format::A8R8G8B8, Pool::Managed);
  auto level1 = texture->GetSurfaceLevel(1);
  ASSERT_TRUE(level1);
  EXPECT_EQ(level1, texture->GetSurfaceLevel(1));
  EXPECT_EQ(level1->Width(), 16);
  EXPECT_EQ(level1->Height(), 8);
  EXPECT_EQ(level1->Level(), 1u);
  EXPECT_FALSE(texture->GetSurfaceLevel(6));
  std::weak_ptr<Texture> weak = texture;
  texture.reset();
  ASSERT_FALSE(weak.expired());
  EXPECT_EQ(level1->Container()->Width(), 32);
  level1.reset();
  EXPECT_TRUE(weak.expired());
}

TEST_F(DeviceTest, UpdateSurfaceCopiesSystemMemoryPixelsIntoADefaultPoolTexture) {
  auto source = dev().CreateTexture(4, 4, 1, 0, Format::A8R8G8B8, Pool::SystemMem);
  auto dest = dev().CreateTexture(4, 4, 1, Usage::Dynamic, Format::A8R8G8B8, Pool::Default);
  LockedRect rect;
  ASSERT_TRUE(source->LockRect(0, rect));
  std::memset(rect.bits, 0x42, 64);
  source->UnlockRect(0);
  ASSERT_TRUE(dev().UpdateSurface(source->GetSurfaceLevel(0), dest->GetSurfaceLevel(0)));
  dest->ReadLevel(0, [](const ImageLevel& level) { EXPECT_EQ(level.bytes[63], 0x42); });
  EXPECT_EQ(dev().Record().Count(EventKind::UpdateSurface), 1u);

  auto managed = dev().CreateTexture(4, 4, 1, 0, Format::A8R8G8B8, Pool::Managed);
  auto small = dev().CreateTexture(2, 2, 1, Usage::Dynamic, Format::A8R8G8B8, Pool::Default);
  EXPECT_FALSE(dev().UpdateSurface(managed->GetSurfaceLevel(0), dest->GetSurfaceLevel(0)));
  EXPECT_FALSE(dev().UpdateSurface(source->GetSurfaceLevel(0), small->GetSurfaceLevel(0)));
  EXPECT_FALSE(dev().UpdateSurface(nullptr, dest->GetSurfaceLevel(0)));
}

TEST_F(DeviceTest, FillTextureGivesTexelCentresOnEveryLevel) {
  // The shadow map's fill: each texel holds its own (u, v).
  auto map = CreateTexture(dev(), 4, 2, 0, Usage::RenderTarget, Format::R32F, Pool::Default);
  ASSERT_TRUE(map);
  ASSERT_TRUE(FillTexture(*map, [](const Vec2& uv, const Vec2& size) {
    EXPECT_GT(size.x, 0.0f);
    return Vec4{uv.x, uv.y, 0, 0};
  }));
  map->ReadLevel(0, [](const ImageLevel& level) {
    float texel[4];
    std::memcpy(texel, level.bytes.data() + level.pitch, 16);  // second row
    EXPECT_FLOAT_EQ(texel[0], 0.125f);
    EXPECT_FLOAT_EQ(texel[3], 0.875f);
  });
  map->ReadLevel(2, [](const ImageLevel& level) {
    float texel;
    std::memcpy(&texel, level.bytes.data(), 4);
    EXPECT_FLOAT_EQ(texel, 0.5f);
  });
  auto argb = CreateTexture(dev(), 2, 1, 1, 0, Format::A8R8G8B8, Pool::Managed);
  ASSERT_TRUE(FillTexture(*argb, [](const Vec2&, const Vec2&) { return Vec4{1, 0.5f, 0, 1}; }));
  argb->ReadLevel(0, [](const ImageLevel& level) {
    std::uint32_t pixel;
    std::memcpy(&pixel, level.bytes.data(), 4);
    EXPECT_EQ(pixel, 0xFFFF8000u);
  });
  auto dxt = CreateTexture(dev(), 4, 4, 1, 0, Format::Dxt1, Pool::Managed);
  EXPECT_FALSE(FillTexture(*dxt, [](const Vec2&, const Vec2&) { return Vec4{}; }));
}

}  // namespace
}  // namespace plat::test
