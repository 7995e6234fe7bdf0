#include "world/CPathFinder.h"

#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <utility>
#include <vector>

#include "tests/world/GridDijkstra.h"

namespace {

constexpr int32_t kSide = 128;
constexpr int32_t kSlot = 7;

using Point = std::pair<int32_t, int32_t>;

std::vector<Point> PathOf(const CPathFinder& finder, int32_t slot) {
  std::vector<Point> points;
  for (int32_t n = 1; n <= finder.GetPathLength(slot); ++n) {
    points.push_back({finder.ReadPathX(slot, n), finder.ReadPathY(slot, n)});
  }
  return points;
}

class PathFinderTest : public ::testing::Test {
 protected:
  std::unique_ptr<CPathFinder> finder_ = std::make_unique<CPathFinder>(kSide, kSide);

  void Block(int32_t x, int32_t y) { finder_->SetWalkable(x, y, 0); }
};

}  // namespace

TEST_F(PathFinderTest, StraightPathOnAnOpenMap) {
  EXPECT_EQ(finder_->FindPath(kSlot, 0, 0, 3, 0), CPathFinder::kFound);
  EXPECT_EQ(PathOf(*finder_, kSlot), (std::vector<Point>{{1, 0}, {2, 0}, {3, 0}}));
  EXPECT_EQ(finder_->GetXPath(kSlot), 1);
  EXPECT_EQ(finder_->GetYPath(kSlot), 0);
  EXPECT_EQ(finder_->GetPathStatus(kSlot), CPathFinder::kFound);
}

TEST_F(PathFinderTest, NoDiagonalStepPastABlockedCorner) {
  // From (5, 5) to (6, 6) with (6, 5) blocked the path goes round by two
  // straight steps; with (5, 6) blocked too it must go the long way round.
  Block(6, 5);
  EXPECT_EQ(finder_->FindPath(kSlot, 5, 5, 6, 6), CPathFinder::kFound);
  EXPECT_EQ(PathOf(*finder_, kSlot), (std::vector<Point>{{5, 6}, {6, 6}}));
  Block(5, 6);
  EXPECT_EQ(finder_->FindPath(kSlot, 5, 5, 6, 6), CPathFinder::kFound);
  EXPECT_GT(finder_->GetPathLength(kSlot), 2);
  // Walled in by two diagonal neighbours there is no way at all.
  CPathFinder corner(2, 2);
  corner.SetWalkable(1, 0, 0);
  corner.SetWalkable(0, 1, 0);
  EXPECT_EQ(corner.FindPath(kSlot, 0, 0, 1, 1), CPathFinder::kNonexistent);
}

TEST_F(PathFinderTest, EnclosedOrBlockedTargetsAreNotFound) {
  for (int32_t dx = -1; dx <= 1; ++dx) {
    for (int32_t dy = -1; dy <= 1; ++dy) {
      if (dx != 0 || dy != 0) Block(50 + dx, 50 + dy);
    }
  }
  EXPECT_EQ(finder_->FindPath(kSlot, 10, 10, 50, 50), CPathFinder::kNonexistent);
  // A blocked target is refused at once and points the walker at its start.
  EXPECT_EQ(finder_->FindPath(kSlot, 10, 12, 50, 51), CPathFinder::kNonexistent);
  EXPECT_EQ(finder_->GetXPath(kSlot), 10);
  EXPECT_EQ(finder_->GetYPath(kSlot), 12);
  // Nothing of an earlier path is left to walk: the walker is there at once.
  ASSERT_EQ(finder_->FindPath(kSlot, 10, 12, 20, 12), CPathFinder::kFound);
  ASSERT_FALSE(finder_->ReadPath(kSlot, 10, 12, 1));
  EXPECT_EQ(finder_->FindPath(kSlot, 10, 12, 50, 51), CPathFinder::kNonexistent);
  EXPECT_TRUE(finder_->ReadPath(kSlot, 10, 12, 1));
}

TEST_F(PathFinderTest, StartAtTheTargetIsAnArrivedEmptyPath) {
  ASSERT_EQ(finder_->FindPath(kSlot, 4, 4, 9, 4), CPathFinder::kFound);
  EXPECT_EQ(finder_->FindPath(kSlot, 9, 4, 9, 4), CPathFinder::kFound);
  EXPECT_EQ(finder_->GetPathLength(kSlot), 0);
  EXPECT_TRUE(finder_->ReadPath(kSlot, 9, 4, 1));
  EXPECT_EQ(finder_->GetXPath(kSlot), 9);
  EXPECT_EQ(finder_->GetYPath(kSlot), 4);
  EXPECT_EQ(finder_->GetPathStatus(kSlot), CPathFinder::kNotStarted);
  // A fresh slot arrives the same way.
  EXPECT_EQ(finder_->FindPath(kSlot + 1, 3, 3, 3, 3), CPathFinder::kFound);
  EXPECT_TRUE(finder_->ReadPath(kSlot + 1, 3, 3, 1));
}

TEST_F(PathFinderTest, ReadPathWalksPointByPointUntilArrival) {
  ASSERT_EQ(finder_->FindPath(kSlot, 0, 0, 3, 0), CPathFinder::kFound);
  EXPECT_EQ(finder_->GetPathLocation(kSlot), 1);
  // Not yet within reach of (1, 0): the point stays.
  EXPECT_FALSE(finder_->ReadPath(kSlot, 0, 0, 1));
  EXPECT_EQ(finder_->GetXPath(kSlot), 1);
  EXPECT_FALSE(finder_->ReadPath(kSlot, 1, 0, 1));
  EXPECT_EQ(finder_->GetXPath(kSlot), 2);
  EXPECT_TRUE(finder_->ReadPath(kSlot, 2, 0, 1));
  EXPECT_EQ(finder_->GetXPath(kSlot), 3);
  EXPECT_EQ(finder_->GetPathStatus(kSlot), CPathFinder::kFound);
  EXPECT_TRUE(finder_->ReadPath(kSlot, 3, 0, 1));
  EXPECT_EQ(finder_->GetPathStatus(kSlot), CPathFinder::kNotStarted);
  // Without a found path the walker is pointed at where it stands.
  EXPECT_TRUE(finder_->ReadPath(kSlot, 17, 18, 1));
  EXPECT_EQ(finder_->GetXPath(kSlot), 17);
  EXPECT_EQ(finder_->GetYPath(kSlot), 18);
}

TEST_F(PathFinderTest, CellsAndSlotsOutsideTheMapAreRefused) {
  const int32_t bad[][5] = {
      {kSlot, -1, 0, 3, 3},  {kSlot, 0, kSide, 3, 3},  {kSlot, 0, 0, kSide, 3},
      {kSlot, 0, 0, 3, -1},  {-1, 0, 0, 3, 3},         {CPathFinder::kSlotCount + 1, 0, 0, 3, 3},
  };
  for (const auto& c : bad) {
    EXPECT_EQ(finder_->FindPath(c[0], c[1], c[2], c[3], c[4]), CPathFinder::kNonexistent)
        << c[0] << " " << c[1] << "," << c[2] << " " << c[3] << "," << c[4];
  }
  finder_->SetWalkable(-1, 0, 0);
  finder_->SetWalkable(0, kSide, 0);
  EXPECT_FALSE(finder_->IsWalkable(kSide, 0));
  EXPECT_FALSE(finder_->ReadPath(CPathFinder::kSlotCount + 1, 0, 0, 1));
  EXPECT_EQ(finder_->ReadPathX(kSlot, 0), 0);
  EXPECT_EQ(finder_->ReadPathY(kSlot, 1), 0);
  EXPECT_EQ(finder_->FindPath(CPathFinder::kSlotCount, 0, 0, 1, 1), CPathFinder::kFound);
}

TEST(PathFinderSlots, EveryCharacterIdMapsToASlotInRange) {
  EXPECT_EQ(CPathFinder::SlotForCharacterId(-1), -1);
  EXPECT_EQ(CPathFinder::SlotForCharacterId(3), 3);
  EXPECT_EQ(CPathFinder::SlotForCharacterId(5000), 5000);
  EXPECT_EQ(CPathFinder::SlotForCharacterId(CPathFinder::kSlotCount), CPathFinder::kSlotCount);
  EXPECT_EQ(CPathFinder::SlotForCharacterId(CPathFinder::kSlotCount + 1), CPathFinder::kFirstVisitorId);
  for (int32_t id : {20001, 35000, 123456, 2147483647}) {
    const int32_t slot = CPathFinder::SlotForCharacterId(id);
    EXPECT_GE(slot, CPathFinder::kFirstVisitorId) << id;
    EXPECT_LE(slot, CPathFinder::kSlotCount) << id;
  }
}

TEST(PathFinderMarker, ResetsPastItsLimitAndStillFindsPaths) {
  CPathFinder finder(4, 1);
  finder.SetWalkable(2, 0, 0);
  // Each search that gets past the start and target tests moves the marker
  // by 2; the one that finds it above the limit clears the lists and runs
  // with the first marker + 2. A start at the target does not count.
  constexpr int32_t kSearchesToLimit = (CPathFinder::kMarkerLimit - CPathFinder::kFirstMarker) / 2 + 1;
  for (int32_t n = 0; n < kSearchesToLimit; ++n) {
    ASSERT_EQ(finder.FindPath(0, 0, 0, 1, 0), CPathFinder::kFound);
    finder.FindPath(0, 1, 0, 1, 0);
  }
  EXPECT_EQ(finder.GetClosedListMarker(), CPathFinder::kMarkerLimit + 2);
  EXPECT_EQ(finder.FindPath(0, 1, 0, 0, 0), CPathFinder::kFound);
  EXPECT_EQ(finder.GetClosedListMarker(), CPathFinder::kFirstMarker + 2);
  EXPECT_EQ(finder.FindPath(0, 0, 0, 3, 0), CPathFinder::kNonexistent);
  finder.SetWalkable(2, 0, 1);
  EXPECT_EQ(finder.FindPath(0, 0, 0, 3, 0), CPathFinder::kFound);
  EXPECT_EQ(finder.GetPathLength(0), 3);
}

namespace {

// Checks every step of the slot's path and returns its cost.
int32_t CheckedCost(const CPathFinder& finder, const GridDijkstra& reference, int32_t slot, Point start,
                    Point target) {
  const std::vector<Point> path = PathOf(finder, slot);
  EXPECT_FALSE(path.empty());
  if (path.empty()) return GridDijkstra::kNoPath;
  EXPECT_EQ(path.back(), target);
  int32_t cost = 0;
  Point at = start;
  for (const Point& next : path) {
    const int32_t step = reference.StepCost(at.first, at.second, next.first, next.second);
    EXPECT_NE(step, GridDijkstra::kNoPath) << "(" << at.first << "," << at.second << ") to (" << next.first << ","
                                           << next.second << ")";
    cost += step;
    at = next;
  }
  return cost;
}

}  // namespace

TEST(PathFinderRandomMaps, FindsALegalPathExactlyWhenOneExists) {
  std::mt19937 random(2024);
  constexpr double kMostlyOpen = 0.35;
  for (double blocked : {0.1, 0.3, 0.45}) {
    CPathFinder finder(kSide, kSide);
    std::bernoulli_distribution isBlocked(blocked);
    for (int32_t y = 0; y < kSide; ++y) {
      for (int32_t x = 0; x < kSide; ++x) finder.SetWalkable(x, y, isBlocked(random) ? 0 : 1);
    }
    GridDijkstra reference(kSide, kSide, [&](int32_t x, int32_t y) { return finder.IsWalkable(x, y); });
    std::uniform_int_distribution<int32_t> coordinate(0, kSide - 1);
    int found = 0, missing = 0;
    for (int trial = 0; trial < 150; ++trial) {
      const Point start{coordinate(random), coordinate(random)};
      const Point target{coordinate(random), coordinate(random)};
      if (start == target) continue;
      const int32_t best = reference.Cost(start.first, start.second, target.first, target.second);
      const int32_t status = finder.FindPath(kSlot, start.first, start.second, target.first, target.second);
      SCOPED_TRACE(testing::Message() << blocked << " (" << start.first << "," << start.second << ") to ("
                                      << target.first << "," << target.second << ")");
      if (best == GridDijkstra::kNoPath) {
        EXPECT_EQ(status, CPathFinder::kNonexistent);
        ++missing;
        continue;
      }
      ASSERT_EQ(status, CPathFinder::kFound);
      EXPECT_GE(CheckedCost(finder, reference, kSlot, start, target), best);
      ++found;
    }
    // The maps must test both outcomes.
    EXPECT_GT(blocked < kMostlyOpen ? found : missing, 10) << blocked;
  }
}
