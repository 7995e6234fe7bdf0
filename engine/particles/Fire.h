#pragma once
// Flames rising from a small square beside the origin, fading as they go.
#include "engine/particles/ZOdevuvParticleSystem.h"

class Fire : public ZOdevuvParticleSystem {
 public:
  Fire(const plat::Vec3& origin, int count);

  void ResetParticle(ZOdevuvParticle& particle) override;
  void Update(float elapsedSeconds) override;
  void PreRender() override;
  void PostRender() override;
};
