#include "engine/particles/SplashSparkle.h"

SplashSparkle::SplashSparkle(const plat::Vec3& origin_, int count, float dirX, float dirY, float dirZ,
                             float speed_, bool gravity_, bool randomColor)
    : SparkleSystem(origin_, dirX, dirY, dirZ, speed_, gravity_, randomColor) {
  AddParticles(count);
}

void SplashSparkle::ResetParticle(ZOdevuvParticle& p) {
  p.alive = true;
  p.position = origin;
  const plat::Vec3 spread = RandomAround(direction, 2.0f);
  p.velocity = Scaled(spread, RandomFloat(0.5f, 1.0f) * speed);
  coloring.Apply(p);
  p.age = 0.0f;
  p.lifetime = RandomFloat(0.1f, 2.0f);
  pointSize = 0.1f;
}

void SplashSparkle::Update(float dt) {
  for (ZOdevuvParticle& p : particles) {
    if (p.alive) SparkleStep(*this, p, dt, gravity);
  }
}

void SplashSparkle::PreRender() { PreRenderWith(ParticleBlend::TextureAlphaUnlit); }
