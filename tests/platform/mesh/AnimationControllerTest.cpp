#include "platform/mesh/AnimationController.h"

#include <gtest/gtest.h>

#include <cmath>

#include "platform/math/Math.h"

namespace {

// A set that moves its output from x = 0 to x = to over one second.
std::shared_ptr<plat::AnimationSet> SlideSet(const std::string& name, float to,
                                             const std::string& output = "frame") {
  plat::AnimationChannel channel;
  channel.output = output;
  channel.translation = {{0.0, {0, 0, 0}}, {1.0, {to, 0, 0}}};
  return std::make_shared<plat::AnimationSet>(name, 1.0, std::vector{channel});
}

class AnimationControllerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(controller_.RegisterAnimationOutput("frame", &frame_));
    ASSERT_TRUE(controller_.RegisterAnimationOutput("other", &other_));
    controller_.RegisterAnimationSet(slide_);
    controller_.RegisterAnimationSet(far_);
    controller_.SetTrackAnimationSet(0, slide_);
    controller_.SetTrackEnable(0, true);
  }
  float Speed(std::uint32_t track = 0) const {
    plat::TrackDesc d;
    controller_.GetTrackDesc(track, &d);
    return d.speed;
  }

  plat::Matrix frame_ = plat::IdentityMatrix();
  plat::Matrix other_ = plat::IdentityMatrix();
  std::shared_ptr<plat::AnimationSet> slide_ = SlideSet("slide", 1);
  std::shared_ptr<plat::AnimationSet> far_ = SlideSet("far", 5);
  plat::AnimationController controller_{4, 4, 2, 4};
};

TEST_F(AnimationControllerTest, KeyedSpeedMovesLinearlyOverItsInterval) {
  ASSERT_TRUE(controller_.KeyTrackSpeed(0, 0.8f, 0.0, 0.08));
  controller_.AdvanceTime(0.04);
  EXPECT_NEAR(Speed(), 0.9f, 1e-6f);
  EXPECT_EQ(controller_.GetNumPendingEvents(), 1u);
  controller_.AdvanceTime(0.06);
  EXPECT_NEAR(Speed(), 0.8f, 1e-6f);
  EXPECT_EQ(controller_.GetNumPendingEvents(), 0u);
}

TEST_F(AnimationControllerTest, KeyWhoseIntervalIsOverSetsTheValueAtOnce) {
  controller_.AdvanceTime(10.0);
  ASSERT_TRUE(controller_.KeyTrackWeight(0, 0.25f, 0.0, 0.08));
  controller_.AdvanceTime(0.01);
  plat::TrackDesc d;
  controller_.GetTrackDesc(0, &d);
  EXPECT_FLOAT_EQ(d.weight, 0.25f);
}

TEST_F(AnimationControllerTest, RefusesKeysBeyondTheTableOrWithBadTimes) {
  EXPECT_FALSE(controller_.KeyTrackSpeed(2, 1, 0, 1));
  EXPECT_FALSE(controller_.KeyTrackSpeed(0, 1, -1, 1));
  EXPECT_FALSE(controller_.KeyTrackSpeed(0, 1, 0, std::nan("")));
  for (int i = 0; i < 4; ++i) EXPECT_TRUE(controller_.KeyTrackSpeed(0, 1, 5, 1));
  EXPECT_FALSE(controller_.KeyTrackSpeed(0, 1, 5, 1));
}

TEST_F(AnimationControllerTest, KeyedEnableSwitchesTheTrackWhenItsTimeComes) {
  ASSERT_TRUE(controller_.KeyTrackEnable(0, false, 0.08));
  controller_.AdvanceTime(0.05);
  plat::TrackDesc d;
  controller_.GetTrackDesc(0, &d);
  EXPECT_TRUE(d.enable);
  controller_.AdvanceTime(0.05);
  controller_.GetTrackDesc(0, &d);
  EXPECT_FALSE(d.enable);
  EXPECT_EQ(controller_.GetNumPendingEvents(), 0u);
}

TEST_F(AnimationControllerTest, UnkeyDropsOnlyThatTracksKeys) {
  ASSERT_TRUE(controller_.KeyTrackSpeed(0, 0, 1, 1));
  ASSERT_TRUE(controller_.KeyTrackEnable(0, false, 1));
  ASSERT_TRUE(controller_.KeyTrackWeight(1, 0.5f, 0, 0));
  ASSERT_TRUE(controller_.UnkeyAllTrackEvents(0));
  EXPECT_EQ(controller_.GetNumPendingEvents(), 1u);
  EXPECT_FALSE(controller_.UnkeyAllTrackEvents(2));
  controller_.AdvanceTime(3);
  EXPECT_FLOAT_EQ(Speed(0), 1.0f);
  plat::TrackDesc d;
  controller_.GetTrackDesc(0, &d);
  EXPECT_TRUE(d.enable);
}

TEST_F(AnimationControllerTest, TrackPositionMovesByTimeTimesSpeed) {
  controller_.SetTrackSpeed(0, 0.5f);
  controller_.AdvanceTime(0.5);
  plat::TrackDesc d;
  controller_.GetTrackDesc(0, &d);
  EXPECT_DOUBLE_EQ(d.position, 0.25);
  EXPECT_NEAR(frame_.m[3][0], 0.25f, 1e-6f);
  EXPECT_FALSE(controller_.AdvanceTime(-1.0));
  controller_.GetTrackDesc(0, &d);
  EXPECT_DOUBLE_EQ(d.position, 0.25);
}

TEST_F(AnimationControllerTest, LoneTrackGivesTheFullPoseWhateverItsWeight) {
  controller_.SetTrackWeight(0, 0.8f);
  controller_.AdvanceTime(0.5);
  EXPECT_NEAR(frame_.m[3][0], 0.5f, 1e-6f);
  // No enabled track drives "other": it keeps its matrix.
  EXPECT_TRUE(plat::MatrixIsIdentity(other_));
}

TEST_F(AnimationControllerTest, TracksBlendByTheirShareOfTheWeight) {
  controller_.SetTrackAnimationSet(1, far_);
  controller_.SetTrackEnable(1, true);
  controller_.SetTrackWeight(0, 1.0f);
  controller_.SetTrackWeight(1, 3.0f);
  controller_.AdvanceTime(0.5);
  // (0.5 * 1 + 2.5 * 3) / 4
  EXPECT_NEAR(frame_.m[3][0], 2.0f, 1e-5f);
}

TEST_F(AnimationControllerTest, DisabledTracksLeaveTheOutputs) {
  controller_.SetTrackEnable(0, false);
  controller_.AdvanceTime(0.5);
  EXPECT_TRUE(plat::MatrixIsIdentity(frame_));
  plat::TrackDesc d;
  controller_.GetTrackDesc(0, &d);
  EXPECT_DOUBLE_EQ(d.position, 0.0);
}

TEST_F(AnimationControllerTest, CloneSharesSetsAndOutputsButNotTime) {
  controller_.AdvanceTime(0.25);
  auto clone = controller_.Clone(4, 4, 2, 4);
  ASSERT_NE(clone, nullptr);
  EXPECT_EQ(clone->GetAnimationSet(1), far_);
  EXPECT_EQ(clone->GetTime(), 0.0);
  clone->SetTrackAnimationSet(0, far_);
  clone->SetTrackPosition(0, 0.5);
  clone->AdvanceTime(0.0);
  EXPECT_NEAR(frame_.m[3][0], 2.5f, 1e-5f);
  EXPECT_EQ(controller_.GetTrackAnimationSet(0), slide_);
  EXPECT_EQ(controller_.Clone(1, 4, 2, 4), nullptr);
  EXPECT_EQ(controller_.Clone(4, 1, 2, 4), nullptr);
  EXPECT_EQ(controller_.Clone(4, 4, 0, 4), nullptr);
}

TEST(AnimationSetTiming, PeriodicPositionWrapsIntoThePeriod) {
  struct Case {
    double period, position, expected;
  } cases[] = {
      {1.0, 0.25, 0.25}, {1.0, 1.0, 0.0}, {1.0, 2.5, 0.5},
      {0.5, -0.125, 0.375}, {0.0, 3.0, 0.0}, {-1.0, 3.0, 0.0},
  };
  for (const Case& c : cases) {
    plat::AnimationSet set("s", c.period, {});
    EXPECT_NEAR(set.GetPeriodicPosition(c.position), c.expected, 1e-12)
        << c.period << " " << c.position;
  }
}

TEST(AnimationSetTiming, SamplesHoldTheEndKeysAndSlerpBetween) {
  plat::AnimationChannel channel;
  channel.output = "f";
  plat::Quaternion quarter;
  plat::QuaternionRotationAxis(&quarter, {0, 0, 1}, plat::kPi / 2);
  channel.rotation = {{1.0, quarter}, {0.5, plat::Quaternion{}}};  // out of order on purpose
  plat::AnimationSet set("s", 2.0, {channel});
  EXPECT_NEAR(set.Sample(0, 0.0).rotation.w, 1.0f, 1e-6f);
  EXPECT_NEAR(set.Sample(0, 1.5).rotation.z, quarter.z, 1e-6f);
  plat::Quaternion eighth;
  plat::QuaternionRotationAxis(&eighth, {0, 0, 1}, plat::kPi / 4);
  EXPECT_NEAR(set.Sample(0, 0.75).rotation.z, eighth.z, 1e-5f);
  EXPECT_EQ(set.Sample(0, 0.75).scale, (plat::Vec3{1, 1, 1}));
  EXPECT_EQ(set.FindChannel("g"), -1);
}

}  // namespace
