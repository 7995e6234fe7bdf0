// The demo park's whole object catalogue, read as the game reads it.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "engine/core/DOradovIruzez.h"
#include "engine/core/Globals.h"
#include "engine/render/ZOdevuvAssetPaths.h"
#include "engine/render/TextureEntry.h"
#include "park/objects/CObjectTypeCatalog.h"
#include "park/objects/RidePathFile.h"
#include "platform/os/MessageBox.h"
#include "platform/os/Path.h"
#include "tests/platform/os/TempTree.h"
#include "world/objects/CObjectDescriptorReader.h"
#include "world/objects/ObjectDescriptorScan.h"

namespace {

const std::string kPark = HALVENOR_PARK_DIR;

class DemoCatalogueTest : public ::testing::Test {
 protected:
  void SetUp() override {
    plat::ClearMessageBoxes();
    m_engine = std::make_unique<DOradovIruzez>();
    m_engine->Init(nullptr, nullptr);
    m_engine->InitDevice(800, 600, 32, 1);
    m_catalog = std::make_unique<CObjectTypeCatalog>();
    m_reader = std::make_unique<CObjectDescriptorReader>(kPark.c_str(), *m_catalog, g_lights);
  }
  void TearDown() override {
    m_reader.reset();
    m_catalog.reset();
    m_engine.reset();
    plat::ClearMessageBoxes();
  }

  plat::test::TempTree m_workFolder;  // the engine writes its log into the working folder
  std::unique_ptr<DOradovIruzez> m_engine;
  std::unique_ptr<CObjectTypeCatalog> m_catalog;
  std::unique_ptr<CObjectDescriptorReader> m_reader;
};

void ExpectEveryTextureLoaded() {
  for (int32_t i = 0; i < g_assetPaths->GetEntryCount(); ++i) {
    const TextureEntry* entry = g_assetPaths->GetTextureByIndex(i);
    EXPECT_TRUE(entry && entry->HasTexture()) << (entry ? entry->fileName : "");
  }
}

TEST_F(DemoCatalogueTest, EveryObjectTypeLoadsWithItsModelsTexturesAndPaths) {
  const std::vector<std::string> files = FindObjectDescriptorFiles(kPark + "\\objects\\ini");
  for (const std::string& file : files) m_reader->LoadObjectDescriptor(file.c_str());
  ASSERT_EQ(m_catalog->Count(), static_cast<int32_t>(files.size()));
  EXPECT_TRUE(plat::RecordedMessageBoxes().empty());
  ExpectEveryTextureLoaded();
  for (int32_t i = 0; i < m_catalog->Count(); ++i) {
    const ObjectTypeDescriptor& type = *m_catalog->At(i);
    EXPECT_FALSE(type.models.empty()) << type.name.Std();
    for (const CParkModel* model : type.models) EXPECT_FALSE(model->GetMeshObjects().empty()) << type.name.Std();
    ASSERT_EQ(type.inPathNames.size(), type.outPathNames.size());
    for (const auto* names : {&type.inPathNames, &type.outPathNames}) {
      for (const EngineString& name : *names) {
        std::string text;
        ASSERT_TRUE(plat::ReadWholeFile(kPark + "\\objects\\paths\\" + name.Std(), text)) << name.Std();
        EXPECT_GE(ridepath::ParseRidePath(text).size(), 2u) << name.Std();
      }
    }
  }
}

TEST_F(DemoCatalogueTest, TheTypesTheGameAsksForByNameAreThereWithTheirKinds) {
  for (const std::string& file : FindObjectDescriptorFiles(kPark + "\\objects\\ini")) {
    m_reader->LoadObjectDescriptor(file.c_str());
  }
  const struct {
    const char* name;
    int32_t kind;
  } wanted[] = {
      {"Attr_MainEntrance", kObjectKindNone}, {"cashFotel", 1}, {"kincseslada", 1}, {"bufe_zarp", 6},
      {"restaurant_de_tarrowby", 6}, {"poffertjeskraam_etterem", 6}, {"Shop_quessle01", 6}, {"Shop_quessle02", 6},
      {"trash_01", 2}, {"beszelokuka", 2}, {"bench_01", 3}, {"zaszlo_level1", kObjectKindNone},
      {"zaszlo_level2", kObjectKindNone}, {"zaszlo_level3", kObjectKindNone}, {"LP_Bush_01", 4}, {"LP_Bush_02", 4},
      {"LP_Bush_03", 4}, {"LP_viragosbokor", 4}, {"LP_viragosbokor1", 4}, {"viragosbokor_03", 4},
      {"viragosbokor_01a", 4}, {"viragosbokor_02a", 4}, {"viragosbokor_01b", 4}, {"viragosbokor_02b", 4},
      {"viragosbokor_01c", 4}, {"viragosbokor_02c", 4}, {"Attr_Carousel", 0}, {"Attr_MiniTrain", 0},
      {"Attr_SwingBoat", 1}, {"ATTR_Zelvaro", 0},
  };
  for (const auto& w : wanted) {
    const ObjectTypeDescriptor* type = m_catalog->Find(w.name);
    ASSERT_NE(type, nullptr) << w.name;
    EXPECT_EQ(type->objType, w.kind) << w.name;
  }
  for (const char* size : {"a", "b", "c"}) {
    for (int shape = 1; shape <= 5; ++shape) {
      const std::string name = "fa_0" + std::to_string(shape) + "_" + size;
      EXPECT_NE(m_catalog->Find(name.c_str()), nullptr) << name;
    }
  }
  const ObjectTypeDescriptor& entrance = *m_catalog->Find("Attr_MainEntrance");
  EXPECT_FALSE(entrance.inPathNames.empty());
  EXPECT_FALSE(entrance.outPathNames.empty());
  // The train has its three numbered cars behind the station.
  const ObjectTypeDescriptor& train = *m_catalog->Find("Attr_MiniTrain");
  ASSERT_EQ(train.models.size(), 4u);
  for (size_t car = 1; car < 4; ++car) EXPECT_TRUE(train.models[car]->IsVehicle());
  EXPECT_EQ(m_catalog->Find("Attr_Carousel")->modelSetups.size(), 2u);
  // The bird show's stand and the bird that turns on it.
  EXPECT_EQ(m_catalog->Find("ATTR_Zelvaro")->modelSetups.size(), 2u);
}

TEST_F(DemoCatalogueTest, TheSingleSceneObjectsLoad) {
  for (const char* file : {"objects\\builditems\\RoadFlag.xml", "objects\\sky\\SkyDome_800m.xml",
                           "objects\\builditems\\Bejarat.xml", "objects\\PK_basemap\\basemap.xml",
                           "objects\\PK_basemap\\basetree.xml"}) {
    const auto object = m_reader->LoadSingleObject((kPark + "\\" + file).c_str());
    ASSERT_NE(object, nullptr) << file;
    EXPECT_FALSE(object->GetMeshObjects().empty()) << file;
  }
  EXPECT_TRUE(plat::RecordedMessageBoxes().empty());
  ExpectEveryTextureLoaded();
}

}  // namespace
