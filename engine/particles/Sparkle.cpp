#include "engine/particles/Sparkle.h"

Sparkle::Sparkle(const plat::Vec3& origin_, int count, float dirX, float dirY, float dirZ, float speed_,
                 bool gravity_, bool randomColor)
    : direction{dirX, dirY, dirZ}, speed(speed_), gravity(gravity_) {
  origin = origin_;
  pointSize = 0.2f;
  coloring.randomColor = randomColor;
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

void Sparkle::SetColor(float red, float green, float blue, float alpha) {
  coloring.color = plat::Color{red, green, blue, alpha};
}

void Sparkle::PreRender() { PreRenderWith(ParticleBlend::Unlit); }

void Sparkle::PostRender() { PostRenderWith(ParticleRestore::LitAndBlendOff); }
