#include "engine/particles/Rain.h"

#include "engine/particles/ParticleRules.h"

namespace {

// Fast and nearly straight down.
constexpr FallingStart kRainStart{0.1f, 30.0f, 0.8f};
// The size before the first drop starts; every start sets the drops' size.
constexpr float kFirstDropSize = 0.06f;
constexpr float kDropSize = 0.2f;

}  // namespace

Rain::Rain(const ZOdevuvBoundingBox& box, int count) {
  bounds = box;
  pointSize = kFirstDropSize;
  AddParticles(count);
}

void Rain::ResetParticle(ZOdevuvParticle& p) {
  StartFalling(p, bounds, kRainStart);
  pointSize = kDropSize;
}

void Rain::Update(float dt) { MoveWithinBounds(*this, dt); }

void Rain::PreRender() { PreRenderWith(ParticleBlend::Unlit); }

void Rain::PostRender() { PostRenderWith(ParticleRestore::LitAndBlendOff); }
