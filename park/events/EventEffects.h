#pragma once
// The park's particle effects as an event run switches them: found through
// the park events' host (none without a host or before the world has them).
#include "platform/math/Types.h"

class ParticleEffects;
class ZOdevuvParticleSystem;

ParticleEffects* EventParticleEffects();
// Starts the effect afresh at the point; nothing for a missing effect.
void LaunchEffect(ZOdevuvParticleSystem* system, const plat::Vec3& origin);
void SwitchOffEffect(ZOdevuvParticleSystem* system);
