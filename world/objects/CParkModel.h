#pragma once
// A game object made from an object descriptor: the engine's game object
// with what the park keeps on each model: the render flag, the part marker
// (vehicle models of a ride carry kVehicleMarker), the part's local
// position, and the two local anchor points that span its box.
#include <cstdint>

#include "engine/render/ZOdevuvGameObject.h"
#include "platform/math/Types.h"

class CParkModel : public ZOdevuvGameObject {
 public:
  static constexpr int32_t kVehicleMarker = 5000;

  // Loads the model and takes the anchors from its box; a model without
  // meshes keeps both anchors at the origin.
  void InitModel(EngineString name, EngineString modelFile, EngineString textureFolder,
                 ZOdevuvLightManager* lights);
  bool IsVehicle() const { return partMarker == kVehicleMarker; }

  uint8_t renderFlag = 0;
  int32_t partMarker = 0;
  plat::Vec3 position;
  plat::Vec3 localAnchorA, localAnchorB;
  // The part's own movement (turning, swinging) in its building, and
  // whether the renderer applies it.
  plat::Matrix partMatrix{{{1, 0, 0, 0}, {0, 1, 0, 0}, {0, 0, 1, 0}, {0, 0, 0, 1}}};
  uint8_t applyPartMatrix = 0;
};
