#include "world/objects/PlacedObjectLookup.h"

#include <algorithm>

#include "park/objects/CAttraction.h"

namespace {

constexpr float kPickLength = 1000.0f;
constexpr float kSphereRaise = 0.25f;

template <typename Match>
CAttraction* FindFirst(const std::vector<CAttraction*>& objects, Match match) {
  const auto found = std::find_if(objects.begin(), objects.end(),
                                  [&](const CAttraction* object) { return object && match(*object); });
  return found == objects.end() ? nullptr : *found;
}

}  // namespace

CAttraction* FindObjectByName(const std::vector<CAttraction*>& objects, EngineString name) {
  return FindFirst(objects, [&](const CAttraction& object) { return object.id == name; });
}

CAttraction* FindObjectById(const std::vector<CAttraction*>& objects, int32_t id) {
  return FindFirst(objects, [&](const CAttraction& object) { return object.objectNumber == id; });
}

CAttraction* FindObjectByIdAndName(const std::vector<CAttraction*>& objects, int32_t id, EngineString name) {
  return FindFirst(objects,
                   [&](const CAttraction& object) { return object.objectNumber == id && object.id == name; });
}

bool ObjectExists(const std::vector<CAttraction*>& objects, EngineString name) {
  return FindObjectByName(objects, name) != nullptr;
}

bool PickObjectAt(const PickRay& ray, const CAttraction& object) {
  const plat::Vec3 reach{ray.direction.x * kPickLength, ray.direction.y * kPickLength, ray.direction.z * kPickLength};
  if (!object.partObjects.empty()) {
    if (!object.anchorsValid) return false;
    const AxisBox box = SortedBox(object.anchorA, object.anchorB);
    const plat::Vec3 end{ray.origin.x + reach.x, ray.origin.y + reach.y, ray.origin.z + reach.z};
    plat::Vec3 hit;
    return SegmentBoxOverlap(box.min, box.max, ray.origin, end, hit);
  }
  const float radius = object.GetMaxVehicleValue();
  const plat::Vec3 centre{object.position.x, object.position.y + kSphereRaise * radius, object.position.z};
  return RayHitsSphereAhead(ray.origin, reach, centre, radius);
}
