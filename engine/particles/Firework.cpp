#include "engine/particles/Firework.h"

#include "engine/particles/ParticleRules.h"

Firework::Firework(const plat::Vec3& origin_, int count) {
  origin = origin_;
  pointSize = 0.3f;
  AddParticles(count);
}

void Firework::ResetParticle(ZOdevuvParticle& p) {
  p.alive = true;
  p.position = origin;
  p.velocity = Scaled(RandomUnitDirection(), 50.0f);
  p.color.r = RandomFloat(0.0f, 1.0f);
  p.color.g = RandomFloat(0.0f, 1.0f);
  p.color.b = RandomFloat(0.0f, 1.0f);
  p.color.a = 1.0f;
  p.age = 0.0f;
  p.lifetime = 1.0f;
}

void Firework::Update(float dt) {
  for (ZOdevuvParticle& p : particles) {
    if (!p.alive) continue;
    MoveParticle(p, dt);
    p.age += dt;
    if (p.age > p.lifetime) p.alive = false;
  }
}

void Firework::PreRender() { PreRenderWith(ParticleBlend::TextureAlpha); }

void Firework::PostRender() { PostRenderWith(ParticleRestore::BlendOnly); }
