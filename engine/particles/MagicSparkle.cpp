#include "engine/particles/MagicSparkle.h"

#include "engine/particles/ParticleRules.h"

MagicSparkle::MagicSparkle(const plat::Vec3& origin_, int count, float dirX, float dirY, float dirZ,
                           float speed_)
    : direction{dirX, dirY, dirZ}, speed(speed_) {
  origin = origin_;
  pointSize = 0.2f;
  AddParticles(count);
}

void MagicSparkle::ResetParticle(ZOdevuvParticle& p) {
  p.alive = true;
  p.position = origin;
  p.velocity = Scaled(RandomAround(direction, 0.5f), speed);
  RandomSparkleColor(p);
  p.age = 0.0f;
  p.lifetime = RandomFloat(0.1f, 2.0f);
  pointSize = 0.5f;
}

void MagicSparkle::Update(float dt) {
  for (ZOdevuvParticle& p : particles) {
    if (!p.alive) continue;
    MoveParticle(p, dt);
    p.age += dt;
    FadeOrReset(*this, p, dt, 0.1f, 0.5f);
  }
}

void MagicSparkle::PreRender() { PreRenderWith(ParticleBlend::Unlit); }

void MagicSparkle::PostRender() { PostRenderWith(ParticleRestore::LitAndBlendOff); }
