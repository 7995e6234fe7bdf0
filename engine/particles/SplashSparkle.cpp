#include "engine/particles/SplashSparkle.h"

SplashSparkle::SplashSparkle(const plat::Vec3& origin_, int count, float dirX, float dirY, float dirZ,
                             float speed_, bool gravity_, bool randomColor)
    : direction{dirX, dirY, dirZ}, speed(speed_), gravity(gravity_) {
  origin = origin_;
  pointSize = 0.2f;
  coloring.randomColor = randomColor;
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

void SplashSparkle::SetColor(float red, float green, float blue, float alpha) {
  coloring.color = plat::Color{red, green, blue, alpha};
}

void SplashSparkle::PreRender() { PreRenderWith(ParticleBlend::TextureAlphaUnlit); }

void SplashSparkle::PostRender() { PostRenderWith(ParticleRestore::LitAndBlendOff); }
