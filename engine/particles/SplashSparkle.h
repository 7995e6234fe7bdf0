#pragma once
// A wide splash of sparks about a direction, fading; a spark starts again
// once it outlived its lifetime.
#include "engine/particles/ParticleRules.h"
#include "engine/particles/ZOdevuvParticleSystem.h"

class SplashSparkle : public ZOdevuvParticleSystem {
 public:
  SplashSparkle(const plat::Vec3& origin, int count, float dirX, float dirY, float dirZ, float speed,
                bool gravity, bool randomColor);

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
