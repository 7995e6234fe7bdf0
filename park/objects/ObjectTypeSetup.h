#pragma once
// Makes a placed object (or the placement template) an object of a type.
#include <cstdint>

class CAttraction;
class ObjectTypeDescriptor;

// The fields every object of the type shares: names, flags, points,
// footprint, models with their set-up records, figures, paths and events.
void TakeObjectTypeFields(CAttraction& object, const ObjectTypeDescriptor& type);
// The placement template for a chosen build item: reset, the type's fields,
// the catalogue index as its number, the price, level 1, condition 100.
void SetUpPlacementTemplate(CAttraction& object, const ObjectTypeDescriptor& type, int32_t index, int32_t price);
