#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "app/VAvazadOvurUrovi.h"
#include "characters/CPorvikAiClass.h"
#include "engine/core/Globals.h"
#include "engine/particles/ZOdevuvParticleManager.h"
#include "engine/particles/ZOdevuvParticleSystem.h"
#include "gui/core/CGuiElement.h"

namespace {

// Keeps the seconds of every update.
class RecordingParticles : public ZOdevuvParticleSystem {
 public:
  explicit RecordingParticles(std::vector<float>& seconds) : m_seconds(seconds) {}
  void ResetParticle(ZOdevuvParticle&) override {}
  void Update(float elapsedSeconds) override { m_seconds.push_back(elapsedSeconds); }

 private:
  std::vector<float>& m_seconds;
};

// Counts its per-frame updates.
class CountingElement : public CGuiElement {
 public:
  explicit CountingElement(int& updates) : m_updates(updates) {}
  void Update() override { ++m_updates; }

 private:
  int& m_updates;
};

// A game past its loading: resources ready, the simulation running, the
// loading screen gone; one particle system and one GUI layer watch it.
class FrameUpdateTest : public ::testing::Test {
 protected:
  void SetUp() override {
    game = std::make_unique<VAvazadOvurUrovi>();
    // The main object's engine base deletes the manager with the other
    // singletons.
    auto* manager = new ZOdevuvParticleManager;
    manager->Add(new RecordingParticles(particleSeconds));
    auto* root = new CountingElement(layerUpdates);
    root->record = std::make_unique<ElementRecord>();
    game->AddLayer(1, 1, root, 0);
    game->resourcesReady = 1;
    game->simulationHalted = 0;
    game->loadingScreenActive = 0;
    game->particlesEnabled = 1;
  }

  void Frames(int count, double seconds) {
    for (int i = 0; i < count; ++i) game->UpdateFrame(seconds);
  }

  std::vector<float> particleSeconds;
  int layerUpdates = 0;
  std::unique_ptr<VAvazadOvurUrovi> game;
};

}  // namespace

TEST_F(FrameUpdateTest, TheFirstElevenFramesRunAtRealTimeThenTheGameSpeedScales) {
  game->gameSpeed = 4;
  Frames(11, 0.1);
  EXPECT_EQ(game->frameCounter, 11);
  ASSERT_EQ(particleSeconds.size(), 11u);
  for (float seconds : particleSeconds) EXPECT_FLOAT_EQ(seconds, 0.1f);
  Frames(1, 0.1);
  EXPECT_FLOAT_EQ(particleSeconds.back(), 0.4f);
  EXPECT_EQ(game->frameCounter, 11) << "the counter stays";
  game->gameSpeed = 0;
  Frames(1, 0.1);
  EXPECT_FLOAT_EQ(particleSeconds.back(), 0.0f) << "stopped, but still called";
  EXPECT_EQ(layerUpdates, 13);
}

TEST_F(FrameUpdateTest, NothingRunsBeforeTheResourcesAreReadyOrWhileTheSimulationIsHalted) {
  for (uint8_t VAvazadOvurUrovi::*flag : {&VAvazadOvurUrovi::resourcesReady, &VAvazadOvurUrovi::simulationHalted}) {
    game->resourcesReady = 1;
    game->simulationHalted = 0;
    (*game).*flag = flag == &VAvazadOvurUrovi::resourcesReady ? 0 : 1;
    Frames(3, 0.1);
  }
  EXPECT_EQ(layerUpdates, 0);
  EXPECT_TRUE(particleSeconds.empty());
  EXPECT_EQ(game->frameCounter, 0);
}

TEST_F(FrameUpdateTest, ParticlesStandStillDuringVideosSceneLoadsAndTheLoadingScreenOrWhenSwitchedOff) {
  for (uint8_t VAvazadOvurUrovi::*flag : {&VAvazadOvurUrovi::inGameVideoPlaying, &VAvazadOvurUrovi::sceneLoading,
                                          &VAvazadOvurUrovi::loadingScreenActive}) {
    (*game).*flag = 1;
    Frames(1, 0.1);
    (*game).*flag = 0;
  }
  game->particlesEnabled = 0;
  Frames(1, 0.1);
  EXPECT_TRUE(particleSeconds.empty());
  EXPECT_EQ(layerUpdates, 4) << "the GUI goes on";
}

TEST_F(FrameUpdateTest, CharactersNeedTheirManagerAndStandStillDuringVideosAndSceneLoads) {
  EXPECT_FALSE(game->CharactersMayMove()) << "no manager yet";
  game->aiManager = new CPorvikAiClass;  // the main object deletes it
  EXPECT_TRUE(game->CharactersMayMove());
  for (uint8_t VAvazadOvurUrovi::*flag : {&VAvazadOvurUrovi::inGameVideoPlaying, &VAvazadOvurUrovi::sceneLoading}) {
    (*game).*flag = 1;
    EXPECT_FALSE(game->CharactersMayMove());
    (*game).*flag = 0;
  }
  game->loadingScreenActive = 1;
  EXPECT_TRUE(game->CharactersMayMove()) << "only the particles wait for the loading screen";
  Frames(12, 0.1);
  EXPECT_EQ(game->frameCounter, 11);
}
