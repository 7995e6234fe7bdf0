#pragma once
// Water falling from a line: each drop starts where the previous one put the
// emitter, and starts again below the ground or after its lifetime.
#include "engine/particles/ParticleRules.h"
#include "engine/particles/ZOdevuvParticleSystem.h"

class WaterFall : public ZOdevuvParticleSystem {
 public:
  WaterFall(const plat::Vec3& origin, int count, float dirX, float dirY, float dirZ, float speed,
            bool gravity, bool randomColor);

  void ResetParticle(ZOdevuvParticle& particle) override;
  void Update(float elapsedSeconds) override;
  void PreRender() override;
  void PostRender() override;

  // Taken by particles when they next start; those in flight keep theirs.
  void SetColor(float red, float green, float blue, float alpha);

  // The line along which new drops appear.
  void SetEmitterLine(float startX, float startY, float startZ, float endX, float endY, float endZ);

  plat::Vec3 direction;
  float speed = 0.0f;
  bool gravity = false;
  SparkleColoring coloring;
  plat::Vec3 lineStart;
  plat::Vec3 lineEnd;
};
