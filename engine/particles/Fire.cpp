#include "engine/particles/Fire.h"

#include "engine/particles/ParticleRules.h"

Fire::Fire(const plat::Vec3& origin_, int count) {
  origin = origin_;
  pointSize = 0.2f;
  AddParticles(count);
}

void Fire::ResetParticle(ZOdevuvParticle& p) {
  p.alive = true;
  p.position = origin;
  p.position.x += RandomFloat(0.0f, 0.6f);
  p.position.z += RandomFloat(0.0f, 0.6f);
  p.velocity = Scaled(plat::Vec3{0.0f, 1.0f, 0.0f}, RandomFloat(0.1f, 2.0f));
  p.color = plat::Color{1.0f, 0.5f, 0.2f, RandomFloat(0.0f, 0.2f) + 0.6f};
  p.age = 0.0f;
  p.lifetime = RandomFloat(0.1f, 2.0f);
  pointSize = 1.0f;
}

void Fire::Update(float dt) {
  for (ZOdevuvParticle& p : particles) {
    if (!p.alive) continue;
    MoveParticle(p, dt);
    p.age += dt;
    FadeOrReset(*this, p, dt, 0.4f, 0.8f);
  }
}

void Fire::PreRender() { PreRenderWith(ParticleBlend::Unlit); }

void Fire::PostRender() { PostRenderWith(ParticleRestore::LitBlendAndAlphaTestOff); }
