#include "world/objects/PlacedObjectLookup.h"

#include <algorithm>

#include "park/objects/CAttraction.h"

namespace {

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
