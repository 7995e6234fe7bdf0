// The park's green and clean ratings, the special park characters coming
// out one by one, and the placed characters of the pass.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "tests/characters/manager/ManagerTestSupport.h"
#include "tests/characters/manager/VisitorParkFake.h"

namespace {

using managertest::FakeVisitorPark;

constexpr double kFrame = 0.05;

class ParkRatingsTest : public managertest::ManagerTest {
 protected:
  void SetUp() override {
    managertest::ManagerTest::SetUp();
    Manager();
  }
  void RateGreen(int32_t greenery) {
    park_.figures.greeneryPercent = greenery;
    Manager().UpdateParkRatings(CPorvikAiClass::kGreenRating);
  }
  void RateClean(int32_t littered, int32_t pathCells = 100) {
    park_.figures.litteredPathCells = littered;
    park_.figures.pathCells = pathCells;
    Manager().UpdateParkRatings(CPorvikAiClass::kCleanRating);
  }

  FakeVisitorPark park_;
};

TEST_F(ParkRatingsTest, BandsOfTwentyWithNoneFromEightyToNinetyNine) {
  const std::pair<int32_t, int32_t> cases[] = {{-5, 0},  {0, 0},  {1, 20},  {19, 20}, {20, 40},
                                               {39, 40}, {59, 60}, {60, 80}, {79, 80}, {80, 0},
                                               {99, 0},  {100, 100}, {150, 100}};
  for (const auto& [value, band] : cases) EXPECT_EQ(CPorvikAiClass::RatingBand(value), band) << value;
}

TEST_F(ParkRatingsTest, GreeneryEarnsPointsOnlyForANewHighestBand) {
  struct Step {
    int32_t greenery;
    int32_t points;
    const char* message;  // empty for none
  };
  const Step steps[] = {
      {10, 0, ""},  // the first band earns nothing
      {45, 224, "Plenty of trees and plants: 224 points for greenery."},
      {30, 224, ""},  // down a band
      {50, 224, ""},  // back up: the band was reached before
      {85, 224, ""},  // no band
      {100, 1120, "The park is full of flowers: 896 points for greenery!"},
  };
  std::size_t messages = 0;
  for (const Step& step : steps) {
    SCOPED_TRACE(step.greenery);
    RateGreen(step.greenery);
    EXPECT_EQ(park_.points, step.points);
    if (*step.message) {
      ASSERT_EQ(park_.messages.size(), ++messages);
      EXPECT_EQ(park_.messages.back(), step.message);
    }
    EXPECT_EQ(park_.messages.size(), messages);
  }
  EXPECT_EQ(Manager().GetHighestGreenBand(), 100);
  EXPECT_EQ(park_.ratingsShown, 6);
}

TEST_F(ParkRatingsTest, ACleanerParkEarnsItsBandsPointsWithItsOwnSentence) {
  RateClean(50);  // from nothing shown: cleaner than 100 % littered
  EXPECT_EQ(park_.points, 112);
  EXPECT_EQ(park_.messages, std::vector<std::string>{"The paths are tidier every day: 112 points for cleanliness."});
  EXPECT_EQ(park_.figures.lastCleanPercent, 50);
  RateClean(70);  // dirtier: no points
  EXPECT_EQ(park_.points, 112);
  EXPECT_EQ(park_.figures.lastCleanPercent, 30);
  RateClean(10);
  EXPECT_EQ(park_.points, 560);
  EXPECT_EQ(park_.messages.back(), "The park is spotless: 448 points for cleanliness!");
  EXPECT_EQ(Manager().GetCleanBand(), 20);
  RateClean(0, 0);  // no footpath: nothing littered, no band
  EXPECT_EQ(park_.points, 560);
  EXPECT_EQ(park_.figures.lastCleanPercent, 100);
}

TEST_F(ParkRatingsTest, ASentenceTheThoughtFileLacksGivesThePointsWithoutAMessage) {
  host_.texts.LoadThoughts("no-such-file.xml");
  RateGreen(10);
  RateGreen(50);
  EXPECT_EQ(park_.points, 224);
  EXPECT_TRUE(park_.messages.empty());
}

TEST_F(ParkRatingsTest, TheFirstGreenBandFinishesTheTutorialsGreeneryStep) {
  park_.tutorialAtGreenStep = true;
  RateGreen(5);
  ASSERT_NE(park_.answer, nullptr);
  EXPECT_EQ(park_.answerContext, &Manager());
  park_.answer(park_.answerContext, 0, 1);
  park_.answer(nullptr, 0, 2);
  EXPECT_EQ(park_.tutorialSteps, 0);
  park_.answer(park_.answerContext, 0, 2);
  EXPECT_EQ(park_.tutorialSteps, 1);
}

TEST_F(ParkRatingsTest, ThePassRatesGreenThenCleanAndBooksHourlyPointsByTheBestGreenBand) {
  CPorvikAiClass& manager = Manager();
  manager.AddPlacement(host_.entrancePoint, 1, "Attr_MainEntrance", CPorvikAiClass::kEntranceType, true);
  manager.AddPlacement({10, 0, 10}, 2, "Attr_wheel", 0, false);
  park_.clock.hour = 12;
  manager.SetHourBookings(11, 12);
  park_.figures = {45, 30, 100, 0};
  for (int i = 0; i < 20; ++i) manager.UpdateAll(kFrame);
  EXPECT_EQ(manager.GetGreenBand(), 60);
  EXPECT_EQ(manager.GetCleanBand(), 0);
  // The first band taken was 60: its points, then the hour's 30 points.
  EXPECT_EQ(park_.points, 224 + 30);
  for (int i = 0; i < 20; ++i) manager.UpdateAll(kFrame);
  EXPECT_EQ(manager.GetCleanBand(), 40);
  EXPECT_EQ(park_.figures.lastCleanPercent, 70);
}

// The special characters come out at the park's objects one pass after
// another: 2 and 5 first, then 3, 4, 6, and 1 once the park is busy.
class SpecialCharactersTest : public ParkRatingsTest {
 protected:
  void SetUp() override {
    ParkRatingsTest::SetUp();
    Manager().AddPlacement(host_.entrancePoint, 1, "Attr_MainEntrance", CPorvikAiClass::kEntranceType, true);
    Manager().AddPlacement({10, 0, 10}, 2, "Attr_wheel", 0, false);
  }
  std::set<int32_t> Visible() {
    std::set<int32_t> ids;
    for (int32_t id = 1; id <= CPorvikAiClass::kSpecialCount; ++id) {
      REraduzizVisitor* special = Manager().FindCharacterById(id);
      if (special && special->IsVisible()) ids.insert(id);
    }
    return ids;
  }
  void ExpectPasses(const std::vector<std::set<int32_t>>& after) {
    for (std::size_t pass = 0; pass < after.size(); ++pass) {
      Manager().UpdateAll(0);
      EXPECT_EQ(Visible(), after[pass]) << "pass " << pass + 1;
    }
  }
};

TEST_F(SpecialCharactersTest, OneComesOutPerPassAtAParkObject) {
  for (int32_t id = 1; id <= CPorvikAiClass::kSpecialCount; ++id) ASSERT_NE(Manager().FindCharacterById(id), nullptr);
  ExpectPasses({{2, 5}, {2, 3, 5}, {2, 3, 4, 5}, {2, 3, 4, 5, 6}, {2, 3, 4, 5, 6}});
  const plat::Vec3 at = Manager().FindCharacterById(2)->GetPosition();
  EXPECT_TRUE((at.x == host_.entrancePoint.x && at.z == host_.entrancePoint.z) || (at.x == 10 && at.z == 10));
}

TEST_F(SpecialCharactersTest, TheFirstWaitsForSixteenVisitorsAndForAPassWithNoOtherComingOut) {
  for (int i = 0; i < 16; ++i) ASSERT_NE(Spawn(0), nullptr);
  ExpectPasses({{2, 5}, {2, 3, 5}, {2, 3, 4, 5}, {2, 3, 4, 5, 6}, {1, 2, 3, 4, 5, 6}});
}

TEST_F(SpecialCharactersTest, HeldBackOrInTheFindingScenarioSomeStayUnseen) {
  Manager().SetSpecialHeldBack(2, true);
  Manager().SetSpecialHeldBack(3, true);
  park_.scenario = 1;  // 4 and 5 wait for a crowd there
  ExpectPasses({{6}, {6}});
}

TEST_F(SpecialCharactersTest, WithoutASpawnPointNoneComesOut) {
  manager_.reset();
  Manager().AddPlacement({10, 0, 10}, 2, "Attr_wheel", 0, false);
  ExpectPasses({{}, {}});
}

TEST_F(ParkRatingsTest, PlacedCharactersAreUpdatedEveryPassEvenWithoutTime) {
  REraduzizVisitor* placed = Manager().CreateVisitor(1500, 0, {});
  REraduzizVisitor* other = Manager().CreateVisitor(1501, 0, {});
  ASSERT_TRUE(placed && other);
  for (REraduzizVisitor* v : {placed, other}) {
    v->SetActivityState(1, 14);
    v->SetPathFound(false);
  }
  park_.placedIds = {1500, 999};  // an id nobody has is skipped
  Manager().UpdateAll(0);
  EXPECT_EQ(placed->GetActivityMode(), 0);
  EXPECT_EQ(other->GetActivityMode(), 1);
}

}  // namespace
