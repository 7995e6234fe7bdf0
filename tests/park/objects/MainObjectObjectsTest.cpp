// The main object reads the demo park's object types and scene objects.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "app/VAvazadOvurUrovi.h"
#include "engine/render/ZOdevuvGameObject.h"
#include "park/objects/CAttraction.h"
#include "park/objects/ObjectTypeSetup.h"
#include "platform/os/MessageBox.h"
#include "tests/platform/os/TempTree.h"
#include "world/objects/ObjectDescriptorScan.h"

namespace {

TEST(MainObjectObjectsTest, TheGameReadsTheWholeCatalogueAndPlacesFromIt) {
  plat::test::TempTree workFolder;  // the engine writes its log into the working folder
  plat::ClearMessageBoxes();
  auto game = std::make_unique<VAvazadOvurUrovi>();
  game->Init(nullptr, nullptr);
  game->InitDevice(800, 600, 32, 1);
  game->baseDirectory = HALVENOR_PARK_DIR;
  game->LoadObjectDescriptors();
  const size_t files = FindObjectDescriptorFiles(std::string(HALVENOR_PARK_DIR) + "\\objects\\ini").size();
  EXPECT_EQ(game->objectTypes.Count(), static_cast<int32_t>(files));
  const std::unique_ptr<ZOdevuvGameObject> sky(game->LoadSingleObject(HALVENOR_PARK_DIR "\\objects\\sky\\SkyDome_800m.xml"));
  ASSERT_NE(sky, nullptr);
  EXPECT_FALSE(sky->GetMeshObjects().empty());

  // A placed carousel has its level flags, its two parts and its visitor paths.
  int32_t index = -1;
  ObjectTypeDescriptor carousel;
  ASSERT_TRUE(game->FindObjectTypeByName(" Attr_Carousel ", &carousel, &index));
  CAttraction preview;
  SetUpPlacementTemplate(preview, carousel, index, carousel.buildCost);
  preview.SetPosition(20, 0, 30);
  CAttraction* placed = game->placedObjects.Place(std::make_unique<CAttraction>());
  placed->InitFromTemplate(preview);
  placed->UpdateAnchorPoints();
  EXPECT_NE(placed->level3Flag, nullptr);
  EXPECT_EQ(placed->partObjects.size(), 2u);
  EXPECT_EQ(placed->GetPathCountA(), 1);
  ASSERT_FALSE(placed->inPaths[0].empty());
  EXPECT_FLOAT_EQ(placed->inPaths[0][0].x, 20);
  EXPECT_EQ(placed->anchorsValid, 1);
  EXPECT_EQ(game->FindObjectByName("Attr_Carousel"), placed);
  EXPECT_TRUE(plat::RecordedMessageBoxes().empty());
  game.reset();
}

}  // namespace
