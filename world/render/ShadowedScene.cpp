#include "world/render/ShadowedScene.h"

#include <cmath>

#include "engine/core/Globals.h"
#include "engine/render/LightHelpers.h"
#include "engine/render/ZOdevuvDevice.h"
#include "engine/render/ZOdevuvLightManager.h"
#include "platform/math/Math.h"

namespace {

constexpr float kHalfPi = 1.5707963705062866f;
constexpr float kQuarterPi = 0.7853981852531433f;
constexpr float kLightNear = 0.01f;
constexpr float kLightFar = 10000.0f;
// How far along its direction the fallback sun looks.
constexpr float kFallbackLookDistance = 10000.0f;
constexpr plat::Vec4 kLitAmbient{0.5f, 0.5f, 0.5f, 1.0f};
constexpr plat::Vec4 kUnlitAmbient{0.5f, 0.5f, 0.5f, 0.5f};
constexpr plat::Vec4 kWhite{1.0f, 1.0f, 1.0f, 1.0f};

plat::Matrix Inverse(const plat::Matrix& m) {
  plat::Matrix out = plat::IdentityMatrix();
  plat::MatrixInverse(&out, nullptr, m);
  return out;
}

bool ReadLightZero(ShadowedSceneLight& light) {
  ZOdevuvLightRecord record;
  if (!g_lights || g_lights->GetLightCount() == 0 || !g_lights->GetLightRecord(0, &record)) return false;
  plat::Color diffuse;
  GetLightPosition(&light.position, 0);
  GetLightDirection(&light.direction, 0);
  GetLightDiffuse(&diffuse, 0);
  light.diffuse = {diffuse.r, diffuse.g, diffuse.b, diffuse.a};
  light.ambient = kLitAmbient;
  light.cosTheta = std::cos(record.light.theta);
  return g_lights->GetLightViewMatrix(&light.view, 0);
}

}  // namespace

ShadowedSceneLight ReadShadowedSceneLight() {
  ShadowedSceneLight light;
  if (ReadLightZero(light)) return light;
  light.position = kFallbackSunPosition;
  light.direction = plat::Vec3Normalized(plat::Vec3{} - light.position);
  light.diffuse = kWhite;
  light.ambient = kUnlitAmbient;
  light.cosTheta = std::cos(kQuarterPi);
  plat::MatrixLookAtLH(&light.view, light.position, light.direction * kFallbackLookDistance, plat::Vec3{0, 1, 0});
  return light;
}

plat::Matrix ShadowLightProjection() {
  const int32_t w = g_device ? g_device->GetWidth() : 0;
  const int32_t h = g_device ? g_device->GetHeight() : 0;
  const float aspect = h > 0 ? float(w) / float(h) : 1.0f;
  plat::Matrix projection;
  plat::MatrixPerspectiveFovLH(&projection, kHalfPi, aspect, kLightNear, kLightFar);
  return projection;
}

void SetShadowedSceneParameters(plat::Effect& effect, const plat::Matrix& world, const plat::Matrix& view,
                                const plat::Matrix& projection) {
  effect.SetVector("g_vMaterial", kWhite);
  effect.SetTexture("g_txShadow", g_shadowMap);
  const ShadowedSceneLight light = ReadShadowedSceneLight();
  effect.SetVector("g_vLightDiffuse", light.diffuse);
  effect.SetVector("g_vLightAmbient", light.ambient);
  effect.SetFloat("g_fCosTheta", light.cosTheta);
  plat::Vec4 position;
  plat::Vec3Transform(&position, light.position, view);
  position.w = 0.0f;
  // A direction must not pick up the view's translation: turned with w = 0.
  plat::Vec3 viewDirection;
  plat::Vec3TransformNormal(&viewDirection, light.direction, view);
  plat::Vec4 direction;
  plat::Vec4NormalizeTo(&direction, plat::Vec4{viewDirection.x, viewDirection.y, viewDirection.z, 0.0f});
  direction.w = 0.0f;
  effect.SetVector("g_vLightPos", position);
  effect.SetVector("g_vLightDir", direction);
  effect.SetMatrix("g_mWorldView", world * view);
  effect.SetMatrix("g_mProj", projection);
  effect.SetMatrix("g_mViewToLightProj", Inverse(view) * light.view * ShadowLightProjection());
}
