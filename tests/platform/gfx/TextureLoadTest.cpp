#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "platform/gfx/PngWriter.h"
#include "platform/gfx/TextureLoader.h"
#include "tests/platform/gfx/DeviceTestSupport.h"
#include "tests/platform/os/TempTree.h"

namespace plat::test {
namespace {

constexpr std::uint32_t kKey = 0xFF00FF00u;  // opaque green

class TextureLoad : public DeviceTest {
 protected:
  void SetUp() override {
    pixels_.assign(8 * 4, 0xFF102030u);
    pixels_[5] = kKey;
    tree_.MakeFolder("images");
    ASSERT_TRUE(WritePngFile(tree_.Host("images/sign.png"), 8, 4, pixels_.data()));
  }
  static std::uint32_t Pixel(const Texture& texture, std::uint32_t level, int index) {
    std::uint32_t pixel = 0;
    texture.ReadLevel(
        level, [&](const ImageLevel& l) { std::memcpy(&pixel, l.bytes.data() + index * 4, 4); });
    return pixel;
  }
  TempTree tree_;
  std::vector<std::uint32_t> pixels_;
};

TEST_F(TextureLoad, TakesTheFilesOwnSizeAndAFullChainThroughAGamePath) {
  std::string error;
  auto texture = CreateTextureFromFile(dev(), "\\Images\\SIGN.png ", &error);
  ASSERT_TRUE(texture) << error;
  EXPECT_EQ(texture->Width(), 8);
  EXPECT_EQ(texture->Height(), 4);
  EXPECT_EQ(texture->LevelCount(), 4u);
  EXPECT_EQ(texture->GetFormat(), Format::A8R8G8B8);
  EXPECT_EQ(texture->GetPool(), Pool::Managed);
  EXPECT_EQ(Pixel(*texture, 0, 0), 0xFF102030u);
  EXPECT_EQ(Pixel(*texture, 0, 5), kKey) << "no colour key by default";
  SurfaceDesc last;
  texture->GetLevelDesc(3, last);
  EXPECT_EQ(last.width, 1);
  EXPECT_EQ(last.height, 1);
}

TEST_F(TextureLoad, OneLevelSystemMemoryWithColourKeyAndImageInfo) {
  TextureLoadOptions options;
  options.mipLevels = 1;
  options.pool = Pool::SystemMem;
  options.colorKey = kKey;
  ImageInfo info;
  auto texture = CreateTextureFromFileEx(dev(), "images/sign.png", options, &info);
  ASSERT_TRUE(texture);
  EXPECT_EQ(texture->LevelCount(), 1u);
  EXPECT_EQ(texture->GetPool(), Pool::SystemMem);
  EXPECT_EQ(Pixel(*texture, 0, 5), 0x00000000u) << "keyed pixel becomes transparent black";
  EXPECT_EQ(Pixel(*texture, 0, 4), 0xFF102030u);
  EXPECT_EQ(info.width, 8);
  EXPECT_EQ(info.height, 4);
  EXPECT_EQ(info.format, Format::A8R8G8B8);
  EXPECT_EQ(info.fileType, ImageFileType::Png);
}

TEST_F(TextureLoad, AKeyThatMatchesNothingLeavesThePixels) {
  TextureLoadOptions options;
  options.colorKey = 0x00000001u;  // the GUI's key: alpha 0 never matches an opaque pixel
  auto texture = CreateTextureFromFileEx(dev(), "images/sign.png", options, nullptr);
  ASSERT_TRUE(texture);
  EXPECT_EQ(Pixel(*texture, 0, 5), kKey);
}

TEST_F(TextureLoad, AGivenSizeOrFormatConvertsThePixels) {
  TextureLoadOptions options;
  options.width = 4;
  options.height = 2;
  options.mipLevels = 1;
  options.format = Format::R5G6B5;
  ImageInfo info;
  auto texture = CreateTextureFromFileEx(dev(), "images/sign.png", options, &info);
  ASSERT_TRUE(texture);
  EXPECT_EQ(texture->Width(), 4);
  EXPECT_EQ(texture->GetFormat(), Format::R5G6B5);
  EXPECT_EQ(info.width, 8) << "the info keeps the file's own size";
  std::uint16_t texel = 0;
  texture->ReadLevel(0, [&](const ImageLevel& l) { std::memcpy(&texel, l.bytes.data(), 2); });
  EXPECT_EQ(texel, (2 << 11) | (8 << 5) | 6);  // 0x10, 0x20, 0x30 in 5-6-5
}

TEST_F(TextureLoad, MissingOrBrokenFilesGiveNullAndAReason) {
  std::string error;
  EXPECT_FALSE(CreateTextureFromFile(dev(), "images/none.png", &error));
  EXPECT_NE(error.find("images/none.png"), std::string::npos);
  tree_.Write("images/broken.png", std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16));
  error.clear();
  EXPECT_FALSE(CreateTextureFromFile(dev(), "images/broken.png", &error));
  EXPECT_FALSE(error.empty());
  tree_.Write("images/empty.bmp", "");
  EXPECT_FALSE(CreateTextureFromFile(dev(), "images/empty.bmp", &error));
}

}  // namespace
}  // namespace plat::test
