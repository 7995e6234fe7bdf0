#pragma once
// What the land needs to know of the placed objects, given by their owner:
// the object of an id, and an object's id and fill value. Any hook may be
// empty; the land then finds no objects.
#include <cstdint>
#include <functional>

class CAttraction;

struct PlacedObjectAccess {
  std::function<CAttraction*(int32_t id)> findById;
  std::function<int32_t(const CAttraction& object)> idOf;
  std::function<int32_t(const CAttraction& object)> fillValueOf;
};
