#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "platform/media/MediaDecoder.h"
#include "platform/media/MediaWriter.h"
#include "platform/os/Path.h"

namespace {

constexpr int kWidth = 64, kHeight = 48, kFrames = 10, kFps = 25;

// Frame i is one flat colour whose red channel is 20 * i.
void Flat(int frame, std::vector<std::uint8_t>& bgra) {
  for (std::size_t p = 0; p < bgra.size(); p += 4) {
    bgra[p + 0] = 60;
    bgra[p + 1] = 100;
    bgra[p + 2] = std::uint8_t(20 * frame);
    bgra[p + 3] = 255;
  }
}

// A mono 16-bit PCM WAV of 800 samples at the given rate, made by hand so
// that its header can say what no encoder writes.
std::vector<std::uint8_t> PcmWav(std::uint32_t rate, bool hugeInfoChunk = false) {
  std::vector<std::uint8_t> bytes;
  const auto put32 = [&](std::uint32_t v) {
    for (int i = 0; i < 4; ++i) bytes.push_back(std::uint8_t(v >> (8 * i)));
  };
  const auto put16 = [&](std::uint16_t v) {
    bytes.push_back(std::uint8_t(v));
    bytes.push_back(std::uint8_t(v >> 8));
  };
  const auto tag = [&](const char* t) {
    for (int i = 0; i < 4; ++i) bytes.push_back(std::uint8_t(t[i]));
  };
  constexpr std::uint32_t kDataBytes = 1600;
  tag("RIFF");
  put32(36 + kDataBytes);
  tag("WAVE");
  tag("fmt ");
  put32(16);
  put16(1);  // PCM
  put16(1);  // mono
  put32(rate);
  put32(rate * 2);
  put16(2);
  put16(16);
  if (hugeInfoChunk) {  // an INFO list and text whose lengths run far past the end
    tag("LIST");
    put32(0xFFFFFFE3u);
    tag("INFO");
    tag("ISFT");
    put32(0x7FFFFFF0u);
  }
  tag("data");
  put32(kDataBytes);
  for (std::uint32_t i = 0; i < kDataBytes / 2; ++i) put16(std::uint16_t(i * 50));
  return bytes;
}

class MediaDecoderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = std::filesystem::temp_directory_path() / ("media-dec-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir_);
    video_ = (dir_ / "clip.avi").string();
    ASSERT_TRUE(plat::WriteVideoFile(video_, kWidth, kHeight, kFrames, kFps, Flat));
    plat::ClearPathCache();
  }
  void TearDown() override {
    std::filesystem::remove_all(dir_);
    plat::ClearPathCache();
  }
  std::vector<std::uint8_t> Bytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
  }

  std::filesystem::path dir_;
  std::string video_;
};

TEST_F(MediaDecoderTest, GeneratedAviDecodesToEveryFrameInOrderWithItsColour) {
  auto decoder = plat::MediaDecoder::OpenFile(video_, plat::MediaDecoder::Kind::Video);
  ASSERT_NE(decoder, nullptr);
  EXPECT_EQ(decoder->Width(), kWidth);
  EXPECT_EQ(decoder->Height(), kHeight);
  EXPECT_NEAR(decoder->FrameSeconds(), 1.0 / kFps, 1e-6);
  plat::VideoFrame frame;
  int count = 0;
  while (decoder->ReadVideoFrame(frame)) {
    ASSERT_EQ(frame.width, kWidth);
    ASSERT_EQ(frame.bgra.size(), std::size_t(kWidth) * kHeight * 4);
    EXPECT_NEAR(frame.seconds, double(count) / kFps, 1e-6);
    const std::uint8_t* middle = &frame.bgra[(std::size_t(kHeight / 2) * kWidth + kWidth / 2) * 4];
    EXPECT_NEAR(middle[2], 20 * count, 12) << "frame " << count;
    EXPECT_EQ(middle[3], 255);
    ++count;
  }
  EXPECT_EQ(count, kFrames);
  ASSERT_TRUE(decoder->Rewind());
  ASSERT_TRUE(decoder->ReadVideoFrame(frame));
  EXPECT_NEAR(frame.seconds, 0.0, 1e-6);
}

TEST_F(MediaDecoderTest, MusicIsResampledToStereoAt44100) {
  const std::string path = (dir_ / "tone.wav").string();
  std::vector<std::int16_t> mono(22050 / 2);  // half a second at 22050 Hz
  for (std::size_t i = 0; i < mono.size(); ++i) mono[i] = std::int16_t(8000 * std::sin(double(i) * 0.1));
  ASSERT_TRUE(plat::WriteMusicFile(path, mono, 1, 22050));
  auto decoder = plat::MediaDecoder::OpenFile(path, plat::MediaDecoder::Kind::Audio);
  ASSERT_NE(decoder, nullptr);
  std::vector<std::int16_t> samples;
  while (decoder->ReadAudio(samples)) {
  }
  // Half a second of stereo at 44100 Hz, give or take the resampler's delay.
  EXPECT_NEAR(double(samples.size()), 44100.0, 200.0);
  EXPECT_EQ(samples.size() % 2, 0u);
  EXPECT_EQ(decoder->Width(), 0);
}

TEST_F(MediaDecoderTest, EverySampleComesOutResampledAndNoCallMakesMoreThanASecond) {
  // The resampler delays a few samples; without its flush at the end a
  // short 48 kHz sound gave nothing at all. A slowly sampled sound makes
  // many times its length, handed out a second at a time.
  struct Case {
    int rate;
    std::size_t samples;
  };
  for (const Case c : {Case{48000, 480}, Case{48000, 48000}, Case{plat::kMinSampleRate, 4 * plat::kMinSampleRate}}) {
    SCOPED_TRACE(c.rate);
    SCOPED_TRACE(c.samples);
    const std::string path = (dir_ / "rate.wav").string();
    std::vector<std::int16_t> mono(c.samples);
    for (std::size_t i = 0; i < mono.size(); ++i) mono[i] = std::int16_t(8000 * std::sin(double(i) * 0.05));
    ASSERT_TRUE(plat::WriteMusicFile(path, mono, 1, c.rate));
    auto decoder = plat::MediaDecoder::OpenFile(path, plat::MediaDecoder::Kind::Audio);
    ASSERT_NE(decoder, nullptr);
    std::vector<std::int16_t> samples;
    for (std::size_t before = 0; decoder->ReadAudio(samples); before = samples.size()) {
      EXPECT_LE(samples.size() - before, std::size_t(plat::kMusicSampleRate) * plat::kMusicChannels);
    }
    const double expected = double(c.samples) * plat::kMusicSampleRate / c.rate * plat::kMusicChannels;
    EXPECT_NEAR(double(samples.size()), expected, 4.0);
  }
}

TEST_F(MediaDecoderTest, MissingFilesAndStreamsOfTheWrongKindDoNotOpen) {
  EXPECT_EQ(plat::MediaDecoder::OpenFile((dir_ / "none.avi").string(), plat::MediaDecoder::Kind::Video), nullptr);
  std::string error;
  EXPECT_EQ(plat::MediaDecoder::OpenFile(video_, plat::MediaDecoder::Kind::Audio, &error), nullptr);
  EXPECT_FALSE(error.empty());
}

TEST_F(MediaDecoderTest, TheSamePictureInAnotherContainerThanAviIsNotRead) {
  for (const char* name : {"clip.mkv", "clip.mp4", "clip.mov"}) {
    SCOPED_TRACE(name);
    const std::string path = (dir_ / name).string();
    ASSERT_TRUE(plat::WriteVideoFile(path, kWidth, kHeight, kFrames, kFps, Flat));
    std::string error;
    EXPECT_EQ(plat::MediaDecoder::OpenFile(path, plat::MediaDecoder::Kind::Video, &error), nullptr);
    EXPECT_FALSE(error.empty());
    const std::vector<std::uint8_t> bytes = Bytes(path);
    EXPECT_EQ(plat::MediaDecoder::OpenMemory(bytes, plat::MediaDecoder::Kind::Video), nullptr);
  }
}

TEST_F(MediaDecoderTest, BrokenBytesFailOrEndCleanly) {
  const std::vector<std::uint8_t> whole = Bytes(video_);
  ASSERT_GT(whole.size(), 2000u);
  std::vector<std::uint8_t> corrupt = whole;
  for (std::size_t i = 600; i < corrupt.size(); i += 7) corrupt[i] ^= 0x5A;
  const std::vector<std::vector<std::uint8_t>> cases = {
      {},
      {'R', 'I', 'F', 'F'},
      std::vector<std::uint8_t>(whole.begin(),
                                whole.begin() + 1200),  // cut inside the data
      corrupt,
      std::vector<std::uint8_t>(3000, 0xFF),
  };
  for (std::size_t c = 0; c < cases.size(); ++c) {
    auto decoder = plat::MediaDecoder::OpenMemory(cases[c], plat::MediaDecoder::Kind::Video);
    if (!decoder) continue;
    plat::VideoFrame frame;
    int count = 0;
    while (decoder->ReadVideoFrame(frame) && count < 1000) ++count;
    EXPECT_LE(count, kFrames) << "case " << c;
  }
  auto intact = plat::MediaDecoder::OpenMemory(whole, plat::MediaDecoder::Kind::Video);
  ASSERT_NE(intact, nullptr);
  EXPECT_EQ(intact->Width(), kWidth);
}

TEST(MediaDecoderRateTest, SoundSampledFasterThanAnyRealFileIsRefusedAtOnce) {
  struct Case {
    std::uint32_t rate;
    bool opens;
  };
  for (const Case c : {Case{8000, true}, Case{plat::kMaxSampleRate, true}, Case{plat::kMaxSampleRate + 1, false},
                       Case{1040195392, false}, Case{plat::kMinSampleRate, true},
                       Case{plat::kMinSampleRate - 1, false}, Case{1, false}}) {
    SCOPED_TRACE(c.rate);
    std::string error;
    auto music = plat::MediaDecoder::OpenMemory(PcmWav(c.rate), plat::MediaDecoder::Kind::Audio, &error);
    EXPECT_EQ(music != nullptr, c.opens);
    if (!c.opens) {
      EXPECT_EQ(error, "unsupported sample rate");
    }
  }
}

TEST(MediaDecoderRateTest, ChunkClaimingGigabytesIsNotAllocated) {
  rusage before{};
  getrusage(RUSAGE_SELF, &before);
  std::string error;
  plat::MediaDecoder::OpenMemory(PcmWav(8000, true), plat::MediaDecoder::Kind::Audio, &error);
  rusage after{};
  getrusage(RUSAGE_SELF, &after);
  EXPECT_LT(after.ru_maxrss - before.ru_maxrss, 512L * 1024) << "kilobytes";
}

}  // namespace
