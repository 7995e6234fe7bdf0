#include "engine/media/SoundManager.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <climits>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "engine/core/Globals.h"
#include "platform/audio/WavWriter.h"
#include "platform/os/Clock.h"

namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

// 16-bit mono at 1000 Hz: one frame per millisecond of the fake clock.
Bytes Wav(std::uint32_t milliseconds) {
  return plat::WritePcmWav({1, 1000, 16}, Bytes(milliseconds * 2, 0));
}

class SoundManagerTest : public testing::Test {
 protected:
  void SetUp() override {
    plat::SetClock(&clock_);
    std::string test = testing::UnitTest::GetInstance()->current_test_info()->name();
    std::replace(test.begin(), test.end(), '/', '_');
    dir_ = fs::temp_directory_path() / ("halvenor_sound_" + std::to_string(getpid()) + "_" + test);
    fs::create_directories(dir_);
    ASSERT_TRUE(sound_.Init(plat::OpenHeadlessAudioDevice()));
  }

  void TearDown() override {
    plat::SetClock(nullptr);
    std::error_code ec;
    fs::remove_all(dir_, ec);
  }

  // Writes the bytes under the folder and returns the path of the file.
  EngineString File(const std::string& name, const Bytes& bytes) {
    const fs::path path = dir_ / name;
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                                static_cast<std::streamsize>(bytes.size()));
    return path.string().c_str();
  }

  plat::SoundBuffer& Buffer(const char* name, std::size_t index = 0) { return *sound_.Find(name)->buffers.at(index); }

  int PlayingCount(const char* name) {
    int playing = 0;
    for (const auto& buffer : sound_.Find(name)->buffers) playing += buffer->IsPlaying() ? 1 : 0;
    return playing;
  }

  plat::FakeClock clock_;
  fs::path dir_;
  SoundManager sound_{nullptr};
};

TEST_F(SoundManagerTest, ConstructorFillsTheSoundSlotAndDestructorClearsIt) {
  EXPECT_EQ(g_sound, &sound_);
  {
    SoundManager other(nullptr);
    EXPECT_EQ(g_sound, &other);
  }
  EXPECT_EQ(g_sound, nullptr);
}

TEST_F(SoundManagerTest, InitSetsTheListenerTheGameHearsFrom) {
  const plat::ListenerSettings& listener = sound_.GetDevice()->Listener();
  EXPECT_FLOAT_EQ(listener.distanceFactor, 1.0f);
  EXPECT_FLOAT_EQ(listener.rolloffFactor, 0.01f);
  EXPECT_EQ(listener.front.x, 0.0f);
  EXPECT_EQ(listener.front.y, 1.0f);
  EXPECT_EQ(listener.front.z, 0.0f);
  EXPECT_EQ(listener.top.x, 0.0f);
  EXPECT_EQ(listener.top.y, 0.0f);
  EXPECT_EQ(listener.top.z, 1.0f);
  EXPECT_FALSE(sound_.Init(nullptr));
}

TEST_F(SoundManagerTest, OneBufferSoundIsNotRestartedWhilePlayingAndResumesAfterStop) {
  ASSERT_TRUE(sound_.LoadSound(File("click.wav", Wav(1000)), "BUTTON_CLICK", false));
  ASSERT_EQ(sound_.Find("BUTTON_CLICK")->buffers.size(), 1u);

  sound_.Play("BUTTON_CLICK");
  clock_.AdvanceMs(300);
  sound_.Play("BUTTON_CLICK");  // still playing: neither restarted nor doubled
  EXPECT_EQ(Buffer("BUTTON_CLICK").PositionFrames(), 300u);

  sound_.Stop("BUTTON_CLICK");
  clock_.AdvanceMs(2000);
  EXPECT_FALSE(Buffer("BUTTON_CLICK").IsPlaying());
  sound_.Play("BUTTON_CLICK");
  clock_.AdvanceMs(100);
  EXPECT_EQ(Buffer("BUTTON_CLICK").PositionFrames(), 400u);
}

TEST_F(SoundManagerTest, OneShotThatEndedByItselfStartsAgainAtZero) {
  ASSERT_TRUE(sound_.LoadSound(File("scream.wav", Wav(500)), "SCREAM", false));
  sound_.Play("SCREAM");
  clock_.AdvanceMs(500);
  EXPECT_FALSE(Buffer("SCREAM").IsPlaying());
  sound_.Play("SCREAM");
  clock_.AdvanceMs(20);
  EXPECT_TRUE(Buffer("SCREAM").IsPlaying());
  EXPECT_EQ(Buffer("SCREAM").PositionFrames(), 20u);
}

TEST_F(SoundManagerTest, LoopingSoundPlaysUntilStopped) {
  ASSERT_TRUE(sound_.LoadLoopingSound(File("rain.wav", Wav(200)), "RAIN"));
  EXPECT_EQ(sound_.Find("RAIN")->looping, 1);
  sound_.Play("RAIN");
  clock_.AdvanceMs(60000);
  EXPECT_TRUE(Buffer("RAIN").IsPlaying());
  sound_.Stop("RAIN");
  EXPECT_FALSE(Buffer("RAIN").IsPlaying());
}

TEST_F(SoundManagerTest, FiftyDuplicatesPlayUpToFiftyAtOnce) {
  ASSERT_TRUE(sound_.LoadSound(File("magic.wav", Wav(1000)), "MAGIC", true));
  ASSERT_EQ(sound_.Find("MAGIC")->buffers.size(), 50u);
  for (int i = 0; i < 50; ++i) {
    sound_.Play("MAGIC");
    clock_.AdvanceMs(1);
  }
  EXPECT_EQ(PlayingCount("MAGIC"), 50);
  const std::uint32_t firstAt = Buffer("MAGIC").PositionFrames();
  sound_.Play("MAGIC");  // all busy: nothing is played or restarted
  EXPECT_EQ(PlayingCount("MAGIC"), 50);
  EXPECT_EQ(Buffer("MAGIC").PositionFrames(), firstAt);

  clock_.AdvanceMs(950);  // the first buffer ends, the others still play
  EXPECT_EQ(PlayingCount("MAGIC"), 49);
  sound_.Play("MAGIC");
  EXPECT_TRUE(Buffer("MAGIC", 0).IsPlaying());
  EXPECT_EQ(Buffer("MAGIC", 0).PositionFrames(), 0u);
}

TEST_F(SoundManagerTest, LevelsMapToHundredthsOfADecibelAndClampOutsideTheScale) {
  ASSERT_TRUE(sound_.LoadSound(File("a.wav", Wav(100)), "A", true));
  const struct {
    int32_t level;
    int32_t volume;
  } table[] = {{500, -5000}, {0, -10000}, {1000, 0}, {1, -9990},      {999, -10},
               {-1, -10000}, {-5000, -10000}, {INT_MIN, -10000}, {1001, 0}, {INT_MAX, 0}};
  for (const auto& row : table) {
    sound_.SetVolume(row.level, "A");
    EXPECT_EQ(sound_.Find("A")->volume, row.volume) << "level " << row.level;
    EXPECT_EQ(Buffer("A", 0).Volume(), row.volume) << "level " << row.level;
    EXPECT_EQ(Buffer("A", 49).Volume(), row.volume) << "level " << row.level;
  }
}

TEST_F(SoundManagerTest, SetVolumeAllReachesEverySound) {
  ASSERT_TRUE(sound_.LoadSound(File("a.wav", Wav(100)), "A", false));
  ASSERT_TRUE(sound_.LoadLoopingSound(File("b.wav", Wav(100)), "B"));
  sound_.SetVolume(900, "A");
  sound_.SetVolumeAll(250);
  EXPECT_EQ(Buffer("A").Volume(), -7500);
  EXPECT_EQ(Buffer("B").Volume(), -7500);
  sound_.SetVolume(700, "UNKNOWN");  // nothing happens
  EXPECT_EQ(Buffer("A").Volume(), -7500);
}

TEST_F(SoundManagerTest, FirstOfTwoSoundsWithOneNameIsTheOneUsed) {
  ASSERT_TRUE(sound_.LoadSound(File("long.wav", Wav(1000)), "ATTR", false));
  ASSERT_TRUE(sound_.LoadSound(File("short.wav", Wav(100)), "ATTR", false));
  SoundRecord* first = sound_.Find("ATTR");
  ASSERT_NE(first, nullptr);
  sound_.SetVolume(600, "ATTR");
  sound_.Play("ATTR");
  clock_.AdvanceMs(500);
  EXPECT_TRUE(first->buffers[0]->IsPlaying());  // the 1000 ms one
  EXPECT_EQ(first->volume, -4000);
}

TEST_F(SoundManagerTest, NamesAreCaseSensitiveAndUnknownNamesDoNothing) {
  ASSERT_TRUE(sound_.LoadSound(File("click.wav", Wav(100)), "BUTTON_CLICK", false));
  EXPECT_EQ(sound_.Find("button_click"), nullptr);
  sound_.Play("button_click");
  sound_.Stop("Button_Click");
  EXPECT_FALSE(Buffer("BUTTON_CLICK").IsPlaying());
}

TEST_F(SoundManagerTest, PathsGoThroughTheResolver) {
  fs::create_directories(dir_ / "Music" / "Effects");
  File("Music/Effects/Rain.wav", Wav(100));
  const std::string gamePath = dir_.string() + "\\music\\EFFECTS\\rain.WAV ";
  EXPECT_TRUE(sound_.LoadLoopingSound(gamePath.c_str(), "RAIN"));
}

TEST_F(SoundManagerTest, DemoParkClickPlaysToItsEnd) {
  const std::string click = std::string(HALVENOR_PARK_DIR) + "/Music/Effects/click.wav";
  ASSERT_TRUE(sound_.LoadSound(click.c_str(), "BUTTON_CLICK", false));
  sound_.Play("BUTTON_CLICK");
  EXPECT_TRUE(Buffer("BUTTON_CLICK").IsPlaying());
  clock_.AdvanceMs(500);
  EXPECT_FALSE(Buffer("BUTTON_CLICK").IsPlaying());
}

TEST_F(SoundManagerTest, DeleteAllSoundsAndShutdownLeaveNothingBehind) {
  ASSERT_TRUE(sound_.LoadSound(File("a.wav", Wav(100)), "A", false));
  sound_.DeleteAllSounds();
  EXPECT_EQ(sound_.Find("A"), nullptr);
  sound_.Play("A");

  ASSERT_TRUE(sound_.LoadSound(File("a.wav", Wav(100)), "A", false));
  sound_.Shutdown();
  EXPECT_EQ(sound_.Find("A"), nullptr);
  EXPECT_EQ(sound_.GetDevice(), nullptr);
  EXPECT_FALSE(sound_.LoadSound(File("a.wav", Wav(100)), "A", false));
}

// Broken and missing files: the sound is absent and using it does nothing.
struct BadFile {
  const char* what;
  Bytes bytes;  // empty: no file at all
};

Bytes Patched(Bytes image, std::size_t at, std::initializer_list<std::uint8_t> with) {
  std::copy(with.begin(), with.end(), image.begin() + static_cast<std::ptrdiff_t>(at));
  return image;
}

Bytes WithoutDataChunk() {
  Bytes image = Wav(10);
  image.resize(36);
  return Patched(image, 4, {28, 0, 0, 0});
}

class SoundManagerBadFile : public SoundManagerTest, public testing::WithParamInterface<BadFile> {};

TEST_P(SoundManagerBadFile, RegistersNothing) {
  const EngineString path =
      GetParam().bytes.empty() ? EngineString((dir_ / "missing.wav").string().c_str()) : File("bad.wav", GetParam().bytes);
  EXPECT_FALSE(sound_.LoadSound(path, "BAD", true));
  EXPECT_EQ(sound_.Find("BAD"), nullptr);
  sound_.Play("BAD");
  sound_.SetVolume(500, "BAD");
  sound_.Stop("BAD");
}

// Offsets in the canonical 44-byte header: RIFF size 4, fmt size 16, format
// tag 20, channels 22, data size 40.
INSTANTIATE_TEST_SUITE_P(
    Table, SoundManagerBadFile,
    testing::Values(BadFile{"missing", {}}, BadFile{"no_data_chunk", WithoutDataChunk()},
                    BadFile{"lying_data_size", Patched(Wav(10), 40, {0xFF, 0xFF, 0, 0})},
                    BadFile{"lying_riff_size", Patched(Wav(10), 4, {0xFF, 0xFF, 0xFF, 0x7F})},
                    BadFile{"truncated_fmt", Patched(Wav(10), 16, {12, 0, 0, 0})},
                    BadFile{"non_pcm", Patched(Wav(10), 20, {3, 0})},
                    BadFile{"zero_channels", Patched(Wav(10), 22, {0, 0})},
                    BadFile{"not_a_wav", Bytes{'h', 'e', 'l', 'l', 'o'}}),
    [](const testing::TestParamInfo<BadFile>& info) { return std::string(info.param.what); });

}  // namespace
