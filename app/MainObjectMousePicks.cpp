// What the mouse points at: a billboard icon over a placed object, or a
// character of the park: a visitor, a special park character or a hired
// staff member.
#include "app/VAvazadOvurUrovi.h"
#include "characters/CPorvikAiClass.h"
#include "characters/REraduzizVisitor.h"
#include "engine/animation/CAnimInstance.h"
#include "park/CBillboardIcon.h"
#include "world/PickGeometry.h"

namespace {

// The special park characters, in the order they are tested after the
// visitors.
constexpr int32_t kSpecialCharacterIds[] = {2, 3, 5, 4, 1};

bool RayHitsCharacter(const PickRay& ray, const REraduzizVisitor* character) {
  const CAnimInstance* instance = character ? character->GetAnimInstance() : nullptr;
  if (!instance) return false;
  plat::Vec3 centre;
  instance->GetWorldSphereCenter(&centre);
  return RayHitsSphereAhead(ray.origin, ray.direction, centre, instance->GetSphereRadius());
}

}  // namespace

CAttraction* VAvazadOvurUrovi::HitTestObjects(int32_t x, int32_t y, int32_t* kind) const {
  const PickRay ray = GetPickRay(x, y);
  for (const BillboardEntry& entry : billboards) {
    if (!entry.icon || !RayHitsSphereAhead(ray.origin, ray.direction, entry.icon->position, entry.icon->halfSize)) {
      continue;
    }
    *kind = entry.kind;
    return entry.object;
  }
  return nullptr;
}

REraduzizVisitor* VAvazadOvurUrovi::HitTestCharacters(int32_t x, int32_t y) const {
  const CPorvikAiClass* manager = GetAiManager();
  if (!manager) return nullptr;
  const PickRay ray = GetPickRay(x, y);
  for (int32_t id : manager->GetLiveIds()) {
    REraduzizVisitor* character = manager->FindCharacterById(id);
    if (RayHitsCharacter(ray, character)) return character;
  }
  for (int32_t id : kSpecialCharacterIds) {
    REraduzizVisitor* character = manager->FindCharacterById(id);
    if (RayHitsCharacter(ray, character)) return character;
  }
  for (const PlacementRecord& record : placedCharacters) {
    REraduzizVisitor* character = manager->FindCharacterById(record.id);
    if (RayHitsCharacter(ray, character)) return character;
  }
  return nullptr;
}
