#pragma once
// The park's fixed set of particle effects, built once while the world
// loads, registered with the particle manager (which owns them) and left
// switched off. Other parts of the game place and switch the members; the
// set relaunches the burnt-out firework and moves the spirograph centres.
#include <memory>
#include <vector>

#include "engine/core/EngineString.h"
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

class ParticleEffects {
 public:
  // Textures are read from baseDirectory + "\images\particles\...".
  explicit ParticleEffects(const EngineString& baseDirectory);
  ~ParticleEffects();
  ParticleEffects(const ParticleEffects&) = delete;
  ParticleEffects& operator=(const ParticleEffects&) = delete;

  void Update(float elapsedSeconds);

  Firework* firework = nullptr;
  Snow* snow = nullptr;
  Rain* rain = nullptr;
  Fire* fire = nullptr;
  Spiral* spiral = nullptr;
  MagicSparkle* magicSparkle = nullptr;
  Sparkle* sparkleA = nullptr;
  Sparkle* sparkleB = nullptr;
  Sparkle2* sparkle2Multi = nullptr;
  Sparkle2* sparkle2Blue = nullptr;
  Sparkle2* sparkle2Orange = nullptr;
  SplashSparkle* splashSparkle = nullptr;
  WaterFall* waterFallA = nullptr;
  WaterFall* waterFallB = nullptr;
  int fireworkId = -1;
  float angle = 0.0f;
  std::vector<Fire*> fires;
  std::vector<Spirograf*> spirografs;

 private:
  // Init with the texture, switched off; the result of Init.
  static int InitSwitchedOff(ZOdevuvParticleSystem& system, const EngineString& texture);
  // Hands the system to the particle manager, or keeps it when there is no
  // manager so that the members stay valid.
  void Register(ZOdevuvParticleSystem* system);
  void BuildSingleEffects(const EngineString& baseDirectory);
  WaterFall* BuildWaterFall(const EngineString& texture);
  void BuildFires(const EngineString& baseDirectory);
  void BuildSpirografs(const EngineString& baseDirectory);

  std::vector<std::unique_ptr<ZOdevuvParticleSystem>> unregistered_;
};
