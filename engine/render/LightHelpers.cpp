#include "engine/render/LightHelpers.h"

#include "engine/core/Globals.h"
#include "engine/render/ZOdevuvLightManager.h"

namespace {

bool ReadLight(int index, plat::Light* out) {
  ZOdevuvLightRecord record;
  if (!g_lights || !g_lights->GetLightRecord(index, &record)) return false;
  *out = record.light;
  return true;
}

}  // namespace

bool GetLightDiffuse(plat::Color* out, int index) {
  plat::Light light;
  if (!ReadLight(index, &light)) return false;
  *out = light.diffuse;
  return true;
}

bool GetLightAmbient(plat::Color* out, int index) {
  plat::Light light;
  if (!ReadLight(index, &light)) return false;
  *out = light.ambient;
  return true;
}

bool GetLightPosition(plat::Vec3* out, int index) {
  plat::Light light;
  if (!ReadLight(index, &light)) return false;
  *out = light.position;
  return true;
}

bool GetLightDirection(plat::Vec3* out, int index) {
  return g_lights && g_lights->AimLightDirection(out, index);
}
