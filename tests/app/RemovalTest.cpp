// Emptying the park: every placed object leaves with every record of it
// (cells, icons, park event, selection, the characters' records) and with its
// sounds, for quitting and a new game and for reading a scene file.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "characters/CPorvikAiClass.h"
#include "engine/media/SoundManager.h"
#include "park/REraduzizEventClass.h"
#include "park/events/ParkEvent.h"
#include "platform/audio/AudioDevice.h"
#include "platform/audio/WavWriter.h"
#include "tests/app/PlayerHandFixture.h"
#include "world/CLandscapeCell.h"

namespace {

namespace fs = std::filesystem;

using playerhand::CellCentre;
using playerhand::kHighI;
using playerhand::kMiddleJ;

constexpr const char* kRide = "Attr_Skarloop";
constexpr const char* kShop = "Shop_quessle01";
constexpr const char* kRideSounds[] = {"Attr_Skarloop", "Attr_Skarloop_NOISE", "Attr_Skarloop2"};
constexpr int32_t kRideCapacity = 20;
constexpr int32_t kVipKind = 4;

class RemovalTest : public playerhand::PlayerHandFixture {
 protected:
  void SetUp() override {
    PlayerHandFixture::SetUp();
    ASSERT_NE(g_sound, nullptr);
    game->aiManager = &manager;
    game->parkEvents = &events;
    game->initialLoadingDone = 1;
    AddType(kRide, kObjectKindAttraction, 2, 2).visitorCapacity = kRideCapacity;
    AddType(kShop, kObjectKindShop, 1, 1);
    game->cash = 100000;
    capacityBefore = manager.GetCapacity();
    ride = PlaceAt(0, kHighI, kMiddleJ);
    shop = PlaceAt(1, kHighI + 6, kMiddleJ);
    ASSERT_NE(ride, nullptr);
    ASSERT_NE(shop, nullptr);
    LoadPlayingSounds();

    for (int n = 0; n < 3; ++n) game->AddBillboardIcon(*ride, CellCentre(kHighI, kMiddleJ), n % 2);
    game->AddBillboardIcon(*shop, CellCentre(kHighI + 6, kMiddleJ), 0);
    game->selectedObject = ride;
    game->hoveredObject = shop;
    manager.GetRepairList().push_back(ride);
    rideEvent.owner = ride;
    events.openEvents.push_back(&rideEvent);
    game->foundVipKinds.push_back(kVipKind);
  }

  void TearDown() override {
    game->aiManager = nullptr;
    game->parkEvents = nullptr;
    PlayerHandFixture::TearDown();
    std::error_code ignored;
    fs::remove_all(soundFolder, ignored);
  }

  CAttraction* PlaceAt(int32_t type, int32_t i, int32_t j) {
    ChooseBuildItem(type, 100);
    const plat::Vec3 at = CellCentre(i, j);
    game->placementPreview->SetPosition(at.x, terrain->GetHeight(at), at.z);
    return game->PlaceBuildItem(*game->placementPreview);
  }

  void LoadPlayingSounds() {
    soundFolder = fs::temp_directory_path() / ("halvenor-removal-" + std::to_string(::getpid()));
    fs::create_directories(soundFolder);
    if (!g_sound->GetDevice()) {
      ASSERT_TRUE(g_sound->Init(plat::OpenHeadlessAudioDevice()));
    }
    const std::vector<uint8_t> wav = plat::WritePcmWav({1, 1000, 16}, std::vector<uint8_t>(2000, 0));
    for (const char* name : kRideSounds) {
      const fs::path path = soundFolder / (std::string(name) + ".wav");
      std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(wav.data()), std::streamsize(wav.size()));
      ASSERT_TRUE(g_sound->LoadLoopingSound(path.string().c_str(), name));
      g_sound->Play(name);
    }
  }

  bool Playing(const char* name) const {
    for (const auto& buffer : g_sound->Find(name)->buffers) {
      if (buffer->IsPlaying()) return true;
    }
    return false;
  }

  // Nothing of the park's objects is left anywhere.
  void ExpectNoTraceOfTheObjects() {
    EXPECT_TRUE(game->placedObjects.Objects().empty());
    EXPECT_TRUE(game->placedObjects.ObjectsByState().empty());
    for (int32_t i = kHighI - 2; i <= kHighI + 8; ++i) {
      for (int32_t j = kMiddleJ - 2; j <= kMiddleJ + 2; ++j) {
        EXPECT_EQ(CellObject(i, j), CLandscapeCell::kNoObject) << i << "," << j;
      }
    }
    EXPECT_TRUE(game->billboards.empty());
    EXPECT_EQ(game->selectedObject, nullptr);
    EXPECT_EQ(game->hoveredObject, nullptr);
    EXPECT_EQ(manager.GetPlacementCount(), 0);
    EXPECT_TRUE(manager.GetRepairList().empty());
    EXPECT_EQ(manager.GetCapacity(), capacityBefore);
    EXPECT_EQ(rideEvent.owner, nullptr);
    EXPECT_TRUE(events.openEvents.empty());
    EXPECT_FALSE(Playing("Attr_Skarloop"));
    EXPECT_FALSE(Playing("Attr_Skarloop_NOISE"));
  }

  CPorvikAiClass manager;
  REraduzizEventClass events;
  ParkEvent rideEvent;
  CAttraction* ride = nullptr;
  CAttraction* shop = nullptr;
  int32_t capacityBefore = 0;
  fs::path soundFolder;
};

}  // namespace

TEST_F(RemovalTest, QuittingOrANewGameRemovesEveryRecordOfEveryObject) {
  ASSERT_EQ(manager.GetPlacementCount(), 2);
  ASSERT_EQ(manager.GetCapacity(), capacityBefore + kRideCapacity);
  game->RemoveAllObjects();
  ExpectNoTraceOfTheObjects();
  EXPECT_TRUE(Playing("Attr_Skarloop2")) << "only reading a scene stops the second sound";
  EXPECT_EQ(game->foundVipKinds.size(), 1u);
}

TEST_F(RemovalTest, ReadingASceneAlsoEmptiesTheGoalListAndStopsTheSecondSound) {
  game->RemoveAllObjectsAndIcons();
  ExpectNoTraceOfTheObjects();
  EXPECT_FALSE(Playing("Attr_Skarloop2"));
  EXPECT_TRUE(game->foundVipKinds.empty());
}

TEST_F(RemovalTest, WithoutASoundManagerTheObjectsStillGo) {
  SoundManager* kept = g_sound;
  g_sound = nullptr;
  game->RemoveAllObjectsAndIcons();
  g_sound = kept;
  EXPECT_TRUE(game->placedObjects.Objects().empty());
  EXPECT_TRUE(game->billboards.empty());
  EXPECT_EQ(manager.GetPlacementCount(), 0);
}
