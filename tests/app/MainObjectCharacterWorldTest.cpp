#include <gtest/gtest.h>

#include <array>
#include <limits>
#include <memory>

#include "app/CMainObjectCharacterWorld.h"
#include "app/VAvazadOvurUrovi.h"
#include "characters/REraduzizVisitor.h"
#include "park/objects/CAttraction.h"
#include "platform/math/Math.h"
#include "platform/os/Clock.h"
#include "world/CHeightMapHandlerClass.h"
#include "world/CPathFinder.h"

namespace {

// The main object as the characters' world: its clock, its counters, its
// placed objects with their ride paths.
class MainObjectCharacterWorldTest : public ::testing::Test {
 protected:
  void SetUp() override {
    plat::SetClock(&clock_);
    game_ = std::make_unique<VAvazadOvurUrovi>();
    ride_ = game_->placedObjects.Place(std::make_unique<CAttraction>());
    ride_->inPaths = {{{1, 0, 1}, {2, 0, 2}}};
    ride_->outPaths = {{{5, 0, 5}}};
    ride_->id = "trash_01";
    ride_->SetPosition(4, 0, 8);
  }
  void TearDown() override {
    game_.reset();
    plat::SetClock(nullptr);
  }
  CCharacterWorld& World() { return *CCharacterWorld::Get(); }

  plat::FakeClock clock_;
  std::unique_ptr<VAvazadOvurUrovi> game_;
  CAttraction* ride_ = nullptr;
};

TEST_F(MainObjectCharacterWorldTest, IsInstalledWhileTheMainObjectLives) {
  ASSERT_NE(CCharacterWorld::Get(), nullptr);
  game_->gameSecond = 17;
  EXPECT_EQ(World().GetGameTime() % 60, 17);
  {
    REraduzizVisitor visitor;
    visitor.GetAttributes().SetAll(0, 50, 50, 0);
    visitor.GetAttributes().AddToParkTotals();
    EXPECT_EQ(game_->moodTotals.moodSum, VAvazadOvurUrovi::kParkMoodSumStart + 50);
    EXPECT_EQ(game_->moodTotals.bandCounts[1], 1);
  }
  World().QueueDialogCommand(true);  // the job dialog, through the main object
  ASSERT_EQ(game_->GetCommandQueue().Snapshot().size(), 1u);
  EXPECT_EQ(game_->GetCommandQueue().Snapshot()[0].target, 10394);
  game_.reset();
  EXPECT_EQ(CCharacterWorld::Get(), nullptr);
}

// The timers stamp the clock in seconds from the start of the year, which
// stays within the year for any date a saved game holds.
TEST_F(MainObjectCharacterWorldTest, TheGameTimeCountsTheSecondsOfTheYear) {
  constexpr int32_t kMaxInt = std::numeric_limits<int32_t>::max();
  const struct {
    int32_t month, day, hour, minute, second, time;
  } cases[] = {
      {1, 1, 0, 0, 0, 0},
      {1, 1, 0, 1, 5, 65},
      {3, 21, 10, 0, 0, ((2 * 30 + 20) * 24 + 10) * 3600},
      {12, 30, 23, 59, 59, CCharacterWorld::kSecondsPerGameYear - 1},
      {13, 1, 0, 0, 0, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.month << "/" << c.day << " " << c.hour << ":" << c.minute << ":" << c.second);
    game_->gameDate.month = c.month;
    game_->gameDate.day = c.day;
    game_->gameHour = c.hour;
    game_->gameMinute = c.minute;
    game_->gameSecond = c.second;
    EXPECT_EQ(World().GetGameTime(), c.time);
  }
  game_->gameDate = {kMaxInt, kMaxInt, kMaxInt};
  game_->gameHour = game_->gameMinute = game_->gameSecond = kMaxInt;
  const int32_t time = World().GetGameTime();
  EXPECT_GE(time, 0);
  EXPECT_LT(time, CCharacterWorld::kSecondsPerGameYear);
}

// A restaurant's visitors walk to its gate: the middle of the building is
// no footpath cell, so no path leads there.
TEST_F(MainObjectCharacterWorldTest, TheCharactersHostGivesAPlacedObjectWithItsGate) {
  ride_->gatePosition = {4, 0, 4};
  plat::Vec3 entrance;
  EXPECT_EQ(game_->aiHost->FindObjectByName("trash_01", &entrance), ride_);
  EXPECT_EQ(entrance, ride_->gatePosition);
  entrance = {1, 2, 3};
  EXPECT_EQ(game_->aiHost->FindObjectByName("no_such_object", &entrance), nullptr);
  EXPECT_EQ(entrance, (plat::Vec3{1, 2, 3}));
}

TEST_F(MainObjectCharacterWorldTest, PlacedObjectsAndTheirPathsAreReadOnlyWhilePlaced) {
  plat::Vec3 point;
  EXPECT_TRUE(World().IsObjectPlaced(ride_));
  ASSERT_TRUE(World().GetObjectPosition(ride_, &point));
  EXPECT_EQ(point, (plat::Vec3{4, 0, 8}));
  EXPECT_EQ(World().GetObjectAssetName(ride_), "trash_01");
  EXPECT_EQ(World().GetPathCount(ride_, false), 1);
  EXPECT_EQ(World().GetPathPointCount(ride_, false, 0), 2);
  EXPECT_EQ(World().GetPathPointCount(ride_, true, 0), 1);
  EXPECT_EQ(World().GetPathPointCount(ride_, false, 1), 0);
  ASSERT_TRUE(World().GetPathPoint(ride_, false, 0, 1, &point));
  EXPECT_EQ(point, (plat::Vec3{2, 0, 2}));
  EXPECT_FALSE(World().GetPathPoint(ride_, false, 0, 2, &point));
  EXPECT_FALSE(World().GetPathPoint(ride_, true, -1, 0, &point));
  EXPECT_FALSE(World().IsObjectStopped(ride_));
  ride_->StopVehicles();
  EXPECT_TRUE(World().IsObjectStopped(ride_));

  CAttraction stranger;
  EXPECT_FALSE(World().IsObjectPlaced(&stranger));
  EXPECT_EQ(World().GetPathCount(&stranger, false), 0);
  ride_->deletePending = 1;  // on its way out
  EXPECT_FALSE(World().IsObjectPlaced(ride_));
  EXPECT_FALSE(World().GetObjectPosition(ride_, &point));
}

TEST_F(MainObjectCharacterWorldTest, CellsAndPathsComeFromTheLandOnceItIsThere) {
  int32_t i = 0;
  int32_t j = 0;
  EXPECT_TRUE(World().WorldToCell({-256, 0, -256}, &i, &j));
  EXPECT_EQ(i, 0);
  EXPECT_FALSE(World().WorldToCell({254, 0, 0}, &i, &j));
  CCharacterWorld::CellView cell;
  EXPECT_FALSE(World().GetCell(1, 1, &cell));  // no land yet
  EXPECT_EQ(World().FindPath(5000, 1, 1, 2, 2), CPathFinder::kNonexistent);

  CHeightMapHandlerClass terrain;
  CPathFinder finder(CHeightMapHandlerClass::kCellsPerSide, CHeightMapHandlerClass::kCellsPerSide);
  terrain.InitCells();
  game_->terrain = &terrain;
  game_->pathFinder = &finder;
  game_->LinkCellGrid();
  terrain.AddPathCell(5, 5, CLandscapeCell::kTypePath);
  terrain.AddPathCell(6, 5, CLandscapeCell::kTypePath);
  terrain.DropLitterInCell(6, 5);
  terrain.SetCellLayer(7, 7, 2, 1);
  ASSERT_TRUE(World().GetCell(6, 5, &cell));
  EXPECT_TRUE(cell.isPath);
  EXPECT_EQ(cell.layer1, 2);
  ASSERT_TRUE(World().GetCell(7, 7, &cell));
  EXPECT_FALSE(cell.isPath);
  EXPECT_EQ(cell.layer2, 1);
  EXPECT_FALSE(World().GetCell(128, 0, &cell));
  EXPECT_EQ(World().GetCellPosition(6, 5), (plat::Vec3{6 * 4 - 256, 0, 5 * 4 - 256}));
  // Visitor ids past the slots wrap within the visitors' slots.
  EXPECT_EQ(World().FindPath(CPathFinder::kSlotCount + 7, 5, 5, 6, 5), CPathFinder::kFound);
  EXPECT_EQ(World().FindPath(5001, 5, 5, 9, 9), CPathFinder::kNonexistent);

  REraduzizVisitor walker;
  walker.SetId(5002);
  walker.SetPosition(World().GetCellPosition(5, 5));
  const plat::Vec3 target = World().GetCellPosition(6, 5);
  walker.SetTargetCell(target.x, 0, target.z);
  EXPECT_EQ(walker.FindPathToTarget(), CPathFinder::kFound);
  game_->terrain = nullptr;
  game_->pathFinder = nullptr;
}

TEST_F(MainObjectCharacterWorldTest, SalesGoToTheCashTheTotalsAndTheFirstSalesList) {
  EXPECT_EQ(World().GetFoodCatalog(), game_->foodCatalog);
  game_->cash = 100;
  World().AddCash(-30);
  EXPECT_EQ(World().GetCash(), 70);
  World().AddSalesTotal(CCharacterWorld::SalesTotal::kSnacks, 3);
  World().AddSalesTotal(CCharacterWorld::SalesTotal::kMeals, 12);
  World().AddSalesTotal(CCharacterWorld::SalesTotal::kSweets, 2);
  World().AddSalesTotal(CCharacterWorld::SalesTotal::kSweets, 2);
  EXPECT_EQ(game_->salesTotals.snacks, 3);
  EXPECT_EQ(game_->salesTotals.meals, 12);
  EXPECT_EQ(game_->salesTotals.sweets, 4);
  // A total is held to the int32 range.
  World().AddSalesTotal(CCharacterWorld::SalesTotal::kMeals, std::numeric_limits<int32_t>::max());
  EXPECT_EQ(game_->salesTotals.meals, std::numeric_limits<int32_t>::max());

  const std::size_t before = game_->placedRecords.size();
  World().AddSalesRecord(12, 2026, 4, 2, 7, "Stamppot");
  ASSERT_EQ(game_->placedRecords.size(), before + 1);
  const PlacedRecord& record = game_->placedRecords.back();
  EXPECT_EQ(record.first, 7);
  EXPECT_EQ(record.name, "Stamppot");
  EXPECT_EQ((std::array<int32_t, 4>{record.values[0], record.values[1], record.values[2], record.values[3]}),
            (std::array<int32_t, 4>{12, 2026, 4, 2}));
  // Without a shop window no sweets are on offer.
  EXPECT_TRUE(World().GetSweetShopItems().empty());
}

TEST_F(MainObjectCharacterWorldTest, TheCleanersBroomSweepsTheLandsLitter) {
  World().CleanLitterAt({0, 0, 0});  // no land: nothing to sweep
  CHeightMapHandlerClass terrain;
  terrain.InitCells();
  game_->terrain = &terrain;
  terrain.AddPathCell(64, 64, CLandscapeCell::kTypePath);
  terrain.DropLitterInCell(64, 64);
  ASSERT_TRUE(terrain.IsCellLittered(64, 64));
  World().CleanLitterAt(World().GetCellPosition(64, 64));
  EXPECT_FALSE(terrain.IsCellLittered(64, 64));
  game_->terrain = nullptr;
}

}  // namespace
