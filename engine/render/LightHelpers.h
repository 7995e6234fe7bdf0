#pragma once
// How shader users read the light manager's lights by index. Each returns
// false and leaves out untouched when there is no light manager or no light
// at the index.
#include "platform/math/Types.h"

bool GetLightDiffuse(plat::Color* out, int index);
bool GetLightAmbient(plat::Color* out, int index);
bool GetLightPosition(plat::Vec3* out, int index);
// Point and spot lights are aimed at the world origin first, and keep that
// direction; directional lights give their stored direction.
bool GetLightDirection(plat::Vec3* out, int index);
