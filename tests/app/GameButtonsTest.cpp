// The game's own buttons: which pages each one closes and opens, which
// state bytes it sets, and which commands it takes from the screens.
#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <vector>

#include "app/CIniFile.h"
#include "app/VAvazadOvurUrovi.h"
#include "gui/core/GuiCommand.h"
#include "park/objects/CAttraction.h"
#include "screens/REraduzizTutorialScreen.h"
#include "tests/platform/os/TempTree.h"

namespace {

struct Posted {
  int32_t sender, target, code, control;
  bool operator==(const Posted&) const = default;
};

class GameButtonsTest : public ::testing::Test {
 protected:
  // The handler's answer to one click, and what it posted (its own
  // command left out).
  bool Press(int32_t sender, int32_t code = kCmdClick) {
    GuiCommand command{sender, sender, code, sender, 0, 0};
    taken = game.ExecuteGuiCommand(&command);
    consumed = command.sender == -1;
    posted.clear();
    for (const GuiCommand& c : game.GetCommandQueue().Snapshot()) {
      if (c.target != 10436 && c.sender != 10436) posted.push_back({c.sender, c.target, c.code, c.control});
    }
    for (size_t i = 0; i < game.GetCommandQueue().Size(); ++i) game.GetCommandQueue().At(i)->done = 1;
    game.RemoveDoneGuiCommands();
    return taken;
  }

  VAvazadOvurUrovi game;
  bool taken = false;
  bool consumed = false;
  std::vector<Posted> posted;  // without the hide-all's closes
};

}  // namespace

TEST_F(GameButtonsTest, EachMenuButtonPostsItsPages) {
  struct Case {
    int32_t sender;
    bool running;
    std::vector<Posted> expected;
  };
  const std::vector<Case> cases = {
      {10266, true, {{10266, 10265, 7, 10266}, {10266, 10433, 7, 10266}, {10266, 10062, 7, 10266},
                     {10266, 10010, 4, 10266}}},
      {10267, true, {{10267, 10265, 7, 10267}, {10267, 10433, 7, 10267}, {10267, 10062, 7, 10267},
                     {10267, 10029, 4, 10268}}},
      {10019, true, {{10019, 10010, 7, 10019}, {10019, 10062, 5, 10019}, {10019, 10433, 5, 10019}}},
      {10011, true, {{10011, 10010, 7, 10011}, {10011, 10020, 4, 10011}}},
      {10002, false, {{10002, 10001, 7, 10002}, {10002, 10020, 4, 10002}}},
      {10027, true, {{10027, 10020, 7, 10027}, {10027, 10010, 4, 10027}}},
      {10027, false, {{10027, 10020, 7, 10027}, {10027, 10001, 4, 10027}}},
      {10014, true, {{10014, 10010, 7, 10014}, {10014, 10235, 4, 10014}}},
      {10005, false, {{10005, 10001, 7, 10005}, {10005, 10235, 4, 10005}}},
      {10238, false, {{10238, 10235, 7, 10238}, {10238, 10001, 4, 10238}}},
      {10004, false, {{10004, 10001, 7, 10004}, {10004, 10029, 4, 10004}}},
      {10013, true, {{10013, 10010, 7, 10013}, {10013, 10029, 4, 10013}}},
      {10030, false, {{10030, 10001, 4, 10030}}},
      {10071, true, {{-1, 10265, 5, 10070}}},
      {10067, true, {{-1, 10076, 4, 10067}}},
      {10268, true, {{10268, 10265, 7, 10268}}},
      {10362, true, {{10362, 10359, 7, 10362}}},
      {10135, true, {{10135, 10132, 7, 10135}}},
      {10074, true, {{10074, 10460, 5, 10074}}},
      {10073, true, {{10073, 10463, 5, 10073}}},
      {10028, false, {{-1, 10108, 9, 10028}}},
  };
  for (const Case& c : cases) {
    game.playMode = c.running ? 1 : 0;
    game.buildBookOpen = 0;  // the book, once open, would take every command
    EXPECT_TRUE(Press(c.sender)) << c.sender;
    EXPECT_TRUE(consumed) << c.sender;
    std::vector<Posted> own;
    for (const Posted& p : posted) {
      // The flag commands of 10071 close pages with sender and control -1.
      if (!(p.code == kCmdClosePage && p.sender == -1 && p.control == -1)) own.push_back(p);
    }
    EXPECT_EQ(own, c.expected) << c.sender << (c.running ? " in a game" : " in the menu");
  }
}

TEST_F(GameButtonsTest, ToolButtonsChooseOneToolAtATime) {
  game.playMode = 1;
  game.placementPreview = new CAttraction;  // freed by the game
  game.placementPreview->isPreview = 1;
  Press(10462);
  EXPECT_EQ(game.layingPath, 1);
  EXPECT_EQ(game.pathStyle, 1);
  EXPECT_EQ(game.placementPreview->isPreview, 0);
  Press(10464);
  EXPECT_EQ(game.removingPath, 1);
  EXPECT_EQ(game.layingPath, 0);
  EXPECT_EQ(game.buildToolMode, VAvazadOvurUrovi::kDemolishMode);
  Press(10461);
  EXPECT_EQ(game.layingPath, 1);
  EXPECT_EQ(game.removingPath, 0) << "a right click would otherwise still demolish";
  EXPECT_EQ(game.pathStyle, 0);
  Press(10072);
  EXPECT_EQ(game.buildToolMode, VAvazadOvurUrovi::kPickCharacterMode);
  EXPECT_EQ(game.layingPath, 0);

  // The path bar toggles.
  Press(10074);
  EXPECT_EQ(game.pathMenuShown, 1);
  Press(10074);
  EXPECT_EQ(game.pathMenuShown, 0);
  EXPECT_EQ(posted, (std::vector<Posted>{{10074, 10460, 7, 10074}}));
}

TEST_F(GameButtonsTest, OutsideAGameThePickToolAndTheScreenButtonsGoOnToTheScreens) {
  game.playMode = 0;
  EXPECT_FALSE(Press(10072));
  EXPECT_FALSE(consumed);
  EXPECT_EQ(game.buildToolMode, 0);
  game.playMode = 1;
  EXPECT_FALSE(Press(10435)) << "the speed window is the screens' to open";
  EXPECT_FALSE(Press(10438, kCmdSelect));
}

TEST_F(GameButtonsTest, WhileTheMessageWindowShowsEveryCommandIsItsAlone) {
  game.playMode = 1;
  game.messageWindowOpen = 1;
  EXPECT_TRUE(Press(10074));
  EXPECT_EQ(game.pathMenuShown, 0);
  EXPECT_TRUE(Press(10003));
  EXPECT_EQ(game.playMode, 1) << "no quit";
}

TEST_F(GameButtonsTest, PauseAndResumeHaltAndFreeTheSimulation) {
  game.playMode = 1;
  game.simulationHalted = 0;
  Press(10266);
  EXPECT_EQ(game.simulationHalted, 1);
  EXPECT_EQ(game.modalScreenOpen, 1);
  Press(10019);
  EXPECT_EQ(game.simulationHalted, 0);
  EXPECT_EQ(game.modalScreenOpen, 0);
  // Options from the game return to it; from the pause menu, to the menu.
  Press(10267);
  EXPECT_EQ(game.optionsPaused, 1);
  Press(10030);
  EXPECT_EQ(game.simulationHalted, 0);
  EXPECT_EQ(game.optionsPaused, 0);
  Press(10013);
  Press(10030);
  EXPECT_EQ(game.simulationHalted, 1);
  EXPECT_EQ(posted.back(), (Posted{10030, 10010, 4, 10030}));
}

TEST_F(GameButtonsTest, ANewGameSetsEveryRunValueBack) {
  game.playMode = 0;  // from the menu: the foods and the ledger stay
  game.cash = -500;
  game.points = 77;
  game.plantCount = 12;
  game.greeneryPercent = 12;
  game.gameSpeed = 4;
  game.foundVipKinds = {1, 4};
  game.scenarioRunning = 1;
  game.layingPath = 1;
  game.placedObjects.Place(std::make_unique<CAttraction>());
  Press(10025);
  EXPECT_EQ(game.cash, 30000);
  EXPECT_EQ(game.points, 0);
  EXPECT_EQ(game.plantCount, 0);
  EXPECT_EQ(game.greeneryPercent, 0);
  EXPECT_EQ(game.gameSpeed, 1);
  EXPECT_TRUE(game.foundVipKinds.empty());
  EXPECT_EQ(game.scenarioRunning, 0);
  EXPECT_EQ(game.layingPath, 0);
  EXPECT_TRUE(game.placedObjects.Objects().empty());
  EXPECT_EQ(game.playMode, 1);
  EXPECT_EQ(game.simulationHalted, 0);
  EXPECT_EQ(game.modalScreenOpen, 0);
  EXPECT_EQ(game.tutorialMode, 0);
  ASSERT_GE(posted.size(), 2u);
  EXPECT_EQ(posted[posted.size() - 2], (Posted{-1, 10062, 9, 10025}));
  EXPECT_EQ(posted.back(), (Posted{-1, 10433, 4, 10025}));
}

TEST_F(GameButtonsTest, TheSavedGameListScrollsWithinItsThreeRows) {
  game.savedGames = {"\\Scenes\\Saved\\a.pys", "\\Scenes\\Saved\\b.pys", "\\Scenes\\Saved\\c.pys",
                     "\\Scenes\\Saved\\d.pys", "\\Scenes\\Saved\\e.pys"};
  game.saveListFirstRow = 0;
  for (int n = 0; n < 4; ++n) Press(10258);
  EXPECT_EQ(game.saveListFirstRow, 2) << "five names show three at a time";
  for (int n = 0; n < 4; ++n) Press(10255);
  EXPECT_EQ(game.saveListFirstRow, 0);
  EXPECT_FALSE(consumed) << "scrolling up goes on to the dispatcher";
  Press(10260, kCmdSelect);
  EXPECT_EQ(game.saveListSelectedRow, 1);
}

// The tutorial game starts at the lesson of the settings; the screen never
// gets a lesson outside its five, and after the last the tutorial is over.
TEST_F(GameButtonsTest, ATutorialGameStartsAtTheLessonOfTheSettings) {
  const plat::test::TempTree tree;
  tree.MakeFolder("guifiles");
  game.baseDirectory = tree.Root().c_str();
  REraduzizTutorialScreen screen(nullptr);
  game.tutorialScreen = &screen;
  struct Case {
    const char* level;  // null: the settings do not hold it
    int32_t steps;
    int32_t marks;
    uint8_t tutorialRuns;
  };
  for (const Case& c : {Case{nullptr, 0, 0, 1}, Case{"3", 3, 3, 1}, Case{"9", 5, 5, 0}}) {
    if (c.level) CIniFile::Settings(game.baseDirectory).WriteString("TUTORIAL", "ActualLearnLevel", c.level);
    game.playMode = 0;  // from the main menu: the scratch folder has no foods to read again
    Press(10026);
    EXPECT_EQ(screen.stepCount, c.steps) << (c.level ? c.level : "none");
    EXPECT_EQ(std::count(std::begin(screen.stepMarks), std::end(screen.stepMarks), 1), c.marks);
    EXPECT_EQ(game.tutorialMode, c.tutorialRuns);
    EXPECT_EQ(game.playMode, 1);
  }
  game.tutorialScreen = nullptr;
}
