#pragma once
// Sparks thrown along a direction at varying speeds, fading out quickly; a
// spark starts again as soon as it has faded.
#include "engine/particles/SparkleSystem.h"

class Sparkle2 : public SparkleSystem {
 public:
  Sparkle2(const plat::Vec3& origin, int count, float dirX, float dirY, float dirZ, float speed, bool gravity,
           bool randomColor);

  void ResetParticle(ZOdevuvParticle& particle) override;
  void Update(float elapsedSeconds) override;
  void PreRender() override;
};
