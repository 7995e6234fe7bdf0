#include "engine/particles/Spirograf.h"

#include "engine/particles/ParticleRules.h"

Spirograf::Spirograf(const plat::Vec3& origin_, int count) {
  origin = origin_;
  pointSize = 0.2f;
  AddParticles(count);
}

void Spirograf::ResetParticle(ZOdevuvParticle& p) {
  p.alive = true;
  p.position = plat::Vec3{origin.x + center.x, origin.y + center.y, origin.z + center.z};
  p.velocity = Scaled(RandomUnitDirection(), 0.6f);
  p.color = plat::Color{0.01f, 0.04f, 0.9f, RandomFloat(0.0f, 0.2f) + 0.6f};
  p.age = 0.0f;
  p.lifetime = RandomFloat(1.0f, 2.0f);
  pointSize = 0.5f;
}

void Spirograf::Update(float dt) {
  for (ZOdevuvParticle& p : particles) {
    if (!p.alive) continue;
    MoveParticle(p, dt);
    p.age += dt;
    FadeOrReset(*this, p, dt, 0.4f, 0.8f);
  }
}

void Spirograf::SetCenter(float x, float y, float z) { center = plat::Vec3{x, y, z}; }

void Spirograf::PreRender() { PreRenderWith(ParticleBlend::Unlit); }

void Spirograf::PostRender() { PostRenderWith(ParticleRestore::LitAndBlendOff); }
