#include "world/placement/ObjectFootprint.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>

#include "world/placement/PlantTypes.h"

namespace {

// The centre of cell (i, j).
plat::Vec3 CellCentre(int32_t i, int32_t j) { return {float(i) * 4 - 256, 0, float(j) * 4 - 256}; }

}  // namespace

TEST(ObjectFootprint, HalfSizesRoundHalfAwayFromZeroAndOneCoversItsCentre) {
  const int32_t sizes[][2] = {{1, 0}, {2, 1}, {3, 2}, {4, 2}, {5, 3}, {0, 0}, {-3, 0}};
  for (const auto& [size, half] : sizes) EXPECT_EQ(FootprintHalfSize(size), half) << size;
}

// A size of n covers 2 x round(n / 2) + 1 cells: even sizes get one more
// cell than their size.
TEST(ObjectFootprint, TheFirstSizeRunsAlongIOnlyAtOddQuarterTurnsAndForPlants) {
  struct Case {
    float rotation;
    bool plant;
    int32_t cellsI, cellsJ;  // for sizes 2 (first) and 3 (second)
  };
  const Case cases[] = {
      {0, false, 5, 3},    {90, false, 3, 5},   {-90, false, 3, 5}, {180, false, 5, 3}, {-180, false, 5, 3},
      {270, false, 3, 5},  {-270, false, 3, 5}, {360, false, 5, 3}, {89.6f, false, 3, 5}, {44, false, 5, 3},
      {0, true, 3, 5},     {180, true, 3, 5},   {NAN, false, 5, 3},
  };
  for (const Case& c : cases) {
    ObjectFootprint footprint;
    ASSERT_TRUE(ComputeObjectFootprint(CellCentre(60, 70), c.rotation, c.plant, 2, 3, &footprint));
    EXPECT_EQ(footprint.LastI() - footprint.FirstI() + 1, c.cellsI) << c.rotation << " plant " << c.plant;
    EXPECT_EQ(footprint.LastJ() - footprint.FirstJ() + 1, c.cellsJ) << c.rotation << " plant " << c.plant;
    EXPECT_EQ(footprint.FirstI() + footprint.LastI(), 120) << "centred on its cell";
  }
}

TEST(ObjectFootprint, ARectangleIsCutToTheGridAndAPositionOffTheGridHasNone) {
  ObjectFootprint footprint;
  ASSERT_TRUE(ComputeObjectFootprint(CellCentre(1, 126), 0, false, 5, 5, &footprint));
  EXPECT_EQ(footprint.FirstI(), 0);
  EXPECT_EQ(footprint.LastI(), 4);
  EXPECT_EQ(footprint.FirstJ(), 123);
  EXPECT_EQ(footprint.LastJ(), 127);

  // A corrupt size cannot make a loop over its cells run past the grid.
  ASSERT_TRUE(ComputeObjectFootprint(CellCentre(64, 64), 0, false, INT_MAX, INT_MAX, &footprint));
  EXPECT_EQ(footprint.FirstI(), 0);
  EXPECT_EQ(footprint.LastJ(), 127);

  for (const plat::Vec3& outside : {CellCentre(128, 0), CellCentre(0, -1), plat::Vec3{NAN, 0, 0}}) {
    EXPECT_FALSE(ComputeObjectFootprint(outside, 0, false, 1, 1, &footprint));
  }
}

TEST(PlantTypes, EveryKindFrom0To28HasATypeAndNoOtherKindHasOne) {
  EXPECT_STREQ(PlantTypeName(0), "LP_Bush_01");
  EXPECT_STREQ(PlantTypeName(8), "LP_viragosbokor1");
  EXPECT_STREQ(PlantTypeName(11), "LP_viragosbokor");
  EXPECT_STREQ(PlantTypeName(14), "fa_01_a");
  EXPECT_STREQ(PlantTypeName(23), "fa_05_b");
  EXPECT_STREQ(PlantTypeName(28), "fa_05_c");
  for (int32_t kind : {-1, 29, INT_MAX, INT_MIN}) EXPECT_EQ(PlantTypeName(kind), nullptr) << kind;
}
