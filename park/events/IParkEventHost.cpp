#include "park/events/IParkEventHost.h"

IParkEventHost* g_parkEventHost = nullptr;

void IParkEventHost::SetEventCameraPath(const plat::Vec3&, const plat::Vec3&) {}
ParticleEffects* IParkEventHost::GetParticleEffects() { return nullptr; }
void IParkEventHost::CleanLitterAt(const plat::Vec3&) {}
void IParkEventHost::QueueDialogCommand(bool) {}
void IParkEventHost::SelectOpenEvent(int32_t) {}
void IParkEventHost::QueueFlagCommands() {}
void IParkEventHost::RefreshStatusDisplay() {}
void IParkEventHost::EnterEventPopupMode() {}
EngineString IParkEventHost::GetBaseDirectory() const { return ""; }
int32_t IParkEventHost::GetLiveVisitorCount() const { return -1; }

bool IParkEventHost::IsTutorialAtEventStep() const { return false; }
