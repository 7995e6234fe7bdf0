#pragma once
// The object types the gardener and the planting code plant, by plant kind.
#include <cstdint>

constexpr int32_t kPlantKindCount = 29;

// The type name of a plant kind 0..28; null for any other kind.
const char* PlantTypeName(int32_t kind);
