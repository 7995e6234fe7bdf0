// A headless round through the tutorial, the scenario window and the
// options over the demo park: the player plays the first lesson to its end
// (its pages, then a ride bought and set down with the mouse) and the second
// (the restaurant, from the book's third realm), leaves the
// tutorial, starts the first scenario, and changes and saves the options.
// The game's settings file lies in a folder of the test's own.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "app/CIniFile.h"
#include "gui/widgets/CGuiButton.h"
#include "gui/widgets/CGuiTextBox.h"
#include "park/objects/CAttraction.h"
#include "park/scenarios/CPorvikScenarios.h"
#include "screens/REraduzizBuildBook.h"
#include "screens/REraduzizOptionsScreen.h"
#include "screens/REraduzizScenarioWindow.h"
#include "screens/REraduzizTutorialScreen.h"
#include "tests/app/PlayerHandFixture.h"

namespace {

namespace fs = std::filesystem;
using playerhand::CellCentre;
using playerhand::kHighI;
using playerhand::kMiddleJ;

constexpr int kRight = 1;
constexpr int32_t kStartCash = 30000;
// The book's realm with the restaurant in its first slot, and land for it
// away from the ride.
constexpr int32_t kRestaurantRealm = 3;
constexpr int32_t kRestaurantI = 100;
// The menus, the tutorial's pages and buttons, the scenario window and the
// options page.
constexpr int32_t kStartMenu = 10001, kNewGameButton = 10002, kNewGamePage = 10020;
constexpr int32_t kTutorialGameButton = 10026, kScenarioButton = 10028;
constexpr int32_t kLessonWindow = 10425, kLessonMenu = 10446;
constexpr int32_t kNext = 10428, kCloseLesson = 10431, kContinue = 10448, kExitTutorial = 10459;
constexpr int32_t kFirstLessonButton = 10451;
constexpr int32_t kMessageClose = 10393, kMessagePage = 10391;
constexpr int32_t kBuildButton = 10067, kGameBar = 10062;
constexpr int32_t kScenarioPage = 10108, kFirstStart = 10113;
constexpr int32_t kOptionsButton = 10267, kOptionsPage = 10029, kOptionsDone = 10030;
constexpr int32_t kMusicRight = 10034, kEffectCheck = 10047, kVideoUp = 10057, kBrightnessRight = 10050;

class TutorialPlayThroughTest : public playerhand::PlayerHandFixture {
 protected:
  bool UseDemoPark() const override { return true; }
  void SetUp() override {
    PlayerHandFixture::SetUp();
    game->LoadObjectDescriptors();
    game->LoadStringTable(game->baseDirectory + "\\GuiFiles\\langFile.gui.nl");
    game->CreateGui();
    game->placementPreview = new CAttraction;  // the game frees it
    game->CreateScreens();
    game->InitScenarios();
    game->cash = kStartCash;
    // The player's own files: the settings and what a scenario start reads.
    m_base = fs::temp_directory_path() / ("halvenor_tutorial_" + std::to_string(getpid()));
    fs::create_directories(m_base / "guifiles");
    fs::create_directories(m_base / "Scenes" / "foods");
    fs::create_directories(m_base / "Scenes" / "scenarios");
    fs::copy_file(fs::path(HALVENOR_PARK_DIR) / "Scenes" / "foods" / "Foods_NL.xml",
                  m_base / "Scenes" / "foods" / "Foods_NL.xml");
    std::ofstream(m_base / "guifiles" / "Options.ini")
        << "[SOUND]\nEnableMusic=1\nEnableEffect=1\nMusicVolume=60\nEffectVolume=100\n"
           "[VISUAL]\nVideoLevel=1\nBrightness=100\nResolution=2\n";
    game->baseDirectory = m_base.string().c_str();
    game->optionsScreen->LoadIni();
    game->optionsScreen->ApplyVolumes();
    // The game starts from the menus.
    game->playMode = 0;
  }
  void TearDown() override {
    PlayerHandFixture::TearDown();
    std::error_code ignored;
    fs::remove_all(m_base, ignored);
  }

  CIniFile Settings() const { return CIniFile::Settings(m_base.string().c_str()); }

  fs::path m_base;
};

}  // namespace

TEST_F(TutorialPlayThroughTest, TheFirstTwoLessonsThenAScenarioThenTheOptions) {
  REraduzizTutorialScreen& tutorial = *game->tutorialScreen;
  ASSERT_NE(tutorial.window, nullptr);

  // The tutorial opens on its lesson menu; continue opens lesson 0.
  Press(kTutorialGameButton);
  ASSERT_EQ(game->tutorialMode, 1);
  EXPECT_TRUE(IsShown(kLessonMenu));
  Press(kContinue);
  EXPECT_FALSE(IsShown(kLessonMenu));
  EXPECT_TRUE(IsShown(kLessonWindow));
  EXPECT_EQ(tutorial.lesson, 0);
  Press(kNext);
  Press(kNext);
  EXPECT_EQ(tutorial.page, tutorial.lastPage[0]);
  EXPECT_EQ(tutorial.closeButton->suppressed, 0);
  Press(kCloseLesson);
  EXPECT_FALSE(IsShown(kLessonWindow));
  EXPECT_TRUE(IsShown(kGameBar));
  EXPECT_EQ(game->modalScreenOpen, 0);

  // The lesson's task: a ride bought in the book and set down.
  Press(kBuildButton);
  ASSERT_EQ(game->buildBookOpen, 1);
  Press(REraduzizBuildBook::kBuyButtons);
  ASSERT_EQ(game->placingItem, 1);
  MoveMouseTo(CellCentre(kHighI, kMiddleJ));
  Frame();
  Click(kRight);
  ASSERT_EQ(game->placedObjects.Objects().size(), 1u);
  EXPECT_EQ(tutorial.lessonDone[0], 1);
  EXPECT_EQ(tutorial.lesson, 1);
  EXPECT_EQ(game->messageWindowOpen, 1);
  EXPECT_TRUE(IsShown(kMessagePage));

  // Its message closed, the lesson menu marks the lesson done.
  Press(kMessageClose);
  EXPECT_TRUE(IsShown(kLessonMenu));
  EXPECT_EQ(game->simulationHalted, 0);
  auto* firstLesson = dynamic_cast<CGuiButton*>(game->FindElement(kFirstLessonButton));
  ASSERT_NE(firstLesson, nullptr);
  EXPECT_EQ(firstLesson->forcedState, kStatePressed);

  // The second lesson: the restaurant, bought from the book at its first
  // level and set down.
  Press(kContinue);
  ASSERT_EQ(tutorial.lesson, 1);
  EXPECT_TRUE(IsShown(kLessonWindow));
  for (int32_t page = 0; page < tutorial.lastPage[1]; ++page) Press(kNext);
  Press(kCloseLesson);
  Press(kBuildButton);
  ASSERT_EQ(game->buildBookOpen, 1);
  Press(REraduzizBuildBook::kTabsA + kRestaurantRealm);
  ASSERT_EQ(game->buildBook->currentRealm, kRestaurantRealm);
  ASSERT_EQ(game->buildBook->GetRealms()[kRestaurantRealm][0].geometryName, "restaurant_de_tarrowby");
  ASSERT_EQ(game->buildBook->GetSlotLook(0), REraduzizBuildBook::SlotLook::kAvailable);
  Press(REraduzizBuildBook::kBuyButtons);
  ASSERT_EQ(game->placingItem, 1);
  MoveMouseTo(CellCentre(kRestaurantI, kMiddleJ));
  Frame();
  Click(kRight);
  ASSERT_EQ(game->placedObjects.Objects().size(), 2u);
  EXPECT_EQ(game->placedObjects.Objects()[1]->id, "restaurant_de_tarrowby");
  EXPECT_EQ(tutorial.lessonDone[1], 1);
  EXPECT_EQ(tutorial.lesson, 2);
  Press(kMessageClose);
  EXPECT_TRUE(IsShown(kLessonMenu));

  // The first scenario's park is the one the player built.
  ASSERT_NE(game->scenarios, nullptr);
  ASSERT_GE(game->scenarios->Count(), 1);
  const EngineString scene = game->baseDirectory + "\\Scenes\\" + game->scenarios->GetScenarioMapLow(0);
  ASSERT_TRUE(game->WriteSceneFile(scene));

  // Out of the tutorial and into the scenario window.
  Press(kExitTutorial);
  EXPECT_TRUE(IsShown(kStartMenu));
  EXPECT_EQ(game->simulationHalted, 1);
  Press(kNewGameButton);
  EXPECT_TRUE(IsShown(kNewGamePage));
  Press(kScenarioButton);
  ASSERT_TRUE(IsShown(kScenarioPage));
  std::string slot;
  for (const EngineString& line : game->scenarioWindow->slotTexts[0]->GetLines()) slot += line.Std() + "|";
  EXPECT_EQ(slot.rfind(game->scenarios->GetName(0).Std(), 0), 0u) << slot;

  Press(kFirstStart);
  EXPECT_FALSE(IsShown(kScenarioPage));
  EXPECT_TRUE(IsShown(kGameBar));
  EXPECT_EQ(game->scenarioRunning, 1);
  EXPECT_EQ(game->scenarios->current, 0);
  EXPECT_EQ(game->cash, game->scenarios->GetStartingCost(0));
  EXPECT_EQ(game->tutorialMode, 0);
  EXPECT_EQ(game->simulationHalted, 0);
  EXPECT_EQ(game->modalScreenOpen, 0);
  EXPECT_EQ(game->placedObjects.Objects().size(), 2u) << "the scenario's scene stands";

  // The options: music up, effects off, more detail, brighter; then saved.
  Press(kOptionsButton);
  ASSERT_TRUE(IsShown(kOptionsPage));
  Press(kMusicRight);
  Press(kEffectCheck);
  Press(kVideoUp);
  Press(kBrightnessRight);
  EXPECT_EQ(game->videoLevel, 2);
  EXPECT_EQ(game->farCutEnabled, 0);
  EXPECT_FALSE(game->AreSoundEffectsOn());
  Press(kOptionsDone);
  EXPECT_FALSE(IsShown(kOptionsPage));
  const CIniFile settings = Settings();
  EXPECT_EQ(settings.ReadString(CIniFile::kMusicVolume).Std(), "70");
  EXPECT_EQ(settings.ReadString(CIniFile::kEnableMusic).Std(), "1");
  EXPECT_EQ(settings.ReadString(CIniFile::kEnableEffect).Std(), "0");
  EXPECT_EQ(settings.ReadString(CIniFile::kEffectVolume).Std(), "100");
  EXPECT_EQ(settings.ReadString(CIniFile::kVideoLevel).Std(), "2");
  EXPECT_EQ(settings.ReadString(CIniFile::kBrightness).Std(), "110");
  EXPECT_EQ(settings.ReadString(CIniFile::kEnableShadow).Std(), "1");
  EXPECT_EQ(settings.ReadString(CIniFile::kEnableFarCut).Std(), "0");
  EXPECT_EQ(settings.ReadString(CIniFile::kResolution).Std(), "2") << "the screen size the player chose stays";
}
