#include <gtest/gtest.h>

#include <cstring>
#include <functional>

#include "platform/gfx/DdsCodec.h"
#include "platform/gfx/Image.h"

namespace plat {
namespace {

// An image of the format with its full mip chain, filled with a byte pattern.
Image PatternImage(Format format, int width, int height, bool mips) {
  Image image;
  image.format = format;
  image.width = width;
  image.height = height;
  int salt = 1;
  for (int w = width, h = height;; w = std::max(1, w / 2), h = std::max(1, h / 2)) {
    ImageLevel level;
    level.width = w;
    level.height = h;
    level.pitch = RowPitch(format, w);
    level.bytes.resize(std::size_t(level.pitch) * RowCount(format, h));
    for (std::size_t i = 0; i < level.bytes.size(); ++i) level.bytes[i] = std::uint8_t(i * 37 + salt * 11);
    if (format == Format::R32F) {
      for (std::size_t i = 0; i < level.bytes.size(); i += 4) {
        float f = float(i % 7) / 6.0f;
        std::memcpy(&level.bytes[i], &f, 4);
      }
    }
    image.levels.push_back(std::move(level));
    ++salt;
    if (!mips || (w == 1 && h == 1)) break;
  }
  return image;
}

std::vector<std::uint32_t> Pixels(const Image& image, int level) {
  std::vector<std::uint32_t> pixels;
  EXPECT_TRUE(ToArgb(image, level, pixels));
  return pixels;
}

class DdsRoundTrip : public ::testing::TestWithParam<Format> {};

TEST_P(DdsRoundTrip, EveryLevelSurvivesEncodeAndDecode) {
  Format format = GetParam();
  for (bool mips : {false, true}) {
    Image source = PatternImage(format, 6, 5, mips);
    std::vector<std::uint8_t> file;
    ASSERT_TRUE(EncodeDds(source, file));
    Image decoded;
    std::string error;
    ASSERT_TRUE(DecodeDds(file.data(), file.size(), decoded, error)) << error;
    // 24-bit files are widened to A8R8G8B8 in memory.
    EXPECT_EQ(decoded.format, format == Format::R8G8B8 ? Format::A8R8G8B8 : format);
    EXPECT_EQ(decoded.width, 6);
    EXPECT_EQ(decoded.height, 5);
    ASSERT_EQ(decoded.levels.size(), mips ? 3u : 1u);
    for (std::size_t i = 0; i < decoded.levels.size(); ++i) {
      EXPECT_EQ(decoded.levels[i].width, source.levels[i].width);
      EXPECT_EQ(decoded.levels[i].height, source.levels[i].height);
      if (format != Format::R8G8B8) {
        EXPECT_EQ(decoded.levels[i].bytes, source.levels[i].bytes);
      }
      EXPECT_EQ(Pixels(decoded, int(i)), Pixels(source, int(i))) << "level " << i;
    }
    Image viaDecodeImage;
    EXPECT_TRUE(DecodeImage(file.data(), file.size(), viaDecodeImage, error)) << error;
  }
}

INSTANTIATE_TEST_SUITE_P(AllFormats, DdsRoundTrip,
                         ::testing::Values(Format::A8R8G8B8, Format::X8R8G8B8, Format::R8G8B8, Format::R5G6B5,
                                           Format::A1R5G5B5, Format::X1R5G5B5, Format::A4R4G4B4, Format::A8,
                                           Format::L8, Format::Dxt1, Format::Dxt3, Format::Dxt5, Format::R32F));

TEST(DdsEncode, RefusesInconsistentImages) {
  Image good = PatternImage(Format::A8R8G8B8, 4, 4, true);
  std::vector<std::uint8_t> out;
  ASSERT_TRUE(EncodeDds(good, out));
  struct Case {
    const char* what;
    std::function<void(Image&)> damage;
  } cases[] = {
      {"no levels", [](Image& i) { i.levels.clear(); }},
      {"unknown format", [](Image& i) { i.format = Format::D24S8; }},
      {"short level bytes", [](Image& i) { i.levels[0].bytes.resize(10); }},
      {"level size off the chain", [](Image& i) { i.levels[1].width = 3; }},
      {"pitch below a row", [](Image& i) { i.levels[0].pitch = 4; }},
  };
  for (const Case& c : cases) {
    Image image = good;
    c.damage(image);
    EXPECT_FALSE(EncodeDds(image, out)) << c.what;
  }
}

TEST(DdsEncode, PaddedRowsAreWrittenTight) {
  Image image = PatternImage(Format::A8R8G8B8, 2, 2, false);
  Image padded = image;
  padded.levels[0].pitch = 12;
  padded.levels[0].bytes.assign(24, 0xEE);
  for (int y = 0; y < 2; ++y) {
    std::memcpy(&padded.levels[0].bytes[std::size_t(y) * 12], &image.levels[0].bytes[std::size_t(y) * 8], 8);
  }
  std::vector<std::uint8_t> a, b;
  ASSERT_TRUE(EncodeDds(image, a));
  ASSERT_TRUE(EncodeDds(padded, b));
  EXPECT_EQ(a, b);
}

// A valid 8x8 A8R8G8B8 file with four levels, and damage done to it.
class DdsReject : public ::testing::Test {
 public:  // the damage tables below reach in through lambdas
  void SetUp() override { ASSERT_TRUE(EncodeDds(PatternImage(Format::A8R8G8B8, 8, 8, true), file_)); }
  void Set32(std::size_t offset, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) file_[offset + i] = std::uint8_t(value >> (8 * i));
  }
  std::uint32_t Get32(std::size_t offset) const {
    return std::uint32_t(file_[offset]) | std::uint32_t(file_[offset + 1]) << 8 |
           std::uint32_t(file_[offset + 2]) << 16 | std::uint32_t(file_[offset + 3]) << 24;
  }
  std::vector<std::uint8_t> file_;
};

TEST_F(DdsReject, TruncatedFilesFailWithAClearError) {
  for (std::size_t size : {std::size_t(0), std::size_t(3), std::size_t(127), std::size_t(128),
                           std::size_t(128 + 8 * 8 * 4), file_.size() - 1}) {
    std::vector<std::uint8_t> cut(file_.begin(), file_.begin() + std::ptrdiff_t(size));
    Image image;
    std::string error;
    EXPECT_FALSE(DecodeDds(cut.data(), cut.size(), image, error)) << size;
    EXPECT_FALSE(error.empty()) << size;
  }
}

TEST_F(DdsReject, LyingHeadersFailWithTheirReason) {
  constexpr std::uint32_t kDepthFlag = 0x800000, kFourCCFlag = 0x4;
  struct Case {
    const char* expected;
    std::function<void(DdsReject&)> damage;
  } cases[] = {
      {"not a DDS file", [](DdsReject& t) { t.file_[0] = 'X'; }},
      {"size fields", [](DdsReject& t) { t.Set32(4, 100); }},
      {"size fields", [](DdsReject& t) { t.Set32(76, 0); }},
      {"dimensions out of range", [](DdsReject& t) { t.Set32(16, 0); }},
      {"dimensions out of range", [](DdsReject& t) { t.Set32(12, 0); }},
      {"dimensions out of range", [](DdsReject& t) { t.Set32(16, 16385); }},
      {"dimensions out of range", [](DdsReject& t) { t.Set32(12, 0xFFFFFFFFu); }},
      {"exceeds", [](DdsReject& t) { t.Set32(28, 5); }},
      {"exceeds", [](DdsReject& t) { t.Set32(28, 0xFFFFFFFFu); }},
      {"truncated", [](DdsReject& t) { t.Set32(16, 16), t.Set32(20, 64); }},
      {"truncated", [](DdsReject& t) { t.Set32(16, 16384), t.Set32(12, 16384), t.Set32(20, 0), t.Set32(28, 1); }},
      {"cube maps", [](DdsReject& t) { t.Set32(112, 0x200 | 0xFC00); }},
      {"volume", [](DdsReject& t) { t.Set32(112, 0x200000); }},
      {"volume", [=](DdsReject& t) { t.Set32(8, t.Get32(8) | kDepthFlag), t.Set32(24, 4); }},
      {"pitch", [](DdsReject& t) { t.Set32(20, 16); }},
      {"DXGI format BC7_UNORM",
       [=](DdsReject& t) { t.Set32(80, kFourCCFlag), t.Set32(84, MakeFourCC('D', 'X', '1', '0')), t.Set32(128, 98); }},
      {"DXGI format 1234",
       [=](DdsReject& t) { t.Set32(80, kFourCCFlag), t.Set32(84, MakeFourCC('D', 'X', '1', '0')), t.Set32(128, 1234); }},
      {"texture arrays", [=](DdsReject& t) {
         t.Set32(80, kFourCCFlag), t.Set32(84, MakeFourCC('D', 'X', '1', '0')), t.Set32(128, 87), t.Set32(140, 6);
       }},
      {"FourCC", [=](DdsReject& t) { t.Set32(80, kFourCCFlag), t.Set32(84, MakeFourCC('A', 'T', 'I', '2')); }},
      {"pixel format", [](DdsReject& t) { t.Set32(88, 12); }},
      {"pixel format", [](DdsReject& t) { t.Set32(92, 0xFF); }},
  };
  for (const Case& c : cases) {
    SetUp();
    c.damage(*this);
    Image image;
    std::string error;
    EXPECT_FALSE(DecodeDds(file_.data(), file_.size(), image, error)) << c.expected;
    EXPECT_NE(error.find(c.expected), std::string::npos) << "error was: " << error;
  }
}

TEST_F(DdsReject, MipCountBeyondTheDataIsTruncation) {
  std::vector<std::uint8_t> one;
  ASSERT_TRUE(EncodeDds(PatternImage(Format::Dxt1, 8, 8, false), one));
  file_ = one;
  Set32(8, Get32(8) | 0x20000);
  Set32(28, 4);
  Image image;
  std::string error;
  EXPECT_FALSE(DecodeDds(file_.data(), file_.size(), image, error));
  EXPECT_NE(error.find("truncated"), std::string::npos) << error;
}

TEST_F(DdsReject, HeaderQuirksThatRealFilesHaveAreAccepted) {
  struct Case {
    const char* what;
    std::function<void(DdsReject&)> change;
    std::size_t levels;
  } cases[] = {
      {"mip count without its flag is ignored", [](DdsReject& t) { t.Set32(8, t.Get32(8) & ~0x20000u); }, 1},
      {"mip count 0 means one level", [](DdsReject& t) { t.Set32(28, 0); }, 1},
      {"pitch 0 is unknown, not small", [](DdsReject& t) { t.Set32(20, 0); }, 4},
      {"trailing bytes are ignored", [](DdsReject& t) { t.file_.resize(t.file_.size() + 100, 0); }, 4},
  };
  for (const Case& c : cases) {
    SetUp();
    c.change(*this);
    Image image;
    std::string error;
    EXPECT_TRUE(DecodeDds(file_.data(), file_.size(), image, error)) << c.what << ": " << error;
    EXPECT_EQ(image.levels.size(), c.levels) << c.what;
  }
}

// The file with its pixel format replaced by an extended header naming the
// DXGI format, as current texture tools write it.
std::vector<std::uint8_t> WithExtendedHeader(std::vector<std::uint8_t> file, std::uint32_t dxgiFormat) {
  const std::uint32_t extended[5] = {dxgiFormat, 3, 0, 1, 0};  // a 2D texture, one in the array
  std::vector<std::uint8_t> header(sizeof extended);
  std::memcpy(header.data(), extended, sizeof extended);
  file.insert(file.begin() + 128, header.begin(), header.end());
  const std::uint32_t fourCC = 0x4, dx10 = MakeFourCC('D', 'X', '1', '0');
  std::memcpy(&file[80], &fourCC, 4);
  std::memcpy(&file[84], &dx10, 4);
  return file;
}

// Swaps the first and third byte of every four from offset on.
void SwapRedBlue(std::vector<std::uint8_t>& file, std::size_t offset) {
  for (std::size_t p = offset; p + 2 < file.size(); p += 4) std::swap(file[p], file[p + 2]);
}

TEST(DdsDecode, OtherToolsLayoutsOfTheDevicesFormatsAreRead) {
  std::vector<std::uint8_t> argb, xrgb, dxt1;
  const Image sourceArgb = PatternImage(Format::A8R8G8B8, 8, 8, true);
  const Image sourceDxt1 = PatternImage(Format::Dxt1, 8, 8, true);
  ASSERT_TRUE(EncodeDds(sourceArgb, argb));
  ASSERT_TRUE(EncodeDds(PatternImage(Format::X8R8G8B8, 8, 8, true), xrgb));
  ASSERT_TRUE(EncodeDds(sourceDxt1, dxt1));
  // A8B8G8R8: the masks in red-green-blue-alpha order, the bytes so too.
  std::vector<std::uint8_t> abgr = argb;
  const std::uint32_t masks[4] = {0xFF, 0xFF00, 0xFF0000, 0xFF000000};
  std::memcpy(&abgr[92], masks, sizeof masks);
  SwapRedBlue(abgr, 128);
  std::vector<std::uint8_t> rgbaExtended = WithExtendedHeader(argb, 28);
  SwapRedBlue(rgbaExtended, 148);
  struct Case {
    const char* what;
    std::vector<std::uint8_t> file;
    Format format;
    const Image* source;
  };
  const Case cases[] = {
      {"A8B8G8R8 masks", abgr, Format::A8R8G8B8, &sourceArgb},
      {"R8G8B8A8_UNORM", rgbaExtended, Format::A8R8G8B8, &sourceArgb},
      {"B8G8R8A8_UNORM", WithExtendedHeader(argb, 87), Format::A8R8G8B8, &sourceArgb},
      {"B8G8R8X8_UNORM", WithExtendedHeader(xrgb, 88), Format::X8R8G8B8, nullptr},
      {"BC1_UNORM", WithExtendedHeader(dxt1, 71), Format::Dxt1, &sourceDxt1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Image image;
    std::string error;
    ASSERT_TRUE(DecodeDds(c.file.data(), c.file.size(), image, error)) << error;
    EXPECT_EQ(image.format, c.format);
    EXPECT_EQ(image.levels.size(), 4u);
    if (c.source) {
      for (std::size_t level = 0; level < image.levels.size(); ++level) {
        EXPECT_EQ(image.levels[level].bytes, c.source->levels[level].bytes) << level;
      }
    }
  }
}

}  // namespace
}  // namespace plat
