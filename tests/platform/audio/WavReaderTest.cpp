#include "platform/audio/WavReader.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/audio/WavWriter.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

void PutU16(Bytes& b, std::uint32_t v) {
  b.push_back(static_cast<std::uint8_t>(v));
  b.push_back(static_cast<std::uint8_t>(v >> 8));
}

void PutU32(Bytes& b, std::uint32_t v) {
  PutU16(b, v & 0xFFFF);
  PutU16(b, v >> 16);
}

void PutChunk(Bytes& b, const char* id, const Bytes& body, std::uint32_t declaredSize) {
  b.insert(b.end(), id, id + 4);
  PutU32(b, declaredSize);
  b.insert(b.end(), body.begin(), body.end());
}

void PutChunk(Bytes& b, const char* id, const Bytes& body) {
  PutChunk(b, id, body, static_cast<std::uint32_t>(body.size()));
  if (body.size() % 2 != 0) b.push_back(0);
}

Bytes FormatBody(std::uint16_t tag, std::uint16_t channels, std::uint32_t rate, std::uint16_t bits) {
  Bytes b;
  const std::uint16_t block = static_cast<std::uint16_t>(channels * bits / 8);
  PutU16(b, tag);
  PutU16(b, channels);
  PutU32(b, rate);
  PutU32(b, rate * block);
  PutU16(b, block);
  PutU16(b, bits);
  return b;
}

// RIFF/WAVE around the given chunks; the RIFF size is exact unless given.
Bytes Riff(const Bytes& chunks, std::int64_t riffSize = -1) {
  Bytes b = {'R', 'I', 'F', 'F'};
  PutU32(b, riffSize >= 0 ? static_cast<std::uint32_t>(riffSize) : static_cast<std::uint32_t>(chunks.size() + 4));
  b.insert(b.end(), {'W', 'A', 'V', 'E'});
  b.insert(b.end(), chunks.begin(), chunks.end());
  return b;
}

Bytes Chunks(std::initializer_list<Bytes> parts) {
  Bytes b;
  for (const Bytes& p : parts) b.insert(b.end(), p.begin(), p.end());
  return b;
}

Bytes Chunk(const char* id, const Bytes& body) {
  Bytes b;
  PutChunk(b, id, body);
  return b;
}

Bytes LyingChunk(const char* id, const Bytes& body, std::uint32_t declaredSize) {
  Bytes b;
  PutChunk(b, id, body, declaredSize);
  return b;
}

const Bytes kPcm16Mono = FormatBody(1, 1, 22050, 16);
const Bytes kFourFrames = {1, 0, 2, 0, 3, 0, 4, 0};

TEST(WavReader, ReadsWhatTheWriterWritesForEachPlayableLayout) {
  const plat::PcmFormat layouts[] = {{1, 11025, 8}, {1, 22050, 16}, {2, 44100, 8}, {2, 44100, 16}};
  const Bytes pcm = {10, 20, 30, 40, 50, 60, 70, 80, 90};  // odd: exercises the pad byte
  for (const plat::PcmFormat& layout : layouts) {
    const Bytes image = plat::WritePcmWav(layout, pcm);
    plat::WavFile wav;
    std::string error;
    ASSERT_TRUE(plat::ReadPcmWav(image, wav, error)) << error;
    EXPECT_EQ(wav.format.channels, layout.channels);
    EXPECT_EQ(wav.format.samplesPerSec, layout.sampleRate);
    EXPECT_EQ(wav.format.bitsPerSample, layout.bitsPerSample);
    EXPECT_EQ(Bytes(wav.data.begin(), wav.data.end()), pcm);
  }
}

TEST(WavReader, SkipsUnknownAndOddSizedChunksAndFindsDataBeforeFormat) {
  const Bytes image = Riff(Chunks({Chunk("LIST", {1, 2, 3}), Chunk("data", kFourFrames), Chunk("junk", {9}),
                                   Chunk("fmt ", kPcm16Mono)}));
  plat::WavFile wav;
  std::string error;
  ASSERT_TRUE(plat::ReadPcmWav(image, wav, error)) << error;
  EXPECT_EQ(Bytes(wav.data.begin(), wav.data.end()), kFourFrames);
  EXPECT_EQ(wav.format.samplesPerSec, 22050u);
}

TEST(WavReader, UsesTheFirstDataChunkAndToleratesAMissingFinalPadByte) {
  Bytes chunks = Chunks({Chunk("fmt ", kPcm16Mono), Chunk("data", kFourFrames), Chunk("data", {7, 7})});
  chunks.insert(chunks.end(), {'p', 'a', 'd', ' ', 1, 0, 0, 0, 5});  // odd chunk without its pad byte
  const Bytes image = Riff(chunks);
  plat::WavFile wav;
  std::string error;
  ASSERT_TRUE(plat::ReadPcmWav(image, wav, error)) << error;
  EXPECT_EQ(Bytes(wav.data.begin(), wav.data.end()), kFourFrames);
}

TEST(WavReader, NonPcmFormatKeepsItsExtraBytesButIsRefusedForPlaying) {
  Bytes format = FormatBody(2, 1, 22050, 4);
  PutU16(format, 4);
  format.insert(format.end(), {0xA1, 0xA2, 0xA3, 0xA4});
  const Bytes image = Riff(Chunks({Chunk("fmt ", format), Chunk("data", kFourFrames)}));

  plat::WavFile wav;
  std::string error;
  ASSERT_TRUE(plat::ParseWav(image, wav, error)) << error;
  EXPECT_EQ(wav.format.formatTag, 2);
  EXPECT_EQ(wav.format.extra, (Bytes{0xA1, 0xA2, 0xA3, 0xA4}));

  EXPECT_FALSE(plat::ReadPcmWav(image, wav, error));
  EXPECT_NE(error.find("not PCM"), std::string::npos) << error;
}

TEST(WavReader, ExtensiblePcmIsPlayedAndOtherSubFormatsAreNot) {
  // 16-bit stereo in the extensible layout: extra size 22, valid bits,
  // channel mask and the sub-format GUID (PCM 1, or IEEE float 3).
  auto extensible = [](std::uint16_t subFormat) {
    Bytes format = FormatBody(0xFFFE, 2, 44100, 16);
    PutU16(format, 22);
    PutU16(format, 16);
    PutU32(format, 3);
    PutU16(format, subFormat);
    format.insert(format.end(), {0x00, 0x00, 0x00, 0x00, 0x10, 0x00, 0x80, 0x00, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71});
    return Riff(Chunks({Chunk("fmt ", format), Chunk("data", kFourFrames)}));
  };
  plat::WavFile wav;
  std::string error;
  ASSERT_TRUE(plat::ReadPcmWav(extensible(1), wav, error)) << error;
  EXPECT_EQ(wav.format.formatTag, plat::kWavFormatPcm);
  EXPECT_EQ(wav.format.channels, 2);
  EXPECT_EQ(wav.data.size(), kFourFrames.size());
  EXPECT_FALSE(plat::ReadPcmWav(extensible(3), wav, error));
  EXPECT_NE(error.find("not PCM"), std::string::npos) << error;
}

TEST(WavReader, ARiffSizeAFewBytesBeyondTheFileReadsWhatIsThere) {
  const Bytes chunks = Chunks({Chunk("fmt ", kPcm16Mono), Chunk("data", kFourFrames)});
  plat::WavFile wav;
  std::string error;
  ASSERT_TRUE(plat::ReadPcmWav(Riff(chunks, std::int64_t(chunks.size()) + 4 + 8), wav, error)) << error;
  EXPECT_EQ(wav.data.size(), kFourFrames.size());
  // The data chunk itself must still be whole.
  const Bytes cut = Chunks({Chunk("fmt ", kPcm16Mono), LyingChunk("data", kFourFrames, 12)});
  EXPECT_FALSE(plat::ReadPcmWav(Riff(cut, std::int64_t(cut.size()) + 4 + 4), wav, error));
  EXPECT_NE(error.find("runs past the end"), std::string::npos) << error;
}

struct BrokenCase {
  const char* what;
  Bytes image;
  const char* messagePart;
};

class BrokenWav : public testing::TestWithParam<BrokenCase> {};

TEST_P(BrokenWav, IsRefusedWithAClearMessage) {
  plat::WavFile wav;
  std::string error;
  EXPECT_FALSE(plat::ReadPcmWav(GetParam().image, wav, error));
  EXPECT_NE(error.find(GetParam().messagePart), std::string::npos) << error;
}

Bytes NonPcmWithExtraSize(std::uint16_t extraSize) {
  Bytes format = FormatBody(0x11, 1, 22050, 4);
  PutU16(format, extraSize);
  format.insert(format.end(), {1, 2});
  return Riff(Chunks({Chunk("fmt ", format), Chunk("data", kFourFrames)}));
}

Bytes WithBlockAlign(std::uint16_t block) {
  Bytes format = kPcm16Mono;
  format[12] = static_cast<std::uint8_t>(block);
  return Riff(Chunks({Chunk("fmt ", format), Chunk("data", kFourFrames)}));
}

INSTANTIATE_TEST_SUITE_P(
    Table, BrokenWav,
    testing::Values(
        BrokenCase{"empty", {}, "not a RIFF/WAVE"},
        BrokenCase{"not riff", Bytes{'R', 'I', 'F', 'X', 4, 0, 0, 0, 'W', 'A', 'V', 'E'}, "not a RIFF/WAVE"},
        BrokenCase{"not wave", Bytes{'R', 'I', 'F', 'F', 4, 0, 0, 0, 'A', 'V', 'I', ' '}, "not a RIFF/WAVE"},
        BrokenCase{"riff size past the file",
                   Riff(Chunks({Chunk("fmt ", kPcm16Mono), Chunk("data", kFourFrames)}), 1000), "RIFF size"},
        BrokenCase{"riff size too small for the form", Riff({}, 2), "RIFF size"},
        BrokenCase{"no data chunk", Riff(Chunk("fmt ", kPcm16Mono)), "no data chunk"},
        BrokenCase{"no fmt chunk", Riff(Chunk("data", kFourFrames)), "no fmt chunk"},
        BrokenCase{"data size lies",
                   Riff(Chunks({Chunk("fmt ", kPcm16Mono), LyingChunk("data", kFourFrames, 0xFFFFFFF0u)})),
                   "runs past the end"},
        BrokenCase{"fmt size lies", Riff(LyingChunk("fmt ", kPcm16Mono, 400)), "runs past the end"},
        BrokenCase{"unknown chunk size lies",
                   Riff(Chunks({Chunk("fmt ", kPcm16Mono), LyingChunk("LIST", {1, 2}, 77)})), "runs past the end"},
        BrokenCase{"truncated fmt",
                   Riff(Chunks({Chunk("fmt ", Bytes(kPcm16Mono.begin(), kPcm16Mono.begin() + 14)),
                                Chunk("data", kFourFrames)})),
                   "fewer than 16"},
        BrokenCase{"extra size beyond the fmt chunk", NonPcmWithExtraSize(40), "extra bytes"},
        BrokenCase{"non-PCM", NonPcmWithExtraSize(2), "not PCM"},
        BrokenCase{"zero channels",
                   Riff(Chunks({Chunk("fmt ", FormatBody(1, 0, 22050, 16)), Chunk("data", kFourFrames)})),
                   "zero channels"},
        BrokenCase{"six channels",
                   Riff(Chunks({Chunk("fmt ", FormatBody(1, 6, 22050, 16)), Chunk("data", Bytes(24, 0))})),
                   "cannot be played"},
        BrokenCase{"24-bit samples",
                   Riff(Chunks({Chunk("fmt ", FormatBody(1, 1, 22050, 24)), Chunk("data", Bytes(6, 0))})),
                   "cannot be played"},
        BrokenCase{"zero rate",
                   Riff(Chunks({Chunk("fmt ", FormatBody(1, 1, 0, 16)), Chunk("data", kFourFrames)})),
                   "cannot be played"},
        BrokenCase{"block size not the frame size", WithBlockAlign(7), "block size"},
        BrokenCase{"data smaller than one frame",
                   Riff(Chunks({Chunk("fmt ", FormatBody(1, 2, 22050, 16)), Chunk("data", {1, 2, 3})})),
                   "no whole sample frame"}),
    [](const testing::TestParamInfo<BrokenCase>& info) {
      std::string name;
      for (const char* c = info.param.what; *c != '\0'; ++c) name += std::isalnum(static_cast<unsigned char>(*c)) ? *c : '_';
      return name;
    });

TEST(WavReader, EveryTruncationOfAGoodFileIsRefusedOrReadInsideTheImage) {
  Bytes chunks = Chunks({Chunk("LIST", {1, 2, 3}), Chunk("fmt ", kPcm16Mono), Chunk("data", kFourFrames)});
  const Bytes image = Riff(chunks);
  for (std::size_t length = 0; length < image.size(); ++length) {
    // Cut files keep their RIFF size, which then overstates what is there.
    const Bytes cut(image.begin(), image.begin() + static_cast<std::ptrdiff_t>(length));
    plat::WavFile wav;
    std::string error;
    EXPECT_FALSE(plat::ParseWav(cut, wav, error)) << "length " << length;
  }
}

}  // namespace
