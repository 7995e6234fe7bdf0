#include "engine/particles/Sparkle.h"

Sparkle::Sparkle(const plat::Vec3& origin_, int count, float dirX, float dirY, float dirZ, float speed_,
                 bool gravity_, bool randomColor)
    : SparkleSystem(origin_, dirX, dirY, dirZ, speed_, gravity_, randomColor) {
  AddParticles(count);
}

void Sparkle::ResetParticle(ZOdevuvParticle& p) {
  p.alive = true;
  p.position = origin;
  p.velocity = Scaled(RandomAround(direction, 0.5f), speed);
  coloring.Apply(p);
  p.age = 0.0f;
  p.lifetime = RandomFloat(0.1f, 2.0f);
  pointSize = 0.3f;
}

void Sparkle::Update(float dt) {
  for (ZOdevuvParticle& p : particles) {
    if (p.alive) SparkleStep(*this, p, dt, gravity);
  }
}

void Sparkle::PreRender() { PreRenderWith(ParticleBlend::Unlit); }
