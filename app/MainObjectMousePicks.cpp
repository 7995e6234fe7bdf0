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

// The special park characters after the visitors: these two with the ray
// test, then these three with the segment test.
constexpr int32_t kRaySpecialIds[] = {2, 3};
constexpr int32_t kSegmentSpecialIds[] = {5, 4, 1};
// The segment test's far end lies this far along the ray.
constexpr float kPickSegmentLength = 100000.0f;

// The character's world bounding sphere met by the ray ahead of the eye, or
// with the segment test by the part of it up to the far end. A character
// that does not exist (or has no animation instance) is never hit.
bool CharacterHit(const PickRay& ray, const REraduzizVisitor* character, bool segment) {
  const CAnimInstance* instance = character ? character->GetAnimInstance() : nullptr;
  if (!instance) return false;
  plat::Vec3 centre;
  instance->GetWorldSphereCenter(&centre);
  const float radius = instance->GetSphereRadius();
  if (!segment) return RayHitsSphereAhead(ray.origin, ray.direction, centre, radius);
  double t1 = 0, t2 = 0;
  const plat::Vec3 far = ray.origin + ray.direction * kPickSegmentLength;
  return IntersectSegmentSphere(ray.origin, far, centre, radius, t1, t2) > 0 && t1 >= 0.0 && t2 <= 1.0;
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
  const auto hit = [&](int32_t id, bool segment) {
    REraduzizVisitor* character = manager->FindCharacterById(id);
    return CharacterHit(ray, character, segment) ? character : nullptr;
  };
  for (int32_t id : manager->GetLiveIds()) {
    if (REraduzizVisitor* character = hit(id, false)) return character;
  }
  for (int32_t id : kRaySpecialIds) {
    if (REraduzizVisitor* character = hit(id, false)) return character;
  }
  for (int32_t id : kSegmentSpecialIds) {
    if (REraduzizVisitor* character = hit(id, true)) return character;
  }
  for (const PlacementRecord& record : placedCharacters) {
    if (REraduzizVisitor* character = hit(record.id, true)) return character;
  }
  return nullptr;
}
