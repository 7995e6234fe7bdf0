#pragma once
// The scene's lights, in the order they were added. Model loaders add lights
// on worker threads while the window thread draws with them, so every access
// takes the manager's lock and readers get copies.
#include <memory>
#include <mutex>
#include <vector>

#include "platform/gfx/LightTypes.h"
#include "platform/math/Types.h"

namespace plat {
class Mesh;
}

struct ZOdevuvLightRecord {
  unsigned char enabled = 0;
  plat::Light light;
  // The small sphere that shows where the light is, made on the engine's
  // device when the light is added; empty when there is no device.
  std::shared_ptr<plat::Mesh> marker;
};

class ZOdevuvLightManager {
 public:
  ZOdevuvLightManager();
  ~ZOdevuvLightManager();
  ZOdevuvLightManager(const ZOdevuvLightManager&) = delete;
  ZOdevuvLightManager& operator=(const ZOdevuvLightManager&) = delete;

  void AddLight(plat::Light light, unsigned char enabled);
  int GetLightCount() const;
  // A copy of the record at the index; false (out untouched) when there is
  // no such light.
  bool GetLightRecord(int index, ZOdevuvLightRecord* out) const;
  // The view from the light along its stored (unnormalised) direction, for
  // the shadow pass. False (out untouched) when there is no such light.
  bool GetLightViewMatrix(plat::Matrix* out, int index) const;
  // Point and spot lights are first re-aimed at the world origin, and keep
  // that direction; then the stored direction is copied out.
  bool AimLightDirection(plat::Vec3* out, int index);
  // Switches the light on or off; false for an index that names no light.
  bool SetLightEnabled(int index, bool enabled);
  void Clear();

 private:
  // Whether the index names a light; the lock must be held.
  bool HasLight(int index) const;

  mutable std::mutex mutex_;
  std::vector<ZOdevuvLightRecord> records_;
};
