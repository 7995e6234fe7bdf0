// The main object's side of the in-game screens over the demo park's GUI:
// the loading step creates them and names them in the object's members,
// and the command handler hands them what its own buttons leave.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "app/VAvazadOvurUrovi.h"
#include "gui/widgets/CGuiStaticText.h"
#include "platform/os/Path.h"

namespace {

namespace fs = std::filesystem;

class MainObjectScreenSetTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const fs::path previous = fs::current_path();
    fs::current_path(HALVENOR_PARK_DIR);
    plat::ClearPathCache();
    game = std::make_unique<VAvazadOvurUrovi>();
    game->LoadStringTable(game->baseDirectory + "\\GuiFiles\\langFile.gui.nl");
    game->CreateGui();
    game->CreateScreens();
    game->ChangeText();
    fs::current_path(previous);
    plat::ClearPathCache();
  }

  void Frame() {
    game->RunQueuedGuiCommands();
    game->RemoveDoneGuiCommands();
  }

  std::unique_ptr<VAvazadOvurUrovi> game;
};

TEST_F(MainObjectScreenSetTest, TheLoadingStepCreatesEveryScreenAndNamesItInTheMembers) {
  ASSERT_NE(game->objectWindow, nullptr);
  EXPECT_EQ(game->objectWindow, game->screens->objectWindow.get());
  EXPECT_EQ(game->buildBook, game->screens->buildBook.get());
  EXPECT_EQ(game->scenarioWindow, game->screens->scenarioWindow.get());
  EXPECT_EQ(game->tutorialScreen, game->screens->tutorialScreen.get());
  ASSERT_NE(game->objectWindow->cash, nullptr);
  // The cash of the object at the time, shown at creation.
  EXPECT_EQ(game->objectWindow->cash->GetText(), "0");
}

TEST_F(MainObjectScreenSetTest, ClicksReachTheScreensUnlessAMessageIsOpen) {
  game->playMode = 1;
  game->PostCommand(10435, -1, kCmdClick, 0, 0);
  Frame();
  Frame();
  EXPECT_TRUE(game->speedWindow->IsShown());
  EXPECT_EQ(game->modalScreenOpen, 1);

  // The message closes every page; the speed button does not reach its
  // window while the message is open.
  game->messageWindow->Show("Hello", 0, nullptr, -1);
  EXPECT_EQ(game->messageWindowOpen, 1);
  game->PostCommand(10435, -1, kCmdClick, 0, 0);
  Frame();
  Frame();
  EXPECT_FALSE(game->speedWindow->IsShown());
  game->PostCommand(10393, -1, kCmdClick, 0, 0);
  Frame();
  EXPECT_EQ(game->messageWindowOpen, 0);
  EXPECT_EQ(game->modalScreenOpen, 0);
}

TEST_F(MainObjectScreenSetTest, TheStatusRefreshShowsTheMainObjectsFigures) {
  game->cash = -75;
  game->points = 1500;
  game->gameDate = {2031, 12, 1};
  game->gameHour = 7;
  game->gameMinute = 45;
  game->RefreshStatusDisplay();
  EXPECT_EQ(game->objectWindow->cash->GetText(), "-75");
  EXPECT_EQ(game->objectWindow->points->GetText(), "1500");
  EXPECT_EQ(game->objectWindow->date->GetText(), "01-12-2031");
  EXPECT_EQ(game->objectWindow->time->GetText(), "07:45");
}

}  // namespace

namespace {

struct ScreenCase {
  int32_t width;
  int32_t height;
  int32_t panelX;
  int32_t panelY;
};

class ScaledGuiTest : public ::testing::TestWithParam<ScreenCase> {};

// The status panel stands at the bottom right at every screen size.
TEST_P(ScaledGuiTest, TheGuiOfTheDevicesScreenSizeIsLoaded) {
  const ScreenCase& c = GetParam();
  const fs::path previous = fs::current_path();
  fs::current_path(HALVENOR_PARK_DIR);
  plat::ClearPathCache();
  {
    VAvazadOvurUrovi game;
    game.Init(nullptr, nullptr);
    game.InitDevice(c.width, c.height, 32, 1);
    game.CreateGui();
    CGuiElement* panel = game.FindElement(10433);
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(panel->record->x, c.panelX);
    EXPECT_EQ(panel->record->y, c.panelY);
    EXPECT_EQ(panel->record->y + panel->record->height, c.height);
  }
  fs::current_path(previous);
  plat::ClearPathCache();
}

TEST(GuiCreation, ASecondCreationKeepsTheFirstGuiAndItsActions) {
  const fs::path previous = fs::current_path();
  fs::current_path(HALVENOR_PARK_DIR);
  plat::ClearPathCache();
  {
    VAvazadOvurUrovi game;
    game.Init(nullptr, nullptr);
    game.InitDevice(1024, 768, 32, 1);
    game.CreateGui();
    const int32_t layers = game.GetLayerCount();
    const size_t actions = game.GetGuiActions().size();
    CGuiElement* panel = game.FindElement(10433);
    ASSERT_GT(layers, 0);
    game.CreateGui();
    EXPECT_EQ(game.GetLayerCount(), layers);
    EXPECT_EQ(game.GetGuiActions().size(), actions);
    EXPECT_EQ(game.FindElement(10433), panel);
  }
  fs::current_path(previous);
  plat::ClearPathCache();
}

INSTANTIATE_TEST_SUITE_P(Sizes, ScaledGuiTest,
                         ::testing::Values(ScreenCase{1024, 768, 176, 700}, ScreenCase{800, 600, 138, 547},
                                           ScreenCase{1280, 1024, 220, 933}));

}  // namespace
