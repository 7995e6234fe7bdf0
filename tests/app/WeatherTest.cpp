// The park's weather on an injected clock: the dry wait, the darkening fog,
// the shower with its particles and looping sound, the clearing fog and the
// next wait; and the volumes the rain sets as it starts.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "app/VAvazadOvurUrovi.h"
#include "engine/core/Globals.h"
#include "engine/media/SoundManager.h"
#include "engine/particles/ParticleEffects.h"
#include "platform/audio/AudioDevice.h"
#include "platform/audio/WavWriter.h"
#include "platform/os/Clock.h"
#include "screens/REraduzizOptionsScreen.h"

namespace {

namespace fs = std::filesystem;

constexpr uint32_t kDryWaitMs = 900000;
constexpr uint32_t kShowerMs = 60000;
constexpr int kDarkeningFrames = 500;
constexpr int kClearingFrames = 100;
constexpr uint32_t kFrameMs = 20;
constexpr const char* kSounds[] = {"RAIN", "ATMOSPHERE", "BUTTON_CLICK", "CASH"};
// A sound manager's volume (hundredths of a decibel) of a level 0..1000.
constexpr int32_t VolumeOfLevel(int32_t level) { return 10 * level - 10000; }
constexpr int32_t kUntouchedVolume = VolumeOfLevel(SoundManager::kLevelFull);

class WeatherTest : public ::testing::Test {
 protected:
  void SetUp() override {
    plat::SetClock(&clock);
    clock.AdvanceMs(1);
    folder = fs::temp_directory_path() / ("halvenor-weather-" + std::to_string(::getpid()));
    fs::create_directories(folder);
    game = std::make_unique<VAvazadOvurUrovi>();
    // The engine's sound singleton: the game deletes it with the others.
    sound = new SoundManager(nullptr);
    ASSERT_TRUE(sound->Init(plat::OpenHeadlessAudioDevice()));
    const std::vector<uint8_t> wav = plat::WritePcmWav({1, 1000, 16}, std::vector<uint8_t>(2000, 0));
    for (const char* name : kSounds) {
      const fs::path path = folder / (std::string(name) + ".wav");
      std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(wav.data()), std::streamsize(wav.size()));
      ASSERT_TRUE(sound->LoadLoopingSound(path.string().c_str(), name));
    }
    sound->SetVolumeAll(SoundManager::kLevelFull);
    effects = std::make_unique<ParticleEffects>(folder.string().c_str());
    game->particleEffects = effects.get();
  }

  void TearDown() override {
    game->particleEffects = nullptr;
    game->optionsScreen = nullptr;
    game.reset();
    plat::SetClock(nullptr);
    std::error_code ignored;
    fs::remove_all(folder, ignored);
  }

  // The weather's share of a frame, in the frame's order: its clock, then
  // the ramps of the player's view.
  void Frame() {
    clock.AdvanceMs(kFrameMs);
    game->UpdateWeatherClock();
    game->UpdateRainRamps();
  }
  void Frames(int count) {
    for (int n = 0; n < count; ++n) Frame();
  }

  bool RainSounds() {
    for (const auto& buffer : sound->Find("RAIN")->buffers) {
      if (buffer->IsPlaying()) return true;
    }
    return false;
  }
  int32_t VolumeOf(const char* name) { return sound->Find(name)->volume; }
  void ExpectFog(float alpha, float grey) {
    EXPECT_FLOAT_EQ(game->ambienceLevel, alpha);
    for (float channel : game->ambienceColour) EXPECT_FLOAT_EQ(channel, grey);
  }

  plat::FakeClock clock;
  fs::path folder;
  SoundManager* sound = nullptr;
  std::unique_ptr<VAvazadOvurUrovi> game;
  std::unique_ptr<ParticleEffects> effects;
};

TEST_F(WeatherTest, AQuarterHourOfPlayBringsAShowerThatDarkensBeforeAndClearsAfter) {
  // The dry wait: nothing until a quarter of an hour has passed.
  clock.AdvanceMs(kDryWaitMs - kFrameMs);
  Frame();
  EXPECT_EQ(game->weatherArmed, 0);
  EXPECT_EQ(game->rainStartPending, 0);
  ExpectFog(70.0f, 240.0f);

  // Armed: the fog darkens for its frames (the arming frame is the first),
  // then the rain starts.
  Frame();
  EXPECT_EQ(game->weatherArmed, 1);
  const uint32_t armedAt = plat::TickCount();
  Frames(kDarkeningFrames - 2);
  EXPECT_EQ(game->raining, 0);
  EXPECT_TRUE(game->IsSkyOvercast()) << "no sun while the fog darkens";
  Frame();
  EXPECT_EQ(game->raining, 1);
  EXPECT_EQ(game->rainStartPending, 0);
  EXPECT_TRUE(effects->rain->active);
  EXPECT_TRUE(RainSounds());
  ExpectFog(255.0f, 50.0f);

  // The shower lasts a minute counted from the arming, the darkening included.
  clock.AdvanceMs(kShowerMs - (plat::TickCount() - armedAt) - kFrameMs);
  Frame();
  EXPECT_EQ(game->rainStopPending, 0);
  Frame();
  EXPECT_EQ(game->rainStopPending, 1);
  const uint32_t stopAskedAt = plat::TickCount();
  Frames(kClearingFrames - 2);
  EXPECT_EQ(game->raining, 1);
  Frame();
  EXPECT_EQ(game->raining, 0);
  EXPECT_FALSE(game->IsSkyOvercast());
  EXPECT_FALSE(effects->rain->active);
  EXPECT_FALSE(RainSounds());
  EXPECT_EQ(game->weatherArmed, 0);
  ExpectFog(205.0f, 200.0f);

  // The next wait counts from when the end was asked for; the next darkening
  // starts from the fog the clearing left.
  clock.AdvanceMs(kDryWaitMs - (plat::TickCount() - stopAskedAt) - kFrameMs);
  Frame();
  EXPECT_EQ(game->weatherArmed, 0);
  Frame();
  EXPECT_EQ(game->weatherArmed, 1);
  EXPECT_FLOAT_EQ(game->ambienceLevel, 205.5f);
}

TEST_F(WeatherTest, TheWaitStartsAgainWhenASceneIsReadButARunningShowerGoesOn) {
  clock.AdvanceMs(kDryWaitMs / 2);
  game->RestartWeatherWait();
  clock.AdvanceMs(kDryWaitMs - kFrameMs);
  Frame();
  EXPECT_EQ(game->weatherArmed, 0) << "the wait counts from the reading";

  game->ToggleRain();
  game->RestartWeatherWait();
  EXPECT_EQ(game->raining, 1);
  Frames(kClearingFrames);
  EXPECT_EQ(game->raining, 1) << "no clearing before the weather is armed again";
}

TEST_F(WeatherTest, RainThatStartsSetsTheAmbientVolumesOnlyWhileTheGameIsPlayed) {
  struct Case {
    const char* what;
    bool optionsScreen;
    uint8_t effectsOn, playing, halted, optionsOpen;
    int32_t rainVolume, otherVolume;
  };
  constexpr int32_t kEffectValue = 150;  // level 200 + 4 x 150
  const int32_t audible = VolumeOfLevel(800);
  const int32_t silent = VolumeOfLevel(SoundManager::kLevelSilent);
  const Case cases[] = {
      {"played with effects on", true, 1, 1, 0, 0, audible, kUntouchedVolume},
      {"effects off", true, 0, 1, 0, 0, silent, silent},
      {"in the menus", true, 1, 0, 0, 0, silent, silent},
      {"paused", true, 1, 1, 1, 0, silent, silent},
      {"the options screen open", true, 1, 1, 0, 1, silent, silent},
      {"no options screen", false, 1, 1, 0, 0, kUntouchedVolume, kUntouchedVolume},
  };
  REraduzizOptionsScreen options(*game->screenHost, nullptr);
  options.effectValue = kEffectValue;
  for (const Case& c : cases) {
    sound->SetVolumeAll(SoundManager::kLevelFull);
    options.effectsEnabled = c.effectsOn;
    game->optionsScreen = c.optionsScreen ? &options : nullptr;
    game->playMode = c.playing;
    game->simulationHalted = c.halted;
    game->optionsPaused = c.optionsOpen;
    game->raining = 0;
    game->ToggleRain();
    EXPECT_TRUE(RainSounds()) << c.what;
    EXPECT_EQ(VolumeOf("RAIN"), c.rainVolume) << c.what;
    EXPECT_EQ(VolumeOf("ATMOSPHERE"), c.rainVolume) << c.what;
    EXPECT_EQ(VolumeOf("BUTTON_CLICK"), c.rainVolume) << c.what;
    EXPECT_EQ(VolumeOf("CASH"), c.otherVolume) << c.what;
    game->ToggleRain();
    EXPECT_FALSE(RainSounds()) << c.what;
  }
}

TEST_F(WeatherTest, TheAmbientLevelFollowsTheEffectValue) {
  struct Case {
    int32_t effectValue, level;
  };
  const Case cases[] = {{50, 400}, {200, 1000}, {0, 200}, {1, 204}, {-10, 160}};
  for (const Case& c : cases) EXPECT_EQ(VAvazadOvurUrovi::AmbientLevelFor(c.effectValue), c.level) << c.effectValue;
}

TEST_F(WeatherTest, RainSwitchesWithoutSoundsOrParticles) {
  game->particleEffects = nullptr;
  SoundManager* kept = g_sound;
  g_sound = nullptr;
  game->ToggleRain();
  EXPECT_TRUE(game->IsRaining());
  game->ToggleRain();
  EXPECT_FALSE(game->IsRaining());
  g_sound = kept;
}

}  // namespace
