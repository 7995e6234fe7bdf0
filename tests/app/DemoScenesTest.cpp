// The demo park's scenes as the game starts them: the park loaded as at
// start (headless, without the intro), then a new game, the advanced mode or
// a tutorial lesson started through the game's own calls and played for
// some game hours at the fastest speed on a fixed clock. Every scene also
// reads and writes back to the same bytes.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "app/VAvazadOvurUrovi.h"
#include "characters/CPorvikAiClass.h"
#include "characters/REraduzizVisitor.h"
#include "engine/core/Globals.h"
#include "engine/render/ZOdevuvCamera.h"
#include "engine/render/ZOdevuvDevice.h"
#include "park/objects/CAttraction.h"
#include "park/objects/ObjectTypeDescriptor.h"
#include "platform/gfx/Device.h"
#include "platform/math/Math.h"
#include "platform/os/Clock.h"
#include "platform/os/MessageBox.h"
#include "platform/os/Random.h"
#include "screens/REraduzizTutorialScreen.h"
#include "tests/app/HeadlessGameFixture.h"

namespace {

constexpr int kWidth = 800;
constexpr int kHeight = 600;
// The GUI that lies over the park's picture at this size.
constexpr int kGameBarWidth = 82;
constexpr int kStatusPanelHeight = 53;
constexpr float kFrameSeconds = 0.1f;
constexpr uint32_t kFrameMs = 100;
constexpr int32_t kFastSpeed = 4;
// At the fastest speed a tenth of a second is 24 game seconds.
constexpr int kFramesPerGameHour = 150;
// From the opening at ten to the evening, when everyone has gone home; and
// long enough for the first visitors to walk in.
constexpr int kOpenDayHours = 9;
constexpr int kFirstHours = 2;
constexpr unsigned kSeed = 11;
// Past the entrance's plaza, on the road to the rides.
constexpr float kInsideThePark = 40.0f;
// Lines of the debugger output that say something of the park is missing.
constexpr const char* kFaultMarks[] = {"Missing", "missing", "not loaded", "not read", "NO CREATE"};

const char* const kSceneFiles[] = {
    "Scenes/NormalModeLow",         "Scenes/AdvancedMode",          "Scenes/tutorial/Tutorial1",
    "Scenes/tutorial/Tutorial2",    "Scenes/tutorial/Tutorial3",    "Scenes/tutorial/Tutorial4",
    "Scenes/tutorial/Tutorial5"};
const char* const kExtensions[] = {".pys", ".pfs", ".pai"};

std::string ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

class DemoScenesTest : public headlessgame::StartedParkFixture {
 protected:
  DemoScenesTest() : StartedParkFixture(kWidth, kHeight, kSeed) {}

  // The lines of the debugger output that say something of the park is missing.
  std::vector<std::string> Faults() const {
    std::vector<std::string> faults;
    for (const std::string& line : debug.Lines()) {
      const auto marked = [&](const char* mark) { return line.find(mark) != std::string::npos; };
      if (std::any_of(std::begin(kFaultMarks), std::end(kFaultMarks), marked)) faults.push_back(line);
    }
    return faults;
  }

  CPorvikAiClass& Manager() { return *game->GetAiManager(); }

  // The main loop's frames at the fastest speed, the clock a frame on each.
  void Play(int frames) {
    game->playMode = 1;
    game->simulationHalted = 0;
    game->gameSpeed = kFastSpeed;
    for (int n = 0; n < frames; ++n) {
      clock.AdvanceMs(kFrameMs);
      game->UpdateFrame(kFrameSeconds);
      game->Frame(kFrameSeconds);
      mostRiders = std::max(mostRiders, Riders());
    }
  }

  // Visitors on the rides now.
  int32_t Riders() const {
    int32_t riders = 0;
    for (const CAttraction* object : game->placedObjects.Objects()) {
      if (object->state == kObjectKindAttraction) riders += object->usedCount;
    }
    return riders;
  }

  int32_t CountOfKind(int32_t kind) const {
    const auto& objects = game->placedObjects.Objects();
    return int32_t(std::count_if(objects.begin(), objects.end(), [&](const CAttraction* o) { return o->state == kind; }));
  }
  // Visitors that came to the gates of the objects of a kind so far.
  int32_t VisitsOf(int32_t kind) const {
    int32_t visits = 0;
    for (const CAttraction* object : game->placedObjects.Objects()) {
      if (object->state == kind) visits += object->visitorCounter;
    }
    return visits;
  }

  // How far the visitor farthest from the gate has walked.
  float FarthestWalk() {
    const plat::Vec3 gate = Manager().GetSpawnRecord().position;
    float farthest = 0;
    for (int32_t id : Manager().GetLiveIds()) {
      const REraduzizVisitor* visitor = Manager().FindCharacterById(id);
      if (!visitor) continue;
      const plat::Vec3 at = visitor->GetPosition();
      farthest = std::max(farthest, std::hypot(at.x - gate.x, at.z - gate.z));
    }
    return farthest;
  }

  // The scene stands as a player starts it: the entrance with its paths and
  // the manager's spawn point, attractions, bins and plants, the new game's
  // money, and nothing reported.
  void ExpectStartedPark() {
    const CAttraction* entrance = game->FindObjectByName("Attr_MainEntrance");
    ASSERT_NE(entrance, nullptr);
    EXPECT_GT(entrance->GetPathCountA(), 0);
    EXPECT_GT(entrance->GetPathCountB(), 0);
    EXPECT_GE(Manager().GetPlacementCount(), 2);
    EXPECT_GT(CountOfKind(kObjectKindAttraction), 0);
    EXPECT_GT(CountOfKind(kObjectKindDustBin), 0);
    EXPECT_GT(CountOfKind(kObjectKindPlant), 0);
    EXPECT_GT(game->pathCells, 0);
    EXPECT_EQ(game->cash, VAvazadOvurUrovi::kNewGameCash);
    EXPECT_TRUE(plat::RecordedMessageBoxes().empty());
  }

  // The most visitors on the rides at once, over every frame played.
  int32_t mostRiders = 0;
};

TEST_F(DemoScenesTest, ANewGameOpensOnAParkWhoseVisitorsComeRideAndGoHomeAtNight) {
  game->StartNewGame(false);
  ExpectStartedPark();
  EXPECT_GT(CountOfKind(kObjectKindShop), 0);
  EXPECT_GT(CountOfKind(kObjectKindRestPlace), 0);
  const int32_t firstId = Manager().GetRunState().nextId;
  Play(kOpenDayHours * kFramesPerGameHour);
  const int32_t arrived = Manager().GetRunState().nextId - firstId;
  EXPECT_GT(arrived, 10);
  // The rides lie a long walk from the gate, and a visitor whose patience
  // of 20 to 60 game minutes runs out on the way chooses again: few reach
  // a ride's gate on the first day.
  EXPECT_GT(VisitsOf(kObjectKindAttraction), 0);
  EXPECT_GT(mostRiders, 0) << "nobody rode";
  EXPECT_LT(Manager().GetVisitorCount(), arrived) << "nobody went home";
  EXPECT_GT(game->cash, VAvazadOvurUrovi::kNewGameCash) << "no entrance fee was taken";
  EXPECT_TRUE(Faults().empty()) << Faults().front();
  EXPECT_TRUE(plat::RecordedMessageBoxes().empty());
}

// The player's first look at a new game: the entrance, the road behind it
// and the first rides on either side lie in the picture, in front of the
// camera, above the status panel and left of the game bar.
TEST_F(DemoScenesTest, ANewGameOpensWithTheCameraOnTheEntranceAndTheFirstRides) {
  game->StartNewGame(false);
  Play(1);
  plat::Device& device = *g_device->GetDevice();
  plat::Matrix view, identity;
  g_camera->GetViewMatrix(&view);
  plat::MatrixIdentity(&identity);
  for (const char* name : {"Attr_MainEntrance", "Attr_Carousel", "Attr_MiniTrain"}) {
    const CAttraction* object = game->FindObjectByName(name);
    ASSERT_NE(object, nullptr) << name;
    plat::Vec3 at;
    plat::Vec3Project(&at, object->position, device.GetViewport(), game->projection, view, identity);
    EXPECT_TRUE(at.z > 0 && at.z < 1) << name << " lies behind the camera or beyond its far plane";
    EXPECT_TRUE(at.x > 0 && at.x < kWidth - kGameBarWidth) << name << " at x " << at.x;
    EXPECT_TRUE(at.y > 0 && at.y < kHeight - kStatusPanelHeight) << name << " at y " << at.y;
  }
}

TEST_F(DemoScenesTest, ASecondNewGameAfterADayOfPlayLetsVisitorsInAgain) {
  game->StartNewGame(false);
  Play(kFirstHours * kFramesPerGameHour);
  ASSERT_GT(Manager().GetVisitorCount(), 0);
  game->StartNewGame(false);
  EXPECT_EQ(Manager().GetVisitorCount(), 0) << "the last park's visitors are gone";
  const int32_t firstId = Manager().GetRunState().nextId;
  Play(kFirstHours * kFramesPerGameHour);
  EXPECT_GT(Manager().GetRunState().nextId, firstId) << "no visitor came";
  EXPECT_GT(FarthestWalk(), kInsideThePark) << "no visitor walked into the park";
}

TEST_F(DemoScenesTest, EveryTutorialLessonAndTheAdvancedModeOpenOnAParkThatVisitorsWalkInto) {
  struct Start {
    const char* name;
    int32_t lesson;  // 0: the advanced mode's new game
  };
  const Start starts[] = {{"advanced mode", 0}, {"lesson 1", 1}, {"lesson 2", 2}, {"lesson 3", 3},
                          {"lesson 4", 4},      {"lesson 5", 5}};
  for (const Start& start : starts) {
    SCOPED_TRACE(start.name);
    if (start.lesson == 0) {
      game->normalModeScene = game->advancedModeScene;
      game->StartNewGame(false);
    } else {
      ASSERT_NE(game->tutorialScreen, nullptr);
      game->tutorialScreen->lesson = start.lesson;
      game->StartNewGame(true);
      EXPECT_EQ(game->tutorialScreen->lesson, start.lesson);
      EXPECT_EQ(game->tutorialProgress, 1);
    }
    ExpectStartedPark();
    const int32_t firstId = Manager().GetRunState().nextId;
    Play(kFirstHours * kFramesPerGameHour);
    EXPECT_GT(Manager().GetRunState().nextId, firstId) << "no visitor came";
    EXPECT_GT(FarthestWalk(), kInsideThePark) << "no visitor walked into the park";
  }
  EXPECT_TRUE(Faults().empty()) << Faults().front();
  EXPECT_TRUE(plat::RecordedMessageBoxes().empty());
}

TEST_F(DemoScenesTest, EverySceneWrittenBackAfterReadingHasTheSameBytes) {
  std::string folder = (std::filesystem::temp_directory_path() / "halvenor-scenes-XXXXXX").string();
  ASSERT_NE(mkdtemp(folder.data()), nullptr);
  for (const char* scene : kSceneFiles) {
    SCOPED_TRACE(scene);
    const std::string shipped = std::string(HALVENOR_PARK_DIR) + "/" + scene;
    ASSERT_TRUE(game->LoadSavedGame(EngineString((shipped + ".pys").c_str()), false));
    const std::string copy = folder + "/copy";
    ASSERT_TRUE(game->WriteSavedGame(EngineString((copy + ".pys").c_str()), false));
    for (const char* extension : kExtensions) {
      const std::string bytes = ReadBytes(shipped + extension);
      EXPECT_FALSE(bytes.empty()) << extension;
      const std::string written = ReadBytes(copy + extension);
      const auto differ = std::mismatch(bytes.begin(), bytes.end(), written.begin(), written.end());
      EXPECT_TRUE(written == bytes) << extension << " differs from byte " << (differ.first - bytes.begin()) << " of "
                                    << bytes.size() << " (" << written.size() << " written)";
    }
  }
  std::error_code ignored;
  std::filesystem::remove_all(folder, ignored);
}

}  // namespace
