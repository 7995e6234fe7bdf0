#pragma once
// Sparks of random colours thrown from the origin along a direction.
#include "engine/particles/ZOdevuvParticleSystem.h"

class MagicSparkle : public ZOdevuvParticleSystem {
 public:
  MagicSparkle(const plat::Vec3& origin, int count, float dirX, float dirY, float dirZ, float speed);

  void ResetParticle(ZOdevuvParticle& particle) override;
  void Update(float elapsedSeconds) override;
  void PreRender() override;
  void PostRender() override;

  plat::Vec3 direction;
  float speed = 0.0f;
};
