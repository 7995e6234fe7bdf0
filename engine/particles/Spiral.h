#pragma once
// Particles on a circle about the origin (particle i at i degrees), all
// flying off along one direction.
#include "engine/particles/ZOdevuvParticleSystem.h"

class Spiral : public ZOdevuvParticleSystem {
 public:
  Spiral(const plat::Vec3& origin, int count, float dirX, float dirY, float dirZ, float radius);

  void ResetParticle(ZOdevuvParticle& particle) override;
  void Update(float elapsedSeconds) override;
  void PreRender() override;
  void PostRender() override;

  plat::Vec3 direction;  // unit length after the first reset
  float radius = 0.0f;
};
