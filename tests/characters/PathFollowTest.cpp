// Following a found path: lanes along the footpath cells, the destination
// near the end, and a new search (or a job given back) when the way runs off
// the footpaths.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "characters/REraduzizVisitor.h"
#include "platform/math/Math.h"
#include "platform/os/Random.h"
#include "tests/characters/FakeCharacterWorld.h"

namespace {

using chartest::FakeCharacterWorld;
using chartest::FakeEvent;
using chartest::FakeObject;
using chartest::Handle;

constexpr int32_t kStaffId = 1001;
constexpr int32_t kVisitorId = 5000;
constexpr double kFrame = 0.1;
constexpr int kMaxSteps = 64;

class PathWalker : public REraduzizVisitor {
 public:
  using REraduzizVisitor::FollowPath;
};

// A footpath from cell (10, 10) east to (14, 10), then south to (14, 14),
// walked on the real path finder. The walker has no model, so it moves only
// where the test puts it: onto each base target in turn.
class PathFollowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    plat::SRand(3);
    world_.realPaths = true;
    world_.LayRow(10, 14, 10);
    world_.LayColumn(14, 10, 14);
  }
  void Place(PathWalker& walker, int32_t id, int32_t i, int32_t j) {
    walker.SetId(id);
    walker.SetRoaming(false);
    const plat::Vec3 at = FakeCharacterWorld::Centre(i, j);
    walker.SetPosition(at);
    walker.SetTargetPosition(at.x, 0, at.z);
  }
  void Aim(PathWalker& walker, int32_t i, int32_t j) {
    const plat::Vec3 to = FakeCharacterWorld::Centre(i, j);
    walker.SetTargetCell(to.x, 0, to.z);
    ASSERT_EQ(walker.FindPathToTarget(), REraduzizVisitor::kPathFound);
  }
  // Steps to each new base target until the walker stands on its
  // destination; the base targets in order.
  static std::vector<plat::Vec3> Walk(PathWalker& walker) {
    std::vector<plat::Vec3> targets;
    for (int n = 0; n < kMaxSteps; ++n) {
      walker.FollowPath(kFrame);
      const plat::Vec3 t = walker.GetTargetPosition();
      targets.push_back(t);
      walker.SetPosition(t);
      if (t.x == walker.GetDestination().x && t.z == walker.GetDestination().z) break;
    }
    return targets;
  }

  FakeCharacterWorld world_;
};

TEST_F(PathFollowTest, WalksItsOwnLaneCellByCellAndEndsOnTheDestination) {
  PathWalker first;
  PathWalker second;
  Place(first, kVisitorId, 10, 10);
  Place(second, kVisitorId + 1, 10, 10);
  Aim(first, 14, 14);
  Aim(second, 14, 14);
  const std::vector<plat::Vec3> route = Walk(first);
  ASSERT_GE(route.size(), 2u);
  EXPECT_FLOAT_EQ(route.back().x, first.GetDestination().x);
  EXPECT_FLOAT_EQ(route.back().z, first.GetDestination().z);
  // Every step before the end is the next cell of the path, shifted along
  // both axes by the walker's lane.
  const float lane = 1.0f - first.GetPathOffset();
  int32_t cells = 0;
  for (std::size_t n = 0; n + 1 < route.size(); ++n) {
    const float i = (route[n].x - lane + 256.0f) / 4.0f;
    const float j = (route[n].z - lane + 256.0f) / 4.0f;
    ASSERT_FLOAT_EQ(i, std::round(i)) << n;
    ASSERT_FLOAT_EQ(j, std::round(j)) << n;
    EXPECT_TRUE(world_.Cell(int32_t(i), int32_t(j)).isPath) << n;
    EXPECT_FLOAT_EQ(route[n].y, 0.0f);
    ++cells;
  }
  // (11, 10) .. (14, 10), then (14, 11) .. (14, 13): once the last cell is
  // the one ahead, the walker heads for the destination itself.
  EXPECT_EQ(cells, 7);
  EXPECT_EQ(first.GetActivityState(), 7);  // no state change on the way

  // The second walker takes the same cells in a lane of its own.
  second.FollowPath(kFrame);
  const float secondLane = 1.0f - second.GetPathOffset();
  EXPECT_NE(first.GetPathOffset(), second.GetPathOffset());
  EXPECT_FLOAT_EQ(second.GetTargetPosition().x - secondLane, route[0].x - lane);
}

TEST_F(PathFollowTest, AheadOfTheBaseTargetOnlyItsHeightChanges) {
  PathWalker walker;
  Place(walker, kVisitorId, 10, 10);
  Aim(walker, 14, 10);
  walker.SetTargetPosition(-200, 5, -216);
  walker.FollowPath(kFrame);
  EXPECT_FLOAT_EQ(walker.GetTargetPosition().x, -200);
  EXPECT_FLOAT_EQ(walker.GetTargetPosition().y, 0);
  EXPECT_FLOAT_EQ(walker.GetTargetPosition().z, -216);
  EXPECT_EQ(walker.GetOwnCellI(), 10);
}

TEST_F(PathFollowTest, WithinOneUnitTheDestinationIsTheTargetWithoutReadingThePath) {
  PathWalker walker;
  Place(walker, kVisitorId, 10, 10);
  Aim(walker, 14, 10);
  const plat::Vec3 near = walker.GetDestination() + plat::Vec3{0.5f, 0, 0.5f};
  walker.SetPosition(near);
  walker.SetTargetPosition(near.x, 0, near.z);
  walker.FollowPath(kFrame);
  EXPECT_FLOAT_EQ(walker.GetTargetPosition().x, walker.GetDestination().x);
  EXPECT_FLOAT_EQ(walker.GetSecondPoint().z, walker.GetDestination().z);
  EXPECT_EQ(walker.GetOwnCellI(), 10);  // the cursor stayed
}

TEST_F(PathFollowTest, ADiagonalPathPointIsOneStepChangingBothIndices) {
  // A square of footpath east of the corner: the way across it is diagonal.
  for (int32_t i = 14; i <= 16; ++i) world_.LayColumn(i, 10, 12);
  PathWalker walker;
  Place(walker, kVisitorId, 14, 10);
  Aim(walker, 16, 12);
  walker.FollowPath(kFrame);
  EXPECT_EQ(walker.GetOwnCellI(), 15);
  EXPECT_EQ(walker.GetOwnCellJ(), 11);
}

TEST_F(PathFollowTest, OffTheFootpathsItSearchesAgainAndWalksTheNewWay) {
  PathWalker walker;
  Place(walker, kVisitorId, 10, 10);
  Aim(walker, 14, 14);
  walker.SetPathFound(false);
  // The path's next cell stops being a footpath, but the search still finds
  // a way (the finder's map still has the cell).
  world_.Cell(11, 10).isPath = false;
  const std::size_t searches = world_.paths.size();
  walker.FollowPath(kFrame);
  EXPECT_EQ(world_.paths.size(), searches + 1);
  EXPECT_TRUE(walker.IsPathFound());
  EXPECT_FLOAT_EQ(walker.GetTargetPosition().x, walker.GetPosition().x);  // it stands
  EXPECT_EQ(walker.GetActivityState(), 7);
}

TEST_F(PathFollowTest, WithoutANewWayAVisitorDecidesAgainAndStaffGiveTheirJobBack) {
  struct Case {
    const char* what;
    int32_t id;
    bool givesBack;
  };
  const Case cases[] = {
      {"staff member", kStaffId, true},
      {"park character", 4, true},
      {"visitor", kVisitorId, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    world_.givenBack.clear();
    world_.dialogCommands.clear();
    world_.dialogBytes[0] = world_.dialogBytes[1] = 9;
    world_.realPaths = true;
    FakeObject object;
    object.position = FakeCharacterWorld::Centre(14, 10);
    FakeEvent event{&object};
    PathWalker walker;
    Place(walker, c.id, 10, 10);
    walker.SendToObject(Handle(event));
    ASSERT_TRUE(event.taken);
    // The footpath is cut ahead of the walker and no way is left.
    world_.Cell(11, 10).isPath = false;
    world_.realPaths = false;
    world_.pathResult = 2;
    walker.FollowPath(kFrame);
    EXPECT_EQ(walker.GetActivityMode(), 0);
    EXPECT_EQ(walker.GetActivityState(), REraduzizVisitor::kStateDecideAgain);
    EXPECT_EQ(event.taken, !c.givesBack);
    EXPECT_EQ(world_.givenBack.size(), c.givesBack ? 1u : 0u);
    EXPECT_EQ(walker.GetJobEvent() == nullptr, c.givesBack);
    EXPECT_EQ(walker.IsJobActive(), !c.givesBack);
    if (c.givesBack) {
      EXPECT_EQ(world_.dialogCommands, std::vector<bool>{false});
      EXPECT_EQ(world_.dialogBytes[0], 0);
      EXPECT_EQ(world_.dialogBytes[1], 0);
      EXPECT_EQ(event.resets, 0);  // given back, not reset
    }
    world_.Cell(11, 10).isPath = true;
  }
}

}  // namespace
