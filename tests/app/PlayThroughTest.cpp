// A short game played with the mouse alone, through the input source, over
// the demo park's GUI: from the main menu into a free game, the path tool
// from the game bar, a path laid on the land, and a bought building set down.
#include <gtest/gtest.h>

#include "gui/core/CGuiElement.h"
#include "gui/core/GuiCommand.h"
#include "park/ledger/LedgerRecord.h"
#include "tests/app/PlayerHandFixture.h"
#include "world/CLandscapeCell.h"

namespace {

using playerhand::CellCentre;
using playerhand::kHighI;
using playerhand::kMiddleJ;

constexpr int kLeft = 0, kRight = 1;

class PlayThroughTest : public playerhand::PlayerHandFixture {
 protected:
  bool UseDemoPark() const override { return true; }
  void SetUp() override {
    PlayerHandFixture::SetUp();
    game->LoadStringTable(game->baseDirectory + "\\GuiFiles\\langFile.gui.nl");
    game->CreateGui();
    game->InitClasses();
    game->playMode = 0;
  }

  // A left click on the middle of the element, as the player makes it.
  void ClickElement(int32_t id) {
    const CGuiElement* element = game->FindElement(id);
    ASSERT_NE(element, nullptr) << id;
    int32_t left = 0, top = 0, right = 0, bottom = 0;
    element->GetRect(left, top, right, bottom);
    ASSERT_TRUE(element->IsVisible()) << id;
    MoveMouseToScreen({(left + right) / 2, (top + bottom) / 2});
    Frame();
    Click(kLeft);
    Frame();  // the commands the click posted run
  }
};

}  // namespace

TEST_F(PlayThroughTest, ThePlayerLaysAPathAndPlacesABuildingWithTheMouse) {
  AddType("Attr_Skarloop", kObjectKindAttraction, 1, 1);
  game->PostCommand(-1, 10001, kCmdShowPage, 10002, 0);  // the main menu, as the game starts
  Frame();
  ClickElement(10002);  // New game
  ClickElement(10025);  // Free play
  ASSERT_EQ(game->playMode, 1);
  EXPECT_EQ(game->cash, 30000);
  ClickElement(10074);  // the path bar
  ClickElement(10461);  // the path tool
  ASSERT_EQ(game->layingPath, 1);

  MoveMouseTo(CellCentre(kHighI, kMiddleJ));
  Frame();
  Click(kRight);
  CLandscapeCell cell;
  ASSERT_TRUE(terrain->GetCell(kHighI, kMiddleJ, cell));
  EXPECT_TRUE(cell.IsPath());
  EXPECT_EQ(game->pathCells, 1);

  // The build book leaves the chosen item in the hand; the next click sets it down.
  Click(2);  // the middle button puts the path tool away
  ChooseBuildItem(0, 1200);
  MoveMouseTo(CellCentre(kHighI + 3, kMiddleJ));
  Frame();
  Click(kRight);
  ASSERT_EQ(game->placedObjects.Objects().size(), 1u);
  const CAttraction* building = game->placedObjects.Objects()[0];
  EXPECT_EQ(CellObject(kHighI + 3, kMiddleJ), building->objectNumber);
  EXPECT_EQ(game->cash, 30000 - 1200);
  int bookings = 0;
  for (const LedgerRecord& record : game->ledgerRecords->Records()) {
    if (record.kind == 6 && record.subject == building->objectNumber && record.amount == 1200) ++bookings;
  }
  EXPECT_EQ(bookings, 1);
}
