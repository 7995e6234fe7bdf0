#pragma once
// Small rules the particle effects share: moving, gravity, fading, the unit
// box and the random-or-fixed colour of the sparkle family.
#include "engine/particles/ZOdevuvParticleSystem.h"

// Taken from the vertical velocity once per update, whatever the elapsed time.
constexpr float kParticleGravity = 0.981f;

inline void MoveParticle(ZOdevuvParticle& p, float dt) {
  p.position.x += p.velocity.x * dt;
  p.position.y += p.velocity.y * dt;
  p.position.z += p.velocity.z * dt;
}

inline plat::Vec3 Scaled(const plat::Vec3& v, float s) { return plat::Vec3{v.x * s, v.y * s, v.z * s}; }

// A random direction of unit length (zero in the unlikely case of a zero draw).
plat::Vec3 RandomUnitDirection();

// A random vector between direction - spread and direction + spread.
plat::Vec3 RandomAround(const plat::Vec3& direction, float spread);

// Fades the alpha by (RandomFloat(low, high) + 0.1) * dt; a particle that
// fades out completely starts again instead.
void FadeOrReset(ZOdevuvParticleSystem& system, ZOdevuvParticle& p, float dt, float low, float high);

// Takes gravity off the vertical velocity when the effect falls.
inline void ApplyGravity(ZOdevuvParticle& p, bool gravity) {
  if (gravity) p.velocity.y -= kParticleGravity;
}

// Random red, green and blue, alpha 0.6..0.8.
void RandomSparkleColor(ZOdevuvParticle& p);

// One update of a sparkle particle: gravity, move, age, a fade that stops
// at 0, and a fresh start once the particle outlived its lifetime.
void SparkleStep(ZOdevuvParticleSystem& system, ZOdevuvParticle& p, float dt, bool gravity);

// How a falling particle (rain, snow) starts: a random share of the drift
// (towards -x) and of the fall, at least the least share of it.
struct FallingStart {
  float drift;
  float fall;
  float leastFallShare;
};

// A white particle at a random spot of the box's top, falling.
void StartFalling(ZOdevuvParticle& p, const ZOdevuvBoundingBox& box, const FallingStart& start);

// Moves every particle; one that left the system's box starts again.
void MoveWithinBounds(ZOdevuvParticleSystem& system, float dt);

// The colour settings of the sparkle family.
struct SparkleColoring {
  plat::Color color{1.0f, 1.0f, 1.0f, 0.6f};
  bool randomColor = false;

  // Random red, green, blue and a 0.6..0.8 alpha, or the fixed colour.
  void Apply(ZOdevuvParticle& p) const;
};
