#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "characters/DIridadIvavororu.h"
#include "engine/animation/CAnimInstance.h"
#include "engine/animation/CMultiAnim.h"
#include "engine/animation/CMultiAnimAllocateHierarchy.h"
#include "engine/render/ZOdevuvFrustum.h"
#include "platform/math/Math.h"
#include "tests/engine/animation/AnimationTestSupport.h"

namespace {

constexpr double kPi = std::numbers::pi;

// The engine's fixture figure has the sets "walk" (index 0, 1 s) and
// "idle" (index 1, 0.5 s) and none of the other three.
class CharacterBaseTest : public animtest::AnimationTest {
 protected:
  void SetUp() override {
    AnimationTest::SetUp();
    hierarchy_.SetModelFolder("models");
    ASSERT_EQ(model_.Load(animtest::kModelPath, &hierarchy_), plat::kMeshOk);
    ASSERT_EQ(person_.Setup(&model_, 7, 2.0, 1, 0, 3, 0.5f, 0, false), plat::kMeshOk);
  }
  void TearDown() override {
    model_.Cleanup(&hierarchy_);
    AnimationTest::TearDown();
  }
  std::shared_ptr<plat::AnimationController> Controller() const {
    std::shared_ptr<plat::AnimationController> controller;
    person_.GetAnimInstance()->GetController(&controller);
    return controller;
  }
  plat::TrackDesc Track(int32_t track) const {
    plat::TrackDesc desc;
    Controller()->GetTrackDesc(uint32_t(track), &desc);
    return desc;
  }
  std::string SetOn(int32_t track) const {
    auto set = Controller()->GetTrackAnimationSet(uint32_t(track));
    return set ? set->GetName() : "";
  }

  CMultiAnimAllocateHierarchy hierarchy_;
  CMultiAnim model_;
  DIridadIvavororu person_;
};

TEST_F(CharacterBaseTest, SetupFindsTheNamedSetsAndStartsWalking) {
  EXPECT_EQ(person_.GetWalkSet(), 0);
  EXPECT_EQ(person_.GetIdleSet(), 1);
  EXPECT_EQ(person_.GetWorkSet(), -1);
  EXPECT_EQ(person_.GetWateringSet(), -1);
  EXPECT_EQ(person_.GetMagicSet(), -1);
  EXPECT_EQ(person_.GetSetupValue(), 7);
  EXPECT_FLOAT_EQ(person_.GetBoundingRadius(), model_.GetBoundingRadius());
  EXPECT_EQ(person_.GetAnimationKind(), DIridadIvavororu::kWalk);
  EXPECT_EQ(person_.GetCurrentTrack(), 1);
  EXPECT_EQ(SetOn(1), "walk");
  EXPECT_DOUBLE_EQ(Controller()->GetTime(), 2.0);
  EXPECT_FLOAT_EQ(person_.GetHeading(), 0.5f);
  EXPECT_FLOAT_EQ(person_.GetWantedHeading(), 0.5f);
}

TEST_F(CharacterBaseTest, NamedBlendKeysTheOldTrackOutAndTheNewInOverTheBlendTime) {
  person_.AdvanceTime(1.0, nullptr);  // the walk blend of Setup is over
  person_.PlayIdle(true);
  EXPECT_EQ(person_.GetCurrentTrack(), 0);
  EXPECT_EQ(SetOn(0), "idle");
  EXPECT_EQ(person_.GetAnimationKind(), DIridadIvavororu::kIdle);
  EXPECT_TRUE(Track(0).enable);
  EXPECT_DOUBLE_EQ(Track(0).position, 0.0);

  person_.AdvanceTime(0.04, nullptr);
  EXPECT_NEAR(Track(1).weight, 0.5f, 1e-4f);
  EXPECT_NEAR(Track(0).weight, 0.5f, 1e-4f);
  EXPECT_TRUE(Track(1).enable);
  person_.AdvanceTime(0.05, nullptr);
  EXPECT_FLOAT_EQ(Track(1).weight, 0.0f);
  EXPECT_FLOAT_EQ(Track(1).speed, 0.0f);
  EXPECT_FALSE(Track(1).enable);
  EXPECT_FLOAT_EQ(Track(0).weight, 1.0f);
  EXPECT_FLOAT_EQ(person_.GetTrackSpeed(), 1.0f);
}

TEST_F(CharacterBaseTest, IndexBlendUsesSpeedTwoAndKeepsTheKind) {
  person_.AdvanceTime(1.0, nullptr);
  person_.PlayAnimation(1, false);
  person_.AdvanceTime(0.1, nullptr);
  EXPECT_FLOAT_EQ(person_.GetTrackSpeed(), 2.0f);
  EXPECT_FLOAT_EQ(Track(person_.GetCurrentTrack()).weight, 2.0f);
  EXPECT_EQ(person_.GetAnimationKind(), DIridadIvavororu::kWalk);
}

TEST_F(CharacterBaseTest, IdleAgainChangesNothingButWalkAgainBlendsToTheOtherTrack) {
  person_.PlayIdle(true);
  const int32_t idleTrack = person_.GetCurrentTrack();
  person_.PlayIdle(true);
  EXPECT_EQ(person_.GetCurrentTrack(), idleTrack);
  person_.PlayWalk(true);
  const int32_t walkTrack = person_.GetCurrentTrack();
  person_.PlayWalk(true);
  EXPECT_NE(person_.GetCurrentTrack(), walkTrack);
  EXPECT_EQ(SetOn(person_.GetCurrentTrack()), "walk");
}

TEST_F(CharacterBaseTest, BlendToAMissingSetLeavesTheNewTrackEmpty) {
  person_.PlayMagic(true);
  EXPECT_EQ(SetOn(person_.GetCurrentTrack()), "");
  EXPECT_EQ(person_.GetAnimationKind(), DIridadIvavororu::kMagic);
  EXPECT_FALSE(person_.IsAnimationAtEnd(person_.GetMagicSet()));
}

TEST_F(CharacterBaseTest, AnimationEndsJustBeforeItsPeriodOnTheCurrentTrackOnly) {
  person_.PlayIdle(true);  // idle: 0.5 s
  person_.AdvanceTime(0.48, nullptr);
  EXPECT_FALSE(person_.IsAnimationAtEnd(1));
  person_.AdvanceTime(0.01, nullptr);
  EXPECT_TRUE(person_.IsAnimationAtEnd(1));
  EXPECT_FALSE(person_.IsAnimationAtEnd(0));  // walk is not on the current track
  person_.AdvanceTime(0.6, nullptr);
  EXPECT_TRUE(person_.IsAnimationAtEnd(1));  // the position is not wrapped
}

TEST_F(CharacterBaseTest, WalkingMovesByWalkFactorTimesTrackSpeedWithoutStopping) {
  person_.AdvanceTime(1.0, nullptr);
  person_.SetTargetPosition(1, 0, 13);
  person_.Update(0.5);
  EXPECT_FLOAT_EQ(person_.GetPosition().x, 1.0f);
  EXPECT_NEAR(person_.GetPosition().z, 3 + 2.2 * 0.5, 1e-5);
  person_.SetTargetPosition(1, 0, 3.5f);
  person_.Update(0.5);  // overshoots: arrival is for the callers to decide
  EXPECT_LT(person_.GetPosition().z, 3.5f);
  person_.PlayIdle(false);
  const plat::Vec3 before = person_.GetPosition();
  person_.Update(0.5);
  EXPECT_EQ(person_.GetPosition(), before);
}

TEST_F(CharacterBaseTest, StandingOnTheTargetKeepsPositionAndHeadingFinite) {
  person_.SetTargetPosition(1, 0, 3);
  person_.Update(0.1);
  EXPECT_TRUE(std::isfinite(person_.GetPosition().x));
  EXPECT_FLOAT_EQ(person_.GetWantedHeading(), 0.5f);
}

TEST_F(CharacterBaseTest, SteeringGivesTheHeadingOfTheTargetInZeroToTwoPi) {
  struct Case {
    float dx, dz;
    double heading;
  };
  const Case cases[] = {
      {1, 0, 0},       {0, 1, kPi / 2},       {-1, 0, kPi},         {0, -1, 3 * kPi / 2},
      {1, 1, kPi / 4}, {-1, -1, 5 * kPi / 4}, {1, -1, 7 * kPi / 4},
  };
  for (const Case& c : cases) {
    person_.SetTargetPosition(1 + c.dx, 9, 3 + c.dz);
    person_.SteerToTarget();
    EXPECT_NEAR(person_.GetWantedHeading(), c.heading, 1e-5) << c.dx << "," << c.dz;
  }
}

TEST_F(CharacterBaseTest, TurningTakesTheShortWayRoundAndSnapsOnArrival) {
  struct Case {
    float heading, wanted;
    double dt;
    float after;
    bool done;
  };
  const Case cases[] = {
      {0.1f, 6.2f, 0.01, 0.06f, false},  // down past 0
      {0.1f, 6.2f, 0.1, 6.2f, false},    // the step passes the wanted heading
      {6.2f, 0.1f, 0.01, 6.24f, false},  // up past 2 pi, not wrapped
      {6.2f, 0.1f, 0.1, 0.1f, false},   {1.0f, 2.0f, 0.1, 1.4f, false},
      {2.0f, 1.0f, 0.1, 1.6f, false},   {2.0f, 2.0f, 0.1, 2.0f, true},
  };
  for (const Case& c : cases) {
    person_.SetHeading(c.heading);
    person_.SetWantedHeading(c.wanted);
    EXPECT_EQ(person_.TurnTowardHeading(c.dt), c.done) << c.heading << " to " << c.wanted;
    EXPECT_NEAR(person_.GetHeading(), c.after, 1e-5) << c.heading << " to " << c.wanted;
  }
}

TEST_F(CharacterBaseTest, WorldMatrixTurnsAndPlacesTheFigureOrLiftsItOutOfSight) {
  person_.SetTargetPosition(1, 0, 3);  // no turning
  person_.PlayIdle(false);
  person_.SetVisible();
  person_.Update(0.1);
  plat::Matrix rotation, translation, world;
  plat::MatrixRotationY(&rotation, float(-kPi / 2 - 0.5));
  plat::MatrixTranslation(&translation, 1, 0, 3);
  person_.GetAnimInstance()->GetWorldTransform(&world);
  xfixture::ExpectMatrixNear(world, rotation * translation);

  person_.SetHidden();
  person_.Update(0.1);
  plat::MatrixTranslation(&translation, 0, DIridadIvavororu::kHiddenHeight, 0);
  person_.GetAnimInstance()->GetWorldTransform(&world);
  xfixture::ExpectMatrixNear(world, rotation * translation);
}

TEST_F(CharacterBaseTest, RenderDrawsOnlyVisibleFiguresInsideTheFrustum) {
  ZOdevuvFrustum frustum;
  plat::Matrix view, projection;
  plat::MatrixLookAtLH(&view, {0, 0, -10}, {0, 0, 0}, {0, 1, 0});
  plat::MatrixPerspectiveFovLH(&projection, float(kPi / 4), 1.0f, 1.0f, 100.0f);
  frustum.Build(projection, view);
  person_.SetPosition({0, 0, 0});
  person_.AdvanceTime(0.1, nullptr);

  ASSERT_TRUE(Device().BeginScene());
  person_.Render();  // not visible yet
  EXPECT_TRUE(Device().Record().Draws().empty());
  person_.SetVisible();
  person_.Render();
  EXPECT_EQ(Device().Record().Draws().size(), 1u);
  EXPECT_EQ(Device().GetRenderState(plat::RenderState::CullMode), plat::Cull::Ccw);
  person_.SetPosition({0, 0, -50});  // behind the eye
  person_.Render();
  EXPECT_EQ(Device().Record().Draws().size(), 1u);
  Device().EndScene();
  EXPECT_EQ(person_.AdvanceTime(0.1, nullptr), plat::kMeshOk);
}

TEST_F(CharacterBaseTest, OwnTexturesAreCachedByNameAndReleasedWithTheCharacter) {
  WriteTexture("characters/skin.png");
  CAnimInstance* instance = nullptr;
  {
    DIridadIvavororu other;
    ASSERT_EQ(other.Setup(&model_, 0, 0, 0, 0, 0, 0, 0, true), plat::kMeshOk);
    instance = other.GetAnimInstance();
    const EngineString files[2] = {"characters\\skin.png", "characters\\missing.png"};
    other.LoadTextures(2, files);
    ASSERT_EQ(instance->GetOwnTextures().size(), 2u);
    const auto first = instance->GetOwnTextures()[0];
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(instance->GetOwnTextures()[1], nullptr);
    EXPECT_TRUE(instance->UsesOwnTextures());
    other.LoadTextures(1, files);
    EXPECT_EQ(instance->GetOwnTextures()[0], first);  // from the cache
    EXPECT_EQ(instance->FindCachedTexture("characters\\skin.png"), first);
    EXPECT_EQ(instance->GetOwnTextures()[1], nullptr);
    other.SetAttachedFlag(false);
    EXPECT_FALSE(instance->UsesOwnTextures());
  }
  EXPECT_TRUE(instance->GetOwnTextures().empty());
  EXPECT_EQ(instance->FindCachedTexture("characters\\skin.png"), nullptr);
}

TEST_F(CharacterBaseTest, FailedSetupLeavesACharacterThatDoesNothing) {
  CMultiAnim empty;  // nothing loaded: no instance to give
  DIridadIvavororu broken;
  EXPECT_EQ(broken.Setup(&empty, 0, 0, 1, 2, 3, 0, 0, false), plat::kMeshOutOfMemory);
  EXPECT_EQ(broken.GetAnimInstance(), nullptr);
  broken.SetVisible();
  broken.SetTargetPosition(10, 0, 10);
  broken.Update(1.0);
  broken.PlayIdle(true);
  broken.PlayAnimation(0, true);
  EXPECT_EQ(broken.GetPosition(), (plat::Vec3{1, 2, 3}));
  EXPECT_FALSE(broken.IsAnimationAtEnd(0));
  EXPECT_EQ(broken.FindAnimationSet("walk"), -1);
  EXPECT_FLOAT_EQ(broken.GetTrackSpeed(), 0.0f);
  EXPECT_EQ(broken.AdvanceTime(0.1, nullptr), DIridadIvavororu::kInvalidCall);
  ASSERT_TRUE(Device().BeginScene());
  EXPECT_EQ(broken.Render(), plat::kMeshOk);
  Device().EndScene();
  EXPECT_TRUE(Device().Record().Draws().empty());
  const EngineString files[1] = {"models\\textures\\quad.png"};
  broken.LoadTextures(1, files);
}

// The fixture's own tear-down cleans the model before the person goes too.
TEST_F(CharacterBaseTest, ACharacterOutlivingItsModelDoesNothingMore) {
  model_.Cleanup(&hierarchy_);
  EXPECT_EQ(person_.GetAnimInstance(), nullptr);
  person_.SetVisible();
  person_.Update(0.1);
  person_.PlayIdle(true);
  EXPECT_EQ(person_.AdvanceTime(0.1, nullptr), DIridadIvavororu::kInvalidCall);
  EXPECT_EQ(person_.Render(), plat::kMeshOk);
}

TEST(CharacterVisibility, StaysInSightOnlyAtTheNamedObjects) {
  DIridadIvavororu person;
  for (const char* name : {"cashFotel", "trash_01", "trash_02", "trash_03", "kincseslada"}) {
    person.SetHidden();
    person.SetVisibleAtObject(name);
    EXPECT_TRUE(person.IsVisible()) << name;
  }
  for (const char* name : {"Attr_wheel", "CASHFOTEL", ""}) {
    person.SetVisible();
    person.SetVisibleAtObject(name);
    EXPECT_FALSE(person.IsVisible()) << name;
  }
}

}  // namespace
