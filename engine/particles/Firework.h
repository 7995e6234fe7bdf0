#pragma once
// A burst from the origin: particles fly outwards for one second and then
// die for good; the owner relaunches the whole burst with Reset.
#include "engine/particles/ZOdevuvParticleSystem.h"

class Firework : public ZOdevuvParticleSystem {
 public:
  Firework(const plat::Vec3& origin, int count);

  void ResetParticle(ZOdevuvParticle& particle) override;
  void Update(float elapsedSeconds) override;
  void PreRender() override;
  void PostRender() override;
};
