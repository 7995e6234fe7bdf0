#pragma once
// Sparks thrown along a direction at varying speeds, fading out quickly; a
// spark starts again as soon as it has faded.
#include "engine/particles/ParticleRules.h"
#include "engine/particles/ZOdevuvParticleSystem.h"

class Sparkle2 : public ZOdevuvParticleSystem {
 public:
  Sparkle2(const plat::Vec3& origin, int count, float dirX, float dirY, float dirZ, float speed, bool gravity,
           bool randomColor);

  void ResetParticle(ZOdevuvParticle& particle) override;
  void Update(float elapsedSeconds) override;
  void PreRender() override;
  void PostRender() override;

  // Taken by particles when they next start; those in flight keep theirs.
  void SetColor(float red, float green, float blue, float alpha);

  plat::Vec3 direction;
  float speed = 0.0f;
  bool gravity = false;
  SparkleColoring coloring;
};
