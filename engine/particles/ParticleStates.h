#pragma once
// The render-state set-ups shared by the particle effects: how they blend
// (additively, without writing depth) and what they put back afterwards.
namespace plat {
class Device;
}

// Which blend set-up an effect uses.
enum class ParticleBlend {
  TextureAlpha,       // texture alpha, blend, depth test, no depth write
  Unlit,              // blend, lighting off, depth test, no depth write
  TextureAlphaUnlit,  // both of the above
};

// What an effect restores after drawing.
enum class ParticleRestore {
  BlendOnly,               // depth write, blend factors, texture alpha
  LitAndBlendOff,          // also lighting on and blending off
  LitBlendAndAlphaTestOff  // also the alpha test off
};

void ApplyParticleBlend(plat::Device& device, ParticleBlend blend);
void RestoreParticleStates(plat::Device& device, ParticleRestore restore);
