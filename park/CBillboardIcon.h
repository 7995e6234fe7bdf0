#pragma once
// An icon drawn over a placed object, facing the camera; the mouse handler
// hit-tests its sphere (world position and radius). The main object keeps
// the icons in its billboard list and deletes them.
#include "platform/math/Types.h"

class CBillboardIcon {
 public:
  CBillboardIcon() = default;
  ~CBillboardIcon() = default;
  CBillboardIcon(const CBillboardIcon&) = delete;
  CBillboardIcon& operator=(const CBillboardIcon&) = delete;

  plat::Vec3 position{};
  float radius = 0.0f;
  float scale = 1.0f;
};
