#include "engine/particles/WaterFall.h"

#include "engine/core/VectorHelpers.h"

WaterFall::WaterFall(const plat::Vec3& origin_, int count, float dirX, float dirY, float dirZ, float speed_,
                     bool gravity_, bool randomColor)
    : SparkleSystem(origin_, dirX, dirY, dirZ, speed_, gravity_, randomColor) {
  // Until the owner sets a line, drops appear at the origin.
  lineStart = origin;
  lineEnd = origin;
  AddParticles(count);
}

void WaterFall::ResetParticle(ZOdevuvParticle& p) {
  p.alive = true;
  p.position = origin;
  // The next drop starts at a random point of the line.
  plat::Vec3 along{lineEnd.x - lineStart.x, lineEnd.y - lineStart.y, lineEnd.z - lineStart.z};
  const float length = Vec3Length(along);
  Vec3Normalize(along);
  const float distance = length * RandomFloat(0.0f, 1.0f);
  origin = plat::Vec3{lineStart.x + along.x * distance, lineStart.y + along.y * distance,
                      lineStart.z + along.z * distance};
  p.velocity = Scaled(direction, RandomFloat(0.5f, 1.0f) * speed);
  coloring.Apply(p);
  p.age = 0.0f;
  p.lifetime = RandomFloat(0.1f, 2.0f);
  pointSize = 0.1f;
}

void WaterFall::Update(float dt) {
  for (ZOdevuvParticle& p : particles) {
    if (!p.alive) continue;
    ApplyGravity(p, gravity);
    MoveParticle(p, dt);
    p.age += dt;
    if (p.position.y < 0.0f || p.age > p.lifetime) ResetParticle(p);
  }
}

void WaterFall::SetEmitterLine(float startX, float startY, float startZ, float endX, float endY, float endZ) {
  lineStart = plat::Vec3{startX, startY, startZ};
  lineEnd = plat::Vec3{endX, endY, endZ};
}

void WaterFall::PreRender() { PreRenderWith(ParticleBlend::TextureAlphaUnlit); }
