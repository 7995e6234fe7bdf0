// The park characters' stroll from one park object to another.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "tests/characters/manager/ManagerTestSupport.h"
#include "tests/characters/manager/SmallPark.h"

namespace {

constexpr int32_t kRow = 64;
constexpr int32_t kMascot = 15;
constexpr int32_t kMascotId = 1;
constexpr int32_t kWalkingMode = 1;
constexpr int32_t kStrolling = 23;

class ParkCharacterTest : public managertest::ManagerTestWith<managertest::ParkWorld, managertest::ParkHost> {
 protected:
  void SetUp() override {
    ManagerTestWith::SetUp();
    world_.LayRow(56, 72, kRow);
  }
  static plat::Vec3 Centre(int32_t i) { return chartest::FakeCharacterWorld::Centre(i, kRow); }
  void AddRecord(const char* name, int32_t cell, int32_t type) {
    Manager().AddPlacement(Centre(cell), Manager().GetPlacementCount() + 1, name, type, false);
  }
};

TEST_F(ParkCharacterTest, StrollTargetsAreAttractionsAndTheEntranceNeverTheLastOne) {
  AddRecord("Attr_MainEntrance", 56, CPorvikAiClass::kEntranceType);
  AddRecord("trash_01", 60, REraduzizVisitor::kDustBinType);
  AddRecord("Attr_wheel", 66, 0);
  AddRecord("bufe_zarp", 68, 6);
  AddRecord("cashFotel", 72, 1);
  REraduzizVisitor mascot;
  mascot.SetKind(kMascot);
  mascot.SetId(kMascotId);
  mascot.SetPosition(Centre(64));
  std::set<std::string> chosen;
  for (int n = 0; n < 40; ++n) {
    const std::string last = mascot.GetLastTargetName().Std();
    ASSERT_TRUE(mascot.FindRandomWalkTarget());
    const std::string name = mascot.GetLastTargetName().Std();
    EXPECT_NE(name, last);
    EXPECT_EQ(mascot.GetPreviousTargetName().Std(), last);
    chosen.insert(name);
    EXPECT_TRUE(mascot.IsPathFound());
  }
  EXPECT_EQ(chosen, (std::set<std::string>{"Attr_MainEntrance", "Attr_wheel", "cashFotel"}));
}

TEST_F(ParkCharacterTest, AParkCharacterWalksToItsTargetAndStandsThere) {
  AddRecord("Attr_wheel", 70, 0);
  REraduzizVisitor mascot;
  mascot.SetKind(kMascot);
  mascot.SetId(kMascotId);
  mascot.SetPosition(Centre(60));
  mascot.UpdateByKind(0.05);
  EXPECT_EQ(mascot.GetActivityMode(), kWalkingMode);
  EXPECT_EQ(mascot.GetActivityState(), kStrolling);
  EXPECT_TRUE(mascot.IsWalking());
  EXPECT_EQ(mascot.GetDestination(), Centre(70));

  mascot.SetPosition(Centre(70) + plat::Vec3{0.5f, 0, 0});
  mascot.UpdateByKind(0.05);
  EXPECT_EQ(mascot.GetActivityMode(), 0);
  EXPECT_EQ(mascot.GetActivityState(), REraduzizVisitor::kStateStart);
  EXPECT_FALSE(mascot.IsPathFound());
}

TEST_F(ParkCharacterTest, ACharacterOnItsOnlyTargetOrInAnAnimationStaysInPlace) {
  AddRecord("Attr_wheel", 70, 0);
  REraduzizVisitor mascot;
  mascot.SetKind(kMascot);
  mascot.SetId(kMascotId);
  mascot.SetPosition(Centre(70));
  mascot.UpdateByKind(0.05);
  EXPECT_EQ(mascot.GetActivityState(), REraduzizVisitor::kStateStart);
  EXPECT_TRUE(mascot.IsStanding());
  EXPECT_TRUE(world_.paths.empty());

  mascot.SetPosition(Centre(60));
  mascot.SetOneShotFlag(true);
  mascot.UpdateByKind(0.05);
  EXPECT_EQ(mascot.GetActivityState(), REraduzizVisitor::kStateStart);
  EXPECT_TRUE(world_.paths.empty());
}

TEST_F(ParkCharacterTest, AnUnexpectedStateBecomesTheStartState) {
  REraduzizVisitor performer;
  performer.SetKind(REraduzizVisitor::kPerformer);
  performer.SetActivityState(2, 38);
  performer.UpdateByKind(0.05);
  EXPECT_EQ(performer.GetActivityMode(), 0);
  EXPECT_EQ(performer.GetActivityState(), REraduzizVisitor::kStateStart);
  EXPECT_FALSE(performer.IsWalking());
}

}  // namespace
