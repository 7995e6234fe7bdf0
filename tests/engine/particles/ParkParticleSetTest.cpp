#include <cmath>

#include "engine/particles/ParticleEffects.h"
#include "tests/engine/particles/ParticleTestSupport.h"

namespace {

class ParkParticleSetTest : public ParticleTest {
 protected:
  std::unique_ptr<ParticleEffects> Build() {
    return std::make_unique<ParticleEffects>(EngineString(HALVENOR_PARK_DIR));
  }

  // Lets every firework particle outlive its second.
  void BurnOut(Firework& firework) {
    firework.active = true;
    Manager().UpdateAll(1.5f);
  }
};

TEST_F(ParkParticleSetTest, RegistersThirtyFourSwitchedOffSystemsInOrder) {
  auto set = Build();
  ASSERT_EQ(Manager().Count(), 34);
  EXPECT_EQ(set->fireworkId, 0);
  for (int id = 0; id < 34; ++id) {
    ZOdevuvParticleSystem* system = Manager().FindById(id);
    ASSERT_NE(system, nullptr) << id;
    EXPECT_FALSE(system->active) << id;
    EXPECT_NE(system->texture, nullptr) << id;
  }
  EXPECT_EQ(Manager().FindById(0), set->firework);
  EXPECT_EQ(Manager().FindById(2), set->rain);
  EXPECT_EQ(Manager().FindById(13), set->waterFallB);
  EXPECT_EQ(Manager().FindById(14), set->fires[0]);
  EXPECT_EQ(Manager().FindById(33), set->spirografs[9]);
  EXPECT_EQ(set->rain->particles.size(), 50000u);
  EXPECT_EQ(set->splashSparkle->particles.size(), 20000u);
}

TEST_F(ParkParticleSetTest, MembersStartWithTheirColours) {
  auto set = Build();
  EXPECT_EQ(set->sparkleA->particles.back().color.g, 0.0f);  // reset red
  EXPECT_EQ(set->sparkleB->particles.front().color.r, 1.0f);
  // Not reset after the colour was set: the default colour until restarted.
  EXPECT_FLOAT_EQ(set->sparkle2Blue->particles.front().color.a, 0.6f);
  EXPECT_EQ(set->sparkle2Blue->particles.front().color.r, 1.0f);
  EXPECT_FLOAT_EQ(set->sparkle2Blue->coloring.color.r, 0.05f);
  EXPECT_FLOAT_EQ(set->waterFallA->particles.back().color.g, 0.6f);
  EXPECT_EQ(set->waterFallA->particles.back().position.y, 10.0f);
}

TEST_F(ParkParticleSetTest, FiresStandOnACircleAndSpirografsInTheSquare) {
  auto set = Build();
  ASSERT_EQ(set->fires.size(), 10u);
  for (size_t i = 0; i < 10; ++i) {
    const float a = static_cast<float>(i) * 3.14159265f / 180.0f;
    plat::Vec3 at;
    set->fires[i]->GetOrigin(at);
    EXPECT_NEAR(at.x, std::sin(a) * 50.0f, 1e-4f);
    EXPECT_EQ(at.y, 10.0f);
    EXPECT_NEAR(at.z, std::cos(a) * 50.0f, 1e-4f);
  }
  ASSERT_EQ(set->spirografs.size(), 10u);
  for (Spirograf* s : set->spirografs) {
    plat::Vec3 at;
    s->GetOrigin(at);
    EXPECT_GE(at.x, -100.0f);
    EXPECT_LE(at.x, 100.0f);
    EXPECT_GE(at.z, -100.0f);
    EXPECT_LE(at.z, 100.0f);
    EXPECT_GE(at.y, 3.0f);
    EXPECT_LE(at.y, 5.0f);
    EXPECT_EQ(s->center.x, 0.0f);
  }
}

TEST_F(ParkParticleSetTest, UnlitFireworkIsNeverRelaunched) {
  auto set = Build();
  for (int frame = 0; frame < 5; ++frame) {
    Manager().UpdateAll(1.0f);
    set->Update(1.0f);
  }
  plat::Vec3 at;
  set->firework->GetOrigin(at);
  EXPECT_EQ(at.y, 100.0f);
  EXPECT_FALSE(set->firework->IsFinished());
}

TEST_F(ParkParticleSetTest, BurntOutFireworkRelaunchesSomewhereAboveThePark) {
  auto set = Build();
  for (unsigned seed : {1u, 2u, 99u, 4242u}) {
    BurnOut(*set->firework);
    ASSERT_TRUE(set->firework->IsFinished());
    plat::SRand(seed);
    set->Update(0.0f);
    EXPECT_FALSE(set->firework->IsFinished());
    plat::Vec3 at;
    set->firework->GetOrigin(at);
    EXPECT_GE(at.x, -500.0f);
    EXPECT_LT(at.x, 500.0f);
    EXPECT_GE(at.y, 50.0f);
    EXPECT_LT(at.y, 80.0f);
    EXPECT_GE(at.z, -500.0f);
    EXPECT_LT(at.z, 500.0f);
    EXPECT_EQ(set->firework->particles.front().position.y, at.y);
  }
}

// The set does not look at the active flag: a burnt-out firework switched
// off is relaunched once and then waits with live particles.
TEST_F(ParkParticleSetTest, SwitchedOffBurntOutFireworkRelaunchesOnce) {
  auto set = Build();
  BurnOut(*set->firework);
  set->firework->active = false;
  set->Update(0.1f);
  plat::Vec3 first;
  set->firework->GetOrigin(first);
  EXPECT_NE(first.y, 100.0f);
  Manager().UpdateAll(5.0f);
  set->Update(0.1f);
  plat::Vec3 second;
  set->firework->GetOrigin(second);
  EXPECT_EQ(second.y, first.y);
}

TEST_F(ParkParticleSetTest, SpirografCentresFollowThePhaseWhileSwitchedOn) {
  auto set = Build();
  Spirograf* moving = set->spirografs[3];
  moving->active = true;
  for (int second = 0; second < 90; ++second) set->Update(1.0f);
  EXPECT_FLOAT_EQ(set->angle, 180.0f);
  set->Update(0.0f);
  const float t = 180.0f * (3.14f / 180.0f);
  plat::Vec3 at;
  moving->GetOrigin(at);
  EXPECT_NEAR(moving->center.x, std::cos(t + 3.0f) * 135.0f, 1e-3f);
  EXPECT_EQ(moving->center.y, at.y);
  EXPECT_NEAR(moving->center.z, std::sin(t * 0.5f + 3.0f) * 135.0f, 1e-3f);
  EXPECT_EQ(set->spirografs[4]->center.x, 0.0f);  // switched off: kept
}

TEST_F(ParkParticleSetTest, MissingTexturesLeaveUntexturedSystemsAndNoFirework) {
  ParticleEffects set(EngineString("/no/such/park"));
  EXPECT_EQ(set.fireworkId, -1);
  EXPECT_EQ(Manager().Count(), 34);
  EXPECT_EQ(set.firework->texture, nullptr);
  BurnOut(*set.firework);
  set.Update(0.1f);
  EXPECT_TRUE(set.firework->IsFinished());
}

TEST(ParkParticleSetWithoutEngine, KeepsItsEffectsWhenThereIsNoManager) {
  ASSERT_EQ(g_particleManager, nullptr);
  ParticleEffects set(EngineString("/no/such/park"));
  EXPECT_EQ(set.spirografs.size(), 10u);
  set.Update(0.5f);
  EXPECT_FLOAT_EQ(set.angle, 1.0f);
}

}  // namespace
