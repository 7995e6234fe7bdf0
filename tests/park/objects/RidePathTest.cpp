#include "park/objects/RidePathFile.h"

#include <gtest/gtest.h>

#include <string>

#include "park/objects/CAttraction.h"
#include "tests/park/objects/AttractionTestHost.h"
#include "tests/platform/os/TempTree.h"

namespace {

using plat::Vec3;

void ExpectNear(const Vec3& actual, const Vec3& expected) {
  EXPECT_NEAR(actual.x, expected.x, 1e-5f);
  EXPECT_NEAR(actual.y, expected.y, 1e-5f);
  EXPECT_NEAR(actual.z, expected.z, 1e-5f);
}

TEST(RidePathFileTest, PointsAreReadAsXZYAcrossAnyWhiteSpace) {
  const auto points = ridepath::ParseRidePath("Path_In 2\r\n p0 0 1.0 2.0 3.0\n\tp1\t7 -4 0.5\n\n6e-1\n");
  ASSERT_EQ(points.size(), 2u);
  EXPECT_EQ(points[0], (Vec3{1, 3, 2}));
  EXPECT_EQ(points[1], (Vec3{-4, 0.6f, 0.5f}));
}

TEST(RidePathFileTest, MalformedFilesKeepTheWholePointsBeforeTheFault) {
  const std::string longWord(ridepath::kMaxWordLength + 1, 'w');
  const std::string longestWord(ridepath::kMaxWordLength, 'w');
  const struct {
    const char* name;
    std::string text;
    size_t points;
  } cases[] = {
      {"empty", "", 0},
      {"header only", "Header", 0},
      {"count zero", "H 0 a 0 1 2 3", 0},
      {"negative count", "H -3 a 0 1 2 3", 0},
      {"count not a number", "H three a 0 1 2 3", 0},
      {"count out of range", "H 99999999999999999999 a 0 1 2 3", 0},
      {"fewer points than counted", "H 5 a 0 1 2 3 b 1 4 5 6", 2},
      {"ends inside a point", "H 2 a 0 1 2 3 b 1 4 5", 1},
      {"coordinate not a number", "H 2 a 0 1 2 3 b 1 4 x 6", 1},
      {"coordinate not finite", "H 2 a 0 1 2 3 b 1 4 nan 6", 1},
      {"integer not a number", "H 2 a 0 1 2 3 b one 4 5 6", 1},
      {"word too long", "H 2 a 0 1 2 3 " + longWord + " 1 4 5 6", 1},
      {"longest word", "H 2 a 0 1 2 3 " + longestWord + " 1 4 5 6", 2},
      {"more points than counted", "H 1 a 0 1 2 3 b 1 4 5 6", 1},
  };
  for (const auto& c : cases) EXPECT_EQ(ridepath::ParseRidePath(c.text).size(), c.points) << c.name;
}

class RidePathLoadTest : public ::testing::Test {
 protected:
  void SetUp() override {
    host.base = tree.Root();
    tree.Write("objects/paths/in_a", "Path 1 p 0 1.0 2.0 3.0");
    tree.Write("objects/paths/in_c", "Path 2 p 0 1 0 0 q 1 0 5 0");
    tree.Write("objects/paths/out_a", "Path 1 p 0 1 0 0");
  }
  plat::test::TempTree tree;
  attractiontest::TestHost host;
};

TEST_F(RidePathLoadTest, PathsKeepTheirNamesPlacesAndAMissingFileGivesAnEmptyPath) {
  CAttraction source;
  source.inPathNames = {"in_a", "in_missing", "in_c"};
  source.outPathNames = {"out_a", ""};
  CAttraction object;
  object.LoadRidePaths(source);
  ASSERT_EQ(object.GetPathCountA(), 3);
  ASSERT_EQ(object.GetPathCountB(), 2);
  ASSERT_EQ(object.inPaths[0].size(), 1u);
  EXPECT_EQ(object.inPaths[0][0], (Vec3{1, 3, 2}));
  EXPECT_TRUE(object.inPaths[1].empty());
  EXPECT_EQ(object.inPaths[2].size(), 2u);
  EXPECT_TRUE(object.outPaths[1].empty());
  EXPECT_EQ(CAttraction().GetPathCountA(), 0);
}

TEST_F(RidePathLoadTest, PointsAreTurnedByTheObjectsRotationThenMovedToItsPosition) {
  CAttraction source;
  source.inPathNames = {"in_c"};
  CAttraction object;
  object.SetRotation(90);
  object.SetPosition(10, 1, 20);
  object.LoadRidePaths(source);
  ASSERT_EQ(object.inPaths[0].size(), 2u);
  ExpectNear(object.inPaths[0][0], {10, 1, 19});  // (1, 0, 0) turns to (0, 0, -1)
  ExpectNear(object.inPaths[0][1], {15, 1, 20});  // (0, 0, 5) turns to (5, 0, 0)
}

}  // namespace
