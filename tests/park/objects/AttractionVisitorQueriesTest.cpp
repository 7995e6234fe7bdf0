#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "park/objects/CAttraction.h"
#include "park/objects/IAttractionHost.h"
#include "tests/park/objects/AttractionTestHost.h"

namespace {

using plat::Vec3;

// A land of unit cells (cell i covers x in [i, i+1), j covers z) with a
// footpath in the listed cells, and a clock.
class LandHost : public attractiontest::TestHost {
 public:
  int32_t GetParkHour() const override { return hour; }
  bool WorldToCell(const Vec3& p, int32_t* i, int32_t* j) const override {
    if (p.x < 0 || p.z < 0 || p.x >= kSize || p.z >= kSize) return false;
    *i = int32_t(p.x);
    *j = int32_t(p.z);
    return true;
  }
  bool IsFootpathCell(int32_t i, int32_t j) const override {
    for (const auto& cell : paths)
      if (cell[0] == i && cell[1] == j) return true;
    return false;
  }
  Vec3 GetCellCentre(int32_t i, int32_t j) const override { return {i + 0.5f, 0, j + 0.5f}; }

  static constexpr int32_t kSize = 16;
  int32_t hour = 12;
  std::vector<std::array<int32_t, 2>> paths;
};

TEST(AttractionVisitorQueriesTest, ClosedTable) {
  LandHost host;
  struct Case {
    const char* id;
    bool ride, event, paused, closed;
    int32_t hour;
    bool expected;
  };
  const Case cases[] = {
      {"Shop", false, false, false, false, 12, true},
      {"Attr_Wheel", true, false, false, false, 12, false},
      {"Attr_Wheel", true, false, false, true, 12, true},
      {"Attr_Wheel", true, false, true, false, 12, true},
      {"ATTR_Zelvaro", true, false, false, false, 12, true},
      {"ATTR_Quorm", true, false, false, false, 12, true},
      {"ATTR_Orvistane", true, false, false, false, 12, true},
      // A running event decides by the hour alone.
      {"Shop", false, true, true, true, 17, false},
      {"ATTR_Zelvaro", true, true, false, false, 18, true},
  };
  for (const Case& c : cases) {
    CAttraction object;
    object.id = c.id;
    object.hasVehicleModels = c.ride ? 1 : 0;
    object.eventRunning = c.event ? 1 : 0;
    object.cyclePaused = c.paused ? 1 : 0;
    object.isClosed = c.closed ? 1 : 0;
    host.hour = c.hour;
    EXPECT_EQ(object.IsClosed(), c.expected) << c.id << " hour " << c.hour;
  }
}

TEST(AttractionVisitorQueriesTest, QueuePlacesLineUpTowardsTheFootpath) {
  LandHost host;
  host.paths = {{5, 6}};  // after the gate cell in the second index
  CAttraction ride;
  ride.hasVehicleModels = 1;
  ride.lastAdmittedPlace = 3;
  ride.gatePosition = {5.5f, 0, 5.5f};
  for (int32_t place : {5, 8}) {
    Vec3 out{-1, -1, -1};
    EXPECT_TRUE(ride.AcceptsVisitor(place, &out));
    EXPECT_FLOAT_EQ(out.x, 5.5f);
    EXPECT_FLOAT_EQ(out.z, 5.5f + 0.5f * float(place - 3)) << place;
  }
  // A place already admitted waits at the first spot, never behind the gate.
  Vec3 out{};
  ride.AcceptsVisitor(1, &out);
  EXPECT_FLOAT_EQ(out.z, 6.0f);
}

TEST(AttractionVisitorQueriesTest, BuildingQueueCountsFreePlacesAndPrefersTheFirstNeighbour) {
  LandHost host;
  host.paths = {{4, 5}, {6, 5}, {5, 4}};
  CAttraction shop;
  shop.visitorCapacity = 4;
  shop.visitorsInside = 1;
  shop.lastAdmittedPlace = 2;
  shop.gatePosition = {5.5f, 0, 5.5f};
  Vec3 out{};
  shop.AcceptsVisitor(7, &out);  // q = 7 - (4 - 1 + 2) = 2
  EXPECT_FLOAT_EQ(out.z, 5.5f - 1.5f);
  EXPECT_FLOAT_EQ(out.x, 5.5f);
}

TEST(AttractionVisitorQueriesTest, NoFootpathOrNoLandLeavesThePointUnwritten) {
  CAttraction ride;
  ride.hasVehicleModels = 1;
  const Vec3 untouched{9, 9, 9};
  Vec3 out = untouched;
  EXPECT_TRUE(ride.AcceptsVisitor(0, &out));  // no host at all
  LandHost host;
  EXPECT_TRUE(ride.AcceptsVisitor(0, &out));  // no footpath beside
  ride.gatePosition = {-3, 0, 2};
  host.paths = {{0, 2}};
  EXPECT_TRUE(ride.AcceptsVisitor(0, &out));  // gate off the land
  EXPECT_EQ(out, untouched);
}

TEST(AttractionVisitorQueriesTest, PathQueriesCheckTheirIndices) {
  CAttraction ride;
  EXPECT_EQ(ride.GetPathCountB(), 0);
  ride.inPaths = {{{1, 2, 3}, {4, 5, 6}}};
  EXPECT_EQ(ride.GetPathCountA(), 1);
  EXPECT_EQ(ride.GetPathPointCountA(0), 2);
  for (int32_t bad : {-1, 1}) {
    EXPECT_EQ(ride.GetPathPointCountA(bad), 0);
    EXPECT_EQ(ride.GetPathPointCountB(bad + 1), 0);
  }
  Vec3 out{};
  EXPECT_TRUE(ride.GetPathPointA(&out, 0, 1));
  EXPECT_EQ(out, (Vec3{4, 5, 6}));
  out = {};
  EXPECT_FALSE(ride.GetPathPointA(&out, 0, 2));
  EXPECT_FALSE(ride.GetPathPointA(&out, 1, 0));
  EXPECT_FALSE(ride.GetPathPointA(&out, 0, -1));
  EXPECT_FALSE(ride.GetPathPointB(&out, 0, 0));
  EXPECT_EQ(out, (Vec3{}));
}

}  // namespace
