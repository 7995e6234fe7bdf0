#include "engine/particles/ParticleEffects.h"

#include <cmath>

#include "engine/core/Globals.h"
#include "engine/particles/ZOdevuvParticleManager.h"
#include "platform/os/Random.h"

namespace {

constexpr float kPi = 3.14159265f;
// The spirographs' phase turns into radians with 3.14 / 180, not pi / 180.
constexpr float kPhaseToRadians = 3.14f / 180.0f;
constexpr int kFireCount = 10;
constexpr int kSpirografCount = 10;

EngineString ParticleTexture(const EngineString& baseDirectory, const char* file) {
  return baseDirectory + EngineString(file);
}

// A fresh value in 0..1.
double RandomUnit() { return plat::Rand() / 32767.0; }

}  // namespace

ParticleEffects::ParticleEffects(const EngineString& baseDirectory) {
  BuildSingleEffects(baseDirectory);
  BuildFires(baseDirectory);
  angle = 0.0f;
  BuildSpirografs(baseDirectory);
}

ParticleEffects::~ParticleEffects() = default;

int ParticleEffects::InitSwitchedOff(ZOdevuvParticleSystem& system, const EngineString& texture) {
  const int result = system.Init(texture.CStr());
  system.active = false;
  return result;
}

void ParticleEffects::Register(ZOdevuvParticleSystem* system) {
  if (g_particleManager != nullptr) {
    g_particleManager->Add(system);
  } else {
    unregistered_.emplace_back(system);
  }
}

void ParticleEffects::BuildSingleEffects(const EngineString& base) {
  EngineString texture = ParticleTexture(base, "\\images\\particles\\smoke.bmp");
  firework = new Firework(plat::Vec3{0, 100, 0}, 1000);
  fireworkId = InitSwitchedOff(*firework, texture);
  Register(firework);

  texture = ParticleTexture(base, "\\images\\particles\\snow.png");
  snow = new Snow(ZOdevuvBoundingBox{{-10, -10, -10}, {10, 50, 10}}, 1000);
  InitSwitchedOff(*snow, texture);
  Register(snow);

  texture = ParticleTexture(base, "\\images\\particles\\esocsepp_001.png");
  rain = new Rain(ZOdevuvBoundingBox{{-250, -5, -250}, {250, 80, 250}}, 50000);
  InitSwitchedOff(*rain, texture);
  Register(rain);

  texture = ParticleTexture(base, "\\images\\particles\\snow.png");
  fire = new Fire(plat::Vec3{0, 10, 0}, 150);
  InitSwitchedOff(*fire, texture);
  Register(fire);

  texture = ParticleTexture(base, "\\images\\particles\\snow.png");
  spiral = new Spiral(plat::Vec3{10, 10, 10}, 360, 0, 1, 0, 2.0f);
  InitSwitchedOff(*spiral, texture);
  Register(spiral);

  texture = ParticleTexture(base, "\\images\\particles\\flashlight.png");
  magicSparkle = new MagicSparkle(plat::Vec3{20, 10, 20}, 300, 0, 0, 1, 5.0f);
  InitSwitchedOff(*magicSparkle, texture);
  Register(magicSparkle);

  texture = ParticleTexture(base, "\\images\\particles\\flashlight.png");
  sparkleA = new Sparkle(plat::Vec3{40, 10, 40}, 300, 0, 0, 1, 5.0f, true, false);
  sparkleA->SetColor(1, 0, 0, 1);
  sparkleA->Reset();
  InitSwitchedOff(*sparkleA, texture);
  Register(sparkleA);

  // The same texture path again.
  sparkleB = new Sparkle(plat::Vec3{0, 10, 40}, 500, 0, 1, 0, 20.0f, true, false);
  sparkleB->SetColor(1, 0, 0, 1);
  sparkleB->Reset();
  InitSwitchedOff(*sparkleB, texture);
  Register(sparkleB);

  texture = ParticleTexture(base, "\\images\\particles\\smoke.png");
  splashSparkle = new SplashSparkle(plat::Vec3{0, 10, 40}, 20000, 0, 1, 0, 6.0f, true, false);
  splashSparkle->SetColor(0.6f, 0.88f, 0.87f, 0.6f);
  splashSparkle->Reset();
  InitSwitchedOff(*splashSparkle, texture);
  Register(splashSparkle);

  // The constructed particles keep the default colour until they are reset.
  texture = ParticleTexture(base, "\\images\\particles\\smoke.png");
  sparkle2Blue = new Sparkle2(plat::Vec3{0, 10, 60}, 1500, 0, 1, 0, 3.0f, true, false);
  sparkle2Blue->SetColor(0.05f, 0.6f, 1.0f, 1.0f);
  InitSwitchedOff(*sparkle2Blue, texture);
  Register(sparkle2Blue);

  texture = ParticleTexture(base, "\\images\\particles\\snow.png");
  sparkle2Orange = new Sparkle2(plat::Vec3{0, 10, 90}, 1500, 1, 0, 0, 3.0f, true, false);
  sparkle2Orange->SetColor(1.0f, 0.5f, 0.2f, 0.6f);
  InitSwitchedOff(*sparkle2Orange, texture);
  Register(sparkle2Orange);

  texture = ParticleTexture(base, "\\images\\particles\\snow.png");
  sparkle2Multi = new Sparkle2(plat::Vec3{0, 10, 90}, 1500, 1, 0, 0, 3.0f, true, true);
  InitSwitchedOff(*sparkle2Multi, texture);
  Register(sparkle2Multi);

  waterFallA = BuildWaterFall(ParticleTexture(base, "\\images\\particles\\smoke.png"));
  waterFallB = BuildWaterFall(ParticleTexture(base, "\\images\\particles\\smoke.png"));
}

WaterFall* ParticleEffects::BuildWaterFall(const EngineString& texture) {
  auto* waterFall = new WaterFall(plat::Vec3{0, 10, 60}, 5000, 0, -1, 0, 3.0f, true, false);
  waterFall->SetEmitterLine(0, 10, 0, 10, 10, 0);
  waterFall->SetColor(0.05f, 0.6f, 1.0f, 1.0f);
  InitSwitchedOff(*waterFall, texture);
  waterFall->Reset();
  Register(waterFall);
  return waterFall;
}

void ParticleEffects::BuildFires(const EngineString& base) {
  const EngineString texture = ParticleTexture(base, "\\images\\particles\\snow.png");
  for (int i = 0; i < kFireCount; ++i) {
    const float a = static_cast<float>(i) * kPi / 180.0f;
    auto* entry = new Fire(plat::Vec3{std::sin(a) * 50.0f, 10.0f, std::cos(a) * 50.0f}, 150);
    InitSwitchedOff(*entry, texture);
    Register(entry);
    fires.push_back(entry);
  }
}

void ParticleEffects::BuildSpirografs(const EngineString& base) {
  for (int i = 0; i < kSpirografCount; ++i) {
    const EngineString texture = ParticleTexture(base, "\\images\\particles\\smoke.png");
    const float x = static_cast<float>(100.0 - 200.0 * RandomUnit());
    const float z = static_cast<float>(100.0 - 200.0 * RandomUnit());
    const float y = static_cast<float>(3.0 + 2.0 * RandomUnit());
    auto* entry = new Spirograf(plat::Vec3{x, y, z}, 500);
    InitSwitchedOff(*entry, texture);
    entry->SetCenter(0, 0, 0);
    Register(entry);
    spirografs.push_back(entry);
  }
}

void ParticleEffects::Update(float dt) {
  ZOdevuvParticleSystem* burst = g_particleManager ? g_particleManager->FindById(fireworkId) : nullptr;
  if (burst != nullptr && burst->IsFinished()) {
    plat::Vec3 where;
    RandomVector(where, plat::Vec3{-500, 50, -500}, plat::Vec3{500, 80, 500});
    burst->SetOrigin(where.x, where.y, where.z);
    burst->Reset();
  }
  const float t = angle * kPhaseToRadians;
  for (size_t i = 0; i < spirografs.size(); ++i) {
    Spirograf* entry = spirografs[i];
    if (entry == nullptr || !entry->active) continue;
    plat::Vec3 at;
    entry->GetOrigin(at);
    const float phase = static_cast<float>(i);
    entry->SetCenter(std::cos(t + phase) * 135.0f, at.y, std::sin(t * 0.5f + phase) * 135.0f);
  }
  angle += 2.0f * dt;
}
