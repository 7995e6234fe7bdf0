#pragma once
// What the sparkle family (Sparkle, Sparkle2, SplashSparkle, WaterFall)
// has in common: a throw direction and speed, optional gravity, the
// random-or-fixed colour, and the restore after drawing. Each effect
// decides how its sparks start and move.
#include "engine/particles/ParticleRules.h"
#include "engine/particles/ZOdevuvParticleSystem.h"

class SparkleSystem : public ZOdevuvParticleSystem {
 public:
  void PostRender() override;

  // Taken by particles when they next start; those in flight keep theirs.
  void SetColor(float red, float green, float blue, float alpha);

  plat::Vec3 direction;
  float speed = 0.0f;
  bool gravity = false;
  SparkleColoring coloring;

 protected:
  // Adds no particles: ResetParticle is not the effect's own yet while
  // this runs, so each effect adds them at the end of its constructor.
  SparkleSystem(const plat::Vec3& origin, float dirX, float dirY, float dirZ, float speed, bool gravity,
                bool randomColor);
};
