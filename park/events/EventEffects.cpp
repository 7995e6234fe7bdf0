#include "park/events/EventEffects.h"

#include "engine/particles/ZOdevuvParticleSystem.h"
#include "park/events/IParkEventHost.h"

ParticleEffects* EventParticleEffects() {
  return g_parkEventHost ? g_parkEventHost->GetParticleEffects() : nullptr;
}

void LaunchEffect(ZOdevuvParticleSystem* system, const plat::Vec3& origin) {
  if (!system) return;
  system->SetOrigin(origin.x, origin.y, origin.z);
  system->active = true;
  system->Reset();
}

void SwitchOffEffect(ZOdevuvParticleSystem* system) {
  if (system) system->active = false;
}
