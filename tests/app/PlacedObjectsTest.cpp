#include <gtest/gtest.h>

#include <memory>

#include "app/VAvazadOvurUrovi.h"
#include "park/CBillboardIcon.h"
#include "park/objects/CAttraction.h"
#include "park/objects/ObjectTypeDescriptor.h"

namespace {

class PlacedObjectsTest : public ::testing::Test {
 protected:
  CAttraction* Place(const char* id) {
    auto object = std::make_unique<CAttraction>();
    object->id = id;
    return game.placedObjects.Place(std::move(object));
  }
  int IconsOf(const CAttraction* object) const {
    int count = 0;
    for (const BillboardEntry& entry : game.billboards) count += entry.object == object ? 1 : 0;
    return count;
  }

  VAvazadOvurUrovi game;
};

}  // namespace

TEST_F(PlacedObjectsTest, ABuildItemSetsThePreviewUpFromItsTypeWithTheGivenPrice) {
  auto type = std::make_unique<ObjectTypeDescriptor>();
  type->name = "Attr_Skarloop";
  type->placeX = 3;
  type->placeY = 2;
  game.objectTypes.Add(std::move(type));
  game.placementPreview = new CAttraction;  // the main object frees it
  ASSERT_TRUE(game.SelectBuildItem(0, 1200));
  EXPECT_EQ(game.placementPreview->id.Std(), "Attr_Skarloop");
  EXPECT_EQ(game.placementPreview->buildCost, 1200);
  EXPECT_EQ(game.placementPreview->placeX, 3);
  EXPECT_EQ(game.placementPreview->isPreview, 1);

  // Outside the catalogue nothing changes.
  EXPECT_FALSE(game.SelectBuildItem(1, 5));
  EXPECT_FALSE(game.SelectBuildItem(4294967295u, 5));
  EXPECT_EQ(game.placementPreview->buildCost, 1200);
}

TEST_F(PlacedObjectsTest, AnObjectMarkedForDeletionGoesWithEveryOneOfItsIcons) {
  CAttraction* doomed = Place("Attr_Fennaclaw");
  CAttraction* kept = Place("Attr_Tarvix");
  for (int i = 0; i < 3; ++i) game.AddBillboardIcon(*doomed, {1.0f, 2.0f, 3.0f}, i % 2);
  game.AddBillboardIcon(*kept, {4.0f, 5.0f, 6.0f}, 0);
  game.selectedObject = doomed;
  doomed->deletePending = 1;
  game.resourcesReady = 1;
  game.simulationHalted = 0;
  game.UpdateFrame(0.1);
  ASSERT_EQ(game.placedObjects.Objects().size(), 1u);
  EXPECT_EQ(game.placedObjects.Objects()[0], kept);
  EXPECT_EQ(game.billboards.size(), 1u);
  EXPECT_EQ(IconsOf(kept), 1);
  EXPECT_FLOAT_EQ(game.billboards[0].icon->position.x, 4.0f);
  EXPECT_EQ(game.selectedObject, nullptr) << "no pointer to the removed object stays";
}

TEST_F(PlacedObjectsTest, WhileTheSimulationIsHaltedNoMarkedObjectIsRemoved) {
  Place("Attr_Plonkett")->deletePending = 1;
  game.resourcesReady = 1;
  game.UpdateFrame(0.1);
  EXPECT_EQ(game.placedObjects.Objects().size(), 1u);
}
