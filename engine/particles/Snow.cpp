#include "engine/particles/Snow.h"

#include "engine/particles/ParticleRules.h"

namespace {

// Slow, drifting far to the side.
constexpr FallingStart kSnowStart{3.0f, 10.0f, 0.0f};
constexpr float kFlakeSize = 0.15f;

}  // namespace

Snow::Snow(const ZOdevuvBoundingBox& box, int count) {
  bounds = box;
  pointSize = kFlakeSize;
  AddParticles(count);
}

void Snow::ResetParticle(ZOdevuvParticle& p) { StartFalling(p, bounds, kSnowStart); }

void Snow::Update(float dt) { MoveWithinBounds(*this, dt); }

void Snow::PreRender() { PreRenderWith(ParticleBlend::Unlit); }

void Snow::PostRender() { PostRenderWith(ParticleRestore::LitAndBlendOff); }
