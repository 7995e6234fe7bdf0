#include <cmath>
#include <functional>
#include <string>

#include "engine/particles/Fire.h"
#include "engine/particles/Firework.h"
#include "engine/particles/MagicSparkle.h"
#include "engine/particles/Rain.h"
#include "engine/particles/Snow.h"
#include "engine/particles/Sparkle.h"
#include "engine/particles/Sparkle2.h"
#include "engine/particles/Spiral.h"
#include "engine/particles/Spirograf.h"
#include "engine/particles/SplashSparkle.h"
#include "engine/particles/WaterFall.h"
#include "tests/engine/particles/ParticleTestSupport.h"

namespace {

using plat::RenderState;

const plat::Vec3 kOrigin{1, 10, 2};
const ZOdevuvBoundingBox kBox{{-10, -10, -10}, {10, 50, 10}};

float Length(const plat::Vec3& v) { return std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z); }

struct Range {
  float low, high;  // low <= v < high (or == low when both are equal)
};

void ExpectIn(float v, Range r, const char* what) {
  EXPECT_GE(v, r.low) << what;
  if (r.high > r.low) {
    EXPECT_LT(v, r.high) << what;
  } else {
    EXPECT_EQ(v, r.low) << what;
  }
}

void ExpectColor(const ZOdevuvParticle& p, float r, float g, float b, Range a) {
  EXPECT_FLOAT_EQ(p.color.r, r);
  EXPECT_FLOAT_EQ(p.color.g, g);
  EXPECT_FLOAT_EQ(p.color.b, b);
  ExpectIn(p.color.a, a, "alpha");
}

constexpr Range kFadeAlpha{0.6f, 0.8f};
constexpr Range kLife{0.1f, 2.0f};

struct EffectCase {
  std::string name;
  std::function<std::unique_ptr<ZOdevuvParticleSystem>(int count)> make;
  float sizeWithoutParticles;
  float sizeAfterReset;
  std::function<void(const ZOdevuvParticle&)> checkStart;
};

std::vector<EffectCase> EffectCases() {
  return {
      {"Firework", [](int n) { return std::make_unique<Firework>(kOrigin, n); }, 0.3f, 0.3f,
       [](const ZOdevuvParticle& p) {
         EXPECT_FLOAT_EQ(p.position.y, kOrigin.y);
         EXPECT_NEAR(Length(p.velocity), 50.0f, 1e-3f);
         ExpectIn(p.color.r, {0, 1}, "red");
         EXPECT_EQ(p.color.a, 1.0f);
         EXPECT_EQ(p.lifetime, 1.0f);
       }},
      {"Fire", [](int n) { return std::make_unique<Fire>(kOrigin, n); }, 0.2f, 1.0f,
       [](const ZOdevuvParticle& p) {
         ExpectIn(p.position.x - kOrigin.x, {0, 0.6f}, "x offset");
         ExpectIn(p.position.z - kOrigin.z, {0, 0.6f}, "z offset");
         EXPECT_EQ(p.position.y, kOrigin.y);
         EXPECT_EQ(p.velocity.x, 0.0f);
         ExpectIn(p.velocity.y, kLife, "rise");
         ExpectColor(p, 1.0f, 0.5f, 0.2f, kFadeAlpha);
         ExpectIn(p.lifetime, kLife, "lifetime");
       }},
      {"Snow", [](int n) { return std::make_unique<Snow>(kBox, n); }, 0.15f, 0.15f,
       [](const ZOdevuvParticle& p) {
         ExpectIn(p.position.x, {-10, 10}, "x");
         EXPECT_EQ(p.position.y, 50.0f);
         ExpectIn(-p.velocity.x, {0, 3}, "drift");
         ExpectIn(-p.velocity.y, {0, 10}, "fall");
         ExpectColor(p, 1, 1, 1, {1, 1});
       }},
      {"Rain", [](int n) { return std::make_unique<Rain>(kBox, n); }, 0.06f, 0.2f,
       [](const ZOdevuvParticle& p) {
         ExpectIn(p.position.z, {-10, 10}, "z");
         EXPECT_EQ(p.position.y, 50.0f);
         ExpectIn(-p.velocity.x, {0, 0.1f}, "drift");
         ExpectIn(-p.velocity.y, {24, 30}, "fall");
         EXPECT_EQ(p.velocity.z, 0.0f);
       }},
      {"Spiral", [](int n) { return std::make_unique<Spiral>(kOrigin, n, 0, 3, 0, 2.0f); }, 0.2f, 1.0f,
       [](const ZOdevuvParticle& p) {
         const float a = static_cast<float>(p.index) * 3.14159265f / 180.0f;
         EXPECT_NEAR(p.position.x, kOrigin.x + std::sin(a) * 2.0f, 1e-4f);
         EXPECT_NEAR(p.position.z, kOrigin.z + std::cos(a) * 2.0f, 1e-4f);
         ExpectIn(p.velocity.y, {2, 4}, "speed along the unit direction");
         ExpectColor(p, 0.0f, 0.5f, 1.0f, kFadeAlpha);
       }},
      {"Spirograf", [](int n) { return std::make_unique<Spirograf>(kOrigin, n); }, 0.2f, 0.5f,
       [](const ZOdevuvParticle& p) {
         EXPECT_EQ(p.position.x, kOrigin.x);
         EXPECT_NEAR(Length(p.velocity), 0.6f, 1e-4f);
         ExpectColor(p, 0.01f, 0.04f, 0.9f, kFadeAlpha);
         ExpectIn(p.lifetime, {1, 2}, "lifetime");
       }},
      {"MagicSparkle", [](int n) { return std::make_unique<MagicSparkle>(kOrigin, n, 0, 0, 1, 5.0f); }, 0.2f,
       0.5f,
       [](const ZOdevuvParticle& p) {
         ExpectIn(p.velocity.x, {-2.5f, 2.5f}, "vx");
         ExpectIn(p.velocity.z, {2.5f, 7.5f}, "vz");
         ExpectIn(p.color.g, {0, 1}, "green");
         ExpectIn(p.color.a, kFadeAlpha, "alpha");
         ExpectIn(p.lifetime, kLife, "lifetime");
       }},
      {"Sparkle", [](int n) { return std::make_unique<Sparkle>(kOrigin, n, 0, 0, 1, 5.0f, false, false); },
       0.2f, 0.3f,
       [](const ZOdevuvParticle& p) {
         EXPECT_EQ(p.position.z, kOrigin.z);
         ExpectIn(p.velocity.y, {-2.5f, 2.5f}, "vy");
         ExpectIn(p.velocity.z, {2.5f, 7.5f}, "vz");
         ExpectColor(p, 1, 1, 1, {0.6f, 0.6f});
         ExpectIn(p.lifetime, kLife, "lifetime");
       }},
      {"SplashSparkle",
       [](int n) { return std::make_unique<SplashSparkle>(kOrigin, n, 0, 1, 0, 6.0f, false, true); }, 0.2f,
       0.1f,
       [](const ZOdevuvParticle& p) {
         ExpectIn(p.velocity.x, {-12, 12}, "vx");
         ExpectIn(p.velocity.y, {-6, 18}, "vy");
         ExpectIn(p.color.b, {0, 1}, "random blue");
         ExpectIn(p.color.a, kFadeAlpha, "random alpha");
       }},
      {"Sparkle2", [](int n) { return std::make_unique<Sparkle2>(kOrigin, n, 1, 0, 0, 3.0f, false, false); },
       0.2f, 0.1f,
       [](const ZOdevuvParticle& p) {
         ExpectIn(p.velocity.x, {0.75f, 4.5f}, "vx");
         ExpectIn(p.velocity.y, {-1.5f, 1.5f}, "vy");
         ExpectColor(p, 1, 1, 1, {0.6f, 0.6f});
       }},
      // Without an emitter line every drop starts at the origin.
      {"WaterFall",
       [](int n) { return std::make_unique<WaterFall>(kOrigin, n, 0, -1, 0, 3.0f, false, false); }, 0.2f,
       0.1f,
       [](const ZOdevuvParticle& p) {
         EXPECT_EQ(p.position.x, kOrigin.x);
         EXPECT_EQ(p.position.y, kOrigin.y);
         EXPECT_EQ(p.position.z, kOrigin.z);
         EXPECT_EQ(p.velocity.x, 0.0f);
         ExpectIn(-p.velocity.y, {1.5f, 3.0f}, "fall");
         ExpectIn(p.lifetime, kLife, "lifetime");
       }},
  };
}

void PrintTo(const EffectCase& c, std::ostream* os) { *os << c.name; }

class EffectStartTest : public ::testing::TestWithParam<EffectCase> {
 protected:
  void SetUp() override { plat::SRand(7); }
};

TEST_P(EffectStartTest, ParticlesStartWithinTheEffectsRanges) {
  const EffectCase& c = GetParam();
  auto system = c.make(400);
  ASSERT_EQ(system->particles.size(), 400u);
  EXPECT_FLOAT_EQ(system->pointSize, c.sizeAfterReset);
  EXPECT_EQ(system->vbCapacity, 2048u);
  EXPECT_EQ(system->vbBatchSize, 512u);
  for (const ZOdevuvParticle& p : system->particles) {
    EXPECT_TRUE(p.alive);
    EXPECT_EQ(p.age, 0.0f);
    c.checkStart(p);
    if (HasFailure()) break;
  }
}

TEST_P(EffectStartTest, PointSizeWithoutParticlesIsTheConstructors) {
  const EffectCase& c = GetParam();
  EXPECT_FLOAT_EQ(c.make(0)->pointSize, c.sizeWithoutParticles);
  EXPECT_TRUE(c.make(-3)->particles.empty());
}

INSTANTIATE_TEST_SUITE_P(Effects, EffectStartTest, ::testing::ValuesIn(EffectCases()),
                         [](const auto& info) { return info.param.name; });

TEST(SpiralEffect, DirectionBecomesUnitAndParticlesWrapAtFullCircle) {
  plat::SRand(3);
  Spiral spiral(kOrigin, 361, 0, 3, 4, 2.0f);
  EXPECT_FLOAT_EQ(spiral.direction.y, 0.6f);
  EXPECT_FLOAT_EQ(spiral.direction.z, 0.8f);
  const ZOdevuvParticle& first = spiral.particles.front();
  const ZOdevuvParticle& last = spiral.particles.back();
  EXPECT_EQ(last.index, 360);
  EXPECT_NEAR(last.position.x, first.position.x, 1e-4f);
  EXPECT_NEAR(last.position.z, first.position.z, 1e-4f);
}

ZOdevuvParticle& Only(ZOdevuvParticleSystem& system) { return system.particles.front(); }

// An alpha that reaches 0 (here: 0 faded by nothing) starts the particle again.
TEST(FadingEffects, ParticleAtZeroAlphaStartsAgain) {
  plat::SRand(5);
  std::unique_ptr<ZOdevuvParticleSystem> systems[] = {
      std::make_unique<Fire>(kOrigin, 1),
      std::make_unique<Spiral>(kOrigin, 1, 0, 1, 0, 2.0f),
      std::make_unique<Spirograf>(kOrigin, 1),
      std::make_unique<MagicSparkle>(kOrigin, 1, 0, 0, 1, 5.0f),
      std::make_unique<Sparkle2>(kOrigin, 1, 1, 0, 0, 3.0f, false, false),
  };
  for (auto& system : systems) {
    ZOdevuvParticle& p = Only(*system);
    p.color.a = 0.0f;
    p.age = 0.5f;
    p.position.y = 500.0f;
    system->Update(0.0f);
    EXPECT_EQ(p.age, 0.0f);
    EXPECT_GE(p.color.a, 0.6f);
    EXPECT_LT(p.position.y, 500.0f);
  }
}

TEST(FadingEffects, SparkleStaysInFlightAtZeroAlphaUntilItsLifetimeEnds) {
  plat::SRand(5);
  Sparkle sparkle(kOrigin, 1, 0, 1, 0, 1.0f, false, false);
  ZOdevuvParticle& p = Only(sparkle);
  p.color.a = 0.01f;
  p.lifetime = 1.0f;
  p.velocity = plat::Vec3{0, 2, 0};
  sparkle.Update(0.5f);
  EXPECT_EQ(p.color.a, 0.0f);
  EXPECT_FLOAT_EQ(p.position.y, kOrigin.y + 1.0f);
  sparkle.Update(0.6f);
  EXPECT_EQ(p.position.y, kOrigin.y);
  EXPECT_EQ(p.age, 0.0f);
}

TEST(FallingEffects, GravityIsTakenOncePerUpdate) {
  plat::SRand(5);
  Sparkle twoSteps(kOrigin, 1, 0, 1, 0, 1.0f, true, false);
  Sparkle oneStep(kOrigin, 1, 0, 1, 0, 1.0f, true, false);
  for (Sparkle* s : {&twoSteps, &oneStep}) {
    Only(*s).velocity = plat::Vec3{};
    Only(*s).lifetime = 10.0f;
  }
  twoSteps.Update(0.5f);
  twoSteps.Update(0.5f);
  oneStep.Update(1.0f);
  EXPECT_FLOAT_EQ(Only(twoSteps).velocity.y, -2 * 0.981f);
  EXPECT_FLOAT_EQ(Only(oneStep).velocity.y, -0.981f);
}

TEST(FallingEffects, WaterAtGroundLevelKeepsFallingAndBelowItStartsAgain) {
  plat::SRand(5);
  WaterFall water(kOrigin, 1, 0, -1, 0, 3.0f, false, false);
  ZOdevuvParticle& p = Only(water);
  p.position = plat::Vec3{5, 0, 5};
  p.velocity = plat::Vec3{};
  p.lifetime = 10.0f;
  water.Update(0.1f);
  EXPECT_EQ(p.position.x, 5.0f);
  p.position.y = -0.001f;
  water.Update(0.1f);
  EXPECT_EQ(p.position.x, kOrigin.x);
  EXPECT_EQ(p.position.y, kOrigin.y);
}

TEST(FallingEffects, RainOnTheBoxStaysAndOutsideItRestartsAtTheTop) {
  plat::SRand(5);
  Rain rain(kBox, 2);
  auto it = rain.particles.begin();
  ZOdevuvParticle& onFace = *it++;
  ZOdevuvParticle& outside = *it;
  onFace.position = plat::Vec3{10, -10, 0};
  outside.position = plat::Vec3{10.01f, 0, 0};
  onFace.alive = false;  // rain ignores the flag
  for (ZOdevuvParticle* p : {&onFace, &outside}) p->velocity = plat::Vec3{};
  rain.Update(0.1f);
  EXPECT_EQ(onFace.position.y, -10.0f);
  EXPECT_EQ(outside.position.y, 50.0f);
  EXPECT_LE(outside.position.x, 10.0f);
}

TEST(FireworkEffect, BurnsOutForGoodAfterOneSecond) {
  plat::SRand(5);
  Firework firework(kOrigin, 1000);
  firework.Update(0.6f);
  EXPECT_FALSE(firework.IsFinished());
  firework.Update(0.6f);
  EXPECT_TRUE(firework.IsFinished());
  EXPECT_EQ(firework.particles.size(), 1000u);
  firework.Update(0.6f);
  EXPECT_TRUE(firework.IsFinished());
  firework.Reset();
  EXPECT_FALSE(firework.IsFinished());
}

TEST(SparkleEffect, NewColourReachesParticlesWhenTheyStartAgain) {
  plat::SRand(5);
  Sparkle sparkle(kOrigin, 2, 0, 1, 0, 1.0f, false, false);
  sparkle.SetColor(1, 0, 0, 1);
  for (const ZOdevuvParticle& p : sparkle.particles) EXPECT_EQ(p.color.g, 1.0f);
  sparkle.ResetParticle(sparkle.particles.front());
  EXPECT_EQ(sparkle.particles.front().color.g, 0.0f);
  EXPECT_EQ(sparkle.particles.back().color.g, 1.0f);
}

// The first drop after a new line still starts where the previous start put
// the emitter; the following ones start on the new line.
TEST(WaterFallEffect, DropsStartOnTheEmitterLineFromTheSecondResetOn) {
  plat::SRand(5);
  WaterFall water(kOrigin, 20, 0, -1, 0, 3.0f, false, false);
  water.SetEmitterLine(0, 20, 0, 10, 20, 0);
  water.Reset();
  auto it = water.particles.begin();
  EXPECT_EQ(it->position.y, kOrigin.y);
  for (++it; it != water.particles.end(); ++it) {
    EXPECT_EQ(it->position.y, 20.0f);
    ExpectIn(it->position.x, {0, 10}, "on the line");
    EXPECT_EQ(it->position.z, 0.0f);
  }
}

// Render states per effect: what the blend set-up switches and what the
// restore leaves behind.
struct StateCase {
  std::string name;
  std::function<std::unique_ptr<ZOdevuvParticleSystem>()> make;
  std::vector<uint32_t> lighting;
  std::vector<uint32_t> alphaBlend;
  size_t alphaTestSets;
  size_t stageStateSets;
};

std::vector<StateCase> StateCases() {
  using V = std::vector<uint32_t>;
  const V unlit{0, 0, 1, 1};    // base off, set-up off, base on, restore on
  const V blendOnOff{1, 0, 0};  // set-up on, base off, restore off
  return {
      {"Firework", [] { return std::make_unique<Firework>(kOrigin, 3); }, V{0, 1}, V{1, 0}, 0, 4},
      {"Fire", [] { return std::make_unique<Fire>(kOrigin, 3); }, unlit, blendOnOff, 1, 2},
      {"Snow", [] { return std::make_unique<Snow>(kBox, 3); }, unlit, blendOnOff, 0, 2},
      {"Sparkle", [] { return std::make_unique<Sparkle>(kOrigin, 3, 0, 1, 0, 1, false, false); }, unlit,
       blendOnOff, 0, 2},
      {"SplashSparkle", [] { return std::make_unique<SplashSparkle>(kOrigin, 3, 0, 1, 0, 1, false, false); },
       unlit, blendOnOff, 0, 4},
      {"WaterFall", [] { return std::make_unique<WaterFall>(kOrigin, 3, 0, 1, 0, 1, false, false); }, unlit,
       blendOnOff, 0, 4},
  };
}

void PrintTo(const StateCase& c, std::ostream* os) { *os << c.name; }

class EffectStateTest : public ParticleTest, public ::testing::WithParamInterface<StateCase> {};

TEST_P(EffectStateTest, BlendsAdditivelyAndRestoresOrdinaryAlphaBlending) {
  const StateCase& c = GetParam();
  auto system = c.make();
  system->Init(MissingTexture());
  StartRecording();
  system->Render();
  EXPECT_EQ(Record().RenderStateValues(RenderState::Lighting), c.lighting);
  EXPECT_EQ(Record().RenderStateValues(RenderState::AlphaBlendEnable), c.alphaBlend);
  EXPECT_EQ(Record().RenderStateValues(RenderState::AlphaTestEnable).size(), c.alphaTestSets);
  EXPECT_EQ(Record().Count(plat::EventKind::StageState), c.stageStateSets);
  EXPECT_EQ(Record().RenderStateValues(RenderState::DestBlend),
            (std::vector<uint32_t>{plat::Blend::One, plat::Blend::InvSrcAlpha}));
  EXPECT_EQ(Record().RenderStateValues(RenderState::ZWriteEnable),
            (std::vector<uint32_t>{plat::kFalse, plat::kTrue}));
  EXPECT_EQ(Gfx().GetRenderState(RenderState::SrcBlend), plat::Blend::SrcAlpha);
  EXPECT_EQ(Gfx().GetTextureStageState(0, plat::TextureStageState::AlphaOp), plat::TextureOp::SelectArg1);
  EXPECT_EQ(Record().Draws().size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(Effects, EffectStateTest, ::testing::ValuesIn(StateCases()),
                         [](const auto& info) { return info.param.name; });

}  // namespace
