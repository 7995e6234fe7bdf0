#pragma once
// The fixed-function light and material records as the device keeps them.
#include "platform/math/Types.h"

namespace plat {

enum class LightType : int { Point = 1, Spot = 2, Directional = 3 };

struct Light {
  LightType type = LightType::Directional;
  Color diffuse;
  Color specular;
  Color ambient;
  Vec3 position;
  Vec3 direction{0, 0, 1};
  float range = 0;
  float falloff = 0;
  float attenuation0 = 0;
  float attenuation1 = 0;
  float attenuation2 = 0;
  float theta = 0;
  float phi = 0;
};

struct Material {
  Color diffuse;
  Color ambient;
  Color specular;
  Color emissive;
  float power = 0;
};

}  // namespace plat
