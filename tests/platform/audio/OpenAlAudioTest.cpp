// The live backend on OpenAL Soft's null output, which mixes in real time
// without a sound card (and keeps test runs quiet where there is one).
#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <thread>
#include <vector>

#include "platform/audio/AudioDevice.h"

namespace {

using namespace std::chrono_literals;

class OpenAlAudio : public testing::Test {
 protected:
  void SetUp() override {
    // Read by OpenAL Soft when it first opens a device; an explicit choice
    // in the environment wins.
    setenv("ALSOFT_DRIVERS", "null", 0);
    device_ = plat::OpenLiveAudioDevice();
    if (!device_) GTEST_SKIP() << "no OpenAL device can be opened here";
  }

  // Polls until the buffer has stopped by itself, for at most `limit`.
  static bool EndsWithin(plat::SoundBuffer& buffer, std::chrono::milliseconds limit) {
    const auto until = std::chrono::steady_clock::now() + limit;
    while (buffer.IsPlaying()) {
      if (std::chrono::steady_clock::now() > until) return false;
      std::this_thread::sleep_for(5ms);
    }
    return true;
  }

  std::unique_ptr<plat::AudioDevice> device_;
};

TEST_F(OpenAlAudio, PlaysAOneShotToItsEndAndRestartsItAtZero) {
  ASSERT_TRUE(device_->IsLive());
  const std::vector<std::uint8_t> fiftyMs(22050 * 2 / 20, 0x40);  // 16-bit mono at 22050 Hz
  auto buffer = device_->CreateBuffer({1, 22050, 16}, fiftyMs);
  ASSERT_NE(buffer, nullptr);
  ASSERT_TRUE(buffer->SetVolume(-5000));
  ASSERT_TRUE(buffer->Play(false));
  EXPECT_TRUE(buffer->IsPlaying());
  ASSERT_TRUE(EndsWithin(*buffer, 2s));
  EXPECT_EQ(buffer->PositionFrames(), 0u);
  ASSERT_TRUE(buffer->Play(false));
  EXPECT_TRUE(buffer->IsPlaying());
}

TEST_F(OpenAlAudio, StopPausesAndPlayResumesWithoutRewinding) {
  const std::vector<std::uint8_t> twoSeconds(8000 * 2 * 2, 0x80);  // 8-bit stereo at 8000 Hz
  auto buffer = device_->CreateBuffer({2, 8000, 8}, twoSeconds);
  ASSERT_NE(buffer, nullptr);
  ASSERT_TRUE(buffer->Play(false));
  // Stop as soon as the mixer has played something: a fixed wait let a busy
  // machine stop it before the first frame, or after the end of the sound,
  // where the position is 0 again.
  const auto deadline = std::chrono::steady_clock::now() + 5s;
  while (buffer->PositionFrames() == 0 && std::chrono::steady_clock::now() < deadline) {
    std::this_thread::sleep_for(2ms);
  }
  buffer->Stop();
  EXPECT_FALSE(buffer->IsPlaying());
  const std::uint32_t stoppedAt = buffer->PositionFrames();
  EXPECT_GT(stoppedAt, 0u);
  std::this_thread::sleep_for(50ms);
  EXPECT_EQ(buffer->PositionFrames(), stoppedAt);

  ASSERT_TRUE(buffer->Play(false));
  EXPECT_GE(buffer->PositionFrames(), stoppedAt);
  buffer->Stop();
}

TEST_F(OpenAlAudio, LoopingDuplicatesShareTheDataAndPlayAtOnce) {
  const std::vector<std::uint8_t> tenMs(441 * 2, 0x10);
  auto buffer = device_->CreateBuffer({1, 44100, 16}, tenMs);
  ASSERT_NE(buffer, nullptr);
  buffer->SetVolume(-1000);
  auto copy = buffer->Duplicate();
  ASSERT_NE(copy, nullptr);
  EXPECT_EQ(copy->Volume(), -1000);
  ASSERT_TRUE(buffer->Play(true));
  ASSERT_TRUE(copy->Play(true));
  std::this_thread::sleep_for(60ms);  // several passes of the loop
  EXPECT_TRUE(buffer->IsPlaying());
  EXPECT_TRUE(copy->IsPlaying());
  buffer.reset();  // the copy keeps the shared data alive
  EXPECT_TRUE(copy->IsPlaying());
  copy->Stop();
  EXPECT_FALSE(copy->IsPlaying());
}

TEST_F(OpenAlAudio, ListenerTakesTheGameSettings) {
  const plat::ListenerSettings settings{1.0f, 0.01f, {0, 1, 0}, {0, 0, 1}};
  ASSERT_TRUE(device_->SetListener(settings));
  EXPECT_EQ(device_->Listener().rolloffFactor, 0.01f);
  EXPECT_FALSE(device_->SetListener({1.0f, 0.01f, {0, 0, 1}, {0, 0, 1}}));
  EXPECT_EQ(device_->CreateBuffer({1, 22050, 16}, std::vector<std::uint8_t>(1, 0)), nullptr);
}

}  // namespace
