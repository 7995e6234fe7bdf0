#pragma once
// A wide splash of sparks about a direction, fading; a spark starts again
// once it outlived its lifetime.
#include "engine/particles/SparkleSystem.h"

class SplashSparkle : public SparkleSystem {
 public:
  SplashSparkle(const plat::Vec3& origin, int count, float dirX, float dirY, float dirZ, float speed,
                bool gravity, bool randomColor);

  void ResetParticle(ZOdevuvParticle& particle) override;
  void Update(float elapsedSeconds) override;
  void PreRender() override;
};
