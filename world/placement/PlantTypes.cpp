#include "world/placement/PlantTypes.h"

namespace {

// Bushes, flower bushes, then three sizes of five trees.
constexpr const char* kPlantTypes[kPlantKindCount] = {
    "LP_Bush_01",       "LP_Bush_02",       "LP_Bush_03",       "LP_viragosbokor",  "LP_viragosbokor1",
    "viragosbokor_03",  "viragosbokor_01a", "viragosbokor_02a", "LP_viragosbokor1", "viragosbokor_01b",
    "viragosbokor_02b", "LP_viragosbokor",  "viragosbokor_01c", "viragosbokor_02c", "fa_01_a",
    "fa_02_a",          "fa_03_a",          "fa_04_a",          "fa_05_a",          "fa_01_b",
    "fa_02_b",          "fa_03_b",          "fa_04_b",          "fa_05_b",          "fa_01_c",
    "fa_02_c",          "fa_03_c",          "fa_04_c",          "fa_05_c",
};

}  // namespace

const char* PlantTypeName(int32_t kind) {
  if (kind < 0 || kind >= kPlantKindCount) return nullptr;
  return kPlantTypes[kind];
}
