#include "engine/particles/ParticleRules.h"

#include "engine/core/VectorHelpers.h"

plat::Vec3 RandomUnitDirection() {
  plat::Vec3 v;
  RandomVector(v, plat::Vec3{-1.0f, -1.0f, -1.0f}, plat::Vec3{1.0f, 1.0f, 1.0f});
  Vec3Normalize(v);
  return v;
}

plat::Vec3 RandomAround(const plat::Vec3& d, float spread) {
  plat::Vec3 v;
  RandomVector(v, plat::Vec3{d.x - spread, d.y - spread, d.z - spread},
               plat::Vec3{d.x + spread, d.y + spread, d.z + spread});
  return v;
}

void FadeOrReset(ZOdevuvParticleSystem& system, ZOdevuvParticle& p, float dt, float low, float high) {
  const float alpha = p.color.a - (RandomFloat(low, high) + 0.1f) * dt;
  if (alpha > 0.0f) {
    p.color.a = alpha;
  } else {
    system.ResetParticle(p);
  }
}

void StartFalling(ZOdevuvParticle& p, const ZOdevuvBoundingBox& box, const FallingStart& start) {
  p.alive = true;
  RandomVector(p.position, box.min, box.max);
  p.position.y = box.max.y;
  p.velocity.x = RandomFloat(0.0f, 1.0f) * -start.drift;
  p.velocity.y = RandomFloat(start.leastFallShare, 1.0f) * -start.fall;
  p.velocity.z = 0.0f;
  p.color = plat::Color{1.0f, 1.0f, 1.0f, 1.0f};
}

void MoveWithinBounds(ZOdevuvParticleSystem& system, float dt) {
  for (ZOdevuvParticle& p : system.particles) {
    MoveParticle(p, dt);
    if (!PointInBox(system.bounds, p.position)) system.ResetParticle(p);
  }
}

void RandomSparkleColor(ZOdevuvParticle& p) {
  p.color.r = RandomFloat(0.0f, 1.0f);
  p.color.g = RandomFloat(0.0f, 1.0f);
  p.color.b = RandomFloat(0.0f, 1.0f);
  p.color.a = RandomFloat(0.0f, 0.2f) + 0.6f;
}

void SparkleStep(ZOdevuvParticleSystem& system, ZOdevuvParticle& p, float dt, bool gravity) {
  ApplyGravity(p, gravity);
  MoveParticle(p, dt);
  p.age += dt;
  p.color.a -= (RandomFloat(0.1f, 0.3f) + 0.1f) * dt;
  if (p.color.a <= 0.0f) p.color.a = 0.0f;
  if (p.age > p.lifetime) system.ResetParticle(p);
}

void SparkleColoring::Apply(ZOdevuvParticle& p) const {
  if (randomColor) {
    RandomSparkleColor(p);
  } else {
    p.color = color;
  }
}
