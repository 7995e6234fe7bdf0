#pragma once
// The parameters that the shadow-mapped effects ("Landscape" and
// "Default_shadow") share: the material, the shadow map, light 0 (or the
// fixed sun that stands in for it without lights) seen from the camera,
// and the matrices that carry a view-space point into the light's
// projection, where the shadow map was drawn.
#include "platform/gfx/Effect.h"
#include "platform/math/Types.h"

struct ShadowedSceneLight {
  plat::Vec3 position;
  plat::Vec3 direction;
  plat::Vec4 diffuse;
  plat::Vec4 ambient;
  float cosTheta = 0.0f;
  plat::Matrix view;
};

// The sun of a scene without lights, high over the park, aimed at its middle.
constexpr plat::Vec3 kFallbackSunPosition{200.0f, 500.0f, 200.0f};

ShadowedSceneLight ReadShadowedSceneLight();
// pi/2 wide, the device's aspect, near 0.01, far 10000.
plat::Matrix ShadowLightProjection();
void SetShadowedSceneParameters(plat::Effect& effect, const plat::Matrix& world, const plat::Matrix& view,
                                const plat::Matrix& projection);
