#include "engine/particles/Rain.h"

#include "engine/particles/ParticleRules.h"

Rain::Rain(const ZOdevuvBoundingBox& box, int count) {
  bounds = box;
  pointSize = 0.06f;
  AddParticles(count);
}

void Rain::ResetParticle(ZOdevuvParticle& p) {
  p.alive = true;
  RandomVector(p.position, bounds.min, bounds.max);
  p.position.y = bounds.max.y;
  p.velocity.x = RandomFloat(0.0f, 1.0f) * -0.1f;
  p.velocity.y = RandomFloat(0.8f, 1.0f) * -30.0f;
  p.velocity.z = 0.0f;
  p.color = plat::Color{1.0f, 1.0f, 1.0f, 1.0f};
  pointSize = 0.2f;
}

void Rain::Update(float dt) {
  for (ZOdevuvParticle& p : particles) {
    MoveParticle(p, dt);
    if (!PointInBox(bounds, p.position)) ResetParticle(p);
  }
}

void Rain::PreRender() { PreRenderWith(ParticleBlend::Unlit); }

void Rain::PostRender() { PostRenderWith(ParticleRestore::LitAndBlendOff); }
