// The build book in a headless game over the demo park: the player opens
// the book from the game bar, turns its pages, buys an attraction and sets
// it down with the mouse; an attraction with a fixed spot is set down there
// at once, and a second copy finds the spot taken; a greener park opens the
// book's higher levels.
#include <gtest/gtest.h>

#include "characters/CPorvikAiClass.h"
#include "park/objects/CAttraction.h"
#include "screens/REraduzizBuildBook.h"
#include "screens/REraduzizBuildBookHost.h"
#include "tests/app/PlayerHandFixture.h"

namespace {

// The game bar's button that opens the book.
constexpr int32_t kBuildButton = 10067;
using playerhand::CellCentre;
using playerhand::kHighI;
using playerhand::kMiddleJ;

constexpr int kRight = 1;
// A realm with an item of level 3 in its second slot and one of level 4 in
// its third.
constexpr int32_t kLevelsRealm = 3;
constexpr int32_t kLevelThreeSlot = 1, kLevelFourSlot = 2;
constexpr int32_t kStartCash = 30000;

class BuildBookPlayThroughTest : public playerhand::PlayerHandFixture {
 protected:
  bool UseDemoPark() const override { return true; }
  void SetUp() override {
    PlayerHandFixture::SetUp();
    game->LoadObjectDescriptors();
    game->LoadStringTable(game->baseDirectory + "\\GuiFiles\\langFile.gui.nl");
    game->CreateGui();
    game->placementPreview = new CAttraction;  // the game frees it
    game->CreateScreens();
    game->cash = kStartCash;
  }
};

TEST_F(BuildBookPlayThroughTest, ThePlayerBuysAnAttractionFromTheBookAndSetsItDown) {
  REraduzizBuildBook& book = *game->buildBook;
  Press(kBuildButton);
  ASSERT_EQ(game->buildBookOpen, 1);
  EXPECT_TRUE(IsShown(10076));
  Press(REraduzizBuildBook::kNextPage);
  EXPECT_EQ(book.pageStart[0], REraduzizBuildBook::kSlotCount);
  Press(REraduzizBuildBook::kPreviousPage);
  const BookItem& carousel = book.GetRealms()[0][0];
  ASSERT_EQ(carousel.geometryName, "Attr_Carousel");
  ASSERT_EQ(book.GetSlotLook(0), REraduzizBuildBook::SlotLook::kAvailable);

  Press(REraduzizBuildBook::kBuyButtons);
  EXPECT_EQ(game->buildBookOpen, 0);
  EXPECT_FALSE(IsShown(10076));
  ASSERT_EQ(game->placingItem, 1);
  EXPECT_EQ(game->cash, kStartCash);

  MoveMouseTo(CellCentre(kHighI, kMiddleJ));
  Frame();
  Click(kRight);
  ASSERT_EQ(game->placedObjects.Objects().size(), 1u);
  const CAttraction* placed = game->placedObjects.Objects()[0];
  EXPECT_EQ(placed->id, "Attr_Carousel");
  EXPECT_EQ(placed->hasEvents, 1) << "its park events may start";
  EXPECT_EQ(game->cash, kStartCash - carousel.price);

  // The carousel stands: reopened, its entry is veiled.
  Press(kBuildButton);
  EXPECT_EQ(book.GetSlotLook(0), REraduzizBuildBook::SlotLook::kUnavailable);
}

TEST_F(BuildBookPlayThroughTest, AFixedSpotTakesOneCopyAndRefusesTheNext) {
  REraduzizBuildBookHost* host = game->screenHost->GetBuildBookHost();
  ASSERT_NE(host, nullptr);
  const std::optional<int32_t> type = host->FindObjectType("Attr_Norwhistle");
  ASSERT_TRUE(type.has_value());
  const REraduzizBuildBook::FixedSpot* spot = REraduzizBuildBook::FindFixedSpot("Attr_Norwhistle");
  ASSERT_NE(spot, nullptr);
  constexpr int32_t kPrice = 8000;

  ASSERT_TRUE(host->SelectBuildItem(*type, kPrice));
  game->placingItem = 1;
  ASSERT_TRUE(host->PlaceTemplateAt(spot->position, spot->rotationDegrees));
  ASSERT_EQ(game->placedObjects.Objects().size(), 1u);
  const plat::Vec3 at = game->placedObjects.Objects()[0]->GetPositionStruct();
  EXPECT_EQ(at.x, spot->position.x);
  EXPECT_EQ(at.z, spot->position.z);
  EXPECT_EQ(game->placedObjects.Objects()[0]->GetRotation(), spot->rotationDegrees);
  EXPECT_EQ(game->cash, kStartCash - kPrice);

  ASSERT_TRUE(host->SelectBuildItem(*type, kPrice));
  game->placingItem = 1;
  EXPECT_FALSE(host->PlaceTemplateAt(spot->position, spot->rotationDegrees));
  EXPECT_EQ(game->placedObjects.Objects().size(), 1u);
  EXPECT_EQ(game->cash, kStartCash - kPrice);
}

TEST_F(BuildBookPlayThroughTest, TheGreeneryBandOfTheRatingsOpensTheBooksLevels) {
  CPorvikAiClass manager;
  game->aiManager = &manager;
  game->aiManagerDone = 1;
  REraduzizBuildBook& book = *game->buildBook;
  const auto showLevelsPage = [&] {
    book.SelectRealm(kLevelsRealm);
    book.ShowPage();
  };
  ASSERT_EQ(book.GetRealms()[kLevelsRealm][kLevelThreeSlot].grLevel, 3);
  ASSERT_EQ(book.GetRealms()[kLevelsRealm][kLevelFourSlot].grLevel, 4);
  showLevelsPage();
  // Two levels above the book's: not shown at all.
  EXPECT_EQ(book.highestLevel, 1);
  EXPECT_EQ(book.GetSlotLook(kLevelThreeSlot), REraduzizBuildBook::SlotLook::kEmpty);

  // 45 plants: the band of 60, level 3.
  game->plantCount = game->greeneryPercent = 45;
  manager.UpdateParkRatings(CPorvikAiClass::kGreenRating);
  ASSERT_EQ(manager.GetGreenBand(), 60);
  showLevelsPage();
  EXPECT_EQ(book.highestLevel, 3);
  EXPECT_EQ(book.GetSlotLook(kLevelThreeSlot), REraduzizBuildBook::SlotLook::kAvailable);
  // The next level is shown, veiled.
  EXPECT_EQ(book.GetSlotLook(kLevelFourSlot), REraduzizBuildBook::SlotLook::kUnavailable);

  // The park loses its plants: the book keeps the level it reached.
  game->plantCount = game->greeneryPercent = 5;
  manager.UpdateParkRatings(CPorvikAiClass::kGreenRating);
  ASSERT_EQ(manager.GetGreenBand(), 20);
  showLevelsPage();
  EXPECT_EQ(book.highestLevel, 3);
  EXPECT_EQ(book.GetSlotLook(kLevelThreeSlot), REraduzizBuildBook::SlotLook::kAvailable);
  game->aiManager = nullptr;
}

}  // namespace
