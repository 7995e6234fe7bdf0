// The options screen over the demo GUI, with a settings file of its own:
// what it reads (held to the knobs' ranges), what it writes back (the
// screen size as it was), the knobs' geometry, the video levels and the
// gamma.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <tuple>

#include "app/CIniFile.h"
#include "gui/widgets/CGuiButton.h"
#include "gui/widgets/CGuiCheckBox.h"
#include "screens/REraduzizOptionsScreen.h"
#include "tests/screens/ScreenTestSupport.h"

namespace {

using screentest::DebugCapture;
using screentest::LoadDemoGui;

constexpr int32_t kWindow = 10029;
constexpr int32_t kMusicKnob = 10036, kMusicTrack = 10035, kMusicCheck = 10039;
constexpr int32_t kMusicLeft = 10033, kMusicRight = 10034;
constexpr int32_t kEffectKnob = 10044, kEffectTrack = 10043, kEffectCheck = 10047;
constexpr int32_t kEffectRight = 10042;
constexpr int32_t kBrightnessKnob = 10052, kBrightnessTrack = 10051, kBrightnessRight = 10050;
constexpr int32_t kVideoDown = 10056, kVideoUp = 10057, kVideoMarker = 10059, kVideoSteps = 10058;

// A host whose base directory is a folder of the test's own, with the
// picture settings it keeps and the gamma ramps it was given.
class OptionsHost : public screentest::FakeHost {
 public:
  OptionsHost(CGuiMainClass& gui, std::filesystem::path folder) : FakeHost(gui), m_folder(std::move(folder)) {}
  EngineString GetBaseDirectory() const override { return m_folder.string().c_str(); }
  RenderSettings* GetRenderSettings() override { return &render; }
  bool SetGammaRamp(const GammaChannel& ramp) override {
    ++rampsSet;
    lastRamp = ramp;
    return gammaSupported;
  }

  RenderSettingValues values;
  RenderSettings render = values.View();
  bool gammaSupported = true;
  int rampsSet = 0;
  GammaChannel lastRamp{};

 private:
  std::filesystem::path m_folder;
};

class OptionsScreenTest : public ::testing::Test {
 protected:
  void SetUp() override {
    m_folder = std::filesystem::temp_directory_path() /
               ("halvenor_options_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "_" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::create_directories(m_folder / "guifiles");
    host = std::make_unique<OptionsHost>(kit.Gui(), m_folder);
    LoadDemoGui(kit.Gui());
  }
  void TearDown() override {
    screen.reset();
    std::filesystem::remove_all(m_folder);
  }

  void WriteSettings(const std::string& text) { std::ofstream(m_folder / "guifiles" / "Options.ini") << text; }
  std::string ReadSettings() const {
    std::ifstream in(m_folder / "guifiles" / "Options.ini");
    return std::string(std::istreambuf_iterator<char>(in), {});
  }
  CIniFile Settings() const { return CIniFile::Settings(m_folder.string().c_str()); }
  REraduzizOptionsScreen& Open() {
    screen = std::make_unique<REraduzizOptionsScreen>(*host, kit.Gui().FindElement(kWindow));
    return *screen;
  }
  int32_t X(int32_t id) { return kit.Gui().FindElement(id)->record->x; }
  // The command as the chain hands it over; true when the screen took it.
  bool Send(int32_t sender, int32_t code = kCmdClick, int32_t parameter = 0) {
    GuiCommand command;
    command.sender = sender;
    command.code = code;
    command.parameter = parameter;
    screen->OnCommand(command);
    return command.sender == -1;
  }

  guitest::GuiTestKit kit;
  std::unique_ptr<OptionsHost> host;
  std::unique_ptr<REraduzizOptionsScreen> screen;
  std::filesystem::path m_folder;
};

}  // namespace

TEST_F(OptionsScreenTest, WithoutASettingsFileBothAreOnAndEveryValueSitsAtTheBottomOfItsKnob) {
  REraduzizOptionsScreen& options = Open();
  EXPECT_EQ(options.musicEnabled, 1);
  EXPECT_EQ(options.effectsEnabled, 1);
  EXPECT_EQ(options.musicValue, 0);
  EXPECT_EQ(options.effectValue, REraduzizOptionsScreen::kEffectMin);
  EXPECT_EQ(options.brightnessValue, REraduzizOptionsScreen::kBrightnessMin);
  EXPECT_EQ(REraduzizOptionsScreen::MusicVolumeFor(options.musicValue), -5000);
  // Level 0: the far cut alone.
  EXPECT_EQ(host->values.videoLevel, 0);
  EXPECT_EQ(host->values.farCut, 1);
  EXPECT_EQ(host->values.shadow + host->values.reflection + host->values.refraction + host->values.particles +
                host->values.fog + host->values.animals + host->values.highResolution,
            0);
  EXPECT_TRUE(dynamic_cast<CGuiCheckBox*>(kit.Gui().FindElement(kMusicCheck))->IsChecked());
  EXPECT_EQ(X(kMusicKnob), X(kMusicTrack) - 3);
  EXPECT_EQ(X(kEffectKnob), X(kEffectTrack) - 3);
  EXPECT_EQ(X(kBrightnessKnob), X(kBrightnessTrack) - 3);
}

TEST_F(OptionsScreenTest, OnlyTheTextZeroSwitchesASoundOff) {
  struct Case {
    const char* music;
    const char* effects;
    uint8_t musicOn, effectsOn;
  };
  const Case cases[] = {{"0", "1", 0, 1}, {"no", "0", 1, 0}, {"", "00", 1, 1}, {"1", "off", 1, 1}};
  for (const Case& c : cases) {
    WriteSettings(std::string("[SOUND]\nEnableMusic=") + c.music + "\nEnableEffect=" + c.effects + "\n");
    REraduzizOptionsScreen& options = Open();
    EXPECT_EQ(options.musicEnabled, c.musicOn) << c.music;
    EXPECT_EQ(options.effectsEnabled, c.effectsOn) << c.effects;
    EXPECT_EQ(dynamic_cast<CGuiCheckBox*>(kit.Gui().FindElement(kEffectCheck))->IsChecked(), c.effectsOn != 0);
  }
}

TEST_F(OptionsScreenTest, ValuesFromTheFileAreHeldToTheKnobsRanges) {
  struct Case {
    const char* music;
    const char* effect;
    const char* brightness;
    int32_t musicValue, effectValue, brightnessValue;
  };
  const Case cases[] = {
      {"-1000", "800", "50", 0, 200, 50},   {"75", "120", "130", 75, 120, 130},
      {"151", "49", "201", 150, 50, 200},   {"2147483647", "-9", "x", 150, 50, 50},
  };
  for (const Case& c : cases) {
    WriteSettings(std::string("[SOUND]\nMusicVolume=") + c.music + "\nEffectVolume=" + c.effect +
                  "\n[VISUAL]\nBrightness=" + c.brightness + "\n");
    REraduzizOptionsScreen& options = Open();
    EXPECT_EQ(options.musicValue, c.musicValue) << c.music;
    EXPECT_EQ(options.effectValue, c.effectValue) << c.effect;
    EXPECT_EQ(options.brightnessValue, c.brightnessValue) << c.brightness;
    // The knobs stand on their tracks.
    EXPECT_EQ(X(kMusicKnob), X(kMusicTrack) + c.musicValue - 3);
    EXPECT_EQ(X(kEffectKnob), X(kEffectTrack) + c.effectValue - 53);
    EXPECT_EQ(X(kBrightnessKnob), X(kBrightnessTrack) + c.brightnessValue - 53);
  }
}

TEST_F(OptionsScreenTest, SavingWritesEverySettingAndKeepsTheScreenSizeThePlayerChose) {
  WriteSettings(
      "[SOUND]\nEnableMusic=1\nEnableEffect=1\nMusicVolume=40\nEffectVolume=100\n"
      "[VISUAL]\nVideoLevel=1\nBrightness=120\nResolution=2\nEnableHiRes=1\n");
  REraduzizOptionsScreen& options = Open();
  EXPECT_EQ(host->values.highResolution, 1);
  EXPECT_TRUE(Send(kMusicCheck));
  EXPECT_TRUE(Send(kMusicRight));
  EXPECT_TRUE(Send(kVideoUp));
  options.SaveIni();
  const CIniFile file = Settings();
  struct Case {
    IniKey key;
    const char* value;
  };
  const Case cases[] = {
      {CIniFile::kEnableMusic, "0"},       {CIniFile::kEnableEffect, "1"},     {CIniFile::kMusicVolume, "50"},
      {CIniFile::kEffectVolume, "100"},    {CIniFile::kVideoLevel, "2"},       {CIniFile::kBrightness, "120"},
      {CIniFile::kResolution, "2"},        {CIniFile::kEnableHiRes, "1"},      {CIniFile::kEnableShadow, "1"},
      {CIniFile::kEnableReflection, "1"},  {CIniFile::kEnableRefraction, "1"}, {CIniFile::kEnableParticles, "1"},
      {CIniFile::kEnableFog, "1"},         {CIniFile::kEnableAnimals, "1"},    {CIniFile::kEnableFarCut, "0"},
  };
  for (const Case& c : cases) EXPECT_EQ(file.ReadString(c.key).Std(), c.value) << c.key.key;

  // What was written reads back as it was saved.
  REraduzizOptionsScreen& again = Open();
  EXPECT_EQ(again.musicEnabled, 0);
  EXPECT_EQ(again.musicValue, 50);
  EXPECT_EQ(again.resolution, 2);
  EXPECT_EQ(host->values.videoLevel, 2);
}

TEST_F(OptionsScreenTest, AFileWithoutAScreenSizeKeepsTheSmallestOneWhenSaved) {
  Open().SaveIni();
  EXPECT_EQ(Settings().ReadString(CIniFile::kResolution).Std(), "0");
  EXPECT_NE(ReadSettings().find("[SOUND]"), std::string::npos);
}

TEST_F(OptionsScreenTest, KnobValuesFollowTheirGeometry) {
  struct Case {
    int32_t knobX, trackX, rangeMin, value;
  };
  const Case cases[] = {{97, 100, 0, 0},   {247, 100, 0, 150},  {97, 100, 50, 50},
                        {247, 100, 50, 200}, {160, 100, 50, 113}, {0, 3, 0, 0}};
  for (const Case& c : cases) {
    EXPECT_EQ(REraduzizOptionsScreen::ValueFromKnob(c.knobX, c.trackX, c.rangeMin), c.value);
    EXPECT_EQ(REraduzizOptionsScreen::KnobFromValue(c.value, c.trackX, c.rangeMin), c.knobX);
  }
  struct Mapping {
    int32_t value, musicVolume, effectLevel;
  };
  // Above 100 the music stays at full loudness, which is all it takes.
  const Mapping mappings[] = {{0, -5000, 200}, {50, -2500, 400}, {100, 0, 600}, {150, 0, 800}, {200, 0, 1000}};
  for (const Mapping& m : mappings) {
    EXPECT_EQ(REraduzizOptionsScreen::MusicVolumeFor(m.value), m.musicVolume) << m.value;
    EXPECT_EQ(REraduzizOptionsScreen::EffectLevelFor(m.value), m.effectLevel) << m.value;
  }
}

TEST_F(OptionsScreenTest, TheButtonsStepAKnobByTenAndStopAtTheEndsOfItsTrack) {
  WriteSettings("[SOUND]\nMusicVolume=145\nEffectVolume=195\n[VISUAL]\nBrightness=55\n");
  REraduzizOptionsScreen& options = Open();
  EXPECT_TRUE(Send(kMusicRight));
  EXPECT_EQ(options.musicValue, 150);
  EXPECT_EQ(X(kMusicKnob), X(kMusicTrack) + 147);
  EXPECT_TRUE(Send(kMusicLeft));
  EXPECT_EQ(options.musicValue, 140);
  EXPECT_TRUE(Send(kEffectRight));
  EXPECT_EQ(options.effectValue, 200);
  EXPECT_TRUE(dynamic_cast<CGuiCheckBox*>(kit.Gui().FindElement(kEffectCheck))->IsChecked());
  EXPECT_TRUE(Send(kBrightnessRight));
  EXPECT_EQ(options.brightnessValue, 65);

  // A dragged knob reports its new x.
  EXPECT_TRUE(Send(kMusicKnob, kCmdDragX, X(kMusicTrack) + 20));
  EXPECT_EQ(options.musicValue, 23);
  EXPECT_TRUE(Send(kEffectKnob, kCmdDragX, X(kEffectTrack) + 20));
  EXPECT_EQ(options.effectValue, 73);
  EXPECT_TRUE(Send(kBrightnessKnob, kCmdDragX, X(kBrightnessTrack) + 147));
  EXPECT_EQ(options.brightnessValue, 200);
  EXPECT_FLOAT_EQ(REraduzizOptionsScreen::GammaFor(2.0f), 0.45f);

  // A click on a knob is no drag, and other controls are not the screen's.
  EXPECT_FALSE(Send(kMusicKnob));
  EXPECT_FALSE(Send(10030));
}

TEST_F(OptionsScreenTest, TheVideoLevelStepsBetweenItsThreeLevelsAndSwitchesTheFeatures) {
  Open();
  const int32_t steps = X(kVideoSteps);
  EXPECT_TRUE(Send(kVideoDown)) << "taken at level 0 without a change";
  EXPECT_EQ(host->values.videoLevel, 0);
  struct Level {
    uint8_t shadow, reflection, refraction, particles, fog, animals, farCut;
  };
  const Level levels[] = {{1, 0, 0, 1, 1, 0, 1}, {1, 1, 1, 1, 1, 1, 0}};
  for (int32_t level = 1; level <= 2; ++level) {
    EXPECT_TRUE(Send(kVideoUp));
    const Level& want = levels[level - 1];
    const RenderSettingValues& got = host->values;
    EXPECT_EQ(got.videoLevel, level);
    EXPECT_EQ(X(kVideoMarker), steps + 74 * level);
    EXPECT_EQ(std::make_tuple(got.shadow, got.reflection, got.refraction, got.particles, got.fog, got.animals,
                              got.farCut),
              std::make_tuple(want.shadow, want.reflection, want.refraction, want.particles, want.fog, want.animals,
                              want.farCut))
        << level;
  }
  EXPECT_TRUE(Send(kVideoUp)) << "taken at level 2 without a change";
  EXPECT_EQ(host->values.videoLevel, 2);
}

TEST_F(OptionsScreenTest, ALevelOutsideTheThreeLeavesTheFeaturesAsTheFileSetsThem) {
  WriteSettings("[VISUAL]\nVideoLevel=3\nEnableShadow=1\nEnableFog=1\nEnableFarCut=0\n");
  Open();
  EXPECT_EQ(host->values.videoLevel, 3);
  EXPECT_EQ(host->values.shadow, 1);
  EXPECT_EQ(host->values.fog, 1);
  EXPECT_EQ(host->values.farCut, 0);
  EXPECT_EQ(host->values.animals, 0);
  EXPECT_EQ(X(kVideoMarker), X(kVideoSteps) + 222);
}

TEST_F(OptionsScreenTest, GammaIsHeldToItsRangeAndTheRampRisesToFullWhite) {
  struct Case {
    float factor, gamma;
  };
  const Case cases[] = {{0.5f, 1.75f}, {1.0f, 1.25f}, {1.25f, 1.0f}, {2.0f, 0.45f}, {0.0f, 2.25f}, {-1.0f, 2.5f}};
  for (const Case& c : cases) EXPECT_NEAR(REraduzizOptionsScreen::GammaFor(c.factor), c.gamma, 1e-6) << c.factor;

  const GammaChannel linear = REraduzizOptionsScreen::GammaRamp(1.0f);
  EXPECT_EQ(linear[0], 0);
  EXPECT_EQ(linear[128], 32768);
  EXPECT_EQ(linear[255], uint16_t(255.0 / 256.0 * 65535.0 + 0.5));
  const GammaChannel dark = REraduzizOptionsScreen::GammaRamp(2.5f);
  for (size_t i = 1; i < dark.size(); ++i) EXPECT_GE(dark[i], dark[i - 1]);
  EXPECT_LT(dark[128], linear[128]);

  // Brightness 100 from the file gives gamma 1.25; a display without a ramp
  // says so and the game goes on.
  WriteSettings("[VISUAL]\nBrightness=100\n");
  host->gammaSupported = false;
  DebugCapture capture;
  Open();
  EXPECT_EQ(host->lastRamp, REraduzizOptionsScreen::GammaRamp(1.25f));
  EXPECT_TRUE(capture.Contains("NoCaps"));
  EXPECT_TRUE(capture.Contains("GAMMA: 1.2500 = "));
}

TEST(OptionsScreenWithoutWindowTest, StillReadsTheSettingsAndTakesNoCommand) {
  screentest::ScreenWorld world(false);
  REraduzizOptionsScreen options(world.host, nullptr);
  EXPECT_EQ(options.musicKnob, nullptr);
  options.ApplyVolumes();
  GuiCommand command;
  command.sender = kVideoUp;
  command.code = kCmdClick;
  options.OnCommand(command);
  EXPECT_EQ(command.sender, -1) << "the click is the screen's even without settings to change";
}
