#pragma once
// Water falling from a line: each drop starts where the previous one put the
// emitter, and starts again below the ground or after its lifetime.
#include "engine/particles/SparkleSystem.h"

class WaterFall : public SparkleSystem {
 public:
  WaterFall(const plat::Vec3& origin, int count, float dirX, float dirY, float dirZ, float speed,
            bool gravity, bool randomColor);

  void ResetParticle(ZOdevuvParticle& particle) override;
  void Update(float elapsedSeconds) override;
  void PreRender() override;

  // The line along which new drops appear.
  void SetEmitterLine(float startX, float startY, float startZ, float endX, float endY, float endZ);

  plat::Vec3 lineStart;
  plat::Vec3 lineEnd;
};
