#include <atomic>
#include <chrono>
#include <cmath>
#include <limits>
#include <thread>

#include "tests/engine/particles/ParticleTestSupport.h"

namespace {

using plat::RenderState;

// The first value of the game's generator after seeding with 1 is 41.
TEST(ParticleRandom, RandomFloatUsesTheGamesGenerator) {
  plat::SRand(1);
  EXPECT_FLOAT_EQ(RandomFloat(0.0f, 1.0f), 0.0041f);
  EXPECT_FLOAT_EQ(RandomFloat(2.0f, 2.0f), 2.0f);
  EXPECT_FLOAT_EQ(RandomFloat(5.0f, 1.0f), 5.0f);
  float highest = 0.0f;
  for (int i = 0; i < 40000; ++i) highest = std::max(highest, RandomFloat(0.0f, 1.0f));
  EXPECT_LE(highest, 0.9999f);
  EXPECT_GT(highest, 0.999f);
}

TEST(ParticleRandom, PointInBoxIncludesEveryFace) {
  const ZOdevuvBoundingBox box{{-1, -2, -3}, {1, 2, 3}};
  const struct {
    plat::Vec3 point;
    bool inside;
  } cases[] = {
      {{0, 0, 0}, true},       {{-1, 0, 0}, true},       {{1, 2, 3}, true},
      {{-1, -2, -3}, true},    {{0, 2, 0}, true},        {{0, 0, -3}, true},
      {{1.001f, 0, 0}, false}, {{0, -2.001f, 0}, false}, {{0, 0, 3.001f}, false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(PointInBox(box, c.point), c.inside) << c.point.x << " " << c.point.y << " " << c.point.z;
  }
}

TEST(ParticleColor, ComponentsAreClampedAndRounded) {
  const struct {
    plat::Color color;
    uint32_t argb;
  } cases[] = {
      {{1.5f, -0.2f, 0.5f, 1.0f}, 0xFFFF0080u},
      {{0.0f, 1.0f, 0.25f, 0.6f}, 0x9900FF40u},
      {{std::numeric_limits<float>::quiet_NaN(), 0.002f, 0.001f, 2.0f}, 0xFF000100u},
  };
  for (const auto& c : cases) EXPECT_EQ(ParticleColorToArgb(c.color), c.argb) << std::hex << c.argb;
}

TEST_F(ParticleTest, AddParticleNumbersParticlesInListOrder) {
  LineOfParticles system(3);
  ASSERT_EQ(system.particles.size(), 3u);
  int expected = 0;
  for (const ZOdevuvParticle& p : system.particles) EXPECT_EQ(p.index, expected++);
  EXPECT_EQ(system.id, -1);
  EXPECT_TRUE(system.active);
}

TEST_F(ParticleTest, ResetVisitsDeadParticlesTooAndRemoveKeepsOrder) {
  LineOfParticles system(4);
  auto it = system.particles.begin();
  (it++)->alive = false;
  ++it;
  it->alive = false;
  system.RemoveDeadParticles();
  ASSERT_EQ(system.particles.size(), 2u);
  EXPECT_EQ(system.particles.front().index, 1);
  EXPECT_EQ(system.particles.back().index, 3);

  system.particles.front().alive = false;
  system.resets = 0;
  system.Reset();
  EXPECT_EQ(system.resets, 2);
  EXPECT_FALSE(system.IsFinished());
}

TEST_F(ParticleTest, InitNumbersSystemsInOrderOfRegistration) {
  for (int expected = 0; expected < 3; ++expected) {
    auto* system = new LineOfParticles(1);
    EXPECT_EQ(system->Init(HALVENOR_PARK_DIR "/images/particles/snow.png"), expected);
    EXPECT_EQ(system->id, expected);
    Manager().Add(system);
  }
  EXPECT_EQ(Manager().FindById(1)->id, 1);
  EXPECT_EQ(Manager().FindById(3), nullptr);
  Manager().Add(nullptr);
  EXPECT_EQ(Manager().Count(), 3);
  EXPECT_EQ(Manager().NextId(), 3);
}

// A failed set-up reports -1 and leaves the id unset, and an unset id is
// never found (looking up the id a failed set-up returned finds nothing).
TEST_F(ParticleTest, FailedInitLeavesTheSystemUnnumberedButDrawable) {
  auto* system = new LineOfParticles(2);
  EXPECT_EQ(system->Init(MissingTexture()), -1);
  EXPECT_EQ(system->id, -1);
  EXPECT_NE(system->vertexBuffer, nullptr);
  EXPECT_EQ(system->texture, nullptr);
  Manager().Add(system);
  EXPECT_EQ(Manager().FindById(-1), nullptr);

  StartRecording();
  system->Render();
  const auto draws = Record().Draws();
  ASSERT_EQ(draws.size(), 1u);
  EXPECT_EQ(draws[0].primitiveCount, 2u);
  EXPECT_EQ(draws[0].textures[0], nullptr);
}

TEST_F(ParticleTest, EmptySystemAndSystemWithoutBufferTouchNoState) {
  LineOfParticles empty(0);
  empty.Init(MissingTexture());
  LineOfParticles unset(10);  // never initialised: no vertex buffer
  StartRecording();
  empty.Render();
  unset.Render();
  EXPECT_TRUE(Record().Events().empty());
  EXPECT_EQ(unset.vbOffset, 0u);
}

TEST_F(ParticleTest, DeadParticlesStillRunTheStatesButDrawNothing) {
  LineOfParticles system(5);
  system.Init(MissingTexture());
  for (ZOdevuvParticle& p : system.particles) p.alive = false;
  StartRecording();
  system.Render();
  EXPECT_TRUE(Record().Draws().empty());
  EXPECT_EQ(Record().RenderStateValues(RenderState::PointSpriteEnable),
            (std::vector<uint32_t>{plat::kTrue, plat::kFalse}));
  EXPECT_EQ(system.vbOffset, 512u);
  EXPECT_FALSE(system.vertexBuffer->IsLocked());
}

TEST_F(ParticleTest, PreRenderSetsPointSpriteStates) {
  LineOfParticles system(1);
  system.Init(MissingTexture());
  system.pointSize = 0.25f;
  StartRecording();
  system.Render();
  const struct {
    RenderState state;
    uint32_t value;
  } expected[] = {
      {RenderState::PointSize, plat::FloatBits(0.25f)},  {RenderState::PointSizeMin, plat::FloatBits(0.0f)},
      {RenderState::PointScaleA, plat::FloatBits(0.0f)}, {RenderState::PointScaleB, plat::FloatBits(0.0f)},
      {RenderState::PointScaleC, plat::FloatBits(1.0f)},
  };
  for (const auto& e : expected) {
    EXPECT_EQ(Record().RenderStateValues(e.state), std::vector<uint32_t>{e.value})
        << static_cast<int>(e.state);
  }
  EXPECT_EQ(Gfx().GetRenderState(RenderState::Lighting), plat::kTrue);
  EXPECT_EQ(Gfx().GetRenderState(RenderState::PointScaleEnable), plat::kFalse);
  EXPECT_EQ(Gfx().GetRenderState(RenderState::AlphaBlendEnable), plat::kFalse);
}

TEST_F(ParticleTest, ExactlyOneBatchDrawsOnceAndAdvancesTwoBatches) {
  LineOfParticles system(512, plat::Color{1.5f, -0.2f, 0.5f, 1.0f});
  system.Init(MissingTexture());
  StartRecording();
  system.Render();
  const auto draws = Record().Draws();
  ASSERT_EQ(draws.size(), 1u);
  EXPECT_EQ(draws[0].type, plat::PrimitiveType::PointList);
  EXPECT_EQ(draws[0].firstVertex, 0u);
  EXPECT_EQ(draws[0].primitiveCount, 512u);
  EXPECT_EQ(draws[0].fvf, 0x142u);
  EXPECT_EQ(draws[0].stride, 24u);
  EXPECT_EQ(draws[0].Read<float>(511, 0), 511.0f);
  EXPECT_EQ(draws[0].Read<uint32_t>(7, 12), 0xFFFF0080u);
  EXPECT_EQ(system.vbOffset, 1024u);
  EXPECT_FALSE(system.vertexBuffer->IsLocked());
}

// Batches go to vertices 0, 512, 1024, 1536; the fifth starts again at 0
// and discards the buffer.
TEST_F(ParticleTest, BatchesWrapAroundAndDiscardAtTheStart) {
  LineOfParticles system(2100);
  system.Init(MissingTexture());
  StartRecording();
  system.Render();
  const auto draws = Record().Draws();
  ASSERT_EQ(draws.size(), 5u);
  const uint32_t starts[] = {0, 512, 1024, 1536, 0};
  const uint32_t counts[] = {512, 512, 512, 512, 52};
  for (size_t i = 0; i < 5; ++i) {
    EXPECT_EQ(draws[i].firstVertex, starts[i]) << i;
    EXPECT_EQ(draws[i].primitiveCount, counts[i]) << i;
  }
  EXPECT_EQ(draws[4].Read<float>(0, 0), 2048.0f);
  EXPECT_EQ(system.vertexBuffer->DiscardCount(), 2u);
  EXPECT_EQ(system.vbOffset, 512u);
}

TEST_F(ParticleTest, SuccessiveFramesContinueWhereTheLastEnded) {
  LineOfParticles system(10);
  system.Init(MissingTexture());
  StartRecording();
  for (int frame = 0; frame < 5; ++frame) system.Render();
  const auto draws = Record().Draws();
  ASSERT_EQ(draws.size(), 5u);
  const uint32_t starts[] = {0, 512, 1024, 1536, 0};
  for (size_t i = 0; i < 5; ++i) EXPECT_EQ(draws[i].firstVertex, starts[i]) << i;
  EXPECT_EQ(system.vertexBuffer->DiscardCount(), 2u);
}

// A batch whose lock fails is skipped; the batches around it still draw.
TEST_F(ParticleTest, FailedLockSkipsOnlyThatBatch) {
  LineOfParticles system(2600);
  system.Init(MissingTexture());
  system.vbCapacity = 2500;  // the batch at 2048 runs past the buffer's end
  StartRecording();
  system.Render();
  const auto draws = Record().Draws();
  ASSERT_EQ(draws.size(), 5u);
  EXPECT_EQ(draws[3].firstVertex, 1536u);
  EXPECT_EQ(draws[4].firstVertex, 0u);
  EXPECT_EQ(draws[4].primitiveCount, 2600u - 5 * 512);
  EXPECT_EQ(draws[4].Read<float>(0, 0), 2560.0f);
  EXPECT_FALSE(system.vertexBuffer->IsLocked());
}

TEST_F(ParticleTest, ManagerUpdatesAndDrawsOnlyActiveSystems) {
  auto* on = new LineOfParticles(1);
  auto* off = new LineOfParticles(1);
  on->Init(MissingTexture());
  Manager().Add(on);
  off->Init(MissingTexture());
  off->active = false;
  Manager().Add(off);
  StartRecording();
  Manager().UpdateAll(0.1f);
  Manager().RenderAll();
  EXPECT_EQ(on->updates, 1);
  EXPECT_EQ(off->updates, 0);
  EXPECT_EQ(Record().Draws().size(), 1u);
}

// The loading thread registers systems while the window thread walks the
// list every frame.
TEST_F(ParticleTest, RegistrationWhileFramesRunIsSafe) {
  constexpr int kSystems = 300;
  std::atomic<bool> done{false};
  std::thread loader([&] {
    for (int i = 0; i < kSystems; ++i) {
      auto* system = new LineOfParticles(2);
      system->Init(MissingTexture());
      Manager().Add(system);
    }
    done = true;
  });
  Gfx().BeginScene();
  while (!done) {
    Manager().UpdateAll(0.01f);
    Manager().RenderAll();
    // A frame does other work before it walks the list again; without that
    // pause the loop takes the list's lock back at once and, on a slow
    // (instrumented) build, the loader waits for it for minutes.
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  loader.join();
  EXPECT_EQ(Manager().Count(), kSystems);
}

TEST_F(ParticleTest, ManagerDestructorClearsTheSlot) {
  auto manager = std::make_unique<ZOdevuvParticleManager>();
  EXPECT_EQ(g_particleManager, manager.get());
  manager->Add(new LineOfParticles(3));
  manager.reset();
  EXPECT_EQ(g_particleManager, nullptr);
}

}  // namespace
