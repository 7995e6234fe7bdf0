#pragma once
// Look-ups over the placed-object list. An object's name is its object
// type's name (compared whole and case-sensitive); its id is its object
// number, the value the terrain cells store.
#include <cstdint>
#include <vector>

#include "engine/core/EngineString.h"

class CAttraction;

CAttraction* FindObjectByName(const std::vector<CAttraction*>& objects, EngineString name);
CAttraction* FindObjectById(const std::vector<CAttraction*>& objects, int32_t id);
CAttraction* FindObjectByIdAndName(const std::vector<CAttraction*>& objects, int32_t id, EngineString name);
bool ObjectExists(const std::vector<CAttraction*>& objects, EngineString name);
