#pragma once
// A slow blue cloud at the origin plus a centre offset that its owner moves.
#include "engine/particles/ZOdevuvParticleSystem.h"

class Spirograf : public ZOdevuvParticleSystem {
 public:
  Spirograf(const plat::Vec3& origin, int count);

  void ResetParticle(ZOdevuvParticle& particle) override;
  void Update(float elapsedSeconds) override;
  void PreRender() override;
  void PostRender() override;

  void SetCenter(float x, float y, float z);

  plat::Vec3 center;
};
