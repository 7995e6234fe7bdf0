#include "world/objects/CParkModel.h"

void CParkModel::InitModel(EngineString name, EngineString modelFile, EngineString textureFolder,
                           ZOdevuvLightManager* lights) {
  Init(std::move(name), std::move(modelFile), std::move(textureFolder), lights);
  renderFlag = 1;
  if (GetMeshObjects().empty()) return;
  localAnchorA = GetBoxMin();
  localAnchorB = GetBoxMax();
}
