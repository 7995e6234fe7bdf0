#include "engine/particles/Snow.h"

#include "engine/particles/ParticleRules.h"

Snow::Snow(const ZOdevuvBoundingBox& box, int count) {
  bounds = box;
  pointSize = 0.15f;
  AddParticles(count);
}

void Snow::ResetParticle(ZOdevuvParticle& p) {
  p.alive = true;
  RandomVector(p.position, bounds.min, bounds.max);
  p.position.y = bounds.max.y;
  p.velocity.x = RandomFloat(0.0f, 1.0f) * -3.0f;
  p.velocity.y = RandomFloat(0.0f, 1.0f) * -10.0f;
  p.velocity.z = 0.0f;
  p.color = plat::Color{1.0f, 1.0f, 1.0f, 1.0f};
}

void Snow::Update(float dt) {
  for (ZOdevuvParticle& p : particles) {
    MoveParticle(p, dt);
    if (!PointInBox(bounds, p.position)) ResetParticle(p);
  }
}

void Snow::PreRender() { PreRenderWith(ParticleBlend::Unlit); }

void Snow::PostRender() { PostRenderWith(ParticleRestore::LitAndBlendOff); }
