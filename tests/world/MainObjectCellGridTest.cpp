#include <gtest/gtest.h>

#include <memory>

#include "app/VAvazadOvurUrovi.h"
#include "park/objects/CAttraction.h"
#include "world/CHeightMapHandlerClass.h"
#include "world/CPathFinder.h"

namespace {

// The main object with a land of its own; the test owns both parts.
class MainObjectCellGridTest : public ::testing::Test {
 protected:
  void SetUp() override {
    terrain_.InitCells();
    game_.terrain = &terrain_;
    game_.pathFinder = &finder_;
    game_.LinkCellGrid();
  }
  void TearDown() override {
    game_.terrain = nullptr;
    game_.pathFinder = nullptr;
  }

  CHeightMapHandlerClass terrain_;
  CPathFinder finder_{CHeightMapHandlerClass::kCellsPerSide, CHeightMapHandlerClass::kCellsPerSide};
  VAvazadOvurUrovi game_;
};

}  // namespace

TEST_F(MainObjectCellGridTest, PathsCountOnTheMainObjectAndWalkInItsPathFinder) {
  EXPECT_FALSE(finder_.IsWalkable(5, 5));
  terrain_.AddPathCell(5, 5, CLandscapeCell::kTypePath);
  terrain_.AddPathCell(6, 5, CLandscapeCell::kTypePath);
  terrain_.DropLitterInCell(6, 5);
  EXPECT_EQ(game_.pathCells, 2);
  EXPECT_EQ(game_.litteredPathCells, 1);
  EXPECT_EQ(finder_.FindPath(CPathFinder::SlotForCharacterId(5001), 5, 5, 6, 5), CPathFinder::kFound);
}

TEST_F(MainObjectCellGridTest, PlantedObjectsAreKeptByTheirObjectNumbers) {
  CAttraction* first = game_.placedObjects.Place(std::make_unique<CAttraction>());
  CAttraction* second = game_.placedObjects.Place(std::make_unique<CAttraction>());
  terrain_.SetCellLayerAndAddObject(9, 9, 2, 1, second);
  terrain_.SetCellLayerAndAddObject(9, 9, 2, 1, first);
  CLandscapeCell cell;
  terrain_.GetCell(9, 9, cell);
  EXPECT_EQ(cell.GetObjectIds(), (std::vector<int32_t>{second->objectNumber, first->objectNumber}));
  EXPECT_EQ(terrain_.GetCellGridLinks().objects.findById(first->objectNumber), first);
}
