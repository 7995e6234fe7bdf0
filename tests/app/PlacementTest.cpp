// Placing bought build items and planting: prices, ledger, object numbers,
// the cells under the objects and the blocked test of the preview.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "park/REraduzizEventClass.h"
#include "park/ledger/LedgerRecord.h"
#include "platform/gfx/DeviceRecord.h"
#include "platform/os/Clock.h"
#include "platform/os/Random.h"
#include "tests/app/PlayerHandFixture.h"
#include "world/CLandscapeCell.h"

namespace {

using playerhand::CellCentre;
using playerhand::kHighI;
using playerhand::kMiddleJ;

constexpr int32_t kBuildKind = 6;

class PlacementTest : public playerhand::PlayerHandFixture {
 protected:
  void SetUp() override {
    PlayerHandFixture::SetUp();
    // First size 3 (along j when unturned), second 2 (along i).
    AddType("Attr_Skarloop", kObjectKindAttraction, 3, 2).gatePosition = {4, 0, 0};
    AddType("Attr_Bench", kObjectKindDustBin, 1, 1);
    AddType("LP_Bush_01", kObjectKindPlant, 1, 1);
  }

  // A preview of the catalogue's type at the index, standing on the cell.
  CAttraction& PreviewAt(int32_t index, int32_t price, int32_t i, int32_t j, float rotation = 0) {
    ChooseBuildItem(index, price);
    const plat::Vec3 at = CellCentre(i, j);
    game->placementPreview->SetPosition(at.x, terrain->GetHeight(at), at.z);
    game->placementPreview->SetRotation(rotation);
    return *game->placementPreview;
  }

  std::vector<LedgerRecord> BuildBookings() const {
    std::vector<LedgerRecord> found;
    for (const LedgerRecord& record : game->ledgerRecords->Records()) {
      if (record.kind == kBuildKind && record.amount != 0) found.push_back(record);
    }
    return found;
  }
};

}  // namespace

TEST_F(PlacementTest, APlacedItemIsPaidOnceBookedAndMarksItsCells) {
  game->cash = 1000;
  CAttraction* placed = game->PlaceBuildItem(PreviewAt(0, 300, kHighI, kMiddleJ));
  ASSERT_NE(placed, nullptr);
  EXPECT_EQ(game->cash, 700);
  const std::vector<LedgerRecord> bookings = BuildBookings();
  ASSERT_EQ(bookings.size(), 1u);
  EXPECT_EQ(bookings[0].amount, 300);
  EXPECT_EQ(bookings[0].subject, placed->objectNumber);
  EXPECT_EQ(bookings[0].category, 2);
  ASSERT_FALSE(game->historyRecords.empty());
  EXPECT_EQ(game->historyRecords.back().first, 4);
  EXPECT_EQ(game->historyRecords.back().values[0], 300);
  EXPECT_EQ(game->historyRecords.back().name.Std(), "Attr_Skarloop");

  // Unturned, 3 cells along i (second size 2) and 5 along j (first size 3).
  for (int32_t i = kHighI - 1; i <= kHighI + 1; ++i) {
    for (int32_t j = kMiddleJ - 2; j <= kMiddleJ + 2; ++j) EXPECT_EQ(CellObject(i, j), placed->objectNumber);
  }
  EXPECT_EQ(CellObject(kHighI + 2, kMiddleJ), CLandscapeCell::kNoObject);
  EXPECT_EQ(CellObject(kHighI, kMiddleJ + 3), CLandscapeCell::kNoObject);
  EXPECT_EQ(game->placedObjects.ObjectsByState().size(), 1u);
}

// Building holds the park's events back: their pause counts from the set-down.
TEST_F(PlacementTest, ASetDownRestartsTheParkEventsPause) {
  game->parkEvents = new REraduzizEventClass;  // the game deletes it
  game->parkEvents->eventStamp = 0;
  game->cash = 1000;
  const uint32_t before = plat::TickCount();
  ASSERT_NE(game->PlaceBuildItem(PreviewAt(1, 10, kHighI, kMiddleJ)), nullptr);
  EXPECT_LE(game->parkEvents->eventStamp - before, 1000u) << "stamped now, not left at the tick count's start";
}

TEST_F(PlacementTest, WithoutTheMoneyNothingIsPlacedPaidOrBooked) {
  game->cash = 299;
  EXPECT_EQ(game->PlaceBuildItem(PreviewAt(0, 300, kHighI, kMiddleJ)), nullptr);
  EXPECT_EQ(game->cash, 299);
  EXPECT_TRUE(game->placedObjects.Objects().empty());
  EXPECT_TRUE(BuildBookings().empty());
  EXPECT_TRUE(game->historyRecords.empty());
  EXPECT_EQ(CellObject(kHighI, kMiddleJ), CLandscapeCell::kNoObject);
}

TEST_F(PlacementTest, ObjectNumbersStayUniqueAfterARemovalAndOnlyTheRemovedCellsAreFreed) {
  game->cash = 100000;
  CAttraction* first = game->PlaceBuildItem(PreviewAt(1, 10, kHighI, kMiddleJ));
  CAttraction* second = game->PlaceBuildItem(PreviewAt(1, 10, kHighI + 1, kMiddleJ));
  ASSERT_TRUE(first && second);
  second->deletePending = 1;
  game->placedObjects.RemoveDeletedAttraction();
  EXPECT_EQ(CellObject(kHighI + 1, kMiddleJ), CLandscapeCell::kNoObject);
  EXPECT_EQ(CellObject(kHighI, kMiddleJ), first->objectNumber);
  CAttraction* third = game->PlaceBuildItem(PreviewAt(1, 10, kHighI + 1, kMiddleJ));
  ASSERT_NE(third, nullptr);
  EXPECT_EQ(game->placedObjects.Objects().size(), 2u);
  EXPECT_EQ(third->objectNumber, 3) << "not the removed object's number, nor the first's";
}

TEST_F(PlacementTest, AFreelyTurnedItemHasItsPointsTurnedWithItToo) {
  game->cash = 1000;
  game->objectTypes.At(0)->randomRotation = 1;
  plat::SRand(7);
  const float expected = float(plat::Rand() % 360);
  plat::SRand(7);
  CAttraction* placed = game->PlaceBuildItem(PreviewAt(0, 10, kHighI, kMiddleJ));
  ASSERT_NE(placed, nullptr);
  EXPECT_FLOAT_EQ(placed->GetRotation(), expected);
  const plat::Vec3 at = placed->GetPositionStruct();
  const float turn = expected * 0.01745329238474369f;
  // The gate stands 4 units along the object's own x axis.
  EXPECT_NEAR(placed->gatePosition.x, at.x + 4 * std::cos(turn), 1e-3);
  EXPECT_NEAR(placed->gatePosition.z, at.z - 4 * std::sin(turn), 1e-3);
}

TEST_F(PlacementTest, EveryThirdPlantCountsAndTheGreeneryStopsAt100) {
  const plat::Vec3 at = CellCentre(kHighI, kMiddleJ);
  for (int n = 0; n < 2; ++n) ASSERT_NE(game->PlantAt(at.x, at.y, at.z, 0), nullptr);
  EXPECT_EQ(game->plantCount, 0);
  ASSERT_NE(game->PlantAt(at.x, at.y, at.z, 0), nullptr);
  EXPECT_EQ(game->plantCount, 1);
  EXPECT_EQ(game->greeneryPercent, 1);
  CLandscapeCell cell;
  ASSERT_TRUE(terrain->GetCell(kHighI, kMiddleJ, cell));
  EXPECT_EQ(cell.GetLayer(2), 1);
  EXPECT_EQ(cell.GetObjectIds().size(), 3u);

  game->plantCount = 100;
  game->plantingCounter = 2;
  game->PlantAt(at.x, at.y, at.z, 0);
  EXPECT_EQ(game->plantCount, 101);
  EXPECT_EQ(game->greeneryPercent, 100);
}

TEST_F(PlacementTest, APlantOfAnUnknownKindOrOfATypeTheParkLacksIsNotPlanted) {
  const plat::Vec3 at = CellCentre(kHighI, kMiddleJ);
  for (int32_t kind : {-1, 29, 1000}) EXPECT_EQ(game->PlantAt(at.x, at.y, at.z, kind), nullptr) << kind;
  EXPECT_EQ(game->PlantAt(at.x, at.y, at.z, 1), nullptr) << "LP_Bush_02 is not in the catalogue";
  EXPECT_TRUE(game->placedObjects.Objects().empty());
  EXPECT_EQ(game->plantingCounter, 0);
}

TEST_F(PlacementTest, ThePreviewIsBlockedByObjectsAndByPathsUnlessItStandsOnPaths) {
  game->cash = 1000;
  game->PlaceBuildItem(PreviewAt(1, 10, kHighI, kMiddleJ));
  terrain->AddPathCell(kHighI + 10, kMiddleJ, CLandscapeCell::kTypePath);
  struct Case {
    const char* what;
    int32_t type, i, j;
    float rotation;
    bool blocked;
  };
  const Case cases[] = {
      {"a ride over the bench", 0, kHighI + 1, kMiddleJ, 0, true},
      {"a ride beside the bench", 0, kHighI + 2, kMiddleJ, 0, false},
      {"a ride turned by 270 onto the bench", 0, kHighI + 2, kMiddleJ, 270, true},
      {"a ride turned by 180 stays beside it", 0, kHighI + 2, kMiddleJ, 180, false},
      {"a ride over a path", 0, kHighI + 10, kMiddleJ + 1, 0, true},
      {"a bench on the path", 1, kHighI + 10, kMiddleJ, 0, false},
      {"a bench on the bench", 1, kHighI, kMiddleJ, 0, true},
      {"a ride half off the grid", 0, 127, 0, 0, false},
  };
  for (const Case& c : cases) {
    PreviewAt(c.type, 10, c.i, c.j, c.rotation);
    EXPECT_EQ(game->IsFootprintBlocked(), c.blocked) << c.what;
  }
  game->placementPreview->Reset();
  EXPECT_FALSE(game->IsFootprintBlocked()) << "an empty preview blocks nothing";
}

TEST_F(PlacementTest, TheFootprintIsDrawnAsOneSquarePerCellRedWhereBlocked) {
  game->cash = 1000;
  game->PlaceBuildItem(PreviewAt(1, 10, kHighI, kMiddleJ));
  plat::Device& device = *g_device->GetDevice();
  game->freeCellTexture = device.CreateTexture(4, 4, 1, 0, plat::Format::A8R8G8B8, plat::Pool::Managed);
  game->blockedCellTexture = device.CreateTexture(4, 4, 1, 0, plat::Format::A8R8G8B8, plat::Pool::Managed);
  game->footprintTexturesLoaded = 1;
  PreviewAt(0, 10, kHighI + 1, kMiddleJ);  // 3 by 5 cells, one of them the bench's
  device.Record().Enable(true);
  device.Record().Clear();
  device.BeginScene();
  game->DrawObjectFootprints();
  const std::vector<plat::DrawRecord> draws = device.Record().Draws();
  ASSERT_EQ(draws.size(), 15u);
  int blocked = 0;
  for (const plat::DrawRecord& draw : draws) {
    EXPECT_EQ(draw.type, plat::PrimitiveType::TriangleStrip);
    EXPECT_EQ(draw.primitiveCount, 2u);
    EXPECT_EQ(draw.stride, 32u);
    blocked += draw.textures[0] == game->blockedCellTexture ? 1 : 0;
  }
  EXPECT_EQ(blocked, 1);

  device.Record().Clear();
  game->placementPreview->Reset();
  game->DrawObjectFootprints();
  EXPECT_TRUE(device.Record().Draws().empty()) << "nothing without a preview";
  device.EndScene();
}
