#include "engine/render/ModelRecords.h"

namespace {

plat::Color ColorAt(const float* f, int first) {
  return {f[first], f[first + 1], f[first + 2], f[first + 3]};
}

}  // namespace

plat::Material MaterialFromRecord(const ModelMaterialRecord* record) {
  plat::Material material;
  if (!record) return material;
  material.diffuse = ColorAt(record->floats, 4);
  material.ambient = ColorAt(record->floats, 0);
  material.specular = ColorAt(record->floats, 8);
  material.power = record->floats[ModelMaterialRecord::kPower];
  return material;
}

void CopyMaterialRecord(const ModelMaterialRecord& source, ModelMaterialRecord& target) {
  target = source;
}
