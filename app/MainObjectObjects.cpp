// What the placed objects ask of the game: sounds at their place, their
// icons, their water effects and the bookkeeping when one goes.
#include <algorithm>

#include "app/VAvazadOvurUrovi.h"
#include "characters/CPorvikAiClass.h"
#include "engine/core/Globals.h"
#include "engine/particles/ParticleEffects.h"
#include "park/CBillboardIcon.h"
#include "park/REraduzizEventClass.h"
#include "park/objects/CAttraction.h"

namespace {

// The two rides whose water falls are particle effects of the park.
constexpr const char* kFirstWaterFallRide = "ATTR_Tullowmere";
constexpr const char* kSecondWaterFallRide = "ATTR_Kestovar";
// Half the side of an icon's square, and the radius it is clicked in.
constexpr float kIconHalfSize = 1.0f;

}  // namespace

void VAvazadOvurUrovi::PlaySoundAt(const plat::Vec3& position, const EngineString& name, uint8_t quiet) {
  SetSoundVolumeAt(position, name, quiet != 0);
}

void VAvazadOvurUrovi::AddBillboardIcon(CAttraction& object, const plat::Vec3& position, int32_t kind) {
  auto* icon = new CBillboardIcon;
  icon->position = position;
  icon->halfSize = kIconHalfSize;
  icon->texture = GetBillboardIconTexture(kind);
  billboards.push_back({icon, &object, kind});
}

void VAvazadOvurUrovi::SwitchOffWaterEffectOf(const EngineString& id) {
  if (!particleEffects) return;
  WaterFall* waterFall = nullptr;
  if (id == kFirstWaterFallRide) waterFall = particleEffects->waterFallA;
  if (id == kSecondWaterFallRide) waterFall = particleEffects->waterFallB;
  if (waterFall) waterFall->active = false;
}

void VAvazadOvurUrovi::OnObjectRemoved(CAttraction& object) {
  if (selectedObject == &object) selectedObject = nullptr;
  if (hoveredObject == &object) hoveredObject = nullptr;
  // No park event may keep the object that goes.
  if (REraduzizEventClass* events = parkEventHost->GetParkEvents()) events->OnObjectRemoved(object);
  // The manager's list keeps no pointer to an object that is gone.
  if (CPorvikAiClass* manager = GetAiManager()) {
    std::erase(manager->GetRepairList(), &object);
    manager->ForgetObject(&object);
  }
}

void VAvazadOvurUrovi::RemoveObjectIcons(CAttraction& object) {
  // Every icon: one left behind would point at the object that goes.
  for (BillboardEntry& entry : billboards) {
    if (entry.object != &object) continue;
    delete entry.icon;
    entry.icon = nullptr;
  }
  std::erase_if(billboards, [&](const BillboardEntry& entry) { return entry.object == &object; });
}

void VAvazadOvurUrovi::RemovePlantFromGreenery() {
  plantCount = std::max(plantCount - 1, 0);
  greeneryPercent = std::min(plantCount, kMaxGreeneryPercent);
}

void VAvazadOvurUrovi::RemoveVisitorCapacity(int32_t capacity) {
  if (CPorvikAiClass* manager = GetAiManager()) manager->SetCapacity(manager->GetCapacity() - capacity);
}

void VAvazadOvurUrovi::RemovePlacement(const EngineString& id, int32_t objectNumber) {
  if (CPorvikAiClass* manager = GetAiManager()) manager->RemovePlacement(id, objectNumber);
}
