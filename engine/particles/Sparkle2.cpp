#include "engine/particles/Sparkle2.h"

Sparkle2::Sparkle2(const plat::Vec3& origin_, int count, float dirX, float dirY, float dirZ, float speed_,
                   bool gravity_, bool randomColor)
    : SparkleSystem(origin_, dirX, dirY, dirZ, speed_, gravity_, randomColor) {
  AddParticles(count);
}

void Sparkle2::ResetParticle(ZOdevuvParticle& p) {
  p.alive = true;
  p.position = origin;
  const plat::Vec3 spread = RandomAround(direction, 0.5f);
  p.velocity = Scaled(spread, RandomFloat(0.5f * speed, speed));
  coloring.Apply(p);
  p.age = 0.0f;
  p.lifetime = RandomFloat(0.1f, 2.0f);
  pointSize = 0.1f;
}

// The lifetime is not consulted: a spark lives until it has faded.
void Sparkle2::Update(float dt) {
  for (ZOdevuvParticle& p : particles) {
    if (!p.alive) continue;
    ApplyGravity(p, gravity);
    MoveParticle(p, dt);
    p.age += dt;
    FadeOrReset(*this, p, dt, 0.1f, 0.8f);
  }
}

void Sparkle2::PreRender() { PreRenderWith(ParticleBlend::Unlit); }
