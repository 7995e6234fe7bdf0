#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <vector>

#include "platform/audio/AudioDevice.h"
#include "platform/audio/HeadlessSoundBuffer.h"
#include "platform/os/Clock.h"

namespace {

// One second of 16-bit mono at 1000 Hz: a frame per millisecond.
constexpr plat::PcmFormat kMono16{1, 1000, 16};
const std::vector<std::uint8_t> kOneSecond(2000, 0);

class HeadlessAudio : public testing::Test {
 protected:
  void SetUp() override { plat::SetClock(&clock_); }
  void TearDown() override { plat::SetClock(nullptr); }

  std::unique_ptr<plat::SoundBuffer> OneSecondBuffer() {
    auto buffer = device_->CreateBuffer(kMono16, kOneSecond);
    EXPECT_NE(buffer, nullptr);
    return buffer;
  }

  plat::FakeClock clock_;
  std::unique_ptr<plat::AudioDevice> device_ = plat::OpenHeadlessAudioDevice();
};

TEST_F(HeadlessAudio, OneShotEndsByItselfAndThenRestartsAtZero) {
  auto buffer = OneSecondBuffer();
  ASSERT_TRUE(buffer->Play(false));
  clock_.AdvanceMs(400);
  EXPECT_TRUE(buffer->IsPlaying());
  EXPECT_EQ(buffer->PositionFrames(), 400u);
  clock_.AdvanceMs(600);
  EXPECT_FALSE(buffer->IsPlaying());
  EXPECT_EQ(buffer->PositionFrames(), 0u);

  ASSERT_TRUE(buffer->Play(false));
  clock_.AdvanceMs(100);
  EXPECT_EQ(buffer->PositionFrames(), 100u);
}

TEST_F(HeadlessAudio, StopKeepsThePositionAndPlayResumesThere) {
  auto buffer = OneSecondBuffer();
  buffer->Play(false);
  clock_.AdvanceMs(300);
  buffer->Stop();
  clock_.AdvanceMs(5000);
  EXPECT_FALSE(buffer->IsPlaying());
  EXPECT_EQ(buffer->PositionFrames(), 300u);

  buffer->Play(false);
  clock_.AdvanceMs(650);
  EXPECT_TRUE(buffer->IsPlaying());
  EXPECT_EQ(buffer->PositionFrames(), 950u);
  clock_.AdvanceMs(50);
  EXPECT_FALSE(buffer->IsPlaying());
}

TEST_F(HeadlessAudio, LoopingPlaysOnAndWrapsUntilStopped) {
  auto buffer = OneSecondBuffer();
  buffer->Play(true);
  clock_.AdvanceMs(3250);
  EXPECT_TRUE(buffer->IsPlaying());
  EXPECT_EQ(buffer->PositionFrames(), 250u);
  buffer->Stop();
  EXPECT_FALSE(buffer->IsPlaying());
  EXPECT_EQ(buffer->PositionFrames(), 250u);
}

TEST_F(HeadlessAudio, PlayWhilePlayingDoesNotRestartButChangesLooping) {
  auto buffer = OneSecondBuffer();
  buffer->Play(true);
  clock_.AdvanceMs(700);
  buffer->Play(false);  // from now on it ends at the end of this pass
  EXPECT_EQ(buffer->PositionFrames(), 700u);
  clock_.AdvanceMs(299);
  EXPECT_TRUE(buffer->IsPlaying());
  clock_.AdvanceMs(1);
  EXPECT_FALSE(buffer->IsPlaying());
}

TEST_F(HeadlessAudio, VolumeOutsideTheScaleIsRefusedAndTheOldOneKept) {
  auto buffer = OneSecondBuffer();
  EXPECT_EQ(buffer->Volume(), plat::kVolumeFull);
  EXPECT_TRUE(buffer->SetVolume(-2500));
  EXPECT_FALSE(buffer->SetVolume(1));
  EXPECT_FALSE(buffer->SetVolume(-10001));
  EXPECT_EQ(buffer->Volume(), -2500);
  EXPECT_TRUE(buffer->SetVolume(plat::kVolumeSilent));
  EXPECT_EQ(buffer->Volume(), plat::kVolumeSilent);
}

TEST_F(HeadlessAudio, DuplicateSharesTheDataButPlaysOnItsOwn) {
  auto buffer = OneSecondBuffer();
  buffer->SetVolume(-600);
  buffer->Play(false);
  clock_.AdvanceMs(500);
  auto copy = buffer->Duplicate();
  ASSERT_NE(copy, nullptr);
  EXPECT_FALSE(copy->IsPlaying());
  EXPECT_EQ(copy->PositionFrames(), 0u);
  EXPECT_EQ(copy->Volume(), -600);
  EXPECT_EQ(&static_cast<plat::HeadlessSoundBuffer&>(*copy).Bytes(),
            &static_cast<plat::HeadlessSoundBuffer&>(*buffer).Bytes());

  copy->Play(false);
  clock_.AdvanceMs(500);
  EXPECT_FALSE(buffer->IsPlaying());
  EXPECT_TRUE(copy->IsPlaying());
}

TEST_F(HeadlessAudio, BuffersTakeWholeFramesOfPlayableLayoutsOnly) {
  const std::vector<std::uint8_t> sevenBytes(7, 0);
  auto stereo = device_->CreateBuffer({2, 1000, 16}, sevenBytes);  // one whole frame of four bytes
  ASSERT_NE(stereo, nullptr);
  EXPECT_EQ(static_cast<plat::HeadlessSoundBuffer&>(*stereo).Bytes().size(), 4u);

  EXPECT_EQ(device_->CreateBuffer({2, 1000, 16}, std::vector<std::uint8_t>(3, 0)), nullptr);
  EXPECT_EQ(device_->CreateBuffer(kMono16, {}), nullptr);
  EXPECT_EQ(device_->CreateBuffer({0, 1000, 16}, kOneSecond), nullptr);
  EXPECT_EQ(device_->CreateBuffer({3, 1000, 16}, kOneSecond), nullptr);
  EXPECT_EQ(device_->CreateBuffer({1, 1000, 24}, kOneSecond), nullptr);
  EXPECT_EQ(device_->CreateBuffer({1, 0, 16}, kOneSecond), nullptr);
}

TEST_F(HeadlessAudio, ListenerKeepsValidSettingsAndRefusesBrokenOnes) {
  const plat::ListenerSettings good{1.0f, 0.01f, {0, 1, 0}, {0, 0, 1}};
  ASSERT_TRUE(device_->SetListener(good));
  const plat::ListenerSettings broken[] = {
      {0.0f, 0.01f, {0, 1, 0}, {0, 0, 1}},    // no distance factor
      {1.0f, -1.0f, {0, 1, 0}, {0, 0, 1}},    // negative rolloff
      {1.0f, 11.0f, {0, 1, 0}, {0, 0, 1}},    // rolloff past 10
      {1.0f, 0.01f, {0, 0, 0}, {0, 0, 1}},    // no front
      {1.0f, 0.01f, {0, 0, 2}, {0, 0, 1}},    // front along top
      {NAN, 0.01f, {0, 1, 0}, {0, 0, 1}},     // not a number
  };
  for (const plat::ListenerSettings& settings : broken) EXPECT_FALSE(device_->SetListener(settings));
  EXPECT_EQ(device_->Listener().rolloffFactor, 0.01f);
  EXPECT_EQ(device_->Listener().front.y, 1.0f);
  EXPECT_EQ(device_->Listener().top.z, 1.0f);
}

TEST(AudioVolume, GainIsTenToTheVolumeOverTwoThousand) {
  const struct {
    std::int32_t volume;
    float gain;
  } table[] = {{0, 1.0f}, {-2000, 0.1f}, {-6000, 0.001f}, {-602, 0.5f}, {-9999, 1.0012e-5f}, {-10000, 0.0f}};
  for (const auto& row : table) {
    EXPECT_NEAR(plat::GainFromVolume(row.volume), row.gain, row.gain * 0.01f + 1e-9f) << row.volume;
  }
}

TEST(AudioDeviceChoice, HeadlessWhenTheEnvironmentAsksForIt) {
  const char* before = std::getenv("HALVENOR_HEADLESS");
  const std::string saved = before != nullptr ? before : "";
  const struct {
    const char* value;
    bool headless;
  } table[] = {{"1", true}, {"yes", true}, {"0", false}, {"", false}};
  for (const auto& row : table) {
    setenv("HALVENOR_HEADLESS", row.value, 1);
    EXPECT_EQ(plat::HeadlessAudioRequested(), row.headless) << '"' << row.value << '"';
  }
  setenv("HALVENOR_HEADLESS", "1", 1);
  EXPECT_FALSE(plat::OpenAudioDevice()->IsLive());
  if (before != nullptr) {
    setenv("HALVENOR_HEADLESS", saved.c_str(), 1);
  } else {
    unsetenv("HALVENOR_HEADLESS");
  }
}

}  // namespace
