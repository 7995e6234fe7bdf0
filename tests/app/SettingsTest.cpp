#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "app/CIniFile.h"
#include "app/DisplaySettings.h"
#include "app/VAvazadOvurUrovi.h"
#include "engine/media/ZOdevuvMusic.h"
#include "platform/media/ScriptedMusicGraph.h"
#include "platform/os/Path.h"
#include "platform/os/Window.h"
#include "screens/REraduzizOptionsScreen.h"

namespace {

// A settings file in a folder of its own, removed at the end.
class SettingsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    m_folder = std::filesystem::temp_directory_path() /
               ("halvenor_settings_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "_" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::create_directories(m_folder / "guifiles");
  }
  void TearDown() override { std::filesystem::remove_all(m_folder); }

  void Write(const std::string& text) { std::ofstream(m_folder / "guifiles" / "Options.ini") << text; }
  CIniFile Settings() const { return CIniFile::Settings(m_folder.string().c_str()); }

  std::filesystem::path m_folder;
};

}  // namespace

TEST_F(SettingsTest, TheResolutionPicksOneOfThreeScreenSizes) {
  struct Case {
    const char* file;
    int32_t width, height;
  };
  const Case cases[] = {
      {"[VISUAL]\nResolution=0\n", 800, 600},   {"[VISUAL]\nResolution=1\n", 1024, 768},
      {"[VISUAL]\nResolution=2\n", 1280, 1024}, {"[VISUAL]\nResolution=3\n", 1024, 768},
      {"[VISUAL]\nResolution=-1\n", 1024, 768}, {"[VISUAL]\nEnableFog=1\n", 800, 600},
      {"[VISUAL]\nResolution=big\n", 800, 600}, {"[SOUND]\nResolution=2\n", 800, 600},
  };
  for (const Case& c : cases) {
    Write(c.file);
    const DisplaySettings display = ReadDisplaySettings(Settings());
    EXPECT_EQ(display.width, c.width) << c.file;
    EXPECT_EQ(display.height, c.height) << c.file;
  }
}

TEST_F(SettingsTest, AFeatureIsOnForExactlyOneAndHighResolutionForAnythingButZero) {
  Write(
      "[VISUAL]\nEnableShadow=2\nEnableReflection=01\nEnableRefration=1\nEnableParticles=-1\n"
      "EnableFog=yes\nEnableAnimals=1\nEnableHiRes=2\n");
  const DisplaySettings display = ReadDisplaySettings(Settings());
  EXPECT_EQ(display.shadow, 0);
  EXPECT_EQ(display.reflection, 1);
  EXPECT_EQ(display.refraction, 1);
  EXPECT_EQ(display.particles, 0);
  EXPECT_EQ(display.fog, 0);
  EXPECT_EQ(display.animals, 1);
  EXPECT_EQ(display.highResolution, 1);

  VAvazadOvurUrovi game;
  ApplyDisplaySettings(display, game);
  EXPECT_EQ(game.shadowEnabled, 0);
  EXPECT_EQ(game.reflectionEnabled, 1);
  EXPECT_EQ(game.refractionEnabled, 1);
  EXPECT_EQ(game.particlesEnabled, 0);
  EXPECT_EQ(game.fogEnabled, 0);
  EXPECT_EQ(game.animalsEnabled, 1);
  EXPECT_EQ(game.highResolution, 1);
}

TEST_F(SettingsTest, WithoutASettingsFileEveryKeyReadsAsItsDefault) {
  const CIniFile settings = Settings();
  const DisplaySettings display = ReadDisplaySettings(settings);
  EXPECT_EQ(display.width, 800);
  EXPECT_EQ(display.height, 600);
  EXPECT_EQ(display.shadow + display.reflection + display.refraction + display.particles + display.fog +
                display.animals + display.highResolution,
            0);
  struct Case {
    IniKey key;
    const char* value;
  };
  const Case cases[] = {
      {CIniFile::kEnableMusic, ""},        {CIniFile::kMusicVolume, ""},
      {CIniFile::kEnableFarCut, "1"},      {CIniFile::kActualLearnLevel, "1"},
      {CIniFile::kActualLearnLevelCommand, "-1"}, {CIniFile::kSavedSceneName, "Tutorial"},
  };
  for (const Case& c : cases) EXPECT_EQ(settings.ReadString(c.key).Std(), c.value) << c.key.key;
  EXPECT_EQ(settings.ReadInt(CIniFile::kEnableFarCut), 1);
}

TEST_F(SettingsTest, WrittenKeysReadBackAndCreateTheFile) {
  const CIniFile settings = Settings();
  settings.WriteString("VISUAL", "EnableShadow", "1");
  settings.WriteString("TUTORIAL", "ActualLearnLevel", "3");
  settings.WriteString("VISUAL", "EnableShadow", "0");
  EXPECT_EQ(settings.ReadInt(CIniFile::kEnableShadow), 0);
  EXPECT_EQ(settings.ReadInt(CIniFile::kActualLearnLevel), 3);
  EXPECT_EQ(settings.ReadString("visual", "enableshadow", "x").Std(), "0") << "sections and keys ignore case";
}

TEST_F(SettingsTest, LongValuesAreCutAndHugeNumbersHeldToTheIntegerRange) {
  Write("[VISUAL]\nBrightness=" + std::string(3000, '7') + "\nResolution=-99999999999999\n");
  const CIniFile settings = Settings();
  EXPECT_EQ(settings.ReadString(CIniFile::kBrightness).Length(), CIniFile::kMaxValueLength);
  EXPECT_EQ(settings.ReadInt(CIniFile::kBrightness), 2147483647);
  EXPECT_EQ(settings.ReadInt(CIniFile::kResolution), -2147483647 - 1);
}

// The music as the player set it when the intro ends: the switch and the
// volume come from the options screen once it exists, and from the settings
// file before, with the options' mapping and the knob's range (0..150) in
// either case.
TEST_F(SettingsTest, TheMusicFollowsTheOptionsSwitchAndVolume) {
  std::filesystem::create_directories(m_folder / "Music" / "Sound");
  std::ofstream(m_folder / "Music" / "Sound" / "park.wav") << "wav";
  const std::filesystem::path previous = std::filesystem::current_path();
  std::filesystem::current_path(m_folder);
  plat::ClearPathCache();
  auto script = std::make_shared<plat::MusicScript>();
  plat::SetMusicGraphFactory(plat::ScriptedMusicGraph::Factory(script));
  plat::WindowHandle window = plat::CreateGameWindow("music", 800, 600, plat::WindowBackend::Headless);
  auto game = std::make_unique<VAvazadOvurUrovi>();
  auto* music = new ZOdevuvMusic(window);  // the game frees it
  ASSERT_EQ(music->Open("Music\\Sound\\park.wav"), plat::kMediaOk);
  plat::MusicGraph& graph = *music->GetGraph();
  game->baseDirectory = m_folder.string().c_str();

  // Before the options screen: the file, held to the knob's range.
  struct Case {
    const char* file;
    bool running;
    int32_t volume;
  };
  const Case cases[] = {{"[SOUND]\nEnableMusic=1\nMusicVolume=150\n", true, 0},
                        {"[SOUND]\nEnableMusic=1\nMusicVolume=60\n", true, -2000},
                        {"[SOUND]\nEnableMusic=1\nMusicVolume=-40\n", true, -5000},
                        {"[SOUND]\nEnableMusic=0\nMusicVolume=900\n", false, 0}};
  for (const Case& c : cases) {
    Write(c.file);
    game->SkipIntroVideos();
    EXPECT_EQ(graph.State() == plat::GraphState::Running, c.running) << c.file;
    EXPECT_EQ(graph.Volume(), c.volume) << c.file;
  }

  // With the options screen: its values, whatever the file says now.
  Write("[SOUND]\nEnableMusic=1\nMusicVolume=150\nEnableEffect=1\n");
  REraduzizOptionsScreen options(*game->screenHost, nullptr);
  game->optionsScreen = &options;
  options.musicValue = 60;
  options.musicEnabled = 0;
  game->SkipIntroVideos();
  EXPECT_NE(graph.State(), plat::GraphState::Running);
  EXPECT_FALSE(game->IsMusicOn());
  options.musicEnabled = 1;
  game->SkipIntroVideos();
  EXPECT_EQ(graph.State(), plat::GraphState::Running);
  EXPECT_EQ(graph.Volume(), -2000);
  EXPECT_EQ(game->MusicValue(), 60);

  game->optionsScreen = nullptr;
  game.reset();
  plat::DestroyGameWindow(window);
  plat::SetMusicGraphFactory({});
  std::filesystem::current_path(previous);
  plat::ClearPathCache();
}
