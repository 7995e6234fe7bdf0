// Short games played with the mouse alone, through the input source, over
// the demo park's GUI: from the main menu into a free game, the path tool
// from the game bar, a path laid on the land, a bought building set down;
// the select tool picking a visitor, a hired staff member and nobody; and a
// new game that sends the park's characters home.
#include <gtest/gtest.h>

#include <vector>

#include "characters/CPorvikAiClass.h"
#include "characters/ManagerRunState.h"
#include "characters/REraduzizVisitor.h"
#include "engine/animation/CAnimInstance.h"
#include "park/ledger/LedgerRecord.h"
#include "tests/app/PlayerHandFixture.h"
#include "world/CLandscapeCell.h"

namespace {

using playerhand::CellCentre;
using playerhand::kHighI;
using playerhand::kMiddleJ;

class PlayThroughTest : public playerhand::DemoGuiFixture {};

// Characters of the demo park's manager on the high ground, under a camera
// close enough to tell them apart: a visitor and a hired staff member.
class ParkCharactersTest : public playerhand::DemoGuiFixture {
 protected:
  static constexpr int32_t kVisitorId = 5000;
  static constexpr int32_t kStaffId = 1000;
  static constexpr int32_t kVisitorKind = 0;

  void SetUp() override {
    DemoGuiFixture::SetUp();
    game->aiManager = new CPorvikAiClass;  // the game deletes it
    StartFreeGame();
    const plat::Vec3 middle = Ground(kHighI + 1, kMiddleJ);
    g_camera->LookAt({middle.x, middle.y + 30, middle.z - 1}, middle, {0, 1, 0});
    visitorPlace = Ground(kHighI, kMiddleJ);
    staffPlace = Ground(kHighI + 2, kMiddleJ);
    visitor = StandAt(Manager().CreateVisitor(kVisitorId, kVisitorKind, visitorPlace), visitorPlace);
    ASSERT_NE(visitor, nullptr);
    Manager().AddLiveId(kVisitorId);
    // A hired member is no live visitor: only its placement record names it.
    ASSERT_TRUE(game->CreateStaffMember(kStaffId, REraduzizVisitor::kCleaner, staffPlace));
    member = StandAt(Manager().FindCharacterById(kStaffId), staffPlace);
    ASSERT_NE(member, nullptr);
    PlacementRecord record;
    record.id = kStaffId;
    game->placedCharacters.push_back(record);
  }

  plat::Vec3 Ground(int32_t i, int32_t j) const {
    const plat::Vec3 at = CellCentre(i, j);
    return {at.x, terrain->GetHeight(at), at.z};
  }

  REraduzizVisitor* StandAt(REraduzizVisitor* character, const plat::Vec3& at) {
    if (!character) return nullptr;
    character->SetPosition(at);
    character->SetTargetPosition(at.x, at.y, at.z);
    character->Update(0);  // its figure stands where it is
    return character;
  }

  // The select tool from the game bar, then a right click on the screen
  // point of the world point.
  void PickAt(const plat::Vec3& world) {
    ClickElement(10072);
    ASSERT_EQ(game->buildToolMode, VAvazadOvurUrovi::kPickCharacterMode);
    MoveMouseToScreen(ScreenPointOf(world));
    Frame();
    Click(kRight);
    Frame();  // the pages the pick posted open
  }

  static plat::Vec3 FigureCentre(const REraduzizVisitor& character) {
    plat::Vec3 centre;
    character.GetAnimInstance()->GetWorldSphereCenter(&centre);
    return centre;
  }

  CPorvikAiClass& Manager() { return *game->GetAiManager(); }

  plat::Vec3 visitorPlace, staffPlace;
  REraduzizVisitor* visitor = nullptr;
  REraduzizVisitor* member = nullptr;
};

}  // namespace

TEST_F(PlayThroughTest, ThePlayerLaysAPathAndPlacesABuildingWithTheMouse) {
  AddType("Attr_Skarloop", kObjectKindAttraction, 1, 1);
  StartFreeGame();
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
  Click(kMiddle);  // the middle button puts the path tool away
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

TEST_F(ParkCharactersTest, TheSelectToolOpensAVisitorsPanelPicksAHiredMemberAndClosesOnNobody) {
  PickAt(FigureCentre(*visitor));
  EXPECT_EQ(game->pickedCharacter, visitor);
  EXPECT_EQ(game->buildToolMode, 0);
  EXPECT_EQ(game->visitorPanelShown, 1);
  EXPECT_TRUE(IsShown(10132)) << "the visitor's panel";
  ClickElement(10135);  // its close button
  EXPECT_FALSE(IsShown(10132));
  EXPECT_EQ(game->modalScreenOpen, 0);

  PickAt(FigureCentre(*member));
  EXPECT_EQ(game->pickedCharacter, member);
  EXPECT_EQ(game->buildToolMode, 0);
  EXPECT_FALSE(IsShown(10132)) << "a staff member has no visitor panel";

  PickAt(Ground(kHighI + 1, kMiddleJ + 3));
  EXPECT_EQ(game->pickedCharacter, nullptr);
  EXPECT_EQ(game->buildToolMode, 0);
  EXPECT_EQ(game->visitorPanelShown, 0);
}

TEST_F(ParkCharactersTest, OnlyActivePlacementRecordsNameThePlacedCharacters) {
  EXPECT_EQ(game->visitorPark->GetPlacedCharacterIds(), std::vector<int32_t>{kStaffId});
  game->placedCharacters[0].flag = 0;
  EXPECT_TRUE(game->visitorPark->GetPlacedCharacterIds().empty());
}

TEST_F(ParkCharactersTest, ANewGameSendsEveryoneHomeAndStartsTheManagerAfresh) {
  ManagerRunState played = Manager().GetRunState();
  played.greenBand = 40;
  played.visitorCount = 1;
  played.nextId = kVisitorId + 1;
  played.capacity = 999;
  played.parkClosed = true;
  Manager().SetRunState(played);
  game->gameHour = 15;

  ClickElement(10071);  // the game menu
  ClickElement(10266);  // the pause menu
  ClickElement(10011);  // New game
  ClickElement(10025);  // Free play
  EXPECT_EQ(Manager().FindCharacterById(kVisitorId), nullptr);
  EXPECT_EQ(Manager().FindCharacterById(kStaffId), nullptr);
  EXPECT_TRUE(Manager().GetLiveIds().empty());
  EXPECT_TRUE(game->placedCharacters.empty());
  ASSERT_EQ(game->gameHour, VAvazadOvurUrovi::kStartHour);
  const ManagerRunState fresh = Manager().GetRunState();
  EXPECT_EQ(fresh.greenBand, 0);
  EXPECT_EQ(fresh.visitorCount, 0);
  EXPECT_EQ(fresh.nextId, CPorvikAiClass::kFirstVisitorId);
  EXPECT_EQ(fresh.capacity, VAvazadOvurUrovi::kNewGameCapacity);
  EXPECT_FALSE(fresh.parkClosed);
  EXPECT_EQ(fresh.lastBookedHour, VAvazadOvurUrovi::kStartHour - 1);
  EXPECT_EQ(fresh.nextHourToBook, VAvazadOvurUrovi::kStartHour);
  EXPECT_EQ(fresh.nextMonthToBook, game->gameDate.month);
}
