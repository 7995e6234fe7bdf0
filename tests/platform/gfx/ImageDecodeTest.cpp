#include <gtest/gtest.h>

#include <stb/stb_image_write.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "platform/gfx/Image.h"
#include "platform/gfx/PngWriter.h"

namespace plat {
namespace {

std::vector<std::uint32_t> Decoded(const std::vector<std::uint8_t>& file, std::string_view name = {}) {
  Image image;
  std::string error;
  EXPECT_TRUE(DecodeImage(file.data(), file.size(), image, error, name)) << error;
  EXPECT_EQ(image.format, Format::A8R8G8B8);
  EXPECT_EQ(image.levels.size(), 1u);
  std::vector<std::uint32_t> pixels;
  if (!image.levels.empty()) {
    EXPECT_TRUE(ToArgb(image, 0, pixels));
  }
  return pixels;
}

void Put16(std::vector<std::uint8_t>& v, std::size_t at, std::uint32_t x) {
  v[at] = std::uint8_t(x);
  v[at + 1] = std::uint8_t(x >> 8);
}
void Put32(std::vector<std::uint8_t>& v, std::size_t at, std::uint32_t x) {
  Put16(v, at, x & 0xFFFF);
  Put16(v, at + 2, x >> 16);
}

const std::vector<std::uint32_t> kQuad = {0xFFFF0000, 0x8000FF00, 0x000000FF, 0xFF102030};

TEST(ImageDecode, PngFromOurWriterRoundTripsAllChannels) {
  std::vector<std::uint8_t> png;
  ASSERT_TRUE(EncodePng(2, 2, kQuad.data(), png));
  EXPECT_EQ(DetectImageFileType(png.data(), png.size()), ImageFileType::Png);
  EXPECT_EQ(Decoded(png), kQuad);
}

TEST(ImageDecode, PngWriterRefusesBadArguments) {
  std::vector<std::uint8_t> png;
  EXPECT_FALSE(EncodePng(0, 2, kQuad.data(), png));
  EXPECT_FALSE(EncodePng(2, -1, kQuad.data(), png));
  EXPECT_FALSE(EncodePng(2, 2, nullptr, png));
  EXPECT_FALSE(EncodePng(kMaxImageDimension + 1, 1, kQuad.data(), png));
}

// A 2x2 24-bit BMP; a negative height stores the top row first.
std::vector<std::uint8_t> Bmp2x2(bool topDown) {
  std::vector<std::uint8_t> bmp(54 + 16, 0);
  bmp[0] = 'B';
  bmp[1] = 'M';
  Put32(bmp, 2, std::uint32_t(bmp.size()));
  Put32(bmp, 10, 54);
  Put32(bmp, 14, 40);
  Put32(bmp, 18, 2);
  Put32(bmp, 22, topDown ? std::uint32_t(-2) : 2u);
  Put16(bmp, 26, 1);
  Put16(bmp, 28, 24);
  // B G R per pixel, rows padded to 8 bytes: the row of 0x102030 and red,
  // then the row of blue and green.
  const std::uint8_t first[8] = {0x30, 0x20, 0x10, 0, 0, 0xFF, 0, 0};
  const std::uint8_t second[8] = {0xFF, 0, 0, 0, 0xFF, 0, 0, 0};
  std::copy(topDown ? second : first, (topDown ? second : first) + 8, bmp.begin() + 54);
  std::copy(topDown ? first : second, (topDown ? first : second) + 8, bmp.begin() + 62);
  return bmp;
}

TEST(ImageDecode, BmpTwentyFourBitBottomUpAndTopDown) {
  const std::vector<std::uint32_t> expected = {0xFF0000FF, 0xFF00FF00, 0xFF102030, 0xFFFF0000};
  EXPECT_EQ(Decoded(Bmp2x2(false)), expected);
  EXPECT_EQ(Decoded(Bmp2x2(true)), expected);
}

std::vector<std::uint8_t> TgaFixture() {
  std::vector<std::uint8_t> tga(18, 0);
  tga[2] = 2;  // uncompressed true colour
  Put16(tga, 12, 2);
  Put16(tga, 14, 2);
  tga[16] = 32;
  tga[17] = 0x28;  // top-left origin, 8 alpha bits
  for (std::uint32_t p : kQuad) {
    for (int b = 0; b < 4; ++b) tga.push_back(std::uint8_t(p >> (8 * b)));
  }
  return tga;
}

TEST(ImageDecode, TgaIsRecognisedByItsName) {
  std::vector<std::uint8_t> tga = TgaFixture();
  EXPECT_EQ(Decoded(tga, "images\\Sky.TGA "), kQuad);
  Image image;
  std::string error;
  EXPECT_FALSE(DecodeImage(tga.data(), tga.size(), image, error, "sky.raw"));
  EXPECT_NE(error.find("unknown"), std::string::npos) << error;
}

void AppendToVector(void* context, void* data, int size) {
  auto* out = static_cast<std::vector<std::uint8_t>*>(context);
  out->insert(out->end(), static_cast<std::uint8_t*>(data), static_cast<std::uint8_t*>(data) + size);
}

TEST(ImageDecode, JpegDecodesCloseToItsSource) {
  std::vector<std::uint8_t> rgb(16 * 16 * 3);
  for (std::size_t i = 0; i < rgb.size(); i += 3) {
    rgb[i] = 200;
    rgb[i + 1] = 100;
    rgb[i + 2] = 50;
  }
  std::vector<std::uint8_t> jpg;
  ASSERT_TRUE(stbi_write_jpg_to_func(AppendToVector, &jpg, 16, 16, 3, rgb.data(), 95));
  EXPECT_EQ(DetectImageFileType(jpg.data(), jpg.size()), ImageFileType::Jpg);
  std::vector<std::uint32_t> pixels = Decoded(jpg);
  ASSERT_EQ(pixels.size(), 256u);
  for (std::uint32_t p : pixels) {
    EXPECT_EQ(p >> 24, 255u);
    EXPECT_NEAR(int(p >> 16 & 0xFF), 200, 6);
    EXPECT_NEAR(int(p >> 8 & 0xFF), 100, 6);
    EXPECT_NEAR(int(p & 0xFF), 50, 6);
  }
}

TEST(ImageDecode, JpegHuffmanTableWithTooManyCodesIsRefused) {
  std::vector<std::uint8_t> rgb(8 * 8 * 3, 90), jpg;
  ASSERT_TRUE(stbi_write_jpg_to_func(AppendToVector, &jpg, 8, 8, 3, rgb.data(), 90));
  std::size_t dht = 0;
  while (dht + 1 < jpg.size() && !(jpg[dht] == 0xFF && jpg[dht + 1] == 0xC4)) ++dht;
  ASSERT_LT(dht + 21, jpg.size());
  jpg[dht + 5 + 14] = 200;  // code counts of the first table now add up past 256
  jpg[dht + 5 + 15] = 200;
  Image image;
  std::string error;
  EXPECT_FALSE(DecodeImage(jpg.data(), jpg.size(), image, error));
  EXPECT_NE(error.find("Huffman"), std::string::npos) << error;
}

TEST(ImageDecode, DetectsTypeByContentBeforeName) {
  struct Case {
    std::vector<std::uint8_t> bytes;
    const char* name;
    ImageFileType expected;
  } cases[] = {
      {{'D', 'D', 'S', ' ', 0}, "a.png", ImageFileType::Dds},
      {{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'}, "a.tga", ImageFileType::Png},
      {{0xFF, 0xD8, 0xFF, 0xE0}, "", ImageFileType::Jpg},
      {{0xFF, 0xD8, 0x00}, "a.tga", ImageFileType::Jpg},
      {{0xFF, 0xFF, 0xFF, 0xD8}, "a.tga", ImageFileType::Tga},  // the JPEG decoder wants SOI first
      {{'B', 'M', 0, 0}, "a.dds", ImageFileType::Bmp},
      {{0, 0, 2, 0}, "A.Tga", ImageFileType::Tga},
      {{0, 0, 2, 0}, "a.tga.bak", ImageFileType::Unknown},
      {{0x89, 'P', 'N'}, "", ImageFileType::Unknown},
      {{}, "", ImageFileType::Unknown},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(DetectImageFileType(c.bytes.data(), c.bytes.size(), c.name), c.expected) << c.name;
  }
}

TEST(ImageDecode, RefusesHugeDimensionsBeforeDecoding) {
  std::uint32_t pixel = 0xFF000000;
  std::vector<std::uint8_t> png;
  ASSERT_TRUE(EncodePng(1, 1, &pixel, png));
  auto withSize = [&](std::uint32_t w, std::uint32_t h) {
    std::vector<std::uint8_t> v = png;  // IHDR width and height, big-endian, at 16 and 20
    for (int i = 0; i < 4; ++i) {
      v[std::size_t(16 + i)] = std::uint8_t(w >> (24 - 8 * i));
      v[std::size_t(20 + i)] = std::uint8_t(h >> (24 - 8 * i));
    }
    return v;
  };
  for (auto [w, h] : {std::pair{20000u, 1u}, std::pair{16384u, 8192u}, std::pair{1u, 16385u}}) {
    std::vector<std::uint8_t> file = withSize(w, h);
    Image image;
    std::string error;
    EXPECT_FALSE(DecodeImage(file.data(), file.size(), image, error)) << w << "x" << h;
    EXPECT_FALSE(error.empty());
  }
}

TEST(ImageDecode, FilesFarTooShortForTheirClaimedSizeAreRefusedAsTruncated) {
  std::vector<std::uint8_t> tga = TgaFixture(), jpg, bmp(54 + 16, 0);
  Put16(tga, 12, 1000);  // 1000x1000 from 16 bytes of pixels, uncompressed or run-length coded
  Put16(tga, 14, 1000);
  std::vector<std::uint8_t> rleTga = tga;
  rleTga[2] = 10;
  std::vector<std::uint8_t> rgb(8 * 8 * 3, 90);
  ASSERT_TRUE(stbi_write_jpg_to_func(AppendToVector, &jpg, 8, 8, 3, rgb.data(), 90));
  std::size_t sof = 0;  // baseline SOF0: FF C0, length, precision, height, width
  while (sof + 1 < jpg.size() && !(jpg[sof] == 0xFF && jpg[sof + 1] == 0xC0)) ++sof;
  ASSERT_LT(sof + 9, jpg.size());
  jpg[sof + 5] = 0x10;  // 4096 rows
  jpg[sof + 7] = 0x10;  // 4096 columns
  bmp[0] = 'B';
  bmp[1] = 'M';
  Put32(bmp, 10, 54);
  Put32(bmp, 14, 40);
  Put32(bmp, 18, 3000);
  Put32(bmp, 22, 3000);
  Put16(bmp, 26, 1);
  Put16(bmp, 28, 24);
  std::vector<std::uint8_t> png;
  ASSERT_TRUE(EncodePng(2, 2, kQuad.data(), png));
  ASSERT_EQ(std::string(png.begin() + 37, png.begin() + 41), "IDAT");
  png[33] = 0x7F;  // an IDAT chunk claiming 2 GB
  struct Case {
    const char* what;
    const std::vector<std::uint8_t>& file;
  } cases[] = {{"tga", tga}, {"rle tga", rleTga}, {"jpg", jpg}, {"bmp", bmp}, {"png", png}};
  for (const Case& c : cases) {
    Image image;
    std::string error;
    EXPECT_FALSE(DecodeImage(c.file.data(), c.file.size(), image, error, "x.tga")) << c.what;
    EXPECT_NE(error.find("truncated"), std::string::npos) << c.what << ": " << error;
  }
}

TEST(ImageDecode, BrokenFilesFailWithAMessage) {
  std::vector<std::uint8_t> png;
  ASSERT_TRUE(EncodePng(2, 2, kQuad.data(), png));
  std::vector<std::vector<std::uint8_t>> broken = {
      {png.begin(), png.begin() + 20},
      {png.begin(), png.end() - 20},
      {'B', 'M', 1, 2, 3},
      {0xFF, 0xD8, 0xFF, 0xE0, 0, 0},
  };
  std::vector<std::uint8_t> tga = TgaFixture();
  tga.resize(30);
  for (const auto& file : broken) {
    Image image;
    std::string error;
    EXPECT_FALSE(DecodeImage(file.data(), file.size(), image, error));
    EXPECT_FALSE(error.empty());
  }
  // stb fills a short uncompressed TGA instead of refusing it; it must not read past the end.
  Image image;
  std::string error;
  DecodeImage(tga.data(), tga.size(), image, error, "x.tga");
}

class ImageFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/imgfontXXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    dir_ = pattern;
  }
  void TearDown() override { std::filesystem::remove_all(dir_); }
  std::string dir_;
};

TEST_F(ImageFiles, WrittenPngLoadsBackThroughGamePaths) {
  std::string path = dir_ + "/Shot.png";
  ASSERT_TRUE(WritePngFile(path, 2, 2, kQuad.data()));
  EXPECT_FALSE(std::filesystem::exists(path + ".part"));
  Image image;
  std::string error;
  ASSERT_TRUE(LoadImageFile(dir_ + "/shot.PNG", image, error)) << error;
  std::vector<std::uint32_t> pixels;
  ASSERT_TRUE(ToArgb(image, 0, pixels));
  EXPECT_EQ(pixels, kQuad);
}

TEST_F(ImageFiles, FailuresNameTheFileAndLeaveNothingBehind) {
  EXPECT_FALSE(WritePngFile(dir_ + "/missing/shot.png", 2, 2, kQuad.data()));
  EXPECT_TRUE(std::filesystem::is_empty(dir_));
  Image image;
  std::string error;
  EXPECT_FALSE(LoadImageFile(dir_ + "/none.png", image, error));
  EXPECT_NE(error.find("none.png"), std::string::npos) << error;
  std::FILE* f = std::fopen((dir_ + "/junk.png").c_str(), "wb");
  ASSERT_NE(f, nullptr);
  std::fputs("junk", f);
  std::fclose(f);
  EXPECT_FALSE(LoadImageFile(dir_ + "/junk.png", image, error));
  EXPECT_NE(error.find("junk.png"), std::string::npos) << error;
}

}  // namespace
}  // namespace plat
