#include "characters/CCharacterWorld.h"

#include <atomic>

namespace {

// Installed and read on the window thread; atomic because the character
// manager's loading thread constructs characters while it may be set.
std::atomic<CCharacterWorld*> g_world{nullptr};

}  // namespace

CCharacterWorld* CCharacterWorld::Get() { return g_world.load(); }

void CCharacterWorld::Install(CCharacterWorld* world) { g_world.store(world); }

bool CCharacterWorld::GetObjectGate(const CAttraction* object, plat::Vec3* out) const {
  return GetObjectPosition(object, out);
}
bool CCharacterWorld::FindRandomWalkTarget(REraduzizVisitor&) { return false; }
CAttraction* CCharacterWorld::GetEventObject(ParkEvent*) const { return nullptr; }
void CCharacterWorld::RefindEventObjects(ParkEvent*) {}
void CCharacterWorld::MarkEventTaken(ParkEvent*) {}
void CCharacterWorld::ResetEvent(ParkEvent*) {}
void CCharacterWorld::GiveBackEvent(ParkEvent*) {}
void CCharacterWorld::QueueDialogCommand(bool) {}
void CCharacterWorld::SetDialogByte(int32_t, uint8_t) {}
void CCharacterWorld::SetFocusedCharacter(int32_t) {}
void CCharacterWorld::SetEventCameraPoint(const plat::Vec3&) {}
void CCharacterWorld::StartMagicEffect(int32_t, const plat::Vec3&) {}
void CCharacterWorld::StopMagicEffect(int32_t) {}
void CCharacterWorld::PlaySound(const char*) {}
bool CCharacterWorld::IsTutorialWaitingForJob() const { return false; }
void CCharacterWorld::FinishTutorialJobStep() {}
void CCharacterWorld::ApplyTutorialSettings() {}
void CCharacterWorld::ShowMessage(int32_t, MessageCallback, void*) {}
void CCharacterWorld::SetModal() {}
const CFoodCatalog* CCharacterWorld::GetFoodCatalog() const { return nullptr; }
std::vector<CCharacterWorld::ShopItem> CCharacterWorld::GetSweetShopItems() const { return {}; }
int32_t CCharacterWorld::GetCash() const { return 0; }
void CCharacterWorld::AddCash(int32_t) {}
void CCharacterWorld::AddSalesTotal(SalesTotal, int32_t) {}
void CCharacterWorld::AddSalesRecord(int32_t, int32_t, int32_t, int32_t, int32_t, const EngineString&) {}
void CCharacterWorld::CleanLitterAt(const plat::Vec3&) {}
void CCharacterWorld::PlantAt(const plat::Vec3&, int32_t) {}
void CCharacterWorld::RefreshUpgradeList() {}
bool CCharacterWorld::AreEffectSoundsOn() const { return false; }
void CCharacterWorld::SetSoundVolumeAt(const plat::Vec3&, const char*) {}
