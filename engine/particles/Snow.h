#pragma once
// Flakes drifting down through a box; a flake that leaves it starts again at
// the top.
#include "engine/particles/ZOdevuvParticleSystem.h"

class Snow : public ZOdevuvParticleSystem {
 public:
  Snow(const ZOdevuvBoundingBox& box, int count);

  void ResetParticle(ZOdevuvParticle& particle) override;
  void Update(float elapsedSeconds) override;
  void PreRender() override;
  void PostRender() override;
};
