// The demo park's rides run their cycles with their sounds, the same way at
// every frame rate.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "app/VAvazadOvurUrovi.h"
#include "engine/core/Globals.h"
#include "engine/media/SoundManager.h"
#include "park/CBillboardIcon.h"
#include "park/objects/AttractionSounds.h"
#include "park/objects/CAttraction.h"
#include "park/objects/ObjectTypeSetup.h"
#include "platform/audio/AudioDevice.h"
#include "platform/os/Clock.h"
#include "tests/platform/os/TempTree.h"
#include "world/objects/CParkModel.h"

namespace {

const char* const kRides[] = {"Attr_Carousel", "Attr_MiniTrain", "Attr_SwingBoat", "Attr_Skarloop", "Attr_Norwhistle"};
const char* const kSuffixes[] = {"", "_NOISE", "_STARTING"};
constexpr double kGameSeconds = 40.0;

struct RideRun {
  std::vector<std::string> sounds;  // played and stopped
  int32_t trainKeyframe = 0;
  size_t trainCars = 0;
  bool trainNoisePlaying = false;
  float boatAngle = 0;
  float carouselTurn = 0;
};

class DemoRidesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    plat::SetClock(&clock);
    clock.AdvanceMs(1);
    game = std::make_unique<VAvazadOvurUrovi>();
    game->Init(nullptr, nullptr);
    game->InitDevice(800, 600, 32, 1);
    game->baseDirectory = HALVENOR_PARK_DIR;
    game->LoadObjectDescriptors();
    game->gameHour = 12;
    if (!g_sound) ownSound = std::make_unique<SoundManager>(nullptr);
    if (!g_sound->GetDevice()) {
      ASSERT_TRUE(g_sound->Init(plat::OpenHeadlessAudioDevice()));
    }
    game->LoadRideSounds();
    for (const char* ride : kRides) {
      for (const char* suffix : kSuffixes) {
        const std::string key = std::string(ride) + suffix;
        const SoundRecord* sound = g_sound->Find(key.c_str());
        ASSERT_NE(sound, nullptr) << key;
        // The running noises loop for as long as the ride runs.
        EXPECT_EQ(sound->looping, std::string(suffix) != "_STARTING" ? 1 : 0) << key;
      }
    }
  }

  void TearDown() override {
    attractionsound::SetObserver(nullptr);
    game.reset();
    ownSound.reset();
    plat::SetClock(nullptr);
  }

  CAttraction* Place(const char* name, float x) {
    int32_t index = -1;
    ObjectTypeDescriptor type;
    if (!game->FindObjectTypeByName(name, &type, &index)) return nullptr;
    CAttraction preview;
    SetUpPlacementTemplate(preview, type, index, type.buildCost);
    preview.SetPosition(x, 0, 0);
    CAttraction* placed = game->placedObjects.Place(std::make_unique<CAttraction>());
    placed->InitFromTemplate(preview);
    return placed;
  }

  RideRun Run(int framesPerSecond) {
    RideRun run;
    attractionsound::SetObserver([&](const char* operation, const EngineString& key) {
      if (std::string(operation) != "place") run.sounds.push_back(std::string(operation) + " " + key.Std());
    });
    CAttraction* carousel = Place("Attr_Carousel", 0);
    CAttraction* train = Place("Attr_MiniTrain", 40);
    CAttraction* boat = Place("Attr_SwingBoat", 80);
    EXPECT_TRUE(carousel && train && boat);
    if (!carousel || !train || !boat) return run;
    const int frames = static_cast<int>(kGameSeconds * framesPerSecond);
    int64_t micros = 0;
    for (int f = 0; f < frames; ++f) {
      micros += 1000000 / framesPerSecond;
      clock.AdvanceMs(static_cast<uint32_t>(micros / 1000));
      micros %= 1000;
      for (CAttraction* ride : {carousel, train, boat}) ride->Update(1.0f / static_cast<float>(framesPerSecond));
    }
    run.trainKeyframe = train->progressIndex;
    run.trainCars = train->vehicles.size();
    run.trainNoisePlaying = g_sound->Find("Attr_MiniTrain_NOISE")->buffers[0]->IsPlaying();
    run.boatAngle = boat->setupRecords.back()->angle;
    run.carouselTurn = carousel->setupRecords.back()->angle;
    attractionsound::SetObserver(nullptr);
    game->placedObjects.RemoveAllObjects();
    return run;
  }

  plat::FakeClock clock;
  plat::test::TempTree workFolder;  // the engine writes its log into the working folder
  std::unique_ptr<VAvazadOvurUrovi> game;
  std::unique_ptr<SoundManager> ownSound;
};

bool Has(const std::vector<std::string>& sounds, const std::string& sound) {
  return std::find(sounds.begin(), sounds.end(), sound) != sounds.end();
}

TEST_F(DemoRidesTest, RidesRunTheirCyclesWithTheirSoundsAtEveryFrameRate) {
  std::vector<RideRun> runs;
  for (int fps : {30, 60, 144}) {
    runs.push_back(Run(fps));
    const RideRun& run = runs.back();
    // The train: three cars, a lap of 12 s after a pause of 10 s, a second
    // departure at 32 s, and 8 s into its second lap at the end.
    EXPECT_EQ(run.trainCars, 3u) << fps;
    EXPECT_TRUE(Has(run.sounds, "play Attr_MiniTrain_STARTING")) << fps;
    EXPECT_TRUE(Has(run.sounds, "stop Attr_MiniTrain_NOISE")) << fps;
    EXPECT_TRUE(run.trainNoisePlaying) << fps;
    EXPECT_NEAR(run.trainKeyframe, 160, 3) << fps << " frames per second";
    // The carousel turns and the boat swings within its arc.
    EXPECT_GT(run.carouselTurn, 0.0f) << fps;
    EXPECT_LE(std::abs(run.boatAngle), 40 * 0.01745329238474369f + 1e-6f) << fps;
  }
  EXPECT_NEAR(runs[0].trainKeyframe, runs[2].trainKeyframe, 2);
}

// The coaster follows its script round its lap; the flume's boats leave
// the station one after another; both the same at every frame rate.
TEST_F(DemoRidesTest, TheCoasterAndTheFlumeRunTheirScriptsAndDepartures) {
  std::vector<int32_t> coasterKeyframes;
  for (int fps : {30, 60, 144}) {
    std::vector<std::string> sounds;
    attractionsound::SetObserver([&](const char* operation, const EngineString& key) {
      if (std::string(operation) != "place") sounds.push_back(std::string(operation) + " " + key.Std());
    });
    CAttraction* coaster = Place("Attr_Skarloop", 0);
    CAttraction* flume = Place("Attr_Norwhistle", 60);
    ASSERT_TRUE(coaster && flume);
    coaster->visitorsInside = flume->visitorsInside = 4;
    const float dt = 1.0f / static_cast<float>(fps);
    int64_t micros = 0;
    std::vector<int32_t> coasterSpeeds;
    std::vector<uint32_t> departures;  // game ms when a boat left the station
    uint32_t elapsed = 0;
    for (int f = 0; f < 40 * fps; ++f) {
      micros += 1000000 / fps;
      clock.AdvanceMs(static_cast<uint32_t>(micros / 1000));
      elapsed += static_cast<uint32_t>(micros / 1000);
      micros %= 1000;
      std::vector<uint8_t> waitingBefore;
      for (const auto& boat : flume->vehicles) waitingBefore.push_back(boat->waiting);
      coaster->Update(dt);
      flume->Update(dt);
      if (coasterSpeeds.empty() || coasterSpeeds.back() != coaster->trackSpeed) coasterSpeeds.push_back(coaster->trackSpeed);
      for (size_t i = 0; i < waitingBefore.size(); ++i) {
        if (waitingBefore[i] && !flume->vehicles[i]->waiting) departures.push_back(elapsed);
      }
    }
    attractionsound::SetObserver(nullptr);
    EXPECT_EQ(coaster->vehicles.size(), 4u);
    // Slow up the lift, faster down the drop, fastest over the hills, back
    // to its own speed before the station.
    const std::vector<int32_t> firstLap(coasterSpeeds.begin(), coasterSpeeds.begin() + std::min<size_t>(5, coasterSpeeds.size()));
    EXPECT_EQ(firstLap, (std::vector<int32_t>{50, 20, 75, 120, 50})) << fps;
    EXPECT_TRUE(Has(sounds, "play Attr_Skarloop_NOISE2")) << fps;
    EXPECT_TRUE(Has(sounds, "play Attr_Skarloop_SCREAM")) << fps;
    EXPECT_TRUE(Has(sounds, "stop Attr_Skarloop_NOISE")) << fps;
    EXPECT_TRUE(Has(sounds, "play Attr_Norwhistle_SCREAM")) << fps;
    // Three boats, 4000 ms apart after the pause of 10000 ms.
    ASSERT_GE(departures.size(), 3u) << fps;
    const double frameMs = 1000.0 / fps;
    EXPECT_NEAR(departures[0], 10000.0, 3 * frameMs) << fps;  // the first frame builds the boats
    for (size_t i = 1; i < 3; ++i) EXPECT_NEAR(departures[i] - departures[0], 4000.0 * double(i), frameMs + 1) << fps;
    coasterKeyframes.push_back(coaster->progressIndex);
    game->placedObjects.RemoveAllObjects();
  }
  EXPECT_NEAR(coasterKeyframes[0], coasterKeyframes[2], 8);
}

TEST_F(DemoRidesTest, EveryIconOfAKindDrawsTheOnePictureReadForIt) {
  CAttraction* carousel = Place("Attr_Carousel", 0);
  CAttraction* boat = Place("Attr_SwingBoat", 80);
  ASSERT_TRUE(carousel && boat);
  for (int32_t kind : {0, 1}) {
    game->AddBillboardIcon(*carousel, {0, 4, 0}, kind);
    game->AddBillboardIcon(*boat, {80, 4, 0}, kind);
  }
  const std::vector<BillboardEntry>& icons = game->billboards;
  ASSERT_GE(icons.size(), 4u);
  for (const BillboardEntry& entry : icons) {
    EXPECT_EQ(entry.icon->halfSize, 1.0f);
    ASSERT_NE(entry.icon->texture, nullptr) << entry.kind;
    EXPECT_EQ(entry.icon->texture, game->GetBillboardIconTexture(entry.kind));
  }
  EXPECT_NE(game->GetBillboardIconTexture(0), game->GetBillboardIconTexture(1));
  EXPECT_EQ(game->GetBillboardIconTexture(2), nullptr);
}

}  // namespace
