// The land's mouse handler as the player drives it through the input
// source: the camera drag, the preview that follows the cursor and turns
// with Ctrl, laying and removing paths, placing, the middle button and
// the film icon.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <memory>

#include "gui/core/GuiCommand.h"
#include "platform/input/ScanCodes.h"
#include "platform/media/ScriptedVideoGraph.h"
#include "tests/app/PlayerHandFixture.h"
#include "world/CLandscapeCell.h"

namespace {

using playerhand::CellCentre;
using playerhand::kHighI;
using playerhand::kLowI;
using playerhand::kMiddleJ;

constexpr int kLeft = 0, kRight = 1, kMiddle = 2;
constexpr float kFiveDegrees = 5.0f * 0.01745329238474369f;

class MouseHandlingTest : public playerhand::PlayerHandFixture {
 protected:
  void SetUp() override {
    PlayerHandFixture::SetUp();
    AddType("Attr_Skarloop", kObjectKindAttraction, 1, 1);
    AddType("Attr_Bench", kObjectKindDustBin, 1, 1);
    AddType("beszelokuka", kObjectKindDustBin, 1, 1);
    AddType("Attr_Norwhistle", kObjectKindAttraction, 1, 1);
  }

  // A click on a game button, as the GUI posts it.
  void PressButton(int32_t id) {
    game->PostCommand(id, id, kCmdClick, id, 0);
    Frame();
  }

  void RightClickOn(int32_t i, int32_t j) {
    MoveMouseTo(CellCentre(i, j));
    Frame();
    Click(kRight);
  }

  CLandscapeCell CellAt(int32_t i, int32_t j) const {
    CLandscapeCell cell;
    terrain->GetCell(i, j, cell);
    return cell;
  }

  float Yaw() const { return std::atan2(g_camera->look.x, g_camera->look.z); }
};

}  // namespace

TEST_F(MouseHandlingTest, EveryDragMessageTurnsTheCameraByFiveDegreesHoweverFarTheMouseWent) {
  g_camera->LookAt({0, 100, 0}, {0, 50, 100}, {0, 1, 0});
  Source().MoveMouse(100, 100);
  Frame();
  Source().SetMouseButton(kLeft, true);
  Frame();
  for (int32_t dx : {1, 50, -1}) {
    const float before = Yaw();
    Source().MoveMouse(dx, 0);
    Frame();
    EXPECT_NEAR(std::fabs(Yaw() - before), kFiveDegrees, 1e-4) << dx;
  }
  const float pitchBefore = std::asin(g_camera->look.y);
  Source().MoveMouse(0, 30);  // mostly vertical: a pitch
  Frame();
  EXPECT_NEAR(std::fabs(std::asin(g_camera->look.y) - pitchBefore), kFiveDegrees, 1e-4);
  Source().SetMouseButton(kLeft, false);
  Frame();
  EXPECT_EQ(game->leftDragging, 0);
}

TEST_F(MouseHandlingTest, ThePreviewSnapsToCellsExceptFreeStandingKindsAndTurnsOnEveryFifthCtrlMove) {
  const plat::Vec3 offCentre{CellCentre(kHighI, kMiddleJ).x + 1.2f, 0, CellCentre(kHighI, kMiddleJ).z - 1.2f};
  struct Case {
    int32_t type;
    bool free;
  };
  for (const Case& c : {Case{0, false}, Case{1, true}, Case{2, false}}) {
    ChooseBuildItem(c.type, 10);
    MoveMouseTo(offCentre);
    Frame();
    const plat::Vec3 at = game->placementPreview->GetPositionStruct();
    const bool onCentre = at.x == CellCentre(kHighI, kMiddleJ).x && at.z == CellCentre(kHighI, kMiddleJ).z;
    EXPECT_EQ(onCentre, !c.free) << game->placementPreview->id.Std();
    EXPECT_NEAR(at.y, terrain->GetHeight(at), 1e-4);
    EXPECT_EQ(game->placementAllowed, 1);
    Source().MoveMouse(0, 20);
    Frame();
  }

  Source().SetKey(plat::kKeyLControl, true);
  for (int move = 1; move <= 4; ++move) {
    Source().MoveMouse(5, 0);  // 10 pixels: wide enough
    Frame();
    EXPECT_EQ(game->placementPreview->GetRotation(), 0.0f) << move;
  }
  Source().MoveMouse(5, 0);
  Frame();
  EXPECT_EQ(game->placementPreview->GetRotation(), 90.0f);
  for (int move = 0; move < 5; ++move) {
    Source().MoveMouse(-5, 0);  // leftward: the other cycle, which 90 is not part of
    Frame();
  }
  EXPECT_EQ(game->placementPreview->GetRotation(), 90.0f);
}

TEST_F(MouseHandlingTest, APathLaidAndRemovedLeavesTheCountersAsTheyWere) {
  ChooseBuildItem(0, 10);
  game->cash = 100;
  MoveMouseTo(CellCentre(kHighI + 5, kMiddleJ));
  Frame();
  Click(kRight);  // the ride stands on (kHighI + 5, kMiddleJ)
  ASSERT_EQ(game->placedObjects.Objects().size(), 1u);

  PressButton(10461);
  EXPECT_EQ(game->layingPath, 1);
  RightClickOn(kHighI, kMiddleJ);
  EXPECT_TRUE(CellAt(kHighI, kMiddleJ).IsPath());
  EXPECT_EQ(CellAt(kHighI, kMiddleJ).GetType(), CLandscapeCell::kTypePath);
  EXPECT_EQ(game->pathCells, 1);
  terrain->DropLitterInCell(kHighI, kMiddleJ);
  RightClickOn(kHighI, kMiddleJ);  // laid already: nothing changes
  RightClickOn(kLowI, kMiddleJ);   // too low
  EXPECT_EQ(game->pathCells, 1);
  EXPECT_EQ(game->litteredPathCells, 1);
  EXPECT_FALSE(CellAt(kLowI, kMiddleJ).IsPath());
  // Under the ride, so that a path can reach a gate inside its footprint;
  // the ride keeps its cell.
  RightClickOn(kHighI + 5, kMiddleJ);
  EXPECT_TRUE(CellAt(kHighI + 5, kMiddleJ).IsPath());
  EXPECT_EQ(CellAt(kHighI + 5, kMiddleJ).GetObjectId(), game->placedObjects.Objects().front()->objectNumber);
  EXPECT_EQ(game->pathCells, 2);

  PressButton(10464);
  EXPECT_EQ(game->removingPath, 1);
  EXPECT_EQ(game->layingPath, 0);
  RightClickOn(kHighI + 1, kMiddleJ);  // no path there
  EXPECT_EQ(game->pathCells, 2);
  RightClickOn(kHighI, kMiddleJ);
  RightClickOn(kHighI + 5, kMiddleJ);
  EXPECT_FALSE(CellAt(kHighI, kMiddleJ).IsCountedAsPath());
  EXPECT_FALSE(CellAt(kHighI + 5, kMiddleJ).IsCountedAsPath());
  EXPECT_EQ(game->pathCells, 0);
  EXPECT_EQ(game->litteredPathCells, 0);
}

TEST_F(MouseHandlingTest, APlacingClickChargesOnceAndRefusesABlockedOrUnaffordableSpot) {
  game->cash = 25;
  ChooseBuildItem(0, 10);
  RightClickOn(kHighI, kMiddleJ);
  ASSERT_EQ(game->placedObjects.Objects().size(), 1u);
  EXPECT_EQ(game->cash, 15);
  EXPECT_EQ(game->placingItem, 0);
  EXPECT_EQ(game->placementPreview->isPreview, 0) << "the preview is put away";
  Click(kRight);  // nothing in the hand any more
  EXPECT_EQ(game->placedObjects.Objects().size(), 1u);

  ChooseBuildItem(0, 10);
  RightClickOn(kHighI, kMiddleJ);  // on the first ride
  EXPECT_EQ(game->placedObjects.Objects().size(), 1u);
  ChooseBuildItem(0, 20);
  RightClickOn(kHighI + 3, kMiddleJ);  // free, but too dear
  EXPECT_EQ(game->placedObjects.Objects().size(), 1u);
  EXPECT_EQ(game->cash, 15);

  // A ride of a fixed place stands there wherever it was clicked.
  game->cash = 1000;
  ChooseBuildItem(3, 10);
  RightClickOn(kHighI + 3, kMiddleJ);
  ASSERT_EQ(game->placedObjects.Objects().size(), 2u);
  const CAttraction* fixed = game->placedObjects.Objects().back();
  EXPECT_FLOAT_EQ(fixed->GetPositionStruct().x, -99.532f);
  EXPECT_FLOAT_EQ(fixed->GetPositionStruct().z, 140.273f);
  EXPECT_FLOAT_EQ(fixed->GetRotation(), 90.0f);
}

TEST_F(MouseHandlingTest, TheMiddleButtonPutsEveryToolAway) {
  ChooseBuildItem(0, 10);
  game->layingPath = game->removingPath = 1;
  game->pathStyle = 1;
  game->buildToolMode = VAvazadOvurUrovi::kPickCharacterMode;
  game->pathMenuShown = game->demolishMenuShown = 1;
  game->mainEntranceSelected = 1;
  Click(kMiddle);
  EXPECT_EQ(game->placementPreview->isPreview, 0);
  EXPECT_EQ(game->placingItem, 0);
  EXPECT_EQ(game->layingPath + game->removingPath + game->pathMenuShown + game->demolishMenuShown, 0);
  EXPECT_EQ(game->pathStyle, VAvazadOvurUrovi::kNoPathStyle);
  EXPECT_EQ(game->buildToolMode, 0);
  EXPECT_EQ(game->mainEntranceSelected, 0);
}

// The film icon over an object: the film plays only when it starts, and a
// film that does not start leaves the park running.
TEST_F(MouseHandlingTest, AFilmIconPlaysItsFilmOnlyWhenTheFilmStarts) {
  auto script = std::make_shared<plat::VideoScript>();
  plat::SetVideoGraphFactory(plat::ScriptedVideoGraph::Factory(script));
  struct FactoryReset {
    ~FactoryReset() { plat::SetVideoGraphFactory({}); }
  } reset;
  auto ride = std::make_unique<CAttraction>();
  ride->movieName = "ride.avi";
  CAttraction* placed = game->placedObjects.Place(std::move(ride));
  const plat::Vec3 ground = CellCentre(kHighI, kMiddleJ);
  const plat::Vec3 icon{ground.x, terrain->GetHeight(ground) + 4, ground.z};
  game->AddBillboardIcon(*placed, icon, VAvazadOvurUrovi::kFilmIcon);
  MoveMouseToScreen(ScreenPointOf(icon));
  Frame();

  Click(kRight);
  EXPECT_EQ(game->inGameVideoStarted, 0) << "the film file is missing";
  EXPECT_EQ(game->inGameVideoPlaying, 0);
  EXPECT_EQ(game->modalScreenOpen, 0);

  std::filesystem::create_directories(Folder() / "Music" / "videos");
  std::ofstream(Folder() / "Music" / "videos" / "ride.avi") << "film";
  plat::ClearPathCache();
  Click(kRight);
  EXPECT_EQ(game->inGameVideoStarted, 1);
  EXPECT_EQ(game->inGameVideoPlaying, 1);
  ASSERT_FALSE(script->renderedFiles.empty());
  EXPECT_NE(script->renderedFiles.back().find("ride.avi"), std::string::npos);
}
