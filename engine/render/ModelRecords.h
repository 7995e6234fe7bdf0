#pragma once
// The material and texture-map records as the model reader reads them, and
// the helpers that turn them into device materials. A material owns its
// maps and sub-materials by value, so copying a record is a deep copy.
#include <cstdint>
#include <vector>

#include "platform/gfx/LightTypes.h"

struct ModelTextureMapRecord {
  char name[255] = {};
  std::int32_t kind = 0;
  // Values 1 to 5: offset u, v; tiling u, v; one more value nothing uses.
  float values[5] = {};
  std::int32_t registryIndex = -1;  // the asset-registry entry the map made

  float OffsetU() const { return values[0]; }
  float OffsetV() const { return values[1]; }
  float TilingU() const { return values[2]; }
  float TilingV() const { return values[3]; }
};

struct ModelMaterialRecord {
  // The seventeen floats: ambient rgba, diffuse rgba, specular rgba, extra
  // value 1, power, extra values 2, 3 and 4.
  static constexpr int kFloatCount = 17;
  static constexpr int kPower = 13;

  std::int32_t number = 0;
  char name[128] = {};
  float floats[kFloatCount] = {};
  std::vector<ModelMaterialRecord> subMaterials;
  std::vector<ModelTextureMapRecord> textureMaps;
};

// Ambient, diffuse and specular with their alphas, and the power; the rest
// zero. A null record gives an all-zero material.
plat::Material MaterialFromRecord(const ModelMaterialRecord* record);
// Gives target its own copy of everything source holds, sub-materials included.
void CopyMaterialRecord(const ModelMaterialRecord& source, ModelMaterialRecord& target);
