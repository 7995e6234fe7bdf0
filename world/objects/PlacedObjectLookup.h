#pragma once
// Look-ups over the placed-object list. An object's name is its object
// type's name (compared whole and case-sensitive); its id is its object
// number, the value the terrain cells store.
#include <cstdint>
#include <vector>

#include "engine/core/EngineString.h"
#include "world/PickGeometry.h"

class CAttraction;

CAttraction* FindObjectByName(const std::vector<CAttraction*>& objects, EngineString name);
CAttraction* FindObjectById(const std::vector<CAttraction*>& objects, int32_t id);
CAttraction* FindObjectByIdAndName(const std::vector<CAttraction*>& objects, int32_t id, EngineString name);
bool ObjectExists(const std::vector<CAttraction*>& objects, EngineString name);

// Whether the ray's first 1000 direction lengths meet the object: its anchor
// box when it has part objects (never without valid anchors), else a sphere
// of its largest vehicle radius raised by a quarter of that radius.
bool PickObjectAt(const PickRay& ray, const CAttraction& object);
