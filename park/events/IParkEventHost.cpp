#include "park/events/IParkEventHost.h"

IParkEventHost* g_parkEventHost = nullptr;

int32_t IParkEventHost::GetLiveVisitorCount() const { return -1; }

bool IParkEventHost::IsTutorialAtEventStep() const { return false; }
