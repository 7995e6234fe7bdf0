// The park comes up: the resource set-up, the two loading threads and the
// world-loading sequence on the demo park, the intro that ends in the
// game's frames, and the passes a frame draws, read from the device's
// record.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "app/MainObjectResourceTables.h"
#include "app/VAvazadOvurUrovi.h"
#include "engine/core/Globals.h"
#include "engine/media/SoundManager.h"
#include "engine/render/ZOdevuvDevice.h"
#include "engine/render/ZOdevuvTexture.h"
#include "platform/gfx/Device.h"
#include "tests/app/HeadlessGameFixture.h"
#include "world/CAnimals.h"
#include "world/CHeightMapHandlerClass.h"
#include "world/CPorvikRoad.h"

namespace {

constexpr int kWidth = 1024;
constexpr int kHeight = 768;
// The world loading's own counted steps; the GUI loader counts its
// elements on top, the saved-game scan and the character manager one each.
constexpr int32_t kWorldSteps = 22;
constexpr int32_t kThreadSteps = 2;
// The intro's four videos and the loading screen's frame.
constexpr int kIntroFrames = 5;

// A game on a headless window and device, started in the demo park.
class WorldLoadingTest : public headlessgame::HeadlessGameFixture {
 protected:
  WorldLoadingTest() : HeadlessGameFixture(kWidth, kHeight) {}

  // Resources, both loading threads to their end, then the intro's frames.
  void LoadPark() {
    game->InitResources();
    game->JoinLoadingThreads();
    for (int n = 0; n < kIntroFrames && game->initialLoadingStarted.load(); ++n) game->Frame(0.02f);
  }

  plat::Device& Device() { return *g_device->GetDevice(); }
};

}  // namespace

TEST_F(WorldLoadingTest, ThreadedLoadingRunsOnceAndEndsWithBothDoneAndTheFullProgressCount) {
  // What the GUI loader counts of the demo park's description on its own.
  VAvazadOvurUrovi guiOnly;
  guiOnly.CreateGui();
  const int32_t guiSteps = guiOnly.loadProgressCounter;

  game->InitResources();
  game->JoinLoadingThreads();
  EXPECT_EQ(game->initialLoadingDone.load(), 1);
  EXPECT_EQ(game->aiManagerDone.load(), 1);
  ASSERT_NE(game->GetAiManager(), nullptr);
  EXPECT_EQ(game->loadProgressCounter.load(), kWorldSteps + kThreadSteps + guiSteps);
  // A second set-up starts no second loading.
  game->InitResources();
  game->JoinLoadingThreads();
  EXPECT_EQ(debug.CountOf("InitialLoading Start\n"), 1);
  EXPECT_EQ(debug.CountOf("CreateAiManager\n"), 1);

  // The steps in their order.
  const std::vector<std::string> steps = {
      "InitClasses\n", "CHeightMapHandlerClass new\n", "LoadHeightMap\n", "new CPorvikRoad()\n",
      "Create WaterTextures\n", "Load WaterTextures\n", "Create Flares\n", "Load Flares\n",
      "CreateTexture reflect and refract text\n", "Load SingleObjects\n", "Create Birds\n", "Load Efxs\n",
      "Init Gui Elements\n", "Init REraduzizBuildBook\n", "Init eventRenderWindow\n", "AddStatisticItems\n",
      "LoadFoodDescriptorFile\n", "Init objectWindow\n", "Init REraduzizMessageWindow\n",
      "Init REraduzizScenarioWindow\n", "Init REraduzizEventClass\n", "Init CPorvikScenarios\n",
      "Init green / cleen cicle window\n", "ChangeText\n", "ScanProfiles\n", "ReloadSaveLoadScreen\n",
      "InitialLoading End\n"};
  const std::vector<std::string> lines = debug.Lines();
  auto at = lines.begin();
  for (const std::string& step : steps) {
    at = std::find(at, lines.end(), step);
    ASSERT_NE(at, lines.end()) << "missing or out of order: " << step;
  }
}

TEST_F(WorldLoadingTest, TheWorldStandsAfterLoadingAndAPathCellRebuildsTheFootpaths) {
  LoadPark();
  ASSERT_NE(game->terrain, nullptr);
  ASSERT_NE(game->road, nullptr);
  EXPECT_NE(game->pathFinder, nullptr);
  EXPECT_NE(game->skyDome, nullptr);
  EXPECT_NE(game->placementPreview, nullptr);
  EXPECT_EQ(game->birds.size(), 15u);
  EXPECT_GT(game->objectTypes.Count(), 0);
  EXPECT_NE(game->objectWindow, nullptr);
  EXPECT_NE(game->scenarios, nullptr);
  EXPECT_NE(game->parkEvents, nullptr);
  for (ZOdevuvTexture* texture : game->waterTextures) ASSERT_NE(texture, nullptr);
  for (ZOdevuvTexture* texture : game->lensFlareTextures) EXPECT_GT(texture->GetWidth(), 0);
  // Litter on a path changes its tile: the grid has the mesh rebuilt.
  const size_t before = game->road->GetNodes().size();
  game->terrain->AddPathCell(64, 64, 1);
  game->terrain->DropLitterInCell(64, 64);
  EXPECT_EQ(game->road->GetNodes().size(), before + 1);
}

TEST_F(WorldLoadingTest, TheEffectsAndTheSoundsOfTheTablesAreLoadedUnderTheirNames) {
  game->InitResources();
  game->JoinLoadingThreads();
  for (size_t n = 0; n < kEffectResourceCount; ++n) {
    EXPECT_NE(g_device->GetEffect(kEffectResources[n].name), nullptr) << kEffectResources[n].file;
  }
  ASSERT_NE(g_sound, nullptr);
  if (!g_sound->GetDevice()) GTEST_SKIP() << "no sound output";
  for (size_t n = 0; n < kSoundResourceCount; ++n) {
    EXPECT_NE(g_sound->Find(kSoundResources[n].key), nullptr) << kSoundResources[n].file;
  }
}

TEST_F(WorldLoadingTest, MissingVideosStillReachTheGame) {
  game->InitResources();
  game->JoinLoadingThreads();
  // No intro video can be found from here on.
  game->baseDirectory = "/nonexistent";
  EXPECT_FALSE(game->PlayVideo(game->baseDirectory + "\\Music\\videos\\1.avi"));
  EXPECT_EQ(game->inGameVideoPlaying, 0) << "a failed start sets nothing";
  for (int n = 0; n < kIntroFrames; ++n) game->Frame(0.02f);
  EXPECT_EQ(game->initialLoadingStarted.load(), 0);
  EXPECT_EQ(game->loadingScreenActive, 0);
  for (uint8_t stage : game->introStages) EXPECT_EQ(stage, 1);
}
