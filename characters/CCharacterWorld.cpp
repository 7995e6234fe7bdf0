#include "characters/CCharacterWorld.h"

#include <atomic>

namespace {

// Installed and read on the window thread; atomic because the character
// manager's loading thread constructs characters while it may be set.
std::atomic<CCharacterWorld*> g_world{nullptr};

}  // namespace

CCharacterWorld* CCharacterWorld::Get() { return g_world.load(); }

void CCharacterWorld::Install(CCharacterWorld* world) { g_world.store(world); }
