#pragma once
// An icon floating over a placed object, always facing the camera: a
// textured square built in view space around its world point each time it
// is drawn, added onto the scene. The mouse handler hit-tests the sphere of
// radius halfSize around its point. The main object keeps the icons in its
// billboard list and deletes them; the texture is the main object's.
#include <cstdint>
#include <memory>

#include "platform/gfx/DeviceTypes.h"
#include "platform/math/Types.h"

namespace plat {
class Texture;
}

class CBillboardIcon {
 public:
  // Position and one texture coordinate pair.
  struct Vertex {
    float x, y, z, u, v;
  };
  static constexpr int32_t kVertexCount = 4;
  static constexpr std::uint32_t kVertexFormat = plat::Fvf::Xyz | plat::Fvf::Tex1;

  // The vertices zeroed; the creator sets the point, the size and the texture.
  CBillboardIcon();
  ~CBillboardIcon() = default;
  CBillboardIcon(const CBillboardIcon&) = delete;
  CBillboardIcon& operator=(const CBillboardIcon&) = delete;

  // The square for the camera's current view.
  void ProjectToScreen();
  // Additive, with the depth test off, which it leaves off for its caller
  // to switch on again; the view and world transforms are kept.
  void Render();

  plat::Vec3 position;
  Vertex vertices[kVertexCount];
  float halfSize = 0.0f;
  std::shared_ptr<plat::Texture> texture;  // borrowed
};
