#pragma once
// Drops falling fast through a box; a drop that leaves it starts again at the
// top.
#include "engine/particles/ZOdevuvParticleSystem.h"

class Rain : public ZOdevuvParticleSystem {
 public:
  Rain(const ZOdevuvBoundingBox& box, int count);

  void ResetParticle(ZOdevuvParticle& particle) override;
  void Update(float elapsedSeconds) override;
  void PreRender() override;
  void PostRender() override;
};
