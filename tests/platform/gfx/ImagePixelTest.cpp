#include <gtest/gtest.h>

#include <cstring>

#include "platform/gfx/Image.h"

namespace plat {
namespace {

Image OneLevel(Format format, int width, int height, std::vector<std::uint8_t> bytes) {
  Image image;
  image.format = format;
  image.width = width;
  image.height = height;
  ImageLevel level;
  level.width = width;
  level.height = height;
  level.pitch = RowPitch(format, width);
  level.bytes = std::move(bytes);
  image.levels.push_back(std::move(level));
  return image;
}

Image Argb32(int width, int height, const std::vector<std::uint32_t>& pixels, Format format = Format::A8R8G8B8) {
  std::vector<std::uint8_t> bytes(pixels.size() * 4);
  for (std::size_t i = 0; i < pixels.size(); ++i) {
    for (int b = 0; b < 4; ++b) bytes[i * 4 + b] = std::uint8_t(pixels[i] >> (8 * b));
  }
  return OneLevel(format, width, height, bytes);
}

std::vector<std::uint8_t> Le(std::uint32_t value, int bytes) {
  std::vector<std::uint8_t> out;
  for (int i = 0; i < bytes; ++i) out.push_back(std::uint8_t(value >> (8 * i)));
  return out;
}

std::vector<std::uint8_t> FloatBytes(float f) {
  std::vector<std::uint8_t> out(4);
  std::memcpy(out.data(), &f, 4);
  return out;
}

TEST(ImageToArgb, ExpandsEachUncompressedFormat) {
  struct Case {
    Format format;
    std::vector<std::uint8_t> pixel;
    std::uint32_t expected;
  } cases[] = {
      {Format::A8R8G8B8, Le(0x80123456, 4), 0x80123456},
      {Format::X8R8G8B8, Le(0x00123456, 4), 0xFF123456},
      {Format::R8G8B8, Le(0x123456, 3), 0xFF123456},
      {Format::R5G6B5, Le(0xFFFF, 2), 0xFFFFFFFF},
      {Format::R5G6B5, Le(0xF800, 2), 0xFFFF0000},
      {Format::R5G6B5, Le(0x07E0, 2), 0xFF00FF00},
      {Format::R5G6B5, Le(0x8410, 2), 0xFF848284},  // top bits replicated: 10000 -> 10000100
      {Format::A1R5G5B5, Le(0x7C00, 2), 0x00FF0000},
      {Format::A1R5G5B5, Le(0x801F, 2), 0xFF0000FF},
      {Format::X1R5G5B5, Le(0x03E0, 2), 0xFF00FF00},
      {Format::A4R4G4B4, Le(0x8F0A, 2), 0x88FF00AA},
      {Format::A8, {0x80}, 0x80FFFFFF},
      {Format::L8, {0x40}, 0xFF404040},
      {Format::R32F, FloatBytes(0.5f), 0xFF800000},
      {Format::R32F, FloatBytes(-1.0f), 0xFF000000},
      {Format::R32F, FloatBytes(7.0f), 0xFFFF0000},
      {Format::R32F, FloatBytes(std::numeric_limits<float>::quiet_NaN()), 0xFF000000},
  };
  for (const Case& c : cases) {
    std::vector<std::uint32_t> pixels;
    ASSERT_TRUE(ToArgb(OneLevel(c.format, 1, 1, c.pixel), 0, pixels)) << int(c.format);
    EXPECT_EQ(pixels[0], c.expected) << std::hex << "format " << std::dec << int(c.format);
  }
}

TEST(ImageToArgb, RefusesMissingLevelsShortBytesAndDepthFormats) {
  std::vector<std::uint32_t> pixels;
  Image image = Argb32(2, 2, {1, 2, 3, 4});
  EXPECT_FALSE(ToArgb(image, 1, pixels));
  EXPECT_FALSE(ToArgb(image, -1, pixels));
  image.levels[0].bytes.resize(15);
  EXPECT_FALSE(ToArgb(image, 0, pixels));
  EXPECT_FALSE(ToArgb(OneLevel(Format::D24S8, 1, 1, {0, 0, 0, 0}), 0, pixels));
  EXPECT_FALSE(ToArgb(OneLevel(Format::Unknown, 1, 1, {0, 0, 0, 0}), 0, pixels));
}

TEST(ImageToArgb, HonoursALevelPitchWiderThanItsRow) {
  Image image = OneLevel(Format::L8, 2, 2, {10, 20, 99, 99, 30, 40});
  image.levels[0].pitch = 4;
  std::vector<std::uint32_t> pixels;
  ASSERT_TRUE(ToArgb(image, 0, pixels));
  EXPECT_EQ(pixels, (std::vector<std::uint32_t>{0xFF0A0A0A, 0xFF141414, 0xFF1E1E1E, 0xFF282828}));
}

// Red 0xF800 and blue 0x001F; indices 0,1,2,3 along every row.
const std::vector<std::uint8_t> kRedBlueColours = {0x00, 0xF8, 0x1F, 0x00, 0xE4, 0xE4, 0xE4, 0xE4};

std::vector<std::uint32_t> DecodeBlock(Format format, std::vector<std::uint8_t> block) {
  std::vector<std::uint32_t> pixels;
  EXPECT_TRUE(ToArgb(OneLevel(format, 4, 4, std::move(block)), 0, pixels));
  return pixels;
}

TEST(ImageDxt, Dxt1FourColourBlockInterpolatesThirds) {
  std::vector<std::uint32_t> pixels = DecodeBlock(Format::Dxt1, kRedBlueColours);
  const std::uint32_t row[4] = {0xFFFF0000, 0xFF0000FF, 0xFFAA0055, 0xFF5500AA};
  for (int i = 0; i < 16; ++i) EXPECT_EQ(pixels[std::size_t(i)], row[i % 4]) << i;
}

TEST(ImageDxt, Dxt1ThreeColourBlockHasHalfwayColourAndTransparentBlack) {
  // First colour blue below second colour red selects the three-colour mode.
  std::vector<std::uint32_t> pixels = DecodeBlock(Format::Dxt1, {0x1F, 0x00, 0x00, 0xF8, 0xE4, 0xE4, 0xE4, 0xE4});
  const std::uint32_t row[4] = {0xFF0000FF, 0xFFFF0000, 0xFF7F007F, 0x00000000};
  for (int i = 0; i < 16; ++i) EXPECT_EQ(pixels[std::size_t(i)], row[i % 4]) << i;
}

TEST(ImageDxt, Dxt3UsesExplicitFourBitAlphaAndAlwaysFourColours) {
  std::vector<std::uint8_t> block = {0xF0, 0x00, 0, 0, 0, 0, 0, 0x80};  // texel 1 alpha 15, texel 15 alpha 8
  // Colours in three-colour order still decode as four colours in DXT3.
  block.insert(block.end(), {0x1F, 0x00, 0x00, 0xF8, 0xE4, 0xE4, 0xE4, 0xE4});
  std::vector<std::uint32_t> pixels = DecodeBlock(Format::Dxt3, block);
  EXPECT_EQ(pixels[0], 0x000000FFu);
  EXPECT_EQ(pixels[1], 0xFFFF0000u);
  EXPECT_EQ(pixels[3], 0x00AA0055u);
  EXPECT_EQ(pixels[15], 0x88AA0055u);
}

TEST(ImageDxt, Dxt5InterpolatesAlphaInBothModes) {
  // Indices: texel 0 -> 0, texel 1 -> 1, texel 2 -> 2, texel 3 -> 6, texel 4 -> 7.
  std::uint64_t bits = 0ull | 1ull << 3 | 2ull << 6 | 6ull << 9 | 7ull << 12;
  auto block = [&](std::uint8_t a0, std::uint8_t a1) {
    std::vector<std::uint8_t> b = {a0, a1};
    for (int i = 0; i < 6; ++i) b.push_back(std::uint8_t(bits >> (8 * i)));
    b.insert(b.end(), kRedBlueColours.begin(), kRedBlueColours.end());
    return b;
  };
  std::vector<std::uint32_t> eight = DecodeBlock(Format::Dxt5, block(255, 0));
  const std::uint32_t eightAlphas[5] = {255, 0, 218, 72, 36};
  for (int i = 0; i < 5; ++i) EXPECT_EQ(eight[std::size_t(i)] >> 24, eightAlphas[i]) << i;
  std::vector<std::uint32_t> six = DecodeBlock(Format::Dxt5, block(0, 255));
  const std::uint32_t sixAlphas[5] = {0, 255, 51, 0, 255};
  for (int i = 0; i < 5; ++i) EXPECT_EQ(six[std::size_t(i)] >> 24, sixAlphas[i]) << i;
  EXPECT_EQ(six[0] & 0xFFFFFF, 0xFF0000u);
}

TEST(ImageDxt, PartialEdgeBlocksAreCropped) {
  // 5x2 image: two blocks across; the second block is red everywhere.
  std::vector<std::uint8_t> bytes = {0x1F, 0x00, 0x1F, 0x00, 0, 0, 0, 0, 0x00, 0xF8, 0x00, 0xF8, 0, 0, 0, 0};
  std::vector<std::uint32_t> pixels;
  ASSERT_TRUE(ToArgb(OneLevel(Format::Dxt1, 5, 2, bytes), 0, pixels));
  ASSERT_EQ(pixels.size(), 10u);
  EXPECT_EQ(pixels[3], 0xFF0000FFu);
  EXPECT_EQ(pixels[4], 0xFFFF0000u);
  EXPECT_EQ(pixels[9], 0xFFFF0000u);
}

TEST(ImageColorKey, KeyedPixelsBecomeTransparentBlackOthersStay) {
  Image image = Argb32(2, 2, {0xFF00FF00, 0x00000001, 0xFF123456, 0x01000000});
  ApplyColorKey(image, 0x00000001);
  std::vector<std::uint32_t> pixels;
  ASSERT_TRUE(ToArgb(image, 0, pixels));
  EXPECT_EQ(pixels, (std::vector<std::uint32_t>{0xFF00FF00, 0, 0xFF123456, 0x01000000}));
}

TEST(ImageColorKey, ImagesWithoutAlphaCompareOpaqueAndGainAlpha) {
  Image image = Argb32(2, 1, {0x00FF00FF, 0x00123456}, Format::X8R8G8B8);
  ApplyColorKey(image, 0xFFFF00FF);
  EXPECT_EQ(image.format, Format::A8R8G8B8);
  std::vector<std::uint32_t> pixels;
  ASSERT_TRUE(ToArgb(image, 0, pixels));
  EXPECT_EQ(pixels, (std::vector<std::uint32_t>{0x00000000, 0xFF123456}));
}

TEST(ImageMipChain, HalvesDownToOneByOne) {
  struct Case {
    int width, height;
    std::vector<std::pair<int, int>> sizes;
  } cases[] = {
      {1, 1, {{1, 1}}},
      {8, 4, {{8, 4}, {4, 2}, {2, 1}, {1, 1}}},
      {5, 3, {{5, 3}, {2, 1}, {1, 1}}},
      {1, 6, {{1, 6}, {1, 3}, {1, 1}}},
  };
  for (const Case& c : cases) {
    Image image = Argb32(c.width, c.height, std::vector<std::uint32_t>(std::size_t(c.width) * c.height, 0xFF808080));
    BuildMipChain(image);
    ASSERT_EQ(image.levels.size(), c.sizes.size()) << c.width << "x" << c.height;
    for (std::size_t i = 0; i < c.sizes.size(); ++i) {
      EXPECT_EQ(image.levels[i].width, c.sizes[i].first);
      EXPECT_EQ(image.levels[i].height, c.sizes[i].second);
      std::vector<std::uint32_t> pixels;
      ASSERT_TRUE(ToArgb(image, int(i), pixels));
      for (std::uint32_t p : pixels) EXPECT_EQ(p, 0xFF808080u);
    }
  }
}

TEST(ImageMipChain, BoxFilterAveragesEachChannel) {
  Image image = Argb32(2, 2, {0xFF000000, 0xFFFF0000, 0x0000FF00, 0x000000FF});
  BuildMipChain(image);
  ASSERT_EQ(image.levels.size(), 2u);
  std::vector<std::uint32_t> pixels;
  ASSERT_TRUE(ToArgb(image, 1, pixels));
  EXPECT_EQ(pixels[0], 0x80404040u);  // 255 * 2 / 4 and 255 / 4, rounded
}

TEST(ImageMipChain, ReplacesAnOldChainAndLeavesCompressedImagesAlone) {
  Image image = Argb32(4, 4, std::vector<std::uint32_t>(16, 0xFFFFFFFF));
  BuildMipChain(image);
  BuildMipChain(image);
  EXPECT_EQ(image.levels.size(), 3u);
  Image dxt = OneLevel(Format::Dxt1, 4, 4, std::vector<std::uint8_t>(8, 0));
  BuildMipChain(dxt);
  EXPECT_EQ(dxt.levels.size(), 1u);
}

}  // namespace
}  // namespace plat
