#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "app/CIniFile.h"
#include "app/DisplaySettings.h"
#include "app/VAvazadOvurUrovi.h"

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
