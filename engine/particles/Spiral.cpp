#include "engine/particles/Spiral.h"

#include <cmath>

#include "engine/core/VectorHelpers.h"
#include "engine/particles/ParticleRules.h"

namespace {
constexpr float kDegreesToRadians = 3.14159265f / 180.0f;
}

Spiral::Spiral(const plat::Vec3& origin_, int count, float dirX, float dirY, float dirZ, float radius_)
    : direction{dirX, dirY, dirZ}, radius(radius_) {
  origin = origin_;
  pointSize = 0.2f;
  AddParticles(count);
}

void Spiral::ResetParticle(ZOdevuvParticle& p) {
  p.alive = true;
  const float angle = static_cast<float>(p.index) * kDegreesToRadians;
  p.position = origin;
  p.position.x += std::sin(angle) * radius;
  p.position.z += std::cos(angle) * radius;
  Vec3Normalize(direction);
  p.velocity = Scaled(direction, RandomFloat(2.0f, 4.0f));
  p.color = plat::Color{0.0f, 0.5f, 1.0f, RandomFloat(0.0f, 0.2f) + 0.6f};
  p.age = 0.0f;
  p.lifetime = RandomFloat(0.1f, 2.0f);
  pointSize = 1.0f;
}

void Spiral::Update(float dt) {
  for (ZOdevuvParticle& p : particles) {
    if (!p.alive) continue;
    MoveParticle(p, dt);
    p.age += dt;
    FadeOrReset(*this, p, dt, 0.1f, 0.5f);
  }
}

void Spiral::PreRender() { PreRenderWith(ParticleBlend::Unlit); }

void Spiral::PostRender() { PostRenderWith(ParticleRestore::LitAndBlendOff); }
